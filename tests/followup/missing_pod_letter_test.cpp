// The follow-up letter: its 33 lines with their fonts, gaps, field widths and columns, and the
// letter printed to PDF with every word in its character cell.

#include "followup/MissingPodLetter.h"
#include "followup/MissingPodPrint.h"

#include "support/FileWriting.h"
#include "support/QtPrinters.h"

#include "core/ModuleState.h"
#include "platform/spooler/Printer.h"
#include "platform/spooler/Spooler.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace followup;

namespace {

using enum LetterFont;

// A line made of pieces, each starting at its column.
QString placed(std::initializer_list<std::pair<int, QString>> pieces)
{
    QString line;
    for (const auto& [column, text] : pieces)
        line = line.leftJustified(column, ' ') + text;
    return line;
}

LetterFields fields()
{
    LetterFields f;
    f.letterDate = QDate(2026, 12, 7);
    f.consignNo = "12345678901234";
    f.bookingDate = QDate(2026, 11, 28);
    f.consignor = {"LAKSHMI TRADERS", "12 BAY ROAD", "VELMORA", "NORTH"};
    f.consignee = {"R DEVI", "4 HILL STREET", "DUNMERE", ""};
    f.manifestNo = "90000000000017";
    f.packetNo = "5";
    f.serialNo = "12";
    f.destination = "DUN";
    f.destinationCity = "DUNMERE";
    f.companyName = "Orvane Couriers Ltd";
    f.companyCity = "Velmora";
    f.branchPhone = "0452-2345678";
    return f;
}

const QString kRule(87, '-');

TEST(MissingPodLetter, TheThirtyThreeLines)
{
    const QList<LetterLine> expected{
        {Unchanged, 0, ""},
        {Unchanged, 0, ""},
        {Pitch10, 0, placed({{68, "Page No: 1"}})},
        {Pitch5, 0, placed({{10, "ORVANE COURIERS LTD"}})},
        {Pitch5, 0, ""},
        {Pitch5, 0, placed({{16, "VELMORA"}})},
        {Pitch5, 0, ""},
        {Pitch10, 0, placed({{60, "Phone : "}, {68, "0452-2345678"}})},
        {Pitch10, 0, ""},
        {Pitch10, 35, placed({{60, "Date : "}, {67, "07-Dec-2026"}})},
        {Pitch10, 0, ""},
        {Pitch10, 0, "To"},
        {Pitch10, 35, placed({{5, "The Manager"}})},
        {Pitch10, 35, placed({{5, "NVX /"}, {10, "DUN-DUNMERE"}, {34, ""}})},
        {Pitch10, 35, ""},
        {Pitch10, 0, placed({{23, "Regarding Non Delivery Document."}})},
        {Pitch10, 0, ""},
        {Pitch10, 0, placed({{5, "Our Consignor complaints that the following Consignment is not yet delivered,"}})},
        {Pitch10, 50, " We have not received the return POD also.  Please look in to this matter and"},
        {Pitch10, 50, " rush the POD or Delivery details.  Reply by this letter immediately."},
        {Pitch10, 50, ""},
        {Pitch10, 0, kRule},
        {Pitch10, 0, placed({{0, "Date"}, {12, "POD No."}, {27, "Consignor Address"}, {57, "Consignee's Address"}})},
        {Pitch10, 0, kRule},
        {Pitch10, 0,
         placed({{0, "28-Nov-2026"}, {12, "12345678901234"}, {27, "LAKSHMI TRADERS"}, {57, "R DEVI"}, {87, ""}})},
        {Pitch10, 35, placed({{27, "12 BAY ROAD"}, {57, "4 HILL STREET"}, {87, ""}})},
        {Pitch10, 35, placed({{27, "VELMORA"}, {57, "DUNMERE"}, {87, ""}})},
        {Pitch10, 35, placed({{27, "NORTH"}, {87, ""}})},
        {Pitch10, 35,
         placed({{0, "MF. No.: "}, {9, "90000000000017"}, {24, "Destination.: "}, {38, "DUNMERE"}, {58, "Packet No.: "},
                 {70, "5"}, {74, "SlNo.: "}, {81, "12"}, {84, ""}})},
        {Pitch10, 0, kRule},
        {Pitch10, 0, ""},
        {Pitch10, 0, ""},
        {Pitch10, 0, placed({{60, "Manager."}})},
    };
    const QList<LetterLine> lines = letterLines(fields());
    ASSERT_EQ(lines.size(), 33);
    for (int i = 0; i < 33; ++i) {
        EXPECT_EQ(lines[i].font, expected[i].font) << "line " << i + 1;
        EXPECT_EQ(lines[i].gapTwips, expected[i].gapTwips) << "line " << i + 1;
        EXPECT_EQ(lines[i].text, expected[i].text) << "line " << i + 1;
    }
    EXPECT_EQ(lines[24].text.size(), 87) << "the data line as wide as the rule";
}

TEST(MissingPodLetter, FieldsKeepTheirWidthsAndColumns)
{
    const QString line29 = "MF. No.: %1 Destination.: %2Packet No.: 5   SlNo.: 12 ";
    const struct {
        std::function<void(LetterFields&)> change;
        int line; // 1 to 33
        QString expected;
    } cases[] = {
        {[](LetterFields& f) { f.consignor[0] = QString(35, 'A'); f.consignee[0] = QString(35, 'B'); }, 25,
         "28-Nov-2026 12345678901234 " + QString(29, 'A') + " " + QString(30, 'B')},
        {[](LetterFields& f) { f.consignNo = "1234567890123"; }, 25,
         placed({{0, "28-Nov-2026"}, {12, "1234567890123"}, {27, "LAKSHMI TRADERS"}, {57, "R DEVI"}, {87, ""}})},
        {[](LetterFields& f) { f.consignor[1] = " 12 BAY ROAD "; f.consignee[1] = ""; }, 26,
         placed({{27, "12 BAY ROAD"}, {87, ""}})},
        {[](LetterFields& f) { f.manifestNo = "1234567890123456"; }, 29,
         line29.arg("12345678901234", "DUNMERE" + QString(13, ' '))},
        {[](LetterFields& f) { f.destinationCity = QString(20, 'C'); }, 29, line29.arg("90000000000017", QString(20, 'C'))},
        {[](LetterFields& f) { f.destinationCity = "NORTH DUNMERE JUNCTION"; }, 14, "     NVX /DUN-NORTH DUNMERE JUNCTI"},
        {[](LetterFields& f) { f.destinationCity.clear(); }, 29, line29.arg("90000000000017", QString(20, ' '))},
        {[](LetterFields& f) { f.destination = " " + QString(30, 'D') + " "; }, 14,
         placed({{5, "NVX /"}, {10, QString(30, 'D') + "-DUNMERE"}, {61, ""}})},
        {[](LetterFields& f) { f.companyName = QString(21, 'n'); }, 4, placed({{10, QString(21, 'N')}})},
        {[](LetterFields& f) { f.companyName = QString(23, 'N'); }, 4, placed({{8, QString(23, 'N')}})},
        {[](LetterFields& f) { f.companyName = QString(41, 'N'); }, 4, QString(41, 'N')},
        {[](LetterFields& f) { f.companyCity = QString(45, 'c'); }, 6, QString(45, 'C')},
    };
    for (const auto& c : cases) {
        LetterFields f = fields();
        c.change(f);
        EXPECT_EQ(letterLines(f)[c.line - 1].text, c.expected) << "line " << c.line;
    }
}

// The letter printed through the installation's PDF printer: each word's left edge must be its
// column times the cell (7.2 points at 10 cpi, 14.4 at 5 cpi), each line 12 points below the one
// before plus its gap, and two letters two one-page documents of 10 x 6 inches.
TEST(PrintedLetter, EveryWordStandsInItsCellOnTenBySixInches)
{
    QTemporaryDir dir;
    qputenv("QUORVEL_ROOT", dir.path().toLocal8Bit());
    testsupport::writeFile(dir.path() + "/printer.ini", "[Printer]\nName=Quorvel PDF\nFolder=Printed\n");
    ASSERT_TRUE(spooler::AddPaperForm("Quorvel PDF", {254000, 152400}, "NVX2"));
    core::gstrFont10cpi = "Draft 10Cpi";
    core::gstrFont5cpi = "Draft 5cpi";
    const QList<LetterLine> lines = letterLines(fields());
    printLetter(lines);
    printLetter(lines);
    const QStringList files = QDir(dir.path() + "/Printed").entryList({"*.pdf"}, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 2);
    const QString pdf = dir.path() + "/Printed/" + files[0];
    const auto run = [](const QString& tool, const QStringList& arguments) {
        QProcess process;
        process.start(tool, arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    EXPECT_TRUE(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +1\n(.|\n)*Page size: +720 x 432 pts")));

    // (text, left edge, top) of every printed word, top to bottom and left to right
    using Word = std::tuple<QString, double, double>;
    QList<Word> printed;
    static const QRegularExpression tag(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    for (const auto& m : tag.globalMatch(run("pdftotext", {"-bbox", pdf, "-"})))
        printed.append({m.captured(3).replace("&apos;", "'"), m.captured(1).toDouble(), m.captured(2).toDouble()});
    std::sort(printed.begin(), printed.end(), [](const Word& a, const Word& b) {
        return std::pair(qRound(std::get<2>(a)), std::get<1>(a)) < std::pair(qRound(std::get<2>(b)), std::get<1>(b));
    });
    QList<std::pair<Word, LetterFont>> expected;
    double top = 0;
    for (const LetterLine& line : lines) {
        top += line.gapTwips / 20.0;
        for (const auto& m : QRegularExpression("\\S+").globalMatch(line.text))
            expected.append({{m.captured(), m.capturedStart() * (line.font == Pitch5 ? 14.4 : 7.2), top}, line.font});
        top += 12;
    }
    ASSERT_EQ(printed.size(), expected.size());
    // a glyph's top lies the same distance below its line's top in every line of one font
    std::map<LetterFont, double> below;
    for (qsizetype i = 0; i < printed.size(); ++i) {
        const auto& [text, x, y] = expected[i].first;
        below.try_emplace(expected[i].second, std::get<2>(printed[i]) - y);
        EXPECT_EQ(std::get<0>(printed[i]), text);
        EXPECT_NEAR(std::get<1>(printed[i]), x, 0.01) << text.toStdString();
        EXPECT_NEAR(std::get<2>(printed[i]) - y, below[expected[i].second], 0.05) << text.toStdString();
    }
    spooler::Printer::current().endDoc();
    core::ResetModuleState();
    qunsetenv("QUORVEL_ROOT");
}

} // namespace
