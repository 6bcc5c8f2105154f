// What one mouse move or key press costs in a real X window: the program is
// started in the X server it is run in, 300 events are sent with XTest
// (xdotool), and the CPU time of the program and of the X server is read
// from /proc before and after. A ray dragged on the empty field, then at full
// load (100 rays, all five boxes, 20 + 20 markers) the ray, P and index steps
// on the bar; last the imaging eye dragged over a row of 100 points with the
// grid. bench/xwindow_move.sh starts the X servers and runs this.
// Usage: tavrix_xmove PROGRAM XSERVER_PID [REPEATS [SCALE]]
#include "imaging/imaging_layout.h"
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

// Sends kMoves events, each followed by a pause long enough for it to be
// drawn so that none is folded into the next, and returns the CPU time per
// event. The pointer is held with `button` (0: none) from `from` on, and
// `event(i)` gives the i-th event's xdotool words.
template <typename Event>
PerMove perEvent(qint64 program, qint64 server, QPoint from, int button, Event event)
{
    xdotool(at(from));
    if (button)
        xdotool({"mousedown", QString::number(button)});
    QTest::qWait(500);
    const double p0 = cpuMs(program), s0 = cpuMs(server);
    QStringList events;
    for (int i = 1; i <= kMoves; ++i)
        events << event(i) << "sleep" << "0.02";
    xdotool(events);
    QTest::qWait(500);
    const PerMove cost{(cpuMs(program) - p0) / kMoves, (cpuMs(server) - s0) / kMoves};
    // The release, a full redraw, is not counted.
    if (button)
        xdotool({"mouseup", QString::number(button)});
    QTest::qWait(300);
    return cost;
}

// Drags along the line from (x0, y) to (x1, y) in scene units.
PerMove dragAlong(const Field &field, qint64 program, qint64 server, int button, double x0,
                  double x1, double y)
{
    return perEvent(program, server, field.toScreen(x0, y), button, [&](int i) {
        return at(field.toScreen(x0 + (x1 - x0) * i / kMoves, y));
    });
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
    std::printf("  %-26s program %.2f ms (%.2f-%.2f), X server %.2f ms (%.2f-%.2f) per event\n",
                what, p, p0, p1, s, s0, s1);
    std::fflush(stdout);
}

template <typename Measure>
void repeated(const char *what, int repeats, Measure measure)
{
    std::vector<PerMove> runs;
    for (int k = 0; k < repeats; ++k)
        runs.push_back(measure());
    report(what, runs);
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

    const qint64 program = tavrix.processId();
    auto dragRay = [&] { return dragAlong(field, program, server, 1, -600, 600, -300); };

    // The empty field: P and the interface; each drag fixes a ray, which
    // "Strahlen löschen" takes away again.
    repeated("ray drag, empty field", repeats, [&] {
        const PerMove cost = dragRay();
        click(w + onScreen(l.clearRaysButton).center(), 1);
        return cost;
    });

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
    repeated("ray drag, full load", repeats, dragRay);
    // P dragged with the right button below the interface; the fan of rays
    // turns with it at every move.
    repeated("P drag, full load", repeats, [&] {
        return dragAlong(field, program, server, 3, -600, 600, 500);
    });
    // Index steps: the bar's left arrow gives it the focus, then the arrow
    // keys step n by 0.01, up and down in runs of 50.
    const QRect bar = onScreen(l.indexBar);
    click(w + bar.topLeft() + QPoint(bar.height() / 2, bar.height() / 2), 1);
    repeated("index step, full load", repeats, [&] {
        return perEvent(program, server, w + bar.center() + QPoint(0, bar.height()), 0,
                        [](int i) {
                            return QStringList{"key", (i - 1) / 50 % 2 ? "Left" : "Right"};
                        });
    });

    // The imaging window: a row of 100 points with the grid on, and the eye
    // dragged over it.
    click(w + onScreen(l.imagingButton).center(), 1);
    const QPoint w2 = windowAt(QStringLiteral("Abbildung von Punkten"));
    if (w2.x() < 0)
        return 1;
    const auto l2 = imaging::ImagingLayout(area);
    const Field field2{w2 + onScreen(l2.field).topLeft(), onScreen(l2.field).size()};
    click(w2 + onScreen(l2.pointRowsButton).topLeft() + QPoint(10, 10), 1);
    for (int i = 1; i <= 100; ++i)
        click(field2.toScreen(-900 + 18 * i, 100 + 7 * i), 3);
    click(w2 + onScreen(l2.gridBox).topLeft() + QPoint(10, 10), 1);
    repeated("imaging eye drag, 100 points", repeats, [&] {
        return dragAlong(field2, program, server, 1, -300, 300, -500);
    });

    tavrix.terminate();
    tavrix.waitForFinished(5000);
    return 0;
}
