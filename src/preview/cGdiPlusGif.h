#pragma once

#include <QImage>
#include <QString>

namespace preview {

// Writes the picture as a GIF file through giflib, reduced first to at most 256 colours; returns the
// picture saver's status (GdiStatus: 0 when written). A file left half written is removed.
qint32 writeGif(const QImage& picture, const QString& fileName);

} // namespace preview
