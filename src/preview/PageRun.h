#pragma once

#include "platform/runtime/RuntimeError.h"

#include <QImage>
#include <QList>
#include <QString>
#include <functional>
#include <string>

// Work done page by page on a previewed document (printing a range, saving pictures): a page that
// fails does not stop the run; the pages that failed are reported together at the end, with the
// reason the first of them failed.
namespace preview {

// The pages of a run that failed (indices from 0) and why the first of them failed.
struct PageRunFailures {
    QList<int> pages;
    QString firstReason;
};

// Pages of a run that failed, numbered from 1 as the clerk sees them, and the first one's reason.
class PageRunError : public runtime::RuntimeError {
public:
    PageRunError(runtime::ErrorNumber number, const QString& what, const PageRunFailures& failures, int pageCount);
    const char* what() const noexcept override { return m_description.c_str(); }

private:
    std::string m_description;
};

// Runs the step on each page index from first to last. A step fails by returning its reason, or by
// throwing a runtime error, whose description is the reason; it returns "" when done.
PageRunFailures runPages(int first, int last, const std::function<QString(int page)>& step);

// Prints the page picture as a print job of its own on the program's printer, stretched over the
// printable area. Raises the printer error when the printer cannot start the job or take it whole
// (see spooler::PrintJob::finish).
void PrintPage(const QImage& page, const QString& documentName);

} // namespace preview
