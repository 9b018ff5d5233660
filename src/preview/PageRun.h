#pragma once

#include "platform/runtime/RuntimeError.h"

#include <QImage>
#include <QList>
#include <QString>
#include <functional>
#include <string>

// Work done page by page on a previewed document (printing a range, saving pictures): a page that
// fails does not stop the run; the pages that failed are reported together at the end.
namespace preview {

// Pages of a run that failed, numbered from 1 as the clerk sees them.
class PageRunError : public runtime::RuntimeError {
public:
    PageRunError(runtime::ErrorNumber number, const QString& what, const QList<int>& pages, int pageCount);
    const char* what() const noexcept override { return m_description.c_str(); }

private:
    std::string m_description;
};

// Runs the step on each page index from first to last; a step fails by returning false or by
// throwing a runtime error. Returns the indices of the pages that failed.
QList<int> runPages(int first, int last, const std::function<bool(int page)>& step);

// Prints the page picture as a print job of its own on the program's printer, stretched over the
// printable area. False when the printer could not start the job.
bool PrintPage(const QImage& page, const QString& documentName);

} // namespace preview
