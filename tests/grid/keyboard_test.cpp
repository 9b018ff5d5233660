// The grid's keys: the key-code mapping, movement and the event order, Shift and Ctrl selection,
// the page keys, Insert and Delete with their events, Space, the type-ahead search and what the
// host's key events receive.

#include "grid/GridKeys.h"
#include "grid/GridTestSupport.h"
#include "grid/QvGrid.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace grid;
using namespace gridtest;

namespace {

constexpr int RowCount = 40;

// A shown grid of columns Name (text), Done (check box), Go (button) and Amount (number) with
// RowCount rows "name r", current cell (0, 0). Only a part of the rows fits.
std::unique_ptr<QvGrid> makeGrid(const QStringList& names = {})
{
    auto grid = std::make_unique<QvGrid>();
    grid->resize(420, 300);
    grid->CalcRowMetrics();
    grid->AddColumn("Name", 1500, 0, ColText, {}, {}, 0, false);
    grid->AddColumn("Done", 600, 0, ColCheckBox, {}, {}, 0, false);
    grid->AddColumn("Go", 600, 0, ColPushButton, {}, {}, 0, false);
    grid->AddColumn("Amount", 900, 0, ColNumber, {}, {}, 0, false);
    for (qint32 r = 0; r < RowCount; ++r) {
        const QString name = r < names.size() ? names[r] : QStringLiteral("name %1").arg(r);
        grid->AddItem(name + QStringLiteral("\tFalse\tgo\t%1").arg(r + 1));
    }
    grid->show();
    grid->SetRedraw(true);
    grid->CalcRowMetrics();
    grid->UpdateScrollBars();
    grid->Refresh();
    grid->RowColSet(0, 0);
    return grid;
}

void press(QvGrid& grid, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(&grid, key, modifiers);
}

void type(QvGrid& grid, char letter) { QTest::keyClick(&grid, letter); }

// The events of one gesture, in the order the host heard them: the current-cell ones, the
// key-downs and those of editing, inserting and deleting.
struct EventLog : CurrentCellEvents {
    explicit EventLog(QvGrid& grid) : CurrentCellEvents(grid)
    {
        QObject::connect(&grid, &QvGrid::KeyDown, [this](qint16& code, qint16&) {
            names << QStringLiteral("KeyDown %1").arg(code);
        });
        QObject::connect(&grid, &QvGrid::BeforeInsert, [this](qint32 row, bool&) {
            names << QStringLiteral("BeforeInsert %1").arg(row);
        });
        QObject::connect(&grid, &QvGrid::AfterInsert, [this](qint32 row) {
            names << QStringLiteral("AfterInsert %1").arg(row);
        });
        QObject::connect(&grid, &QvGrid::BeforeDelete, [this](qint32 row, bool&) {
            names << QStringLiteral("BeforeDelete %1").arg(row);
        });
        QObject::connect(&grid, &QvGrid::AfterDelete, [this] { names << "AfterDelete"; });
        QObject::connect(&grid, &QvGrid::BeforeEdit, [this](qint32 row, qint32 col, bool&) {
            names << QStringLiteral("BeforeEdit %1 %2").arg(row).arg(col);
        });
        QObject::connect(&grid, &QvGrid::AfterEdit, [this](qint32 row, qint32 col, QString& text, bool&) {
            names << QStringLiteral("AfterEdit %1 %2 %3").arg(row).arg(col).arg(text);
        });
    }
};

} // namespace

TEST(GridKeyCodes, QtKeysGiveVirtualKeyCodes)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        qint16 code;
    };
    const Case cases[] = {
        {Qt::Key_Return, Qt::NoModifier, 13},   {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Escape, Qt::NoModifier, 27},   {Qt::Key_Space, Qt::NoModifier, 32},
        {Qt::Key_PageUp, Qt::NoModifier, 33},   {Qt::Key_PageDown, Qt::NoModifier, 34},
        {Qt::Key_End, Qt::NoModifier, 35},      {Qt::Key_Home, Qt::NoModifier, 36},
        {Qt::Key_Left, Qt::NoModifier, 37},     {Qt::Key_Up, Qt::NoModifier, 38},
        {Qt::Key_Right, Qt::NoModifier, 39},    {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_Insert, Qt::NoModifier, 45},   {Qt::Key_Delete, Qt::NoModifier, 46},
        {Qt::Key_A, Qt::ControlModifier, 65},   {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_0, Qt::NoModifier, 48},        {Qt::Key_7, Qt::KeypadModifier, 103},
        {Qt::Key_F1, Qt::NoModifier, 112},      {Qt::Key_F2, Qt::NoModifier, 113},
        {Qt::Key_Exclam, Qt::ShiftModifier, 49}, {Qt::Key_Colon, Qt::ShiftModifier, 186},
        {Qt::Key_Minus, Qt::KeypadModifier, 109}, {Qt::Key_Shift, Qt::ShiftModifier, 16},
        {Qt::Key_unknown, Qt::NoModifier, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VirtualKeyFromQt(c.key, c.modifiers), c.code) << std::hex << c.key;

    EXPECT_EQ(ShiftFromModifiers(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(ShiftFromModifiers(Qt::ControlModifier | Qt::KeypadModifier), 2);
}

TEST(GridKeyCodes, KeyAsciiIsTheFirstCharacterTyped)
{
    EXPECT_EQ(KeyAsciiFromQt(Qt::Key_A, Qt::NoModifier, "a"), 'a');
    EXPECT_EQ(KeyAsciiFromQt(Qt::Key_A, Qt::ShiftModifier, "A"), 'A');
    EXPECT_EQ(KeyAsciiFromQt(Qt::Key_E, Qt::NoModifier, QString::fromUtf8("é")), 0xE9);
    EXPECT_EQ(KeyAsciiFromQt(Qt::Key_unknown, Qt::NoModifier, "xy"), 'x');
    // Ctrl with a letter types its control character whatever the event's text.
    EXPECT_EQ(KeyAsciiFromQt(Qt::Key_C, Qt::ControlModifier, "c"), 3);
    EXPECT_EQ(KeyAsciiFromQt(Qt::Key_Return, Qt::NoModifier, ""), 13);
    EXPECT_EQ(KeyAsciiFromQt(Qt::Key_Escape, Qt::NoModifier, ""), 27);
    EXPECT_EQ(KeyAsciiFromQt(Qt::Key_Left, Qt::NoModifier, ""), 0);
    EXPECT_TRUE(IsCharAlphaNumeric('q'));
    EXPECT_TRUE(IsCharAlphaNumeric(0xE9));
    EXPECT_FALSE(IsCharAlphaNumeric('-'));
    EXPECT_FALSE(IsCharAlphaNumeric(3));
}

TEST(GridKeyboard, DownMovesAndSelectsInEventOrder)
{
    auto grid = makeGrid();
    EventLog log(*grid);
    press(*grid, Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), 0);
    EXPECT_EQ(selectedRows(*grid), std::vector<qint32>{1});
    EXPECT_EQ(log.names, QStringList({"SelectionChanged", "RowColChanged", "Scroll", "KeyDown 40"}));

    log.names.clear();
    press(*grid, Qt::Key_Up);
    EXPECT_EQ(grid->Row(), 0);
    EXPECT_EQ(selectedRows(*grid), std::vector<qint32>{0});
    // Up on the first row stays: no new row, no selection change, the host still hears the key.
    log.names.clear();
    press(*grid, Qt::Key_Up);
    EXPECT_EQ(grid->Row(), 0);
    EXPECT_FALSE(log.names.contains("SelectionChanged"));
    EXPECT_TRUE(log.names.contains("KeyDown 38"));
}

TEST(GridKeyboard, ArrowsSkipHiddenAndLockedRows)
{
    auto grid = makeGrid();
    grid->SetRowVisible(1, false);
    grid->SetRowLocked(2, true);
    press(*grid, Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 3);
    press(*grid, Qt::Key_Up);
    EXPECT_EQ(grid->Row(), 0);
}

TEST(GridKeyboard, DownPastTheRowsShownScrolls)
{
    auto grid = makeGrid();
    ASSERT_TRUE(grid->SBGetVisible(1));
    const qint32 last = grid->RowLastVisible();
    ASSERT_GT(last, 2);
    grid->RowColSet(last, 0);
    QSignalSpy scrolled(grid.get(), &QvGrid::Scroll);
    press(*grid, Qt::Key_Down);
    EXPECT_EQ(grid->Row(), last + 1);
    EXPECT_GT(grid->SBGetValue(1), 0);
    EXPECT_EQ(scrolled.count(), 1);
}

TEST(GridKeyboard, ShiftArrowsExtendPerMultiSelect)
{
    struct Case {
        qint32 multiSelect;
        std::vector<qint32> selected;
    };
    const Case cases[] = {{0, {2}}, {1, {0, 1, 2}}, {2, {2}}, {3, {0, 1, 2}}};
    for (const Case& c : cases) {
        auto grid = makeGrid();
        grid->SetMultiSelect(c.multiSelect);
        press(*grid, Qt::Key_Down, Qt::ShiftModifier);
        press(*grid, Qt::Key_Down, Qt::ShiftModifier);
        EXPECT_EQ(grid->Row(), 2) << c.multiSelect;
        EXPECT_EQ(selectedRows(*grid), c.selected) << c.multiSelect;
        EXPECT_EQ(grid->SelectedCount(), qint32(c.selected.size()));
    }
}

TEST(GridKeyboard, CtrlASelectsEveryRowWithItsBit)
{
    for (const qint32 multiSelect : {0, 1, 2, 3}) {
        auto grid = makeGrid();
        grid->SetMultiSelect(multiSelect);
        QSignalSpy changed(grid.get(), &QvGrid::SelectionChanged);
        press(*grid, Qt::Key_A, Qt::ControlModifier);
        const bool all = (multiSelect & 2) != 0;
        EXPECT_EQ(grid->SelectedCount(), all ? RowCount : 1) << multiSelect;
        EXPECT_EQ(changed.count(), all ? 1 : 0) << multiSelect;
        EXPECT_EQ(grid->Row(), 0);
    }
}

TEST(GridKeyboard, ShiftHomeAndShiftEndSelectToTheEnds)
{
    auto grid = makeGrid();
    grid->SetMultiSelect(1);
    grid->RowColSet(5, 0);
    QSignalSpy changed(grid.get(), &QvGrid::SelectionChanged);
    press(*grid, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(grid->Row(), 0);
    EXPECT_EQ(selectedRows(*grid), std::vector<qint32>({0, 1, 2, 3, 4, 5}));
    // Once by the key, once for the first row.
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(grid->SBGetValue(1), 0);

    grid->RowColSet(RowCount - 3, 0);
    press(*grid, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(grid->Row(), RowCount - 1);
    EXPECT_EQ(selectedRows(*grid), std::vector<qint32>({RowCount - 3, RowCount - 2, RowCount - 1}));

    // Without MultiSelect the keys only move.
    grid->SetMultiSelect(0);
    press(*grid, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(selectedRows(*grid), std::vector<qint32>{0});
    press(*grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid->Row(), RowCount - 1);
    EXPECT_EQ(selectedRows(*grid), std::vector<qint32>{RowCount - 1});
}

TEST(GridKeyboard, HomeEndAndArrowsMoveAcrossColumns)
{
    auto grid = makeGrid();
    grid->store().Column(2).Visible = false;
    const auto col = [&grid] { return grid->Col(); };
    press(*grid, Qt::Key_Right);
    EXPECT_EQ(col(), 1);
    press(*grid, Qt::Key_Right);
    EXPECT_EQ(col(), 3);
    press(*grid, Qt::Key_Right);
    EXPECT_EQ(col(), 0);
    press(*grid, Qt::Key_Left);
    EXPECT_EQ(col(), 3);
    press(*grid, Qt::Key_Home);
    EXPECT_EQ(col(), 0);
    press(*grid, Qt::Key_End);
    EXPECT_EQ(col(), 3);
    // Columns move by display position: with the order changed the index follows it.
    grid->store().SetColOrder({3, 0, 1, 2});
    press(*grid, Qt::Key_Home);
    EXPECT_EQ(col(), 3);
    press(*grid, Qt::Key_Right);
    EXPECT_EQ(col(), 0);
    EXPECT_EQ(grid->Row(), 0);
}

TEST(GridKeyboard, PageKeysScrollWithoutMovingTheCurrentRow)
{
    auto grid = makeGrid();
    grid->RowColSet(3, 0);
    const qint32 lastShown = grid->RowLastVisible();
    QSignalSpy moved(grid.get(), &QvGrid::RowColChanged);
    press(*grid, Qt::Key_PageDown);
    EXPECT_EQ(grid->SBGetValue(1), lastShown);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(moved.count(), 0);

    press(*grid, Qt::Key_PageUp);
    EXPECT_EQ(grid->SBGetValue(1), 0);
    EXPECT_EQ(grid->Row(), 3);

    // On the last row PageDown scrolls nothing.
    press(*grid, Qt::Key_End, Qt::ControlModifier);
    const qint32 top = grid->SBGetValue(1);
    press(*grid, Qt::Key_PageDown);
    EXPECT_EQ(grid->SBGetValue(1), top);
    EXPECT_EQ(grid->Row(), RowCount - 1);
}

TEST(GridKeyboard, InsertAddsARowUnlessCancelled)
{
    auto grid = makeGrid();
    grid->SetAllowInsert(true);
    grid->RowColSet(2, 0);
    bool cancel = true;
    QObject::connect(grid.get(), &QvGrid::BeforeInsert, [&cancel](qint32, bool& Cancel) { Cancel = cancel; });
    EventLog log(*grid);

    press(*grid, Qt::Key_Insert);
    EXPECT_EQ(grid->Rows(), RowCount);
    EXPECT_EQ(log.names, QStringList({"BeforeInsert 2", "KeyDown 45"}));

    cancel = false;
    log.names.clear();
    press(*grid, Qt::Key_Insert);
    EXPECT_EQ(grid->Rows(), RowCount + 1);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->CellText(2, 0), "");
    EXPECT_EQ(grid->CellText(3, 0), "name 2");
    EXPECT_TRUE(grid->store().RowAdded(2));
    EXPECT_EQ(selectedRows(*grid), std::vector<qint32>{2});
    EXPECT_TRUE(log.names.contains("AfterInsert 2"));
    EXPECT_EQ(log.names.first(), "BeforeInsert 2");
    EXPECT_EQ(log.names.last(), "KeyDown 45");
}

TEST(GridKeyboard, InsertWithoutACurrentRowInsertsOnTop)
{
    auto grid = makeGrid();
    grid->SetAllowInsert(true);
    grid->SetRow(-1);
    grid->store().SetCurRow(-1);
    press(*grid, Qt::Key_Insert);
    EXPECT_EQ(grid->Rows(), RowCount + 1);
    EXPECT_EQ(grid->CellText(0, 0), "");
    EXPECT_TRUE(grid->RowSelected(0));
    EXPECT_EQ(grid->Row(), -1);
}

TEST(GridKeyboard, DeleteRemovesTheRowWithItsTwoEvents)
{
    auto grid = makeGrid();
    grid->SetAllowDelete(true);
    grid->RowColSet(4, 0);
    bool cancel = true;
    QObject::connect(grid.get(), &QvGrid::BeforeDelete, [&cancel](qint32, bool& Cancel) { Cancel = cancel; });
    EventLog log(*grid);

    press(*grid, Qt::Key_Delete);
    EXPECT_EQ(grid->Rows(), RowCount);
    EXPECT_EQ(log.names, QStringList({"BeforeDelete 4", "KeyDown 46"}));

    cancel = false;
    log.names.clear();
    press(*grid, Qt::Key_Delete);
    EXPECT_EQ(grid->Rows(), RowCount - 1);
    EXPECT_EQ(grid->CellText(4, 0), "name 5");
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(log.names.mid(0, 2), QStringList({"BeforeDelete 4", "AfterDelete"}));

    // Deleting the last row leaves no current row.
    press(*grid, Qt::Key_End, Qt::ControlModifier);
    press(*grid, Qt::Key_Delete);
    EXPECT_EQ(grid->Rows(), RowCount - 2);
    EXPECT_EQ(grid->Row(), -1);

    // Without a current row the key raises nothing.
    log.names.clear();
    press(*grid, Qt::Key_Delete);
    EXPECT_EQ(grid->Rows(), RowCount - 2);
    EXPECT_EQ(log.names, QStringList({"KeyDown 46"}));

    // Without AllowDelete the key does nothing.
    grid->SetAllowDelete(false);
    grid->RowColSet(0, 0);
    press(*grid, Qt::Key_Delete);
    EXPECT_EQ(grid->Rows(), RowCount - 2);
}

TEST(GridKeyboard, DeleteClearsTheCellWithAColumnFocusFrame)
{
    auto grid = makeGrid();
    grid->SetAllowDelete(true);
    grid->SetFocusRectMode(2);
    grid->RowColSet(1, 3);
    const double total = grid->store().Totals().at(3);
    EventLog log(*grid);
    press(*grid, Qt::Key_Delete);
    EXPECT_EQ(grid->Rows(), RowCount);
    EXPECT_EQ(grid->CellText(1, 3), "");
    EXPECT_EQ(grid->store().Totals().at(3), total - 2);
    EXPECT_EQ(log.names.mid(0, 4), QStringList({"BeforeEdit 1 3", "BeforeDelete 1", "AfterEdit 1 3 ", "AfterDelete"}));
    // A host saving changed rows finds it.
    EXPECT_TRUE(grid->CellChanged(1, 3));
    EXPECT_TRUE(grid->store().RowChanged(1));
    EXPECT_TRUE(grid->CellsChanged());

    // A check-box column is not cleared.
    grid->RowColSet(2, 1);
    log.names.clear();
    press(*grid, Qt::Key_Delete);
    EXPECT_EQ(log.names, QStringList({"KeyDown 46"}));
}

TEST(GridKeyboard, SpaceTogglesCheckBoxesAndPressesButtons)
{
    auto grid = makeGrid();
    grid->SetAllowEdit(true);
    grid->RowColSet(3, 1);
    EventLog log(*grid);
    press(*grid, Qt::Key_Space);
    EXPECT_TRUE(grid->CellChecked(3, 1));
    EXPECT_EQ(grid->CellText(3, 1), "True");
    EXPECT_TRUE(grid->store().RowChanged(3));
    EXPECT_EQ(log.names.mid(0, 2), QStringList({"BeforeEdit 3 1", "AfterEdit 3 1 True"}));
    press(*grid, Qt::Key_Space);
    EXPECT_FALSE(grid->CellChecked(3, 1));

    // A refused edit leaves the mark.
    QObject::connect(grid.get(), &QvGrid::BeforeEdit, [](qint32, qint32, bool& Cancel) { Cancel = true; });
    press(*grid, Qt::Key_Space);
    EXPECT_FALSE(grid->CellChecked(3, 1));

    QSignalSpy button(grid.get(), &QvGrid::CellButtonClick);
    grid->RowColSet(4, 2);
    press(*grid, Qt::Key_Space);
    ASSERT_EQ(button.count(), 1);
    EXPECT_EQ(button.at(0).at(0).toInt(), 4);
    EXPECT_EQ(button.at(0).at(1).toInt(), 2);

    // Row check boxes come first and keep the selection.
    grid->SetRowCheckBoxes(true);
    QSignalSpy rowChecked(grid.get(), &QvGrid::RowCheckChanged);
    press(*grid, Qt::Key_Space);
    EXPECT_TRUE(grid->RowChecked(4));
    ASSERT_EQ(rowChecked.count(), 1);
    EXPECT_EQ(rowChecked.at(0).at(0).toInt(), 4);
    EXPECT_EQ(button.count(), 1);
    EXPECT_EQ(selectedRows(*grid), std::vector<qint32>{4});
}

TEST(GridKeyboard, SpaceUnderTheHandClicksTheCellUnderTheMouse)
{
    auto grid = makeGrid();
    grid->SetCellHandPointer(5, 0, true);
    grid->RowColSet(1, 3);
    QRect first;
    grid->GetColRect(0, first);
    const QPoint point(first.left() + 5, grid->GetRowTop(5) + 3);
    sendMouse(*grid, QEvent::MouseMove, point, Qt::NoButton, Qt::NoButton);
    ASSERT_TRUE(grid->MousePointerIsCustom());

    QList<qint32> clicked;
    QObject::connect(grid.get(), &QvGrid::CellHandClick, [&clicked](qint32 Row, qint32 Col, qint16&) {
        clicked << Row << Col;
    });
    press(*grid, Qt::Key_Space);
    EXPECT_EQ(clicked, QList<qint32>({5, 0}));
    EXPECT_EQ(grid->Row(), 1);
}

TEST(GridKeyboard, TypeAheadJoinsLettersTypedWithinASecond)
{
    QStringList names;
    for (const char* name : {"apple", "banana", "berry", "blueberry", "cherry"})
        names << name;
    auto grid = makeGrid(names);
    qint64 now = 10000;
    grid->SetTickSource([&now] { return now; });
    grid->SetSearchColumn(0);
    grid->SetAllowEdit(false);

    type(*grid, 'b');
    EXPECT_EQ(grid->Row(), 1);
    now += 400;
    type(*grid, 'l');
    EXPECT_EQ(grid->Row(), 3);
    // The found row becomes current without being selected.
    EXPECT_FALSE(grid->RowSelected(3));
    now += 1000;
    type(*grid, 'b');
    EXPECT_EQ(grid->Row(), 1);
    now += 999;
    type(*grid, 'e');
    EXPECT_EQ(grid->Row(), 2);

    // A second later a new search text starts.
    now += 1000;
    type(*grid, 'c');
    EXPECT_EQ(grid->Row(), 4);
    now += 1000;
    type(*grid, 'z');
    EXPECT_EQ(grid->Row(), 4);
}

TEST(GridKeyboard, TypeAheadFindsNothingInABadColumnOrWhileAClipboardKeyIsDown)
{
    auto grid = makeGrid({"apple", "banana"});
    qint64 now = 5000;
    grid->SetTickSource([&now] { return now; });
    grid->SetSearchColumn(9);
    type(*grid, 'b');
    EXPECT_EQ(grid->Row(), 0);

    grid->SetSearchColumn(0);
    QTest::keyPress(grid.get(), Qt::Key_C, Qt::ControlModifier);
    now += 2000;
    type(*grid, 'b');
    EXPECT_EQ(grid->Row(), 0);
    QTest::keyRelease(grid.get(), Qt::Key_C, Qt::ControlModifier);
    now += 2000;
    type(*grid, 'b');
    EXPECT_EQ(grid->Row(), 1);
}

TEST(GridKeyboard, HostEventsReceiveTheIncomingKeys)
{
    auto grid = makeGrid();
    QList<qint16> codes;
    // The modifier keys of the gestures are heard too; left out here.
    const auto isModifier = [](qint16 KeyCode) { return KeyCode >= 16 && KeyCode <= 18; };
    QObject::connect(grid.get(), &QvGrid::KeyDown, [&](qint16& KeyCode, qint16& Shift) {
        if (!isModifier(KeyCode))
            codes << KeyCode << Shift;
        KeyCode = 0;
    });
    QList<qint16> typed;
    QObject::connect(grid.get(), &QvGrid::KeyPress, [&typed](qint16& KeyAscii) { typed << KeyAscii; });
    QList<qint16> released;
    QObject::connect(grid.get(), &QvGrid::KeyUp, [&](qint16& KeyCode, qint16& Shift) {
        if (!isModifier(KeyCode))
            released << KeyCode << Shift;
    });

    // A consumed key: the host hears the code as it came in, and zeroing it changes nothing.
    press(*grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(codes, QList<qint16>({40, 1}));
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(released, QList<qint16>({40, 1}));

    codes.clear();
    grid->SetSearchColumn(0);
    type(*grid, 'x');
    EXPECT_EQ(codes, QList<qint16>({88, 0}));
    EXPECT_EQ(typed, QList<qint16>{'x'});

    // Enter is swallowed by default.
    typed.clear();
    grid->SetEditTrigger(2);
    press(*grid, Qt::Key_Return);
    EXPECT_TRUE(typed.isEmpty());
    grid->SetEditTrigger(0);
    press(*grid, Qt::Key_Return);
    EXPECT_EQ(typed, QList<qint16>{13});
}

TEST(GridKeyboard, TypingOpensTheEditorWithThatCharacter)
{
    auto grid = makeGrid();
    grid->SetAllowEdit(true);
    grid->RowColSet(2, 0);
    type(*grid, 'q');
    ASSERT_TRUE(grid->EditPending());
    // Escape discards: the cell keeps its text.
    press(*grid, Qt::Key_Escape);
    EXPECT_FALSE(grid->EditPending());
    EXPECT_EQ(grid->CellText(2, 0), "name 2");

    // A control character opens nothing.
    press(*grid, Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(grid->EditPending());
}
