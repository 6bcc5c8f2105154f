// Probes of what a drawing field shows, and the mouse on it, as a user works it.
#pragma once

#include "canvas/drawing_field.h"
#include "optics/point.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <cmath>
#include <optional>

using Path = QList<QPointF>;

inline QPointF qp(optics::Point p) { return {p.x, p.y}; }

// The pupil of an eye at `eye` that looks at `target`: 30 units towards it.
inline QPointF pupil(QPointF eye, QPointF target)
{
    const QPointF d = target - eye;
    return eye + 30 * d / std::hypot(d.x(), d.y());
}

// The device pixel under a scene point of the field.
inline QPoint pixelOf(const canvas::DrawingField &f, QPointF s) { return f.toPixel(s.x(), s.y()); }

// Pixels within `radius` of c (a square) whose channels each lie within
// `tolerance` of `colour`.
int colourAround(const QImage &img, QPoint c, QRgb colour, int radius = 1, int tolerance = 0);

// Every pixel of the 3 x 3 box that colourAt looks at by default: a dot or a pupil lies there.
constexpr int kWholeBox = 9;

// The same around the pixel of a scene point, on what the field shows now.
inline int colourAt(canvas::DrawingField &field, QPointF s, QRgb colour, int radius = 1)
{
    return colourAround(field.image(), pixelOf(field, s), colour, radius);
}

// Whether the screen shows the field's image, once the repaints asked for
// are done; widgets inside the field cover it.
bool showsImage(canvas::DrawingField &field);

// A move with buttons held, which QTest cannot send.
void moveHolding(canvas::DrawingField &field, Qt::MouseButtons held, QPointF s);

// Press at the first point, move through all of them, let go at the last.
void drag(canvas::DrawingField &field, Qt::MouseButton button, const Path &path);
inline void click(canvas::DrawingField &f, Qt::MouseButton b, QPointF s) { drag(f, b, {s}); }

// A click at p, then the press Qt sends as a double click and its release at `second` (or p).
// Qt sends one only within its double-click distance; farther off it is a click of its own.
void doubleClick(QWidget &w, Qt::MouseButton button, QPoint p, std::optional<QPoint> second = {});
inline void doubleClick(canvas::DrawingField &f, Qt::MouseButton b, QPointF s,
                        std::optional<QPointF> second = {})
{ doubleClick(static_cast<QWidget &>(f), b, pixelOf(f, s), pixelOf(f, second.value_or(s))); }

// A finger on the field's touch screen (touch point `id`), at a scene point; and the
// system cancelling every touch.
void finger(canvas::DrawingField &field, canvas::FieldEvent::Phase phase, QPointF s, int id = 0);
void cancelTouch(canvas::DrawingField &field);
// A pen's tip (or, with the barrel button held, its barrel, or its eraser end) pressed at
// the first point, moved through all of them and lifted at the last.
enum class PenEnd { Tip, Barrel, Eraser };
void penDrag(canvas::DrawingField &field, PenEnd end, const Path &path);
