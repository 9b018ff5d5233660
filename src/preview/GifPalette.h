#pragma once

#include <QImage>

namespace preview {

// The picture in 8-bit palette form, as a GIF holds it, with no dithering; a null image when memory
// runs out. A picture of 256 colours or fewer keeps them exactly. Otherwise the palette is chosen
// from the picture's own colours: white keeps an entry of its own, so white paper stays white, and
// the other entries share out the rest, a colour that fills much of the picture keeping its value.
QImage withGifPalette(const QImage& picture);

} // namespace preview
