#include "preview/cGdiPlus.h"

#include "preview/cGdiPlusGif.h"

#include <QImageWriter>
#include <QSaveFile>
#include <array>

namespace preview {
namespace {

// The encoders the saver knows, in their fixed order: the image format and its file patterns.
struct Encoder {
    const char* format;
    const char* patterns;
};
constexpr std::array kEncoders{
    Encoder{"bmp", "*.BMP;*.DIB;*.RLE"}, Encoder{"jpeg", "*.JPG;*.JPEG;*.JPE;*.JFIF"}, Encoder{"gif", "*.GIF"},
    Encoder{"tiff", "*.TIF;*.TIFF"},     Encoder{"png", "*.PNG"},
};

qint32 statusOf(QImageWriter::ImageWriterError error)
{
    switch (error) {
    case QImageWriter::DeviceError: return GdiWin32Error;
    case QImageWriter::UnsupportedFormatError: return GdiUnknownImageFormat;
    case QImageWriter::InvalidImageError: return GdiInvalidParameter;
    case QImageWriter::UnknownError: break;
    }
    return GdiGenericError;
}

// The text after the last "." of the name; the whole name when it has none.
QString extensionOf(const QString& fileName) { return fileName.mid(fileName.lastIndexOf(u'.') + 1); }

// A save's status and, when it failed, the system's or the image writer's words for it ("" for none).
struct SaveResult {
    qint32 status = GdiOk;
    QString reason;
};

// Writes the picture in the format; quality -1 leaves the writer's own. The file appears only once
// it is written whole.
SaveResult save(const QImage& picture, const QString& fileName, const char* format, qint32 quality)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return {GdiWin32Error, file.errorString()};
    if (qstrcmp(format, "gif") == 0) {
        if (const qint32 status = writeGif(picture, file); status != GdiOk)
            return {status, status == GdiWin32Error ? file.errorString() : QString()};
    } else {
        QImageWriter writer(&file, format);
        writer.setQuality(quality);
        if (!writer.write(picture))
            return {statusOf(writer.error()), writer.error() == QImageWriter::DeviceError ? file.errorString() : writer.errorString()};
    }
    if (!file.commit())
        return {GdiWin32Error, file.errorString()};
    return {};
}

} // namespace

cGdiPlus::cGdiPlus(QObject* parent) : QObject(parent)
{
    for (qint32 index = 0; index < qint32(kEncoders.size()); ++index)
        for (const QString& pattern : QString::fromLatin1(kEncoders[index].patterns).split(u';'))
            m_encoderOf.insert(pattern, index);
}

bool cGdiPlus::PictureBoxToFile(const QImage& picture, const QString& fileName, qint32 quality)
{
    const QString extension = extensionOf(fileName);
    const qint32 encoder = m_encoderOf.value(QStringLiteral("*.") + extension.toUpper(), -1);
    if (encoder < 0) {
        m_failureReason = GdiErrorString(GdiUnknownImageFormat);
        return false;
    }
    const bool jpeg = extension.startsWith(u'J', Qt::CaseInsensitive);
    const SaveResult result = picture.isNull() ? SaveResult{GdiInvalidParameter, QString()}
                                               : save(picture, fileName, kEncoders[encoder].format, jpeg ? quality : -1);
    if (result.status == GdiOk)
        return true;
    m_failureReason = result.reason.isEmpty() ? GdiErrorString(result.status) : result.reason;
    emit Error(result.status, GdiErrorString(result.status));
    return false;
}

QString cGdiPlus::GdiErrorString(qint32 status)
{
    static const std::array<const char*, 20> texts{
        "Generic Error",        "Invalid Parameter",   "Out Of Memory",          "Object Busy",
        "Insufficient Buffer",  "Not Implemented",     "Win32 Error",            "Wrong State",
        "Aborted",              "File Not Found",      "Value Overflow",         "Access Denied",
        "Unknown Image Format", "FontFamily Not Found", "FontStyle Not Found",   "Not TrueType Font",
        "Unsupported Gdiplus Version", "Gdiplus Not Initialized", "Property Not Found", "Property Not Supported",
    };
    if (status < 1 || status > qint32(texts.size()))
        return QStringLiteral("Unknown GDI+ Error");
    return QString::fromLatin1(texts[status - 1]);
}

} // namespace preview
