// The manifest query window: the dates kept inside the month database's month, the key map, the
// numbered grid with Nulls empty, the empty result, the two ways back to a new query and a failing
// query that leaves the window usable.

#include "support/GridText.h"
#include "support/RowInsert.h"
#include "support/WindowFixture.h"

#include "followup/frmManifestQuery.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using followup::frmManifestQuery;

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");
const QDate kToday(2026, 6, 15);

class ManifestQueryWindow : public testsupport::WindowFixture<frmManifestQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(kToday);
        core::gstrCompanyName = "Orvane Couriers";
        openMonth(kMonth);
        ui::WindowHost::showModal(&window());
        window().activateWindow(); // focus events reach the controls
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        w = &window();
    }

    // A manifest line of 10 June; pairs "Column=value" replace the line's own.
    void manifestLine(const QStringList& pairs)
    {
        const QStringList line{"ManifestNo=5001", "ManifestDate='2026-06-10'", "SerialNo=1", "Origin='ZEL'",
                               "ConsignmentNo=10000000000001", "Destination='VZG'", "Status='NORMAL'"};
        execute(kMonth, testsupport::insertOf("Run_Manifest", line + pairs));
    }
    void show(const QDate& from, const QDate& to)
    {
        w->dtpFromDate->setValue(from);
        w->dtpToDate->setValue(to);
        w->cmdShow->setEnabled(true);
        w->cmdShow->click();
    }
    // The fields as ControlClear leaves them, and the focus on the From date.
    void expectCleared(const QString& number)
    {
        EXPECT_EQ(w->txtOrigin->text(), "");
        EXPECT_EQ(w->cboStatus->currentIndex(), 0);
        EXPECT_EQ(w->cboStatus->count(), 8);
        EXPECT_EQ(w->dtpFromDate->value().date(), kToday);
        EXPECT_EQ(w->dtpToDate->value().date(), kToday);
        EXPECT_EQ(w->txtConsignNo->text(), number);
        EXPECT_EQ(w->focusWidget(), w->dtpFromDate);
    }

    frmManifestQuery* w = nullptr;
};

TEST_F(ManifestQueryWindow, EnterOnADateOfAnotherMonthMovesItIntoTheMonthAndTheNextEnterPasses)
{
    const struct {
        const char* monthDb;
        QDate picked;
        QDate movedTo;
    } cases[] = {
        {"ZELJUN26", QDate(2026, 7, 14), QDate(2026, 6, 14)},
        {"ZELJUN26", QDate(2025, 6, 9), QDate(2026, 6, 9)},   // same month of another year
        {"ZELJUN26", QDate(2026, 5, 31), QDate(2026, 6, 30)}, // June has no 31st
        {"ZELFEB28", QDate(2028, 3, 30), QDate(2028, 2, 28)}, // February capped at 28, leap year or not
    };
    for (const auto& c : cases) {
        core::gstrMonthDB = c.monthDb;
        for (auto [picker, next] : {std::pair<ui::DatePicker*, QWidget*>{w->dtpFromDate, w->dtpToDate},
                                    {w->dtpToDate, w->txtOrigin}}) {
            SCOPED_TRACE(std::string(c.monthDb) + ' ' + picker->objectName().toStdString());
            picker->setFocus();
            w->dtpFromDate->setValue(c.movedTo);
            picker->setValue(c.picked);
            QTest::keyClick(picker, Qt::Key_Return);
            EXPECT_EQ(picker->value().date(), c.movedTo);
            EXPECT_EQ(w->focusWidget(), picker);
            QTest::keyClick(picker, Qt::Key_Return);
            EXPECT_EQ(w->focusWidget(), next);
        }
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());

    // a To date before the From date is refused at Enter
    core::gstrMonthDB = kMonth;
    w->dtpFromDate->setValue(QDate(2026, 6, 10));
    w->dtpToDate->setFocus();
    w->dtpToDate->setValue(QDate(2026, 6, 9));
    QTest::keyClick(w->dtpToDate, Qt::Key_Return);
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "To date should not be less than From Date");
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, "Orvane Couriers");
    EXPECT_EQ(w->focusWidget(), w->dtpToDate);
}

TEST_F(ManifestQueryWindow, KeysLeadOnBackAndFilterWhatIsTyped)
{
    EXPECT_FALSE(w->cmdShow->isEnabled());
    const struct {
        QWidget* from;
        Qt::Key key;
        QWidget* to;
    } steps[] = {
        {w->dtpFromDate, Qt::Key_Return, w->dtpToDate}, {w->dtpToDate, Qt::Key_PageUp, w->dtpFromDate},
        {w->dtpFromDate, Qt::Key_Escape, w->cmdExit},   {w->txtOrigin, Qt::Key_Up, w->dtpToDate},
        {w->txtOrigin, Qt::Key_Return, w->cboStatus},   {w->cboStatus, Qt::Key_PageUp, w->txtOrigin},
        {w->cboStatus, Qt::Key_Return, w->txtConsignNo}, {w->txtConsignNo, Qt::Key_Up, w->cboStatus},
        {w->txtConsignNo, Qt::Key_Return, w->cmdShow},
    };
    for (const auto& s : steps) {
        s.from->setFocus();
        QTest::keyClick(s.from, s.key);
        EXPECT_EQ(w->focusWidget(), s.to) << s.from->objectName().toStdString() << ' ' << s.key;
    }
    EXPECT_TRUE(w->cmdShow->isEnabled()); // Enter in the number box
    EXPECT_EQ(w->dtpFromDate->value().date(), kToday); // PageUp pages through no dates
    EXPECT_EQ(w->cboStatus->currentIndex(), 0);        // nor through the list

    const struct {
        QLineEdit* box;
        const char* typed;
        const char* kept;
    } typing[] = {
        {w->txtOrigin, "b7'", "B"},
        {w->txtOrigin, "vz g-_[", "VZ G_["},
        {w->txtConsignNo, "a", ""},
        {w->txtConsignNo, "12-3'4 5", "12345"},
        {w->txtConsignNo, "123456789012345678", "12345678901234"},
    };
    for (const auto& t : typing) {
        t.box->clear();
        t.box->setFocus();
        QTest::keyClicks(t.box, QString::fromLatin1(t.typed));
        EXPECT_EQ(t.box->text(), QLatin1String(t.kept)) << t.typed;
    }
}

TEST_F(ManifestQueryWindow, AQueryListsTheLinesNumberedWithAnEmptyRowBelowAndNullsEmpty)
{
    manifestLine({"ConsignmentNo=10000000000002", "Destination='BRV'", "SerialNo=7"});
    manifestLine({"ConsignmentNo=10000000000001", "Destination='BRV'", "ManifestDate='2026-06-09'", "Status='DAMAGED'"});
    manifestLine({"ConsignmentNo=10000000000003", "Destination=NULL", "SerialNo=NULL", "ManifestNo=NULL", "Status=NULL"});
    manifestLine({"ManifestDate='2026-06-12'"}); // after the range
    db::StatementCapture capture;
    show(QDate(2026, 6, 9), QDate(2026, 6, 10));

    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(capture.statements(),
              QStringList{followup::manifestQueryStatement({.fromDate = QDate(2026, 6, 9), .toDate = QDate(2026, 6, 10)})});
    EXPECT_EQ(testsupport::rowsWithHeadingsOf(w->msgManifest),
              QStringList({"Sl.No|Date|Destination|Mf.SNo|Manifest No|Con. No|Origin|Status",
                           "1|10-Jun-26||||10000000000003|ZEL|", "2|09-Jun-26|BRV|1|5001|10000000000001|ZEL|DAMAGED",
                           "3|10-Jun-26|BRV|7|5001|10000000000002|ZEL|NORMAL", "|||||||"}));
    EXPECT_TRUE(w->msgManifest->isVisible());
    EXPECT_EQ(w->focusWidget(), w->msgManifest);
    EXPECT_EQ(w->msgManifest->selectionMode(), ui::flexSelectionByRow);
    EXPECT_FALSE(w->cmdShow->isEnabled());
    EXPECT_EQ(w->mRecordset.state(), db::ObjectState::Closed);

    // Enter goes back to the From date and leaves the grid as it is
    QTest::keyClick(w->msgManifest, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), w->dtpFromDate);
    EXPECT_EQ(w->msgManifest->rows(), 5);
    EXPECT_TRUE(w->msgManifest->isVisible());
}

TEST_F(ManifestQueryWindow, EscInTheGridOrOnTheToDateAndAnEmptyResultClearTheFieldsButTheNumber)
{
    manifestLine({});
    const struct {
        const char* name;
        QWidget* field;
    } routes[] = {{"Esc in the grid", w->msgManifest}, {"Esc on the To date", w->dtpToDate}, {"no lines", nullptr}};
    for (const auto& r : routes) {
        SCOPED_TRACE(r.name);
        ui::MessageBoxSeam::clearShown();
        w->txtOrigin->setText(r.field ? "" : "XYZ");
        w->cboStatus->setCurrentIndex(r.field ? 0 : 3);
        w->txtConsignNo->setText(r.field ? "" : "  ");
        show(QDate(2026, 6, 10), QDate(2026, 6, 10));
        if (r.field) {
            ASSERT_TRUE(w->msgManifest->isVisible());
            w->txtOrigin->setText("VZG");
            w->txtConsignNo->setText("42");
            r.field->setFocus();
            QTest::keyClick(r.field, Qt::Key_Escape);
            EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
        } else {
            ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
            EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "RECORDS NOT FOUND");
            EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, "Orvane Couriers");
        }
        EXPECT_EQ(w->msgManifest->isVisibleTo(w), r.field == w->dtpToDate);
        expectCleared(r.field ? "42" : "  ");
    }
}

TEST_F(ManifestQueryWindow, AFailingQueryIsShownAndTheWindowStaysReadyForTheNext)
{
    manifestLine({});
    execute(kMonth, "ALTER TABLE Run_Manifest RENAME TO Run_Manifest_Away");
    w->txtOrigin->setText("VZG");
    show(QDate(2026, 6, 10), QDate(2026, 6, 10));

    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, "Orvane Couriers");
    EXPECT_FALSE(ui::programEnded());
    EXPECT_EQ(w->mRecordset.state(), db::ObjectState::Closed);
    EXPECT_FALSE(w->msgManifest->isVisibleTo(w));
    EXPECT_EQ(w->focusWidget(), w->dtpFromDate);
    EXPECT_EQ(w->txtOrigin->text(), "VZG"); // the fields stay for another try

    execute(kMonth, "ALTER TABLE Run_Manifest_Away RENAME TO Run_Manifest");
    show(QDate(2026, 6, 10), QDate(2026, 6, 10));
    EXPECT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(w->msgManifest->rows(), 3);
}

} // namespace
