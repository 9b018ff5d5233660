// The invoice query window: the pickers kept in the month database's month, the date tests, the
// cascade of pick-list fills that each refresh the grid, the keys, and the grid's layout.

#include "support/GridText.h"
#include "support/WindowFixture.h"

#include "invoice/frmQuery.h"

#include "platform/db/SqlText.h"
#include "platform/db/StatementLog.h"
#include "platform/ui/DatePicker.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

#include <functional>

using invoice::PickList;
using invoice::frmQuery;
using testsupport::WindowFixture;
using testsupport::itemsOf;

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");

class InvoiceWindow : public WindowFixture<frmQuery> {
protected:
    static void show(frmQuery& w)
    {
        ui::WindowHost::showModal(&w);
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    static void press(QWidget* control, Qt::Key key) { QTest::keyClick(control, key); }
    static QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
};

struct PickerCase {
    QDate today;
    const char* monthDatabase;
    QDate expected;
};

TEST_F(InvoiceWindow, BothPickersStartOnTodaysDayInTheMonthDatabasesMonth)
{
    for (const PickerCase& c : {PickerCase{{2026, 6, 15}, "ZELJUN26", {2026, 6, 15}},
                                PickerCase{{2026, 1, 30}, "ZELFEB26", {2026, 2, 28}},
                                PickerCase{{2026, 5, 31}, "ZELAPR26", {2026, 4, 30}},
                                PickerCase{{2026, 7, 31}, "ZELMAY25", {2025, 5, 31}}}) {
        SCOPED_TRACE(c.monthDatabase);
        runtime::Clock::setFixed(QDateTime(c.today, QTime(12, 0)));
        core::gstrMonthDB = QString::fromLatin1(c.monthDatabase);
        frmQuery& w = window();
        EXPECT_EQ(w.dtpFromDate->value().date(), c.expected);
        EXPECT_EQ(w.dtpToDate->value().date(), c.expected);
        EXPECT_FALSE(w.dgdQuery->isVisibleTo(&w));
        ui::DefaultInstance<frmQuery>::unload();
    }
}

// A June month with bookings of two branches.
class InvoiceBookings : public InvoiceWindow {
protected:
    void SetUp() override
    {
        InvoiceWindow::SetUp();
        install(QDate(2026, 6, 15));
        openMonth(kMonth);
        core::gstrUserBranchCode = QStringLiteral("ZEL");
        // number, day, mode, destination, party, branch, booked by, weight, fifth sender line
        booking(101, 3, "AIR", "VLM", "P1", "B1", "ZEL", "2.5", "'9876543210'");
        booking(102, 4, "AIR", "KRN", "P2", "B1", "ZEL", "1", "'Flat 4B'");
        booking(103, 4, "SURFACE", "VLM", "P1", "B2", "ZEL", "12.25", "NULL");
        booking(104, 5, "SURFACE", "O'R", "P3", "B2", "ZEL", "0.5", "''");
        booking(105, 6, "AIR", "VLM", "P2", "B3", "ZEL", "3", "NULL");
        booking(201, 4, "RAIL", "TRV", "P9", "B9", "HO", "7", "NULL"); // another branch's booking
        execute(kMonth, "UPDATE Invoice SET CancelStatus=1 WHERE ConsignmentNo=105");
        frmQuery& w = window();
        show(w);
        w.dtpFromDate->setValue(QDate(2026, 6, 1));
        w.dtpToDate->setValue(QDate(2026, 6, 30));
        ui::MessageBoxSeam::clearShown();
    }

    void booking(qint64 number, int day, const QString& mode, const QString& destination, const QString& party,
                 const QString& branch, const QString& bookedBy, const QString& weight, const QString& fifthLine)
    {
        execute(kMonth, QStringLiteral("INSERT INTO Invoice (ConsignmentNo, BookingDate, TransactionMode, Destination, "
                                       "PartyCode, BranchCode, Booked_Branch, FromAddress1, FromAddress2, FromAddress5, "
                                       "ToAddress1, ToAddress2, Weight, Amount, ContainValue) VALUES (%1, '2026-06-%2', "
                                       "%3, %4, %5, %6, %7, 'SENDER %1', 'LANE %1', %8, 'RAMAN', 'MILL ROAD', %9, 150, "
                                       "1200.5)")
                            .arg(number)
                            .arg(day, 2, 10, QLatin1Char('0'))
                            .arg(db::sqlQuote(mode), db::sqlQuote(destination), db::sqlQuote(party), db::sqlQuote(branch),
                                 db::sqlQuote(bookedBy), fifthLine, weight));
    }

    // The consignment numbers the grid shows, in order.
    static QStringList gridNumbers()
    {
        const ui::BoundGrid* grid = window().dgdQuery;
        QStringList numbers;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            numbers << grid->cellText(row, 1);
        return numbers;
    }
};

TEST_F(InvoiceBookings, FromDateAfterToDateIsRefusedAtTheToDate)
{
    frmQuery& w = window();
    w.dtpFromDate->setValue(QDate(2026, 6, 20));
    w.dtpFromDate->setFocus();
    w.dtpFromDate->setSelectedSection(QDateTimeEdit::MonthSection); // where the clerk left it
    w.dtpToDate->setValue(QDate(2026, 6, 10));
    w.dtpToDate->setFocus();
    press(w.dtpToDate, Qt::Key_Return);
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    const ui::ShownMessage& m = ui::MessageBoxSeam::shown().front();
    EXPECT_EQ(m.prompt, "From Date Should be Lessthan Or Equal to To Date");
    EXPECT_EQ(m.title, "Invoice Query");
    EXPECT_EQ(m.icon(), ui::vbInformation);
    EXPECT_EQ(focused(), "dtpFromDate");
    QTest::keyClicks(w.dtpFromDate, "05"); // the day, not the month
    EXPECT_EQ(w.dtpFromDate->value().date(), QDate(2026, 6, 5));

    w.dtpToDate->setValue(QDate(2026, 6, 20));
    w.dtpToDate->setFocus();
    press(w.dtpToDate, Qt::Key_Return);
    EXPECT_EQ(focused(), "txtConsignNo");
}

TEST_F(InvoiceBookings, DateOutsideTheMonthIsResetAndKeepsTheFocus)
{
    frmQuery& w = window();
    w.dtpFromDate->setFocus();
    w.dtpFromDate->setValue(QDate(2026, 5, 20)); // after the focus: the clamp has already run
    press(w.dtpFromDate, Qt::Key_Return);
    EXPECT_EQ(w.dtpFromDate->value().date(), QDate(2026, 6, 15));
    EXPECT_EQ(focused(), "dtpFromDate");
    press(w.dtpFromDate, Qt::Key_Return);
    EXPECT_EQ(focused(), "dtpToDate");
}

TEST_F(InvoiceBookings, EachFillNarrowsByTheEarlierChoicesAndRefreshesTheGrid)
{
    frmQuery& w = window();
    const invoice::PickListChoices june{QDate(2026, 6, 1), QDate(2026, 6, 30)};
    db::StatementCapture capture;
    w.txtConsignNo->setFocus();
    press(w.txtConsignNo, Qt::Key_Return);
    EXPECT_EQ(itemsOf(w.cboTranMode), (QStringList{"AIR", "RAIL", "SURFACE"}));
    EXPECT_EQ(focused(), "cboTranMode");
    ASSERT_EQ(capture.statements().size(), 2);
    EXPECT_EQ(capture.statements()[0], pickListStatement(PickList::TranModes, june));
    EXPECT_TRUE(w.dgdQuery->isVisible());
    EXPECT_EQ(gridNumbers(), (QStringList{"101", "102", "103", "104"}));

    w.cboTranMode->setCurrentIndex(0); // AIR
    capture.clear();
    press(w.cboTranMode, Qt::Key_Return);
    EXPECT_EQ(capture.statements().value(0),
              pickListStatement(PickList::Destinations, {june.fromDate, june.toDate, "AIR"}));
    EXPECT_EQ(itemsOf(w.cboDestination), (QStringList{"KRN", "VLM"}));
    EXPECT_EQ(gridNumbers(), (QStringList{"101", "102"}));
    EXPECT_EQ(focused(), "cboDestination");

    QTest::keyClicks(w.cboDestination, "v");
    EXPECT_EQ(w.cboDestination->currentText(), "VLM");
    capture.clear();
    press(w.cboDestination, Qt::Key_Return);
    EXPECT_EQ(capture.statements().value(0),
              pickListStatement(PickList::PartyCodes, {june.fromDate, june.toDate, "AIR", "VLM"}));
    EXPECT_EQ(itemsOf(w.cboPartyCode), (QStringList{"P1", "P2"})); // 105 is cancelled, the fill does not know it
    EXPECT_EQ(gridNumbers(), (QStringList{"101"}));
    EXPECT_EQ(focused(), "cboPartyCode");

    w.cboPartyCode->setEditText("P1");
    capture.clear();
    press(w.cboPartyCode, Qt::Key_Return);
    EXPECT_EQ(capture.statements().value(0),
              pickListStatement(PickList::BranchCodes, {june.fromDate, june.toDate, "AIR", "VLM", "P1"}));
    EXPECT_EQ(itemsOf(w.cboBranchCode), (QStringList{"B1"}));
    EXPECT_EQ(focused(), "cboBranchCode");

    w.cboBranchCode->setEditText("B1");
    press(w.cboBranchCode, Qt::Key_Return);
    EXPECT_EQ(gridNumbers(), (QStringList{"101"}));
    EXPECT_EQ(focused(), "cboBranchCode");
    w.cboBranchCode->setEditText("");
    press(w.cboBranchCode, Qt::Key_Return);
    EXPECT_EQ(focused(), "txtWgtFrom");
}

TEST_F(InvoiceBookings, EmptyFillRunsNoQueryAndKeepsTheFocus)
{
    frmQuery& w = window();
    w.dtpFromDate->setValue(QDate(2026, 6, 20));
    w.dtpToDate->setValue(QDate(2026, 6, 25));
    w.txtConsignNo->setFocus();
    db::StatementCapture capture;
    press(w.txtConsignNo, Qt::Key_Return);
    EXPECT_EQ(capture.statements().size(), 1);
    EXPECT_EQ(w.cboTranMode->count(), 0);
    EXPECT_FALSE(w.dgdQuery->isVisible());
    EXPECT_EQ(focused(), "txtConsignNo");
}

TEST_F(InvoiceBookings, ApostropheInACodeComboBreaksNothing)
{
    frmQuery& w = window();
    w.cboDestination->setEditText("O'R");
    w.cboDestination->setFocus();
    press(w.cboDestination, Qt::Key_Return);
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(itemsOf(w.cboPartyCode), (QStringList{"P3"}));
    EXPECT_EQ(gridNumbers(), (QStringList{"104"}));
}

// Two parties of one destination where one code starts with the other.
class InvoiceCityParties : public InvoiceBookings {
protected:
    void SetUp() override
    {
        InvoiceBookings::SetUp();
        booking(301, 8, "AIR", "NORTHFIELD", "CITY", "B7", "ZEL", "1", "NULL");
        booking(302, 9, "AIR", "NORTHFIELD", "CITYCARE", "B8", "ZEL", "1", "NULL");
        frmQuery& w = window();
        w.txtConsignNo->setFocus();
        press(w.txtConsignNo, Qt::Key_Return);   // fill 1
        press(w.cboTranMode, Qt::Key_Return);    // fill 2, every mode
        QTest::keyClicks(w.cboDestination, "n"); // NORTHFIELD
        press(w.cboDestination, Qt::Key_Return); // fill 3: its parties
    }

    // The edit field's text and its selected part.
    static QStringList textAndSelection(const QComboBox* combo)
    {
        return {combo->currentText(), combo->lineEdit()->selectedText()};
    }
};

// A code picked from the list is a click: it is kept as picked, not completed to a longer code,
// and the next fill and the grid follow it.
TEST_F(InvoiceCityParties, ListPickKeepsThePickedCode)
{
    const std::function<void(QComboBox*)> picks[] = {
        [](QComboBox* combo) {
            combo->showPopup();
            QAbstractItemView* list = combo->view();
            QTest::qWait(QApplication::doubleClickInterval() + 50); // a release right after opening is ignored
            const QPoint at = list->visualRect(list->model()->index(0, 0)).center();
            QTest::mouseMove(list->viewport(), at);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        },
        [](QComboBox* combo) {
            combo->showPopup();
            QTest::keyClick(combo->view(), Qt::Key_Home);
            QTest::keyClick(combo->view(), Qt::Key_Return);
        },
        [](QComboBox* combo) { QTest::keyClick(combo, Qt::Key_Down); },
    };
    for (const auto& pick : picks) {
        frmQuery& w = window();
        ASSERT_EQ(itemsOf(w.cboPartyCode), (QStringList{"CITY", "CITYCARE"}));
        w.cboPartyCode->setFocus();
        pick(w.cboPartyCode);
        EXPECT_EQ(w.cboPartyCode->currentText(), "CITY");
        EXPECT_EQ(focused(), "cboPartyCode");
        press(w.cboPartyCode, Qt::Key_Return); // fill 4
        EXPECT_EQ(itemsOf(w.cboBranchCode), (QStringList{"B7"}));
        EXPECT_EQ(gridNumbers(), (QStringList{"301"}));
        w.cboPartyCode->setFocus();
        w.cboPartyCode->clearEditText();
        w.cboPartyCode->setCurrentIndex(-1);
    }
}

// Backspace first takes away the offered completion with one typed letter, the shorter typed text
// being completed again, down to an empty box; Delete takes the completion only.
TEST_F(InvoiceCityParties, BackspaceDeletesCompletedTextDownToEmpty)
{
    frmQuery& w = window();
    QComboBox* combo = w.cboPartyCode;
    combo->setFocus();
    struct Step {
        std::function<void()> keys;
        QStringList shown; // text, selected part
    };
    const Step steps[] = {
        {[&] { QTest::keyClicks(combo, "cityc"); }, {"CITYCARE", "ARE"}},
        {[&] { press(combo, Qt::Key_Backspace); }, {"CITYCARE", "CARE"}},
        {[&] { press(combo, Qt::Key_Backspace); }, {"CITY", "Y"}},
        {[&] { press(combo, Qt::Key_Backspace); }, {"CITY", "TY"}},
        {[&] { press(combo, Qt::Key_Backspace); }, {"CITY", "ITY"}},
        {[&] { press(combo, Qt::Key_Backspace); }, {"", ""}},
        {[&] { press(combo, Qt::Key_Backspace); }, {"", ""}},
        {[&] { QTest::keyClicks(combo, "ci"); }, {"CITY", "TY"}},
        {[&] { press(combo, Qt::Key_Delete); }, {"CI", ""}},
        {[&] { press(combo, Qt::Key_Backspace); }, {"CITY", "ITY"}},
        {[&] { press(combo, Qt::Key_Backspace); }, {"", ""}},
        // a whole code, as a pick leaves it: each Backspace takes one letter of it
        {[&] { combo->setCurrentIndex(1); }, {"CITYCARE", ""}},
        {[&] { press(combo, Qt::Key_Backspace); }, {"CITYCARE", "E"}},
        {[&] { press(combo, Qt::Key_Backspace); }, {"CITYCARE", "RE"}},
    };
    int n = 0;
    for (const Step& step : steps) {
        step.keys();
        EXPECT_EQ(textAndSelection(combo), step.shown) << "step " << n++;
    }
    // the destination combo deletes alike
    w.cboDestination->setFocus();
    press(w.cboDestination, Qt::Key_End);
    press(w.cboDestination, Qt::Key_Backspace);
    EXPECT_EQ(textAndSelection(w.cboDestination), (QStringList{"NORTHFIELD", "D"}));
    w.cboDestination->lineEdit()->selectAll();
    press(w.cboDestination, Qt::Key_Backspace);
    EXPECT_EQ(textAndSelection(w.cboDestination), (QStringList{"", ""}));
}

TEST_F(InvoiceBookings, NumberBoxTakesDigitsOnlyAlsoWhenPasted)
{
    frmQuery& w = window();
    w.txtConsignNo->setFocus();
    QTest::keyClicks(w.txtConsignNo, "1a0'3");
    EXPECT_EQ(w.txtConsignNo->text(), "103");
    w.txtConsignNo->selectAll();
    w.txtConsignNo->insert("103 or 1=1");
    EXPECT_EQ(w.txtConsignNo->text(), "103");
    press(w.txtConsignNo, Qt::Key_Return);
    EXPECT_EQ(gridNumbers(), (QStringList{"103"}));
    EXPECT_EQ(focused(), "dgdQuery");
    EXPECT_TRUE(w.lblF2->isVisible());
}

TEST_F(InvoiceBookings, AddressBoxesTypeUpperCaseWithoutApostropheAndQueryOnEveryKey)
{
    frmQuery& w = window();
    w.txtPartyName->setFocus();
    db::StatementCapture capture;
    QTest::keyClicks(w.txtPartyName, "la'ne 10");
    EXPECT_EQ(w.txtPartyName->text(), "LANE 10");
    EXPECT_EQ(capture.statements().size(), 8); // the refused apostrophe's release too
    EXPECT_EQ(gridNumbers(), QStringList{});
    w.chkStatus->setChecked(true);
    w.cmdShow->click();
    EXPECT_EQ(gridNumbers(), (QStringList{"101", "102", "103", "104"}));
}

// A NUL pasted into a search box is searched for as part of the text: nothing matches, nothing is
// reported.
TEST_F(InvoiceBookings, ANulPastedIntoAnAddressBoxFindsNothingAndReportsNothing)
{
    frmQuery& w = window();
    QTest::mouseClick(w.txtPartyName, Qt::LeftButton);
    QGuiApplication::clipboard()->setText(QStringLiteral("LANE") + QChar(0) + QStringLiteral("10"));
    QTest::keyClick(w.txtPartyName, Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(w.txtPartyName->text().contains(QChar(0)));
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(gridNumbers(), QStringList{});
}

TEST_F(InvoiceBookings, WeightKeysSkipTheUpperBoundAtZeroAndEscGoesToExit)
{
    frmQuery& w = window();
    w.txtWgtFrom->setFocus();
    EXPECT_EQ(w.txtWgtFrom->text(), "0.000");
    press(w.txtWgtFrom, Qt::Key_Return);
    EXPECT_EQ(focused(), "txtPartyName");
    w.txtWgtFrom->setFocus();
    QTest::keyClicks(w.txtWgtFrom, "2");
    press(w.txtWgtFrom, Qt::Key_Return);
    EXPECT_EQ(focused(), "txtWgtTo");
    press(w.txtWgtTo, Qt::Key_Escape);
    EXPECT_EQ(focused(), "cmdExit");
    EXPECT_TRUE(ui::DefaultInstance<frmQuery>::loaded());
    w.cmdShow->click();
    EXPECT_EQ(gridNumbers(), (QStringList{"101", "103"}));
}

TEST_F(InvoiceBookings, EscInTheGridDisablesItUntilTheNextQueryAndF2StartsAgain)
{
    frmQuery& w = window();
    w.cmdShow->click();
    w.dgdQuery->setFocus();
    press(w.dgdQuery, Qt::Key_Escape);
    EXPECT_FALSE(w.dgdQuery->isEnabled());
    EXPECT_EQ(focused(), "dtpFromDate");
    w.cmdShow->click();
    EXPECT_TRUE(w.dgdQuery->isEnabled());

    w.txtConsignNo->setText("102");
    w.dgdQuery->setFocus();
    press(w.dgdQuery, Qt::Key_F2);
    EXPECT_EQ(w.txtConsignNo->text(), "");
    EXPECT_EQ(focused(), "dtpFromDate");
    EXPECT_FALSE(w.lblF2->isVisible());
}

TEST_F(InvoiceBookings, RefusedStatementIsReportedAndTheWindowStays)
{
    frmQuery& w = window();
    execute(kMonth, "DROP TABLE Invoice");
    w.cmdShow->click();
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown().front().prompt, "Error -2147217900 Invalid object name 'Invoice'.");
    EXPECT_EQ(ui::MessageBoxSeam::shown().front().style, ui::vbExclamation);
    EXPECT_EQ(ui::MessageBoxSeam::shown().front().title, QCoreApplication::applicationName());
    EXPECT_TRUE(ui::DefaultInstance<frmQuery>::loaded());
}

TEST_F(InvoiceBookings, GridShowsTheHeadingsFormatsAndMaskedFifthLines)
{
    frmQuery& w = window();
    w.cmdShow->click();
    const ui::BoundGrid* grid = w.dgdQuery;
    QStringList headings;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        headings << grid->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headings,
              (QStringList{"Booking Date", "Consign.No", "Destination", "From Address1", "From Address2", "From Address3",
                           "From Address4", "From Address5", "To Address1", "To Address2", "To Address3", "To Address4",
                           "To Address5", "Region", "Weight", "Amount", "Trans. Mode", "Party Code", "Branch Code",
                           "Pieces", "Document Type", "Contain1", "Contain2", "Contain3", "Contain Value"}));
    EXPECT_EQ(grid->cellText(0, 0), "03-06-2026");
    EXPECT_EQ(grid->cellText(0, 14), "2.500");
    EXPECT_EQ(grid->cellText(2, 14), "12.250");
    EXPECT_EQ(grid->cellText(0, 24), "1200.50");
    for (int c : {14, 15, 24})
        EXPECT_EQ(grid->model()->index(0, c).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
                  Qt::AlignRight);
    EXPECT_EQ(grid->model()->index(0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
    // fifth sender lines: ten digits masked, text as stored, Null and empty as stored
    EXPECT_EQ(grid->cellText(0, 7), "XXXXXX3210");
    EXPECT_EQ(grid->cellText(1, 7), "Flat 4B");
    EXPECT_EQ(grid->cellText(2, 7), "");
    EXPECT_EQ(grid->cellText(3, 7), "");
    EXPECT_EQ(grid->columnWidth(15), 0);
    EXPECT_FALSE(grid->isColumnHidden(15));
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(grid->model()->flags(grid->model()->index(0, 0)) & Qt::ItemIsEditable);

    // a second query lays the grid out again
    w.txtWgtFrom->setText("3.000");
    w.cmdShow->click();
    EXPECT_EQ(gridNumbers(), (QStringList{"103"}));
    EXPECT_EQ(grid->model()->headerData(14, Qt::Horizontal).toString(), "Weight");
    EXPECT_EQ(grid->cellText(0, 14), "12.250");
}

// A value drawn on one line shows each line break and tab as one blank, as a value written with one.
TEST_F(InvoiceBookings, LineBreaksAndTabsInACellShowAsBlanks)
{
    const ui::BoundGrid* grid = window().dgdQuery;
    QImage blank;
    for (const QString value : {"AAAA BBBB", "AAAA\nBBBB", "AAAA\rBBBB", "AAAA\r\nBBBB", "AAAA\tBBBB"}) {
        execute(kMonth, "UPDATE Invoice SET FromAddress1=" + db::sqlQuote(value) + " WHERE ConsignmentNo=101");
        window().cmdShow->click();
        QCoreApplication::processEvents();
        const QImage shown = grid->viewport()->grab(grid->visualRect(grid->model()->index(0, 3))).toImage();
        EXPECT_EQ(shown, blank.isNull() ? (blank = shown) : blank) << value.toStdString();
    }
}

} // namespace

namespace {

// 700 bookings of 10 June more: with the fixture's four, more than a batch of rows.
QString sevenHundredBookings()
{
    QStringList rows;
    for (int i = 0; i < 700; ++i)
        rows << QStringLiteral("(%1, '2026-06-10', 'AIR', 'ZEL', 0)").arg(300000 + i);
    return "INSERT INTO Invoice (ConsignmentNo, BookingDate, TransactionMode, Booked_Branch, CancelStatus) VALUES "
           + rows.join(u',');
}

TEST_F(InvoiceBookings, GridReadsALargeResultABatchAtATime)
{
    execute(kMonth, sevenHundredBookings());
    frmQuery& w = window();
    w.cmdShow->click();
    QAbstractItemModel* model = w.dgdQuery->model();
    EXPECT_EQ(model->rowCount(), ui::BoundRowsModel::kBatchRows);
    while (model->canFetchMore({}))
        model->fetchMore({});
    EXPECT_EQ(model->rowCount(), 704);
    EXPECT_EQ(w.dgdQuery->cellText(703, 1), "300699");
}

// The pointer resting on a heading drawn cut shows the whole caption; on one drawn whole, nothing.
TEST_F(InvoiceBookings, ThePointerRestingOnACutHeadingShowsItsWholeCaption)
{
    window().cmdShow->click();
    QCoreApplication::processEvents();
    const QHeaderView* headings = window().dgdQuery->horizontalHeader();
    for (const auto& [column, tip] : {std::pair{6, "From Address4"}, std::pair{0, ""}}) {
        QToolTip::hideText();
        ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        const QPoint at(headings->sectionViewportPosition(column) + 5, headings->height() / 2);
        QHelpEvent rest(QEvent::ToolTip, at, headings->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(headings->viewport(), &rest);
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), tip) << column;
    }
}

// The clerk clicks a row of a result longer than a batch and goes to its end: with Ctrl+End, the
// thumb of the scroll bar dragged to the bottom or its End key. Each shows the last row. Esc and the
// query run again from the From date show the new result from its first booking and column.
TEST_F(InvoiceBookings, TheEndOfTheGridIsTheLastRowOfTheResult)
{
    execute(kMonth, sevenHundredBookings());
    frmQuery& w = window();
    ui::BoundGrid* grid = w.dgdQuery;
    QScrollBar* bar = grid->verticalScrollBar();
    const std::function<void()> gestures[] = {
        [&] { // the thumb, at the top below the arrow, dragged to the bottom
            const QPoint from(bar->width() / 2, bar->width() + 4), to(bar->width() / 2, bar->height() - 1);
            QTest::mousePress(bar, Qt::LeftButton, {}, from);
            QTest::mouseMove(bar, to);
            QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
        },
        [&] { QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier); },
        [&] { QTest::keyClick(bar, Qt::Key_End); }};
    for (const auto& gesture : gestures) {
        w.cmdShow->click();
        QCoreApplication::processEvents();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(2, 1)).center());
        gesture();
        QCoreApplication::processEvents();
        const QRect last = grid->visualRect(grid->model()->index(703, 1));
        EXPECT_TRUE(last.isValid() && last.top() >= 0 && last.bottom() < grid->viewport()->height()); // shown whole
        EXPECT_EQ(grid->cellText(703, 1), "300699");
        press(grid, Qt::Key_Escape);
        for (int enter = 0; enter < 3; ++enter)
            press(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(grid->indexAt({0, 0}), grid->model()->index(0, 0));
    }
}

} // namespace
