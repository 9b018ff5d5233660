// The older POD enquiry window: its loading, the look-up of a booking or of a consignment known only
// to the manifests, the five earliest non-delivery entries, the status decided at every look-up,
// Null values, quoted text, a failing statement and the blinking status.

#include "support/WindowFixture.h"

#include "podquery/frmPODQuery.h"

#include "core/ModuleState.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");
const QString kAdmin = QStringLiteral("ZELAdminConfig");

class OlderPodWindow : public testsupport::WindowFixture<podquery::frmPODQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        core::gstrBranchName = "Velmora Main";
        openMonth(kMonth);
        core::gcnnAdmin.open(core::ConnectionText(kAdmin));
        execute(kAdmin, "INSERT INTO BranchMaster (BranchCode, BranchName) VALUES ('VLM','Velmora Main'),"
                        " ('O''K','Okara Gate')");
        execute(kMonth, "INSERT INTO Run_ReasonMaster VALUES ('DL','Door locked'), ('A''W','Address wrong'),"
                        " ('NN', NULL)");
    }

    // A booking with every label's column filled; "Column=SQL value" changes follow.
    void booking(qint64 number, const QString& changes = {})
    {
        execute(kMonth, QStringLiteral("INSERT INTO Invoice (ConsignmentNo, BookingDate, Weight, Amount, TransactionMode, "
                                       "Destination, PickUp, DocumentType, BranchCode, FromAddress1, FromAddress4, "
                                       "ToAddress1, ToAddress4, PodDate, DeliveryStatus) VALUES (%1, '2026-06-05', 1.5, "
                                       "250.5, 'Paid', 'DUNMERE', 'Counter', 'Doc', 'VLM', 'Lakshmi Traders', 'North', "
                                       "'R Devi', 'East', '2026-06-10', 'd')")
                            .arg(number));
        if (!changes.isEmpty())
            execute(kMonth, QStringLiteral("UPDATE Invoice SET %1 WHERE ConsignmentNo=%2").arg(changes).arg(number));
    }

    void manifestLine(qint64 number, int manifestNo, const QString& mode = "'AIR'", const QString& destination = "'DUN'")
    {
        execute(kMonth, QStringLiteral("INSERT INTO Manifest (ConsignmentNo, ManifestNo, ManifestDate, ManifestMode, "
                                       "Destination, SlNo, PacketNo) VALUES (%1, %2, '2026-06-06', %3, %4, 7, 3)")
                            .arg(number)
                            .arg(manifestNo)
                            .arg(mode, destination));
    }

    // A non-delivery entry of the day in June.
    void entry(qint64 number, int day, const QString& status, const QString& reasonCode, const QString& forward = "NULL")
    {
        execute(kMonth, QStringLiteral("INSERT INTO OutgoingNonDelvy (TransDate, ConsignmentNo, ReasonCode, EntryStatus, "
                                       "FDestination) VALUES ('2026-06-%1', %2, '%3', '%4', %5)")
                            .arg(day, 2, 10, QLatin1Char('0'))
                            .arg(number)
                            .arg(reasonCode, status, forward));
    }

    static void type(const QString& text)
    {
        window().txtConsignNo->clear();
        QTest::keyClicks(window().txtConsignNo, text);
        QTest::keyClick(window().txtConsignNo, Qt::Key_Return);
    }

    static QStringList entryLines()
    {
        QStringList lines;
        for (int i = 0; i < podquery::frmPODQuery::kNonDeliveryLines; ++i)
            lines << (window().lblNo[i]->isVisibleTo(&window()) ? window().lblNo[i]->text() : "hidden") + " "
                         + window().lblRemainderNo[i]->text() + " | " + window().lblRemainderDate[i]->text();
        return lines;
    }

    static QStringList messages()
    {
        QStringList prompts;
        for (const ui::ShownMessage& m : ui::MessageBoxSeam::shown())
            prompts << m.title + ": " + m.prompt;
        return prompts;
    }

    // Each named label shows its text.
    static void expectLabels(std::initializer_list<std::pair<const char*, const char*>> expected)
    {
        for (const auto& [name, text] : expected)
            EXPECT_EQ(window().findChild<QLabel*>(name)->text(), text) << name;
    }
};

TEST_F(OlderPodWindow, LoadsSilentlyWithOrWithoutItsBackgroundPicture)
{
    for (bool picture : {true, false}) {
        if (!picture)
            QFile::remove(root() + "/BackScreen.jpg");
        EXPECT_EQ(window().lblBranch->text(), "Velmora Main");
        EXPECT_EQ(window().autoFillBackground(), picture);
        EXPECT_EQ(entryLines(), QStringList(5, "hidden  | "));
        EXPECT_TRUE(window().Timer1->isActive());
        EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
        ui::DefaultInstance<podquery::frmPODQuery>::unload();
    }
}

TEST_F(OlderPodWindow, ABookingShowsTheFirstManifestLineAndItsBranch)
{
    booking(5001, "FromAddress2=NULL, DocumentType=NULL, Amount=NULL, PodDate=NULL, BranchCode='O''K'");
    manifestLine(5001, 42);
    manifestLine(5001, 43);
    type("5001");
    expectLabels({{"lblBookingDate", "05-Jun-2026"}, {"lblWeight", "1.500"}, {"lblAmount", "--"}, {"lblMode", "Paid"},
                  {"lblDestination", "DUNMERE"}, {"lblPickup", "Counter"}, {"lblDocumentType", "Non-Documents"},
                  {"lblFromAddress1", "Lakshmi Traders"}, {"lblFromAddress2", "--"}, {"lblToAddress4", "East"},
                  {"lblBranchName", "Okara Gate"}, {"lblPodDate", "--"}, {"lblManifestNo", "42"}, {"lblSlNo", "7"},
                  {"lblPacketNo", "3"}, {"lblManiFestMode", "AIR"}, {"lblManifestDate", "06-Jun-2026"},
                  {"lblManifestDest", "DUN"}, {"lblDeliveryStatus", "DELIVERED"}});
    EXPECT_EQ(window().txtConsignNo->selectedText(), "5001");

    // Null in the columns the labels took unguarded: dashes, and the entries still follow
    booking(5002, "DocumentType='Doc', Amount=250.5");
    manifestLine(5002, 44, "NULL", "NULL");
    entry(5002, 3, "Remainder", "DL");
    type("5002");
    expectLabels({{"lblAmount", "250.50"}, {"lblDocumentType", "Documents"}, {"lblBranchName", "Velmora Main"},
                  {"lblManiFestMode", "--"}, {"lblManifestDest", "--"}});
    EXPECT_EQ(entryLines().first(), "1. Remainder | Door locked - 03-Jun-2026");
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
}

TEST_F(OlderPodWindow, ShowsTheFiveEarliestEntriesEachWithItsOwnReason)
{
    booking(5001);
    entry(5001, 12, "Remainder", "ZZ"); // the sixth by date: not shown
    entry(5001, 3, "Remainder ", "DL");
    entry(5001, 4, "Return", "XX");      // no master row: no reason, not the one above
    entry(5001, 5, "Misroute", "DL", "'  KOVAI '");
    entry(5001, 6, "Hold", "DL");        // another status: its number alone
    entry(5001, 7, "Remainder", "A''W"); // a code with a quote
    type("5001");
    EXPECT_EQ(entryLines(), QStringList({"1. Remainder  | Door locked - 03-Jun-2026", "2. Return |  - 04-Jun-2026",
                                         "3. Misroute | KOVAI - 05-Jun-2026", "4.  | ",
                                         "5. Remainder | Address wrong - 07-Jun-2026"}));

    // a master row without a name gives no reason either; the next number clears the lines
    booking(5002);
    entry(5002, 8, "Return", "NN");
    type("5002");
    EXPECT_EQ(entryLines(), QStringList({"1. Return |  - 08-Jun-2026", "hidden  | ", "hidden  | ", "hidden  | ",
                                         "hidden  | "}));
}

TEST_F(OlderPodWindow, EveryLookUpDecidesTheStatusAndTheFirstBookingStartsTheBlinking)
{
    const auto colour = [] { return window().lblDeliveryStatus->palette().color(QPalette::WindowText); };
    const QColor red(255, 0, 0), yellow(255, 255, 0);
    manifestLine(5002, 77);
    entry(5002, 9, "Return", "DL");
    booking(5001);
    booking(5003, "DeliveryStatus='X'");
    booking(5004, "DeliveryStatus='n'");

    type("5002"); // known only to the manifests: no booking labels, no blinking
    expectLabels({{"lblBookingDate", ""}, {"lblBranchName", ""}, {"lblManifestNo", "77"},
                  {"lblDeliveryStatus", "NON - DELIVERED"}});
    EXPECT_EQ(entryLines().first(), "1. Return | Door locked - 09-Jun-2026");
    window().Timer1_Timer();
    EXPECT_EQ(colour(), red);

    for (auto [number, status] : {std::pair{"5001", "DELIVERED"}, {"5002", "NON - DELIVERED"}, {"5001", "DELIVERED"},
                                  {"5003", "NON - DELIVERED"}, {"5004", "NON - DELIVERED"}}) {
        type(number);
        EXPECT_EQ(window().lblDeliveryStatus->text(), status) << number;
    }
    for (const QColor& expected : {yellow, red, yellow}) {
        window().Timer1_Timer();
        EXPECT_EQ(colour(), expected);
    }
}

TEST_F(OlderPodWindow, TypedNumbersAndTheirMessages)
{
    booking(5001);
    type("a-5!0 01"); // letters and punctuation are dropped, a blank is kept
    EXPECT_EQ(window().txtConsignNo->text(), "50 01");
    EXPECT_EQ(window().lblBookingDate->text(), "05-Jun-2026");

    for (auto [typed, message] : {std::pair{"9999", "Consignment Query: Consign No. not Found"},
                                  {"  ", "Consignment Query: Type Consignment No."}}) {
        ui::MessageBoxSeam::clearShown();
        type("5001");
        type(typed);
        EXPECT_EQ(messages(), QStringList({message}));
        EXPECT_EQ(window().lblBookingDate->text(), "");
        EXPECT_EQ(window().txtConsignNo->text(), "");
    }
}

TEST_F(OlderPodWindow, AFailingStatementIsReportedAndTheWindowStaysOpen)
{
    booking(5001);
    execute(kMonth, "DROP TABLE OutgoingNonDelvy");
    type("5001");
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].icon(), ui::vbInformation);
    EXPECT_FALSE(ui::programEnded());
    EXPECT_EQ(window().lblBookingDate->text(), "05-Jun-2026"); // what was shown before the failure stays

    QTest::keyClick(window().txtConsignNo, Qt::Key_Escape);
    EXPECT_FALSE(ui::DefaultInstance<podquery::frmPODQuery>::loaded());
}

} // namespace
