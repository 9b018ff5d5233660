// The preview's print panel: the page-range boxes, printing pages as jobs of their own to the
// installation's PDF printer, the clipboard, Print All and Exit, a run whose pages fail, and documents
// the disk cannot take.

#include "support/FileWriting.h"
#include "support/FullDisk.h"
#include "support/QtPrinters.h"

#include "preview/PageFiles.h"
#include "preview/PrintPanel.h"
#include "preview/clsMultiPgPreview.h"
#include "preview/frmMultiPgPreview.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/spooler/Printer.h"
#include "platform/ui/MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace preview;

namespace {

class PrintPanelTest : public ::testing::Test, public QObject {
protected:
    void SetUp() override
    {
        ui::MessageBoxSeam::startAnswering();
        ui::MessageBoxSeam::clearShown();
        qputenv("QUORVEL_ROOT", root.path().toLocal8Bit());
        qputenv("QUORVEL_NO_SYSTEM_PRINTERS", "1");
        testsupport::writeFile(root.filePath("printer.ini"), "[Printer]\nName=Quorvel PDF\nFolder=Printed\n");
        engine.setOrientation(1);
        openWindow();
    }
    void openWindow()
    {
        pages.setAutoRemove(false);
        QDir().mkpath(pages.path());
        for (int page = 0; page < 5; ++page) {
            QImage picture(300, 400, QImage::Format_RGB32);
            picture.fill(QColor(page * 40, 0, 0));
            ASSERT_TRUE(picture.save(pageFilePath(pages.path(), page), "BMP"));
        }
        window = new frmMultiPgPreview(pages.path(), 4, &engine);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        panel = window->picPrintOptions;
        panel->lblPrintingPg->installEventFilter(this);
    }
    void TearDown() override
    {
        if (window)
            window->close();
        QDir(pages.path()).removeRecursively();
        spooler::Printer::current().reset();
        ui::MessageBoxSeam::stopAnswering();
        qunsetenv("QUORVEL_ROOT");
        qunsetenv("QUORVEL_NO_SYSTEM_PRINTERS");
    }
    // Notes the progress text each time it is painted.
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            progress << panel->lblPrintingPg->text();
        return false;
    }
    void carryOut(int option, const QString& from = "1", const QString& to = "5")
    {
        window->cmd_print->click();
        panel->txtFrom->setText(from);
        panel->txtTo->setText(to);
        panel->optText[std::size_t(option)]->click();
        panel->cmdPrint->click();
    }
    QStringList printed() const { return QDir(root.filePath("Printed")).entryList({"*.pdf"}, QDir::Files, QDir::Name); }
    QRgb shownColour() const { return window->Picture1->pixmap().toImage().pixel(5, 5); }
    bool panelUsable() const
    {
        return !panel->isVisible() && panel->isEnabled() && panel->cmdPrint->isVisibleTo(panel) &&
               !panel->lblPrintingPg->isVisibleTo(panel);
    }

    QTemporaryDir root;
    QTemporaryDir pages;
    clsMultiPgPreview engine;
    QPointer<frmMultiPgPreview> window;
    PrintPanel* panel = nullptr;
    QStringList progress;
};

TEST_F(PrintPanelTest, RangeBoxesStayWithinOneAndThePageCount)
{
    const struct {
        const char* what;
        const char* from; // From's text before (To is the page count, 5, on opening)
        bool inTo;        // the box acted on: To, else From
        const char* text; // set as its text (nullptr: left alone)
        Qt::Key key;      // then pressed (Key_unknown: none)
        const char* typed;
        const char* expectFrom;
        const char* expectTo;
    } cases[] = {
        {"From 0 becomes 1", "1", false, "0", Qt::Key_unknown, "", "1", "5"},
        {"To above the count", "1", true, "9", Qt::Key_unknown, "", "1", "5"},
        {"raised From yields to To", "1", false, "7", Qt::Key_unknown, "", "5", "5"},
        {"lowered To is pulled up to From", "4", true, "2", Qt::Key_unknown, "", "4", "4"},
        {"Up in To at the count", "1", true, nullptr, Qt::Key_Up, "", "1", "5"},
        {"Down in From at 1", "1", false, nullptr, Qt::Key_Down, "", "1", "5"},
        {"Up in From", "2", false, nullptr, Qt::Key_Up, "", "3", "5"},
        {"letters, sign and point refused", "2", false, nullptr, Qt::Key_unknown, "a-.", "2", "5"},
        {"digit typed at the end", "2", true, "3", Qt::Key_unknown, "x.0", "2", "5"},
    };
    for (const auto& c : cases) {
        panel->txtFrom->setText(c.from);
        window->cmd_print->click();
        QLineEdit* box = c.inTo ? panel->txtTo : panel->txtFrom;
        if (c.text)
            box->setText(c.text);
        if (c.key != Qt::Key_unknown)
            QTest::keyClick(box, c.key);
        box->end(false);
        QTest::keyClicks(box, c.typed);
        EXPECT_EQ(panel->txtFrom->text(), QString(c.expectFrom)) << c.what;
        EXPECT_EQ(panel->txtTo->text(), QString(c.expectTo)) << c.what;
        EXPECT_EQ(panel->PrintOption(), PrintPanel::PrintAll) << c.what;
    }
}

TEST_F(PrintPanelTest, ARangeBoxClickedIntoHasItsTextSelectedAndAClickInsideItPlacesTheCaret)
{
    QTest::mouseClick(window->cmd_print, Qt::LeftButton);
    for (QLineEdit* box : {panel->txtFrom, panel->txtTo}) { // 1 and 5
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClicks(box, box == panel->txtFrom ? "2" : "4");
    }
    EXPECT_EQ(panel->txtFrom->text() + '-' + panel->txtTo->text(), "2-4");
    QTest::mouseClick(panel->txtTo, Qt::LeftButton, {}, QPoint(1, panel->txtTo->height() / 2));
    EXPECT_EQ(panel->txtTo->cursorPosition(), 0);
}

TEST_F(PrintPanelTest, PrintsEachPageAsAJobOfItsOwnInTheEnginesOrientation)
{
    engine.setOrientation(2);
    window->Command1_1->click(); // page 2 shown
    const QRgb before = shownColour();
    const struct {
        int option;
        QStringList progress;
    } cases[] = {
        {PrintPanel::PageRange, {"Printing page 2 of 4", "Printing page 3 of 4", "Printing page 4 of 4"}},
        {PrintPanel::CurrentPage, {"Printing page 2"}},
    };
    for (const auto& c : cases) {
        spooler::Printer::current().setOrientation(QPageLayout::Portrait);
        progress.clear();
        carryOut(c.option, "2", "4");
        EXPECT_EQ(progress.filter("Printing"), c.progress);
        EXPECT_TRUE(panelUsable());
        EXPECT_EQ(shownColour(), before);
        EXPECT_EQ(spooler::Printer::current().orientation(), QPageLayout::Landscape);
    }
    const QSize paper = spooler::Printer::current().pageSize().sizePoints();
    const QRegularExpression onePage(QString("Pages: +1\n(.|\n)*Page size: +%1 x %2 pts").arg(paper.height()).arg(paper.width()));
    ASSERT_EQ(printed().size(), 4);
    for (const QString& file : printed()) {
        QProcess info;
        info.start("pdfinfo", {root.filePath("Printed/" + file)});
        info.waitForFinished();
        EXPECT_TRUE(QString(info.readAllStandardOutput()).contains(onePage)) << file.toStdString();
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    engine.setOrientation(1);
}

TEST_F(PrintPanelTest, FailedPagesAreCountedWithTheFirstReasonAndThePanelIsLeftUsable)
{
    testsupport::writeFile(pageFilePath(pages.path(), 2), "not a bitmap");
    const std::pair<std::function<void()>, QString> cases[] = { // how the printer fails, page 2's reason
        {[&] { QFile::remove(root.filePath("printer.ini")); },
         "Problem getting printer information from the system. Make sure the printer is set up correctly."},
        {[&] { testsupport::writeFile(root.filePath("Printed"), "a file"); }, root.filePath("Printed") + " could not be created: File exists."},
    };
    for (const auto& [breakPrinter, reason] : cases) {
        breakPrinter();
        ui::MessageBoxSeam::clearShown();
        carryOut(PrintPanel::PageRange, "2", "5");
        ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "4 of 4 pages could not be printed (page 2, 3, 4, 5). Page 2: " + reason);
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].icon(), ui::vbExclamation);
        EXPECT_TRUE(panelUsable());
        EXPECT_EQ(shownColour(), qRgb(0, 0, 0)); // the first page again
        testsupport::writeFile(root.filePath("printer.ini"), "[Printer]\nName=Quorvel PDF\nFolder=Printed\n");
    }
}

TEST_F(PrintPanelTest, ADocumentTheDiskCannotTakeIsReportedWithItsCauseAndLeavesNoFile)
{
    const QString given = root.filePath("POD 4711.pdf");
    const auto tooLarge = [](const QString& file) { return QDir::toNativeSeparators(file) + " could not be written: File too large."; };
    const auto toFileThenRange = [&] { spooler::Printer::current().writeNextDocumentTo(given); carryOut(PrintPanel::PageRange, "2", "3"); };
    const auto engineSends = [&] { engine.setSendToPrinter(true); engine.pStartDoc(); engine.pPrint("Consignment 4711", 1); engine.pEndDoc(); };
    const std::pair<std::function<void()>, QString> cases[] = { // how the document is printed, the report
        {[&] { carryOut(PrintPanel::CurrentPage); }, "1 of 1 pages could not be printed (page 1). Page 1: " + tooLarge(root.filePath("Printed/PPview-1.pdf"))},
        {toFileThenRange, "2 of 2 pages could not be printed (page 2, 3). Page 2: " + tooLarge(given)},
        {engineSends, tooLarge(root.filePath("Printed/" + QCoreApplication::applicationName() + "-1.pdf"))},
    };
    for (const auto& [print, expected] : cases) {
        ui::MessageBoxSeam::clearShown();
        QString report;
        try {
            const testsupport::FullDisk full;
            print();
        } catch (const runtime::RuntimeError& error) {
            report = error.what();
        }
        EXPECT_EQ(ui::MessageBoxSeam::shown().isEmpty() ? report : ui::MessageBoxSeam::shown()[0].prompt, expected);
        EXPECT_EQ(QDir(root.filePath("Printed")).entryList(QDir::Files | QDir::Hidden), QStringList()) << expected.toStdString();
        EXPECT_FALSE(QFile::exists(given));
    }
}

TEST_F(PrintPanelTest, ATitleLongerThanAFileNameTakesPrintsWholeInsideTheDocument)
{
    const QString title = QString(248, 'T') + QString(26, QChar(0x00E9)); // 300 bytes
    engine.setReportTitle(title);
    carryOut(PrintPanel::CurrentPage);
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    ASSERT_EQ(printed(), QStringList{QString(242, 'T') + "-1.pdf"}); // its save file's name is 7 longer
    QProcess info;
    info.start("pdfinfo", {root.filePath("Printed/" + printed()[0])});
    info.waitForFinished();
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Title: +" + title + "\n")));
}

TEST_F(PrintPanelTest, PrintAllAndExitTellTheEngine)
{
    const struct {
        std::function<void()> close;
        bool sendToPrinter;
    } cases[] = {{[&] { carryOut(PrintPanel::PrintAll); }, true}, {[&] { window->cmd_quit->click(); }, false}};
    for (const auto& c : cases) {
        engine.setSendToPrinter(!c.sendToPrinter);
        if (!window)
            openWindow();
        c.close();
        EXPECT_FALSE(window && window->isVisible());
        EXPECT_EQ(engine.SendToPrinter(), c.sendToPrinter);
    }
}

} // namespace
