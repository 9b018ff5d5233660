// The preview window over a document's page files: paging, go-to, keys and the full-page view.

#include "support/FileWriting.h"
#include "support/QtPrinters.h"

#include "preview/PageFiles.h"
#include "preview/frmMultiPgPreview.h"

#include "platform/ui/Twips.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace preview;

namespace {

class PreviewWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int page = 0; page < 3; ++page) {
            QImage picture(400, 520, QImage::Format_RGB32);
            picture.fill(Qt::white);
            ASSERT_TRUE(picture.save(pageFilePath(folder.path(), page), "BMP"));
        }
        folder.setAutoRemove(false);
        window = new frmMultiPgPreview(folder.path(), 2, nullptr);
        window->resize(1000, 700);
        window->show();
    }
    void TearDown() override
    {
        if (window)
            window->close();
        QDir(folder.path()).removeRecursively();
    }
    QString caption() const { return window->Label1->text(); }
    void typeKey(QWidget* control, Qt::Key key) { QTest::keyClick(control, key); }

    QTemporaryDir folder;
    QPointer<frmMultiPgPreview> window;
};

TEST_F(PreviewWindow, PagesWithTheButtonsAndKeys)
{
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* caption;
    } steps[] = {
        {"opened", [] {}, "1\n-- of --\n3"},
        {"previous on the first", [&] { window->Command1_0->click(); }, "1\n-- of --\n3"},
        {"next", [&] { window->Command1_1->click(); }, "2\n-- of --\n3"},
        {"End", [&] { typeKey(window->Picture1, Qt::Key_End); }, "3\n-- of --\n3"},
        {"next on the last", [&] { window->Command1_1->click(); }, "3\n-- of --\n3"},
        {"Home on a bar", [&] { typeKey(window->VScroll1, Qt::Key_Home); }, "1\n-- of --\n3"},
        {"PageDown", [&] { typeKey(window->Picture1, Qt::Key_PageDown); }, "2\n-- of --\n3"},
        {"Left with the page fitting across", [&] { typeKey(window->Picture1, Qt::Key_Left); }, "1\n-- of --\n3"},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(caption(), step.caption) << step.what;
    }
    EXPECT_FALSE(window->picHScroll->isVisible());
}

TEST_F(PreviewWindow, GoesToATypedPage)
{
    const struct {
        const char* typed;
        bool panelOpen;
        const char* caption;
    } cases[] = {
        {"0", true, "1\n-- of --\n3"},
        {"", true, "1\n-- of --\n3"},
        {"2", false, "2\n-- of --\n3"},
        {"9", false, "3\n-- of --\n3"}, // replaced by the page count as it is typed
    };
    for (const auto& c : cases) {
        typeKey(window->Picture1, Qt::Key_G);
        ASSERT_TRUE(window->picGoto->isVisible());
        window->txtGoto->clear();
        QTest::keyClicks(window->txtGoto, c.typed);
        QTest::keyClick(window->txtGoto, Qt::Key_Return);
        EXPECT_EQ(window->picGoto->isVisible(), c.panelOpen) << c.typed;
        EXPECT_EQ(caption(), c.caption) << c.typed;
    }
    EXPECT_EQ(window->Label5->text(), "Goto Page#\n(1 to 3)");
}

TEST_F(PreviewWindow, APageFileThatFailsToLoadKeepsThePage)
{
    testsupport::writeFile(pageFilePath(folder.path(), 1), "not a bitmap");
    window->Command1_1->click();
    EXPECT_EQ(caption(), "1\n-- of --\n3");
    window->Command1_1->click();
    EXPECT_EQ(caption(), "1\n-- of --\n3");
    typeKey(window->Picture1, Qt::Key_End);
    EXPECT_EQ(caption(), "3\n-- of --\n3");
}

TEST_F(PreviewWindow, FitShowsTheWholePageAndClosingDeletesThePages)
{
    window->cmdFullPage->click();
    EXPECT_TRUE(window->picFullPage->isVisible());
    EXPECT_FALSE(window->Picture1->isVisible());
    const int edge = ui::TwipsPlacer(window).y(50);
    EXPECT_EQ(window->picFullPage->height(), window->height() - 2 * edge); // as tall as the window
    EXPECT_NEAR(double(window->picFullPage->width()) / window->picFullPage->height(), 0.773, 0.005);
    typeKey(window->picFullPage, Qt::Key_PageDown);
    EXPECT_EQ(caption(), "2\n-- of --\n3");
    window->cmdFullPage->click();
    EXPECT_TRUE(window->Picture1->isVisible());
    window->cmd_quit->click();
    EXPECT_FALSE(QDir(folder.path()).exists());
}

} // namespace
