// The dummy POD window: its start, the dates kept inside the month database's month, the date
// order and the origin list, the keys of every field, the statements the fields choose, and
// the grid of three rows per record with a separator row.

#include "support/GridText.h"
#include "support/WindowFixture.h"

#include "invoice/frmPendPODQry.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using invoice::frmPendPODQry;
using testsupport::WindowFixture;
using testsupport::itemsOf;
using testsupport::rowText;

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");

class DummyPodWindow : public WindowFixture<frmPendPODQry> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        core::gstrCompanyName = "Orvane Couriers";
        openMonth(kMonth);
        ui::WindowHost::showModal(&window());
        window().activateWindow(); // focus events reach the controls
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    // A dummy POD; the address lines, weight, pieces and creation are SQL values.
    void dummyPod(const QString& podDate, const QString& origin, qint64 number, const QString& addresses,
                  const QString& rest = "2.5, 3, 'ZEL', '2026-06-05 10:30:00'")
    {
        execute(kMonth, QStringLiteral("INSERT INTO DummyPod (PodDate, Origin, ConsignmentNo, FromAddress1, FromAddress2, "
                                       "FromAddress3, ToAddress1, ToAddress2, ToAddress3, Weight, NoofPcs, BranchCode, "
                                       "CreateDate) VALUES ('%1', %2, %3, %4, %5)")
                            .arg(podDate, origin)
                            .arg(number)
                            .arg(addresses, rest));
    }

    // The range of the window's pickers, as the user leaves it.
    void range(const QDate& from, const QDate& to)
    {
        window().dtpFromDate->setValue(from);
        window().dtpToDate->setValue(to);
    }
    static void press(QWidget* control, Qt::Key key) { QTest::keyClick(control, key); }
    void clickShow()
    {
        window().cmdShow->setEnabled(true);
        window().cmdShow->click();
    }
};

TEST_F(DummyPodWindow, OpensWithTodayInTheMonthShowDisabledAndNoGrid)
{
    frmPendPODQry& w = window();
    EXPECT_EQ(w.windowTitle(), "Dummy POD Query.");
    EXPECT_EQ(w.lblTitle->text(), "DUMMY POD REPORT");
    EXPECT_EQ(w.dtpFromDate->value().date(), QDate(2026, 6, 15));
    EXPECT_EQ(w.dtpToDate->text(), "15-Jun-2026");
    EXPECT_FALSE(w.cmdShow->isEnabled());
    EXPECT_TRUE(w.cmdExit->isEnabled());
    EXPECT_FALSE(w.msgGrid->isVisibleTo(&w));
    EXPECT_FALSE(w.lblEscape->isVisibleTo(&w));
    EXPECT_EQ(w.focusWidget(), w.dtpFromDate);
    EXPECT_EQ(w.lblEscape->text(), "Esc - Cancel");

    // whenever a picker gets the focus its date moves into the database month
    core::gstrMonthDB = "ZELMAY26";
    w.txtConsignNo->setFocus();
    w.dtpFromDate->setFocus();
    EXPECT_EQ(w.dtpFromDate->value().date(), QDate(2026, 5, 15));
    w.dtpToDate->setFocus();
    EXPECT_EQ(w.dtpToDate->value().date(), QDate(2026, 5, 15));
}

TEST_F(DummyPodWindow, EnterMovesADateOfAnotherMonthIntoTheDatabaseMonthCappingTheDay)
{
    struct Case {
        const char* monthDb;
        QDate picked;
        QDate movedTo;
    };
    const Case cases[] = {
        {"ZELJUN26", QDate(2026, 5, 31), QDate(2026, 6, 30)}, // 31 June does not exist
        {"ZELJUN26", QDate(2026, 7, 15), QDate(2026, 6, 15)},
        {"ZELJUN26", QDate(2025, 6, 9), QDate(2026, 6, 9)},   // same month of another year
        {"ZELFEB26", QDate(2026, 3, 30), QDate(2026, 2, 28)},
        {"ZELFEB28", QDate(2028, 1, 29), QDate(2028, 2, 28)}, // February is capped at 28, leap year or not
        {"ZELAPR26", QDate(2026, 3, 31), QDate(2026, 4, 30)},
        {"ZELMAR26", QDate(2026, 1, 31), QDate(2026, 3, 31)},
    };
    frmPendPODQry& w = window();
    for (const Case& c : cases) {
        core::gstrMonthDB = c.monthDb;
        for (ui::DatePicker* picker : {w.dtpFromDate, w.dtpToDate}) {
            range(c.picked, c.picked);
            picker->setFocus();
            picker->setValue(c.picked);
            press(picker, Qt::Key_Return);
            EXPECT_EQ(picker->value().date(), c.movedTo) << c.monthDb << ' ' << picker->objectName().toStdString();
            EXPECT_EQ(w.focusWidget(), picker) << c.monthDb;
        }
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());

    // once inside the month, Enter moves on
    core::gstrMonthDB = kMonth;
    w.dtpFromDate->setFocus();
    w.dtpFromDate->setValue(QDate(2026, 6, 3));
    press(w.dtpFromDate, Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), w.dtpToDate);
    EXPECT_EQ(w.dtpFromDate->value().date(), QDate(2026, 6, 3));
}

TEST_F(DummyPodWindow, ToDateBeforeFromDateIsRefusedAndTheOriginListKept)
{
    frmPendPODQry& w = window();
    w.cboOrigin->addItem("KEPT");
    range(QDate(2026, 6, 10), QDate(2026, 6, 9));
    w.dtpToDate->setFocus();
    db::StatementCapture capture;
    press(w.dtpToDate, Qt::Key_Return);

    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    const ui::ShownMessage message = ui::MessageBoxSeam::shown()[0];
    EXPECT_EQ(message.prompt, "To Date Should be Equal to or Greater than From Date");
    EXPECT_EQ(message.title, "Orvane Couriers");
    EXPECT_EQ(message.icon(), ui::vbInformation);
    EXPECT_EQ(w.focusWidget(), w.dtpToDate);
    EXPECT_EQ(itemsOf(w.cboOrigin), QStringList({"KEPT"}));
    EXPECT_TRUE(capture.statements().isEmpty());
}

TEST_F(DummyPodWindow, TheOriginListStartsEmptyThenTheRangesOriginsInOrder)
{
    const QString addresses = "'A', NULL, NULL, 'B', NULL, NULL";
    dummyPod("2026-06-10", "'OKM'", 11, addresses);
    dummyPod("2026-06-10", "'BRV'", 12, addresses);
    dummyPod("2026-06-10", "'OKM'", 13, addresses);
    dummyPod("2026-06-10", "NULL", 14, addresses);
    dummyPod("2026-06-11", "'AAA'", 15, addresses); // after the range
    frmPendPODQry& w = window();
    w.cboOrigin->addItem("OLD");
    range(QDate(2026, 6, 10), QDate(2026, 6, 10)); // equal dates pass
    w.dtpToDate->setFocus();
    db::StatementCapture capture;
    press(w.dtpToDate, Qt::Key_Return);

    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(capture.statements(), QStringList{invoice::originsStatement(QDate(2026, 6, 10), QDate(2026, 6, 10))});
    EXPECT_EQ(itemsOf(w.cboOrigin), QStringList({"", "BRV", "OKM"}));
    EXPECT_EQ(w.focusWidget(), w.txtConsignNo);
    EXPECT_EQ(w.mRecordset.state(), db::ObjectState::Closed);
}

TEST_F(DummyPodWindow, EscInAnyFieldGoesToExitAndLeavesTheWindowOpen)
{
    frmPendPODQry& w = window();
    for (QWidget* field : std::initializer_list<QWidget*>{w.dtpFromDate, w.dtpToDate, w.txtConsignNo, w.cboOrigin,
                                                          w.txtToAddress}) {
        field->setFocus();
        press(field, Qt::Key_Escape);
        EXPECT_EQ(w.focusWidget(), w.cmdExit) << field->objectName().toStdString();
        EXPECT_TRUE(ui::DefaultInstance<frmPendPODQry>::loaded());
        EXPECT_TRUE(w.isVisible());
    }
    w.cmdExit->click();
    EXPECT_FALSE(ui::DefaultInstance<frmPendPODQry>::loaded());
}

TEST_F(DummyPodWindow, TheFieldsLeadOnByEnterAndBackByPageUp)
{
    frmPendPODQry& w = window();
    range(QDate(2026, 6, 4), QDate(2026, 6, 8));
    w.dtpFromDate->setFocus();
    press(w.dtpFromDate, Qt::Key_PageUp);
    EXPECT_EQ(w.focusWidget(), w.dtpFromDate);
    EXPECT_EQ(w.dtpFromDate->value().date(), QDate(2026, 6, 4)); // the picker does not page either
    press(w.dtpFromDate, Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), w.dtpToDate);
    press(w.dtpToDate, Qt::Key_PageUp);
    EXPECT_EQ(w.focusWidget(), w.dtpFromDate);
    EXPECT_EQ(w.dtpToDate->value().date(), QDate(2026, 6, 8));

    w.dtpToDate->setFocus();
    press(w.dtpToDate, Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), w.txtConsignNo);
    press(w.txtConsignNo, Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), w.cboOrigin);
    press(w.cboOrigin, Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), w.txtToAddress);
    EXPECT_FALSE(w.cmdShow->isEnabled()); // Show waits for Enter in the to-address box
    press(w.txtToAddress, Qt::Key_Return);
    EXPECT_TRUE(w.cmdShow->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.cmdShow);
}

TEST_F(DummyPodWindow, TypedCharactersAreFiltered)
{
    frmPendPODQry& w = window();
    QTest::keyClicks(w.txtConsignNo, "12ab.,/-+:~3 4");
    EXPECT_EQ(w.txtConsignNo->text(), "123 4");
    QTest::keyClicks(w.txtToAddress, "o'hara st 5%");
    EXPECT_EQ(w.txtToAddress->text(), "OHARA ST 5%");
}

TEST_F(DummyPodWindow, ShowRunsTheStatementOfTheFieldsAsTyped)
{
    const invoice::DummyPodFilter cases[] = {
        {QDate(2026, 6, 2), QDate(2026, 6, 12), "", "", ""},
        {QDate(2026, 6, 2), QDate(2026, 6, 12), "  OKM ", " 00123 ", " RAM "},
        {QDate(2026, 6, 2), QDate(2026, 6, 12), "O'R", "77", "O'NEIL"},
    };
    frmPendPODQry& w = window();
    range(QDate(2026, 6, 2), QDate(2026, 6, 12));
    for (const invoice::DummyPodFilter& c : cases) {
        w.cboOrigin->setEditText(c.origin);
        w.txtConsignNo->setText(c.consignNo);
        w.txtToAddress->setText(c.toAddress);
        db::StatementCapture capture;
        clickShow();
        EXPECT_EQ(capture.statements(), QStringList{invoice::dummyPodStatement(c)});
    }
    // an apostrophe breaks nothing: each Show ran and found nothing
    EXPECT_EQ(ui::MessageBoxSeam::shown().size(), std::size(cases));
    for (const ui::ShownMessage& m : ui::MessageBoxSeam::shown())
        EXPECT_EQ(m.prompt, "Records Not Found");
}

TEST_F(DummyPodWindow, OneRecordTakesThreeRowsMergedOverTheFirstFourColumns)
{
    dummyPod("2026-06-05", "'OKM'", 501, "'R DEVI', NULL, NULL, 'K RAMAN', NULL, NULL");
    frmPendPODQry& w = window();
    range(QDate(2026, 6, 1), QDate(2026, 6, 30));
    clickShow();

    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    ui::FlexGrid* g = w.msgGrid;
    EXPECT_TRUE(g->isVisibleTo(&w));
    EXPECT_TRUE(w.lblEscape->isVisibleTo(&w));
    EXPECT_EQ(w.focusWidget(), g);
    EXPECT_EQ(rowText(g, 0), "Sl.No|Date|Origin|Consign No|From Address|To Address|Weight|NoPcs|Branch|CreateDate");
    ASSERT_EQ(g->rows(), 6);
    EXPECT_EQ(rowText(g, 1), "1|05-06-26|OKM|501|R DEVI|K RAMAN|2.5|3|ZEL|2026-06-05 10:30:00");
    EXPECT_EQ(rowText(g, 2), "1|05-06-26|OKM|501|||2.5|3|ZEL|2026-06-05 10:30:00");
    EXPECT_EQ(rowText(g, 3), "1|05-06-26|OKM|501|||2.5|3|ZEL|2026-06-05 10:30:00");
    EXPECT_EQ(rowText(g, 4), "|||||||||");
    EXPECT_EQ(rowText(g, 5), "|||||||||");

    const int widths[] = {800, 1000, 1400, 1400, 3300, 3300, 1000, 900, 1300, 2300};
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(g->colWidth(c), widths[c]) << c;
        EXPECT_EQ(g->mergeCol(c), c < 4) << c;
    }
    EXPECT_EQ(g->mergeCells(), ui::flexMergeFree);
    EXPECT_EQ(g->colAlignment(0), ui::flexAlignCenterCenter);
    EXPECT_EQ(g->colAlignment(5), ui::flexAlignLeftCenter);
    EXPECT_TRUE(g->font().bold());
    EXPECT_EQ(g->fixedRows(), 1);
    EXPECT_EQ(g->fixedCols(), 0);
    QCoreApplication::processEvents(); // the merge is laid out after the fill
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(g->rowSpan(0, c), 3) << c; // model row 0 is grid row 1
    EXPECT_EQ(g->rowSpan(0, 6), 1);
    EXPECT_EQ(w.mRecordset.state(), db::ObjectState::Closed);

    // Enter or Esc in the grid hides it and the hint
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        g->show();
        w.lblEscape->show();
        g->setFocus();
        press(g, key);
        EXPECT_FALSE(g->isVisibleTo(&w));
        EXPECT_FALSE(w.lblEscape->isVisibleTo(&w));
    }
}

TEST_F(DummyPodWindow, TwoRecordsAreSeparatedByAnEmptyRowAndNumberedInTurn)
{
    dummyPod("2026-06-05", "'OKM'", 501, "'F1', 'F2', 'F3', 'T1', 'T2', 'T3'", "NULL, NULL, NULL, NULL");
    dummyPod("2026-06-06", "'OKM'", 502, "'G1', NULL, NULL, 'U1', 'U2', NULL");
    frmPendPODQry& w = window();
    range(QDate(2026, 6, 5), QDate(2026, 6, 6));
    clickShow();

    ui::FlexGrid* g = w.msgGrid;
    ASSERT_EQ(g->rows(), 10);
    EXPECT_EQ(rowText(g, 1), "1|05-06-26|OKM|501|F1|T1|0|||");
    EXPECT_EQ(rowText(g, 2), "1|05-06-26|OKM|501|F2|T2|0|||");
    EXPECT_EQ(rowText(g, 3), "1|05-06-26|OKM|501|F3|T3|0|||");
    EXPECT_EQ(rowText(g, 5), "2|06-06-26|OKM|502|G1|U1|2.5|3|ZEL|2026-06-05 10:30:00");
    EXPECT_EQ(rowText(g, 6), "2|06-06-26|OKM|502||U2|2.5|3|ZEL|2026-06-05 10:30:00");
    EXPECT_EQ(rowText(g, 7), "2|06-06-26|OKM|502|||2.5|3|ZEL|2026-06-05 10:30:00");
    for (int row : {4, 8, 9})
        EXPECT_EQ(rowText(g, row), "|||||||||") << row;
    QCoreApplication::processEvents();
    EXPECT_EQ(g->rowSpan(0, 2), 3); // equal origins of two records stay apart
    EXPECT_EQ(g->rowSpan(4, 2), 3);
}

TEST_F(DummyPodWindow, AShowThatFindsNothingDisablesShowAndReturnsToTheFromDate)
{
    frmPendPODQry& w = window();
    w.msgGrid->setRows(7);
    w.txtConsignNo->setFocus();
    clickShow();

    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    const ui::ShownMessage message = ui::MessageBoxSeam::shown()[0];
    EXPECT_EQ(message.prompt, "Records Not Found");
    EXPECT_EQ(message.title, "Orvane Couriers");
    EXPECT_EQ(message.icon(), ui::vbInformation);
    EXPECT_FALSE(w.cmdShow->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.dtpFromDate);
    EXPECT_EQ(w.msgGrid->rows(), 2);
    EXPECT_EQ(w.msgGrid->textMatrix(0, 0), "Sl.No");
    EXPECT_EQ(rowText(w.msgGrid, 1), "|||||||||");
    EXPECT_TRUE(w.lblEscape->isVisibleTo(&w));
    EXPECT_FALSE(w.msgGrid->isVisibleTo(&w)); // the grid keeps its visibility
}

TEST_F(DummyPodWindow, TheGridFollowsTheToAddressWhileItIsTyped)
{
    dummyPod("2026-06-05", "'OKM'", 501, "'F1', NULL, NULL, 'RAMAN', NULL, NULL");
    frmPendPODQry& w = window();
    range(QDate(2026, 6, 1), QDate(2026, 6, 30));
    w.txtToAddress->setFocus();
    db::StatementCapture capture;
    QTest::keyClicks(w.txtToAddress, "ra");

    EXPECT_EQ(capture.statements().last(),
              invoice::dummyPodStatement({QDate(2026, 6, 1), QDate(2026, 6, 30), "", "", "RA"}));
    EXPECT_EQ(capture.statements().size(), 2); // one run per key release
    EXPECT_TRUE(w.msgGrid->isVisibleTo(&w));
    EXPECT_EQ(w.msgGrid->rows(), 6);
    EXPECT_EQ(w.focusWidget(), w.txtToAddress);

    QTest::keyClicks(w.txtToAddress, "x");
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(w.focusWidget(), w.txtToAddress);
    EXPECT_EQ(w.msgGrid->rows(), 2);
    EXPECT_TRUE(w.msgGrid->isVisibleTo(&w)); // headings only, still shown
    EXPECT_FALSE(w.cmdShow->isEnabled());
}

// A number the query cannot hold fails the query that each key release in the to-address box runs.
// The clerk answers the error with Enter or Esc: the box takes the key's press, its release lands
// in the to-address box again and must not run the query once more, or the error would return
// after every answer.
TEST_F(DummyPodWindow, AnsweringTheErrorOfTheTypedQueryDoesNotRunItAgain)
{
    frmPendPODQry& w = window();
    range(QDate(2026, 6, 1), QDate(2026, 6, 30));
    w.txtConsignNo->setText("1e400"); // pasted: typing refuses the letter
    QWidget box;                      // the error box while it is open
    for (Qt::Key answer : {Qt::Key_Return, Qt::Key_Escape}) {
        ui::MessageBoxSeam::clearShown();
        ui::MessageBoxSeam::setAnswerer([&](const ui::ShownMessage&) {
            QTest::keyPress(&box, answer);
            return ui::vbOK;
        });
        QTest::mouseClick(w.txtToAddress, Qt::LeftButton);
        ASSERT_EQ(w.focusWidget(), w.txtToAddress);
        QTest::keyClick(w.txtToAddress, Qt::Key_End);
        QTest::keyRelease(w.txtToAddress, answer);

        ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1) << answer;
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "Overflow");
        EXPECT_EQ(w.focusWidget(), w.txtToAddress);
    }
}

TEST_F(DummyPodWindow, AFillHasNoLimitOfRecords)
{
    constexpr int kRecords = 8200; // more than a 16-bit row index could address
    QStringList values;
    for (int i = 1; i <= kRecords; ++i)
        values << QStringLiteral("('2026-06-05', 'OKM', %1, 'F', 'T', 1.5)").arg(i);
    execute(kMonth, "INSERT INTO DummyPod (PodDate, Origin, ConsignmentNo, FromAddress1, ToAddress1, Weight) VALUES "
                        + values.join(u','));
    frmPendPODQry& w = window();
    range(QDate(2026, 6, 5), QDate(2026, 6, 5));
    clickShow();

    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    ui::FlexGrid* g = w.msgGrid;
    ASSERT_EQ(g->rows(), 2 + 4 * kRecords);
    EXPECT_EQ(g->textMatrix(4 * kRecords - 1, 0), QString::number(kRecords));
    EXPECT_EQ(g->textMatrix(4 * kRecords - 3, 4), "F");
    EXPECT_TRUE(g->textMatrix(4 * kRecords, 0).isEmpty());
}

} // namespace
