#include "preview/PrintDialogSeam.h"

#include "platform/ui/WindowHost.h"

#include <QEvent>
#include <QPrintDialog>

namespace preview {
namespace {

PrintDialogSeam::StandIn& standIn()
{
    static PrintDialogSeam::StandIn answerer;
    return answerer;
}

// Notes whether the dialog appeared.
class ShownNote : public QObject {
public:
    explicit ShownNote(QWidget* dialog) { dialog->installEventFilter(this); }
    bool shown = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            shown = true;
        return false;
    }
};

} // namespace

PrintDialogChoice choiceOf(const QPrinter& printer)
{
    PrintDialogChoice choice;
    if (printer.outputFormat() == QPrinter::NativeFormat)
        choice.deviceName = printer.printerName();
    choice.fromPage = printer.fromPage();
    choice.toPage = printer.toPage();
    choice.copies = printer.copyCount();
    choice.colorMode = printer.colorMode();
    choice.orientation = printer.pageLayout().orientation();
    choice.pageSize = printer.pageLayout().pageSize();
    if (printer.outputFormat() == QPrinter::PdfFormat)
        choice.outputFile = printer.outputFileName();
    return choice;
}

void PrintDialogSeam::setStandIn(StandIn answerer) { standIn() = std::move(answerer); }

PrintDialogAnswer PrintDialogSeam::run(QPrintDialog& dialog)
{
    if (standIn())
        return standIn()(dialog);
    ShownNote note(&dialog);
    ui::WindowHost::showModal(&dialog);
    if (!note.shown)
        return {PrintDialogAnswer::Failed, {}};
    if (dialog.result() != QDialog::Accepted)
        return {PrintDialogAnswer::Cancelled, {}};
    return {PrintDialogAnswer::Confirmed, choiceOf(*dialog.printer())};
}

} // namespace preview
