// The POD scans of the runsheet grid: a click opens the scan from the image server, Enter from the
// branch's DRS folder; the shell turns web addresses into URLs and folder paths into files of the
// installation.

#include "support/FileWriting.h"
#include "support/OpenedUrls.h"
#include "support/WindowFixture.h"

#include "consignment/frmConsignWiseGridQuery.h"

#include "platform/flexgrid/FlexGrid.h"
#include "platform/paths/Installation.h"
#include "platform/shell/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QTest>

using consignment::frmConsignWiseGridQuery;
using testsupport::OpenedUrls;
using testsupport::WindowFixture;

namespace {

constexpr int kBarRsNo = 6;
constexpr int kPath = 11;
constexpr int kContactName = 8; // left empty in the fixture row

class PodImages : public WindowFixture<frmConsignWiseGridQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 12, 10));
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &m_opened, "open");
        core::gstrDrsImageUrl = "http:\\\\10.20.30.40\\DRSIMAGES\\";
        core::gstrDrsOutPath = "D:\\DRSOUT\\";
        core::gstrMonthDB = "ZELDEC26";
        core::gblnPodImageMode = true;

        frmConsignWiseGridQuery& w = window();
        ui::WindowHost::showModal(&w);
        w.FormatRunsheetGrid();
        ui::FlexGrid* grid = w.msgRunsheetDetails;
        grid->setTextMatrix(1, 0, "06-12-26 -Sunday");
        grid->setTextMatrix(1, 1, "9001");
        grid->setTextMatrix(1, kBarRsNo, "4711");
        grid->setTextMatrix(1, kPath, "2026\\12\\6\\");
        grid->setRows(3); // the loader leaves one empty row below its lines
    }
    void TearDown() override
    {
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
        WindowFixture::TearDown();
    }
    static ui::FlexGrid* grid() { return window().msgRunsheetDetails; }

    void clickCell(int row, int col)
    {
        const QModelIndex cell = grid()->model()->index(row - grid()->fixedRows(), col);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(cell).center());
    }
    void enterOnCell(int row, int col)
    {
        grid()->setRow(row);
        grid()->setCol(col);
        QTest::keyClick(grid(), Qt::Key_Return);
    }
    // A file inside the installation, made with the given folder names.
    QString makeFile(const QString& relative)
    {
        const QString path = root() + u'/' + relative;
        testsupport::writeFile(path, QByteArray());
        return QFileInfo(path).absoluteFilePath();
    }

    OpenedUrls m_opened;
};

TEST_F(PodImages, AClickOnAnyFilledCellOpensTheScanFromTheImageServer)
{
    for (int col : {0, 1, kBarRsNo, kPath}) {
        m_opened.urls.clear();
        clickCell(1, col);
        ASSERT_EQ(m_opened.urls.size(), 1) << col;
        EXPECT_EQ(m_opened.urls[0].toString(), "http://10.20.30.40/DRSIMAGES/2026/12/6/DZEL4711.JPG") << col;
        EXPECT_EQ(window().mPodImageName, "2026\\12\\6\\DZEL4711");
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(PodImages, AClickOpensNothingOnAnEmptyCellOrWithoutBarCodeInTheCentralVariant)
{
    struct Case {
        bool central;
        QString barRsNo;
        int row, col;
        QString opened; // "" when nothing opens
    };
    const Case cases[] = {
        {false, "4711", 1, kContactName, ""},
        {false, "4711", 2, 0, ""},
        {true, "", 1, 0, ""},
        {true, "4711", 1, 0, "http://10.20.30.40/DRSIMAGES/2026/12/6/DZEL4711.JPG"},
        {false, "", 1, 0, "http://10.20.30.40/DRSIMAGES/2026/12/6/DZEL.JPG"},
    };
    for (const Case& c : cases) {
        core::gblnCentralMode = c.central;
        grid()->setTextMatrix(1, kBarRsNo, c.barRsNo);
        m_opened.urls.clear();
        clickCell(c.row, c.col);
        EXPECT_EQ(m_opened.urls.value(0).toString(), c.opened) << c.central << c.barRsNo.toStdString() << c.row << c.col;
        EXPECT_LE(m_opened.urls.size(), 1);
    }
}

TEST_F(PodImages, EnterOpensTheScanInItsOwnFolderOfTheMonthsDrsFolder)
{
    const QString scan = makeFile("D/DrsOut/DEC26/DZEL4711/DZEL4711.jpg"); // found whatever the folders' case
    for (int col : {0, kPath}) {
        m_opened.urls.clear();
        enterOnCell(1, col);
        ASSERT_EQ(m_opened.urls.size(), 1) << col;
        EXPECT_EQ(m_opened.urls[0], QUrl::fromLocalFile(scan));
        EXPECT_EQ(window().mPodImageName, "DZEL4711");
    }
}

TEST_F(PodImages, EnterOpensNothingWithoutBarCodeOnAnEmptyCellOrForOtherKeys)
{
    makeFile("D/DRSOUT/DEC26/DZEL4711/DZEL4711.jpg");
    enterOnCell(1, kContactName);
    enterOnCell(2, 0);
    grid()->setRow(1);
    grid()->setCol(0);
    QTest::keyClick(grid(), Qt::Key_A);
    grid()->setTextMatrix(1, kBarRsNo, "");
    enterOnCell(1, 0);
    EXPECT_TRUE(m_opened.urls.isEmpty());
    EXPECT_TRUE(window().mPodImageName.isEmpty());
}

TEST_F(PodImages, TheShellOpensWebAddressesAndFilesOfTheInstallationAsTheWindowsShellAnswers)
{
    const QString scan = makeFile("D/DRSOUT/DEC26/DZEL4711/DZEL4711.jpg");
    struct Case {
        const char* operation;
        const char* file;
        int result;
        QUrl opened; // empty: nothing opened
    };
    const Case cases[] = {
        {"Open", "http:\\\\10.0.0.9\\DRS\\2026\\12\\6\\DZEL1.JPG", shell::kOpened,
         QUrl("http://10.0.0.9/DRS/2026/12/6/DZEL1.JPG")},
        {"open", "https:\\\\img.example\\a\\b.JPG", shell::kOpened, QUrl("https://img.example/a/b.JPG")},
        {"Open", "http://img.example/a/b.JPG", shell::kOpened, QUrl("http://img.example/a/b.JPG")},
        {"Open", "D:\\drsout\\DEC26\\DZEL4711\\DZEL4711.jpg", shell::kOpened, QUrl::fromLocalFile(scan)},
        {"Open", "D:\\DRSOUT\\DEC26\\DZEL4711\\DZEL4712.jpg", shell::kFileNotFound, QUrl()},
        {"Open", "D:\\DRSOUT\\DEC26\\DZEL4712\\DZEL4712.jpg", shell::kPathNotFound, QUrl()},
        {"Print", "D:\\DRSOUT\\DEC26\\DZEL4711\\DZEL4711.jpg", shell::kNoAssociation, QUrl()},
    };
    for (const Case& c : cases) {
        m_opened.urls.clear();
        EXPECT_EQ(shell::ShellExecute(QLatin1String(c.operation), QLatin1String(c.file)), c.result) << c.file;
        EXPECT_EQ(m_opened.urls.value(0), c.opened) << c.file;
        EXPECT_LE(m_opened.urls.size(), 1);
    }
}

} // namespace
