#include "platform/spooler/PrinterDevices.h"

#include "platform/paths/Installation.h"

#include <QFile>
#include <QPrinterInfo>
#include <QSettings>

namespace spooler {
namespace {

bool systemPrintersHidden() { return !qEnvironmentVariableIsEmpty("QUORVEL_NO_SYSTEM_PRINTERS"); }

} // namespace

std::optional<PdfPrinter> installedPdfPrinter()
{
    const QString file = paths::programPath(QStringLiteral("printer.ini"));
    if (!QFile::exists(file))
        return std::nullopt;
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Printer"));
    const QString name = settings.value(QStringLiteral("Name")).toString().trimmed();
    if (name.isEmpty())
        return std::nullopt;
    return PdfPrinter{name, paths::mapWindowsPath(settings.value(QStringLiteral("Folder")).toString().trimmed())};
}

QString defaultSystemPrinter()
{
    return systemPrintersHidden() ? QString() : QPrinterInfo::defaultPrinterName();
}

QString openPrinter(const QString& name)
{
    if (const auto pdf = installedPdfPrinter(); pdf && pdf->name.compare(name, Qt::CaseInsensitive) == 0)
        return pdf->name;
    if (systemPrintersHidden())
        return QString();
    for (const QString& systemPrinter : QPrinterInfo::availablePrinterNames())
        if (systemPrinter.compare(name, Qt::CaseInsensitive) == 0)
            return systemPrinter;
    return QString();
}

} // namespace spooler
