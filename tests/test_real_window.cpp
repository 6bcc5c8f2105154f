// The real program in a real X server, driven through xdotool, the screen read
// back. CTest runs it under xvfb-run; without X or xdotool it is skipped.
#include "imaging/imaging_layout.h"
#include "optics/image_construction.h"
#include "probes.h"
#include "raypath/ray_path_layout.h"
#include "real_window_driver.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QtTest>

class TestRealWindow : public QObject {
    Q_OBJECT
private slots:
    // A real click to the imaging view: the red image point where it belongs. Ctrl+C in
    // each window: its field's picture, at the field's size, pasted by another program.
    void imagePointOnScreen() {
        if (!xdo::available() || QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            QSKIP("skipped: no X server, no xdotool or no xclip (run under xvfb-run)");
        QProcess tavrix;
        tavrix.start(QStringLiteral(TAVRIX_PROGRAM));
        QVERIFY(tavrix.waitForStarted());
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint w1 = xdo::windowAt(QStringLiteral("Strahlenverlauf"));
        const QRect field1 = raypath::RayPathLayout(area).field;
        const QImage rays = xdo::copied();
        QCOMPARE(rays.size(), field1.size());
        const QPoint line = xdo::Field{{}, field1.size()}.toScreen(-500, 0);
        QVERIFY2(colourAround(rays, line, qRgb(0, 0, 0), 1) > 0, "the interface line, copied");
        xdo::click(raypath::RayPathLayout(area).imagingButton.translated(w1).center(), 1);
        const QPoint w2 = xdo::windowAt(QStringLiteral("Abbildung von Punkten"));
        const QRect field = imaging::ImagingLayout(area).field;
        const auto image = optics::imagePoint({0, 500}, {300, -500}, 1.33f);
        QVERIFY(w1.x() >= 0 && w2.x() >= 0 && image);
        const xdo::Field f2{w2 + field.topLeft(), field.size()};
        const QPoint at = f2.toScreen(image->x, image->y);
        // The red image point; the program ends with its QProcess.
        QVERIFY2(colourAround(xdo::screen(), at, qRgb(255, 0, 0), 3) > 0, "red image point");
        const QImage copied = xdo::copied();
        QCOMPARE(copied.size(), field.size());
        QVERIFY2(colourAround(copied, at - f2.origin, qRgb(255, 0, 0), 3) > 0, "copied");
    }
};

QTEST_MAIN(TestRealWindow)
#include "test_real_window.moc"
