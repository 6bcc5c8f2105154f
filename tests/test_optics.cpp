// Rays at the interface y = 0, the ray to the eye and the image point it sees,
// against the law of refraction worked out independently here.
#include <QtTest>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

#include "optics/image_construction.h"
#include "optics/ray_geometry.h"

using namespace optics;

#define CHECK_NEAR(a, e, tol) \
    QVERIFY2(std::abs(double(a) - double(e)) <= (tol), \
             qPrintable(QStringLiteral(#a " = %1, expected %2").arg(double(a)).arg(double(e))))

namespace {

constexpr double kDeg = 180.0 / std::numbers::pi;
struct Vec { double x, y; };
int sign(double v) { return (v > 0) - (v < 0); }
template <size_t N> using Rows = std::initializer_list<std::array<double, N>>;
void columns(std::initializer_list<const char *> cs) {
    for (auto c : cs)
        QTest::addColumn<double>(c);
}
// Unit direction of the ray from (xP, d) refracted up at (x, 0); none if total.
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
    // A fixed ray from P (px, py) through (hitX, 0): Snell's law or total
    // reflection, far ends 2000 units away on both sides, in the right medium.
    void fixedRay_data() {
        columns({"px", "py", "n", "hitX"});
        const double tiny = std::numeric_limits<float>::denorm_min();
        const double t58 = 100 - 500 * std::tan(48.58 / kDeg);
        const double t60 = 100 - 500 * std::tan(48.60 / kDeg);
        for (auto [px, py, n, hitX] : Rows<4>{
                 {0, 500, 1.33, 300}, {0, -500, 1.33, 300},  // into water, from below and above
                 {100, -500, 0.75, t58}, {100, -500, 0.75, t60},  // thinner, about 48.59 degrees
                 {0, 500, 0.5, 1500}, {0, -400, 0.6, 900},  // far out, total
                 {40, -500, 1.33, 40},  // along the normal
                 {-128, tiny, 1.33, 0}, {300, -tiny, 1.33, -40}})  // P a hair off the interface
            QTest::addRow("P (%g, %g), n %g, x %g", px, py, n, hitX) << px << py << n << hitX;
    }
    void fixedRay() {
        QFETCH(double, px); QFETCH(double, py); QFETCH(double, n); QFETCH(double, hitX);
        const Point p{float(px), float(py)};
        const auto inc = fixedIncidence(p, float(hitX));
        QVERIFY(inc && std::abs(inc->hitX - hitX) < 1e-3);
        const auto r = constructRay(p, *inc, effectiveIndex(p.y, float(n)), kFixedReflectedGrey);
        const double sinA = std::abs(hitX - px) / std::hypot(hitX - px, py);
        const double s = (py >= 0 ? n : 1 / n) * sinA;
        CHECK_NEAR(r.incidenceAngle * kDeg, std::asin(sinA) * kDeg, 0.02);
        QCOMPARE(r.refracted, s <= 1);
        QCOMPARE(int(r.reflectedGrey), s <= 1 ? 100 : 0);  // black under total reflection
        const double u = 2000 * sign(hitX - px) * sinA;
        const double w = 2000 * sign(py) * std::sqrt(1 - sinA * sinA);
        CHECK_NEAR(std::hypot(r.reflectedEnd.x - hitX - u, r.reflectedEnd.y - w), 0, 0.7);
        if (s > 1)
            return;
        const Vec v{2000 * sign(hitX - px) * s, -2000 * sign(py) * std::sqrt(1 - s * s)};
        const Point e = r.refractedEnd, back = r.refractedBackEnd;
        CHECK_NEAR(std::hypot(e.x - hitX - v.x, e.y - v.y), 0, 0.7);
        CHECK_NEAR(std::hypot(back.x + e.x - 2 * hitX, back.y + e.y), 0, 0.7);  // extension
    }

    // The live ray from P (0, py) through the aim point (none: level, upright or
    // beyond 2000); the reflected ray light grey, black under total reflection.
    void liveRay_data() {
        columns({"py", "ax", "ay", "hitX", "grey"});
        for (auto [py, ax, ay, hitX, grey] : Rows<5>{
                 {500, 300, 500, 0, -1}, {500, 0, 100, 0, -1}, {500, 2001, 0, 0, -1},
                 {500, 150, 250, 300, 200}, {-500, 150, -250, 300, 200},
                 {500, 800, 0, 800, 0}, {500, 2000, 0, 2000, 0}})
            QTest::addRow("P y %g, aim (%g, %g)", py, ax, ay) << py << ax << ay << hitX << grey;
    }
    void liveRay() {
        QFETCH(double, py); QFETCH(double, ax); QFETCH(double, ay);
        QFETCH(double, hitX); QFETCH(double, grey);
        const Point p{0, float(py)};
        const auto inc = liveIncidence(p, {float(ax), float(ay)});
        QCOMPARE(inc.has_value(), grey >= 0);
        if (!inc)
            return;
        CHECK_NEAR(inc->hitX, hitX, 0.5);
        const auto r = constructRay(p, *inc, effectiveIndex(p.y, 1.33f), kLiveReflectedGrey);
        QCOMPARE(double(r.reflectedGrey), grey);
    }

    // The last scanned ray from P passing left of the eye; P' where it meets its
    // neighbour d / 100 on. ix = NaN: no reference point; ix = inf: no image.
    void imagePoint_data() {
        columns({"xP", "d", "ex", "ey", "n", "ix", "iy"});
        const double nan = qQNaN(), none = qInf();
        for (auto [xP, d, ex, ey, n, ix, iy] : Rows<7>{
                 {0, 500, 300, -500, 1.33, 6.6, 347.3}, {0, 500, 0, -500, 1.33, 0, 500 / 1.33},
                 {100, 600, 100, -300, 2, 100, 300}, {-50, 400, -50, -700, 0.8, -50, 500},
                 {0, 500, 300, -500, 1, 0, 500}, {0, 500, 300, -500, 0.5, nan, nan},
                 // just above n = 1 the first ray of the scan grazes the interface
                 {0, 500, 300, -500, 1.01, nan, nan}, {0, 500, 300, -500, 1.02, nan, nan},
                 {0, 500, 300, -500, 1.03, nan, nan}, {0, 500, 300, -500, 1.04, nan, nan},
                 // no ray reaches the eye; the eye below or P on or above the interface
                 {-900, 100, 300, -50, 1.33, none, none}, {0, 500, 900, -100, 2, none, none},
                 {0, 500, 300, 40, 1.33, none, none}, {0, 0, 300, -500, 1.33, none, none},
                 {50, -200, 300, -500, 1.33, none, none}, {0, nan, 300, -500, 1.33, none, none}})
            QTest::addRow("P (%g, %g), eye (%g, %g), n %g", xP, d, ex, ey, n)
                << xP << d << ex << ey << n << ix << iy;
    }
    void imagePoint() {
        QFETCH(double, xP); QFETCH(double, d); QFETCH(double, ex); QFETCH(double, ey);
        QFETCH(double, n); QFETCH(double, ix); QFETCH(double, iy);
        const Point eye{float(ex), float(ey)};
        const auto image = optics::imagePoint({float(xP), float(d)}, eye, float(n));
        QCOMPARE(image.has_value(), !std::isinf(ix));
        if (!image)
            return;
        const float xs = findCentralRay(float(xP), float(d), eye, float(n));
        const double step = 2 * (n > 1 ? d / std::sqrt(n * n - 1) : 1000.0) / 10000 + 1e-3;
        const auto ray = refracted(xP, d, xs, n), next = refracted(xP, d, xs + step, n);
        QVERIFY(ray && sideOf(*ray, xs, {ex, ey}) > -1e-3);
        QVERIFY(!next || sideOf(*next, xs + step, {ex, ey}) <= 1e-3);
        const Vec at{image->x, image->y};
        CHECK_NEAR(sideOf(*ray, xs, at), 0, 0.01);
        CHECK_NEAR(sideOf(*refracted(xP, d, xs + d / 100, n), xs + d / 100, at), 0, 0.01);
        QVERIFY(n > 1 ? at.y > 0 && at.y < d : n < 1 ? at.y > d : std::abs(at.y - d) < 0.1);
        if (!std::isnan(ix)) {
            CHECK_NEAR(at.x, ix, 0.1);
            CHECK_NEAR(at.y, iy, 0.1);
        }
    }
};

QTEST_APPLESS_MAIN(TestOptics)
#include "test_optics.moc"
