#include "preview/PageRun.h"

#include "platform/spooler/PrintJob.h"
#include "platform/spooler/Printer.h"

#include <QApplication>
#include <QPainter>
#include <QStringList>

namespace preview {

PageRunError::PageRunError(runtime::ErrorNumber number, const QString& what, const PageRunFailures& failures, int pageCount)
    : RuntimeError(number)
{
    QStringList numbers;
    for (int page : failures.pages)
        numbers << QString::number(page + 1);
    QString reason = failures.firstReason;
    if (!reason.endsWith(u'.'))
        reason += u'.';
    m_description = QStringLiteral("%1 of %2 pages could not be %3 (page %4). Page %5: %6")
                        .arg(failures.pages.size())
                        .arg(pageCount)
                        .arg(what, numbers.join(QStringLiteral(", ")), numbers.value(0), reason)
                        .toStdString();
}

PageRunFailures runPages(int first, int last, const std::function<QString(int page)>& step)
{
    PageRunFailures failures;
    for (int page = first; page <= last; ++page) {
        QString reason;
        try {
            reason = step(page);
        } catch (const runtime::RuntimeError& error) {
            reason = QString::fromUtf8(error.what());
        }
        if (reason.isEmpty())
            continue;
        if (failures.pages.isEmpty())
            failures.firstReason = reason;
        failures.pages << page;
    }
    return failures;
}

void PrintPage(const QImage& page, const QString& documentName)
{
    const std::unique_ptr<spooler::PrintJob> job = spooler::Printer::current().openJob(documentName);
    QPagedPaintDevice& device = job->device();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QPainter painter;
    const bool started = painter.begin(&device);
    if (started) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, device.width(), device.height()), job->ink(page));
    }
    const bool ended = started && painter.end();
    QApplication::restoreOverrideCursor();
    if (!started)
        throw runtime::RuntimeError(runtime::ErrorNumber::PrinterError, "The printer did not start the job.");
    if (!ended)
        throw runtime::RuntimeError(runtime::ErrorNumber::PrinterError);
    job->finish();
}

} // namespace preview
