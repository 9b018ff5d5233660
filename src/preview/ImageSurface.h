#pragma once

#include "preview/PainterSurface.h"

#include <QImage>
#include <QList>

namespace preview {

// A page picture at the screen's resolution, a quarter inch larger than the paper each way, onto
// which the paper is mapped whole. Each finished page is saved as the next page file of the folder
// (from page 0); endDoc saves the last page and reports the pages that could not be written.
class ImageSurface : public PainterSurface {
public:
    ImageSurface(const QSizeF& paperInches, const QString& folder, double screenDpi);

    QSizeF paperSize() const override { return m_paper; }
    void startDoc() override;
    void newPage() override;
    // Throws PageSaveError when a page of the document could not be written.
    void endDoc() override;

private:
    void savePage();

    QSizeF m_paper;
    QString m_folder;
    QImage m_image;
    int m_page = 0;
    QList<int> m_failed;
    QString m_firstReason; // why the first of them failed
};

} // namespace preview
