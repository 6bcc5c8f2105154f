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
    // The real program on a touch screen, through Qt's TUIO plugin: a finger put down on P
    // drags P. Then a real click to the imaging view: the red image point where it belongs,
    // also in the picture that Ctrl+C puts on the clipboard, as another program pastes it.
    void fingerClickAndClipboard() {
        if (!xdo::available() || QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            QSKIP("skipped: no X server, no xdotool or no xclip (run under xvfb-run)");
        const int port = 33000 + int(QCoreApplication::applicationPid() % 2000);
        QProcess tavrix;  // ends with its QProcess
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_GENERIC_PLUGINS", QStringLiteral("tuiotouch:udp=%1").arg(port));
        tavrix.setProcessEnvironment(env);
        tavrix.start(QStringLiteral(TAVRIX_PROGRAM));
        QVERIFY(tavrix.waitForStarted());
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QString rays = QStringLiteral("Strahlenverlauf");
        const raypath::RayPathLayout l1(area);
        const QPoint w1 = xdo::windowAt(rays);
        QVERIFY(w1.x() >= 0);
        xdo::focus(rays);
        const QRect w = xdo::windowRect(rays);
        const xdo::Field f1{w.topLeft() + l1.field.topLeft(), l1.field.size()};
        const auto relative = [&](QPointF s) {  // a scene point as a fraction of the window
            const QPointF p = f1.toScreen(s.x(), s.y()) - w.topLeft() + QPointF(0.5, 0.5);
            return QPointF(p.x() / w.width(), p.y() / w.height());
        };
        xdo::TuioFinger finger(port);
        const QPointF from(0, 500), to(400, 300);
        finger.down(relative(from));
        for (int i = 1; i <= 4; ++i)
            finger.moveTo(relative(from + (to - from) * i / 4));
        finger.up();
        const auto blackAt = [](const xdo::Field &f, QPointF s) {
            return colourAround(xdo::screen(), f.toScreen(s.x(), s.y()), qRgb(0, 0, 0), 1);
        };
        QCOMPARE(blackAt(f1, to), kWholeBox);  // P where the finger left it
        QCOMPARE(blackAt(f1, from), 0);

        xdo::click(l1.imagingButton.translated(w1).center(), 1);
        const QPoint w2 = xdo::windowAt(QStringLiteral("Abbildung von Punkten"));
        QVERIFY(w2.x() >= 0);
        const QRect field = imaging::ImagingLayout(area).field;
        const auto image = optics::imagePoint({0, 500}, {300, -500}, 1.33f);
        QVERIFY(image);
        const xdo::Field f2{w2 + field.topLeft(), field.size()};
        const QPoint at = f2.toScreen(image->x, image->y);
        QVERIFY2(colourAround(xdo::screen(), at, qRgb(255, 0, 0), 3) > 0, "red image point");
        QProcess::execute("xdotool", {"key", "ctrl+c"});
        QTest::qWait(300);
        QProcess xclip;
        xclip.start("xclip", {"-selection", "clipboard", "-t", "image/png", "-o"});
        QVERIFY(xclip.waitForFinished(5000));
        const QImage copied = QImage::fromData(xclip.readAllStandardOutput(), "PNG");
        QCOMPARE(copied.size(), field.size());
        QVERIFY2(colourAround(copied, at - f2.origin, qRgb(255, 0, 0), 3) > 0,
                 "the red image point, copied");
    }
};

QTEST_MAIN(TestRealWindow)
#include "test_real_window.moc"
