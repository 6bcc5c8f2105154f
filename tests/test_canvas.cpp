// The drawing field: scene units, clipping, erasing, the retained picture,
// and mouse positions in scene units.
#include "canvas/drawing_field.h"
#include "canvas/scene_mapping.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace canvas;

namespace {

// A field laid out like the ray-path field: 0.98 as high as wide.
struct Field {
    DrawingField field{kWhite};
    int paints = 0;
    explicit Field(int width = 400)
    {
        const int height = int(0.98 * width);
        field.resize(width, height);
        const double r = double(width) / height;
        field.setScale(-1000, -1000 / r, 1000, 1000 / r);
        QObject::connect(&field, &DrawingField::paintRequested, [this] { ++paints; });
    }
};

int countColour(const QImage &img, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += (img.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return n;
}

}  // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

private slots:
    void clipLine_data();
    void clipLine();
    void longLineCrossesWholeField();
    void clsClearsEverything();
    void solidWhiteErasesDottedLine();
    void eraseByRedrawingLeavesNoGhost();
    void dotIsRoundEverywhere_data();
    void dotIsRoundEverywhere();
    void nonFiniteCoordinatesDrawNothing();
    void paintHandlerRunsOnFirstAppearanceOnly();
    void mouseReportsSceneUnitsAndButtons();
};

void TestCanvas::clipLine_data()
{
    QTest::addColumn<QPointF>("a");
    QTest::addColumn<QPointF>("b");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QLineF>("expected");
    const QLineF none;
    QTest::newRow("inside stays") << QPointF(10, 10) << QPointF(90, 50) << true
                                  << QLineF(10, 10, 90, 50);
    QTest::newRow("through both sides") << QPointF(-100, 50) << QPointF(200, 50) << true
                                        << QLineF(0, 50, 100, 50);
    QTest::newRow("diagonal through corners") << QPointF(-50, -50) << QPointF(150, 150) << true
                                              << QLineF(0, 0, 100, 100);
    QTest::newRow("wholly above") << QPointF(-10, -20) << QPointF(110, -5) << false << none;
    QTest::newRow("misses a corner") << QPointF(90, -20) << QPointF(130, 20) << false << none;
    QTest::newRow("NaN end") << QPointF(std::nan(""), 0) << QPointF(50, 50) << false << none;
}

void TestCanvas::clipLine()
{
    QFETCH(QPointF, a);
    QFETCH(QPointF, b);
    QFETCH(bool, visible);
    QFETCH(QLineF, expected);
    const auto got = canvas::clipLine(a, b, QRectF(0, 0, 100, 100));
    QCOMPARE(got.has_value(), visible);
    if (visible) {
        QVERIFY2(QLineF(got->p1(), expected.p1()).length() < 1e-9, "start");
        QVERIFY2(QLineF(got->p2(), expected.p2()).length() < 1e-9, "end");
    }
}

void TestCanvas::longLineCrossesWholeField()
{
    Field f;
    f.field.setPenWidth(1);
    f.field.line(-2000, 0, 2000, 0);
    const QImage &img = f.field.image();
    const int mid = f.field.toPixel(0, 0).y();
    for (int x = 0; x < img.width(); ++x)
        QCOMPARE(img.pixel(x, mid) & 0xffffff, kBlack & 0xffffff);
    QCOMPARE(countColour(img, kBlack), img.width());
}

void TestCanvas::clsClearsEverything()
{
    Field f;
    f.field.setPenWidth(5);
    f.field.line(-900, -900, 900, 900, kRed);
    f.field.dot(100, 100);
    f.field.circle(0, 0, 300);
    QVERIFY(countColour(f.field.image(), kWhite) < f.field.width() * f.field.height());
    f.field.clear();
    QCOMPARE(countColour(f.field.image(), kWhite), f.field.width() * f.field.height());
}

void TestCanvas::solidWhiteErasesDottedLine()
{
    Field f;
    f.field.setLineStyle(kDotted);
    f.field.line(-800, -700, 900, 600);
    f.field.setLineStyle(kSolid);
    const int dots = countColour(f.field.image(), kBlack);
    // Dotted: fewer pixels than the solid line would set, but some.
    QVERIFY(dots > 20);
    f.field.line(-800, -700, 900, 600, kWhite);
    QCOMPARE(countColour(f.field.image(), kBlack), 0);
}

void TestCanvas::eraseByRedrawingLeavesNoGhost()
{
    // The views remove an element by drawing it again in white: the same
    // call must cover exactly the same pixels, also far outside the field.
    Field f;
    const QImage blank = f.field.image().copy();
    for (int w : {1, 3, 15, 20}) {
        f.field.setPenWidth(w);
        f.field.line(-5000, 300, 4000, -2500);
        f.field.circle(123, -45, 50);
        f.field.dot(-321, 654);
        f.field.line(-5000, 300, 4000, -2500, kWhite);
        f.field.circle(123, -45, 50, kWhite);
        f.field.dot(-321, 654, kWhite);
        QVERIFY2(f.field.image() == blank, qPrintable(QStringLiteral("width %1").arg(w)));
    }
}

void TestCanvas::dotIsRoundEverywhere_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QPointF>("at");
    for (int w : {5, 15, 20}) {
        QTest::addRow("%d px, whole pixel", w) << w << QPointF(100, 100);
        QTest::addRow("%d px, half pixel", w) << w << QPointF(100.5, 100.5);
        QTest::addRow("%d px, in between", w) << w << QPointF(100.3, 100.8);
    }
}

void TestCanvas::dotIsRoundEverywhere()
{
    // A dot has one round shape, w pixels across, wherever it falls.
    QFETCH(int, width);
    QFETCH(QPointF, at);
    const auto dot = [width](QPointF p) {
        Field f;
        f.field.setScale(0, 0, f.field.width(), f.field.height());  // scene = pixels
        f.field.setPenWidth(width);
        f.field.dot(p.x(), p.y());
        const QImage img = f.field.image();
        QRect box;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xffffff) == 0)
                    box |= QRect(x, y, 1, 1);
        return img.copy(box);
    };
    const QImage shape = dot(at);
    QCOMPARE(shape.size(), QSize(width, width));
    for (QPoint corner : {QPoint(0, 0), QPoint(width - 1, 0), QPoint(0, width - 1),
                          QPoint(width - 1, width - 1)})
        QCOMPARE(shape.pixel(corner) & 0xffffff, kWhite & 0xffffff);
    QVERIFY(shape == dot({200.5, 200.5}));
}

void TestCanvas::nonFiniteCoordinatesDrawNothing()
{
    Field f;
    const QImage blank = f.field.image().copy();
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    f.field.line(nan, 0, 100, 100);
    f.field.line(0, 0, inf, -inf);
    f.field.circle(nan, 0, 50);
    f.field.circle(0, 0, inf);
    f.field.dot(0, nan);
    f.field.dot(1e300, -1e300);
    QVERIFY(f.field.image() == blank);
}

void TestCanvas::paintHandlerRunsOnFirstAppearanceOnly()
{
    Field f;
    f.field.setPenWidth(1);
    QObject::connect(&f.field, &DrawingField::paintRequested, [&f] { f.field.dot(0, 0); });
    QCOMPARE(f.paints, 0);
    f.field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.field));
    QCOMPARE(f.paints, 1);
    // What was drawn since survives hiding and showing: the picture is kept.
    f.field.line(-500, -500, 500, -500);
    const QImage before = f.field.image().copy();
    f.field.hide();
    f.field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.field));
    QCOMPARE(f.paints, 1);
    QVERIFY(f.field.image() == before);
    // A new image (the field grew) is painted afresh.
    f.field.resize(f.field.width() + 10, f.field.height() + 10);
    QCOMPARE(f.paints, 2);
}

void TestCanvas::mouseReportsSceneUnitsAndButtons()
{
    Field f;
    f.field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.field));
    QList<QList<double>> events;
    auto record = [&](int kind) {
        return [&events, kind](int b, double x, double y) { events.append({double(kind), double(b), x, y}); };
    };
    QObject::connect(&f.field, &DrawingField::mouseDown, record(0));
    QObject::connect(&f.field, &DrawingField::mouseUp, record(2));
    const int w = f.field.width(), h = f.field.height();
    QTest::mousePress(&f.field, Qt::LeftButton, {}, QPoint(w / 2, 0));
    QTest::mouseRelease(&f.field, Qt::LeftButton, {}, QPoint(w / 2, 0));
    QTest::mousePress(&f.field, Qt::RightButton, {}, QPoint(0, h - 1));
    QTest::mouseRelease(&f.field, Qt::RightButton, {}, QPoint(0, h - 1));
    QCOMPARE(events.size(), 4);
    // Top edge about -980, bottom edge about 980, left edge -1000.
    QCOMPARE(events[0][1], 1.0);
    QVERIFY(std::abs(events[0][3] + 980) < 6);
    QCOMPARE(events[2][1], 2.0);
    QVERIFY(std::abs(events[2][2] + 1000) < 6);
    QVERIFY(std::abs(events[2][3] - 980) < 6);
    // The middle row of pixels is the interface.
    const QPointF mid = f.field.toScene(QPointF(w / 2.0, h / 2.0));
    QVERIFY(std::abs(mid.y()) < 1e-9);
}

QTEST_MAIN(TestCanvas)
#include "test_canvas.moc"
