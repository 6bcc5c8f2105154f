// The drawing field: drawing and erasing, the kept picture, the mouse, the screen.
#include "canvas/drawing_field.h"
#include "probes.h"

#include <QtTest>

using namespace canvas;

namespace {

constexpr QRgb kBlue = qRgb(0, 0, 255);

// A field 400 x 392 px; x from -1000 to 1000 and y from -980 to 980.
struct Field : DrawingField {
    Field() : DrawingField(kWhite) {
        resize(400, 392);
        setScale(-1000, -980, 1000, 980);
    }
    // The box around the pixels of a colour.
    QRect find(QRgb colour) {
        QRect box;
        for (int y = 0; y < 392; ++y)
            for (int x = 0; x < 400; ++x)
                if ((image().pixel(x, y) & 0xffffff) == (colour & 0xffffff))
                    box |= QRect(x, y, 1, 1);
        return box;
    }
    // Pixels repainted so far.
    qint64 painted = 0;
    void paintEvent(QPaintEvent *e) override {
        for (const QRect &r : e->region())
            painted += qint64(r.width()) * r.height();
        DrawingField::paintEvent(e);
    }
};

}  // namespace

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    // At every pen width: far lines clipped, white erases without a ghost, no
    // non-finite drawing, a dot round and pen wide wherever it falls.
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
        f.line(-5000, 0, 5000, 0, kRed);
        const QRect line = f.find(kRed);
        QCOMPARE(line.size(), QSize(400, pen));
        QVERIFY(std::abs(line.center().y() - 196) <= 1);
        f.clear();
        for (QRgb c : {kBlack, kWhite}) {  // drawn, then erased in solid white
            f.setLineStyle(c == kBlack ? style : kSolid);
            f.line(-5000, 300, 4000, -2500, c);
            f.circle(123, -45, 50, c);
            f.dot(-321, 654, c);
            f.disc(400, 400, 30, c == kBlack ? kRed : c);
            QVERIFY(c == kWhite || (!f.find(kBlack).isEmpty() && !f.find(kRed).isEmpty()));
        }
        f.line(qQNaN(), 0, 100, 100);
        f.circle(0, qInf(), 50);
        f.dot(qInf(), qQNaN());
        QVERIFY(f.image() == blank);
        QImage dots[2];
        for (int i : {0, 1}) {  // at pixels (100, 100) and (200.3, 200.8)
            f.clear();
            f.dot(-500 + 501.5 * i, -480 + 504 * i, kBlack);
            dots[i] = f.image().copy(f.find(kBlack));
        }
        QCOMPARE(dots[0].size(), QSize(pen, pen));
        QVERIFY(dots[0] == dots[1]);
        // round, not square: a wide dot leaves its corners white
        QVERIFY(pen < 5 || (dots[0].pixel(0, 0) & 0xffffff) == (kWhite & 0xffffff));
    }

    // An overlay of thin lines is taken back to the picture under it, on screen too;
    // one with a wide line, or with a line drawn after it, is not. A frame repaints
    // only around what it drew.
    void overlay_data() {
        QTest::addColumn<int>("pen");
        QTest::addColumn<bool>("lineAfter");
        QTest::addColumn<bool>("takenBack");
        QTest::addRow("thin and dotted lines") << 1 << false << true;
        QTest::addRow("a wide line") << 3 << false << false;
        QTest::addRow("a line after it") << 1 << true << false;
    }
    void overlay() {
        QFETCH(int, pen);
        QFETCH(bool, lineAfter);
        QFETCH(bool, takenBack);
        Field f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        for (int i = 0; i < 5; ++i)
            f.line(-900 + 400 * i, -900, 900 - 300 * i, 900, i % 2 ? kRed : kBlack);
        QVERIFY(showsImage(f));
        f.painted = 0;
        f.dot(0, 0, kBlue);
        f.circle(500, 500, 100, kBlue);
        const QImage picture = f.image().copy();
        for (int round = 0; round < 2; ++round) {
            f.beginOverlay();
            f.setLineStyle(kDotted);
            f.line(-800, 100 * round, 0, -300, kBlack);
            f.setLineStyle(kSolid);
            f.setPenWidth(pen);
            f.line(-500, -900, -200 + 100 * round, 0, kBlue);
            f.line(-900, 800, 0, -100, kRed);
            f.endOverlay();
            if (lineAfter)
                f.line(0, 0, 100, 100, kBlue);
            QVERIFY(showsImage(f) && f.image() != picture);
            QVERIFY(f.painted < 400 * 392 / 2);
            QCOMPARE(f.takeBackOverlay(), takenBack);
            QCOMPARE(f.image() == picture, takenBack);
            QVERIFY(showsImage(f));
            f.painted = 0;
        }
    }

    // The screen shows the picture again after hiding, painted anew only with a new
    // image; the middle button is reported as such, at its scene point.
    void keptPictureOnScreen() {
        Field f;
        int paints = 0;
        connect(&f, &DrawingField::paintRequested, [&] { ++paints; f.circle(0, 0, 500); });
        std::pair<int, QPointF> down;
        connect(&f, &DrawingField::mouseDown, [&](int b, qreal x, qreal y) { down = {b, {x,y}}; });
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QImage before = f.image().copy();
        f.hide();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f) && f.image() == before && showsImage(f));
        QTest::mouseClick(&f, Qt::MiddleButton, {}, {399, 391});
        QCOMPARE(down.first, kMiddleButton);
        QVERIFY(QLineF(down.second, {995, 975}).length() < 6);
        QCOMPARE(paints, 1);
        f.resize(410, 402);
        QCOMPARE(paints, 2);
    }
};

QTEST_MAIN(TestCanvas)
#include "test_canvas.moc"
