#pragma once

#include "platform/spooler/FormStore.h"
#include "platform/spooler/Printer.h"

#include <QString>
#include <QStringList>

// The print spooler's paper-form procedures: finding and adding a printer's named user forms and
// selecting one for the application's printer. Each call opens the printer by name and fails
// quietly (false) when no printer has that name. Window handles are accepted and not used.
namespace spooler {

// True when the printer has a form of that name (compared case-insensitively); size then receives
// the form's size. False when the printer cannot be opened or has no such form.
bool FormExists(const QString& printerName, qint32 windowHandle, FormSize& size, const QString& formName);

// The names of the printer's forms, in the order the printer lists them (the order they were
// added); none when the printer cannot be opened.
QStringList FormNames(const QString& printerName);

// Adds a user form of that name and size to the printer (the whole sheet printable). False when the
// printer cannot be opened, a form of that name exists already, the name is empty, longer than 31
// characters or holds control characters, or the size is not positive.
bool AddPaperForm(const QString& printerName, const FormSize& size, const QString& formName);

// Makes the application's printer (Printer::current()) print its next document on the printer's form
// of that name; a name the printer has no form of leaves the paper as it was. True when done, false
// when the printer cannot be opened. Throws runtime::RuntimeError(PrinterError) when the
// application has no printer at all.
bool SelectPaperForm(const QString& printerName, const QString& formName, qint32 windowHandle);

// The ANSI text at address up to its NUL, when the NUL lies within 512 characters; else "" (also
// for a null address).
QString StrFromPtr(const char* address);

} // namespace spooler
