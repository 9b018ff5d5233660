#pragma once

#include "preview/PainterSurface.h"

#include <QImage>
#include <memory>

namespace spooler {
class PrintJob;
}

namespace preview {

// The program's printer (spooler::Printer: its device, paper form and page settings) as a
// surface. A document is one print job, opened by the first mark and sent by endDoc, which raises
// the printer error when the printer cannot take it whole; until then text is measured as the
// printer's resolution would print it.
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
    QColor ink(const QColor& colour) const override;
    QImage ink(const QImage& picture) const override;

private:
    void openJob();

    std::unique_ptr<spooler::PrintJob> m_job;
    QImage m_measure; // stands for the printer while no job is open
};

} // namespace preview
