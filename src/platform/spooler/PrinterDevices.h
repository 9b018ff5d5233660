#pragma once

#include <QString>
#include <optional>

// The printers a name can reach: the system's printers and the installation's print-to-PDF printer.
namespace spooler {

// The installation's print-to-PDF printer, named in <root>/printer.ini: section [Printer], key Name
// (the printer's device name) and key Folder (a Windows-form or relative path, in the installation
// root, that receives the printed documents as PDF files).
struct PdfPrinter {
    QString name;
    QString folder; // mapped into the installation root
};

// The PDF printer the installation names, if any.
std::optional<PdfPrinter> installedPdfPrinter();

// The system's default printer, or "" when it has none. The environment variable
// QUORVEL_NO_SYSTEM_PRINTERS (set and not empty) hides the system's printers, as on a machine
// without any.
QString defaultSystemPrinter();

// Opens a printer by name (compared case-insensitively): its name as the installation or the system
// knows it, or "" when no printer has that name. The installation's PDF printer comes first.
QString openPrinter(const QString& name);

} // namespace spooler
