// What a painted cell shows, read from the grid's retained frame with visual styles off and a fixed
// font: colours, progress bars, check boxes, push buttons, word wrap and cut-off texts, and the POD
// window's detail grid.

#include "grid/GridTestSupport.h"
#include "support/Contrast.h"
#include "grid/QvGrid.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QStyle>

#include <gtest/gtest.h>

#include <memory>

using namespace grid;
using namespace gridtest;

namespace {

constexpr OleColor Green = RGB(0, 160, 0);
constexpr OleColor Even = RGB(230, 230, 200);

// A shown, borderless grid in a fixed font, black on white over a grey background, without
// even-row colour or grid lines. Columns are added 100 px wide.
struct TestGrid {
    std::unique_ptr<QvGrid> grid = std::make_unique<QvGrid>();

    explicit TestGrid(QSize Size = {400, 300})
    {
        setVisualStyle(VisualStyle{});
        grid->SetBorderStyle(0);
        grid->SetThemeColor(ThemeCustom);
        grid->SetFont(fixedFont());
        grid->SetFontHeader(fixedFont());
        grid->SetBackColor(White);
        grid->SetForeColor(Black);
        grid->SetBackColorBkg(Grey);
        grid->SetBackColorEvenRowsEnabled(false);
        grid->SetGridLines(0);
        grid->SetScrollBars(3);
        // The check box size follows the row height of the call before.
        grid->CalcRowMetrics();
        grid->CalcRowMetrics();
        grid->resize(Size);
        grid->show();
    }
    void column(qint16 Type, qint32 Alignment = 0)
    {
        const qint32 index = grid->Cols();
        grid->AddColumn(QStringLiteral("C%1").arg(index), 1500, Alignment, Type, {}, {}, 0, false);
        grid->store().Column(index).WidthPx = 100;
    }
    // A copy of the frame, which the next paint overwrites.
    QImage paint()
    {
        grid->CalcRowMetrics();
        grid->SetRedraw(true);
        grid->Refresh();
        return grid->Surface().copy();
    }
    // The cell of display row Row at display position Position below its top line, which the row
    // background leaves to the grid line.
    QRect cell(qint32 Row, qint32 Position) const
    {
        const ColumnInfo& c = grid->store().Columns()[grid->store().ColOrder()[Position]];
        return QRect(grid->layoutMetrics().RowNumberWidth + c.Left, grid->GetRowTop(Row) + 1, c.WidthPx,
                     grid->store().RowAt(Row).Height - 1);
    }
};

// Pixels of Area (inside the image) that are not Background.
qint32 inkIn(const QImage& Image, const QRect& Area, QRgb Background)
{
    qint32 ink = 0;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            ink += Image.pixel(x, y) != Background;
    return ink;
}

// The dark text in Cell starts (AtEnd false) or ends in an ellipsis: its first or last five inked
// pixel columns hold separate dark dots on the base line and nothing in the upper half of the text.
bool ellipsisAt(const QImage& Image, const QRect& Cell, QRgb Background, bool AtEnd)
{
    int left = -1;
    int right = -1;
    int top = Cell.bottom();
    int bottom = Cell.top();
    for (int x = Cell.left(); x <= Cell.right(); ++x)
        for (int y = Cell.top(); y <= Cell.bottom(); ++y)
            if (Image.pixel(x, y) != Background) {
                left = left < 0 ? x : left;
                right = x;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return false;
    const int middle = (top + bottom) / 2;
    const int from = AtEnd ? right - 4 : left;
    qint32 dots = 0;
    bool inDot = false;
    for (int x = from; x <= from + 4; ++x) {
        bool inked = false;
        for (int y = Cell.top(); y <= Cell.bottom(); ++y) {
            if (Image.pixel(x, y) == Background)
                continue;
            if (y <= middle)
                return false;
            inked = inked || qGray(Image.pixel(x, y)) < 128;
        }
        dots += inked && !inDot;
        inDot = inked;
    }
    return dots >= 2;
}

bool endsInEllipsis(const QImage& Image, const QRect& Cell, QRgb Background)
{
    return ellipsisAt(Image, Cell, Background, true);
}

// The box of non-background pixels in Area.
QRect inkBounds(const QImage& Image, const QRect& Area, QRgb Background)
{
    QRect bounds;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            if (Image.pixel(x, y) != Background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

TEST(CellPaint, ProgressBarCoversItsShareOfTheCellLessTheMargins)
{
    // Value and the bar's right edge from the cell's left, (100 - 2) / 100 x value rounded to even.
    const struct {
        qint32 value;
        qint32 right;
    } cases[] = {{0, 0}, {1, 0}, {25, 24}, {50, 49}, {100, 98}};
    TestGrid t;
    t.grid->SetCellProgressBarColor(Red);
    t.column(ColProgressBar);
    for (const auto& c : cases) {
        const qint32 row = t.grid->AddItem(QString());
        t.grid->SetCellProgressValue(row, 0, c.value);
    }
    const QImage image = t.paint();
    for (qint32 row = 0; row < qint32(std::size(cases)); ++row) {
        const QRect cell = t.cell(row, 0);
        const qint32 right = cases[row].right;
        const qint32 top = t.grid->GetRowTop(row);
        const QRect bar(cell.left() + 2, top + 2, right - 2, t.grid->store().RowAt(row).Height - 4);
        EXPECT_EQ(pixelsOf(image, cell, rgbOf(Red)), right > 2 ? bar.width() * bar.height() : 0)
            << "value " << cases[row].value;
        if (right > 2) {
            EXPECT_EQ(pixelsOf(image, bar, rgbOf(Red)), bar.width() * bar.height()) << "value " << cases[row].value;
        }
    }
}

TEST(CellPaint, ProgressTextIsNeverStyledExceptOnGroupHeaderRows)
{
    // The flag word of a progress cell is its value: 16 is also the bold bit.
    TestGrid t;
    t.grid->SetCellProgressBarColor(RGB(255, 220, 220));
    t.column(ColProgressBar);
    t.grid->AddItem(QStringLiteral("MMMM"));
    t.grid->AddItem(QStringLiteral("MMMM"));
    t.grid->SetCellProgressValue(0, 0, CellFlag::Bold);
    t.grid->SetCellProgressValue(1, 0, CellFlag::Bold);
    t.grid->SetRowGroupHeader(1, true);
    const QImage image = t.paint();
    const auto dark = [&](qint32 Row) {
        const QRect cell = t.cell(Row, 0);
        qint32 count = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                count += qGray(image.pixel(x, y)) < 100;
        return count;
    };
    EXPECT_GT(dark(0), 0);
    EXPECT_GT(dark(1), dark(0) + dark(0) / 5);
}

TEST(CellPaint, CheckBoxCellShowsTheBoxAndNoText)
{
    TestGrid t;
    t.column(ColCheckBox, 1);
    t.column(ColText, 1);
    t.grid->AddItem(QStringLiteral("True\tTrue"));
    t.grid->SetCellChecked(0, 0, true);
    const QImage image = t.paint();
    const QRgb white = rgbOf(White);
    // The box sits centred in the cell, 16 px square; the text "True" would be 28 px wide.
    for (qint32 position : {0, 1}) {
        const QRect cell = t.cell(0, position);
        const QRect box(cell.left() + 40, cell.top(), 20, cell.height());
        const QRect leftOfBox(cell.left(), cell.top(), 40, cell.height());
        const QRect rightOfBox(box.right() + 1, cell.top(), cell.right() - box.right(), cell.height());
        const qint32 outside = inkIn(image, leftOfBox, white) + inkIn(image, rightOfBox, white);
        if (position == 0) {
            EXPECT_GT(inkIn(image, box, white), 0);
            EXPECT_EQ(outside, 0);
        } else {
            EXPECT_GT(outside, 0) << "the text column shows its text beside the middle";
        }
    }
}

TEST(CellPaint, GroupHeaderRowsShowNoCheckBox)
{
    TestGrid t;
    t.column(ColCheckBox, 1);
    t.grid->AddItem(QStringLiteral("True"));
    t.grid->SetCellChecked(0, 0, true);
    t.grid->SetRowGroupHeader(0, true);
    EXPECT_EQ(inkIn(t.paint(), t.cell(0, 0), rgbOf(White)), 0);
}

TEST(CellPaint, OwnBackColourCoversTheRowColourAndTheDefaultKeepsIt)
{
    TestGrid t;
    t.grid->SetBackColorEvenRows(Even);
    t.grid->SetBackColorEvenRowsEnabled(true);
    t.column(ColText);
    t.column(ColText);
    t.grid->AddItem(QStringLiteral("\t"));
    t.grid->AddItem(QStringLiteral("\t"));
    t.grid->SetCellBackColor(1, 1, Green);
    const QImage image = t.paint();
    const QRect plain = t.cell(1, 0);
    const QRect own = t.cell(1, 1);
    EXPECT_EQ(pixelsOf(image, plain, rgbOf(Even)), plain.width() * plain.height());
    EXPECT_EQ(pixelsOf(image, own, rgbOf(Green)), own.width() * own.height());
}

TEST(CellPaint, HighlightedRowTextIsSelectionColourUnlessCellsKeepTheirOwn)
{
    for (bool keep : {false, true}) {
        TestGrid t;
        t.grid->SetForeColorSel(Blue);
        t.grid->SetBackColorSel(White);
        t.grid->SetFocusRowHighlightKeepTextForecolor(keep);
        t.column(ColText);
        t.grid->AddItem(QStringLiteral("MMMM"));
        t.grid->SetCellForeColor(0, 0, Red);
        t.grid->SetRowSelected(0, true);
        const QImage image = t.paint();
        const QRect cell = t.cell(0, 0);
        EXPECT_GT(pixelsOf(image, cell, rgbOf(keep ? Red : Blue)), 0) << "keep " << keep;
        EXPECT_EQ(pixelsOf(image, cell, rgbOf(keep ? Blue : Red)), 0) << "keep " << keep;
    }
}

TEST(CellPaint, PushButtonTextIsInTheButtonTextColour)
{
    TestGrid t;
    t.column(ColPushButton, 5);
    t.grid->AddItem(QStringLiteral("MMMM"));
    t.grid->SetCellForeColor(0, 0, Red);
    const QImage image = t.paint();
    const QRect cell = t.cell(0, 0);
    EXPECT_EQ(pixelsOf(image, cell, rgbOf(Red)), 0);
    EXPECT_GT(pixelsOf(image, cell, rgbOf(TranslateColor(COLOR_BTNTEXT))), 0);
}

TEST(CellPaint, LongTextsEndInAnEllipsisOnlyWithDisplayEllipsis)
{
    for (bool ellipsis : {true, false}) {
        TestGrid t;
        t.grid->SetDisplayEllipsis(ellipsis);
        t.column(ColText);
        t.column(ColText);
        t.grid->AddItem(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWW\tWWW"));
        const QImage image = t.paint();
        EXPECT_EQ(endsInEllipsis(image, t.cell(0, 0), rgbOf(White)), ellipsis);
        EXPECT_FALSE(endsInEllipsis(image, t.cell(0, 1), rgbOf(White)));
    }
}

TEST(CellPaint, CutOffTextsAreMarkedOnTheSideTheirAlignmentHides)
{
    const QString number = QStringLiteral("10000000006013000042");
    const struct {
        qint32 alignment;
        bool displayEllipsis;
        QString text;
        bool markAtStart;
        bool markAtEnd;
    } cases[] = {
        {0, true, number, false, true},
        {2, true, number, true, false},
        {2, false, number, true, false},
        {6, false, number, true, false},
        {1, false, number, false, true},
        {2, false, QStringLiteral("6013"), false, false},
    };
    for (const auto& c : cases) {
        TestGrid t;
        t.grid->SetDisplayEllipsis(c.displayEllipsis);
        t.column(ColText, c.alignment);
        t.grid->AddItem(c.text);
        const QImage image = t.paint();
        const QRect cell = t.cell(0, 0);
        const QRgb white = rgbOf(White);
        const std::string what = "alignment " + std::to_string(c.alignment) + (c.displayEllipsis ? " with" : " without")
                                 + " DisplayEllipsis";
        EXPECT_EQ(ellipsisAt(image, cell, white, false), c.markAtStart) << what;
        EXPECT_EQ(ellipsisAt(image, cell, white, true), c.markAtEnd) << what;
        EXPECT_EQ(inkIn(image, QRect(cell.left(), cell.top(), 2, cell.height()), white), 0) << what << ": inside the cell";
    }
}

TEST(CellPaint, WrappedCellsCappedByMaxLineCountShowOnlyWholeLines)
{
    for (qint32 lines : {1, 2, 3}) {
        TestGrid t;
        t.grid->SetAllowWordWrap(true);
        t.grid->SetMaxLineCount(lines);
        t.column(ColText);
        t.grid->AddItem(QStringLiteral("MM MM MM MM MM MM MM MM MM MM MM MM MM MM MM MM"));
        t.grid->SetCellWordWrap(0, 0, true);
        t.grid->CalcRowHeight(0);
        t.grid->RowLayoutChanged();
        const QImage image = t.paint();
        const QRect cell = t.cell(0, 0);
        const qint32 lineHeight = QFontMetrics(fixedFont()).height();
        const qint32 textTop = cell.top() - 1 + t.grid->MinVerticalOffset();
        const qint32 whole = std::max((cell.bottom() + 1 - textTop) / lineHeight, 1);
        const QRect belowWholeLines(cell.left(), textTop + whole * lineHeight, cell.width(),
                                    cell.bottom() + 1 - (textTop + whole * lineHeight));
        const QRgb white = rgbOf(White);
        EXPECT_GT(inkIn(image, cell, white), 0) << lines << " lines";
        if (!belowWholeLines.isEmpty()) {
            EXPECT_EQ(inkIn(image, belowWholeLines, white), 0) << lines << " lines: no part of the next line";
        }
        EXPECT_TRUE(endsInEllipsis(image, cell, white)) << lines << " lines: the last line shown says more follows";
    }
}

TEST(CellPaint, CheckBoxesKeepTheirOwnSizeInTallRows)
{
    const qint32 indicator = QApplication::style()->pixelMetric(QStyle::PM_IndicatorHeight);
    for (bool rowCheckBox : {true, false}) {
        TestGrid t;
        t.grid->SetRowCheckBoxes(rowCheckBox);
        t.column(rowCheckBox ? ColText : ColCheckBox, 5);
        t.grid->AddItem(QString());
        t.grid->SetRowHeight(0, 60);
        setVisualStyle(VisualStyle{true, QStringLiteral("NormalColor")});
        const QImage image = t.paint();
        setVisualStyle(VisualStyle{});
        const QRect cell = t.cell(0, 0);
        const QRect box = inkBounds(image, cell, rgbOf(White));
        const char* what = rowCheckBox ? "row check box" : "check-box column";
        ASSERT_FALSE(box.isEmpty()) << what;
        EXPECT_LE(box.height(), indicator + 1) << what;
        EXPECT_NEAR(box.center().y(), cell.center().y(), 2) << what << " centred in the row";
    }
}

TEST(CellPaint, AnUncheckedClassicBoxStandsOutFromItsRow)
{
    TestGrid t;
    t.column(ColCheckBox, 5);
    t.grid->AddItem(QString());
    const QImage image = t.paint();
    const QRect cell = t.cell(0, 0);
    QColor darkest = Qt::white;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (qGray(image.pixel(x, y)) < qGray(darkest.rgb()))
                darkest = image.pixelColor(x, y);
    EXPECT_GE(testsupport::contrastRatio(darkest, Qt::white), 3.0) << "the box's frame on a white row";
}

TEST(CellPaint, ReturnsAreDrawnOnOneLineWithoutWordWrap)
{
    TestGrid t;
    t.column(ColText);
    t.grid->AddItem(QStringLiteral("MM\rMM"));
    const QImage image = t.paint();
    const QRect cell = t.cell(0, 0);
    // One line of text: no ink in the lower third of a row twice as high as the text.
    t.grid->SetRowHeight(0, 60);
    const QImage tall = t.paint();
    const QRect tallCell = t.cell(0, 0);
    EXPECT_GT(inkIn(image, cell, rgbOf(White)), 0);
    const qint32 line = QFontMetrics(fixedFont()).height();
    EXPECT_EQ(inkIn(tall, QRect(tallCell.left(), tallCell.top() + line, tallCell.width(), 40), rgbOf(White)), 0);
}

TEST(CellPaint, WrappedCellsDrawTheirLinesLeftAlignedFromTheTop)
{
    TestGrid t;
    t.grid->SetAllowWordWrap(true);
    t.grid->SetMinRowHeight(1);
    t.column(ColText, 2);
    t.grid->AddItem(QStringLiteral("MM MM MM MM MM MM MM MM"));
    t.grid->SetCellWordWrap(0, 0, true);
    t.grid->SetRowHeight(0, 80);
    const QImage image = t.paint();
    const QRect cell = t.cell(0, 0);
    const QRgb white = rgbOf(White);
    // Wrapped: several lines, starting at the left although the cell is right aligned.
    const qint32 line = QFontMetrics(fixedFont()).height();
    EXPECT_GT(inkIn(image, QRect(cell.left(), cell.top() + line + 2, 20, line - 2), white), 0);
}

TEST(CellPaint, ListImagesSitWhereTheirAlignmentPutsThem)
{
    ImageList list(QSize(8, 8));
    list.Add(filled(Qt::red, {8, 8}));
    TestGrid t;
    t.grid->SetImageList(&list);
    for (qint32 c = 0; c < 3; ++c)
        t.column(ColText);
    t.grid->store().Column(2).ImageAlignment = 2;
    t.grid->AddItem(QStringLiteral("\t\t"));
    t.grid->SetRowImage(0, 1);
    t.grid->SetCellImage(0, 1, 1);
    t.grid->SetCellImage(0, 2, 1);
    const QImage image = t.paint();
    const QRgb r = qRgb(255, 0, 0);
    // The row image follows the check-box indent; cell images keep one pixel from the cell's edge.
    const struct {
        qint32 position;
        qint32 left;
    } places[] = {{0, t.grid->layoutMetrics().CheckBoxIndent}, {1, 1}, {2, 100 - 9}};
    for (const auto& place : places) {
        const QRect cell = t.cell(0, place.position);
        EXPECT_EQ(pixelsOf(image, cell, r), 64) << "position " << place.position;
        EXPECT_EQ(pixelsOf(image, QRect(cell.left() + place.left, cell.top(), 8, cell.height()), r), 64)
            << "position " << place.position;
    }
}

TEST(CellPaint, PodDetailGridShowsEveryFieldAndCutsLongValuesWithAnEllipsis)
{
    // The POD window's calls: ClearAll, two columns, MinRowHeight, Redraw, one AddItem per field.
    const struct {
        QString name;
        QString value;
        bool cut;
    } fields[] = {
        {"VOL_METRIC_STATUS", "N", false},
        {"PAR_LENGTH", "40", false},
        {"PAR_WIDTH", "30", false},
        {"PAR_HEIGHT", "20", false},
        {"Weight_Type", "ACTUAL", false},
        {"Sub Branch", "NORTH CITY CENTRAL DISTRIBUTION WAREHOUSE - NCCDW01", true},
        {"PAYMENT_TYPE", "TOPAY", false},
        {"UPI Ref No", "", false},
        {"MOBILE_No", "XXXXXX4321", false},
        {"To_MobileNo", "XXXXXX8765", false},
        {"ODA Charge", "0", false},
        {"CUST_GST_ID", "27AAACB1234M1ZX", false},
        {"Disc Slab", "S2", false},
        {"ContentValue", "HOUSEHOLD GOODS, KITCHEN UTENSILS AND ASSORTED BOOKS", true},
        {"CreateUser", "COUNTER1", false},
        {"MachineId", "BRANCH-PC-07", false},
        {"CancelStatus", "N", false},
    };
    TestGrid t({450, 440});
    QvGrid& grid = *t.grid;
    grid.ClearAll();
    grid.AddColumn(QStringLiteral("Description"), 2300, 4, 0, {}, {}, 4, false, 0, true);
    grid.AddColumn(QStringLiteral("Values"), 4000, 4, 0, {}, {}, 4, true, 0, true);
    grid.SetMinRowHeight(230);
    grid.SetRedraw(true);
    for (const auto& field : fields)
        grid.AddItem(field.name + QLatin1Char('\t') + field.value);
    const QImage image = grid.Surface().copy();

    ASSERT_EQ(grid.Rows(), 17);
    const QRgb white = rgbOf(White);
    for (qint32 row = 0; row < 17; ++row) {
        ASSERT_GT(grid.store().RowAt(row).Height, 0);
        const QRect name = t.cell(row, 0);
        const QRect value = t.cell(row, 1);
        ASSERT_LE(value.bottom(), image.height() - 1) << "row " << row << " is on screen";
        EXPECT_GT(inkIn(image, name, white), 0) << fields[row].name.toStdString();
        EXPECT_EQ(inkIn(image, value, white) > 0, !fields[row].value.isEmpty()) << fields[row].name.toStdString();
        EXPECT_EQ(endsInEllipsis(image, value, white), fields[row].cut) << fields[row].name.toStdString();
    }
}
