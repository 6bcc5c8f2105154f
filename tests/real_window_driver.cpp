#include "real_window_driver.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <cmath>

namespace xdo {

namespace {

bool run(const QStringList &args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

QString number(int v)
{
    return QString::number(v);
}

}  // namespace

QPoint Field::toScreen(double x, double y) const
{
    const double r = double(size.width()) / size.height();
    const double px = (x + 1000) / 2000 * size.width();
    const double py = (y + 1000 / r) / (2000 / r) * size.height();
    return origin + QPoint(int(std::floor(px)), int(std::floor(py)));
}

bool available()
{
    return QGuiApplication::platformName() == QLatin1String("xcb")
           && !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

void click(QPoint p, int button)
{
    run({"mousemove", number(p.x()), number(p.y()), "click", number(button)});
}

void drag(QPoint from, QPoint to, int button)
{
    run({"mousemove", number(from.x()), number(from.y()), "mousedown", number(button)});
    // A few steps, as a hand would move.
    for (int i = 1; i <= 4; ++i) {
        const QPoint p = from + (to - from) * i / 4;
        run({"mousemove", number(p.x()), number(p.y())});
    }
    run({"mouseup", number(button)});
}

QPoint windowAt(const QString &caption)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), {"search", "--sync", "--onlyvisible", "--name", caption,
                                        "getwindowgeometry", "--shell"});
    p.waitForFinished(10000);
    int x = -1, y = -1;
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        if (line.startsWith("X="))
            x = line.mid(2).toInt();
        if (line.startsWith("Y="))
            y = line.mid(2).toInt();
    }
    return QPoint(x, y);
}

QImage screen()
{
    QTest::qWait(300);
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

}  // namespace xdo
