// The picture saver: the image format each file name's extension chooses, read back by Qt's
// decoders; the quality JPEG files are encoded at; the failures it signals and their texts.

#include "support/QtPrinters.h"

#include "preview/cGdiPlus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHashSeed>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <sys/stat.h>
#include <gtest/gtest.h>

using preview::cGdiPlus;

namespace {

// A page-like picture: red and blue halves over a band of more colours than a GIF palette holds.
QImage picture()
{
    QImage image(240, 160, QImage::Format_RGB32);
    QPainter(&image).fillRect(0, 0, 120, 120, Qt::red);
    QPainter(&image).fillRect(120, 0, 120, 120, Qt::blue);
    for (int x = 0; x < 240; ++x)
        for (int y = 120; y < 160; ++y)
            image.setPixel(x, y, qRgb(x, (y * 6) & 0xFF, 255 - x));
    return image;
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))}) <= tolerance;
}

class PictureSaver : public ::testing::Test {
protected:
    PictureSaver()
    {
        QObject::connect(&saver, &cGdiPlus::Error, [this](qint32 status, const QString& text) {
            signalled.append(QString::number(status) + " " + text);
        });
    }
    QString path(const QString& name) const { return dir.path() + "/" + name; }

    QTemporaryDir dir;
    cGdiPlus saver;
    QStringList signalled;
};

TEST_F(PictureSaver, TheExtensionChoosesTheFormatWhateverItsCase)
{
    const std::pair<const char*, const char*> cases[] = { // name, format a decoder finds in it (nullptr: none written)
        {"PAGE1.GIF", "gif"}, {"page1.gif", "gif"},   {"page.bmp", "bmp"},      {"page.DIB", "bmp"},    {"page.rle", "bmp"},
        {"r.jpeg", "jpeg"},   {"r.JPG", "jpeg"},      {"page.jpe", "jpeg"},     {"page.jfif", "jpeg"},  {"page.tif", "tiff"},
        {"page.TIFF", "tiff"}, {"a.b.Png", "png"},    {"report.xyz", nullptr},  {"report", nullptr},    {"page.gif.txt", nullptr},
        {"page.", nullptr},
    };
    for (const auto& [name, format] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(saver.PictureBoxToFile(picture(), path(name), 85), format != nullptr);
        EXPECT_EQ(QFile::exists(path(name)), format != nullptr);
        if (!format)
            continue;
        QImageReader reader(path(name));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), QByteArray(format));
        const QImage read = reader.read();
        ASSERT_EQ(read.size(), QSize(240, 160));
        const int tolerance = QByteArray(format) == "gif" ? 16 : 8;
        EXPECT_TRUE(near(read.pixel(30, 30), qRgb(255, 0, 0), tolerance));
        EXPECT_TRUE(near(read.pixel(200, 60), qRgb(0, 0, 255), tolerance));
        // the many-coloured band keeps its trend from red-free to red
        EXPECT_LT(qRed(read.pixel(10, 140)), 80);
        EXPECT_GT(qRed(read.pixel(230, 140)), 170);
    }
    EXPECT_EQ(signalled, QStringList());
}

TEST_F(PictureSaver, JpegFilesAreEncodedAtTheQualityAskedFor)
{
    // the published luminance table that a JPEG encoder scales by the quality
    const int luminance[64] = {16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55, 14, 13, 16, 24, 40, 57,
                               69, 56, 14, 17, 22, 29, 51, 87, 80, 62, 18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64,
                               81, 104, 113, 92, 49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
    const std::pair<const char*, int> cases[] = {{"q85.jpg", 85}, {"q50.jfif", 50}, {"q20.JPE", 20}};
    for (const auto& [name, quality] : cases) {
        SCOPED_TRACE(name);
        const int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
        QList<int> expected;
        for (int value : luminance)
            expected.append(std::clamp((value * scale + 50) / 100, 1, 255));
        ASSERT_TRUE(saver.PictureBoxToFile(picture(), path(name), quality));
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray jpeg = file.readAll();
        const qsizetype table = jpeg.indexOf(QByteArray("\xFF\xDB", 2)) + 5; // the first table's values
        ASSERT_GE(table, 5);
        QList<int> written;
        for (qsizetype i = table; i < table + 64 && i < jpeg.size(); ++i)
            written.append(quint8(jpeg[i]));
        // the file holds the table in zig-zag order
        std::sort(expected.begin(), expected.end());
        std::sort(written.begin(), written.end());
        EXPECT_EQ(written, expected);
    }
}

TEST_F(PictureSaver, FailuresReturnFalseSignalTheirStatusAndLeaveNoFile)
{
    const QString missing = path("missing folder/");
    ASSERT_TRUE(QDir().mkpath(path("taken.gif")));
    const std::tuple<QImage, QString, const char*> cases[] = {
        {picture(), missing + "page1.png", "7 Win32 Error"},
        {picture(), missing + "page1.gif", "7 Win32 Error"},
        {picture(), path("taken.gif"), "7 Win32 Error"},
        {QImage(), path("empty.png"), "2 Invalid Parameter"},
        {QImage(), path("empty.gif"), "2 Invalid Parameter"},
        {QImage(70000, 1, QImage::Format_RGB32), path("wide.gif"), "2 Invalid Parameter"},
    };
    for (const auto& [image, file, signal] : cases) {
        SCOPED_TRACE(file.toStdString());
        signalled.clear();
        EXPECT_FALSE(saver.PictureBoxToFile(image, file, 85));
        EXPECT_EQ(signalled, QStringList{signal});
        EXPECT_TRUE(!QFile::exists(file) || QFileInfo(file).isDir());
    }
}

TEST_F(PictureSaver, GifPagesKeepWhitePaperWhiteAndTheirColoursExactOrNear)
{
    // the page's flat colours: a red band, greens 10 apart and a blue box, each kept exactly
    const std::pair<QRect, QRgb> flat[] = {{{0, 0, 400, 30}, qRgb(220, 0, 0)},  {{20, 60, 100, 40}, qRgb(0, 0, 160)},
                                           {{0, 110, 60, 30}, qRgb(0, 160, 0)}, {{60, 110, 60, 30}, qRgb(0, 170, 0)}};
    for (const auto& [withPicture, nearWhite] : {std::pair(false, false), std::pair(true, false), std::pair(true, true)}) {
        SCOPED_TRACE(nearWhite ? "the picture and shades a hair off white" : withPicture ? "a picture of 14,400 colours" : "five colours");
        QImage page(400, 300, QImage::Format_RGB32);
        page.fill(Qt::white);
        for (const auto& [area, colour] : flat)
            QPainter(&page).fillRect(area, QColor(colour));
        for (int x = 0; withPicture && x < 120; ++x)
            for (int y = 0; y < 120; ++y)
                page.setPixel(260 + x, 150 + y, qRgb(x * 2, y * 2, 255 - x * 2));
        for (int x = 0; nearWhite && x < 400; ++x) // each channel 254 or 255, every eighth pixel white
            page.setPixel(x, 299, qRgb(255 - (x & 1), 255 - (x >> 1 & 1), 255 - (x >> 2 & 1)));
        ASSERT_TRUE(saver.PictureBoxToFile(page, path("page.gif"), 85));
        const QImage read = QImage(path("page.gif")).convertToFormat(QImage::Format_RGB32);
        int whiteLost = 0, whiteGained = 0, nonWhiteGained = 0, farthest = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QRgb was = page.pixel(x, y), is = read.pixel(x, y), white = qRgb(255, 255, 255);
                whiteLost += was == white && is != white;
                whiteGained += was != white && is == white;
                nonWhiteGained += (is != white) - (was != white);
                farthest = std::max({farthest, std::abs(qRed(is) - qRed(was)), std::abs(qGreen(is) - qGreen(was)),
                                     std::abs(qBlue(is) - qBlue(was))});
            }
        EXPECT_EQ(std::make_pair(whiteLost, whiteGained), std::make_pair(0, 0));
        EXPECT_LE(std::abs(nonWhiteGained), page.width() * page.height() / 200); // half a point
        for (const auto& [area, colour] : flat)
            EXPECT_EQ(QColor(read.pixel(area.center())).name(), QColor(colour).name());
        // the palette follows the picture's own colours: each within a few steps of its entry
        EXPECT_LE(farthest, withPicture ? 16 : 0);
        QHashSeed::resetRandomGlobalSeed(); // the colours counted in another order give the same picture
        EXPECT_TRUE(saver.PictureBoxToFile(page, path("again.gif"), 85) && QImage(path("again.gif")).convertToFormat(QImage::Format_RGB32) == read);
    }
}

TEST_F(PictureSaver, NewFilesFollowTheUsersUmask)
{
    const mode_t before = umask(027);
    for (const char* name : {"page.gif", "page.jpg"}) {
        ASSERT_TRUE(saver.PictureBoxToFile(picture(), path(name), 85));
        EXPECT_EQ(QFileInfo(path(name)).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup) << name;
    }
    umask(before);
}

TEST_F(PictureSaver, StatusNumbersHaveTheirTexts)
{
    const std::pair<qint32, const char*> cases[] = {
        {0, "Unknown GDI+ Error"}, {1, "Generic Error"}, {13, "Unknown Image Format"},
        {20, "Property Not Supported"}, {21, "Unknown GDI+ Error"}, {-1, "Unknown GDI+ Error"},
    };
    for (const auto& [status, text] : cases)
        EXPECT_EQ(cGdiPlus::GdiErrorString(status), QString::fromLatin1(text)) << status;
}

} // namespace
