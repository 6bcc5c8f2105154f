// Which parts of a picture must go to the screen again.
//
// The picture is cut into square tiles. Each tile keeps a fingerprint of the
// drawing operations that drew on it since the last take, and of those that
// drew on it the last time any did. A tile goes to the screen when the two
// differ (as far as a 64-bit fingerprint tells them apart). The same
// operations in the same order set the same pixels to the same colours, so a
// tile drawn over by what drew it before shows what the screen has already,
// however many of its pixels changed on the way: rays crossing in other
// colours, a fixed ray under the erased live ray. Comparing the pixels
// themselves would read every pixel a line sets, which costs more than
// setting it.
#pragma once

#include <QRect>
#include <QRegion>
#include <QSize>
#include <QtGlobal>
#include <bit>
#include <vector>

namespace canvas {

// Folds v into the fingerprint h; the order of the values counts.
constexpr quint64 fold(quint64 h, quint64 v)
{
    return (std::rotl(h, 23) ^ v) * 0x9e3779b97f4a7c15ull + 0x632be59bd9b4e019ull;
}

// Fingerprint of one drawing operation: its kind and everything that decides
// which pixels it sets to which colour.
template <typename... Values>
quint64 operationKey(int kind, Values... values)
{
    quint64 h = quint64(kind);
    ((h = fold(h, std::bit_cast<quint64>(double(values)))), ...);
    return h;
}

class TileRecord
{
public:
    // Square tiles of 1 << kTileShift pixels.
    static constexpr int kTileShift = 5;

    // A picture of this size, all of which counts as changed at the next take.
    void reset(QSize size);
    // An operation drew somewhere inside `area`. Returns whether any of it
    // lies on the picture.
    bool touchArea(QRect area, quint64 key);
    // An operation set pixels along the line between two pixels inside the
    // picture, and at most a pixel off it.
    // A line's pixels lie at most `spread` pixels off the ideal line.
    void touchLine(int x0, int y0, int x1, int y1, quint64 key, int spread = 1);
    // The tiles whose operations differ from those shown, in rectangles
    // within the picture; what was drawn since counts as shown from now on.
    QRegion takeChanged();

private:
    QSize size_;
    int columns_ = 0;
    bool whole_ = false;
    // Per tile, row by row.
    std::vector<quint64> drawn_;
    std::vector<quint64> shown_;
};

}  // namespace canvas
