// The grid's image list: indexes, keys, errors and drawing normal or selected.

#include "grid/GridTestSupport.h"
#include "grid/ImageList.h"

#include "grid/GridColors.h"
#include "platform/runtime/RuntimeError.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <gtest/gtest.h>

#include <functional>

using namespace grid;
using namespace gridtest;

namespace {

// A canvas of Background with image Index of List drawn at (2, 2).
QImage drawn(const ImageList& list, qint32 Index, bool Selected, QColor Background = Qt::white)
{
    QImage canvas(10, 10, QImage::Format_ARGB32);
    canvas.fill(Background);
    QPainter painter(&canvas);
    list.Draw(painter, Index, 2, 2, Selected);
    return canvas;
}

TEST(ImageListTest, ImagesAreFoundByOneBasedIndexAndByExactKey)
{
    ImageList list;
    EXPECT_EQ(list.Add(filled(Qt::red), QStringLiteral("Tick")), 1);
    EXPECT_EQ(list.Add(filled(Qt::green)), 2);
    EXPECT_EQ(list.Add(filled(Qt::blue), QStringLiteral("Cross")), 3);
    EXPECT_EQ(list.Count(), 3);

    EXPECT_EQ(list.IndexOf(QStringLiteral("Tick")), 1);
    EXPECT_EQ(list.IndexOf(QStringLiteral("Cross")), 3);
    EXPECT_EQ(list.Key(1), QStringLiteral("Tick"));
    EXPECT_TRUE(list.Key(2).isEmpty());
    EXPECT_EQ(list.Key(3), QStringLiteral("Cross"));
}

TEST(ImageListTest, UnknownIndexesAndKeysFailWithSubscriptOutOfRange)
{
    ImageList list;
    list.Add(filled(Qt::red), QStringLiteral("Tick"));
    list.Add(filled(Qt::green));
    for (qint32 bad : {0, -1, 3})
        expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { list.Key(bad); });
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { drawn(list, 3, false); });
    // Keys match with letter case; the image without a key is not found by an empty one.
    for (const QString& bad : {QStringLiteral("tick"), QStringLiteral("Tock"), QString()})
        expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { list.IndexOf(bad); });
}

TEST(ImageListTest, AKeyAlreadyHeldIsRefused)
{
    ImageList list;
    list.Add(filled(Qt::red), QStringLiteral("Tick"));
    expectError(runtime::ErrorNumber::InvalidProcedureCall, [&] { list.Add(filled(Qt::blue), QStringLiteral("Tick")); });
    EXPECT_EQ(list.Count(), 1);
    // Images without keys may be many.
    list.Add(filled(Qt::blue));
    list.Add(filled(Qt::blue));
    EXPECT_EQ(list.Count(), 3);
}

TEST(ImageListTest, TheImageSizeComesFromTheListOrItsFirstImage)
{
    ImageList sized(QSize(16, 12));
    sized.Add(filled(Qt::red, {4, 4}));
    EXPECT_EQ(sized.ImageWidth(), 16);
    EXPECT_EQ(sized.ImageHeight(), 12);
    // A smaller image is stretched to the list's size when drawn.
    QImage canvas(20, 20, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        sized.Draw(painter, 1, 0, 0, false);
    }
    EXPECT_EQ(canvas.pixelColor(15, 11), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(16, 11), QColor(Qt::white));

    ImageList unsized;
    unsized.Add(filled(Qt::red, {5, 7}));
    EXPECT_EQ(unsized.ImageWidth(), 5);
    EXPECT_EQ(unsized.ImageHeight(), 7);
}

TEST(ImageListTest, DrawsNormalOrBlendedWithTheHighlightKeepingTransparentParts)
{
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Highlight, QColor(0, 0, 200));
    QApplication::setPalette(palette);

    // A red image whose right half is transparent.
    QImage source(4, 4, QImage::Format_ARGB32);
    source.fill(Qt::transparent);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 2; ++x)
            source.setPixelColor(x, y, QColor(200, 100, 0));
    ImageList list;
    list.Add(QPixmap::fromImage(source));

    const QImage normal = drawn(list, 1, false);
    EXPECT_EQ(normal.pixelColor(2, 2), QColor(200, 100, 0));
    EXPECT_EQ(normal.pixelColor(4, 2), QColor(Qt::white)); // transparent part
    EXPECT_EQ(normal.pixelColor(1, 1), QColor(Qt::white)); // outside the image

    const QImage selected = drawn(list, 1, true);
    const OleColor mix = BlendColors(RGB(200, 100, 0), RGB(0, 0, 200), 128);
    EXPECT_EQ(selected.pixelColor(3, 5), QColor(mix & 255, (mix >> 8) & 255, (mix >> 16) & 255));
    EXPECT_EQ(selected.pixelColor(3, 5), QColor(100, 50, 100));
    EXPECT_EQ(selected.pixelColor(5, 5), QColor(Qt::white));

    QApplication::setPalette(saved);
}

} // namespace
