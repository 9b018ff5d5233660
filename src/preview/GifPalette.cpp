#include "preview/GifPalette.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <array>
#include <vector>

namespace preview {
namespace {

constexpr int kPaletteSize = 256;
constexpr QRgb kWhite = 0xFFFFFFFF;

// Colours of a picture, each with the number of its pixels.
using Colours = std::vector<std::pair<QRgb, quint32>>;

// Whether the picture (32-bit colour) has no more colours than a GIF palette holds.
bool fitsPalette(const QImage& picture)
{
    QSet<QRgb> colours;
    QRgb last = 0; // no pixel of a 32-bit colour picture, whose alpha is always 0xFF
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (line[x] != last) {
                last = line[x];
                colours.insert(last);
                if (colours.size() > kPaletteSize)
                    return false;
            }
    }
    return true;
}

int channel(QRgb rgb, int axis) { return int(rgb >> (16 - 8 * axis)) & 0xFF; } // red, green, blue

// A box of the median cut: the colours [begin, end) of the list, with the axis along which they
// spread most and how far.
struct Box {
    qsizetype begin, end;
    int axis = 0;
    int extent = 0;
};

Box boxOf(const Colours& colours, qsizetype begin, qsizetype end)
{
    Box box{begin, end};
    for (int axis = 0; axis < 3; ++axis) {
        const auto [low, high] = std::minmax_element(colours.begin() + begin, colours.begin() + end, [axis](const auto& a, const auto& b) {
            return channel(a.first, axis) < channel(b.first, axis);
        });
        if (const int extent = channel(high->first, axis) - channel(low->first, axis); extent > box.extent) {
            box.axis = axis;
            box.extent = extent;
        }
    }
    return box;
}

// Median cut: a colour that holds more pixels than an entry's share (1/count of them all) has a box
// to itself, however close its neighbours; there are fewer than `count` such colours. Then the box
// of the other colours that spreads most is cut in two along that spread, at the colour where half
// its pixels lie on either side, until there are `count` boxes or none spreads. The boxes stay small
// where the colours are many.
std::vector<Box> medianCut(Colours& colours, int count)
{
    quint64 all = 0;
    for (const auto& colour : colours)
        all += colour.second;
    const auto ownBox = [&](const auto& colour) { return quint64(colour.second) * count > all; };
    const qsizetype own = std::partition(colours.begin(), colours.end(), ownBox) - colours.begin();
    std::vector<Box> boxes;
    for (qsizetype c = 0; c < own; ++c)
        boxes.push_back(boxOf(colours, c, c + 1));
    if (own < qsizetype(colours.size()))
        boxes.push_back(boxOf(colours, own, qsizetype(colours.size())));
    while (int(boxes.size()) < count) {
        Box& widest = *std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.extent < b.extent; });
        if (widest.extent == 0)
            break;
        const auto first = colours.begin() + widest.begin, last = colours.begin() + widest.end;
        std::sort(first, last, [axis = widest.axis](const auto& a, const auto& b) { return channel(a.first, axis) < channel(b.first, axis); });
        quint64 pixels = 0;
        for (auto c = first; c != last; ++c)
            pixels += c->second;
        // the colour that holds the middle pixel goes with those before it, and so do those of its
        // value along the axis, unless they are the last: a cut parts the colours by that value
        // alone, so the boxes do not hang on the order the colours were counted in
        qsizetype middle = widest.begin;
        for (quint64 before = colours[middle].second; before * 2 < pixels; before += colours[middle].second)
            ++middle;
        const auto valueOf = [&, axis = widest.axis](qsizetype c) { return channel(colours[c].first, axis); };
        qsizetype cut = middle + 1;
        while (cut < widest.end && valueOf(cut) == valueOf(middle))
            ++cut;
        if (cut == widest.end)
            for (cut = middle; valueOf(cut - 1) == valueOf(middle);)
                --cut;
        const qsizetype end = widest.end;
        widest = boxOf(colours, widest.begin, cut);
        boxes.push_back(boxOf(colours, cut, end));
    }
    return boxes;
}

// The picture (32-bit colour) with a palette chosen from its own colours by a median cut. White is
// left out of the cut and keeps an entry of its own, so white paper stays exactly white; each other
// entry is the mean of the colours of its box, weighted by their pixels, so that a colour with a box
// to itself, or filling most of its box, keeps its value.
QImage quantized(const QImage& picture)
{
    QHash<QRgb, quint32> use; // how many pixels have each colour; then the entry it takes
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (line[x] != kWhite)
                ++use[line[x]];
    }
    Colours colours;
    colours.reserve(std::size_t(use.size()));
    for (auto c = use.cbegin(); c != use.cend(); ++c)
        colours.emplace_back(c.key(), c.value());
    const int whiteEntry = kPaletteSize - 1;
    const std::vector<Box> boxes = medianCut(colours, whiteEntry);
    QList<QRgb> palette(kPaletteSize, kWhite);
    for (int entry = 0; entry < int(boxes.size()); ++entry) {
        std::array<quint64, 3> sums{};
        quint64 pixels = 0;
        for (qsizetype c = boxes[entry].begin; c < boxes[entry].end; ++c) {
            for (int axis = 0; axis < 3; ++axis)
                sums[axis] += quint64(channel(colours[c].first, axis)) * colours[c].second;
            pixels += colours[c].second;
            use[colours[c].first] = quint32(entry);
        }
        const auto mean = [&](quint64 rounding) {
            return qRgb(int((sums[0] + rounding) / pixels), int((sums[1] + rounding) / pixels), int((sums[2] + rounding) / pixels));
        };
        palette[entry] = mean(pixels / 2);
        if (palette[entry] == kWhite) // a box of near-white colours: rounded down, which keeps it off white
            palette[entry] = mean(0);
    }
    QImage indexed(picture.size(), QImage::Format_Indexed8);
    if (indexed.isNull())
        return {};
    indexed.setColorTable(palette);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < picture.width(); ++x)
            out[x] = uchar(line[x] == kWhite ? whiteEntry : use.value(line[x]));
    }
    return indexed;
}

} // namespace

QImage withGifPalette(const QImage& picture)
{
    const QImage colours = picture.convertToFormat(QImage::Format_RGB32);
    return fitsPalette(colours) ? colours.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither) : quantized(colours);
}

} // namespace preview
