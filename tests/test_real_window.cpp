// The real program in a real X server: real pointer events through XTest
// (xdotool) and the screen's pixels read back. CTest runs it under xvfb-run;
// without an X server or xdotool it says it was skipped.
#include "imaging/imaging_window_layout.h"
#include "raypath/ray_path_layout.h"
#include "real_window_driver.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QtTest>
#include <cmath>

namespace {

using namespace xdo;

QString program;  // build/tavrix, from the command line

// How many pixels within `radius` of p have the colour.
int around(const QImage &img, QPoint p, QRgb colour, int radius = 1)
{
    int n = 0;
    for (int y = p.y() - radius; y <= p.y() + radius; ++y)
        for (int x = p.x() - radius; x <= p.x() + radius; ++x)
            n += img.valid(x, y) && (img.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return n;
}

}  // namespace

class TestRealWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void raysPointAndImagingView();
};

void TestRealWindow::initTestCase()
{
    if (!xdo::available())
        QSKIP("skipped: no X server or no xdotool (run under xvfb-run)");
    QVERIFY2(QFile::exists(program), qPrintable(program));
}

void TestRealWindow::raysPointAndImagingView()
{
    QProcess tavrix;
    tavrix.start(program, {});
    QVERIFY(tavrix.waitForStarted());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const auto l1 = raypath::computeRayPathLayout(area);
    const QPoint w1 = windowAt(QStringLiteral("Strahlenverlauf"));
    QVERIFY(w1.x() >= 0);
    const Field f1{w1 + l1.field.topLeft(), l1.field.size()};

    // The first picture: the interface line and P.
    QImage img = screen();
    QVERIFY(around(img, f1.toScreen(0, 500), qRgb(0, 0, 0)) > 0);
    QVERIFY(around(img, f1.toScreen(-600, 0), qRgb(0, 0, 0)) > 0);

    // A ray fixed with the left button at (300, 0): incident from P, and
    // refracted away from the normal into the upper medium (46.8 degrees).
    click(f1.toScreen(300, 0), 1);
    img = screen();
    QVERIFY2(around(img, f1.toScreen(150, 250), qRgb(0, 0, 0)) > 0, "incident ray");
    QVERIFY2(around(img, f1.toScreen(505.2, -218.8), qRgb(0, 0, 0)) > 0, "refracted ray");

    // P dragged above the interface with the right button: the ray now runs
    // down into the lower medium, towards the normal (22.8 degrees).
    drag(f1.toScreen(0, 500), f1.toScreen(0, -500), 3);
    img = screen();
    QVERIFY2(around(img, f1.toScreen(416.0, 276.6), qRgb(0, 0, 0)) > 0, "refracted downwards");
    QCOMPARE(around(img, f1.toScreen(505.2, -218.8), qRgb(0, 0, 0), 0), 0);
    QCOMPARE(around(img, f1.toScreen(0, 500), qRgb(0, 0, 0), 2), 0);  // P has left

    // To the imaging view: the red image point near (6.6, 347.3).
    const QRect toImaging = l1.imagingButton.translated(w1);
    click(toImaging.center(), 1);
    const auto l2 = imaging::imagingWindowLayout(area);
    const QPoint w2 = windowAt(QStringLiteral("Abbildung von Punkten"));
    QVERIFY(w2.x() >= 0);
    const Field f2{w2 + l2.field.topLeft(), l2.field.size()};
    img = screen();
    QVERIFY2(around(img, f2.toScreen(6.6, 347.3), qRgb(255, 0, 0), 3) > 0, "red image point");
    QVERIFY(around(img, f2.toScreen(0, 500), qRgb(0, 0, 0), 1) > 0);

    tavrix.terminate();
    tavrix.waitForFinished(5000);
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc > 1 && !QString::fromLocal8Bit(argv[argc - 1]).startsWith(QLatin1Char('-'))) {
        program = QString::fromLocal8Bit(argv[argc - 1]);
        --argc;
    }
    TestRealWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_real_window.moc"
