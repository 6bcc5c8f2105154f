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

struct WindowFrame {
    double FW = 0;  // the window's width and height the column is laid out by
    double FH = 0;
    QRect window;   // client area, in screen coordinates
    QRect field;    // the drawing field, in the window
};

WindowFrame frameForScreen(const QRect &availableScreen);

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
