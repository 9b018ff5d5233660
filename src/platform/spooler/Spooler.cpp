#include "platform/spooler/Spooler.h"

#include "platform/spooler/PrinterDevices.h"

#include <algorithm>
#include <cstring>

namespace spooler {
namespace {

// The longest form name the spooler keeps (its name field holds 32 characters with the NUL).
constexpr qsizetype kMaxFormName = 31;

bool validForm(const QString& name, const FormSize& size)
{
    const bool printableName = !name.isEmpty() && name.size() <= kMaxFormName
                               && std::none_of(name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    return printableName && size.width > 0 && size.height > 0;
}

} // namespace

bool FormExists(const QString& printerName, qint32, FormSize& size, const QString& formName)
{
    const QString printer = openPrinter(printerName);
    if (printer.isEmpty())
        return false;
    const std::optional<PaperForm> form = storedForm(printer, formName);
    if (!form)
        return false;
    size = form->size;
    return true;
}

QStringList FormNames(const QString& printerName)
{
    QStringList names;
    const QString printer = openPrinter(printerName);
    if (!printer.isEmpty())
        for (const PaperForm& form : storedForms(printer))
            names << form.name;
    return names;
}

bool AddPaperForm(const QString& printerName, const FormSize& size, const QString& formName)
{
    const QString printer = openPrinter(printerName);
    if (printer.isEmpty() || !validForm(formName, size))
        return false;
    return storeForm(printer, {formName, size});
}

bool SelectPaperForm(const QString& printerName, const QString& formName, qint32)
{
    Printer& applicationPrinter = Printer::current();
    applicationPrinter.deviceName(); // without a printer object this raises the printer error
    const QString printer = openPrinter(printerName);
    if (printer.isEmpty())
        return false;
    if (const std::optional<PaperForm> form = storedForm(printer, formName))
        applicationPrinter.usePaperForm(*form);
    return true;
}

QString StrFromPtr(const char* address)
{
    constexpr std::size_t kBuffer = 512;
    if (address == nullptr)
        return QString();
    const std::size_t length = strnlen(address, kBuffer);
    return length < kBuffer ? QString::fromLocal8Bit(address, qsizetype(length)) : QString();
}

} // namespace spooler
