#pragma once

#include "platform/runtime/RuntimeError.h"

#include <QImage>
#include <QList>
#include <QString>
#include <string>

// The page files of a previewed document: page n (from 0) is the bitmap "PPview<n>.bmp" in the
// document's own folder.
namespace preview {

QString pageFileName(int page);
QString pageFilePath(const QString& folder, int page);

// Writes the picture as the folder's page file; "" when written, else the system's reason.
QString writePageFile(const QImage& picture, const QString& folder, int page);

// Deletes the folder's page files in one pass, skipping any that cannot be deleted, then the
// folder itself when nothing else is left in it.
void deletePageFiles(const QString& folder);

// Pages of a document that could not be written: reported as the runtime's file access error
// naming them, their folder and the system's reason (that of the first page).
class PageSaveError : public runtime::RuntimeError {
public:
    PageSaveError(const QString& folder, const QList<int>& pages, const QString& reason);
    const char* what() const noexcept override { return m_description.c_str(); }

private:
    std::string m_description;
};

} // namespace preview
