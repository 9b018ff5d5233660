#pragma once

#include <QIODevice>
#include <QImage>

namespace preview {

// Writes the picture as a GIF image to the open device through giflib; returns the picture saver's
// status (GdiStatus: 0 when written). The picture keeps its own colours when it has 256 or fewer;
// otherwise each colour becomes the nearest of a palette of evenly spaced colours (white among
// them), with no dithering, so white paper stays white.
qint32 writeGif(const QImage& picture, QIODevice& file);

} // namespace preview
