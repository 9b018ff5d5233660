#pragma once

#include "preview/PainterSurface.h"

#include <QImage>
#include <memory>

class QPrinter;

namespace preview {

// The program's printer (spooler::Printer: its device, paper form and page settings) as a
// surface. A document is one print job, opened by the first mark and sent by endDoc; until then
// text is measured as the printer's resolution would print it.
class PrinterSurface : public PainterSurface {
public:
    PrinterSurface();
    ~PrinterSurface() override;

    QSizeF paperSize() const override;
    void startDoc() override;
    void newPage() override;
    void endDoc() override;

protected:
    void beforeFirstMark() override;

private:
    void openJob();

    std::unique_ptr<QPrinter> m_job;
    QImage m_measure; // stands for the printer while no job is open
};

} // namespace preview
