// The on-screen drawing field: a widget that shows a raster image of its own
// size and reports the mouse as one stream of field events in the image's
// scene units.
//
// Handlers draw straight onto the image; paintEvent only copies it to the
// screen, so a covered and uncovered field loses nothing. Only the parts of
// the image that its tile record reports changed are repainted, once per
// turn of the event loop: a drag redraws the whole scene over itself, yet
// changes little more than the moved element. The view's Paint handler
// (paintRequested) runs when the field first appears and whenever its image
// is made anew.
#pragma once

#include "canvas/field_event.h"
#include "canvas/raster_image.h"

#include <QWidget>
#include <optional>
#include <utility>

class QTabletEvent;
class QTouchEvent;

namespace canvas {

class DrawingField : public QWidget
{
    Q_OBJECT

public:
    explicit DrawingField(QRgb background, QWidget *parent = nullptr);
    ~DrawingField() override;

    // What the views draw on.
    RasterImage &raster() { return raster_; }

    // The raster's scale. The raster takes the field's size first: a hidden
    // field has its size before the resize event reaches it.
    void setScale(double x1, double y1, double x2, double y2);
    // The field's point (in logical pixels, as its child widgets and the
    // mouse have them) under a scene point, and back.
    QPoint toPixel(double x, double y) const;
    QPointF toScene(QPointF point) const { return raster_.toScene(point * raster_.pixelRatio()); }
    // The retained picture, with everything drawn so far, at the screen's
    // device pixels: twice the field's size across and down at 200 %.
    const QImage &image() { return raster_.image(); }

    void setPointer(Pointer shape);
    Pointer pointer() const { return pointer_; }

    // Runs the view's Paint handler, as when the field first appears.
    void requestPaint();

    // Who chooses the role of a finger or a pen tip put down on the field;
    // without one, it plays the left button's.
    void setTouchRoles(const TouchRoles *roles) { touchRoles_ = roles; }

signals:
    void paintRequested();
    // Every press, move and release of the mouse on the field.
    void fieldEvent(const canvas::FieldEvent &event);

protected:
    void paintEvent(QPaintEvent *event) override;
    // The raster made the field's size in device pixels; true when it is new.
    bool fitRaster();
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;
    void tabletEvent(QTabletEvent *event) override;

private:
    void updateChanged();
    QPointF eventPoint(const QMouseEvent *event) const;
    bool nearLastPress(QPointF position) const;
    void touchEvent(QTouchEvent *event);
    // A finger's or a pen's place in the field, which it never leaves: a
    // finger dragged past the edge takes P no farther than the edge.
    QPointF withinField(QPointF position) const;
    MouseButtons touchRoleAt(QPointF position) const;
    void beginContact(int id, MouseButtons role, QPointF position, quint64 time);
    void moveContact(QPointF position);
    void endContact(QPointF position);

    RasterImage raster_;
    bool appeared_ = false;
    Pointer pointer_ = Pointer::Arrow;
    // Where the last press was, in widget pixels, and the button of a double
    // click's second press while it is held back.
    QPointF lastPress_;
    Qt::MouseButton heldBackButton_ = Qt::NoButton;

    const TouchRoles *touchRoles_ = nullptr;
    // The finger or pen that acts, one at a time: its touch point's id (or
    // kPenContact), its role from touch-down to lift, and whether its press
    // is held back as the second tap of a double tap.
    static constexpr int kNoContact = -1, kPenContact = -2;
    struct Contact {
        int id = kNoContact;
        MouseButtons role = MouseButtons::None;
        bool heldBack = false;
        QPointF pressedAt, lastAt;
    };
    Contact contact_;
    // Where and when the last contact that was no second tap came down.
    std::optional<std::pair<QPointF, quint64>> lastTap_;
};

}  // namespace canvas
