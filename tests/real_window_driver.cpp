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

QPoint windowAt(const QString &caption) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), {"search", "--sync", "--onlyvisible", "--name", caption,
                                        "getwindowgeometry", "--shell"});
    p.waitForFinished(10000);
    QPoint at(-1, -1);
    for (const QByteArray &line : p.readAllStandardOutput().split('\n'))
        if (line.startsWith("X=") || line.startsWith("Y="))
            (line[0] == 'X' ? at.rx() : at.ry()) = line.mid(2).toInt();
    return at;
}

QImage screen() {
    QTest::qWait(300);
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

}  // namespace xdo
