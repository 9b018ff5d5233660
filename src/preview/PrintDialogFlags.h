#pragma once

#include <QAbstractPrintDialog>

namespace preview {

// The flags ShowPrinter takes (the common print dialog's own bit values); other bits are ignored.
enum PrintDialogFlag : qint32 {
    pdSelection = 0x1,            // opens with "Selection" chosen
    pdPageNums = 0x2,             // opens with the page range chosen
    pdNoSelection = 0x4,          // no "Selection" choice
    pdNoPageNums = 0x8,           // no page range
    pdCollate = 0x10,             // copies collated
    pdDisablePrintToFile = 0x80000,
    pdHidePrintToFile = 0x100000, // no printing to a file
    pdCurrentPage = 0x400000,     // offers "Current Page" and opens with it chosen
    pdNoCurrentPage = 0x800000,   // no "Current Page", whatever pdCurrentPage says
};

// How the dialog opens for the flags: the choices it offers, the range chosen and the collation.
struct PrintDialogSetup {
    QAbstractPrintDialog::PrintDialogOptions options;
    QAbstractPrintDialog::PrintRange range = QAbstractPrintDialog::AllPages;
    bool collate = false;
};

// The set-up for the flags; a page range is offered only when the caller's pages allow one (the
// lowest page below the highest), as the range boxes are otherwise disabled. A range the dialog does
// not offer is not chosen: it opens with "All" instead.
PrintDialogSetup setupForFlags(qint32 flags, bool pageRangeAllowed);

} // namespace preview
