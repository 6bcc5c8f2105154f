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
    // A real click to the imaging view: the red image point where it belongs, also in the
    // picture that Ctrl+C puts on the clipboard.
    void imagePointOnScreen() {
        if (!xdo::available() || QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            QSKIP("skipped: no X server, no xdotool or no xclip (run under xvfb-run)");
        QProcess tavrix;
        tavrix.start(QStringLiteral(TAVRIX_PROGRAM));
        QVERIFY(tavrix.waitForStarted());
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint w1 = xdo::windowAt(QStringLiteral("Strahlenverlauf"));
        xdo::click(raypath::RayPathLayout(area).imagingButton.translated(w1).center(), 1);
        const QPoint w2 = xdo::windowAt(QStringLiteral("Abbildung von Punkten"));
        const QRect field = imaging::ImagingLayout(area).field;
        const auto image = optics::imagePoint({0, 500}, {300, -500}, 1.33f);
        QVERIFY(w1.x() >= 0 && w2.x() >= 0 && image);
        const xdo::Field f2{w2 + field.topLeft(), field.size()};
        const QPoint at = f2.toScreen(image->x, image->y);
        // The red image point; the program ends with its QProcess.
        QVERIFY2(colourAround(xdo::screen(), at, qRgb(255, 0, 0), 3) > 0, "red image point");
        QProcess::execute("xdotool", {"key", "ctrl+c"});
        QTest::qWait(300);
        QProcess xclip;  // as another program pastes it
        xclip.start("xclip", {"-selection", "clipboard", "-t", "image/png", "-o"});
        QVERIFY(xclip.waitForFinished(5000));
        const QImage copied = QImage::fromData(xclip.readAllStandardOutput(), "PNG");
        QVERIFY2(copied.size() == field.size()
                     && colourAround(copied, at - f2.origin, qRgb(255, 0, 0), 3) > 0,
                 "the red image point, copied");
    }
};

QTEST_MAIN(TestRealWindow)
#include "test_real_window.moc"
