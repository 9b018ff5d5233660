#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// Error numbers as the data provider reports them (HRESULTs read as signed 32-bit).
constexpr qint32 kErrGeneric = qint32(0x80004005u);   // connection and run-time failures
constexpr qint32 kErrStatement = qint32(0x80040E14u); // the statement text could not be run
constexpr qint32 kErrTimeout = qint32(0x80040E31u);   // the command time-out ran out

// A failed database call: the number and description a window shows to the clerk.
class DbError : public std::runtime_error {
public:
    DbError(qint32 number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}

    qint32 number() const { return m_number; }
    const QString& description() const { return m_description; }

private:
    qint32 m_number;
    QString m_description;
};

} // namespace db
