#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <array>

// The follow-up letter to the destination branch's manager about a consignment whose proof of
// delivery has not come back: one page of 33 text lines on the dot-matrix form, laid out here as
// data and printed by printLetter (MissingPodPrint.h).
namespace followup {

// What the letter says; the texts as the window's boxes hold them.
struct LetterFields {
    QDate letterDate;     // the workstation's date
    QString consignNo;    // the number as plain digits
    QDate bookingDate;
    std::array<QString, 4> consignor;
    std::array<QString, 4> consignee;
    QString manifestNo;
    QString packetNo;
    QString serialNo;
    QString destination;  // the destination code
    QString destinationCity; // as stored; empty when the city master has no name for the code
    QString companyName;
    QString companyCity;
    QString branchPhone;
};

enum class LetterFont {
    Unchanged, // the font the printer has
    Pitch10,   // the resident 10 characters-per-inch draft font
    Pitch5,    // the resident 5 characters-per-inch draft font
};

// One printed line: the font it is printed in, the extra space above it in twips, its text.
struct LetterLine {
    LetterFont font = LetterFont::Unchanged;
    int gapTwips = 0;
    QString text;
    friend bool operator==(const LetterLine&, const LetterLine&) = default;
};

// The text at exactly that width: cut, or filled out with blanks on the right.
QString fixedWidth(const QString& text, int width);

// The blanks before a company line of that many characters, centred on the 40 columns of the
// 5 cpi line (a half goes to the even neighbour); none for 40 characters or more.
int centringIndent(qsizetype length);

// The 33 lines of the letter, top to bottom.
QList<LetterLine> letterLines(const LetterFields& fields);

} // namespace followup
