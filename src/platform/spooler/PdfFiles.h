#pragma once

#include <QString>

// The files the installation's PDF printer writes: <folder>/<document name>-<n>.pdf with the first n
// not yet used. The name is "Document" when the document has none; its folder separators become
// "_", and it is cut short where the whole file name would exceed what the file system takes (the
// document keeps its whole name as its title).
namespace spooler {

// The file the next document of that name would be written to; nothing is created.
QString nextPdfFile(const QString& folder, const QString& documentName);

// Creates the folder when missing and reserves the document's file by creating it empty. A folder
// or file that cannot be created raises the printer error, naming it and the system's reason.
QString reservePdfFile(const QString& folder, const QString& documentName);

} // namespace spooler
