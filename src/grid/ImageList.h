#pragma once

#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QtGlobal>

class QPainter;

// The image list a host attaches to the grid for row and cell images.
//
// Images are numbered from 1 in the order they were added and may carry a key, a name that finds
// them as well; keys match exactly, letter case included. All images have the list's image size.
// An index or key the list does not hold fails with error 9 (subscript out of range).
namespace grid {

class ImageList {
public:
    // A list of images of ImageSize; an empty size is taken from the first image added.
    explicit ImageList(QSize ImageSize = {});

    // Appends Image, scaled to the list's image size when it has another, and returns its index.
    // An empty Key gives the image none; a key the list already holds fails with error 5 (invalid
    // procedure call or argument) and adds nothing.
    qint32 Add(const QPixmap& Image, const QString& Key = {});

    qint32 Count() const { return qint32(m_images.size()); }
    qint32 ImageWidth() const { return m_imageSize.width(); }
    qint32 ImageHeight() const { return m_imageSize.height(); }

    // The index of the image with Key.
    qint32 IndexOf(const QString& Key) const;
    // The key of image Index, empty when it has none.
    QString Key(qint32 Index) const;

    // Draws image Index with its top-left corner at (x, y), keeping its transparent parts. The
    // selected look mixes each visible pixel half and half with the system highlight colour.
    void Draw(QPainter& painter, qint32 Index, int x, int y, bool Selected) const;

private:
    struct Item {
        QPixmap image;
        QString key;
    };
    const Item& item(qint32 Index) const;
    // The index of the first image with Key, 0 when none has it.
    qint32 indexOfKey(const QString& Key) const;

    QSize m_imageSize;
    QList<Item> m_images;
};

} // namespace grid
