#pragma once

#include <QIODevice>
#include <QImage>

namespace preview {

// Writes the picture as a GIF image to the open device through giflib; returns the picture saver's
// status (GdiStatus: 0 when written). Its colours are those of withGifPalette.
qint32 writeGif(const QImage& picture, QIODevice& file);

} // namespace preview
