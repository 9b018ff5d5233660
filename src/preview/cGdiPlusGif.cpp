#include "preview/cGdiPlusGif.h"

#include "preview/GifPalette.h"
#include "preview/cGdiPlus.h"

#include <gif_lib.h>

namespace preview {
namespace {

constexpr int kLargestSide = 0xFFFF; // a GIF states its width and height in 16 bits

qint32 statusOfGifError(int error)
{
    switch (error) {
    case E_GIF_ERR_OPEN_FAILED:
    case E_GIF_ERR_WRITE_FAILED:
    case E_GIF_ERR_DISK_IS_FULL:
    case E_GIF_ERR_CLOSE_FAILED:
    case E_GIF_ERR_NOT_WRITEABLE: return GdiWin32Error;
    case E_GIF_ERR_NOT_ENOUGH_MEM: return GdiOutOfMemory;
    default: return GdiGenericError;
    }
}

// giflib's output: the bytes go to the device the file was opened on.
int writeToDevice(GifFileType* gif, const GifByteType* bytes, int length)
{
    return int(static_cast<QIODevice*>(gif->UserData)->write(reinterpret_cast<const char*>(bytes), length));
}

// The palette of the indexed picture as giflib's colour map (its size a power of two), or null.
ColorMapObject* colourMapOf(const QImage& indexed)
{
    const QList<QRgb> colours = indexed.colorTable();
    ColorMapObject* map = GifMakeMapObject(1 << GifBitSize(int(qMax<qsizetype>(colours.size(), 2))), nullptr);
    if (!map)
        return nullptr;
    for (int i = 0; i < map->ColorCount; ++i) {
        const QRgb colour = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        map->Colors[i] = GifColorType{GifByteType(qRed(colour)), GifByteType(qGreen(colour)), GifByteType(qBlue(colour))};
    }
    return map;
}

// Writes the screen, the one image and its rows; the file's last error when a step fails.
int writeImage(GifFileType* gif, QImage& indexed, const ColorMapObject* map)
{
    if (EGifPutScreenDesc(gif, indexed.width(), indexed.height(), map->BitsPerPixel, 0, map) == GIF_ERROR ||
        EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_ERROR)
        return gif->Error;
    for (int y = 0; y < indexed.height(); ++y)
        if (EGifPutLine(gif, indexed.scanLine(y), indexed.width()) == GIF_ERROR)
            return gif->Error;
    return 0;
}

} // namespace

qint32 writeGif(const QImage& picture, QIODevice& file)
{
    if (picture.isNull() || picture.width() > kLargestSide || picture.height() > kLargestSide)
        return GdiInvalidParameter;
    QImage indexed = withGifPalette(picture);
    if (indexed.isNull())
        return GdiOutOfMemory;
    ColorMapObject* map = colourMapOf(indexed);
    if (!map)
        return GdiOutOfMemory;
    int error = 0;
    GifFileType* gif = EGifOpen(&file, writeToDevice, &error);
    if (gif) {
        error = writeImage(gif, indexed, map);
        int closeError = 0;
        if (EGifCloseFile(gif, &closeError) == GIF_ERROR && error == 0)
            error = closeError;
    }
    GifFreeMapObject(map);
    return error == 0 ? qint32(GdiOk) : statusOfGifError(error);
}

} // namespace preview
