#include "canvas/tile_record.h"

#include <algorithm>
#include <cstdlib>

namespace canvas {

void TileRecord::reset(QSize size)
{
    size_ = size;
    constexpr int tile = 1 << kTileShift;
    columns_ = (size.width() + tile - 1) / tile;
    const size_t tiles = size_t(columns_) * ((size.height() + tile - 1) / tile);
    drawn_.assign(tiles, 0);
    // Matches no drawing.
    shown_.assign(tiles, ~quint64(0));
    whole_ = true;
}

bool TileRecord::touchArea(QRect area, quint64 key)
{
    const QRect a = area.intersected(QRect(QPoint(0, 0), size_));
    if (a.isEmpty())
        return false;
    for (int ty = a.top() >> kTileShift; ty <= a.bottom() >> kTileShift; ++ty)
        for (int tx = a.left() >> kTileShift; tx <= a.right() >> kTileShift; ++tx) {
            quint64 &f = drawn_[size_t(ty * columns_ + tx)];
            f = fold(f, key);
        }
    return true;
}

void TileRecord::touchLine(int x0, int y0, int x1, int y1, quint64 key, int spread)
{
    // Tile column by tile column (row by row for a steep line), the tiles
    // between the line's ends in that column. A pixel step lies at most one
    // pixel off the rounded ideal line. Noting the tile of every pixel
    // instead would slow the line down by a sixth.
    const bool flat = std::abs(x1 - x0) >= std::abs(y1 - y0);
    int a0 = flat ? x0 : y0, a1 = flat ? x1 : y1;
    int b0 = flat ? y0 : x0, b1 = flat ? y1 : x1;
    if (a0 > a1) {
        std::swap(a0, a1);
        std::swap(b0, b1);
    }
    const double slope = a1 > a0 ? double(b1 - b0) / (a1 - a0) : 0;
    const int lastB = (flat ? size_.height() : size_.width()) - 1;
    constexpr int tile = 1 << kTileShift;
    // Index steps between neighbouring tiles along and across the line.
    const int alongStep = flat ? 1 : columns_, acrossStep = flat ? columns_ : 1;
    quint64 *const tiles = drawn_.data();
    const int lastA = (flat ? size_.width() : size_.height()) - 1;
    const int aFirst = std::max(0, a0 - spread + 1) >> kTileShift;
    const int aLast = std::min(lastA, a1 + spread - 1) >> kTileShift;
    for (int ta = aFirst; ta <= aLast; ++ta) {
        const int from = std::max(a0, ta * tile), to = std::min(a1, ta * tile + tile - 1);
        const int bFrom = b0 + qRound(slope * (from - a0));
        const int bTo = b0 + qRound(slope * (to - a0));
        const int lo = std::max(0, std::min(bFrom, bTo) - spread) >> kTileShift;
        const int hi = std::min(lastB, std::max(bFrom, bTo) + spread) >> kTileShift;
        quint64 *f = tiles + ta * alongStep + lo * acrossStep;
        for (int tb = lo; tb <= hi; ++tb, f += acrossStep)
            *f = fold(*f, key);
    }
}

QRegion TileRecord::takeChanged()
{
    // Neighbouring changed tiles of a row go out as one rectangle.
    std::vector<QRect> runs;
    const int rows = columns_ ? int(drawn_.size()) / columns_ : 0;
    for (int ty = 0; ty < rows; ++ty) {
        quint64 *drawn = drawn_.data() + ty * columns_;
        quint64 *shown = shown_.data() + ty * columns_;
        int first = -1;
        for (int tx = 0; tx <= columns_; ++tx) {
            bool changed = false;
            if (tx < columns_ && drawn[tx] != 0) {
                changed = drawn[tx] != shown[tx];
                shown[tx] = drawn[tx];
                drawn[tx] = 0;
            }
            if (changed && first < 0)
                first = tx;
            if (!changed && first >= 0) {
                runs.push_back(QRect(first << kTileShift, ty << kTileShift,
                                     (tx - first) << kTileShift, 1 << kTileShift));
                first = -1;
            }
        }
    }
    const QRect picture(QPoint(0, 0), size_);
    if (whole_) {
        whole_ = false;
        return picture;
    }
    QRegion region;
    if (!runs.empty())
        region.setRects(runs.data(), int(runs.size()));
    return region & picture;
}

}  // namespace canvas
