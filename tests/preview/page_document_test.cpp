// Documents composed on the program's printer and as previewed page files.

#include "support/FileWriting.h"
#include "support/QtPrinters.h"

#include "preview/ImageSurface.h"
#include "preview/PageFiles.h"
#include "preview/clsMultiPgPreview.h"
#include "preview/frmMultiPgPreview.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/spooler/Printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace preview;

namespace {

class PageDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCoreApplication::setApplicationName("Quorvel");
        qputenv("QUORVEL_ROOT", root.path().toLocal8Bit());
        qputenv("QUORVEL_NO_SYSTEM_PRINTERS", "1");
        m_tmp = qgetenv("TMPDIR");
        QDir().mkpath(temp());
        qputenv("TMPDIR", temp().toLocal8Bit());
        testsupport::writeFile(root.path() + "/printer.ini", "[Printer]\nName=Quorvel PDF\nFolder=Printed\n");
        spooler::Printer::current().setOrientation(QPageLayout::Portrait);
    }
    void TearDown() override
    {
        spooler::Printer::current().reset();
        qputenv("TMPDIR", m_tmp);
        qunsetenv("QUORVEL_ROOT");
        qunsetenv("QUORVEL_NO_SYSTEM_PRINTERS");
    }
    QString temp() const { return root.path() + "/temp"; }
    QStringList documentFolders() const { return QDir(temp()).entryList(QDir::Dirs | QDir::NoDotAndDotDot); }
    QStringList printed() const { return QDir(root.path() + "/Printed").entryList({"*.pdf"}, QDir::Files); }
    QString run(const QString& tool, const QStringList& arguments)
    {
        QProcess process;
        process.start(tool, arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    // A previewed document with a line of text on each page.
    frmMultiPgPreview* previewOf(clsMultiPgPreview& engine, int pages)
    {
        engine.setSendToPrinter(false);
        engine.pStartDoc();
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                engine.pNewPage();
            EXPECT_EQ(engine.GetPage(), page + 1);
            engine.pPrint(QStringLiteral("Page %1").arg(page + 1), 1);
        }
        engine.pEndDoc();
        return engine.previewWindow();
    }

    QTemporaryDir root;
    QByteArray m_tmp;
};

TEST_F(PageDocument, PreviewPagesAreFilesOfTheDocumentsOwnFolder)
{
    clsMultiPgPreview engine;
    frmMultiPgPreview* window = previewOf(engine, 4);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->engine(), &engine);
    EXPECT_EQ(window->navigation().lastPage(), 3);
    EXPECT_EQ(QDir(window->folder()).entryList(QDir::Files, QDir::Name),
              (QStringList{"PPview0.bmp", "PPview1.bmp", "PPview2.bmp", "PPview3.bmp"}));
    EXPECT_EQ(QFileInfo(window->folder()).path(), temp());
    const QImage first(pageFilePath(window->folder(), 0));
    EXPECT_GT(first.width(), 8 * first.logicalDpiX()); // the paper and a quarter inch
    EXPECT_EQ(documentFolders().size(), 1);
    window->close();
}

TEST_F(PageDocument, ClosingAPreviewDeletesOnlyItsOwnPages)
{
    testsupport::writeFile(temp() + "/PPview0.bmp", "a page file of no document of ours");
    clsMultiPgPreview first;
    clsMultiPgPreview second;
    frmMultiPgPreview* one = previewOf(first, 2);
    frmMultiPgPreview* other = previewOf(second, 3);
    ASSERT_TRUE(one && other);
    ASSERT_NE(one, other);
    const QString otherFolder = other->folder();
    one->close();
    EXPECT_EQ(documentFolders(), QStringList{QFileInfo(otherFolder).fileName()});
    EXPECT_EQ(QDir(otherFolder).entryList(QDir::Files).size(), 3);
    EXPECT_TRUE(QFile::exists(temp() + "/PPview0.bmp"));
    other->close();
    EXPECT_TRUE(documentFolders().isEmpty());
}

TEST_F(PageDocument, PagesThatCannotBeWrittenAreReportedWithTheirFolderAndReason)
{
    const auto expectReport = [](const std::function<void()>& run, const QString& text) {
        try {
            run();
            ADD_FAILURE() << "no report of the lost pages";
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(int(error.number()), 75);
            EXPECT_TRUE(QString(error.what()).contains(text)) << error.what();
        }
    };
    clsMultiPgPreview engine;
    engine.setSendToPrinter(false);
    engine.pStartDoc();
    ASSERT_EQ(documentFolders().size(), 1);
    const QString folder = temp() + "/" + documentFolders()[0];
    ASSERT_TRUE(QDir(folder).removeRecursively());
    engine.pNewPage();
    expectReport([&] { engine.pEndDoc(); }, "page 1, 2 of the preview could not be written to " + folder + ": No such file or directory.");
    EXPECT_EQ(engine.previewWindow(), nullptr);
    // a temporary folder that is a file
    ASSERT_TRUE(QDir(temp()).removeRecursively());
    testsupport::writeFile(temp(), "not a folder");
    expectReport([&] { engine.pStartDoc(); }, "page 1 of the preview could not be written to " + temp() + ": Not a directory.");
    QFile::remove(temp());
}

TEST_F(PageDocument, WithoutAPrinterADocumentDoesNotStart)
{
    QFile::remove(root.path() + "/printer.ini");
    for (const bool toPrinter : {true, false}) {
        clsMultiPgPreview engine;
        engine.setSendToPrinter(toPrinter);
        try {
            engine.pStartDoc();
            FAIL() << "started without a printer " << toPrinter;
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.number(), runtime::ErrorNumber::PrinterError);
        }
        EXPECT_EQ(engine.GetPaperWidth(), 0);
    }
}

TEST_F(PageDocument, PrintsOnTheProgramsPrinterAtItsResolution)
{
    clsMultiPgPreview engine;
    engine.setOrientation(2);
    engine.pStartDoc();
    EXPECT_NEAR(engine.GetPaperWidth(), 297 / 25.4, 0.01); // A4 turned
    engine.setFontName("DejaVu Sans");
    engine.setFontSize(12);
    engine.setCurrentY(3);
    engine.pPrintRotate("Turned", 0, 2);
    engine.setCurrentY(4);
    engine.pPrint("Level", 5);
    engine.pEndDoc();
    EXPECT_FALSE(engine.SendToPrinter());
    ASSERT_EQ(printed().size(), 1);
    const QString pdf = root.path() + "/Printed/" + printed()[0];
    const QString info = run("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Page size: +842 x 595"))) << info.toStdString();
    const QString boxes = run("pdftotext", {"-bbox", pdf, "-"});
    const struct {
        const char* word;
        double left;
        double top;
    } cases[] = {{"Turned", 144, 216}, {"Level", 360, 288}}; // points from the top left corner
    for (const auto& c : cases) {
        const QRegularExpression word(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>%1<").arg(c.word));
        const QRegularExpressionMatch found = word.match(boxes);
        ASSERT_TRUE(found.hasMatch()) << c.word << boxes.toStdString();
        EXPECT_NEAR(found.captured(1).toDouble(), c.left, 3) << c.word;
        EXPECT_NEAR(found.captured(2).toDouble(), c.top, 6) << c.word;
    }
}

TEST_F(PageDocument, BulletsAndSignsAreDrawnInTheTextFont)
{
    const struct {
        QString text;
        bool inked;
    } cases[] = {{QString(QChar(0x2022)), true}, {QString(QChar(0x2234)), true}, {" ", false}};
    for (const auto& c : cases) {
        ImageSurface surface({1, 1}, temp(), 96);
        surface.font() = {QStringLiteral("DejaVu Sans"), 24};
        surface.print(c.text, false);
        ASSERT_NO_THROW(surface.endDoc());
        const QImage page(pageFilePath(temp(), 0));
        int dark = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                dark += qGray(page.pixel(x, y)) < 128;
        EXPECT_EQ(dark > 0, c.inked) << c.text.toStdString();
    }
}

} // namespace
