// The frame both main windows are laid out in: the window takes 0.98 of the
// available screen, its drawing field 0.75 of the window's width and 0.98 of
// that in height. On a wide screen such a field would reach below the window,
// so there it shrinks (width and height together) until its bottom edge fits.
#pragma once

#include <QRect>

namespace ui {

// Room left for the window frame and title bar, which are not known before
// the window is shown.
inline constexpr int kFrameAllowance = 30;

// Each window's layout extends the frame with the places of its controls.
struct WindowFrame {
    // The frame of a window laid out for the available screen area.
    explicit WindowFrame(const QRect &availableScreen);

    double width = 0;  // the window's width and height the column is laid out by
    double height = 0;
    QRect window;      // client area, in screen coordinates
    QRect field;       // the drawing field, in the window
};

// The bottom of a control is its top plus its height, its right edge its
// left plus its width.
inline double bottomOf(const QRect &r)
{
    return r.y() + r.height();
}

inline double rightOf(const QRect &r)
{
    return r.x() + r.width();
}

// A rectangle from fractional layout values, rounded to whole pixels.
QRect layoutBox(double left, double top, double width, double height);

}  // namespace ui
