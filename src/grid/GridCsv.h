#pragma once

#include <QString>
#include <QStringView>

class QIODevice;

// The comma-separated text the grid exports: lines ended by CR LF (the last one may stay open),
// in the system's 8-bit encoding. A field that holds a double quote, a comma or a line break is
// written in double quotes with its inner quotes doubled; any other field is written as it is.
// Each line goes to the device once it is complete.
namespace grid {

class CsvWriter {
public:
    explicit CsvWriter(QIODevice& Out) : m_out(Out) {}

    // A line of one field, without a leading comma.
    void writeLine(QStringView Field);
    // A field of the current line, written after a comma.
    void addField(QStringView Field);
    // A heading or cell text as a field of the current line: its commas become blanks.
    void addTextField(QStringView Text);
    void endLine();
    // Writes a line left open; answers false when any write to the device failed.
    bool finish();

private:
    void append(QStringView Field, bool CommasToBlanks);
    void writePending();

    QIODevice& m_out;
    QString m_line;
    bool m_ok = true;
};

} // namespace grid
