// The non-delivery search as the clerk uses it: the keys through the filters, the cascade of the
// three pick lists, the month check of the central office, the result grid's blocks of rows and
// the search on every key released in the address boxes.

#include "support/GridText.h"
#include "support/RowInsert.h"
#include "support/WindowFixture.h"

#include "followup/frmNDSearch.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using followup::frmNDSearch;
using testsupport::itemsOf;
using testsupport::rowsOf;

namespace {

const QString kMonth = QStringLiteral("ZELDEC26");

QStringList shownPrompts()
{
    QStringList prompts;
    for (const ui::ShownMessage& message : ui::MessageBoxSeam::shown())
        prompts << message.prompt;
    return prompts;
}

QStringList sortedItems(const QComboBox* list)
{
    QStringList items = itemsOf(list);
    items.sort();
    return items;
}

class NDSearch : public testsupport::WindowFixture<frmNDSearch> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 12, 6));
        openMonth(kMonth);
        ui::WindowHost::showModal(&window());
    }

    // A record of today with one address line a side; "Column=SQL value" pairs replace columns.
    void record(qint64 reference, const QStringList& changes = {})
    {
        const QStringList pairs{"ReferenceNo=" + QString::number(reference), "NDDate='2026-12-06'", "Status='Remainder'",
                                "ConsignNo=5001", "BookingDate='2026-12-01'", "BranchCode='HO'", "Destination='DUNMORE'",
                                "FromAddr1='ALPHA TRADERS'", "ToAddr1='MANOJ DAS'", "ReasonCode='DC'", "RemainderNo=1",
                                "FDestination='VELMORA'"};
        execute(kMonth, testsupport::insertOf("tab_NonDelivery", pairs + changes));
    }

    static void enter(QWidget* control)
    {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
    }
};

TEST_F(NDSearch, KeysLeadThroughTheFiltersAndFilterWhatIsTyped)
{
    frmNDSearch& w = window();
    EXPECT_EQ(w.dtpFromDate->text() + " " + w.dtpToDate->text(), "06-Dec-2026 06-Dec-2026");
    EXPECT_EQ(w.focusWidget(), w.dtpFromDate);
    EXPECT_FALSE(w.msgScreen->isVisible());

    const struct {
        QWidget* control;
        Qt::Key key;
        QString text; // given to the control first when it is a text box
        QWidget* focus;
    } keys[] = {
        {w.dtpFromDate, Qt::Key_Return, "", w.dtpToDate},        {w.dtpToDate, Qt::Key_PageUp, "", w.dtpFromDate},
        {w.txtConsignNo, Qt::Key_Return, "000", w.txtReferenceNo}, {w.txtConsignNo, Qt::Key_Return, "0012", w.cmdFind},
        {w.txtConsignNo, Qt::Key_Up, "", w.dtpFromDate},         {w.txtReferenceNo, Qt::Key_Return, "", w.cboStatus},
        {w.txtReferenceNo, Qt::Key_Return, "7", w.cmdFind},      {w.txtReferenceNo, Qt::Key_Up, "", w.txtConsignNo},
        {w.cboStatus, Qt::Key_PageUp, "", w.txtReferenceNo},     {w.cboDestination, Qt::Key_PageUp, "", w.cboStatus},
        {w.cboBranchCode, Qt::Key_Return, "", w.txtName},        {w.cboBranchCode, Qt::Key_PageUp, "", w.cboDestination},
        {w.txtName, Qt::Key_Return, "  ", w.txtToAddress},       {w.txtName, Qt::Key_Return, "AB", w.cmdFind},
        {w.txtToAddress, Qt::Key_Return, "", w.txtToAddress},    {w.txtToAddress, Qt::Key_Return, "AB", w.cmdFind},
        {w.dtpToDate, Qt::Key_Escape, "", w.cmdExit},            {w.txtReferenceNo, Qt::Key_Escape, "", w.cmdExit},
        {w.cboBranchCode, Qt::Key_Escape, "", w.cmdExit},        {w.txtToAddress, Qt::Key_Escape, "", w.cmdExit},
    };
    for (const auto& k : keys) {
        if (auto* box = qobject_cast<QLineEdit*>(k.control))
            box->setText(k.text);
        k.control->setFocus();
        QTest::keyPress(k.control, k.key); // no release: it would search in the address boxes
        EXPECT_EQ(w.focusWidget(), k.focus) << k.control->objectName().toStdString() << " " << k.key;
    }

    const struct {
        QWidget* control;
        QString typed;
        QString text;
    } typing[] = {
        {w.txtConsignNo, "12a.3'", "123"}, {w.txtReferenceNo, "9-0 7", "907"}, {w.cboStatus, "ret'urn", "RET'URN"},
        {w.cboBranchCode, "ho", "HO"},     {w.txtName, "o'brien", "OBRIEN"},   {w.txtToAddress, "d'souza", "DSOUZA"},
    };
    for (const auto& t : typing) {
        auto* box = qobject_cast<QLineEdit*>(t.control);
        if (box)
            box->clear();
        t.control->setFocus();
        QTest::keyClicks(t.control, t.typed);
        EXPECT_EQ(box ? box->text() : static_cast<QComboBox*>(t.control)->currentText(), t.text) << t.typed.toStdString();
    }

    EXPECT_TRUE(ui::DefaultInstance<frmNDSearch>::loaded()) << "Esc only moves to Exit";
    QTest::keyClick(w.dtpFromDate, Qt::Key_Escape);
    EXPECT_FALSE(ui::DefaultInstance<frmNDSearch>::loaded());
}

TEST_F(NDSearch, EnterCascadesTheTypeDestinationAndBranchLists)
{
    frmNDSearch& w = window();
    record(1);
    record(2, {"Status='Return'", "Destination='VELMORA'", "BranchCode='BR2'"});
    record(3, {"Destination='VELMORA'", "BranchCode='BR3'"});
    record(4, {"NDDate='2026-12-01'", "Status='Misroute'", "Destination='KARVEN'"});
    const struct {
        QWidget* field; // Enter there, its text set first
        QString text;
        QComboBox* list;
        QStringList items;
        QString message;
        QWidget* focus;
    } steps[] = {
        {w.dtpToDate, "", w.cboStatus, {"Remainder", "Return"}, "", w.txtConsignNo},
        {w.cboStatus, "", w.cboDestination, {"DUNMORE", "VELMORA"}, "", w.cboDestination},
        {w.cboStatus, "RETURN", w.cboDestination, {"VELMORA"}, "", w.cboDestination}, // the stored type in any case
        {w.cboStatus, "MISROUTE", w.cboDestination, {"VELMORA"}, "There is No Data.", w.cboStatus},
        {w.cboDestination, "VELMORA", w.cboBranchCode, {"BR2", "BR3"}, "", w.cboBranchCode}, // whatever the type
        {w.cboDestination, "", w.cboBranchCode, {"BR2", "BR3", "HO"}, "", w.cboBranchCode},
        {w.cboDestination, "O'KARA", w.cboBranchCode, {"BR2", "BR3", "HO"}, "There is No Data.", w.cboBranchCode},
    };
    for (const auto& s : steps) {
        ui::MessageBoxSeam::clearShown();
        if (auto* combo = qobject_cast<QComboBox*>(s.field))
            combo->setEditText(s.text);
        enter(s.field);
        SCOPED_TRACE(s.field->objectName().toStdString() + " " + s.text.toStdString());
        EXPECT_EQ(sortedItems(s.list), s.items);
        EXPECT_EQ(shownPrompts(), s.message.isEmpty() ? QStringList() : QStringList{s.message});
        EXPECT_EQ(w.focusWidget(), s.focus);
    }
    EXPECT_EQ(ui::MessageBoxSeam::shown().value(0).title, "Non Delivery System");

    ui::MessageBoxSeam::clearShown();
    w.dtpFromDate->setValue(QDate(2026, 12, 2));
    w.dtpToDate->setValue(QDate(2026, 12, 5));
    enter(w.dtpToDate);
    EXPECT_EQ(shownPrompts(), QStringList{"There is No Data in this Dates"});
    EXPECT_EQ(w.focusWidget(), w.dtpFromDate);
    EXPECT_EQ(sortedItems(w.cboStatus), QStringList({"Remainder", "Return"})) << "the list keeps its entries";
}

TEST_F(NDSearch, NullsAreLeftOutOfTheListsAndShownApartInTheGrid)
{
    frmNDSearch& w = window();
    // the table as a damaged month may hold it: no column required
    execute(kMonth, "DROP TABLE tab_NonDelivery");
    execute(kMonth, "CREATE TABLE tab_NonDelivery (ReferenceNo BIGINT, NDDate DATETIME COLLATE SQLDATE, Status TEXT, "
                    "ConsignNo BIGINT, BookingDate DATETIME COLLATE SQLDATE, BranchCode TEXT, Destination TEXT, FromAddr1 "
                    "TEXT, FromAddr2 TEXT, FromAddr3 TEXT, FromAddr4 TEXT, ToAddr1 TEXT, ToAddr2 TEXT, ToAddr3 TEXT, "
                    "ToAddr4 TEXT, ReasonCode TEXT, RemainderNo INT, FDestination TEXT)");
    record(1, {"Status=NULL", "Destination=NULL", "BranchCode=NULL", "ConsignNo=NULL", "ToAddr1=NULL",
               "BookingDate=NULL", "RemainderNo=NULL", "FDestination=NULL"});
    record(2, {"Status='Return'"});
    for (QWidget* field : std::initializer_list<QWidget*>{w.dtpToDate, w.cboStatus, w.cboDestination})
        enter(field);
    EXPECT_EQ(itemsOf(w.cboStatus) + itemsOf(w.cboDestination) + itemsOf(w.cboBranchCode),
              QStringList({"Return", "DUNMORE", "HO"}));
    EXPECT_TRUE(shownPrompts().isEmpty()) << shownPrompts().join('\n').toStdString();

    w.cmdFind->click();
    EXPECT_EQ(rowsOf(w.msgScreen), QStringList({
        "1|1|06-Dec-26|-|-|-|-|ALPHA TRADERS||DC|-|-|-", "||||||||||||",
        "2|2|06-Dec-26|5001|DUNMORE|HO|01-Dec-26|ALPHA TRADERS|MANOJ DAS|DC|Return|1|VELMORA", "||||||||||||",
        "||||||||||||",
    }));
}

TEST_F(NDSearch, FailingQueriesAreReportedAndTheWindowStaysUsable)
{
    execute(kMonth, "DROP TABLE tab_NonDelivery");
    enter(window().dtpToDate);
    enter(window().dtpToDate); // the list's recordset was released: the same failure again
    window().cmdFind->click();
    const QString refused = "Invalid object name 'tab_NonDelivery'.";
    EXPECT_EQ(shownPrompts(), QStringList({refused, refused, "Error -2147217900 " + refused}));
    EXPECT_EQ(ui::MessageBoxSeam::shown().back().style, ui::vbExclamation);
    EXPECT_EQ(ui::MessageBoxSeam::shown().back().title, QCoreApplication::applicationName());
    EXPECT_TRUE(ui::DefaultInstance<frmNDSearch>::loaded());
}

TEST_F(NDSearch, EachRecordIsABlockOfItsAddressLinesAndABlankRow)
{
    frmNDSearch& w = window();
    record(30, {"FromAddr2='12 HILL ROAD'", "FromAddr3='FORT AREA'", "ToAddr2='SEA FRONT'"});
    record(20, {"FromAddr2='  '", "ToAddr4='NEAR CANAL'"}); // line 4 on one side only
    record(10, {"RemainderNo=NULL", "FDestination=NULL"});
    w.cboStatus->setEditText("REMAINDER"); // matches the stored "Remainder"
    db::StatementCapture capture;
    w.cmdFind->click();
    EXPECT_EQ(capture.statements(),
              QStringList{"select * from tab_NonDelivery where NDDate>='2026-12-06' and NDDate<='2026-12-06' and "
                          "Status='REMAINDER' order by ReferenceNo,NDDate,Destination"});
    const QString head = "|06-Dec-26|5001|DUNMORE|HO|01-Dec-26|";
    const QString tail = "|DC|Remainder|1|VELMORA";
    const QString blank = "||||||||||||";
    EXPECT_EQ(rowsOf(w.msgScreen), QStringList({
        "1|10" + head + "ALPHA TRADERS|MANOJ DAS|DC|Remainder|-|-", blank,
        "2|20" + head + "ALPHA TRADERS|MANOJ DAS" + tail, "2|20" + head + "|NEAR CANAL" + tail, blank,
        "3|30" + head + "ALPHA TRADERS|MANOJ DAS" + tail, "3|30" + head + "12 HILL ROAD|SEA FRONT" + tail,
        "3|30" + head + "FORT AREA|" + tail, blank, blank,
    }));
    EXPECT_EQ(w.msgScreen->mergeCells(), ui::flexMergeFree);
    for (int c = 0; c < 13; ++c)
        EXPECT_EQ(w.msgScreen->mergeCol(c), c != 7 && c != 8) << c;
    EXPECT_TRUE(w.msgScreen->isVisible());
    EXPECT_EQ(w.focusWidget(), w.msgScreen);
    EXPECT_EQ(w.msgScreen->row(), 1);

    const QStringList shown = rowsOf(w.msgScreen);
    w.dtpFromDate->setValue(QDate(2026, 12, 7)); // after the To date: nothing
    w.cmdFind->click();
    EXPECT_EQ(shownPrompts(), QStringList{"There is No Data."});
    EXPECT_EQ(ui::MessageBoxSeam::shown().front().title, "Non Delivery System");
    EXPECT_EQ(rowsOf(w.msgScreen), shown);
    EXPECT_TRUE(w.msgScreen->isVisible());

    QTest::keyClick(w.msgScreen, Qt::Key_Escape);
    EXPECT_FALSE(w.msgScreen->isVisible());
    EXPECT_EQ(w.focusWidget(), w.dtpFromDate);
}

TEST_F(NDSearch, EveryKeyReleasedInTheAddressBoxesSearchesAgain)
{
    frmNDSearch& w = window();
    record(1, {"FromAddr1='ALPHA TRADERS'"});
    record(2, {"FromAddr1='ALTO STORES'", "ToAddr1='BETA'"});
    record(3, {"FromAddr1='BRAVO'"});
    for (QLineEdit* box : {w.txtName, w.txtToAddress}) {
        w.txtName->clear();
        ui::MessageBoxSeam::clearShown();
        box->setFocus();
        QTest::keyClicks(box, box == w.txtName ? "al" : "b");
        const int found = box == w.txtName ? 2 : 1;
        EXPECT_EQ(w.focusWidget(), box);
        EXPECT_TRUE(shownPrompts().isEmpty());
        EXPECT_EQ(w.msgScreen->rows(), found * 2 + 2) << box->objectName().toStdString();
        QTest::keyClicks(box, "X");
        EXPECT_EQ(shownPrompts(), QStringList{"There is No Data."});
        EXPECT_EQ(w.msgScreen->rows(), found * 2 + 2) << "the grid stays";
    }
}

TEST_F(NDSearch, EnterOnADateMovesItIntoTheMonthInTheCentralOfficeOnly)
{
    frmNDSearch& w = window();
    const struct {
        bool central;
        QString month;
        ui::DatePicker* picker;
        QDate date;
        QDate after;
        QWidget* focus;
    } cases[] = {
        {false, "ZELNOV26", w.dtpFromDate, QDate(2026, 12, 31), QDate(2026, 12, 31), w.dtpToDate},
        {true, "ZELNOV26", w.dtpFromDate, QDate(2026, 11, 30), QDate(2026, 11, 30), w.dtpToDate},
        {true, "ZELNOV26", w.dtpFromDate, QDate(2026, 12, 31), QDate(2026, 11, 30), w.dtpFromDate},
        {true, "ZELNOV26", w.dtpFromDate, QDate(2025, 11, 4), QDate(2026, 11, 4), w.dtpFromDate},
        {true, "ZELNOV26", w.dtpToDate, QDate(2026, 12, 31), QDate(2026, 11, 30), w.dtpToDate},
        {true, "ZELFEB26", w.dtpFromDate, QDate(2026, 1, 29), QDate(2026, 2, 28), w.dtpFromDate},
    };
    for (const auto& c : cases) {
        core::gblnCentralMode = c.central;
        core::gstrMonthDB = c.month;
        c.picker->setValue(c.date);
        enter(c.picker);
        EXPECT_EQ(c.picker->value().date(), c.after) << c.date.toString().toStdString();
        EXPECT_EQ(w.focusWidget(), c.focus) << c.date.toString().toStdString();
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

} // namespace
