#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QString>
#include <functional>

class QPrintDialog;

namespace preview {

// What a confirmed print dialog hands back: the printer chosen and the settings that go on to it.
struct PrintDialogChoice {
    QString deviceName; // "" when the dialog was set to print to a PDF file rather than to a printer
    int fromPage = 0;   // both 0 when no page range was chosen
    int toPage = 0;
    int copies = 1;
    QPrinter::ColorMode colorMode = QPrinter::Color;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QPageSize pageSize;
    QString outputFile; // the PDF file the dialog was set to print to, "" for a printer
};

// The choice that the dialog's printer holds once the dialog was confirmed.
PrintDialogChoice choiceOf(const QPrinter& printer);

struct PrintDialogAnswer {
    enum Outcome { Confirmed, Cancelled, Failed };
    Outcome outcome = Cancelled;
    PrintDialogChoice choice; // for Confirmed
};

// How the print dialog is answered. In the program the dialog opens modally through the window host
// and the person answers it; it failed when it never appeared. A test stands in for the person: it
// receives the dialog as it would open (options, page limits, its printer's preset values) and
// answers in its place; the dialog is then not shown.
class PrintDialogSeam {
public:
    using StandIn = std::function<PrintDialogAnswer(QPrintDialog& dialog)>;
    // An empty stand-in lets the person answer again.
    static void setStandIn(StandIn standIn);
    static PrintDialogAnswer run(QPrintDialog& dialog);
};

} // namespace preview
