#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>

// How the spreadsheet reads text pasted from the clipboard.
namespace excel {

// What one pasted cell becomes: an empty value (the cell is cleared), text, a number (double) or
// a date (QDateTime in UTC), with the number format a date is shown in.
struct PastedValue {
    QVariant value;
    QString numberFormat;
};

// The cells of pasted text, one after the other: rows separated by CR LF, CR or LF (a line break
// at the very end ends the last row), cells by tab. A cell that begins with a double quote and
// has a closing one is quoted, as the spreadsheet copies a cell holding a separator: its text is
// what stands between the quotes, two quotes standing for one, tabs and line breaks included, and
// what follows the closing quote up to the next separator. The text must outlive the reader.
class PastedCells {
public:
    explicit PastedCells(QStringView text)
        : m_text(text)
    {
    }
    // Moves to the next cell; false when there is none left.
    bool next();
    // The cell's row and column, from 0, and its text (until the next move).
    int row() const { return m_row; }
    int column() const { return m_column; }
    QStringView text() const { return m_cell; }

private:
    // Reads the quoted cell that begins at `at` into m_unquoted and moves `at` past its closing
    // quote; false, `at` kept, when no quoted cell begins there.
    bool readQuoted(qsizetype& at);

    QStringView m_text;
    qsizetype m_next = 0; // where the next cell begins; past the end when none is left
    int m_nextRow = 0;
    int m_nextColumn = 0;
    int m_row = 0;
    int m_column = 0;
    QStringView m_cell;
    QString m_unquoted; // the text of a quoted cell
};

// Appends a cell to text to be pasted, so that PastedCells reads it back as it is: quoted when it
// holds a tab or a line break or begins with a double quote, else as it stands.
void appendPastedCell(QString& text, QStringView cell);

// The conversion of one cell's text, tried on the text without surrounding blanks:
// - numbers: an optional leading minus, digits with an optional decimal point ("12", "-0.5", ".5",
//   "007" which becomes 7). A number of more than 15 significant digits stays text, so long
//   identifiers keep every digit (14-digit consignment numbers become exact numbers);
// - dates as the windows show them, day first: "07-Jun-2026", "07-06-2026", "07/06/2026", the
//   same with a two-digit year (00-29 are 2000-2029, 30-99 1930-1999), and "2026-06-07"; each
//   optionally followed by " HH:mm" or " HH:mm:ss". A date keeps a number format of its own
//   form ("dd-mmm-yyyy", "dd-mm-yy hh:mm" ...). Impossible dates and years before 1900 stay text;
// - everything else, thousands separators, exponents, a leading plus and times alone included,
//   stays text as it was pasted (blanks kept).
PastedValue convertPastedText(QStringView text);

} // namespace excel
