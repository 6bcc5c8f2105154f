// Driving the real program in a real X server: pointer events through
// xdotool (XTest), windows found by their captions, the screen read back.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace xdo {

// A drawing field on the screen, with the scene units of the main windows.
struct Field {
    QPoint origin;  // screen pixel of the field's upper-left corner
    QSize size;
    QPoint toScreen(double x, double y) const;
};

bool available();  // an X server and xdotool
void click(QPoint p, int button);
void drag(QPoint from, QPoint to, int button);
// Upper-left corner of the client area of the window whose caption contains
// `caption`, once it is shown; (-1, -1) when none appears.
QPoint windowAt(const QString &caption);
// The whole screen, after the program had a moment to draw.
QImage screen();

}  // namespace xdo
