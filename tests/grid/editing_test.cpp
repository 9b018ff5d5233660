// In-cell editing: opening the editor by key and by call, its filters and case forcing, the
// commit with its events, changed marks, totals and the move after it, and bound controls.

#include "grid/GridInputFilter.h"
#include "grid/QvGrid.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace grid;

namespace {

// Columns Name (text), Qty (number, digits only), Code (forced upper case), Done (check box),
// Note (text); three rows; editing on, painting on, the current cell at row 0, column Name.
std::unique_ptr<QvGrid> editGrid()
{
    auto grid = std::make_unique<QvGrid>();
    grid->resize(600, 300);
    grid->CalcRowMetrics();
    grid->AddColumn("Name", 1500, 0, ColText, {}, {}, 0, false);
    grid->AddColumn("Qty", 1500, 2, ColNumber, {}, "0123456789", 0, false);
    grid->AddColumn("Code", 1500, 0, ColText, {}, ">", 0, false);
    grid->AddColumn("Done", 1500, 0, ColCheckBox, {}, {}, 0, false);
    grid->AddColumn("Note", 1500, 0, ColText, {}, {}, 0, false);
    grid->AddItem("apple\t5\tab\tFalse\tx");
    grid->AddItem("pear\t7\tcd\tTrue\ty");
    grid->AddItem("plum\t9\tef\tFalse\tz");
    grid->SetAllowEdit(true);
    grid->SetRedraw(true);
    grid->show();
    grid->RowColSet(0, 0);
    return grid;
}

// Counts a grid's AfterEdit events (their by-reference arguments rule out QSignalSpy).
struct AfterEditCounter {
    explicit AfterEditCounter(QvGrid& grid)
    {
        QObject::connect(&grid, &QvGrid::AfterEdit, [this](qint32, qint32, QString&, bool&) { ++count; });
    }
    qint32 count = 0;
};

QLineEdit* editorOf(QvGrid& grid) { return grid.viewport()->findChild<QLineEdit*>(); }

// Opens the editor on (Row, Col) as F2 would, with its text replaced by Text.
QLineEdit* typeInto(QvGrid& grid, qint32 Row, qint32 Col, const QString& Text)
{
    grid.ForceCellEdit(Row, Col, true);
    QLineEdit* editor = editorOf(grid);
    QTest::keyClicks(editor, Text);
    return editor;
}

} // namespace

TEST(InputFilterRules, KeysPassAsTheFilterSays)
{
    struct Case { const char* filter; char key; qint16 expected; };
    const Case cases[] = {
        {"", 'a', 'a'},         {"<", 'A', 'A'},        {">", 'a', 'a'},
        {"0123456789", '5', '5'}, {"0123456789", 'a', 0}, {"0123456789", '.', '.'},
        {"0123456789", '\b', '\b'}, {"abc", 'A', 0},    {"<>", '<', '<'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FilterEditKey(QString::fromLatin1(c.filter), c.key), c.expected) << c.filter << " " << c.key;
    EXPECT_EQ(CaseForcingOf(">"), CaseForcing::Upper);
    EXPECT_EQ(CaseForcingOf("<"), CaseForcing::Lower);
    EXPECT_EQ(CaseForcingOf("<>"), CaseForcing::None);
}

TEST(CellEditor, F2OpensOverTheCellWithTheTextSelected)
{
    auto grid = editGrid();
    QTest::keyClick(grid.get(), Qt::Key_F2);
    QLineEdit* editor = editorOf(*grid);
    ASSERT_TRUE(grid->EditPending());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), "apple");
    EXPECT_EQ(editor->selectedText(), "apple");
    QRect column;
    grid->GetColRect(0, column);
    const qint32 line = grid->GridLineWidth();
    const QRect expected(column.left() + line, grid->GetRowTop(0) + line, column.right() + 1 - column.left() - line,
                         grid->store().RowAt(0).Height - line);
    EXPECT_EQ(editor->geometry(), expected);
}

TEST(CellEditor, TypingOpensWithThatCharacter)
{
    auto grid = editGrid();
    QTest::keyClick(grid.get(), Qt::Key_Q, Qt::NoModifier);
    QLineEdit* editor = editorOf(*grid);
    ASSERT_TRUE(grid->EditPending());
    EXPECT_EQ(editor->text(), "q");
    EXPECT_EQ(editor->cursorPosition(), 1);
    EXPECT_FALSE(editor->hasSelectedText());
}

TEST(CellEditor, EnterCommitsAndMarksCellRowAndGrid)
{
    auto grid = editGrid();
    QList<QPoint> edited;
    QObject::connect(grid.get(), &QvGrid::AfterEdit,
                     [&](qint32 Row, qint32 Col, QString&, bool&) { edited << QPoint(Col, Row); });
    QLineEdit* editor = typeInto(*grid, 1, 1, "12");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(grid->EditPending());
    EXPECT_TRUE(editor->isHidden());
    EXPECT_EQ(edited, QList<QPoint>{QPoint(1, 1)});
    EXPECT_EQ(grid->CellText(1, 1), "12");
    EXPECT_TRUE(grid->CellChanged(1, 1));
    EXPECT_TRUE(grid->store().RowChanged(1));
    EXPECT_TRUE(grid->CellsChanged());
    EXPECT_DOUBLE_EQ(grid->store().Totals()[1], 5 + 12 + 9);
}

TEST(CellEditor, AfterEditMayRefuseOrRewriteTheText)
{
    auto grid = editGrid();
    bool refuse = true;
    QObject::connect(grid.get(), &QvGrid::AfterEdit, [&](qint32, qint32, QString& Text, bool& Cancel) {
        Cancel = refuse;
        Text += "!";
    });
    QLineEdit* editor = typeInto(*grid, 0, 0, "fig");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(grid->EditPending());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(grid->CellText(0, 0), "apple");
    EXPECT_FALSE(grid->CellsChanged());
    refuse = false;
    EXPECT_TRUE(grid->UpdateCell(false));
    EXPECT_EQ(grid->CellText(0, 0), "fig!");
}

TEST(CellEditor, CommitStoresOnlyWhatChanged)
{
    auto grid = editGrid();
    const AfterEditCounter after(*grid);
    grid->ForceCellEdit(0, 1, false);
    EXPECT_TRUE(grid->UpdateCell(false));
    EXPECT_FALSE(grid->EditPending());
    EXPECT_EQ(after.count, 0) << "unchanged text";
    EXPECT_FALSE(grid->CellsChanged());
    typeInto(*grid, 0, 0, "   ");
    grid->UpdateCell(false);
    EXPECT_EQ(grid->CellText(0, 0), "");
    typeInto(*grid, 0, 4, " a b ");
    grid->UpdateCell(false);
    EXPECT_EQ(grid->CellText(0, 4), " a b ");
}

TEST(CellEditor, EscapeDiscardsTheEdit)
{
    auto grid = editGrid();
    const AfterEditCounter after(*grid);
    QLineEdit* editor = typeInto(*grid, 0, 0, "fig");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(grid->EditPending());
    EXPECT_TRUE(editor->isHidden());
    EXPECT_EQ(grid->CellText(0, 0), "apple");
    EXPECT_EQ(after.count, 0);
}

TEST(CellEditor, InputFilterRefusesKeysAndTheHostMayChangeThem)
{
    auto grid = editGrid();
    QList<qint16> seen;
    QObject::connect(grid.get(), &QvGrid::EditKeyPress, [&](qint32, qint16& KeyAscii) {
        seen << KeyAscii;
        if (KeyAscii == '3')
            KeyAscii = '4';
    });
    QLineEdit* editor = typeInto(*grid, 0, 1, "1a.23");
    EXPECT_EQ(editor->text(), "1.24");
    EXPECT_EQ(seen, (QList<qint16>{'1', 0, '.', '2', '3'}));
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(editor->text(), "1.2");
}

TEST(CellEditor, TypedKeysReachTheGridOnce)
{
    auto grid = editGrid();
    qint32 presses = 0;
    QObject::connect(grid.get(), &QvGrid::KeyPress, [&](qint16&) { ++presses; });
    QLineEdit* editor = typeInto(*grid, 0, 0, "ab");
    EXPECT_EQ(presses, 2);
    QTest::mouseDClick(editor, Qt::LeftButton);
    EXPECT_FALSE(grid->EditPending()) << "a double-click in the editor commits";
    EXPECT_EQ(grid->CellText(0, 0), "ab");
}

TEST(CellEditor, CaseForcingLastsForItsColumnOnly)
{
    auto grid = editGrid();
    QLineEdit* editor = typeInto(*grid, 0, 2, "mixEd");
    EXPECT_EQ(editor->text(), "MIXED");
    grid->UpdateCell(false);
    EXPECT_EQ(grid->CellText(0, 2), "MIXED");
    EXPECT_EQ(typeInto(*grid, 0, 4, "small")->text(), "small");
}

TEST(CellEditor, EditMoveAfterEnter)
{
    struct Case { qint32 move; qint32 row; qint32 col; qint32 expectedRow; qint32 expectedCol; };
    // Columns 3 and 4 are locked below, so a move right from column 2 wraps.
    const Case cases[] = {
        {0, 1, 0, 1, 0}, {1, 1, 0, 1, 1}, {1, 1, 2, 1, 0}, {2, 1, 0, 2, 0}, {2, 2, 0, 2, 0},
    };
    for (const Case& c : cases) {
        auto grid = editGrid();
        grid->store().Column(3).Locked = true;
        grid->store().Column(4).Locked = true;
        grid->SetEditMove(c.move);
        QLineEdit* editor = typeInto(*grid, c.row, c.col, "9");
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_EQ(grid->Row(), c.expectedRow) << "move " << c.move << " from " << c.row << "," << c.col;
        EXPECT_EQ(grid->Col(), c.expectedCol) << "move " << c.move << " from " << c.row << "," << c.col;
        EXPECT_TRUE(grid->RowSelected(c.expectedRow));
    }
}

TEST(CellEditor, OpensOnlyWhereEditingIsPossible)
{
    auto grid = editGrid();
    qint32 before = 0;
    QObject::connect(grid.get(), &QvGrid::BeforeEdit, [&](qint32 Row, qint32, bool& Cancel) {
        ++before;
        Cancel = Row == 2;
    });
    grid->ForceCellEdit(0, 3, false);
    EXPECT_FALSE(grid->EditPending()) << "check-box column";
    QTest::keyClick(grid.get(), Qt::Key_X);
    EXPECT_FALSE(grid->EditPending()) << "typing on a check-box column";
    EXPECT_EQ(before, 0);

    grid->ForceCellEdit(2, 0, false);
    EXPECT_FALSE(grid->EditPending()) << "refused by the host";

    grid->SetRowLocked(1, true);
    QTest::keyClick(grid.get(), Qt::Key_F2);
    EXPECT_FALSE(grid->EditPending()) << "F2 with no current column";
    grid->RowColSet(1, 0);
    QTest::keyClick(grid.get(), Qt::Key_F2);
    EXPECT_TRUE(grid->EditPending()) << "F2 on a locked row";

    QvGrid empty;
    empty.AddColumn("A", 1500, 0, ColText, {}, {}, 0, false);
    empty.ForceCellEdit(0, 0, false);
    EXPECT_FALSE(empty.EditPending());
}

TEST(CellEditor, ForceCellEditWorksWithEditingOff)
{
    auto grid = editGrid();
    grid->SetAllowEdit(false);
    grid->ForceCellEdit(1, 4, true);
    ASSERT_TRUE(grid->EditPending());
    EXPECT_EQ(editorOf(*grid)->text(), "");
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_FALSE(grid->AllowEdit());
}

TEST(CellEditor, TakesTheCellsLookAndAlignment)
{
    auto grid = editGrid();
    grid->SetBackColorEdit(RGB(255, 255, 0));
    grid->SetCellFontBold(0, 1, true);
    grid->ForceCellEdit(0, 1, false);
    QLineEdit* editor = editorOf(*grid);
    EXPECT_EQ(editor->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_TRUE(editor->font().bold());
    EXPECT_EQ(editor->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    grid->UpdateCell(false);
    grid->ForceCellEdit(0, 0, false);
    EXPECT_FALSE(editor->font().bold());
    EXPECT_EQ(editor->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST(CellEditor, ProgressValueSurvivesAnEdit)
{
    QvGrid grid;
    grid.AddColumn("Done", 1500, 0, ColProgressBar, {}, {}, 0, false);
    grid.AddItem("half");
    grid.SetCellProgressValue(0, 0, 50);
    typeInto(grid, 0, 0, "most");
    grid.UpdateCell(false);
    EXPECT_EQ(grid.CellText(0, 0), "most");
    EXPECT_EQ(grid.CellProgressValue(0, 0), 50);
    EXPECT_TRUE(grid.store().RowChanged(0));
    EXPECT_TRUE(grid.CellsChanged());
}

TEST(BoundControl, IsLentPlacedAndAnsweredThroughAfterEdit)
{
    QWidget form;
    QWidget frame(&form);
    QLineEdit bound(&frame);
    auto* grid = new QvGrid(&form);
    grid->setGeometry(10, 20, 500, 200);
    grid->CalcRowMetrics();
    grid->AddColumn("Name", 1500, 0, ColText, {}, {}, 0, false);
    grid->AddColumn("City", 1500, 0, ColText, {}, {}, 0, false);
    grid->AddItem("apple\tRome");
    grid->SetAllowEdit(true);
    grid->BindControl(1, &bound, 1 | 2 | 4 | 8);
    form.show();
    QObject::connect(grid, &QvGrid::AfterEdit, [&](qint32, qint32, QString& Text, bool&) {
        EXPECT_EQ(Text, "");
        Text = bound.text();
    });

    grid->ForceCellEdit(0, 1, false);
    ASSERT_TRUE(grid->EditPending());
    EXPECT_EQ(bound.parentWidget(), &form);
    EXPECT_TRUE(bound.isVisible());
    QRect column;
    grid->GetColRect(1, column);
    const qint32 line = grid->GridLineWidth();
    const QPoint topLeft = grid->viewport()->mapTo(&form, QPoint(column.left() + line, grid->GetRowTop(0) + line));
    EXPECT_EQ(bound.geometry(), QRect(topLeft, QSize(column.right() + 1 - column.left() - line,
                                                     grid->store().RowAt(0).Height - line)));
    bound.setText("Oslo");
    EXPECT_TRUE(grid->UpdateCell(false));
    EXPECT_EQ(grid->CellText(0, 1), "Oslo");
    EXPECT_EQ(bound.parentWidget(), &frame);
    EXPECT_TRUE(bound.isHidden());
}

TEST(BoundControl, ComboBoxSitsOnTheRowTop)
{
    QComboBox combo;
    QvGrid grid;
    grid.CalcRowMetrics();
    grid.AddColumn("City", 1500, 0, ColText, {}, {}, 0, false);
    grid.AddItem("Rome");
    grid.BindControl(0, &combo, 8 | 1);
    grid.show();
    grid.ForceCellEdit(0, 0, false);
    const QPoint top = grid.viewport()->mapToGlobal(QPoint(0, grid.GetRowTop(0)));
    EXPECT_EQ(combo.geometry().top(), top.y());
    EXPECT_EQ(combo.height(), grid.store().RowAt(0).Height - 2 * grid.GridLineWidth());
    grid.UpdateCell(false);
    EXPECT_EQ(grid.CellText(0, 0), "") << "a host that does not answer clears the cell";
}

TEST(CellEditor, IndentedFirstColumnIsNotInset)
{
    auto grid = editGrid();
    grid->SetRowCheckBoxes(true);
    grid->CalcRowMetrics();
    QRect first;
    QRect second;
    grid->GetColRect(0, first);
    grid->GetColRect(1, second);
    grid->ForceCellEdit(0, 0, false);
    EXPECT_EQ(editorOf(*grid)->x(), first.left());
    grid->ForceCellEdit(0, 1, false);
    EXPECT_EQ(editorOf(*grid)->x(), second.left() + grid->GridLineWidth());
}

TEST(CellEditor, ACommitThatGrowsAWrappedRowUpdatesTheScrollBars)
{
    auto grid = std::make_unique<QvGrid>();
    grid->resize(400, 200);
    grid->SetAllowWordWrap(true);
    grid->AddColumn("Note", 1500, 0, ColText, {}, {}, 0, true);
    grid->AddItem("short");
    grid->AddItem("short");
    grid->SetAllowEdit(true);
    grid->SetRedraw(true);
    grid->show();
    grid->RowColSet(0, 0);
    ASSERT_FALSE(grid->SBGetVisible(1));

    QLineEdit* editor = typeInto(*grid, 0, 0, QStringLiteral("many words ").repeated(40));
    QTest::keyClick(editor, Qt::Key_Return);

    EXPECT_GT(grid->RowHeight(0), 200);
    EXPECT_TRUE(grid->SBGetVisible(1));
}
