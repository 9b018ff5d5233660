#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QString>

namespace preview {

// The saver's status numbers: 0 is success, the others name a failure (GdiErrorString gives the text).
enum GdiStatus : qint32 {
    GdiOk = 0,
    GdiGenericError = 1,
    GdiInvalidParameter = 2,
    GdiOutOfMemory = 3,
    GdiWin32Error = 7,
    GdiUnknownImageFormat = 13,
};

// Saves pictures as files in the image format that the file name's extension names: BMP (.bmp, .dib,
// .rle), JPEG (.jpg, .jpeg, .jpe, .jfif), GIF, TIFF (.tif, .tiff) and PNG, in any letter case. JPEG is
// written at the quality asked for; GIF is reduced to 256 colours first, without dithering (see
// writeGif). A file appears only once written whole, with the permissions the user's umask gives new
// files. Nothing is thrown: a failed save returns false and signals Error with its status and text; a
// name outside the set returns false without a signal.
//
// Status numbers of the Error signal: the picture is empty or too large for the format: 2 (Invalid
// Parameter); the file cannot be created or written: 7 (Win32 Error); the image format's writer is not
// installed: 13 (Unknown Image Format); giflib ran out of memory: 3 (Out Of Memory); any other failure
// of Qt's writer or giflib: 1 (Generic Error).
class cGdiPlus : public QObject {
    Q_OBJECT

public:
    explicit cGdiPlus(QObject* parent = nullptr);

    // True when the picture was written to the file; quality (0 to 100) applies to extensions
    // beginning with "J".
    bool PictureBoxToFile(const QImage& picture, const QString& fileName, qint32 quality);
    static QString GdiErrorString(qint32 status);
    // Why the last save that returned false failed: the system's or the image writer's words when
    // they have any, else the text of its status.
    const QString& lastFailureReason() const { return m_failureReason; }

signals:
    void Error(qint32 status, const QString& text);

private:
    // "*.EXT" in upper case -> the encoder's index.
    QHash<QString, qint32> m_encoderOf;
    QString m_failureReason;
};

} // namespace preview
