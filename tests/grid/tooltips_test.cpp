// Tooltips of cut-off cells, on an injected clock: when one shows, which cells get none, what
// cancels the wait, where the window sits; and the locale texts of GetInfo.

#include "grid/CellToolTipWindow.h"
#include "grid/GridTestSupport.h"
#include "grid/QvGrid.h"

#include <QCursor>
#include <QEnterEvent>
#include <QLineEdit>
#include <QLocale>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

using namespace grid;
using namespace gridtest;

namespace {

const QString LongText = QStringLiteral("a delivery note far too long for a hundred pixels");

// A shown grid of three 100 px columns (text, text, check box) whose row 0 holds a cut-off text,
// a short one and a check; row 1 an empty first cell. The clock stands at Now.
struct ToolTipGrid {
    explicit ToolTipGrid(const QFont& Font = sixteenPixelFont(), QWidget* Host = nullptr) : grid(Host)
    {
        grid.SetBorderStyle(0);
        grid.SetFont(Font);
        grid.SetFontHeader(Font);
        grid.resize(400, 300);
        grid.CalcRowMetrics();
        grid.CalcRowMetrics();
        grid.AddColumn("A", 1500, 0, ColText, {}, {}, 0, false);
        grid.AddColumn("B", 1500, 0, ColText, {}, {}, 0, false);
        grid.AddColumn("C", 1500, 0, ColCheckBox, {}, {}, 0, false);
        for (qint32 c = 0; c < 3; ++c)
            grid.store().Column(c).WidthPx = 100;
        grid.AddItem(LongText + QStringLiteral("\tshort\tTrue"));
        grid.AddItem(QStringLiteral("\tshort\tTrue"));
        grid.SetTickSource([this] { return Now; });
        showPainted(grid);
    }

    QPoint cell(qint32 Row, qint32 Position) const
    {
        QRect column;
        grid.GetColRect(Position, column);
        return {column.left() + 50, grid.GetRowTop(Row, -1) + 11};
    }
    QPoint heading(qint32 Position) const { return {cell(0, Position).x(), grid.GetRowTop(0, -1) / 2}; }

    void send(QEvent::Type Type, QPoint At, Qt::MouseButton Button = Qt::NoButton)
    {
        sendMouse(grid, Type, At, Button, Type == QEvent::MouseButtonPress ? Qt::MouseButtons(Button) : Qt::NoButton);
    }
    void hover(QPoint At) { send(QEvent::MouseMove, At); }

    // The clock moves to Time and the timers get the chance to look at it.
    void at(qint64 Time)
    {
        Now = Time;
        QTest::qWait(120);
    }

    bool shown() const { return grid.CellToolTip() != nullptr && grid.CellToolTip()->isVisible(); }
    QString text() const { return qobject_cast<const CellToolTipWindow*>(grid.CellToolTip())->Text(); }

    qint64 Now = 0;
    QvGrid grid;
};

} // namespace

TEST(GridToolTips, CutOffCellShowsItsTextAfter1500Ms)
{
    ToolTipGrid t;
    t.hover(t.cell(0, 0));
    t.at(1499);
    EXPECT_FALSE(t.shown());
    t.Now = 1500;
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.shown(); }));
    EXPECT_EQ(t.text(), LongText);

    // Laid over the cell, at least a row high and wider than the column.
    const QWidget* window = t.grid.CellToolTip();
    const QPoint corner = t.grid.viewport()->mapToGlobal(QPoint(0, t.grid.GetRowTop(0, -1)));
    EXPECT_EQ(window->geometry().topLeft(), corner);
    EXPECT_GE(window->height(), t.grid.store().RowAt(0).Height);
    EXPECT_GT(window->width(), 100);

    // Moving onto another cell hides it.
    t.hover(t.cell(0, 1));
    EXPECT_FALSE(t.shown());
}

// The pointer rests on a cut cell or heading: the tooltip opens over it with its whole text and
// stays, also where the window system gives the pointer to the window that appeared under it (a
// leave for the grid, an enter for the window); moving on to the next column over the window takes
// it away. A heading shown whole gets none.
TEST(GridToolTips, TheTooltipStaysWhileThePointerRestsUnderIt)
{
    const QString heading = QStringLiteral("Consignee's delivery address");
    QFont small = sixteenPixelFont(); // the size of the windows' fonts
    small.setPixelSize(11);
    // a cut cell, a cut heading, a heading shown whole
    for (const auto& [onHeading, tip] : {std::pair{false, LongText}, std::pair{true, heading}, std::pair{true, QString()}}) {
        ToolTipGrid t(small);
        t.grid.SetColHeading(0, heading);
        const QPoint at = onHeading ? t.heading(tip.isEmpty() ? 1 : 0) : t.cell(0, 0);
        QCursor::setPos(t.grid.viewport()->mapToGlobal(at));
        t.hover(at);
        t.at(1500);
        ASSERT_EQ(t.shown() ? t.text() : QString(), tip);
        if (tip.isEmpty())
            continue;
        auto* window = qobject_cast<CellToolTipWindow*>(const_cast<QWidget*>(t.grid.CellToolTip()));
        EXPECT_LE(QFontMetrics(window->font()).horizontalAdvance(tip), window->TextRect().Width()) << onHeading;
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&t.grid, &leave);
        const QPoint over = window->mapFromGlobal(QCursor::pos());
        QEnterEvent enter(over, over, QCursor::pos());
        QApplication::sendEvent(window, &enter);
        t.at(5000);
        EXPECT_TRUE(t.shown()) << onHeading;
        QMouseEvent move(QEvent::MouseMove, over + QPoint(100, 0), QCursor::pos() + QPoint(100, 0), Qt::NoButton, {}, {});
        QApplication::sendEvent(window, &move);
        EXPECT_FALSE(t.shown()) << onHeading;
    }
}

// A click, double click, right click or wheel turn on a cell's tooltip, with the focus in a text box
// beside the grid, does what it does on the cell beneath: the same focus, current cell and events for
// the host. The tooltip goes; the wheel scrolls.
TEST(GridToolTips, InputOnTheTooltipActsAsOnTheCellBeneath)
{
    using Gesture = void (*)(QWindow*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint, int);
    const std::pair<Gesture, Qt::MouseButton> cases[] = {
        {QTest::mouseClick, Qt::LeftButton}, {QTest::mouseDClick, Qt::LeftButton},
        {QTest::mouseClick, Qt::RightButton}, {nullptr, Qt::NoButton}}; // the last: the wheel
    for (const auto& [gesture, button] : cases) {
        const auto outcome = [&](bool OnToolTip) {
            QWidget host;
            QLineEdit text(&host);
            ToolTipGrid t(sixteenPixelFont(), &host);
            for (qint32 r = 0; r < 20; ++r)
                t.grid.AddItem(QStringLiteral("x\tshort\tTrue"));
            t.grid.setContextMenuPolicy(Qt::CustomContextMenu);
            t.grid.setFocusPolicy(Qt::WheelFocus);
            host.show();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&host));
            text.setFocus();
            QTest::mouseRelease(&host, Qt::LeftButton); // up, should a test before have left it held
            QStringList heard;
            const auto record = [&heard](const char* Name) {
                return [&heard, Name](const auto&... Args) {
                    heard << (QStringList{Name} << ... << QString::number(Args)).join(' ');
                };
            };
            for (const auto& [signal, name] :
                 {std::pair{&QvGrid::Click, "Click"}, {&QvGrid::DblClick, "DblClick"}, {&QvGrid::Scroll, "Scroll"}})
                QObject::connect(&t.grid, signal, record(name));
            QObject::connect(&t.grid, &QWidget::customContextMenuRequested, [&heard] { heard << "ContextMenu"; });
            QObject::connect(&t.grid, &QvGrid::MouseDown, record("MouseDown"));
            QObject::connect(&t.grid, &QvGrid::MouseUp, record("MouseUp"));
            QObject::connect(&t.grid, &QvGrid::CellClick, record("CellClick"));
            // The pointer comes from off the window and rests on the cut cell.
            const QPoint at = t.grid.viewport()->mapToGlobal(t.cell(0, 0));
            QCursor::setPos(at + QPoint(1000, 0));
            QCursor::setPos(at);
            t.at(0);
            t.at(1500);
            EXPECT_TRUE(t.shown());
            QWidget* target = OnToolTip ? const_cast<QWidget*>(t.grid.CellToolTip()) : t.grid.viewport();
            QWheelEvent turn(target->mapFromGlobal(at), at, {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&turn);
            if (gesture != nullptr)
                gesture(target->window()->windowHandle(), button, {}, target->window()->mapFromGlobal(at), -1);
            else
                qApp->notify(target, &turn);
            EXPECT_FALSE(t.shown());
            EXPECT_EQ(t.grid.SBGetValue(1) > 0, gesture == nullptr);
            return heard << QStringLiteral("focus on the grid %1, current %2,%3")
                                .arg(QApplication::focusWidget() == &t.grid).arg(t.grid.Row()).arg(t.grid.Col());
        };
        EXPECT_EQ(outcome(true).join(" | ").toStdString(), outcome(false).join(" | ").toStdString()) << button;
    }
}

TEST(GridToolTips, CellsThatWantNoTooltipShowNone)
{
    struct Case {
        const char* name;
        qint32 row;
        qint32 position;
        bool tooltipsOn;
    };
    const Case cases[] = {
        {"fitting text", 0, 1, true},
        {"empty cell", 1, 0, true},
        {"check box", 0, 2, true},
        {"tooltips off", 0, 0, false},
    };
    for (const Case& c : cases) {
        ToolTipGrid t;
        t.grid.SetAutoToolTips(c.tooltipsOn);
        t.hover(t.cell(c.row, c.position));
        t.at(3000);
        EXPECT_FALSE(t.shown()) << c.name;
    }
}

TEST(GridToolTips, PressOrLeavingTheRowsCancelsTheWait)
{
    ToolTipGrid t;
    t.hover(t.cell(0, 0));
    t.at(1000);
    t.send(QEvent::MouseButtonPress, t.cell(0, 0), Qt::LeftButton);
    t.send(QEvent::MouseButtonRelease, t.cell(0, 0), Qt::LeftButton);
    t.at(3000);
    EXPECT_FALSE(t.shown());

    // A later wait is not cancelled by the earlier press.
    t.hover(t.cell(0, 1));
    t.hover(t.cell(0, 0));
    t.Now = 4500;
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.shown(); }));

    t.hover(t.cell(0, 1));
    t.hover(t.cell(0, 0));
    t.at(5000);
    t.hover(QPoint(50, t.grid.GetRowTop(1, -1) + 40));
    t.at(8000);
    EXPECT_FALSE(t.shown());
}

TEST(GridToolTips, TheWaitDoesNotRestartOnAnotherCell)
{
    ToolTipGrid t;
    // The wait starts on a fitting cell; 1,000 ms in, the mouse moves to the cut-off one.
    t.hover(t.cell(0, 1));
    t.at(1000);
    t.hover(t.cell(0, 0));
    t.Now = 1500;
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.shown(); }));
    EXPECT_EQ(t.text(), LongText);
}

TEST(GridToolTips, TextIsDrawnOnOneLineUnlessItBreaksOrMeetsTheScreenEdge)
{
    using namespace TextFormat;
    struct Case {
        const char* name;
        QString text;
        bool nearScreenEdge;
        qint32 format;
    };
    const Case cases[] = {
        {"one line, right-aligned", LongText, false, DT_RIGHT | DT_WORDBREAK | DT_SINGLELINE},
        {"carriage return", LongText + QStringLiteral("\r\nsecond line"), false, DT_WORDBREAK},
        {"at the screen's edge", LongText, true, DT_WORDBREAK},
    };
    for (const Case& c : cases) {
        ToolTipGrid t;
        t.grid.SetCellText(0, 0, c.text);
        t.grid.SetCellAlignment(0, 0, DT_RIGHT);
        const QRect screen = t.grid.screen()->geometry();
        if (c.nearScreenEdge)
            t.grid.move(screen.right() - 150, 0);
        t.hover(t.cell(0, 0));
        t.Now = 1500;
        ASSERT_TRUE(QTest::qWaitFor([&] { return t.shown(); }));
        const auto* window = qobject_cast<const CellToolTipWindow*>(t.grid.CellToolTip());
        EXPECT_EQ(window->Format() & 0xFFFF, c.format) << c.name;
        if (c.nearScreenEdge) {
            EXPECT_LE(window->geometry().right(), screen.right()) << c.name;
        }
    }
}

TEST(GridToolTips, AnOpenEditShowsNoTooltip)
{
    ToolTipGrid t;
    t.grid.SetAllowEdit(true);
    t.grid.RowColSet(0, 0);
    t.grid.ForceCellEdit(0, 0, false);
    ASSERT_TRUE(t.grid.EditPending());
    t.hover(t.cell(0, 0));
    t.at(3000);
    EXPECT_FALSE(t.shown());
}

TEST(GridToolTips, GetInfoAnswersTheLocaleItems)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const struct {
        qint32 item;
        QString text;
    } cases[] = {
        {0x1001, "English"}, {0x1002, "United Kingdom"}, {14, "."}, {15, ","},
        {0x59, "en"},        {0x5A, "GB"},               {4, "British English"}, {0x7777, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QvGrid::GetInfo(c.item), c.text) << c.item;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(QvGrid::GetInfo(0x1001), "German");
    EXPECT_EQ(QvGrid::GetInfo(14), ",");
    QLocale::setDefault(saved);
}
