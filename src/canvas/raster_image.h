// A picture kept in an image of its own and drawn on in scene units: what a
// field on the screen shows, without the widget.
//
// Thin solid and dotted lines, circles, dots and discs set their pixels
// straight into the image; wide and dashed lines go through a painter.
// Nothing is antialiased: elements are erased by drawing them again in
// white, and soft fringes would leave ghosts behind. An overlay of thin lines,
// circles and dots (the ray that follows the mouse, a symbol being dragged)
// is taken back by putting back the pixels it covered, without drawing the
// scene again. A tile record notes what was
// drawn where, so that the owner brings only the changed parts to the screen.
#pragma once

#include "canvas/scene_mapping.h"
#include "canvas/surface.h"
#include "canvas/tile_record.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <QLine>
#include <QRegion>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace canvas {

class RasterImage : public Surface
{
public:
    // A blank image of one pixel until the size is set.
    explicit RasterImage(QRgb background);
    ~RasterImage() override;

    // A new blank image when the size differs from the image's (at least a
    // pixel each way); all of it counts as changed. Returns whether it did.
    bool setSize(QSize size);
    QSize size() const { return image_.size(); }
    // Device pixels per logical pixel (2 on a screen at 200 %). Pen widths
    // are logical: a pen of 1 sets lines ratio pixels wide, rounded, and
    // dots and rings grow alike; the steps fall on the image's own pixels.
    void setPixelRatio(qreal ratio) { ratio_ = ratio; }
    qreal pixelRatio() const { return ratio_; }
    // The ratio, and the size of a widget of `logical` size at that ratio;
    // true when the image is new.
    bool fitTo(QSize logical, qreal ratio)
    {
        ratio_ = ratio;
        return setSize(QSize(int(std::lround(logical.width() * ratio)),
                             int(std::lround(logical.height() * ratio))));
    }

    void setScale(double x1, double y1, double x2, double y2) override;
    void clear() override;
    void line(double x1, double y1, double x2, double y2, const Pen &pen) override;
    void circle(double x, double y, double r, const Pen &pen) override;
    void dot(double x, double y, const Pen &pen) override;
    void disc(double x, double y, double r, const Pen &pen) override;
    void beginOverlay() override;
    void endOverlay() override { inOverlay_ = false; }
    bool takeBackOverlay() override;

    const SceneMapping &mapping() const { return mapping_; }
    // The pixel under a scene point.
    QPoint toPixel(double x, double y) const;
    QPointF toScene(QPointF pixel) const { return mapping_.toScene(pixel); }

    // The picture, with everything drawn so far.
    const QImage &image();

    // Called when the image changes while no change waits to be taken: once
    // for all that is drawn until the next takeChanged. A change that waits
    // already is told at once.
    void setChangeListener(std::function<void()> listener);
    // What must go to the screen since the last take.
    QRegion takeChanged();

private:
    QPainter &painter();
    void endPainting();
    void setPen(QRgb colour, int width, LineStyle style);
    void fillRing(QPointF centre, double outer, double inner, QRgb colour);
    void drawThinLine(const QLineF &line, QRgb colour, bool dotted, int side);
    // A pen's width in the image's pixels: logical pixels at the ratio.
    int devicePen(double width) const
    {
        return std::max(1, int(std::lround(std::max(1.0, width) * ratio_)));
    }
    void touchArea(const QRectF &reach, quint64 operation);
    void noteChange();
    // Every drawing operation says whether an overlay could take it back.
    void noteDrawing(bool undoable)
    {
        overlayUndoable_ = overlayUndoable_ && inOverlay_ && undoable;
    }

    QRgb background_;
    qreal ratio_ = 1;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    SceneMapping mapping_;
    TileRecord tiles_;
    std::function<void()> listener_;
    bool changeNoted_ = false;
    // The overlay: whether it can be taken back, the pixels it covered
    // (offset in the image and the colour before, in drawing order) and
    // its lines, whose tiles change again when it goes. The generation
    // names the picture under it.
    bool inOverlay_ = false;
    bool overlayUndoable_ = false;
    std::vector<std::pair<qsizetype, QRgb>> underOverlay_;
    std::vector<std::pair<QLine, int>> overlayLines_;  // with the side of their steps
    std::vector<QRect> overlayAreas_;                   // the boxes of its rings and dots
    quint64 underGeneration_ = 0;
    // The pen last given to the painter.
    bool penSet_ = false;
    QRgb penColour_ = 0;
    int penWidth_ = 0;
    Qt::PenStyle penStyle_ = Qt::SolidLine;
};

}  // namespace canvas
