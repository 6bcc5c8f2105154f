// The raster image: drawing, erasing, the overlay, and what it hands to the screen,
// also at the pixel ratios of high-resolution screens.
#include "canvas/raster_image.h"

#include <QPainter>
#include <QtTest>
#include <functional>

using namespace canvas;

namespace {

// A raster 400 x 392 logical px at a pixel ratio; x from -1000 to 1000 and y from -980 to
// 980, 5 units a logical pixel.
struct Raster : RasterImage {
    explicit Raster(double ratio = 1) : RasterImage(kWhite) {
        fitTo({400, 392}, ratio);
        setScale(-1000, -980, 1000, 980);
    }
    // The box around the pixels of a colour, and their number.
    std::pair<QRect, int> find(QRgb colour) {
        std::pair<QRect, int> found;
        for (int i = 0; i < 400 * 392; ++i)
            if (image().pixel(i % 400, i / 400) == (colour | 0xff000000u))
                found = {found.first | QRect(i % 400, i / 400, 1, 1), found.second + 1};
        return found;
    }
    // A screen that is handed what changed: whether it shows the picture then, having
    // been handed no more than half of it.
    QImage screen;
    bool onScreen() {
        qint64 area = 0;
        QPainter p(&screen);
        for (const QRect &r : takeChanged()) {
            area += qint64(r.width()) * r.height();
            p.drawImage(r.topLeft(), image(), r);
        }
        p.end();
        return screen == image() && area <= qint64(size().width()) * size().height() / 2;
    }
};

using Draw = std::function<void(Surface &, const Pen &)>;

// A drawing, its pen, the box and number of the pixels it sets, and whether it is taken back.
struct Drawing {
    Draw draw;
    int pen = 1;
    LineStyle style = LineStyle::Solid;
    QRect box = {};
    int pixels = 0;
    bool takenBack = false;
};

}  // namespace

Q_DECLARE_METATYPE(Drawing)

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    // What a drawing sets. A new picture, blank, goes to the screen whole; a drawing, where it
    // changed it; the same again, not at all. Of an overlay drawn over it twice, thin lines,
    // circles and dots are taken back (else drawn again). Erased in solid white, it leaves no ghost.
    void drawing_data() {
        QTest::addColumn<Drawing>("d");
        const auto row = [](const char *name, Drawing d) { QTest::newRow(name) << d; };
        const Draw across = [](Surface &s, Pen c) { s.line(-5000, 0, 5000, 0, c); };
        const Draw ring = [](Surface &s, Pen c) { s.circle(123, -45, 50, c); };
        const Draw onPixel = [](Surface &s, Pen c) { s.dot(-500, -480, c); };
        const Draw offPixels = [](Surface &s, Pen c) { s.dot(1.5, 24, c); };
        row("far line",
            {.draw = across, .box = {0, 196, 400, 1}, .pixels = 400, .takenBack = true});
        row("far line, dotted", {.draw = across, .style = LineStyle::Dotted, .box = {0, 196, 400, 1},
                                 .pixels = 134, .takenBack = true});
        row("far line, 3 px", {.draw = across, .pen = 3, .box = {0, 195, 400, 3}, .pixels = 1200});
        row("slanted line", {.draw = [](Surface &s, Pen c) { s.line(-1200, 900, 1100, -700, c); },
                             .box = {0, 69, 400, 280}, .pixels = 400, .takenBack = true});
        row("slanted line, 15 px",
            {.draw = [](Surface &s, Pen c) { s.line(-600, 400, 300, -300, c); }, .pen = 15,
             .box = {73, 129, 194, 154}, .pixels = 3592});
        row("line, then a dot after the overlay", {.draw = [](Surface &s, Pen c) {
                s.line(-800, -900, 0, 900, c); s.endOverlay(); s.dot(0, 0, c);
            }, .box = {40, 16, 161, 361}, .pixels = 362});
        row("circle, 3 px", {.draw = ring, .pen = 3, .box = {213, 176, 23, 22}, .pixels = 184,
                             .takenBack = true});
        // Round and pen wide, one shape at pixel (100, 100) and at (200.3, 200.8).
        row("dot, 15 px", {.draw = onPixel, .pen = 15, .box = {93, 93, 15, 15}, .pixels = 177,
                           .takenBack = true});
        row("dot, 15 px, between", {.draw = offPixels, .pen = 15, .box = {193, 193, 15, 15},
                                    .pixels = 177, .takenBack = true});
        row("dot, 20 px", {.draw = onPixel, .pen = 20, .box = {90, 90, 20, 20}, .pixels = 316,
                           .takenBack = true});
        row("dot, 20 px, between", {.draw = offPixels, .pen = 20, .box = {190, 191, 20, 20},
                                    .pixels = 316, .takenBack = true});
        const Draw round = [](Surface &s, Pen c) { s.disc(400, 400, 30, c); };
        row("disc", {.draw = round, .box = {274, 270, 12, 12}, .pixels = 124});
        row("disc, 20 px", {.draw = round, .pen = 20, .box = {264, 260, 32, 32}, .pixels = 812});
        // Its leftmost pixel the last of a screen tile: the repaint reaches into that tile.
        row("disc at a tile's edge", {.draw = [](Surface &s, Pen c) { s.disc(469, 400, 30, c); },
                                      .box = {287, 270, 13, 12}, .pixels = 130});
        row("not finite: draws nothing", {.draw = [](Surface &s, Pen c) {
                s.line(qQNaN(), 0, 100, 100, c); s.line(0, 0, 100, qInf(), c);
                s.circle(0, qInf(), 50, c); s.dot(qInf(), qQNaN(), c);
            }, .takenBack = true});
    }
    void drawing() {
        QFETCH(Drawing, d);
        Raster r;
        QCOMPARE(r.takeChanged(), QRegion(0, 0, 400, 392));
        QCOMPARE(r.find(kWhite).second, 400 * 392);
        const QImage blank = r.screen = r.image().copy();
        const auto pen = [&](QRgb c) { return Pen{double(d.pen), c, d.style}; };
        d.draw(r, pen(kRed));
        const QImage drawn = r.image().copy();
        QCOMPARE(r.find(kRed), std::pair(d.box, d.pixels));
        QVERIFY(r.onScreen());
        d.draw(r, pen(kRed));
        QVERIFY(r.takeChanged().isEmpty());
        r.beginOverlay();
        for (int pass = 0; pass < 2; ++pass)
            d.draw(r, pen(qRgb(0, 0, 255)));
        r.endOverlay();
        QVERIFY(r.onScreen());
        QCOMPARE(r.takeBackOverlay(), d.takenBack);
        if (!d.takenBack)
            d.draw(r, pen(kRed));
        QCOMPARE(r.image(), drawn);
        QVERIFY(r.onScreen());
        d.draw(r, {double(d.pen), kWhite});
        QCOMPARE(r.image(), blank);
        QVERIFY(r.onScreen());
    }

    // At 150 % and 200 % the picture is kept at device pixels. A ray of pen 1 is a logical
    // pixel wide where the geometry puts it, a dot of pen 5 five logical pixels across; the
    // changed tiles bring every change to the screen, the live ray goes back without a
    // trace, and white over it all leaves nothing behind.
    void pixelRatio_data() {
        QTest::addColumn<double>("ratio");
        QTest::newRow("150 %") << 1.5;
        QTest::newRow("200 %") << 2.0;
    }
    void pixelRatio() {
        QFETCH(double, ratio);
        Raster r(ratio);
        const QImage blank = r.screen = r.image().copy();
        r.takeChanged();
        const auto draw = [&](QRgb ink) {
            r.line(-300, -900, 100, 700, {1, ink});  // through (-100, -100)
            r.dot(500, 500, {5, ink});
        };
        draw(kBlack);
        QVERIFY(r.onScreen());
        const QImage picture = r.image().copy();
        const auto black = [&](QPoint c, int reach) {  // along the pixel row, within reach
            int n = 0;
            for (int x = c.x() - reach; x <= c.x() + reach; ++x)
                n += r.image().pixel(x, c.y()) == 0xff000000u;
            return n;
        };
        const QPoint middle = r.toPixel(-100, -100);
        QVERIFY(black(middle, 1) > 0);  // where the ray belongs
        const int width = black(middle, 3);  // a logical pixel, or one device pixel more
        QVERIFY2(width == qRound(ratio) || width == qRound(ratio) + 1,
                 qPrintable(QString::number(width)));
        QCOMPARE(black(r.toPixel(500, 500), 20), qRound(5 * ratio));
        r.beginOverlay();
        r.line(-900, 800, 900, -800, {1, kRed});
        r.endOverlay();
        QVERIFY(r.onScreen());
        QVERIFY(r.image() != picture);
        QVERIFY(r.takeBackOverlay());
        QVERIFY(r.onScreen());
        QCOMPARE(r.image(), picture);
        draw(kWhite);
        QVERIFY(r.onScreen());
        QCOMPARE(r.image(), blank);
    }
};

QTEST_MAIN(TestCanvas)
#include "test_canvas.moc"
