// The preview's folder panel: saving every page as a picture named after the report title, the
// folder list, new folders, and a run whose pages cannot be written.

#include "support/QtPrinters.h"

#include "preview/FolderPanel.h"
#include "preview/PageFiles.h"
#include "preview/PrintPanel.h"
#include "preview/clsMultiPgPreview.h"
#include "preview/frmMultiPgPreview.h"

#include "platform/ui/MessageBox.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace preview;

namespace {

QImage pagePicture(int page)
{
    QImage picture(120, 160, QImage::Format_RGB32);
    for (int x = 0; x < picture.width(); ++x)
        for (int y = 0; y < picture.height(); ++y)
            picture.setPixel(x, y, qRgb((x * 7 + page * 50) & 0xFF, (y * 5) & 0xFF, (x * y) & 0xFF));
    return picture;
}

class FolderPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::MessageBoxSeam::startAnswering();
        ui::MessageBoxSeam::clearShown();
        for (int page = 0; page < 3; ++page)
            ASSERT_TRUE(pagePicture(page).save(pageFilePath(pages.path(), page), "BMP"));
        pages.setAutoRemove(false);
        engine.setSendToPrinter(false);
        window = new frmMultiPgPreview(pages.path(), 2, &engine);
        window->show();
        folders = window->picGetFolder;
        ASSERT_TRUE(folders->setPath(out.path()));
    }
    void TearDown() override
    {
        FolderNameSeam::setStandIn({});
        if (window)
            window->close();
        QDir(pages.path()).removeRecursively();
        ui::MessageBoxSeam::stopAnswering();
    }
    void openFolderPanel()
    {
        window->cmd_print->click();
        window->picPrintOptions->optText[PrintPanel::ToFolder]->click();
        window->picPrintOptions->cmdPrint->click();
        ASSERT_TRUE(folders->isVisible());
    }
    QStringList saved() const { return QDir(out.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir out;
    QTemporaryDir pages;
    clsMultiPgPreview engine;
    QPointer<frmMultiPgPreview> window;
    FolderPanel* folders = nullptr;
};

TEST_F(FolderPanelTest, SavesEveryPageAsTitleAndNumber)
{
    const std::string kLongTitle(300, 'L'); // cut to what a file name takes
    const struct {
        const char* title;
        bool jpg;
        QStringList files;
    } cases[] = {
        {"Daily Report", false, {"Daily Report1.gif", "Daily Report2.gif", "Daily Report3.gif"}},
        {"  Sales  ", true, {"Sales1.jpg", "Sales2.jpg", "Sales3.jpg"}},
        {"", false, {"PPview1.gif", "PPview2.gif", "PPview3.gif"}},
        {"..\\up", false, {"PPview1.gif", "PPview2.gif", "PPview3.gif"}},
        {"../up", false, {"PPview1.gif", "PPview2.gif", "PPview3.gif"}},
        {kLongTitle.c_str(), false, {kLongTitle.substr(0, 250).c_str() + QString("1.gif"),
                                     kLongTitle.substr(0, 250).c_str() + QString("2.gif"),
                                     kLongTitle.substr(0, 250).c_str() + QString("3.gif")}},
    };
    QBuffer quality85; // the first page as JPEG at quality 85
    quality85.open(QIODevice::WriteOnly);
    QImageWriter writer(&quality85, "jpeg");
    writer.setQuality(85);
    ASSERT_TRUE(writer.write(QPixmap(pageFilePath(pages.path(), 0), "BMP").toImage()));
    ASSERT_TRUE(folders->OptFileType_1->isChecked()); // GIF at first
    window->Command1_1->click();                       // page 2 shown
    for (const auto& c : cases) {
        for (const QString& file : saved())
            QFile::remove(out.filePath(file));
        engine.setReportTitle(c.title);
        openFolderPanel();
        (c.jpg ? folders->OptFileType_0 : folders->OptFileType_1)->setChecked(true);
        folders->cmdOpen->click();
        ASSERT_EQ(saved(), c.files) << c.title;
        for (const QString& file : c.files) {
            QImageReader reader(out.filePath(file));
            EXPECT_EQ(reader.format(), c.jpg ? "jpeg" : "gif") << c.title;
            EXPECT_EQ(reader.read().size(), QSize(120, 160)) << c.title;
        }
        QFile first(out.filePath(c.files[0]));
        EXPECT_TRUE(!c.jpg || (first.open(QIODevice::ReadOnly) && first.readAll() == quality85.data())) << c.title;
        EXPECT_FALSE(window->picPrintOptions->isVisible()) << c.title;
        EXPECT_EQ(window->Picture1->pixmap().toImage().pixel(0, 0), pagePicture(1).pixel(0, 0)) << c.title;
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(FolderPanelTest, PagesThatCannotBeWrittenAreReportedAndThePanelsStayUsable)
{
    const QString gone = out.filePath("gone");
    ASSERT_TRUE(QDir().mkdir(gone));
    ASSERT_TRUE(folders->setPath(gone));
    openFolderPanel();
    QDir().rmdir(gone);
    folders->cmdOpen->click();
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt,
              QString("3 of 3 pages could not be saved to %1 (page 1, 2, 3). Page 1: No such file or directory.")
                  .arg(QDir::toNativeSeparators(gone)));
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].icon(), ui::vbExclamation);
    PrintPanel* panel = window->picPrintOptions;
    EXPECT_FALSE(panel->isVisible() || folders->isVisible());
    EXPECT_TRUE(panel->isEnabled() && panel->cmdPrint->isVisibleTo(panel) && !panel->lblPrintingPg->isVisibleTo(panel));
    EXPECT_EQ(window->Picture1->pixmap().toImage().pixel(0, 0), pagePicture(0).pixel(0, 0));
}

TEST_F(FolderPanelTest, NewFolderCreatesAndOpensOrReportsAndStays)
{
    QStringList asked;
    QString answer;
    FolderNameSeam::setStandIn([&](const QString& prompt, const QString& offered) {
        asked << prompt + " / " + offered;
        return answer;
    });
    const QString base = QDir(out.path()).absolutePath();
    const struct {
        const char* answer;
        QString pathAfter;
        bool reported;
    } cases[] = {
        {"   ", base, false},
        {"New Folder", base + "/New Folder", false},
        {" New Folder ", base + "/New Folder", false}, // already there: opened
        {"missing/sub", base, true},
        {"../Outside", base, true},
        {"..", base, true},
        {"a\\b", base, true},
    };
    for (const auto& c : cases) {
        ui::MessageBoxSeam::clearShown();
        ASSERT_TRUE(folders->setPath(base));
        answer = c.answer;
        folders->cmdNewFolder->click();
        EXPECT_EQ(folders->path(), c.pathAfter) << c.answer;
        EXPECT_EQ(ui::MessageBoxSeam::shown().size(), c.reported ? 1 : 0) << c.answer;
    }
    EXPECT_EQ(asked.first(), "Enter Folder Name / New Folder");
    EXPECT_EQ(QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"New Folder"});
    EXPECT_FALSE(QFileInfo::exists(base + "/../Outside"));
    ASSERT_TRUE(folders->setPath("/"));
    folders->cmdUpOne->click(); // Back Up at the root stays there
    EXPECT_EQ(folders->path(), "/");
}

} // namespace
