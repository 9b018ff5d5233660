#include "preview/PrintDialogFlags.h"

namespace preview {

PrintDialogSetup setupForFlags(qint32 flags, bool pageRangeAllowed)
{
    const auto has = [flags](qint32 flag) { return (flags & flag) != 0; };
    PrintDialogSetup setup;
    setup.options = QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize;
    setup.options.setFlag(QAbstractPrintDialog::PrintToFile, !has(pdHidePrintToFile) && !has(pdDisablePrintToFile));
    setup.options.setFlag(QAbstractPrintDialog::PrintSelection, !has(pdNoSelection));
    setup.options.setFlag(QAbstractPrintDialog::PrintPageRange, !has(pdNoPageNums) && pageRangeAllowed);
    setup.options.setFlag(QAbstractPrintDialog::PrintCurrentPage, has(pdCurrentPage) && !has(pdNoCurrentPage));
    if (has(pdSelection) && setup.options.testFlag(QAbstractPrintDialog::PrintSelection))
        setup.range = QAbstractPrintDialog::Selection;
    else if (has(pdPageNums) && setup.options.testFlag(QAbstractPrintDialog::PrintPageRange))
        setup.range = QAbstractPrintDialog::PageRange;
    else if (setup.options.testFlag(QAbstractPrintDialog::PrintCurrentPage))
        setup.range = QAbstractPrintDialog::CurrentPage;
    setup.collate = has(pdCollate);
    return setup;
}

} // namespace preview
