// The print spooler's paper forms kept per printer, and the application's printer printing text
// through the installation's PDF printer.

#include "support/FileWriting.h"
#include "support/FullDisk.h"
#include "support/QtPrinters.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/spooler/PrintJob.h"
#include "platform/spooler/Printer.h"
#include "platform/spooler/Spooler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using namespace spooler;

namespace {

const QString kPdf = QStringLiteral("Quorvel PDF");

class Spooler : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCoreApplication::setApplicationName("Quorvel");
        qputenv("QUORVEL_ROOT", dir.path().toLocal8Bit());
        writeFile("printer.ini", "[Printer]\nName=Quorvel PDF\nFolder=Printed\n");
    }
    void TearDown() override
    {
        Printer::current().reset();
        qunsetenv("QUORVEL_ROOT");
        qunsetenv("QUORVEL_NO_SYSTEM_PRINTERS");
    }

    void writeFile(const QString& relative, const QByteArray& text)
    {
        testsupport::writeFile(dir.path() + "/" + relative, text);
    }
    QByteArray readFile(const QString& relative)
    {
        QFile file(dir.path() + "/" + relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList printed() { return QDir(dir.path() + "/Printed").entryList({"*.pdf"}, QDir::Files, QDir::Name); }
    // The text of a printed file as pdftotext lays it out, one character cell to the tenth of an inch.
    QString textOf(const QString& file, const QStringList& options = {"-layout", "-fixed", "7.2"})
    {
        QProcess run;
        run.start("pdftotext", options + QStringList{dir.path() + "/Printed/" + file, "-"});
        EXPECT_TRUE(run.waitForFinished(30000));
        return QString::fromUtf8(run.readAllStandardOutput());
    }
    QString pdfInfo(const QString& file)
    {
        QProcess run;
        run.start("pdfinfo", {dir.path() + "/Printed/" + file});
        EXPECT_TRUE(run.waitForFinished(30000));
        return QString::fromUtf8(run.readAllStandardOutput()).simplified() + ' ';
    }

    QTemporaryDir dir;
};

TEST(StrFromPtr, CopiesUpToTheNulWithinTheBuffer)
{
    const std::string longest(511, 'x');
    const std::string unterminated(512, 'y');
    const char withRest[] = "NVX2\0rest";
    struct Case {
        const char* address;
        QString expected;
    } cases[] = {
        {"", ""},
        {"NVX1", "NVX1"},
        {withRest, "NVX2"},
        {longest.c_str(), QString(511, 'x')},
        {nullptr, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StrFromPtr(c.address), c.expected);
    // no NUL among the 512 characters read (a string of 512 with its NUL only after them)
    EXPECT_EQ(StrFromPtr(unterminated.c_str()), "");
}

TEST_F(Spooler, FormsAreFoundAndAddedByNameWhateverTheCase)
{
    FormSize size{1, 2};
    EXPECT_FALSE(FormExists(kPdf, 0, size, "NVX1"));
    EXPECT_TRUE(AddPaperForm(kPdf, {254000, 101600}, "nvx1"));
    EXPECT_TRUE(AddPaperForm("quorvel pdf", {254000, 152400}, "NVX2"));

    EXPECT_TRUE(FormExists("QUORVEL PDF", 0, size, "NVX1"));
    EXPECT_EQ(size, (FormSize{254000, 101600}));
    EXPECT_TRUE(FormExists(kPdf, 0, size, "nvx2"));
    EXPECT_EQ(size, (FormSize{254000, 152400}));
    size = {7, 8};
    EXPECT_FALSE(FormExists(kPdf, 0, size, "NVX3"));
    EXPECT_EQ(size, (FormSize{7, 8})) << "a form not found leaves the size as it was";

    // a name in use, whatever its case, is refused and the first form kept
    EXPECT_FALSE(AddPaperForm(kPdf, {1000, 1000}, "NVX1"));
    EXPECT_TRUE(FormExists(kPdf, 0, size, "NVX1"));
    EXPECT_EQ(size, (FormSize{254000, 101600}));
}

TEST_F(Spooler, APrinterThatCannotBeOpenedHasNoFormsAndTakesNone)
{
    FormSize size;
    EXPECT_FALSE(AddPaperForm("No Such Printer", {254000, 101600}, "NVX1"));
    EXPECT_FALSE(AddPaperForm("", {254000, 101600}, "NVX1"));
    EXPECT_FALSE(FormExists("No Such Printer", 0, size, "NVX1"));
    EXPECT_FALSE(SelectPaperForm("No Such Printer", "NVX1", 0));
    EXPECT_FALSE(QFile::exists(dir.path() + "/spooler/forms.ini"));
}

TEST_F(Spooler, FormsTheSpoolerCannotHoldAreRefused)
{
    struct Case {
        QString name;
        FormSize size;
    } cases[] = {
        {"", {1000, 1000}},
        {QString(32, 'N'), {1000, 1000}},
        {"NVX\n5", {1000, 1000}},
        {"NVX\t5", {1000, 1000}},
        {"NVX5", {0, 1000}},
        {"NVX5", {1000, -1}},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(AddPaperForm(kPdf, c.size, c.name)) << c.name.toStdString();
    EXPECT_TRUE(AddPaperForm(kPdf, {1000, 1000}, QString(31, 'N')));
}

TEST_F(Spooler, FormsPersistInTheStoreInTheOrderAdded)
{
    writeFile("spooler/forms.ini", "[Other Printer]\nWIDE=381000,304800\n");
    ASSERT_TRUE(AddPaperForm(kPdf, {254000, 101600}, "NVX1"));
    ASSERT_TRUE(AddPaperForm(kPdf, {254000, 304800}, "NVX3"));
    ASSERT_TRUE(AddPaperForm(kPdf, {100, 200}, "A=B,C"));
    EXPECT_EQ(readFile("spooler/forms.ini"), "[Other Printer]\nWIDE=381000,304800\n\n"
                                              "[Quorvel PDF]\nNVX1=254000,101600\nNVX3=254000,304800\nA=B,C=100,200\n\n");

    // another program (or a later run) sees the store as it now is
    writeFile("spooler/forms.ini", readFile("spooler/forms.ini").replace("NVX3=254000,304800", "NVX3=1,2"));
    const QList<PaperForm> forms = storedForms("QUORVEL pdf");
    ASSERT_EQ(forms.size(), 3);
    EXPECT_EQ(forms[0].name, "NVX1");
    EXPECT_EQ(forms[1].size, (FormSize{1, 2}));
    EXPECT_EQ(forms[2].name, "A=B,C");
    EXPECT_EQ(forms[2].size, (FormSize{100, 200}));
    EXPECT_EQ(FormNames(kPdf), (QStringList{"NVX1", "NVX3", "A=B,C"}));
    EXPECT_EQ(storedForms("Other Printer").size(), 1);
    EXPECT_TRUE(storedForms("Nobody").isEmpty());
    EXPECT_TRUE(FormNames("Other Printer").isEmpty()) << "a printer that cannot be opened lists no forms";
}

TEST_F(Spooler, SelectingAFormGivesThePrinterItsPaper)
{
    Printer& printer = Printer::current();
    ASSERT_TRUE(AddPaperForm(kPdf, {254000, 152400}, "NVX2"));
    ASSERT_TRUE(AddPaperForm(kPdf, {381000, 304800}, "NVX4"));
    EXPECT_TRUE(SelectPaperForm(kPdf, "nvx2", 0));
    EXPECT_EQ(printer.formName(), "NVX2");
    EXPECT_EQ(printer.pageSize().name(), "NVX2");
    EXPECT_EQ(printer.pageSize().size(QPageSize::Inch), QSizeF(10, 6));

    // a form the printer lacks, or a printer that cannot be opened, leaves the paper as it was
    EXPECT_TRUE(SelectPaperForm(kPdf, "NVX9", 0));
    EXPECT_FALSE(SelectPaperForm("No Such Printer", "NVX4", 0));
    EXPECT_EQ(printer.formName(), "NVX2");

    EXPECT_TRUE(SelectPaperForm(kPdf, "NVX4", 0));
    EXPECT_EQ(printer.pageSize().size(QPageSize::Inch), QSizeF(15, 12));
    const auto job = printer.openJob("Letter");
    EXPECT_EQ(job->device().pageLayout().pageSize().size(QPageSize::Inch), QSizeF(15, 12));
    QPainter(&job->device()).end();
    job->finish();
    EXPECT_TRUE(pdfInfo("Letter-1.pdf").contains("Title: Letter "));
}

TEST_F(Spooler, WithoutAnyPrinterThePrinterObjectRaisesThePrinterError)
{
    qputenv("QUORVEL_NO_SYSTEM_PRINTERS", "1");
    QFile::remove(dir.path() + "/printer.ini");
    Printer& printer = Printer::current();
    const auto expectPrinterError = [](const std::function<void()>& use) {
        try {
            use();
            ADD_FAILURE() << "no printer error";
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.number(), runtime::ErrorNumber::PrinterError);
            EXPECT_STREQ(error.what(), "Problem getting printer information from the system. Make sure the printer is set up correctly.");
        }
    };
    expectPrinterError([&] { printer.deviceName(); });
    expectPrinterError([&] { printer.pageSize(); });
    expectPrinterError([&] { printer.print("text"); });
    expectPrinterError([&] { SelectPaperForm(kPdf, "NVX2", 0); });
    // a printer.ini that names no printer is no printer either
    writeFile("printer.ini", "[Printer]\nFolder=Printed\n");
    expectPrinterError([&] { printer.openJob("Letter"); });
}

TEST_F(Spooler, APdfJobHoldsWhatWasDrawn)
{
    for (const char* line : {"Consignment 4711 delivered", "Consignment 4712 delivered"}) {
        const auto job = Printer::current().openJob("Report");
        QPainter painter(&job->device());
        painter.drawText(QPointF(600, 600), line);
        ASSERT_TRUE(painter.end());
        job->finish();
    }
    // the next document takes the next number
    EXPECT_EQ(printed(), (QStringList{"Report-1.pdf", "Report-2.pdf"}));
    EXPECT_TRUE(textOf("Report-1.pdf", {}).contains("Consignment 4711 delivered"));
    EXPECT_TRUE(textOf("Report-2.pdf", {}).contains("Consignment 4712 delivered"));
}

TEST_F(Spooler, TextLinesPrintInTheDraftFontsColumnByColumn)
{
    ASSERT_TRUE(AddPaperForm(kPdf, {254000, 152400}, "NVX2"));
    ASSERT_TRUE(SelectPaperForm(kPdf, "NVX2", 0));
    Printer& printer = Printer::current();
    printer.setFontName("Draft 10Cpi");
    printer.print(QString(68, ' ') + "Page No: 1");
    EXPECT_EQ(printer.currentY(), 240) << "six lines to the inch";
    printer.setCurrentY(printer.currentY() + 35);
    printer.setFontName("Draft 5cpi");
    printer.print(QString(10, ' ') + "QUORVEL COURIERS");
    printer.setFontName("Draft 10Cpi");
    printer.print("Date" + QString(8, ' ') + "POD No." + QString(6, ' ') + "Consignor Address");
    printer.print(QString(87, '-'));
    printer.endDoc();
    EXPECT_EQ(printer.currentY(), 0);

    printer.print("second letter");
    printer.endDoc();

    ASSERT_EQ(printed(), (QStringList{"Quorvel-1.pdf", "Quorvel-2.pdf"}));
    EXPECT_TRUE(pdfInfo("Quorvel-1.pdf").contains("Page size: 720 x 432 pts")) << "10 x 6 inches";
    EXPECT_TRUE(pdfInfo("Quorvel-1.pdf").contains("Pages: 1 "));
    const QStringList lines = textOf("Quorvel-1.pdf").split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QString(68, ' ') + "Page No: 1");
    // 5 cpi: each character takes two tenths of an inch
    EXPECT_EQ(lines[1].indexOf("QUORVEL"), 20);
    EXPECT_EQ(lines[1].indexOf("COURIERS"), 36);
    EXPECT_EQ(lines[2], "Date        POD No.      Consignor Address");
    EXPECT_EQ(lines[3], QString(87, '-'));
    EXPECT_TRUE(textOf("Quorvel-2.pdf").contains("second letter"));
}

TEST_F(Spooler, ADocumentTheDiskCannotTakeIsReportedWithItsCauseAndLeavesNoFile)
{
    Printer& printer = Printer::current();
    printer.print("Consignment 4711 delivered");
    std::optional<runtime::RuntimeError> failure;
    {
        const testsupport::FullDisk full;
        try {
            printer.endDoc();
        } catch (const runtime::RuntimeError& error) {
            failure = error;
        }
    }
    ASSERT_TRUE(failure) << "reported as printed";
    EXPECT_EQ(failure->number(), runtime::ErrorNumber::PrinterError);
    EXPECT_EQ(failure->what(), QDir::toNativeSeparators(dir.path() + "/Printed/Quorvel-1.pdf") + " could not be written: File too large.");
    EXPECT_EQ(QDir(dir.path() + "/Printed").entryList(QDir::Files | QDir::Hidden), QStringList());
}

} // namespace
