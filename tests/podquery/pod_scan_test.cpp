// The scanned POD document of the POD query window: the registered document handed to the
// desktop at its path in the installation, the messages when there is none, no path, no file or
// no number, the switches that turn the button off, and a failing statement.

#include "PodQueryFixture.h"

#include "support/FileWriting.h"
#include "support/OpenedUrls.h"

#include "podquery/PodQueryStatements.h"

#include "platform/db/StatementLog.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QPushButton>

using testsupport::OpenedUrls;

namespace {

class PodScan : public podtest::PodQueryFixture {
protected:
    void SetUp() override
    {
        PodQueryFixture::SetUp();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_opened, "open");
        core::gblnCentralMode = true;
        window().cmdPODScan->setVisible(true); // the window keeps it hidden
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        PodQueryFixture::TearDown();
    }

    // A document row of the administration: path and remarks as SQL values.
    void document(qint64 number, const QString& path, const QString& remarks = "'Consignment Successfully Moved'")
    {
        execute(podtest::kAdmin, QStringLiteral("INSERT INTO OUTGOING_SCANNED_PDF VALUES (%1, %2, %3)")
                                     .arg(number)
                                     .arg(path, remarks));
    }
    // A file inside the installation, made with the given folder names; its absolute path.
    QString makeFile(const QString& relative)
    {
        const QString path = root() + u'/' + relative;
        testsupport::writeFile(path, QByteArray());
        return QFileInfo(path).absoluteFilePath();
    }
    static void pressScan(const QString& typed)
    {
        window().txtConsignNo->setText(typed);
        QTest::mouseClick(window().cmdPODScan, Qt::LeftButton);
    }

    OpenedUrls m_opened;
};

TEST_F(PodScan, OpensTheFirstMovedDocumentOfTheNumberAtItsPlaceInTheInstallation)
{
    const QString share = makeFile("UNC/DOCSTORE/PODPDF/JUN26/5001.pdf");
    const QString drive = makeFile("D/PodScan/5002.pdf"); // found whatever the folders' case
    document(5001, "'\\\\DOCSTORE\\PODPDF\\JUN26\\5001-old.pdf'", "'Pending'");
    document(5001, "'\\\\DOCSTORE\\PODPDF\\JUN26\\5001.pdf'");
    document(5001, "'D:\\PODSCAN\\5002.pdf'");
    document(5002, "'D:\\PODSCAN\\5002.pdf'");
    const struct {
        QString typed;
        QString opened;
    } cases[] = {{" 005001 ", share}, {"5002", drive}};
    for (const auto& c : cases) {
        m_opened.urls.clear();
        db::StatementCapture capture;
        pressScan(c.typed);
        EXPECT_EQ(capture.statements(),
                  QStringList{podquery::scannedDocumentStatement(QString::number(c.typed.trimmed().toInt()))});
        EXPECT_EQ(m_opened.urls, QList<QUrl>{QUrl::fromLocalFile(c.opened)}) << c.typed.toStdString();
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(PodScan, TellsTheClerkWhenThereIsNoDocumentToOpen)
{
    makeFile("D/PODSCAN/5004.pdf");
    document(5003, "NULL");
    document(5004, "'D:\\PODSCAN\\5004-missing.pdf'");
    document(5005, "'D:\\NOFOLDER\\5005.pdf'");
    document(5006, "'D:\\PODSCAN\\5006.pdf'", "'Pending'");
    document(5007, "'D:\\PODSCAN\\5004.pdf'");
    const struct {
        QString typed; // pasted into the box, as the key filter would let no letter in
        QString prompt;
        QString title; // "": the program's title
    } cases[] = {
        {"5003", "POD Scan Image is not avilable", ""},
        {"5004", "POD Scan Image could not be opened", ""},
        {"5005", "POD Scan Image could not be opened", ""},
        {"5006", "POD Scan PDF Image is not Found", ""},
        {"  ", "Type Consignment No.", "Consignment Query"},
        {"9 or ConsignmentNo=5007", "POD Scan PDF Image is not Found", ""}, // the number's value only
    };
    for (const auto& c : cases) {
        ui::MessageBoxSeam::clearShown();
        pressScan(c.typed);
        ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1) << c.typed.toStdString();
        const ui::ShownMessage message = ui::MessageBoxSeam::shown()[0];
        EXPECT_EQ(message.prompt, c.prompt) << c.typed.toStdString();
        EXPECT_EQ(message.title, c.title.isEmpty() ? QCoreApplication::applicationName() : c.title);
        EXPECT_EQ(message.icon(), ui::vbInformation);
    }
    EXPECT_TRUE(m_opened.urls.isEmpty());
}

TEST_F(PodScan, DoesNothingUnlessCentralWithPodImages)
{
    makeFile("D/PODSCAN/5001.pdf");
    document(5001, "'D:\\PODSCAN\\5001.pdf'");
    for (auto [central, podImages] : {std::pair{false, true}, std::pair{true, false}, std::pair{false, false}}) {
        core::gblnCentralMode = central;
        core::gblnPodImageMode = podImages;
        db::StatementCapture capture;
        pressScan("5001");
        pressScan("");
        EXPECT_TRUE(capture.statements().isEmpty()) << central << podImages;
    }
    EXPECT_TRUE(m_opened.urls.isEmpty());
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(PodScan, AFailingStatementIsReportedAndTheWindowStaysOpen)
{
    execute(podtest::kAdmin, "DROP TABLE OUTGOING_SCANNED_PDF");
    pressScan("5001");
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_TRUE(ui::MessageBoxSeam::shown()[0].prompt.contains("OUTGOING_SCANNED_PDF"))
        << ui::MessageBoxSeam::shown()[0].prompt.toStdString();
    EXPECT_TRUE(ui::DefaultInstance<podquery::frmPODQueryGrid>::loaded());
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(m_opened.urls.isEmpty());
}

} // namespace
