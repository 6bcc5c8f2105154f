// The physics: rays refracted and reflected at the interface y = 0, the ray
// that reaches the eye, and the image point the eye sees. Expected values
// come from the law of refraction worked out independently here.
#include <QtTest>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "optics/image_construction.h"
#include "optics/ray_geometry.h"

using namespace optics;

#define CHECK_NEAR(actual, expected, tol)                                                   \
    QVERIFY2(std::abs(double(actual) - double(expected)) <= (tol),                          \
             qPrintable(QStringLiteral("%1 = %2, expected %3").arg(QLatin1String(#actual))  \
                            .arg(double(actual), 0, 'f', 5).arg(double(expected), 0, 'f', 5)))

namespace {

constexpr double kDeg = 180.0 / std::numbers::pi;
struct Vec { double x, y; };
int sign(double v) { return (v > 0) - (v < 0); }
double eff(double py, double n) { return py >= 0 ? n : 1.0 / n; }
void columns(std::initializer_list<const char *> names) { for (const char *name : names) QTest::addColumn<double>(name); }
// Unit direction (y downward) of the ray from (xP, d) refracted at (x, 0)
// into the upper medium; none under total reflection.
std::optional<Vec> refracted(double xP, double d, double x, double n)
{
    const double s = n * std::abs(x - xP) / std::hypot(x - xP, d);
    return s < 1 ? std::optional(Vec{sign(x - xP) * s, -std::sqrt(1 - s * s)}) : std::nullopt;
}
// Positive while the line through (x, 0) along dir passes left of q.
double sideOf(Vec dir, double x, Vec q) { return dir.x * q.y - dir.y * (q.x - x); }

}  // namespace

class TestOptics : public QObject
{
    Q_OBJECT
private slots:
    // A fixed ray from P (px, py) through (hitX, 0): angle of incidence,
    // Snell's law or total reflection, reflection at the same angle, far ends
    // 2000 units away, in the right medium, onward in the ray's direction.
    void fixedRay_data()
    {
        columns({"px", "py", "n", "hitX"});
        QTest::newRow("water, right") << 0.0 << 500.0 << 1.33 << 300.0;
        QTest::newRow("water, left") << 0.0 << 500.0 << 1.33 << -300.0;
        QTest::newRow("water, just inside critical angle") << 0.0 << 500.0 << 1.33 << 569.0;
        QTest::newRow("water, just past critical angle") << 0.0 << 500.0 << 1.33 << 571.0;
        QTest::newRow("P above, into water") << 0.0 << -500.0 << 1.33 << 300.0;
        QTest::newRow("P above, n 0.75, 48.58 deg") << 100.0 << -500.0 << 0.75 << 100 - 500 * std::tan(48.58 / kDeg);
        QTest::newRow("P above, n 0.75, 48.60 deg") << 100.0 << -500.0 << 0.75 << 100 - 500 * std::tan(48.60 / kDeg);
        QTest::newRow("n 0.5, far right") << 0.0 << 500.0 << 0.5 << 1500.0;
        QTest::newRow("n 2, total") << 200.0 << 300.0 << 2.0 << -100.0;
        QTest::newRow("P above, n 0.6, total") << 0.0 << -400.0 << 0.6 << 900.0;
        QTest::newRow("normal from below") << 0.0 << 500.0 << 1.33 << 0.0;
        QTest::newRow("normal from above") << 40.0 << -500.0 << 1.33 << 40.0;
        const double tiny = std::numeric_limits<float>::denorm_min();  // P a hair off the interface
        QTest::newRow("denormal depth") << -128.0 << tiny << 1.33 << 0.0;
        QTest::newRow("denormal height") << 300.0 << -tiny << 1.33 << -40.0;
    }
    void fixedRay()
    {
        QFETCH(double, px); QFETCH(double, py); QFETCH(double, n); QFETCH(double, hitX);
        const Point p{float(px), float(py)};
        const auto inc = fixedIncidence(p, float(hitX));
        QVERIFY(inc);
        CHECK_NEAR(inc->hitX, hitX, 1e-3);
        if (hitX != px)
            CHECK_NEAR(inc->slope, -py / (hitX - px), 1e-4);
        const RayConstruction r = constructRay(p, *inc, eff(py, n), kFixedReflectedGrey);
        const double sinA = std::abs(hitX - px) / std::hypot(hitX - px, py), s = eff(py, n) * sinA;
        CHECK_NEAR(r.incidenceAngle * kDeg, std::asin(sinA) * kDeg, 0.02);
        QCOMPARE(r.refracted, s <= 1);
        QCOMPARE(int(r.reflectedGrey), s <= 1 ? 100 : 0);  // black under total reflection
        CHECK_NEAR(r.reflectionTurn * kDeg, py < 0 ? 180 : 0, 1e-4);
        // Reflected back into P's medium at the same angle, onward in the ray's direction.
        CHECK_NEAR(r.reflectedEnd.x - hitX, 2000 * sign(hitX - px) * sinA, 0.5);
        CHECK_NEAR(r.reflectedEnd.y, 2000 * sign(py) * std::sqrt(1 - sinA * sinA), 0.5);
        CHECK_NEAR(r.reflectedBackEnd.x + r.reflectedEnd.x, 2 * hitX, 0.5);
        CHECK_NEAR(r.reflectedBackEnd.y + r.reflectedEnd.y, 0, 0.5);
        if (s > 1)
            return;
        // Refracted into the other medium by sin b = s.
        const Vec v{2000 * sign(hitX - px) * s, -2000 * sign(py) * std::sqrt(1 - s * s)};
        CHECK_NEAR(r.refractedEnd.x - hitX, v.x, 0.5);
        CHECK_NEAR(r.refractedEnd.y, v.y, 0.5);
        CHECK_NEAR(r.refractedBackEnd.x + r.refractedEnd.x, 2 * hitX, 0.5);
        CHECK_NEAR(r.refractedBackEnd.y + r.refractedEnd.y, 0, 0.5);
        CHECK_NEAR(std::remainder(r.refractedAngle - std::atan2(-v.y, v.x), 2 * std::numbers::pi), 0, 3e-4);
    }

    // The live ray from P (0, py) through the aim point.
    void liveRay_data()
    {
        columns({"py", "ax", "ay", "hitX"});
        QTest::addColumn<int>("grey");  // -1: no ray
        QTest::newRow("horizontal: none") << 500.0 << 300.0 << 500.0 << 0.0 << -1;
        QTest::newRow("vertical: none") << 500.0 << 0.0 << 100.0 << 0.0 << -1;
        QTest::newRow("meets interface at 50000: none") << 500.0 << 1000.0 << 490.0 << 0.0 << -1;
        QTest::newRow("aim on interface") << 500.0 << 300.0 << 0.0 << 300.0 << 200;
        QTest::newRow("aim halfway") << 500.0 << 150.0 << 250.0 << 300.0 << 200;
        QTest::newRow("aim beyond interface") << 500.0 << 600.0 << -500.0 << 300.0 << 200;
        QTest::newRow("P above") << -500.0 << 150.0 << -250.0 << 300.0 << 200;
        QTest::newRow("total reflection") << 500.0 << 800.0 << 0.0 << 800.0 << 0;
        QTest::newRow("hit at 2000") << 500.0 << 2000.0 << 0.0 << 2000.0 << 0;
        QTest::newRow("hit at 2001: none") << 500.0 << 2001.0 << 0.0 << 0.0 << -1;
    }
    void liveRay()
    {
        QFETCH(double, py); QFETCH(double, ax); QFETCH(double, ay); QFETCH(double, hitX); QFETCH(int, grey);
        const auto inc = liveIncidence({0, float(py)}, {float(ax), float(ay)});
        QCOMPARE(inc.has_value(), grey >= 0);
        if (!inc)
            return;
        CHECK_NEAR(inc->hitX, hitX, 0.5);
        const RayConstruction r = constructRay({0, float(py)}, *inc, eff(py, 1.33), kLiveReflectedGrey);
        QCOMPARE(int(r.reflectedGrey), grey);
    }

    // The scan finds the last ray from P that still passes left of the eye,
    // within one step of its finest pass; P' is where that ray's backward
    // extension meets its neighbour's, d / 100 to its right.
    void imagePoint_data()
    {
        columns({"xP", "d", "ex", "ey", "n", "ix", "iy"});
        const double nan = qQNaN(), none = qInf();  // nan: the geometry alone decides; inf: no image
        QTest::newRow("water, eye right") << 0.0 << 500.0 << 300.0 << -500.0 << 1.33 << 6.6 << 347.3;
        QTest::newRow("eye above P: d / n") << 0.0 << 500.0 << 0.0 << -500.0 << 1.33 << 0.0 << 500 / 1.33;
        QTest::newRow("eye above P, n 2") << 100.0 << 600.0 << 100.0 << -300.0 << 2.0 << 100.0 << 300.0;
        QTest::newRow("eye above P, n 0.8") << -50.0 << 400.0 << -50.0 << -700.0 << 0.8 << -50.0 << 500.0;
        QTest::newRow("n 1: image is P") << 0.0 << 500.0 << 300.0 << -500.0 << 1.0 << 0.0 << 500.0;
        QTest::newRow("n 0.5: deeper") << 0.0 << 500.0 << 300.0 << -500.0 << 0.5 << nan << nan;
        QTest::newRow("eye left, n 2") << -300.0 << 50.0 << 500.0 << -800.0 << 2.0 << nan << nan;
        QTest::newRow("far left point") << -900.0 << 100.0 << 300.0 << -500.0 << 1.33 << nan << nan;
        // Just above n = 1 the first ray of the scan grazes the interface.
        for (double n : {1.01, 1.02, 1.03, 1.04})
            QTest::addRow("n %.2f", n) << 0.0 << 500.0 << 300.0 << -500.0 << n << nan << nan;
        QTest::newRow("no image: far left point, low eye") << -900.0 << 100.0 << 300.0 << -50.0 << 1.33 << none << none;
        QTest::newRow("no image: n 2, low eye far right") << 0.0 << 500.0 << 900.0 << -100.0 << 2.0 << none << none;
        QTest::newRow("no image: eye below interface") << 0.0 << 500.0 << 300.0 << 40.0 << 1.33 << none << none;
        QTest::newRow("no image: P on interface") << 0.0 << 0.0 << 300.0 << -500.0 << 1.33 << none << none;
        QTest::newRow("no image: P above interface") << 50.0 << -200.0 << 300.0 << -500.0 << 1.33 << none << none;
        QTest::newRow("no image: P depth NaN") << 0.0 << nan << 300.0 << -500.0 << 1.33 << none << none;
    }
    void imagePoint()
    {
        QFETCH(double, xP); QFETCH(double, d); QFETCH(double, ex); QFETCH(double, ey);
        QFETCH(double, n); QFETCH(double, ix); QFETCH(double, iy);
        const auto image = optics::imagePoint({float(xP), float(d)}, {float(ex), float(ey)}, float(n));
        QCOMPARE(image.has_value(), !std::isinf(ix));
        if (!image)
            return;
        const Vec eye{ex, ey};
        const float xs = findCentralRay(float(xP), float(d), {float(ex), float(ey)}, float(n));
        const double step = 2 * (n > 1 ? d / std::sqrt(n * n - 1) : 1000.0) / 10000;
        const auto ray = refracted(xP, d, xs, n), next = refracted(xP, d, xs + step + 1e-3, n);
        QVERIFY(ray);
        QVERIFY2(sideOf(*ray, xs, eye) > -1e-3 && (!next || sideOf(*next, xs + step + 1e-3, eye) <= 1e-3),
                 qPrintable(QString::number(xs)));
        const double xa = xs + d / 100;
        CHECK_NEAR(sideOf(*ray, xs, {image->x, image->y}), 0, 0.01);
        CHECK_NEAR(sideOf(*refracted(xP, d, xa, n), xa, {image->x, image->y}), 0, 0.01);
        QVERIFY(n > 1 ? image->y > 0 && image->y < d : n < 1 ? image->y > d : std::abs(image->y - d) < 0.1);
        if (!std::isnan(ix)) {
            CHECK_NEAR(image->x, ix, 0.1);
            CHECK_NEAR(image->y, iy, 0.1);
        }
    }

};

QTEST_APPLESS_MAIN(TestOptics)
#include "test_optics.moc"
