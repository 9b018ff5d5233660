// The missing-POD window's entry order and save: the key rules, Enter through the boxes, Save
// offered only for the number looked up, insert or update by whether the row exists, failures
// rolled back and reported, and the letter printed after a Yes.

#include "MissingPodFixture.h"

#include "platform/db/DbError.h"
#include "platform/db/StatementLog.h"

#include <QDir>
#include <QProcess>

using misspodtest::kMonth;
using misspodtest::kToday;

namespace {

class MissingPodSave : public misspodtest::MissingPodFixture {
protected:
    void TearDown() override
    {
        qunsetenv("QUORVEL_NO_SYSTEM_PRINTERS");
        MissingPodFixture::TearDown();
    }
    QStringList printed() const { return QDir(root() + "/Printed").entryList({"*.pdf"}, QDir::Files); }
    static void save(int printAnswer)
    {
        ui::MessageBoxSeam::setNextAnswer(printAnswer);
        QTest::mouseClick(window().cmdSave, Qt::LeftButton);
    }
    static int shownCount() { return int(ui::MessageBoxSeam::shown().size()); }
};

TEST_F(MissingPodSave, EachBoxTakesItsKeysAndEnterMovesOnOnlyFromAnAcceptedValue)
{
    lookUp("500");
    auto& w = window();
    const struct {
        QLineEdit* box;
        QString keys, text;
        QWidget* focusAfterEnter;
        const char* message;
    } cases[] = {
        {w.txtFrAdd[0], "  ", "  ", w.txtFrAdd[0], "From Addr Should not be Blank"},
        {w.txtFrAdd[0], QString(45, 'a'), QString(40, 'A'), w.txtFrAdd[1], ""},
        {w.txtFrAdd[3], "o'hara & co.", "OHARA & CO.", w.txtToAddr[0], ""},
        {w.txtToAddr[0], "", "", w.txtToAddr[0], "To Addr Should not be Blank"},
        {w.txtToAddr[3], "", "", w.dtpMFDate, ""},
        {w.txtMFDestination, " ", " ", w.txtMFDestination, ""},
        {w.txtMFDestination, "dun'", " DUN", w.txtManifestNo, ""},
        {w.txtManifestNo, "0a.'", "0", w.txtManifestNo, ""},
        {w.txtManifestNo, "0", "00", w.txtManifestNo, ""},
        {w.txtManifestNo, "7 123456789012345", "007 1234567890", w.txtMFSlNo, ""},
        {w.txtMFPktNo, "5678", "567", w.cmdSave, ""},
    };
    for (const auto& c : cases) {
        ui::MessageBoxSeam::clearShown();
        c.box->setFocus();
        QTest::keyClicks(c.box, c.keys);
        EXPECT_EQ(c.box->text(), c.text) << c.keys.toStdString();
        enter(c.box);
        EXPECT_EQ(w.focusWidget(), c.focusAfterEnter) << c.keys.toStdString();
        EXPECT_EQ(shownCount() ? ui::MessageBoxSeam::shown()[0].prompt : QString(), c.message);
    }
}

TEST_F(MissingPodSave, TheManifestDateIsMovedIntoTheMonthFirst)
{
    auto& w = window();
    const struct {
        QString monthDatabase;
        QDate picked, afterFirstEnter;
    } cases[] = {
        {"ZELDEC26", QDate(2025, 12, 31), QDate(2026, 12, 31)},
        {"ZELNOV26", QDate(2026, 12, 31), QDate(2026, 11, 30)},
        {"ZELFEB27", QDate(2026, 12, 30), QDate(2027, 2, 28)},
    };
    for (const auto& c : cases) {
        core::gstrMonthDB = c.monthDatabase;
        w.dtpMFDate->setValue(c.picked);
        w.dtpMFDate->setFocus();
        enter(w.dtpMFDate);
        EXPECT_EQ(w.dtpMFDate->value().date(), c.afterFirstEnter);
        enter(w.dtpMFDate);
        EXPECT_EQ(w.focusWidget(), w.txtMFDestination) << "the second Enter accepts it";
    }
}

TEST_F(MissingPodSave, SaveIsOfferedOnlyForTheNumberLookedUp)
{
    booking(700);
    manifest(700);
    auto& w = window();
    const struct {
        const char* name;
        std::function<void()> afterLookUp;
        bool offered;
    } cases[] = {
        {"boxes confirmed", [] {}, true},
        {"a new number typed", [&w] { QTest::keyClicks(w.txtConsignNo, "1"); }, false},
        {"a new number pasted", [&w] { w.txtConsignNo->setText("701"); }, false},
        {"the same number with leading zeros", [&w] { w.txtConsignNo->setText("0700"); }, true},
        {"a completed save", [] { confirmAll(); save(ui::vbNo); }, false},
        {"Esc in a box", [&w] { QTest::keyClick(w.txtToAddr[2], Qt::Key_Escape); }, false},
    };
    for (const auto& c : cases) {
        lookUp("700");
        c.afterLookUp();
        confirmAll();
        w.txtMFPktNo->setText("5"); // also typed into boxes blanked by a save or Esc
        enter(w.txtMFPktNo);
        EXPECT_EQ(w.cmdSave->isEnabled(), c.offered) << c.name;
    }
    db::StatementCapture capture;
    save(ui::vbNo);
    EXPECT_TRUE(capture.statements().isEmpty()) << "blank boxes are never written over the record";
    // Esc cleared the boxes and kept the number
    EXPECT_EQ(w.txtConsignNo->text(), "700");
    EXPECT_TRUE(w.txtFrAdd[0]->text().isEmpty());
    EXPECT_EQ(w.dtpMFDate->value().date(), kToday);
}

TEST_F(MissingPodSave, TheFirstSaveInsertsLaterOnesUpdateTheRow)
{
    booking(800, {"ToAddress2='O''HARA & CO'"});
    manifest(800);
    booking(801);
    manifest(801);
    auto& w = window();
    const QString row800 = "800|2026-11-28|LAKSHMI TRADERS|12 BAY ROAD|VELMORA|%1|R DEVI|O'HARA & CO|DUNMERE|EAST|"
                           "2026-12-02|DUN|9001|11|%2";

    lookUp("0800");
    confirmAll();
    save(ui::vbNo);
    EXPECT_EQ(ui::MessageBoxSeam::shown().at(0).prompt, "Do You Want To Print the Letter .........!");
    EXPECT_FALSE(w.cmdSave->isEnabled()) << "no second row from a second click";
    EXPECT_TRUE(w.txtFrAdd[0]->text().isEmpty());
    EXPECT_EQ(w.focusWidget(), w.txtConsignNo);
    EXPECT_EQ(savedRows(), QStringList{row800.arg("NORTH", "4")});

    lookUp("800");
    w.txtFrAdd[3]->setText("  SOUTH ");
    w.txtMFPktNo->setText("6");
    confirmAll();
    save(ui::vbNo);
    EXPECT_EQ(savedRows(), QStringList{row800.arg("SOUTH", "6")});

    // a row written elsewhere since the look-up is updated, not inserted again
    lookUp("801");
    confirmAll();
    execute(kMonth, "INSERT INTO MissingPOD (ConsignmentNo, FromAddress1) VALUES (801, 'OTHER DESK')");
    save(ui::vbNo);
    EXPECT_TRUE(savedRows().value(1).startsWith("801|2026-11-28|LAKSHMI TRADERS|")) << savedRows().join('\n').toStdString();
    EXPECT_EQ(shownCount(), 3) << "three print questions, no error";
    EXPECT_TRUE(printed().isEmpty());
}

TEST_F(MissingPodSave, AFailingSaveIsRolledBackAndAsksNothing)
{
    booking(900);
    manifest(900);
    lookUp("900");
    confirmAll();
    execute(kMonth, "ALTER TABLE MissingPOD RENAME COLUMN MFPacketNo TO PacketNo");
    save(ui::vbYes);
    ASSERT_EQ(shownCount(), 1) << "the error, and no print question";
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, "Orvane Couriers");
    EXPECT_THROW(core::gcnnMonth.rollbackTrans(), db::DbError) << "no transaction left open";
    EXPECT_EQ(window().txtFrAdd[0]->text(), "LAKSHMI TRADERS") << "the boxes stay for another try";
    EXPECT_TRUE(printed().isEmpty());
}

TEST_F(MissingPodSave, YesPrintsTheLetterAndAPrinterFailureKeepsTheRecord)
{
    booking(12345678901234);
    manifest(12345678901234);
    lookUp("12345678901234");
    confirmAll();
    save(ui::vbYes);
    ASSERT_EQ(printed().size(), 1);
    QProcess run;
    run.start("pdftotext", {"-layout", root() + "/Printed/" + printed()[0], "-"});
    ASSERT_TRUE(run.waitForFinished(30000));
    EXPECT_TRUE(run.readAllStandardOutput().contains("28-Nov-2026 12345678901234 LAKSHMI TRADERS"));

    QFile::remove(root() + "/printer.ini");
    qputenv("QUORVEL_NO_SYSTEM_PRINTERS", "1");
    ui::MessageBoxSeam::clearShown();
    lookUp("12345678901234");
    confirmAll();
    save(ui::vbYes);
    ASSERT_EQ(shownCount(), 2);
    EXPECT_TRUE(ui::MessageBoxSeam::shown()[1].prompt.contains("printer"));
    EXPECT_EQ(savedRows().size(), 1);
    EXPECT_EQ(window().focusWidget(), window().txtConsignNo);
}

} // namespace
