#pragma once

#include "platform/runtime/RuntimeError.h"

#include <QString>

namespace preview {

struct PrintDialogChoice;

// The error a cancelled print dialog raises when CancelError is set: number 32755, source
// "PrintDialog", description "Cancel.".
class PrintDialogCancel : public runtime::RuntimeError {
public:
    static constexpr int kNumber = 32755;
    PrintDialogCancel();
    const char* what() const noexcept override;
    static QString source();
};

// The print dialog: shows the printers with a page range and copies, preset from the application's
// printer (spooler::Printer::current()) and this object's fields. When the person confirms, the
// printer chosen becomes the application's printer and takes the colour mode, the copies (at most
// MaxCopies), the orientation (only while AllowOrientation) and the paper chosen; the chosen range is
// read back into FromPage and ToPage. The dialog knows only the system's printers: its "Print to File
// (PDF)" entry stands for the installation's print-to-PDF printer, and is offered whenever that is the
// printer in use (AllowPrintToFile then matters only while a system printer is in use). Its file
// opens as the next free file of the printer's folder, so Print takes the dialog as it opens; a
// file the person chose there takes the next document, while the file proposed, left as it was,
// leaves the printer's own names.
// Duplex, paper bin and print quality stay the printer's own: the application's printer has none
// of them to set.
//
// The page setters keep MinPage <= FromPage <= ToPage <= MaxPage, taking 1 for anything below 1;
// the initial zeros and the range read back from the dialog are stored as they are. Releasing the
// object remembers the application's printer in the per-user settings (the application's title,
// "Options", "Printer").
class clsPrintDialog {
public:
    clsPrintDialog() = default;
    ~clsPrintDialog();
    clsPrintDialog(const clsPrintDialog&) = delete;
    clsPrintDialog& operator=(const clsPrintDialog&) = delete;

    // When set, a cancelled dialog throws PrintDialogCancel instead of returning true.
    bool CancelError = false;

    qint32 MinPage() const { return m_minPage; }
    void SetMinPage(qint32 page);
    qint32 FromPage() const { return m_fromPage; }
    void SetFromPage(qint32 page);
    qint32 ToPage() const { return m_toPage; }
    void SetToPage(qint32 page);
    qint32 MaxPage() const { return m_maxPage; }
    void SetMaxPage(qint32 page);

    // Shows the dialog with the flags (PrintDialogFlag); true when it was cancelled, false when it
    // was confirmed. Without AllowPrintToFile the dialog offers no printing to a file (see above). A
    // dialog that cannot be shown (and a missing printer) raises the printer error.
    bool ShowPrinter(qint32 flags = 0);

    qint32 Copies() const { return m_copies; }
    void SetCopies(qint32 copies);
    // The window the dialog belongs to (its window id), 0 for none.
    qint32 Owner_hWnd() const { return m_owner; }
    void SetOwner_hWnd(qint32 window) { m_owner = window; }
    qint32 MaxCopies() const { return m_maxCopies; }
    void SetMaxCopies(qint32 copies);
    bool AllowOrientation() const { return m_allowOrientation; }
    void SetAllowOrientation(bool allow) { m_allowOrientation = allow; }
    bool AllowPrintToFile() const { return m_allowPrintToFile; }
    void SetAllowPrintToFile(bool allow) { m_allowPrintToFile = allow; }

private:
    // proposedFile: the PDF file the dialog opened with, "" for none.
    void takeChoice(const PrintDialogChoice& choice, const QString& proposedFile);

    qint32 m_minPage = 0;
    qint32 m_maxPage = 0;
    qint32 m_fromPage = 0;
    qint32 m_toPage = 0;
    qint32 m_copies = 1;
    qint32 m_maxCopies = 1;
    qint32 m_owner = 0;
    bool m_allowOrientation = true;
    bool m_allowPrintToFile = false;
};

} // namespace preview
