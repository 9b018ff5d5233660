// The phone book's entry window as the clerk uses it: boxes filled with Enter, New and Save, the
// replace question, editing and deleting from the list, each write checked in the table afterwards;
// and what the window must never do: overwrite a contact it no longer shows, save an empty key,
// report success for a contact that is gone, or lose a save after a failed one.

#include "PhoneBookFixture.h"

#include "phonebook/frmPhoneBook.h"

#include "platform/flexgrid/FlexGrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using phonebook::frmPhoneBook;

namespace {

const QString kKeys = "Select StationCode, BranchName from tab_PhoneBook order by StationCode, BranchName";
const QString kWritten = "Select StationCode, BranchName, PersonName, CreateUser, CreateDate, ModiUser, ModiDate, "
                         "MachineId from tab_PhoneBook order by BranchName";

class PhoneBookEntry : public testsupport::PhoneBookFixture<frmPhoneBook> {
protected:
    frmPhoneBook& w() { return window(); }

    void open() { frmPhoneBook::Open(); }

    // New, then the fifteen boxes as pasted (in Enter order), then Save enabled by Enter in the
    // last e-mail box.
    void enterNew(const QStringList& texts)
    {
        w().cmdNew->click();
        fill(texts);
    }
    void fill(const QStringList& texts)
    {
        for (int b = 0; b < frmPhoneBook::kBoxCount; ++b)
            w().boxes()[b]->setText(texts.value(b));
        w().txtEmail3->setFocus();
        QTest::keyClick(w().txtEmail3, Qt::Key_Return);
    }
    void save()
    {
        ui::MessageBoxSeam::clearShown();
        w().cmdSave->click();
    }

    // Edit, then Enter on the list row of the branch.
    void loadForEditing(const QString& branch)
    {
        w().cmdEdit->click();
        for (int r = 1; r < w().msgReport->rows(); ++r)
            if (w().msgReport->textMatrix(r, 3) == branch)
                w().msgReport->setRow(r);
        QTest::keyClick(w().msgReport, Qt::Key_Return);
    }
};

QStringList entry(const QString& station, const QString& branch, const QString& person = "RAVI NAIR")
{
    return {station,  "SURAT",    person,       "MANAGER", branch, "1 MG ROAD", "ATHWA",      "EAST",
            "395001", "98765000", "0261-1000", "",        "a@b.example", "",        ""};
}

TEST_F(PhoneBookEntry, ANewContactTypedBoxByBoxIsStoredTrimmedAndUpperCasedWithItsCreator)
{
    open();
    w().cmdNew->click();
    const QStringList typed{" sur",  "surat", "anita rao", "manager", "city branch ", "12 ring road", "adajan",
                            "west zone", "395009", "98765", "0261-2400", "0261-2500", "Ops@Sur.Example", "", ""};
    for (int b = 0; b < frmPhoneBook::kBoxCount; ++b) {
        QTest::keyClicks(w().boxes()[b], typed[b]);
        QTest::keyClick(w().boxes()[b], Qt::Key_Return);
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(w().focusWidget(), w().cmdSave);
    save();
    EXPECT_EQ(prompts(), QStringList{"Successfully Saved..."});
    EXPECT_EQ(ui::MessageBoxSeam::shown().value(0).title, "Company Master");
    EXPECT_EQ(rows("Select * from tab_PhoneBook"),
              QStringList{"SUR|SURAT|CITY BRANCH|ANITA RAO|MANAGER|12 RING ROAD|ADAJAN|WEST ZONE|395009|98765|"
                          "0261-2500|0261-2400|Ops@Sur.Example|||meera|2026-12-06 12:00:00|NULL|NULL|NULL"});
    EXPECT_FALSE(w().cmdSave->isEnabled());
    EXPECT_FALSE(w().txtStationCode->isEnabled());
    EXPECT_EQ(w().txtStationCode->text(), " SUR") << "the saved values stay shown";
}

TEST_F(PhoneBookEntry, AnExistingKeyAsksToReplaceAndOnlyYesRewritesThatContact)
{
    contact("SUR", "CITY BRANCH");
    contact("SUR", "MAIN OFFICE");
    open();
    const struct {
        int answer;
        QStringList prompts;
        QStringList written;
        QString boxAfter;
    } cases[] = {
        {ui::vbNo,
         {"Station Name and Corressponding Branch Name Already Exist Do U Want Replace ? "},
         {"SUR|CITY BRANCH|ANITA RAO|ADMIN|2026-11-30 09:00:00|NULL|NULL|NULL",
          "SUR|MAIN OFFICE|ANITA RAO|ADMIN|2026-11-30 09:00:00|NULL|NULL|NULL"},
         ""},
        {ui::vbYes,
         {"Station Name and Corressponding Branch Name Already Exist Do U Want Replace ? ", "Successfully Updated..."},
         {"SUR|CITY BRANCH|RAVI NAIR|ADMIN|2026-11-30 09:00:00|meera|2026-12-06 12:00:00|MEERA-PC",
          "SUR|MAIN OFFICE|ANITA RAO|ADMIN|2026-11-30 09:00:00|NULL|NULL|NULL"},
         "SUR"},
    };
    for (const auto& c : cases) {
        enterNew(entry("SUR", "CITY BRANCH"));
        ui::MessageBoxSeam::setNextAnswer(c.answer);
        save();
        EXPECT_EQ(prompts(), c.prompts) << c.answer;
        EXPECT_EQ(ui::MessageBoxSeam::shown().value(0).style, ui::vbYesNo | ui::vbQuestion | ui::vbDefaultButton2);
        EXPECT_EQ(rows(kWritten), c.written) << c.answer;
        EXPECT_EQ(w().txtStationCode->text(), c.boxAfter) << c.answer;
    }
}

TEST_F(PhoneBookEntry, AnEditRewritesTheLoadedContactUnderItsNewKeyButNeverOntoAnotherContact)
{
    contact("SUR", "CITY BRANCH");
    contact("SUR", "MAIN OFFICE");
    open();
    const struct {
        QString newBranch;
        QString prompt;
        QStringList keys;
    } cases[] = {
        {"MAIN OFFICE", "Another contact has this Station Code and Branch Name. Nothing was saved.",
         {"SUR|CITY BRANCH", "SUR|MAIN OFFICE"}},
        {"AIRPORT", " Successfully Updated", {"SUR|AIRPORT", "SUR|MAIN OFFICE"}},
    };
    for (const auto& c : cases) {
        loadForEditing("CITY BRANCH");
        EXPECT_EQ(w().txtPersonName->text(), "ANITA RAO");
        EXPECT_FALSE(w().msgReport->isVisible());
        w().txtBranchName->setText(c.newBranch);
        fill(entry("SUR", c.newBranch));
        QTest::keyClick(w().txtPersonName, Qt::Key_Escape); // the boxes disable, Save stays enabled
        save();
        EXPECT_EQ(prompts(), QStringList{c.prompt});
        EXPECT_EQ(rows(kKeys), c.keys);
        // a refusal leaves the entry, and Save, to the clerk to correct
        EXPECT_EQ(w().cmdSave->isEnabled() && w().txtBranchName->isEnabled(), c.prompt.endsWith("Nothing was saved."));
    }
}

TEST_F(PhoneBookEntry, EscOnTheListForgetsTheLoadedContactSoTheNextSaveWritesNothing)
{
    contact("SUR", "CITY BRANCH");
    open();
    loadForEditing("CITY BRANCH");
    w().cmdEdit->click();
    QTest::keyClick(w().msgReport, Qt::Key_Escape);
    EXPECT_EQ(w().txtStationCode->text(), "");
    EXPECT_EQ(w().mMode, "Edit");
    fill(entry("VAP", "PORT BRANCH"));
    save();
    EXPECT_EQ(prompts(), QStringList{"Choose the contact to change from the list (Enter on its row). Nothing was saved."});
    EXPECT_TRUE(w().cmdSave->isEnabled() && w().txtStationCode->isEnabled()) << "the entry stays to be corrected";
    EXPECT_EQ(rows(kKeys), QStringList{"SUR|CITY BRANCH"});
    EXPECT_EQ(rows(kWritten).value(0), "SUR|CITY BRANCH|ANITA RAO|ADMIN|2026-11-30 09:00:00|NULL|NULL|NULL");
}

TEST_F(PhoneBookEntry, AContactDeletedMeanwhileIsReportedNotFoundOnEditAndOnDelete)
{
    open();
    const struct {
        bool deleting;
        QString prompt;
    } cases[] = {
        {false, "Contact Not Found: it was deleted meanwhile. Nothing was saved."},
        {true, "Contact Not Found: it was deleted meanwhile."},
    };
    for (const auto& c : cases) {
        contact("SUR", "CITY BRANCH");
        loadForEditing("CITY BRANCH");
        fill(entry("SUR", "CITY BRANCH", "NEW NAME"));
        if (c.deleting)
            w().cmdEdit->click(); // the list shows the contact again
        execute("ZELADMINDB", "DELETE FROM tab_PhoneBook");
        ui::MessageBoxSeam::clearShown();
        if (c.deleting) {
            ui::MessageBoxSeam::setNextAnswer(ui::vbYes);
            QTest::keyClick(w().msgReport, Qt::Key_F8);
            EXPECT_EQ(prompts(), QStringList({"Are You Sure To Delete", c.prompt}));
        } else {
            save();
            EXPECT_EQ(prompts(), QStringList{c.prompt});
            EXPECT_TRUE(w().cmdSave->isEnabled() && w().txtPersonName->isEnabled());
            EXPECT_EQ(w().txtPersonName->text(), "NEW NAME");
        }
        EXPECT_TRUE(rows(kKeys).isEmpty());
    }
}

TEST_F(PhoneBookEntry, AFailedWriteIsRolledBackSoTheNextSaveSurvivesClosing)
{
    contact("SUR", "CITY BRANCH");
    open();
    loadForEditing("CITY BRANCH");
    fill(entry("SUR", "CITY BRANCH", "FIRST TRY"));
    execute("ZELADMINDB", "ALTER TABLE tab_PhoneBook RENAME TO tab_Away");
    save();
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_TRUE(prompts()[0].contains("tab_PhoneBook")) << prompts()[0].toStdString();
    EXPECT_TRUE(w().cmdSave->isEnabled()) << "the clerk can save again";
    execute("ZELADMINDB", "ALTER TABLE tab_Away RENAME TO tab_PhoneBook");
    w().txtPersonName->setText("SECOND TRY");
    save();
    EXPECT_EQ(prompts(), QStringList{" Successfully Updated"});
    w().cmdExit->click();
    EXPECT_EQ(rows("Select PersonName from tab_PhoneBook"), QStringList{"SECOND TRY"});
}

TEST_F(PhoneBookEntry, EveryWayOfClosingClosesTheConnectionSoTheWindowOpensAgain)
{
    contact("SUR", "CITY BRANCH");
    for (const bool titleBar : {true, false}) {
        open();
        ASSERT_TRUE(w().connected());
        frmPhoneBook* shown = &w();
        if (titleBar)
            shown->close();
        else
            shown->cmdExit->click();
        EXPECT_FALSE(shown->connected()) << titleBar;
        EXPECT_FALSE(ui::DefaultInstance<frmPhoneBook>::loaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    open();
    w().cmdView->click();
    EXPECT_EQ(w().msgReport->textMatrix(1, 3), "CITY BRANCH");
}

TEST_F(PhoneBookEntry, AConnectionThatCannotOpenIsReportedAndTheWindowIsNotShown)
{
    core::gstrServerName = "NOSERVER";
    open();
    EXPECT_EQ(prompts(), QStringList{"[DBNETLIB][ConnectionOpen (Connect()).]Specified SQL server not found."});
    EXPECT_FALSE(ui::DefaultInstance<frmPhoneBook>::loaded());
    EXPECT_FALSE(ui::programEnded());
}

TEST_F(PhoneBookEntry, DeletingAsksFirstAndTheListFollowsTheTable)
{
    contact("SUR", "CITY BRANCH");
    open();
    const struct {
        int answer;
        QStringList prompts;
        QStringList keys;
        QString firstListed;
        int gridRows;
    } cases[] = {
        {ui::vbNo, {"Are You Sure To Delete", "Process Aborted"}, {"SUR|CITY BRANCH"}, "CITY BRANCH", 3},
        {ui::vbYes, {"Are You Sure To Delete", " Successfully Deleted"}, {}, "", 2},
    };
    for (const auto& c : cases) {
        w().cmdView->click();
        w().msgReport->setRow(1);
        ui::MessageBoxSeam::clearShown();
        ui::MessageBoxSeam::setNextAnswer(c.answer);
        QTest::keyClick(w().msgReport, Qt::Key_F8);
        EXPECT_EQ(prompts(), c.prompts);
        EXPECT_EQ(rows(kKeys), c.keys);
        EXPECT_EQ(w().msgReport->textMatrix(1, 3), c.firstListed) << "the last contact deleted leaves no row";
        EXPECT_EQ(w().msgReport->rows(), c.gridRows);
    }
}

TEST_F(PhoneBookEntry, EnterAndF8OnTheEmptyBottomRowDoNothing)
{
    contact("", "");
    contact("SUR", "CITY BRANCH");
    open();
    w().cmdEdit->click();
    ASSERT_EQ(w().msgReport->rows(), 4);
    ui::MessageBoxSeam::clearShown();
    for (const Qt::Key key : {Qt::Key_F8, Qt::Key_Return}) {
        w().msgReport->setRow(3);
        QTest::keyClick(w().msgReport, key);
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(rows(kKeys), QStringList({"|", "SUR|CITY BRANCH"}));
    EXPECT_FALSE(w().txtStationCode->isEnabled());
}

TEST_F(PhoneBookEntry, SaveRepeatsTheEnterChecksAndNeverStoresAnEmptyKey)
{
    open();
    // a full entry, Save enabled, Esc in a box: Save stays enabled
    enterNew(entry("SUR", "CITY BRANCH"));
    QTest::keyClick(w().txtEmail3, Qt::Key_Escape);
    ASSERT_TRUE(w().cmdSave->isEnabled());
    EXPECT_EQ(w().focusWidget(), w().cmdExit);
    const struct {
        QLineEdit* box;
        QString text;
        QString prompt;
        QString title;
    } cases[] = {
        {w().txtBranchName, "   ", "Branch Name Should not be Balnt", "The Company Master"},
        {w().txtAddress3, "", "TextBox should not be blank", "Tessvik Tech"},
        {w().txtEmail2, "ops.sur", "Enter Valid Email Address", "Company Master"},
        {w().txtStationCode, "", "Type Company Code", "Company Information"},
    };
    for (const auto& c : cases) {
        fill(entry("SUR", "CITY BRANCH"));
        c.box->setText(c.text); // by the mouse or pasted: no Enter checked it
        save();
        EXPECT_EQ(prompts(), QStringList{c.prompt});
        EXPECT_EQ(ui::MessageBoxSeam::shown().value(0).title, c.title);
        EXPECT_TRUE(c.box->isEnabled());
        EXPECT_EQ(w().focusWidget(), c.box) << c.prompt.toStdString();
    }
    // New empties every box; Save still enabled from before
    w().cmdNew->click();
    save();
    EXPECT_EQ(prompts(), QStringList{"Type Company Code"});
    EXPECT_TRUE(rows(kKeys).isEmpty());
}

TEST_F(PhoneBookEntry, TypedKeysAreUpperCasedFilteredOrDroppedPerBox)
{
    open();
    w().cmdNew->click();
    const struct {
        QLineEdit* box;
        QString typed;
        QString shown;
    } cases[] = {
        {w().txtStationCode, "sur'a", "SURA"},       {w().txtStationName, "o'neil", "O'NEIL"},
        {w().txtBranchName, "o'neil", "O'NEIL"},     {w().txtPersonName, "d'cruz", "DCRUZ"},
        {w().txtAddress3, "block 7/b", "BLOCK /B"}, {w().txtPinCode, "12.5.56", "12.55"},
        {w().txtMobileNo, "98'7x", "987X"},          {w().txtEmail1, "Ops'@Sur.in", "Ops@Sur.in"},
        {w().txtFaxNo, "a'b", "A'B"},
    };
    for (const auto& c : cases) {
        c.box->setEnabled(true);
        c.box->setFocus();
        QTest::keyClicks(c.box, c.typed);
        EXPECT_EQ(c.box->text(), c.shown) << c.box->objectName().toStdString();
    }
}

TEST_F(PhoneBookEntry, EnterChecksEachBoxAndMovesOn)
{
    open();
    w().cmdNew->click();
    const struct {
        QLineEdit* box;
        QString text;
        QString prompt; // "" when Enter passes
        QString textAfter;
        QWidget* focus;
    } cases[] = {
        {w().txtStationCode, " ", "Type Company Code", " ", w().txtStationCode},
        {w().txtStationName, "", "Type the Company Name.", "", w().txtStationName},
        {w().txtPersonName, "", "Type Company Code", "", w().txtPersonName}, // the station code is blank
        {w().txtAddress2, " ", "Address Should not be Empty", " ", w().txtAddress2},
        {w().txtAddress3, " ", "TextBox should not be blank", "", w().txtAddress3},
        {w().txtPinCode, "", "TextBox should not be blank", "", w().txtPinCode},
        {w().txtMobileNo, "", "", "", w().txtPhoneNo},
        {w().txtEmail1, "ops", "Enter Valid Email Address", "", w().txtEmail1},
        {w().txtEmail2, "ops", "Enter Valid Email Address", "ops", w().txtEmail2},
        {w().txtEmail1, "", "", "", w().txtEmail2},
        {w().txtEmail3, "x@y", "", "x@y", w().cmdSave},
    };
    for (const auto& c : cases) {
        ui::MessageBoxSeam::clearShown();
        c.box->setText(c.text);
        c.box->setFocus();
        QTest::keyClick(c.box, Qt::Key_Return);
        EXPECT_EQ(prompts(), c.prompt.isEmpty() ? QStringList{} : QStringList{c.prompt}) << c.box->objectName().toStdString();
        EXPECT_EQ(c.box->text(), c.textAfter) << c.box->objectName().toStdString();
        EXPECT_EQ(w().focusWidget(), c.focus) << c.box->objectName().toStdString();
    }
    EXPECT_TRUE(w().cmdSave->isEnabled());
}

TEST_F(PhoneBookEntry, UpMovesBackOnKeyDownOrKeyUpAsEachBoxDoes)
{
    open();
    w().cmdNew->click();
    w().cmdSave->setEnabled(true);
    const struct {
        QWidget* from;
        QWidget* to;
    } cases[] = {
        {w().txtStationCode, w().txtStationCode}, {w().txtStationName, w().txtStationCode},
        {w().txtDesignation, w().txtPersonName},  {w().txtBranchName, w().txtStationName},
        {w().txtPinCode, w().txtStationName},     // down to the third address line, up from there
        {w().txtMobileNo, w().txtPinCode},        {w().txtEmail3, w().txtEmail2},
        {w().cmdSave, w().txtEmail2},
    };
    for (const auto& c : cases) {
        c.from->setFocus();
        // the key goes down and comes up in whichever control has the focus at the time
        QTest::keyPress(w().focusWidget(), Qt::Key_Up);
        QTest::keyRelease(w().focusWidget(), Qt::Key_Up);
        EXPECT_EQ(w().focusWidget(), c.to) << c.from->objectName().toStdString();
    }
}

} // namespace
