// The physics: rays refracted and reflected at the interface y = 0, the ray
// that reaches the eye, and the image point the eye sees. Expected values
// come from the law of refraction worked out independently here.
#include <QtTest>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

#include "optics/image_construction.h"
#include "optics/ray_geometry.h"

using namespace optics;

#define CHECK_NEAR(a, e, tol) \
    QVERIFY2(std::abs(double(a) - double(e)) <= (tol), qPrintable(QStringLiteral(#a " = %1, expected %2").arg(double(a)).arg(double(e))))

namespace {

constexpr double kDeg = 180.0 / std::numbers::pi;
struct Vec { double x, y; };
int sign(double v) { return (v > 0) - (v < 0); }
double eff(double py, double n) { return py >= 0 ? n : 1.0 / n; }
template <size_t N> using Rows = std::initializer_list<std::array<double, N>>;
void columns(std::initializer_list<const char *> names) { for (const char *name : names) QTest::addColumn<double>(name); }
// Unit direction (y downward) of the ray from (xP, d) refracted at (x, 0)
// into the upper medium; none under total reflection.
std::optional<Vec> refracted(double xP, double d, double x, double n) {
    const double s = n * std::abs(x - xP) / std::hypot(x - xP, d);
    return s < 1 ? std::optional(Vec{sign(x - xP) * s, -std::sqrt(1 - s * s)}) : std::nullopt;
}
// Positive while the line through (x, 0) along dir passes left of q.
double sideOf(Vec dir, double x, Vec q) { return dir.x * q.y - dir.y * (q.x - x); }

}  // namespace

class TestOptics : public QObject {
    Q_OBJECT
private slots:
    // A fixed ray from P (px, py) through (hitX, 0): angle of incidence,
    // Snell's law or total reflection, reflection at the same angle, far ends
    // 2000 units away, in the right medium, onward in the ray's direction.
    void fixedRay_data() {
        columns({"px", "py", "n", "hitX"});
        const double tiny = std::numeric_limits<float>::denorm_min(), t58 = 500 * std::tan(48.58 / kDeg), t60 = 500 * std::tan(48.60 / kDeg);
        for (auto [px, py, n, hitX] : Rows<4>{
                 // water from below: both sides, just inside and past the critical angle (x = 570.2)
                 {0, 500, 1.33, 300}, {0, 500, 1.33, -300}, {0, 500, 1.33, 569}, {0, 500, 1.33, 571},
                 // from above: into water, and into a thinner medium around 48.59 degrees
                 {0, -500, 1.33, 300}, {100, -500, 0.75, 100 - t58}, {100, -500, 0.75, 100 - t60},
                 {0, 500, 0.5, 1500}, {200, 300, 2, -100}, {0, -400, 0.6, 900},  // far out, total
                 {0, 500, 1.33, 0}, {40, -500, 1.33, 40},  // along the normal
                 {-128, tiny, 1.33, 0}, {300, -tiny, 1.33, -40}})  // P a hair off the interface
            QTest::addRow("P (%g, %g), n %g, x %g", px, py, n, hitX) << px << py << n << hitX;
    }
    void fixedRay() {
        QFETCH(double, px); QFETCH(double, py); QFETCH(double, n); QFETCH(double, hitX);
        const Point p{float(px), float(py)};
        const auto inc = fixedIncidence(p, float(hitX));
        QVERIFY(inc);
        CHECK_NEAR(inc->hitX, hitX, 1e-3);
        if (hitX != px)
            CHECK_NEAR(inc->slope, -py / (hitX - px), 1e-4);
        const RayConstruction r = constructRay(p, *inc, effectiveIndex(p.y, float(n)), kFixedReflectedGrey);
        const double sinA = std::abs(hitX - px) / std::hypot(hitX - px, py), s = eff(py, n) * sinA;
        CHECK_NEAR(r.incidenceAngle * kDeg, std::asin(sinA) * kDeg, 0.02);
        QCOMPARE(r.refracted, s <= 1);
        QCOMPARE(int(r.reflectedGrey), s <= 1 ? 100 : 0);  // black under total reflection
        CHECK_NEAR(r.reflectionTurn * kDeg, py < 0 ? 180 : 0, 1e-4);
        CHECK_NEAR(r.reflectedEnd.x - hitX, 2000 * sign(hitX - px) * sinA, 0.5);
        CHECK_NEAR(r.reflectedEnd.y, 2000 * sign(py) * std::sqrt(1 - sinA * sinA), 0.5);
        CHECK_NEAR(r.reflectedBackEnd.x + r.reflectedEnd.x, 2 * hitX, 0.5);
        CHECK_NEAR(r.reflectedBackEnd.y + r.reflectedEnd.y, 0, 0.5);
        if (s > 1)
            return;
        const Vec v{2000 * sign(hitX - px) * s, -2000 * sign(py) * std::sqrt(1 - s * s)};
        CHECK_NEAR(r.refractedEnd.x - hitX, v.x, 0.5);
        CHECK_NEAR(r.refractedEnd.y, v.y, 0.5);
        CHECK_NEAR(r.refractedBackEnd.x + r.refractedEnd.x, 2 * hitX, 0.5);
        CHECK_NEAR(r.refractedBackEnd.y + r.refractedEnd.y, 0, 0.5);
        CHECK_NEAR(std::remainder(r.refractedAngle - std::atan2(-v.y, v.x), 2 * std::numbers::pi), 0, 3e-4);
    }

    // The live ray from P (0, py) through the aim point: none when that line
    // is level, upright, or meets the interface beyond 2000; the reflected
    // ray light grey (200), black under total reflection.
    void liveRay_data() {
        columns({"py", "ax", "ay", "hitX", "grey"});
        for (auto [py, ax, ay, hitX, grey] : Rows<5>{
                 {500, 300, 500, 0, -1}, {500, 0, 100, 0, -1}, {500, 1000, 490, 0, -1}, {500, 2001, 0, 0, -1},
                 {500, 300, 0, 300, 200}, {500, 150, 250, 300, 200}, {500, 600, -500, 300, 200}, {-500, 150, -250, 300, 200},
                 {500, 800, 0, 800, 0}, {500, 2000, 0, 2000, 0}})
            QTest::addRow("P y %g, aim (%g, %g)", py, ax, ay) << py << ax << ay << hitX << grey;
    }
    void liveRay() {
        QFETCH(double, py); QFETCH(double, ax); QFETCH(double, ay); QFETCH(double, hitX); QFETCH(double, grey);
        const auto inc = liveIncidence({0, float(py)}, {float(ax), float(ay)});
        QCOMPARE(inc.has_value(), grey >= 0);
        if (!inc)
            return;
        CHECK_NEAR(inc->hitX, hitX, 0.5);
        QCOMPARE(double(constructRay({0, float(py)}, *inc, effectiveIndex(float(py), 1.33f), kLiveReflectedGrey).reflectedGrey), grey);
    }

    // The scan finds the last ray from P (xP, d) that still passes left of
    // the eye, within one step of its finest pass; P' is where that ray's
    // backward extension meets its neighbour's, d / 100 to its right:
    // shallower than P when the lower medium is denser, deeper when thinner.
    // ix = NaN: no reference point; ix = inf: no image at all.
    void imagePoint_data() {
        columns({"xP", "d", "ex", "ey", "n", "ix", "iy"});
        const double nan = qQNaN(), none = qInf();
        for (auto [xP, d, ex, ey, n, ix, iy] : Rows<7>{
                 {0, 500, 300, -500, 1.33, 6.6, 347.3}, {0, 500, 0, -500, 1.33, 0, 500 / 1.33},
                 {100, 600, 100, -300, 2, 100, 300}, {-50, 400, -50, -700, 0.8, -50, 500}, {0, 500, 300, -500, 1, 0, 500},
                 {0, 500, 300, -500, 0.5, nan, nan}, {-300, 50, 500, -800, 2, nan, nan}, {-900, 100, 300, -500, 1.33, nan, nan},
                 // just above n = 1 the first ray of the scan grazes the interface
                 {0, 500, 300, -500, 1.01, nan, nan}, {0, 500, 300, -500, 1.02, nan, nan},
                 {0, 500, 300, -500, 1.03, nan, nan}, {0, 500, 300, -500, 1.04, nan, nan},
                 // no ray reaches the eye; the eye below or P on or above the interface
                 {-900, 100, 300, -50, 1.33, none, none}, {0, 500, 900, -100, 2, none, none},
                 {0, 500, 300, 40, 1.33, none, none}, {0, 0, 300, -500, 1.33, none, none},
                 {50, -200, 300, -500, 1.33, none, none}, {0, nan, 300, -500, 1.33, none, none}})
            QTest::addRow("P (%g, %g), eye (%g, %g), n %g", xP, d, ex, ey, n) << xP << d << ex << ey << n << ix << iy;
    }
    void imagePoint() {
        QFETCH(double, xP); QFETCH(double, d); QFETCH(double, ex); QFETCH(double, ey);
        QFETCH(double, n); QFETCH(double, ix); QFETCH(double, iy);
        const auto image = optics::imagePoint({float(xP), float(d)}, {float(ex), float(ey)}, float(n));
        QCOMPARE(image.has_value(), !std::isinf(ix));
        if (!image)
            return;
        const float xs = findCentralRay(float(xP), float(d), {float(ex), float(ey)}, float(n));
        const double step = 2 * (n > 1 ? d / std::sqrt(n * n - 1) : 1000.0) / 10000 + 1e-3;
        const auto ray = refracted(xP, d, xs, n), next = refracted(xP, d, xs + step, n);
        QVERIFY(ray);
        QVERIFY2(sideOf(*ray, xs, {ex, ey}) > -1e-3 && (!next || sideOf(*next, xs + step, {ex, ey}) <= 1e-3), qPrintable(QString::number(xs)));
        CHECK_NEAR(sideOf(*ray, xs, {image->x, image->y}), 0, 0.01);
        CHECK_NEAR(sideOf(*refracted(xP, d, xs + d / 100, n), xs + d / 100, {image->x, image->y}), 0, 0.01);
        QVERIFY(n > 1 ? image->y > 0 && image->y < d : n < 1 ? image->y > d : std::abs(image->y - d) < 0.1);
        if (!std::isnan(ix)) {
            CHECK_NEAR(image->x, ix, 0.1);
            CHECK_NEAR(image->y, iy, 0.1);
        }
    }
};

QTEST_APPLESS_MAIN(TestOptics)
#include "test_optics.moc"
