// Makes the README's screenshots: starts the real program, works it with the
// mouse as a teacher would, and saves the windows as PNG files. Run it in an
// X server: `make screenshots` starts one with xvfb-run.
// Usage: tavrix_screenshots PROGRAM OUTPUT_FOLDER
#include "imaging/imaging_layout.h"
#include "raypath/ray_path_layout.h"
#include "real_window_driver.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <cstdio>

using namespace xdo;

namespace {

bool save(const QImage &screen, QRect window, const QString &file)
{
    if (!screen.copy(window).save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3 || !available()) {
        std::fprintf(stderr, "usage: %s PROGRAM OUTPUT_FOLDER, in an X server with xdotool\n",
                     argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QProcess tavrix;
    tavrix.start(QString::fromLocal8Bit(argv[1]), {});
    if (!tavrix.waitForStarted())
        return 1;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();

    // The ray-path view: reflected rays and normals ticked, a fan of rays,
    // a point marker where the extensions nearly meet and an eye above it.
    const auto l1 = raypath::RayPathLayout(area);
    const QPoint w1 = windowAt(QStringLiteral("Strahlenverlauf"));
    const Field f1{w1 + l1.field.topLeft(), l1.field.size()};
    click(w1 + l1.reflectedBox.topLeft() + QPoint(10, l1.reflectedBox.height() / 2), 1);
    click(w1 + l1.normalsBox.topLeft() + QPoint(10, l1.normalsBox.height() / 2), 1);
    for (double x : {-800, -560, -380, -240, -120, -40, 40, 120, 240, 380, 560, 800})
        click(f1.toScreen(x, 0), 1);
    click(w1 + l1.pointSymbolBox.center(), 1);
    click(f1.toScreen(0, 376), 1);
    click(w1 + l1.eyeSymbolBox.center(), 1);
    click(f1.toScreen(0, -420), 1);
    bool ok = save(screen(), windowRect(QStringLiteral("Strahlenverlauf")),
                   out.filePath("strahlenverlauf.png"));

    // The imaging view: a straight row of points on the grid and its image.
    click(w1 + l1.imagingButton.center(), 1);
    const auto l2 = imaging::ImagingLayout(area);
    const QPoint w2 = windowAt(QStringLiteral("Abbildung von Punkten"));
    const Field f2{w2 + l2.field.topLeft(), l2.field.size()};
    click(w2 + l2.pointRowsButton.topLeft() + QPoint(10, l2.pointRowsButton.height() / 2), 1);
    click(w2 + l2.gridBox.topLeft() + QPoint(10, l2.gridBox.height() / 2), 1);
    for (int x = -600; x <= 600; x += 100)
        click(f2.toScreen(x, 450), 3);
    drag(f2.toScreen(300, -500), f2.toScreen(150, -600), 1);
    ok = save(screen(), windowRect(QStringLiteral("Abbildung von Punkten")),
              out.filePath("abbildung.png")) && ok;

    tavrix.terminate();
    tavrix.waitForFinished(5000);
    return ok ? 0 : 1;
}
