// The drawing field: clipping, erasing by drawing again in white, round dots,
// the kept picture, the mouse in scene units, and what reaches the screen.
#include "canvas/drawing_field.h"

#include <QScreen>
#include <QtTest>

using namespace canvas;

namespace {

// A field 400 x 392 px; x from -1000 to 1000 and y from -980 to 980, or pixels.
struct Field : DrawingField {
    explicit Field(bool pixels = false) : DrawingField(kWhite) {
        resize(400, 392);
        pixels ? setScale(0, 0, 400, 392) : setScale(-1000, -980, 1000, 980);
    }
    // The box around the pixels of a colour; their count.
    QRect find(QRgb colour, int *count = nullptr) {
        QRect box;
        for (int y = 0; y < 392; ++y)
            for (int x = 0; x < 400; ++x)
                if ((image().pixel(x, y) & 0xffffff) == (colour & 0xffffff) && (!count || ++*count))
                    box |= QRect(x, y, 1, 1);
        return box;
    }
    // Pixels where the screen differs from the picture, once the repaints
    // the field asked for are done.
    int offScreen() {
        QCoreApplication::processEvents();
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(this, &request);
        const QImage shot = screen()->grabWindow(winId(), 0, 0, 400, 392).toImage();
        int n = 0;
        for (int y = 0; y < 392; ++y)
            for (int x = 0; x < 400; ++x)
                n += (shot.pixel(x, y) & 0xffffff) != (image().pixel(x, y) & 0xffffff);
        return n;
    }
};

}  // namespace

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    // At every pen width: a line far beyond the field is clipped to it; an
    // element drawn again in white is gone without a ghost; non-finite
    // coordinates draw nothing; a dot is round, pen wide, wherever it falls.
    void drawing_data() {
        QTest::addColumn<int>("pen"); QTest::addColumn<int>("style");
        for (int pen : {1, 3, 15, 20})
            QTest::addRow("pen %d", pen) << pen << int(kSolid);
        QTest::newRow("dotted, erased solid") << 1 << int(kDotted);
    }
    void drawing() {
        QFETCH(int, pen); QFETCH(int, style);
        Field f;
        const QImage blank = f.image().copy();
        f.setPenWidth(pen);
        int red = 0;
        f.line(-5000, 0, 5000, 0, kRed);
        const QRect line = f.find(kRed, &red);
        QVERIFY(line.width() == 400 && line.height() == pen && std::abs(line.center().y() - 196) <= 1 && red == 400 * pen);
        f.clear();
        f.setLineStyle(style);
        f.line(-5000, 300, 4000, -2500);
        f.circle(123, -45, 50);
        f.dot(-321, 654);
        f.disc(400, 400, 30, kRed);
        QVERIFY(!f.find(kBlack).isEmpty() && !f.find(kRed).isEmpty());
        f.setLineStyle(kSolid);
        f.line(-5000, 300, 4000, -2500, kWhite);
        f.circle(123, -45, 50, kWhite);
        f.dot(-321, 654, kWhite);
        f.disc(400, 400, 30, kWhite);
        for (double bad : {qQNaN(), qInf()}) {
            f.line(bad, 0, 100, 100);
            f.circle(0, bad, 50);
            f.dot(bad, -bad);
        }
        QVERIFY(f.image() == blank);
        QImage dots[2];
        for (int i : {0, 1}) {
            Field g(true);
            g.setPenWidth(pen);
            g.dot(100 + 100.3 * i, 100 + 100.8 * i);
            dots[i] = g.image().copy(g.find(kBlack));
        }
        QCOMPARE(dots[0].size(), QSize(pen, pen));
        QVERIFY(dots[0] == dots[1]);
        QVERIFY(pen < 5 || (dots[0].pixel(0, 0) & 0xffffff) == (kWhite & 0xffffff));  // round, not square
    }

    // The screen shows exactly the picture while a drag redraws a line over
    // and over. The picture is kept: hidden and shown again it is unchanged,
    // and the paint handler runs only when the field first appears or its
    // image is made anew. The mouse reports scene units and its button.
    void keptPictureOnScreen() {
        Field f;
        int paints = 0;
        connect(&f, &DrawingField::paintRequested, [&] { ++paints; f.circle(0, 0, 500); });
        QList<int> buttons;
        QList<QPointF> presses;
        connect(&f, &DrawingField::mouseDown, [&](int b, double x, double y) { buttons << b; presses << QPointF(x, y); });
        QPointF end;
        connect(&f, &DrawingField::mouseMove, [&](int buttons, double x, double y) {
            f.setPenWidth(buttons == kLeftButton ? 3 : 1);
            f.line(-900, 900, end.x(), end.y(), kWhite);
            f.line(-900, 900, x, y, kRed);
            end = {x, y};
        });
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        for (QPoint p : {QPoint(20, 30), QPoint(300, 40), QPoint(200, 350), QPoint(390, 380)}) {
            QMouseEvent move(QEvent::MouseMove, p, f.mapToGlobal(p), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(&f, &move);
            QCOMPARE(f.offScreen(), 0);
        }
        QCOMPARE(f.image().pixel(205, 378), kRed);  // the line drawn last, 3 px wide
        const QImage before = f.image().copy();
        f.hide();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f) && f.image() == before);
        QCOMPARE(f.offScreen(), 0);
        for (auto [button, p] : {std::pair{Qt::LeftButton, QPoint(200, 0)}, {Qt::RightButton, QPoint(0, 196)}, {Qt::MiddleButton, QPoint(399, 391)}})
            QTest::mouseClick(&f, button, {}, p);
        QCOMPARE(buttons, QList<int>({kLeftButton, kRightButton, kMiddleButton}));
        const QList<QPointF> want{{0, -980}, {-1000, 0}, {995, 975}};
        QCOMPARE(presses.size(), want.size());
        for (int i = 0; i < want.size(); ++i)
            QVERIFY2(QLineF(presses[i], want[i]).length() < 6, qPrintable(QStringLiteral("%1: %2, %3").arg(i).arg(presses[i].x()).arg(presses[i].y())));
        QCOMPARE(paints, 1);
        f.resize(410, 402);
        QCOMPARE(paints, 2);
    }
};

QTEST_MAIN(TestCanvas)
#include "test_canvas.moc"
