#include "preview/PageRun.h"

#include "platform/spooler/Printer.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

namespace preview {

PageRunError::PageRunError(runtime::ErrorNumber number, const QString& what, const QList<int>& pages, int pageCount)
    : RuntimeError(number)
{
    QStringList numbers;
    for (int page : pages)
        numbers << QString::number(page + 1);
    m_description = QStringLiteral("%1 of %2 pages could not be %3 (page %4).")
                        .arg(pages.size())
                        .arg(pageCount)
                        .arg(what, numbers.join(QStringLiteral(", ")))
                        .toStdString();
}

QList<int> runPages(int first, int last, const std::function<bool(int page)>& step)
{
    QList<int> failed;
    for (int page = first; page <= last; ++page) {
        bool done = false;
        try {
            done = step(page);
        } catch (const runtime::RuntimeError&) {
            // counted as failed below
        }
        if (!done)
            failed << page;
    }
    return failed;
}

bool PrintPage(const QImage& page, const QString& documentName)
{
    const std::unique_ptr<QPrinter> job = spooler::Printer::current().makeQPrinter(documentName);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QPainter painter;
    const bool started = painter.begin(job.get());
    if (started) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, job->width(), job->height()), page);
        painter.end();
    }
    QApplication::restoreOverrideCursor();
    return started;
}

} // namespace preview
