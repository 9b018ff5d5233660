#include "core/PaperForms.h"

#include "platform/spooler/Printer.h"
#include "platform/spooler/Spooler.h"

#include <algorithm>
#include <stdexcept>

namespace core {

void InstallPaperForm(const QString& formName, qint32 windowHandle)
{
    const auto form = std::find_if(kPaperForms.begin(), kPaperForms.end(), [&](const PaperFormSpec& f) {
        return formName.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0;
    });
    if (form == kPaperForms.end())
        throw std::invalid_argument("not one of the program's paper forms: " + formName.toStdString());

    const QString printerName = spooler::Printer::current().deviceName();
    spooler::FormSize size{form->width, form->height};
    if (!spooler::FormExists(printerName, windowHandle, size, formName))
        spooler::AddPaperForm(printerName, size, QLatin1String(form->name));
}

} // namespace core
