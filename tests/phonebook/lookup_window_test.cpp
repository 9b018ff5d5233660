// The phone book's look-up as the clerk uses it, by Enter and Esc alone: the stations in order,
// a station's branches, the contacts of a station or one branch in the grid, one contact in the
// labels; and what a search that finds nothing leaves behind.

#include "PhoneBookFixture.h"

#include "support/GridText.h"

#include "phonebook/frmPhoneBook.h"
#include "phonebook/frmPhoneBookQuery.h"

#include "platform/flexgrid/FlexGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using phonebook::frmPhoneBookQuery;
using testsupport::itemsOf;
using testsupport::rowsOf;

namespace {

class PhoneBookLookUp : public testsupport::PhoneBookFixture<frmPhoneBookQuery> {
protected:
    frmPhoneBookQuery& w() { return window(); }

    void chooseStation(const QString& station)
    {
        w().cboSCode->setCurrentIndex(w().cboSCode->findText(station));
        QTest::keyClick(w().cboSCode, Qt::Key_Return);
    }
    void chooseBranch(const QString& branch)
    {
        w().cboBName->setCurrentIndex(w().cboBName->findText(branch));
        QTest::keyClick(w().cboBName, Qt::Key_Return);
    }
    QStringList labels()
    {
        QStringList texts;
        for (QLabel* label : w().values)
            texts << label->text();
        return texts;
    }
};

const QString kCityRow = "SUR|SURAT|CITY BRANCH|ANITA RAO|MANAGER|12 RING ROAD|ADAJAN|WEST ZONE|395009|9876512345|"
                         "0261-2500|0261-2400|ops@sur.example||";

TEST_F(PhoneBookLookUp, AStationListsItsBranchesAndItsContactsOrOneBranchsContact)
{
    contact("VAP", "PORT");
    contact("SUR", "MAIN OFFICE", {"BrAddress3=NULL", "PinCode=NULL", "CellNo=NULL", "FaxNo=NULL", "DOTNo=NULL",
                                   "Email1=NULL", "Email2=NULL", "Email3=NULL"});
    contact("SUR", "CITY BRANCH", {"BrAddress3='WEST ZONE'"});
    contact("AMD", "CITY BRANCH");
    frmPhoneBookQuery::Open();
    EXPECT_EQ(itemsOf(w().cboSCode), QStringList({"AMD", "SUR", "VAP"}));
    chooseStation("SUR");
    EXPECT_EQ(itemsOf(w().cboBName), QStringList({"CITY BRANCH", "MAIN OFFICE"}));
    EXPECT_EQ(w().cboBName->currentText(), "");
    EXPECT_EQ(w().focusWidget(), w().cboBName);

    const struct {
        QString branch;
        QStringList rows;
    } cases[] = {
        {"", {"1|" + kCityRow, "2|SUR|SURAT|MAIN OFFICE|ANITA RAO|MANAGER|12 RING ROAD|ADAJAN||||||||", "|||||||||||||||"}},
        {"CITY BRANCH", {"1|" + kCityRow, "|||||||||||||||"}},
    };
    for (const auto& c : cases) {
        w().cboBName->setCurrentIndex(w().cboBName->findText(c.branch));
        QTest::keyClick(w().cboBName, Qt::Key_Return);
        EXPECT_EQ(rowsOf(w().msgReport), c.rows) << c.branch.toStdString();
        EXPECT_TRUE(w().msgReport->isVisible());
        EXPECT_EQ(w().focusWidget(), w().msgReport);
    }
    EXPECT_EQ(w().msgReport->textMatrix(0, 5), "Desgination");
}

TEST_F(PhoneBookLookUp, EnterOnAContactShowsItInTheLabelsWithADashForEachNull)
{
    contact("SUR", "MAIN OFFICE", {"StationName=NULL", "BrAddress3=NULL", "PinCode=NULL", "Email1=NULL"});
    frmPhoneBookQuery::Open();
    chooseStation("SUR");
    chooseBranch("MAIN OFFICE");
    w().msgReport->setRow(2); // the empty row below the contact: nothing happens
    QTest::keyClick(w().msgReport, Qt::Key_Return);
    EXPECT_TRUE(w().msgReport->isVisible());
    EXPECT_EQ(labels().join(','), " -, -, -, -, -, -, -, -, -, -, -, -,-,-,-") << "as the window opened";
    w().msgReport->setRow(1);
    QTest::keyClick(w().msgReport, Qt::Key_Return);
    EXPECT_EQ(labels(), QStringList({"SUR", "-", "MAIN OFFICE", "ANITA RAO", "MANAGER", "12 RING ROAD", "ADAJAN", "-",
                                     "-", "9876512345", "0261-2500", "0261-2400", "-", "", ""}));
    EXPECT_FALSE(w().msgReport->isVisible());
    EXPECT_EQ(w().focusWidget(), w().cboSCode);
    EXPECT_EQ(w().msgReport->textMatrix(1, 2), "") << "a Null is an empty cell";
}

TEST_F(PhoneBookLookUp, ASearchWithoutResultEmptiesTheGridAndAnotherStationClearsTheBranches)
{
    frmPhoneBookQuery::Open(); // an empty phone book: no station, and Enter finds no branch
    EXPECT_EQ(w().cboSCode->count(), 0);
    QTest::keyClick(w().cboSCode, Qt::Key_Return);
    EXPECT_EQ(prompts(), QStringList{"Record Not Found"});
    EXPECT_EQ(ui::MessageBoxSeam::shown().value(0).title, QCoreApplication::applicationName());
    ui::DefaultInstance<frmPhoneBookQuery>::unload();
    ui::MessageBoxSeam::clearShown();

    contact("SUR", "CITY BRANCH");
    contact("SUR", "MAIN OFFICE");
    contact("VAP", "PORT");
    frmPhoneBookQuery::Open();
    chooseStation("SUR");
    chooseBranch("");
    ASSERT_EQ(w().msgReport->rows(), 4);
    execute("ZELADMINDB", "DELETE FROM tab_PhoneBook WHERE StationCode='SUR'");
    chooseBranch("CITY BRANCH");
    EXPECT_EQ(rowsOf(w().msgReport), QStringList{"|||||||||||||||"});
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());

    // a station without branches any more: its message, and no branches of another station
    chooseStation("SUR");
    EXPECT_EQ(prompts(), QStringList{"Record Not Found"});
    EXPECT_EQ(w().cboBName->count(), 0);
    EXPECT_EQ(w().focusWidget(), w().cboSCode);
    chooseStation("VAP");
    EXPECT_EQ(itemsOf(w().cboBName), QStringList{"PORT"});
    w().cboSCode->setCurrentIndex(w().cboSCode->findText("SUR"));
    EXPECT_EQ(w().cboBName->count(), 0);
}

TEST_F(PhoneBookLookUp, EscMovesBackToTheStationAndOnlyThereClosesTheWindowAndItsConnection)
{
    contact("SUR", "CITY BRANCH");
    frmPhoneBookQuery::Open();
    chooseStation("SUR");
    chooseBranch("");
    for (QWidget* control : {static_cast<QWidget*>(w().msgReport), static_cast<QWidget*>(w().cboBName)}) {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Escape);
        EXPECT_EQ(w().focusWidget(), w().cboSCode);
        EXPECT_TRUE(w().msgReport->isVisible());
    }
    for (const bool titleBar : {false, true}) {
        frmPhoneBookQuery* shown = &w();
        if (titleBar)
            shown->close();
        else
            QTest::keyClick(shown->cboSCode, Qt::Key_Escape);
        EXPECT_FALSE(ui::DefaultInstance<frmPhoneBookQuery>::loaded());
        EXPECT_FALSE(shown->connected()) << titleBar;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frmPhoneBookQuery::Open();
        EXPECT_EQ(itemsOf(w().cboSCode), QStringList{"SUR"});
    }
}

// A branch name with an apostrophe, pasted into the entry window, is saved, found and shown whole.
TEST_F(PhoneBookLookUp, ABranchNameWithAnApostropheRoundTrips)
{
    using phonebook::frmPhoneBook;
    frmPhoneBook::Open();
    frmPhoneBook& entry = ui::DefaultInstance<frmPhoneBook>::get();
    entry.cmdNew->click();
    const QStringList texts{"SUR", "SURAT", "R. O'NEIL", "MANAGER", "O'NEIL", "1 MG ROAD", "ATHWA", "EAST",
                            "395001", "", "", "", "", "", ""};
    for (int b = 0; b < frmPhoneBook::kBoxCount; ++b)
        entry.boxes()[b]->setText(texts[b]);
    entry.txtEmail3->setFocus();
    QTest::keyClick(entry.txtEmail3, Qt::Key_Return);
    entry.cmdSave->click();
    EXPECT_EQ(prompts(), QStringList{"Successfully Saved..."});
    entry.cmdExit->click();

    frmPhoneBookQuery::Open();
    chooseStation("SUR");
    EXPECT_EQ(itemsOf(w().cboBName), QStringList{"O'NEIL"});
    chooseBranch("O'NEIL");
    w().msgReport->setRow(1);
    QTest::keyClick(w().msgReport, Qt::Key_Return);
    EXPECT_EQ(w().values[phonebook::BranchName]->text(), "O'NEIL");
    EXPECT_EQ(w().values[phonebook::PersonName]->text(), "R. O'NEIL");
    EXPECT_EQ(rows("Select BranchName, PersonName from tab_PhoneBook"), QStringList{"O'NEIL|R. O'NEIL"});
}

} // namespace
