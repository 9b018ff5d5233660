// The totals line: running totals, averages, captions and formats, the members' handling of bad
// column indexes, and the band painted under the last row.

#include "grid/GridTestSupport.h"
#include "grid/QvGrid.h"

#include "platform/runtime/RuntimeError.h"

#include <QImage>
#include <QLocale>

#include <gtest/gtest.h>

#include <memory>

using namespace grid;
using namespace gridtest;

namespace {

// A grid with a number column "N" (Format as given) and a text column "T", one row per value.
std::unique_ptr<QvGrid> gridOf(const QStringList& values, const QString& format = {})
{
    auto grid = std::make_unique<QvGrid>();
    grid->AddColumn("N", 1200, 0, ColNumber, format, {}, 0, false);
    grid->AddColumn("T", 1200, 0, ColText, {}, {}, 0, false);
    for (const QString& value : values)
        grid->AddItem(value + "\tx");
    return grid;
}

// gridOf's grid shown 400 x Height px with the totals line on, visual styles off, a fixed font,
// blue header text and white rows on grey; each column 100 px wide.
std::unique_ptr<QvGrid> shownGridOf(const QStringList& values, qint32 ThemeStyle, int Height = 300)
{
    setVisualStyle(VisualStyle{});
    auto grid = gridOf({});
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(12);
    grid->SetBorderStyle(0);
    grid->SetThemeColor(ThemeCustom);
    grid->SetFont(font);
    grid->SetFontHeader(font);
    grid->SetBackColor(White);
    grid->SetBackColorBkg(Grey);
    grid->SetBackColorEvenRowsEnabled(false);
    grid->SetForeColorHdr(Blue);
    grid->SetGridLines(0);
    grid->SetScrollBars(3);
    grid->SetThemeStyle(ThemeStyle);
    grid->SetTotalsLineShow(true);
    grid->CalcRowMetrics();
    for (qint32 c = 0; c < 2; ++c)
        grid->store().Column(c).WidthPx = 100;
    for (const QString& value : values)
        grid->AddItem(value + "\tx");
    grid->resize(400, Height);
    grid->show();
    grid->SetRedraw(true);
    grid->Refresh();
    return grid;
}

} // namespace

TEST(TotalsLineText, NumberColumnsShowTheirTotalOrAverageAfterTheCaption)
{
    struct Case {
        QStringList values;
        bool average;
        QString caption;
        QString format;
        QString shown;
    };
    const Case cases[] = {
        {{"10", "20", "30"}, false, {}, {}, "60"},
        {{"10", "20", "30"}, true, {}, {}, "20"},
        {{"42"}, false, {}, {}, "42"},
        {{"42"}, true, {}, {}, "42"},
        {{"10", "20", "30"}, false, "Sum", {}, "Sum 60"},
        {{"10", "20", "30"}, true, "Avg", "0.00", "Avg 20.00"},
        {{"1", "2"}, true, {}, {}, "1.5"},
        {{"abc", "5"}, false, {}, {}, "5"},
    };
    for (const Case& c : cases) {
        auto grid = gridOf(c.values, c.format);
        grid->SetTotalsLineColAvg(0, c.average);
        grid->SetTotalsLineCaption(0, c.caption);
        EXPECT_EQ(grid->TotalsLineText(0), c.shown) << c.values.join(',').toStdString() << " avg " << c.average;
    }
}

TEST(TotalsLineText, OtherColumnsShowTheCaptionAlone)
{
    auto grid = gridOf({"1", "2"});
    EXPECT_EQ(grid->TotalsLineText(1), "");
    grid->SetTotalsLineCaption(1, "Totals");
    grid->SetTotalsLineColAvg(1, true);
    EXPECT_EQ(grid->TotalsLineText(1), "Totals");
}

TEST(TotalsLineText, HiddenRowsCountAndRemovedRowsDoNot)
{
    auto grid = gridOf({"10", "20", "30"});
    grid->SetTotalsLineColAvg(0, true);
    grid->SetRowVisible(2, false);
    EXPECT_EQ(grid->TotalsCol(0), 60);
    EXPECT_EQ(grid->TotalsLineText(0), "20");
    grid->store().RemoveRow(0);
    EXPECT_EQ(grid->TotalsCol(0), 50);
    EXPECT_EQ(grid->TotalsLineText(0), "25");
}

TEST(TotalsMembers, BadColumnIndexes)
{
    auto grid = gridOf({"7"});
    EXPECT_EQ(grid->TotalsCol(0), 7);
    EXPECT_EQ(grid->TotalsCol(2), 0);
    EXPECT_EQ(grid->TotalsCol(-1), 0);
    for (qint32 bad : {-1, 2}) {
        EXPECT_THROW(grid->TotalsLineCaption(bad), runtime::RuntimeError);
        EXPECT_THROW(grid->TotalsLineColAvg(bad), runtime::RuntimeError);
        EXPECT_THROW(grid->TotalsLineText(bad), runtime::RuntimeError);
        grid->SetTotalsLineCaption(bad, "x");
        grid->SetTotalsLineColAvg(bad, true);
    }
    EXPECT_EQ(grid->TotalsLineCaption(0), "");
    EXPECT_EQ(grid->TotalsLineCaption(1), "");
    EXPECT_FALSE(grid->TotalsLineColAvg(0));
    EXPECT_FALSE(grid->TotalsLineColAvg(1));
}

TEST(TotalsMembers, LetsRepaintAtOnceEvenForABadColumn)
{
    auto grid = gridOf({"7"});
    grid->SetRedraw(true);
    const qint32 before = grid->paintPasses();
    grid->SetTotalsLineCaption(0, "Sum");
    grid->SetTotalsLineColAvg(5, true);
    EXPECT_EQ(grid->paintPasses(), before + 2);
}

TEST(TotalsBand, SitsUnderTheLastRowWithItsLineFaceAndTotal)
{
    // ThemeStyle and the colour its face leaves inside the band.
    const struct {
        qint32 style;
        OleColor face;
    } cases[] = {{4, TranslateColor(COLOR_BTNFACE)}, {8, Grey}};
    for (const auto& c : cases) {
        auto grid = shownGridOf({"10", "20", "30"}, c.style);
        const QImage image = grid->Surface().copy();
        const qint32 y = grid->GetRowTop(2) + grid->store().RowAt(2).Height;
        const qint32 h = grid->RowHeightPx();
        EXPECT_EQ(pixelsOf(image, QRect(0, y, 200, 1), rgbOf(Blue)), 200) << "style " << c.style;
        EXPECT_EQ(image.pixel(150, y + 3), rgbOf(c.face)) << "style " << c.style;
        EXPECT_GT(pixelsOf(image, QRect(0, y + 1, 100, h), rgbOf(Blue)), 0) << "the total is written";
        EXPECT_EQ(pixelsOf(image, QRect(100, y + 1, 100, h), rgbOf(Blue)), 0) << "no caption, no text";
        EXPECT_EQ(image.pixel(150, y + h + 3), rgbOf(Grey)) << "style " << c.style;
    }
}

TEST(TotalsBand, NotPaintedWithoutRowsOrWhenTheRowsReachTheBottom)
{
    const QRgb face = rgbOf(TranslateColor(COLOR_BTNFACE));
    QStringList many;
    for (int i = 0; i < 30; ++i)
        many << QString::number(i);
    for (const QStringList& values : {QStringList{}, many}) {
        auto grid = shownGridOf(values, 4, 200);
        const QImage image = grid->Surface().copy();
        const qint32 top = grid->layoutMetrics().HeaderHeight;
        const QRect body(0, top, image.width(), image.height() - top);
        // A band would cover thousands of face pixels; the text's edges may match a few.
        EXPECT_LT(pixelsOf(image, body, face), 50) << values.size() << " rows";
        EXPECT_EQ(pixelsOf(image, body, rgbOf(Blue)), 0) << values.size() << " rows";
    }
}

// A sum read only once the rows are in agrees with one kept up to date from the first row on, and
// with the texts' values, before and after rows go and cells change, whatever the texts hold.
TEST(TotalsSums, ReadLateOrKeptFromTheStartAlike)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct {
        QString text;
        double value;
    } cases[] = {
        {"12", 12},       {"-7", -7},           {"0", 0},    {"007", 7},         {"3.25", 3.25},
        {"-0.5", -0.5},   {"0.1", 0.1},         {"1,234", 1234}, {"$1,234.50", 1234.5}, {QChar(163) + QString("7"), 7},
        {"  42 ", 42},    {"", 0},              {"abc", 0},  {"5x6", 5},         {"&H1F", 31},
        {"1E3", 1000},    {"True", -1},         {"-", 0},    {"12345678901", 12345678901.0},
    };
    std::unique_ptr<QvGrid> grids[] = {std::make_unique<QvGrid>(), std::make_unique<QvGrid>()};
    for (auto& grid : grids) {
        grid->AddColumn("N", 1200, 0, ColNumber, {}, {}, 0, false);
        grid->AddColumn("T", 1200, 0, ColText, {}, {}, 0, false);
        grid->AddColumn("K", 1200, 0, ColCheckBox, {}, {}, 0, false);
    }
    for (qint32 c = 0; c < 3; ++c)
        EXPECT_EQ(grids[0]->TotalsCol(c), 0); // read before any row: kept from the start

    double expected = 0;
    for (const auto& test : cases) {
        expected += test.value;
        for (auto& grid : grids) {
            const qint32 row = grid->AddItem(test.text + '\t' + test.text + '\t' + test.text);
            EXPECT_EQ(grid->store().CellAt(row, 2).Flags & CellFlag::Checked, test.value != 0 ? CellFlag::Checked : 0)
                << test.text.toStdString();
        }
    }
    for (qint32 c = 0; c < 3; ++c) {
        EXPECT_DOUBLE_EQ(grids[0]->TotalsCol(c), expected) << "kept, column " << c;
        EXPECT_DOUBLE_EQ(grids[1]->TotalsCol(c), expected) << "read late, column " << c;
    }

    // Both now kept up to date: rows removed, one at a time and selected together, and a text changed.
    expected -= cases[0].value + cases[3].value + cases[9].value;
    expected += 2.5 - cases[5].value;
    for (auto& grid : grids) {
        grid->store().RemoveRow(0);
        grid->SetMultiSelect(1);
        grid->SetRowSelected(2, true);
        grid->SetRowSelected(8, true);
        grid->store().DeleteSelected();
        grid->SetCellText(3, 0, "2.5"); // was cases[5]
        EXPECT_DOUBLE_EQ(grid->TotalsCol(0), expected);
        EXPECT_DOUBLE_EQ(grid->TotalsCol(1), expected + cases[5].value - 2.5);
    }
    QLocale::setDefault(QLocale::system());
}
