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

    // A finger on a touch screen, through Qt's TUIO plugin: put down on P it drags P in both
    // windows, and in row mode three taps in the lower half store three row points.
    void fingerMovesP() {
        if (!xdo::available())
            QSKIP("skipped: no X server or no xdotool (run under xvfb-run)");
        const int port = 33000 + int(QCoreApplication::applicationPid() % 2000);
        QProcess tavrix;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_GENERIC_PLUGINS", QStringLiteral("tuiotouch:udp=%1").arg(port));
        tavrix.setProcessEnvironment(env);
        tavrix.start(QStringLiteral(TAVRIX_PROGRAM));
        QVERIFY(tavrix.waitForStarted());
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        xdo::TuioFinger finger(port);
        // Drags a finger from one scene point to another in a window's field.
        const auto drag = [&](const QString &caption, QRect field, QPointF from, QPointF to) {
            xdo::focus(caption);
            const QRect w = xdo::windowRect(caption);
            const xdo::Field f{w.topLeft() + field.topLeft(), field.size()};
            const auto relative = [&](QPointF s) {
                const QPointF p = f.toScreen(s.x(), s.y()) - w.topLeft() + QPointF(0.5, 0.5);
                return QPointF(p.x() / w.width(), p.y() / w.height());
            };
            finger.down(relative(from));
            for (int i = 1; i <= 4; ++i)
                finger.moveTo(relative(from + (to - from) * i / 4));
            finger.up();
            return f;
        };
        const auto blackAt = [](const xdo::Field &f, QPointF s) {
            return colourAround(xdo::screen(), f.toScreen(s.x(), s.y()), qRgb(0, 0, 0), 1);
        };
        const QString rays = QStringLiteral("Strahlenverlauf");
        const raypath::RayPathLayout l1(area);
        QVERIFY(xdo::windowAt(rays).x() >= 0);
        const xdo::Field f1 = drag(rays, l1.field, {0, 500}, {400, 300});
        QVERIFY2(blackAt(f1, {400, 300}) == kWholeBox && blackAt(f1, {0, 500}) == 0, "P dragged");

        xdo::click(l1.imagingButton.translated(xdo::windowAt(rays)).center(), 1);
        const QString imaging = QStringLiteral("Abbildung von Punkten");
        const imaging::ImagingLayout l2(area);
        QVERIFY(xdo::windowAt(imaging).x() >= 0);
        const xdo::Field f2 = drag(imaging, l2.field, {0, 500}, {-300, 400});
        QVERIFY2(blackAt(f2, {-300, 400}) == kWholeBox && blackAt(f2, {0, 500}) == 0, "P dragged");

        const QRect rows = l2.pointRowsButton.translated(xdo::windowAt(imaging));
        xdo::click(rows.topLeft() + QPoint(10, rows.height() / 2), 1);
        for (QPointF p : {QPointF(-600, 300), QPointF(0, 600), QPointF(500, 700)})
            drag(imaging, l2.field, p, p);
        for (QPointF p : {QPointF(-600, 300), QPointF(0, 600), QPointF(500, 700)})
            QVERIFY2(blackAt(f2, p) == kWholeBox, "a row point");
    }
};

QTEST_MAIN(TestRealWindow)
#include "test_real_window.moc"
