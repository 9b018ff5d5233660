#pragma once

#include <QList>
#include <QString>
#include <optional>

// The user paper forms of every printer, kept by the installation as a print server keeps them.
namespace spooler {

// A paper size in thousandths of a millimetre.
struct FormSize {
    qint32 width = 0;
    qint32 height = 0;
    friend bool operator==(const FormSize&, const FormSize&) = default;
};

// One named user form of a printer.
struct PaperForm {
    QString name;
    FormSize size;
};

// The store is the text file <root>/spooler/forms.ini: one section "[printer name]" per printer and
// one line "form name=width,height" per form, in the order the forms were added. Printer and form
// names compare case-insensitively; names hold no line breaks. Every call reads the file afresh, so
// the forms outlive the program and copies of the program see each other's additions.

// The forms of a printer, in the order they were added (none for a printer the store does not know).
QList<PaperForm> storedForms(const QString& printerName);

// The printer's form of that name, if it has one.
std::optional<PaperForm> storedForm(const QString& printerName, const QString& formName);

// Adds a form at the end of the printer's list. False when the printer has a form of that name
// already or the store cannot be written.
bool storeForm(const QString& printerName, const PaperForm& form);

} // namespace spooler
