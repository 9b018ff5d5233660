#pragma once

#include <QImage>

namespace preview {

// The picture in 8-bit palette form, as a GIF holds it, with no dithering; a null image when memory
// runs out. A picture of 256 colours or fewer keeps them exactly. Otherwise the palette is chosen
// from the picture's own colours: white keeps an entry of its own, so white paper stays white, as
// does a colour that holds more than an entry's share of the other pixels, so it keeps its value;
// the other entries share out the rest.
QImage withGifPalette(const QImage& picture);

} // namespace preview
