// Driving the real program in a real X server: pointer events through
// xdotool (XTest), windows found by their captions, the screen read back.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace xdo {

struct Field {  // a drawing field on the screen, in the main windows' scene units
    QPoint origin;  // screen pixel of the field's upper-left corner
    QSize size;
    QPoint toScreen(double x, double y) const;
};

bool available();  // an X server and xdotool
void click(QPoint p, int button);
void drag(QPoint from, QPoint to, int button);
QPoint windowAt(const QString &caption);  // client area's corner; (-1, -1) when none appears
QRect windowRect(const QString &caption);  // the client area
QImage screen();  // after the program had a moment to draw
void focus(const QString &caption);  // gives a window the keyboard focus, which no WM gives

// One finger on a touch screen, sent as TUIO 1.1 /tuio/2Dcur bundles (OSC over UDP) to
// Qt's TUIO plugin of the program, which reads them on `port` and delivers them to the
// focus window at positions relative to its size.
class TuioFinger {
public:
    explicit TuioFinger(int port);
    ~TuioFinger();
    void down(QPointF relative) { send(relative, true); }
    void moveTo(QPointF relative) { send(relative, true); }
    void up() { send({}, false); }

private:
    void send(QPointF relative, bool alive);
    int socket_;
    int port_;
    int frame_ = 0;
};

}  // namespace xdo
