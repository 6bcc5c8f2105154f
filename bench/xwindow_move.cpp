// What one mouse move costs in a real X window: the program is started in the
// X server it is run in, a ray is dragged over 300 positions with XTest
// (xdotool), and the CPU time of the program and of the X server is read
// from /proc before and after. First on the empty field, then at full load
// (100 rays, all five boxes, 20 + 20 markers). bench/xwindow_move.sh starts
// the X servers and runs this.
// Usage: tavrix_xmove PROGRAM XSERVER_PID [REPEATS]
#include "raypath/ray_path_layout.h"
#include "real_window_driver.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

using namespace xdo;

namespace {

constexpr int kMoves = 300;

// User and system CPU time of a process so far, in milliseconds.
double cpuMs(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The fields after the command name, which may hold spaces; utime and
    // stime are the 14th and 15th of the whole line.
    const QList<QByteArray> f = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return (f.value(11).toDouble() + f.value(12).toDouble()) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

bool xdotool(const QStringList &args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

QStringList at(QPoint p)
{
    return {"mousemove", QString::number(p.x()), QString::number(p.y())};
}

struct PerMove {
    double program = 0;
    double server = 0;
};

// Drags the live ray over kMoves positions; the release, a full redraw, is
// not counted.
PerMove dragRay(const Field &field, qint64 program, qint64 server)
{
    xdotool(at(field.toScreen(-600, -300)) + QStringList{"mousedown", "1"});
    QTest::qWait(500);
    const double p0 = cpuMs(program), s0 = cpuMs(server);
    QStringList moves;
    for (int i = 1; i <= kMoves; ++i)
        // A pause long enough for every move to be drawn, so that none is
        // folded into the next.
        moves << at(field.toScreen(-600 + 1200.0 * i / kMoves, -300)) << "sleep" << "0.02";
    xdotool(moves);
    QTest::qWait(500);
    const PerMove cost{(cpuMs(program) - p0) / kMoves, (cpuMs(server) - s0) / kMoves};
    xdotool({"mouseup", "1"});
    QTest::qWait(300);
    return cost;
}

// The median over the repeats, and the range: a repeat now and then takes
// several times as long, on an empty field as well as a full one.
void report(const char *what, std::vector<PerMove> runs)
{
    auto spread = [&](double PerMove::*m) {
        std::sort(runs.begin(), runs.end(), [m](auto &a, auto &b) { return a.*m < b.*m; });
        return std::tuple{runs[runs.size() / 2].*m, runs.front().*m, runs.back().*m};
    };
    const auto [p, p0, p1] = spread(&PerMove::program);
    const auto [s, s0, s1] = spread(&PerMove::server);
    std::printf("  %-10s program %.2f ms (%.2f-%.2f), X server %.2f ms (%.2f-%.2f) per move\n",
                what, p, p0, p1, s, s0, s1);
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3 || !available()) {
        std::fprintf(stderr, "usage: %s PROGRAM XSERVER_PID [REPEATS [SCALE]], in an X server with "
                     "xdotool\n", argv[0]);
        return 2;
    }
    const qint64 server = QByteArray(argv[2]).toLongLong();
    const int repeats = argc > 3 ? std::max(1, atoi(argv[3])) : 3;
    // The program's scale (QT_SCALE_FACTOR): it lays itself out in logical
    // pixels, while the pointer moves in the screen's.
    const int scale = argc > 4 ? std::max(1, atoi(argv[4])) : 1;
    const auto onScreen = [scale](QRect r) {
        return QRect(r.topLeft() * scale, r.size() * scale);
    };
    QProcess tavrix;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    tavrix.setProcessEnvironment(env);
    tavrix.start(QString::fromLocal8Bit(argv[1]), {});
    if (!tavrix.waitForStarted() || cpuMs(server) < 0)
        return 1;
    const QRect screenArea = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect area(screenArea.topLeft() / scale, screenArea.size() / scale);
    const auto l = raypath::RayPathLayout(area);
    const QPoint w = windowAt(QStringLiteral("Strahlenverlauf"));
    if (w.x() < 0)
        return 1;
    const Field field{w + onScreen(l.field).topLeft(), onScreen(l.field).size()};
    auto clickBox = [&](QRect box) {
        box = onScreen(box);
        click(w + box.topLeft() + QPoint(10, box.height() / 2), 1);
    };
    std::printf("screen %dx%d at %d00 %%, field %dx%d device pixels\n", screenArea.width(),
                screenArea.height(), scale, field.size.width(), field.size.height());

    // The empty field: P and the interface; each drag fixes a ray, which
    // "Strahlen löschen" takes away again.
    std::vector<PerMove> empty;
    for (int k = 0; k < repeats; ++k) {
        empty.push_back(dragRay(field, tavrix.processId(), server));
        click(w + onScreen(l.clearRaysButton).center(), 1);
    }
    report("empty", empty);

    // Full load. The store keeps its 100 rays when a drag ends.
    for (QRect box : {l.reflectedBox, l.reflectedExtensionBox, l.normalsBox})
        clickBox(box);
    for (int i = 1; i <= 100; ++i)
        click(field.toScreen(-990 + 19.8 * i, 0), 1);
    for (int i = 1; i <= 20; ++i) {
        click(w + onScreen(l.pointSymbolBox).center(), 1);
        click(field.toScreen(-950 + 90 * i, 700), 1);
        click(w + onScreen(l.eyeSymbolBox).center(), 1);
        click(field.toScreen(-950 + 90 * i, -700), 1);
    }
    std::vector<PerMove> full;
    for (int k = 0; k < repeats; ++k)
        full.push_back(dragRay(field, tavrix.processId(), server));
    report("full load", full);

    tavrix.terminate();
    tavrix.waitForFinished(5000);
    return 0;
}
