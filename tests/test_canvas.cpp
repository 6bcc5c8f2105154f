// The raster image: drawing, erasing, the overlay, what it hands to the screen; the
// drawing field: the image on the screen, the mouse, the first paint.
#include "canvas/drawing_field.h"
#include "probes.h"

#include <QtTest>
#include <functional>

using namespace canvas;

namespace {

constexpr QRgb kBlue = qRgb(0, 0, 255);

// A raster 400 x 392 px; x from -1000 to 1000 and y from -980 to 980, 5 units a pixel.
struct Raster : RasterImage {
    Raster() : RasterImage(kWhite) { setSize({400, 392}); setScale(-1000, -980, 1000, 980); }
    // The box around the pixels of a colour, and their number.
    std::pair<QRect, int> find(QRgb colour) {
        std::pair<QRect, int> found;
        for (int i = 0; i < 400 * 392; ++i)
            if (image().pixel(i % 400, i / 400) == (colour | 0xff000000u))
                found = {found.first | QRect(i % 400, i / 400, 1, 1), found.second + 1};
        return found;
    }
    // Whether what goes to the screen now holds every pixel that differs from `before`,
    // and no more than half the picture.
    bool reportsChanges(const QImage &before) {
        const QRegion changed = takeChanged();
        for (int i = 0; i < 400 * 392; ++i) {
            const QPoint p(i % 400, i / 400);
            if (image().pixel(p) != before.pixel(p) && !changed.contains(p))
                return false;
        }
        qint64 area = 0;
        for (const QRect &r : changed)
            area += qint64(r.width()) * r.height();
        return area <= 400 * 392 / 2;
    }
};

using Draw = std::function<void(Surface &, QRgb)>;
Draw line(double x1, double y1, double x2, double y2) {
    return [=](Surface &s, QRgb c) { s.line(x1, y1, x2, y2, c); };
}
Draw circle(double x, double y, double r) { return [=](Surface &s, QRgb c) { s.circle(x, y, r, c); }; }
Draw dot(double x, double y) { return [=](Surface &s, QRgb c) { s.dot(x, y, c); }; }
Draw disc(double x, double y, double r) { return [=](Surface &s, QRgb c) { s.disc(x, y, r, c); }; }

// A drawing with its pen; the box and number of the pixels it sets; whether, drawn
// again as an overlay, it can be taken back.
struct Drawing {
    Draw draw;
    int pen = 1;
    int style = kSolid;
    QRect box = {};
    int pixels = 0;
    bool takenBack = false;
};

}  // namespace

Q_DECLARE_METATYPE(Drawing)

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    // What a drawing sets. A new picture goes to the screen whole, a drawing as far as it
    // changed it, the same drawing again not at all. Drawn over in blue as an overlay,
    // thin lines alone are taken back (else drawn again). Drawn in solid white, it is gone
    // without a ghost.
    void drawing_data() {
        QTest::addColumn<Drawing>("d");
        const auto row = [](const char *name, Drawing d) { QTest::newRow(name) << d; };
        row("far line", {.draw = line(-5000, 0, 5000, 0), .box = {0, 196, 400, 1}, .pixels = 400,
                         .takenBack = true});
        row("far line, dotted", {.draw = line(-5000, 0, 5000, 0), .style = kDotted,
                                 .box = {0, 196, 400, 1}, .pixels = 134, .takenBack = true});
        row("far line, 3 px", {.draw = line(-5000, 0, 5000, 0), .pen = 3,
                               .box = {0, 195, 400, 3}, .pixels = 1200});
        row("far line, 20 px", {.draw = line(-5000, 0, 5000, 0), .pen = 20,
                                .box = {0, 186, 400, 20}, .pixels = 8000});
        row("slanted line", {.draw = line(-1200, 900, 1100, -700), .box = {0, 69, 400, 280},
                             .pixels = 400, .takenBack = true});
        row("slanted line, 15 px", {.draw = line(-600, 400, 300, -300), .pen = 15,
                                    .box = {73, 129, 194, 154}, .pixels = 3592});
        row("crossing lines, solid and dotted", {.draw = [](Surface &s, QRgb c) {
            s.setLineStyle(kSolid);
            s.line(-800, -900, 0, 900, c);
            s.setLineStyle(kDotted);
            s.line(-900, 0, 900, 300, c);
        }, .box = {20, 16, 361, 361}, .pixels = 481, .takenBack = true});
        row("line, then a dot after the overlay", {.draw = [](Surface &s, QRgb c) {
            s.line(-800, -900, 0, 900, c);
            s.endOverlay();
            s.dot(0, 0, c);
        }, .box = {40, 16, 161, 361}, .pixels = 362});
        row("circle", {.draw = circle(123, -45, 50), .box = {214, 177, 21, 20}, .pixels = 66});
        row("circle, 3 px", {.draw = circle(123, -45, 50), .pen = 3,
                             .box = {213, 176, 23, 22}, .pixels = 184});
        row("dot", {.draw = dot(-500, -480), .box = {100, 100, 1, 1}, .pixels = 1});
        // Round, pen wide, one shape at pixel (100, 100) and at (200.3, 200.8).
        for (auto [pen, at, off, pixels] : {std::tuple{3, QPoint(99, 99), QPoint(199, 199), 9},
                                            {15, {93, 93}, {193, 193}, 177},
                                            {20, {90, 90}, {190, 191}, 316}}) {
            row(qPrintable(QString("dot, %1 px").arg(pen)), {.draw = dot(-500, -480), .pen = pen,
                .box = {at, QSize(pen, pen)}, .pixels = pixels});
            row(qPrintable(QString("dot, %1 px, off the pixels").arg(pen)), {.draw = dot(1.5, 24),
                .pen = pen, .box = {off, QSize(pen, pen)}, .pixels = pixels});
        }
        row("disc", {.draw = disc(400, 400, 30), .box = {274, 270, 12, 12}, .pixels = 124});
        row("disc, 20 px", {.draw = disc(400, 400, 30), .pen = 20, .box = {264, 260, 32, 32},
                            .pixels = 812});
        row("line, not finite", {.draw = line(qQNaN(), 0, 100, 100), .takenBack = true});
        row("circle, not finite", {.draw = circle(0, qInf(), 50)});
        row("dot, not finite", {.draw = dot(qInf(), qQNaN())});
    }
    void drawing() {
        QFETCH(Drawing, d);
        Raster r;
        QCOMPARE(r.takeChanged(), QRegion(0, 0, 400, 392));
        const QImage blank = r.image().copy();
        r.setPenWidth(d.pen);
        r.setLineStyle(d.style);
        d.draw(r, kRed);
        const QImage drawn = r.image().copy();
        QCOMPARE(r.find(kRed), std::pair(d.box, d.pixels));
        QVERIFY(r.reportsChanges(blank));
        d.draw(r, kRed);
        QVERIFY(r.takeChanged().isEmpty());
        r.beginOverlay();
        d.draw(r, kBlue);
        r.endOverlay();
        const QImage overlaid = r.image().copy();
        QVERIFY(r.reportsChanges(drawn));
        QCOMPARE(r.takeBackOverlay(), d.takenBack);
        if (!d.takenBack)
            d.draw(r, kRed);
        QCOMPARE(r.image(), drawn);
        QVERIFY(r.reportsChanges(overlaid));
        r.setLineStyle(kSolid);
        d.draw(r, kWhite);
        QCOMPARE(r.image(), blank);
        QVERIFY(r.reportsChanges(drawn));
    }

    // The screen shows the image as drawn and as taken back, and again after hiding;
    // the paint handler runs on first showing and for a new image only. The middle
    // button is reported as such, at its scene point.
    void fieldOnScreen() {
        DrawingField f(kWhite);
        f.resize(400, 392);
        f.setScale(-1000, -980, 1000, 980);
        int paints = 0;
        connect(&f, &DrawingField::paintRequested, [&] { ++paints; f.raster().circle(0, 0, 500); });
        std::pair<int, QPointF> down;
        connect(&f, &DrawingField::mouseDown, [&](int b, qreal x, qreal y) { down = {b, {x,y}}; });
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.raster().beginOverlay();
        f.raster().line(-900, -900, 800, 700, kRed);
        f.raster().endOverlay();
        QVERIFY(showsImage(f));
        QVERIFY(f.raster().takeBackOverlay() && showsImage(f));
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
