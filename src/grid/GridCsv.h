#pragma once

#include <QStringView>

#include <vector>

class QIODevice;

// The comma-separated text the grid exports: lines ended by CR LF (the last one may stay open),
// in the system's 8-bit encoding. A field that holds a double quote, a comma or a line break is
// written in double quotes with its inner quotes doubled; any other field is written as it is.
// Complete lines go to the device in blocks of some 32,000 characters, so that the conversion
// and the write are paid per block rather than per line.
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

    static constexpr std::size_t BlockSize = 32 * 1024;

    QIODevice& m_out;
    // The complete lines not yet written, then the current line, as UTF-16 code units.
    std::vector<char16_t> m_pending;
    bool m_ok = true;
};

} // namespace grid
