// The print dialog object: its page and copies fields, how the dialog opens for them, what a
// confirmed, cancelled or failed dialog does to the fields and to the application's printer (the
// installation's PDF printer), and the remembered printer.

#include "support/FileWriting.h"
#include "support/QtPrinters.h"

#include "preview/PrintDialogFlags.h"
#include "preview/PrintDialogSeam.h"
#include "preview/clsPrintDialog.h"

#include "platform/spooler/PrintJob.h"
#include "platform/spooler/Printer.h"
#include "platform/ui/Failure.h"
#include "platform/ui/WindowHost.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace preview;

namespace {

const QString kPdf = QStringLiteral("Quorvel PDF");

// MinPage, FromPage, ToPage, MaxPage.
struct Pages {
    qint32 min, from, to, max;
    friend bool operator==(const Pages&, const Pages&) = default;
};
void PrintTo(const Pages& p, std::ostream* out) { *out << p.min << "<=" << p.from << "<=" << p.to << "<=" << p.max; }
Pages pagesOf(const clsPrintDialog& d) { return {d.MinPage(), d.FromPage(), d.ToPage(), d.MaxPage()}; }
void setPages(clsPrintDialog& d, const Pages& p)
{
    d.SetMinPage(p.min);
    d.SetMaxPage(p.max);
    d.SetFromPage(p.from);
    d.SetToPage(p.to);
}

PrintDialogChoice choice(const QString& device, int copies = 1, QPageLayout::Orientation orientation = QPageLayout::Portrait,
                         QPrinter::ColorMode colour = QPrinter::Color, QPageSize::PageSizeId paper = QPageSize::A4, int from = 0, int to = 0)
{
    return {device, from, to, copies, colour, orientation, QPageSize(paper)};
}

class PrintDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCoreApplication::setApplicationName("Quorvel");
        qputenv("QUORVEL_ROOT", dir.path().toLocal8Bit());
        qputenv("QUORVEL_NO_SYSTEM_PRINTERS", "1");
        testsupport::writeFile(dir.path() + "/printer.ini", "[Printer]\nName=Quorvel PDF\nFolder=Printed\n");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path() + "/settings");
        ui::WindowHost::setNonBlocking(true);
        printer().setOrientation(QPageLayout::Portrait);
        printer().setCopies(1);
        printer().setMonochrome(false);
    }
    void TearDown() override
    {
        PrintDialogSeam::setStandIn({});
        printer().reset();
        qunsetenv("QUORVEL_ROOT");
        qunsetenv("QUORVEL_NO_SYSTEM_PRINTERS");
    }
    static spooler::Printer& printer() { return spooler::Printer::current(); }

    // The next dialogs are answered so; `look` sees each dialog as it would open.
    void answer(PrintDialogAnswer::Outcome outcome, const PrintDialogChoice& choice = {},
                std::function<void(QPrintDialog&)> look = {})
    {
        PrintDialogSeam::setStandIn([=](QPrintDialog& dialog) {
            if (look)
                look(dialog);
            return PrintDialogAnswer{outcome, choice};
        });
    }

    // Shows the real dialog, does `fill` on it as it opens, then presses its Print button; a dialog
    // that stays open is then closed unconfirmed.
    static bool showAndPrint(clsPrintDialog& dialog, qint32 flags, std::function<void(QPrintDialog&)> fill = {})
    {
        ui::WindowHost::setNonBlocking(false);
        QTimer::singleShot(0, [fill] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* shown = qobject_cast<QPrintDialog*>(window); shown && shown->isVisible()) {
                    if (fill)
                        fill(*shown);
                    QTest::mouseClick(shown->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
                    if (shown->isVisible())
                        shown->reject();
                }
        });
        const bool cancelled = dialog.ShowPrinter(flags);
        ui::WindowHost::setNonBlocking(true);
        return cancelled;
    }

    QTemporaryDir dir;
};

TEST_F(PrintDialog, FieldSettersKeepTheirRules)
{
    const std::pair<std::function<void(clsPrintDialog&)>, Pages> pageCases[] = {
        {[](clsPrintDialog& d) { d.SetFromPage(7); d.SetToPage(9); d.SetMaxPage(5); }, {0, 5, 5, 5}},
        {[](clsPrintDialog& d) { d.SetMinPage(6); d.SetToPage(9); d.SetMaxPage(5); }, {5, 5, 5, 5}},
        {[](clsPrintDialog& d) { d.SetFromPage(0); }, {0, 1, 1, 1}},
        {[](clsPrintDialog& d) { d.SetMinPage(4); d.SetFromPage(5); d.SetToPage(-3); }, {1, 1, 1, 5}},
        {[](clsPrintDialog& d) { d.SetMaxPage(10); d.SetToPage(4); d.SetFromPage(6); }, {0, 6, 6, 10}},
        {[](clsPrintDialog& d) { d.SetMinPage(5); d.SetMaxPage(9); d.SetFromPage(2); }, {2, 2, 5, 9}},
    };
    for (std::size_t i = 0; i < std::size(pageCases); ++i) {
        clsPrintDialog dialog;
        pageCases[i].first(dialog);
        EXPECT_EQ(pagesOf(dialog), pageCases[i].second) << "case " << i;
    }
    // copies below 1 read 1; the owner window reads back
    clsPrintDialog dialog;
    EXPECT_EQ(std::make_tuple(dialog.Copies(), dialog.MaxCopies(), dialog.Owner_hWnd()), std::make_tuple(1, 1, 0));
    dialog.SetCopies(0);
    dialog.SetMaxCopies(-2);
    dialog.SetOwner_hWnd(4711);
    EXPECT_EQ(std::make_tuple(dialog.Copies(), dialog.MaxCopies(), dialog.Owner_hWnd()), std::make_tuple(1, 1, 4711));
}

TEST_F(PrintDialog, TheDialogOpensWithTheFieldsThePrinterAndTheOwner)
{
    struct Case {
        Pages pages;
        qint32 flags;
        bool rangeOffered;
        int from, to; // as the dialog's printer holds them
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, 0, false, 0, 0},
        {{1, 2, 5, 12}, 0, true, 2, 5},
        {{1, 2, 5, 12}, pdHidePrintToFile | pdNoPageNums, false, 2, 5},
    };
    QWidget owner;
    owner.show();
    printer().setOrientation(QPageLayout::Landscape);
    for (const Case& c : cases) {
        clsPrintDialog dialog;
        if (c.pages.max)
            setPages(dialog, c.pages);
        dialog.SetCopies(3);
        dialog.SetOwner_hWnd(qint32(owner.winId()));
        int opened = 0;
        answer(PrintDialogAnswer::Cancelled, {}, [&](QPrintDialog& d) {
            ++opened;
            EXPECT_EQ(d.testOption(QAbstractPrintDialog::PrintPageRange), c.rangeOffered);
            EXPECT_EQ(std::make_pair(d.minPage(), d.maxPage()), std::make_pair(c.pages.min, c.pages.max));
            EXPECT_EQ(std::make_pair(d.printer()->fromPage(), d.printer()->toPage()), std::make_pair(c.from, c.to));
            EXPECT_EQ(d.printer()->copyCount(), 3);
            EXPECT_EQ(d.printer()->pageLayout().orientation(), QPageLayout::Landscape);
            EXPECT_EQ(d.parentWidget(), &owner);
            // the PDF printer in use is the dialog's PDF entry: offered whatever the flags say
            EXPECT_TRUE(d.testOption(QAbstractPrintDialog::PrintToFile));
            EXPECT_EQ(d.printer()->outputFileName(), dir.path() + "/Printed/Document-1.pdf");
        });
        EXPECT_TRUE(dialog.ShowPrinter(c.flags));
        EXPECT_EQ(opened, 1);
    }
}

TEST_F(PrintDialog, CancelReturnsTrueOrRaisesItsErrorAndAFailedDialogIsReported)
{
    const char* printerError = "Problem getting printer information from the system. Make sure the printer is set up correctly.";
    struct Case {
        PrintDialogAnswer::Outcome outcome;
        bool cancelError;
        bool returned;      // when nothing is thrown
        const char* number; // thrown: the failure as the house's reporter sees it
        const char* description;
    };
    const Case cases[] = {
        {PrintDialogAnswer::Cancelled, false, true, nullptr, nullptr},
        {PrintDialogAnswer::Cancelled, true, false, "32755", "Cancel."},
        {PrintDialogAnswer::Failed, false, false, "484", printerError},
        {PrintDialogAnswer::Failed, true, false, "484", printerError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.outcome << " " << c.cancelError);
        clsPrintDialog dialog;
        setPages(dialog, {1, 2, 4, 9});
        dialog.CancelError = c.cancelError;
        answer(c.outcome, choice(kPdf, 3, QPageLayout::Landscape, QPrinter::Color, QPageSize::A4, 5, 6));
        try {
            EXPECT_EQ(dialog.ShowPrinter(), c.returned);
            EXPECT_EQ(c.number, nullptr) << "nothing thrown";
        } catch (const std::exception& error) {
            const std::optional<ui::Failure> failure = ui::failureOf(error);
            ASSERT_TRUE(failure) << error.what();
            EXPECT_EQ(failure->number, QString::fromLatin1(c.number));
            EXPECT_EQ(failure->description, QString::fromLatin1(c.description));
            if (const auto* cancel = dynamic_cast<const PrintDialogCancel*>(&error)) {
                EXPECT_EQ(cancel->source(), "PrintDialog");
            }
        }
        EXPECT_EQ(pagesOf(dialog), (Pages{1, 2, 4, 9}));
        EXPECT_EQ(printer().orientation(), QPageLayout::Portrait);
    }
}

TEST_F(PrintDialog, AConfirmedDialogSetsTheRangeAndCarriesItsSettingsToThePrinter)
{
    using L = QPageLayout;
    struct Case {
        const char* name;
        qint32 maxCopies;
        bool allowOrientation;
        PrintDialogChoice chosen;
        Pages pages;
        int copies;
        L::Orientation orientation;
        QPrinter::ColorMode colour;
        QPageSize::PageSizeId paper;
    };
    const Case cases[] = {
        {"default MaxCopies gives 1 copy", 1, true, choice(kPdf, 3), {1, 2, 4, 9}, 1, L::Portrait, QPrinter::Color, QPageSize::A4},
        {"MaxCopies 2 caps 3", 2, true, choice(kPdf, 3, L::Portrait, QPrinter::Color, QPageSize::A4, 3, 7), {1, 3, 7, 9}, 2,
         L::Portrait, QPrinter::Color, QPageSize::A4},
        {"range beyond the limits stored as it is", 1, true,
         choice(kPdf, 1, L::Landscape, QPrinter::GrayScale, QPageSize::A5, 8, 12), {1, 8, 12, 9}, 1, L::Landscape,
         QPrinter::GrayScale, QPageSize::A5},
        {"orientation not allowed, the paper still goes", 1, false, choice(kPdf, 1, L::Landscape, QPrinter::Color, QPageSize::Letter),
         {1, 2, 4, 9}, 1, L::Portrait, QPrinter::Color, QPageSize::Letter},
        {"printer named in other letters", 4, true, choice("QUORVEL pdf", 4), {1, 2, 4, 9}, 4, L::Portrait, QPrinter::Color, QPageSize::A4},
        {"a PDF file is the PDF printer", 1, true, choice("", 1, L::Landscape), {1, 2, 4, 9}, 1, L::Landscape, QPrinter::Color, QPageSize::A4},
        {"a printer that is gone: the rest still goes", 1, true, choice("Nowhere", 1, L::Portrait, QPrinter::GrayScale, QPageSize::A3),
         {1, 2, 4, 9}, 1, L::Portrait, QPrinter::GrayScale, QPageSize::A3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        printer().setOrientation(L::Portrait);
        clsPrintDialog dialog;
        setPages(dialog, {1, 2, 4, 9});
        dialog.SetMaxCopies(c.maxCopies);
        dialog.SetAllowOrientation(c.allowOrientation);
        answer(PrintDialogAnswer::Confirmed, c.chosen);
        EXPECT_FALSE(dialog.ShowPrinter());
        EXPECT_EQ(pagesOf(dialog), c.pages);
        EXPECT_EQ(printer().deviceName(), kPdf);
        EXPECT_TRUE(printer().pageSize().isEquivalentTo(QPageSize(c.paper)));
        const auto document = printer().openJob("Probe");
        EXPECT_EQ(printer().copies(), c.copies);
        EXPECT_EQ(document->device().pageLayout().orientation(), c.orientation);
        EXPECT_EQ(document->ink(QColor(Qt::red)) == QColor(Qt::red), c.colour == QPrinter::Color);
    }
}

TEST_F(PrintDialog, TheRealDialogIsACancelWhenClosedAndItsPrintButtonConfirmsItAsItOpened)
{
    clsPrintDialog dialog;
    setPages(dialog, {1, 2, 5, 12});
    dialog.SetCopies(2);
    dialog.SetMaxCopies(9);
    // windows do not block here: the dialog appears and is gone again unanswered
    EXPECT_TRUE(dialog.ShowPrinter(pdPageNums));

    // Print pressed as the dialog opens, with the printer's folder holding a document of no name;
    // a complaint is noted and closed, and a dialog that stays open is then closed unconfirmed
    testsupport::writeFile(dir.path() + "/Printed/Document-1.pdf", "%PDF");
    QStringList complaints;
    QTimer complaintCloser;
    QObject::connect(&complaintCloser, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            complaints << box->text();
            box->reject();
        }
    });
    complaintCloser.start(10);
    const bool cancelled = showAndPrint(dialog, pdPageNums);
    EXPECT_EQ(complaints, QStringList());
    EXPECT_FALSE(cancelled);
    EXPECT_EQ(pagesOf(dialog), (Pages{1, 2, 5, 12}));
    EXPECT_EQ(printer().copies(), 2);
    for (const char* line : {"Consignment 4711 collected", "Consignment 4712 collected"}) {
        printer().print(line);
        printer().endDoc();
    }
    EXPECT_EQ(QDir(dir.path() + "/Printed").entryList(QDir::Files), QStringList({"Document-1.pdf", "Quorvel-1.pdf", "Quorvel-2.pdf"}));
}

TEST_F(PrintDialog, TheNextDocumentGoesToTheFileTypedIntoTheDialog)
{
    const QString typed = dir.path() + "/POD 4711.pdf";
    clsPrintDialog dialog;
    EXPECT_FALSE(showAndPrint(dialog, 0, [&](QPrintDialog& shown) {
        auto* file = shown.findChild<QLineEdit*>("filename");
        QTest::mouseClick(file, Qt::LeftButton);
        QTest::keyClick(file, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(file, typed);
    }));
    // the document after it goes to the printer's folder again
    for (const char* line : {"Consignment 4711 delivered", "Consignment 4712 delivered"}) {
        printer().print(line);
        printer().endDoc();
    }
    QProcess text;
    text.start("pdftotext", {typed, "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    EXPECT_EQ(text.readAllStandardOutput().trimmed(), "Consignment 4711 delivered");
    EXPECT_EQ(QDir(dir.path() + "/Printed").entryList({"*.pdf"}, QDir::Files), QStringList{"Quorvel-1.pdf"});
}

TEST_F(PrintDialog, ReleasingTheObjectRemembersThePrinter)
{
    const auto remembered = [] {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, "Quorvel").value("Options/Printer", "None").toString();
    };
    EXPECT_EQ(remembered(), "None");
    {
        clsPrintDialog dialog;
        answer(PrintDialogAnswer::Confirmed, choice("quorvel PDF"));
        dialog.ShowPrinter();
    }
    EXPECT_EQ(remembered(), kPdf);
    // without any printer there is nothing to remember, and releasing still succeeds
    QFile::remove(dir.path() + "/printer.ini");
    { clsPrintDialog dialog; }
    EXPECT_EQ(remembered(), kPdf);
}

} // namespace
