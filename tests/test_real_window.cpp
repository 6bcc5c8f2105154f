// The real program in a real X server: real pointer events through xdotool
// (XTest) and the screen's pixels read back. CTest runs it under xvfb-run;
// without an X server or xdotool it says it was skipped.
#include "imaging/imaging_window_layout.h"
#include "optics/image_construction.h"
#include "raypath/ray_path_layout.h"
#include "real_window_driver.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QtTest>

namespace {

QString program;  // build/tavrix, from the command line

// How many pixels within `radius` of p have the colour.
int around(const QImage &img, QPoint p, QRgb colour, int radius = 1) {
    int n = 0;
    for (int y = p.y() - radius; y <= p.y() + radius; ++y)
        for (int x = p.x() - radius; x <= p.x() + radius; ++x)
            n += (img.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return n;
}

}  // namespace

class TestRealWindow : public QObject {
    Q_OBJECT
private slots:
    void raysPointAndImagingView() {
        if (!xdo::available())
            QSKIP("skipped: no X server or no xdotool (run under xvfb-run)");
        QProcess tavrix;
        tavrix.start(program);
        QVERIFY(tavrix.waitForStarted());
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const auto rays = raypath::computeRayPathLayout(area);
        const QPoint w1 = xdo::windowAt(QStringLiteral("Strahlenverlauf"));
        QVERIFY(w1.x() >= 0);
        const xdo::Field f1{w1 + rays.field.topLeft(), rays.field.size()};
        QImage img = xdo::screen();
        QVERIFY2(around(img, f1.toScreen(0, 500), 0) && around(img, f1.toScreen(-600, 0), 0), "P and the interface");

        // A ray fixed with the left button at (300, 0), refracted away from
        // the normal into the upper medium: 46.8 degrees for n = 1.33.
        xdo::click(f1.toScreen(300, 0), 1);
        img = xdo::screen();
        QVERIFY2(around(img, f1.toScreen(150, 250), 0), "incident ray");
        QVERIFY2(around(img, f1.toScreen(505.2, -218.8), 0), "refracted ray");

        // P dragged above the interface with the right button: the ray now
        // runs down into the lower medium, towards the normal (22.8 degrees).
        xdo::drag(f1.toScreen(0, 500), f1.toScreen(0, -500), 3);
        img = xdo::screen();
        QVERIFY2(around(img, f1.toScreen(416.0, 276.6), 0), "refracted downwards");
        QCOMPARE(around(img, f1.toScreen(505.2, -218.8), 0, 0), 0);
        QCOMPARE(around(img, f1.toScreen(0, 500), 0, 2), 0);  // P has left

        // To the imaging view: the red image point where the construction puts it.
        xdo::click(rays.imagingButton.translated(w1).center(), 1);
        const QPoint w2 = xdo::windowAt(QStringLiteral("Abbildung von Punkten"));
        const QRect field2 = imaging::imagingWindowLayout(area).field;
        const xdo::Field f2{w2 + field2.topLeft(), field2.size()};
        const auto image = optics::imagePoint({0, 500}, {300, -500}, 1.33f);
        QVERIFY(w2.x() >= 0 && image);
        QVERIFY2(around(xdo::screen(), f2.toScreen(image->x, image->y), qRgb(255, 0, 0), 3), "red image point");
        tavrix.kill();
        tavrix.waitForFinished(5000);
    }
};

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    if (argc > 1 && !QByteArray(argv[argc - 1]).startsWith('-'))
        program = QString::fromLocal8Bit(argv[--argc]);
    TestRealWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_real_window.moc"
