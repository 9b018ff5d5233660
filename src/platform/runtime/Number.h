#pragma once

#include <QVariant>
#include <QtGlobal>
#include <variant>

namespace runtime {

// A number read from text: whole numbers stay exact 64-bit integers, everything else is a double.
class Number {
public:
    Number(qint64 integer = 0) : value_(integer) {}
    Number(int integer) : value_(qint64(integer)) {}
    Number(double real) : value_(real) {}

    bool isInteger() const { return std::holds_alternative<qint64>(value_); }
    // The integer; only meaningful when isInteger().
    qint64 integer() const { return std::get<qint64>(value_); }
    double toDouble() const { return isInteger() ? double(integer()) : std::get<double>(value_); }
    // As a field-like value: qlonglong or double.
    QVariant toVariant() const { return isInteger() ? QVariant(qlonglong(integer())) : QVariant(toDouble()); }

private:
    std::variant<qint64, double> value_;
};

} // namespace runtime
