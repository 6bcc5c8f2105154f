#include "real_window_driver.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <cmath>

namespace xdo {

static void run(const QStringList &args) { QProcess::execute("xdotool", args); }
static void moveTo(QPoint p) {
    run({"mousemove", QString::number(p.x()), QString::number(p.y())});
}

QPoint Field::toScreen(double x, double y) const {
    const double r = double(size.width()) / size.height();
    return origin + QPoint(int(std::floor((x + 1000) / 2000 * size.width())),
                           int(std::floor((y * r + 1000) / 2000 * size.height())));
}

bool available() {
    return QGuiApplication::platformName() == QLatin1String("xcb")
           && !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

void click(QPoint p, int button) {
    moveTo(p);
    run({"click", QString::number(button)});
}

void drag(QPoint from, QPoint to, int button) {
    moveTo(from);
    run({"mousedown", QString::number(button)});
    for (int i = 1; i <= 4; ++i)  // a few steps, as a hand would move
        moveTo(from + (to - from) * i / 4);
    run({"mouseup", QString::number(button)});
}

QRect windowRect(const QString &caption) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), {"search", "--sync", "--onlyvisible", "--name", caption,
                                        "getwindowgeometry", "--shell"});
    p.waitForFinished(10000);
    QRect r(-1, -1, 0, 0);
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        const int v = line.mid(line.indexOf('=') + 1).toInt();
        if (line.startsWith("X="))
            r.moveLeft(v);
        else if (line.startsWith("Y="))
            r.moveTop(v);
        else if (line.startsWith("WIDTH="))
            r.setWidth(v);
        else if (line.startsWith("HEIGHT="))
            r.setHeight(v);
    }
    return r;
}

QPoint windowAt(const QString &caption) { return windowRect(caption).topLeft(); }

QImage screen() {
    QTest::qWait(300);
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

}  // namespace xdo
