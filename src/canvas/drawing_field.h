// The on-screen drawing field: a widget that keeps its picture in an image of
// its own and draws on it in scene units.
//
// Handlers draw straight onto the image; paintEvent only copies it to the
// screen, so a covered and uncovered field loses nothing. Only the tiles of
// the image that may have changed are repainted: a drag redraws the whole
// scene over itself, yet changes little more than the moved element. The
// view's Paint handler (paintRequested) runs when the field first appears and
// whenever its image is made anew. Nothing is antialiased: elements are erased by drawing
// them again in white, and soft fringes would leave ghosts behind. An
// overlay of thin lines (the ray that follows the mouse) is taken back by
// putting back the pixels it covered, without drawing the scene again.
#pragma once

#include "canvas/scene_mapping.h"
#include "canvas/surface.h"
#include "canvas/tile_record.h"

#include <QImage>
#include <QWidget>
#include <memory>
#include <vector>

class QPainter;

namespace canvas {


// Mouse button codes of the field's events: 1 left, 2 right, 4 middle; a move
// reports the sum of the buttons held.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

class DrawingField : public QWidget, public Surface
{
    Q_OBJECT

public:
    explicit DrawingField(QRgb background, QWidget *parent = nullptr);
    ~DrawingField() override;

    void setScale(double x1, double y1, double x2, double y2) override;
    void clear() override;
    using Surface::line;
    using Surface::circle;
    using Surface::dot;
    void line(double x1, double y1, double x2, double y2, QRgb colour) override;
    void circle(double x, double y, double r, QRgb colour) override;
    void dot(double x, double y, QRgb colour) override;
    void disc(double x, double y, double r, QRgb colour) override;
    void beginOverlay() override;
    void endOverlay() override { inOverlay_ = false; }
    bool takeBackOverlay() override;

    void setPointer(Pointer shape);
    Pointer pointer() const { return pointer_; }
    // A single-line frame: the palette boxes show their selection so.
    void setFramed(bool framed);
    bool isFramed() const { return framed_; }

    const SceneMapping &mapping() const { return mapping_; }
    // The device pixel under a scene point.
    QPoint toPixel(double x, double y) const;
    QPointF toScene(QPointF pixel) const { return mapping_.toScene(pixel); }

    // The retained picture, with everything drawn so far.
    const QImage &image();

    // Runs the view's Paint handler, as when the field first appears.
    void requestPaint();

signals:
    void paintRequested();
    void mouseDown(int button, double x, double y);
    void mouseMove(int buttons, double x, double y);
    void mouseUp(int button, double x, double y);
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // A field that takes the keyboard focus (the palette boxes) is clicked
    // with the space bar or Enter.
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QPainter &painter();
    void endPainting();
    void makeImage();
    void setPen(QRgb colour, bool styled);
    void fillRing(QPointF centre, double outer, double inner, QRgb colour);
    void drawThinLine(const QLineF &line, QRgb colour, bool dotted);
    // Every drawing operation says whether an overlay could take it back.
    void noteDrawing(bool undoable)
    {
        overlayUndoable_ = overlayUndoable_ && inOverlay_ && undoable;
    }
    QPointF eventPoint(const QMouseEvent *event) const;
    bool nearLastPress(QPointF position) const;
    void touchArea(const QRectF &reach, quint64 operation);
    void scheduleUpdate();
    void updateChanged();

    QRgb background_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    SceneMapping mapping_;
    QRectF clipRect_;
    bool appeared_ = false;
    Pointer pointer_ = Pointer::Arrow;
    bool framed_ = false;
    bool leftPressedInside_ = false;
    // Where the last press was, in widget pixels, and the button of a double
    // click's second press while it is held back.
    QPointF lastPress_;
    Qt::MouseButton heldBackButton_ = Qt::NoButton;
    TileRecord tiles_;
    bool updatePending_ = false;
    // The overlay: whether it can be taken back, the pixels it covered
    // (offset in the image and the colour before, in drawing order) and
    // its lines, whose tiles change again when it goes. The generation
    // names the picture under it.
    bool inOverlay_ = false;
    bool overlayUndoable_ = false;
    std::vector<std::pair<qsizetype, QRgb>> underOverlay_;
    std::vector<QLine> overlayLines_;
    quint64 underGeneration_ = 0;
    // The pen last given to the painter.
    bool penSet_ = false;
    QRgb penColour_ = 0;
    int penWidth_ = 0;
    Qt::PenStyle penStyle_ = Qt::SolidLine;
};

}  // namespace canvas
