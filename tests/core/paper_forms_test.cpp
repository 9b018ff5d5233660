// The login's four paper forms, installed on the application's printer of a new installation
// (the installation's PDF printer).

#include "support/CoreFixture.h"
#include "support/FileWriting.h"

#include "core/PaperForms.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/spooler/Printer.h"
#include "platform/spooler/Spooler.h"

#include <QFile>

namespace {

class PaperFormsTest : public testsupport::CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        install(QDate(2026, 6, 15));
    }

    // What the login installs, in its order.
    static void installAtLogin()
    {
        for (const char* form : {"NVX1", "NVX3", "NVX2", "NVX4"})
            core::InstallPaperForm(QLatin1String(form), 0);
    }
    static QStringList formsOfThePrinter()
    {
        QStringList forms;
        for (const spooler::PaperForm& form : spooler::storedForms(spooler::Printer::current().deviceName()))
            forms << QStringLiteral("%1 %2x%3").arg(form.name).arg(form.size.width).arg(form.size.height);
        return forms;
    }
    void writeStore(const QByteArray& text)
    {
        testsupport::writeFile(root() + "/spooler/forms.ini", text);
    }
};

TEST_F(PaperFormsTest, TheFirstLoginAddsTheFourFormsAndLaterOnesNothing)
{
    EXPECT_EQ(spooler::Printer::current().deviceName(), "Quorvel PDF");
    installAtLogin();
    const QStringList expected{"NVX1 254000x101600", "NVX3 254000x304800", "NVX2 254000x152400", "NVX4 381000x304800"};
    EXPECT_EQ(formsOfThePrinter(), expected);
    installAtLogin();
    EXPECT_EQ(formsOfThePrinter(), expected);
}

TEST_F(PaperFormsTest, FormsThePrinterHasUnderAnyCaseAreKept)
{
    struct Case {
        const char* store;
        QStringList after;
    } cases[] = {
        // the first form in small letters counts as NVX1
        {"[Quorvel PDF]\nnvx1=1000,2000\n",
         {"nvx1 1000x2000", "NVX3 254000x304800", "NVX2 254000x152400", "NVX4 381000x304800"}},
        // NVX1 as the printer's very first form, before forms of other names
        {"[quorvel pdf]\nNVX1=254000,101600\nLabel=50000,30000\nNVX2=254000,152400\n",
         {"NVX1 254000x101600", "Label 50000x30000", "NVX2 254000x152400", "NVX3 254000x304800", "NVX4 381000x304800"}},
        // forms of another printer do not count
        {"[Other Printer]\nNVX1=254000,101600\nNVX2=254000,152400\nNVX3=254000,304800\nNVX4=381000,304800\n",
         {"NVX1 254000x101600", "NVX3 254000x304800", "NVX2 254000x152400", "NVX4 381000x304800"}},
    };
    for (const Case& c : cases) {
        writeStore(c.store);
        installAtLogin();
        EXPECT_EQ(formsOfThePrinter(), c.after) << c.store;
    }
}

TEST_F(PaperFormsTest, FormNamesOutsideTheTableAreRefused)
{
    EXPECT_THROW(core::InstallPaperForm("NVX5", 0), std::invalid_argument);
    core::InstallPaperForm("nvx2", 0);
    EXPECT_EQ(formsOfThePrinter(), QStringList{"NVX2 254000x152400"}) << "added under the table's name";
}

TEST_F(PaperFormsTest, WithoutAPrinterTheLoginGetsThePrinterError)
{
    QFile::remove(root() + "/printer.ini");
    qputenv("QUORVEL_NO_SYSTEM_PRINTERS", "1");
    try {
        core::InstallPaperForm("NVX1", 0);
        ADD_FAILURE() << "no printer error";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_EQ(error.number(), runtime::ErrorNumber::PrinterError);
    }
    qunsetenv("QUORVEL_NO_SYSTEM_PRINTERS");
    EXPECT_FALSE(QFile::exists(root() + "/spooler/forms.ini"));
}

} // namespace
