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
    // A ray from P (px, py): fixed through (ax, 0) (kind 0), or live through the aim point
    // (ax, ay) (kind 1; upright, along the normal), or none (kind 2: live and level with P,
    // upright from P on the interface, or meeting y = 0 beyond 2000). Snell's law or total reflection, far ends 2000 units away on both sides,
    // in the right medium; the reflected ray grey, fixed 100 and live 200, black when total.
    void ray_data() {
        for (const char *column : {"px", "py", "n", "ax", "ay", "kind"})
            QTest::addColumn<double>(column);
        const double tiny = std::numeric_limits<float>::denorm_min();
        const double t58 = 100 - 500 * std::tan(48.58 / kDeg);
        const double t60 = 100 - 500 * std::tan(48.60 / kDeg);
        for (auto [px, py, n, ax, ay, kind] : Rows<6>{
                 // into water from below and above; thinner, about 48.59 degrees
                 {0, 500, 1.33, 300, 0, 0}, {0, -500, 1.33, 300, 0, 0},
                 {100, -500, 0.75, t58, 0, 0}, {100, -500, 0.75, t60, 0, 0},
                 // far out, total; along the normal; P a hair off the interface
                 {0, 500, 0.5, 1500, 0, 0}, {0, -400, 0.6, 900, 0, 0}, {40, -500, 1.33, 40, 0, 0},
                 {-128, tiny, 1.33, 0, 0, 0}, {300, -tiny, 1.33, -40, 0, 0},
                 // live from below and above, total; at 2000 and just beyond; level; upright
                 // from below, from above (aimed away) and from the interface
                 {0, 500, 1.33, 150, 250, 1}, {0, -500, 1.33, 150, -250, 1},
                 {0, 500, 1.33, 800, 0, 1}, {0, 500, 1.33, 2000, 0, 1}, {0, 500, 1.33, 2001, 0, 2},
                 {0, 500, 1.33, 300, 500, 2}, {40, 500, 1.33, 40, 100, 1},
                 {-70, -500, 0.8, -70, -900, 1}, {40, 0, 1.33, 40, 100, 2}})
            QTest::addRow("kind %g, P (%g, %g), n %g, aim (%g, %g)", kind, px, py, n, ax, ay)
                << px << py << n << ax << ay << kind;
    }
    void ray() {
        QFETCH(double, px); QFETCH(double, py); QFETCH(double, n);
        QFETCH(double, ax); QFETCH(double, ay); QFETCH(double, kind);
        const Point p{float(px), float(py)};
        const auto inc = kind ? liveIncidence(p, {float(ax), float(ay)})
                              : fixedIncidence(p, float(ax));
        QCOMPARE(inc.has_value(), kind < 2);
        if (!inc)
            return;
        const double hitX = px + (ax - px) * py / (py - ay);  // on the line from P through the aim
        QVERIFY(std::abs(inc->hitX - hitX) < 1e-3);
        const auto grey = kind ? kLiveReflectedGrey : kFixedReflectedGrey;
        const auto r = constructRay(p, *inc, effectiveIndex(p.y, float(n)), grey);
        const double sinA = std::abs(hitX - px) / std::hypot(hitX - px, py);
        const double s = (py >= 0 ? n : 1 / n) * sinA;
        CHECK_NEAR(r.incidenceAngle * kDeg, std::asin(sinA) * kDeg, 0.02);
        QCOMPARE(r.refracted, s <= 1);
        QCOMPARE(int(r.reflectedGrey), s > 1 ? 0 : kind ? 200 : 100);
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

    // The last scanned ray from P passing left of the eye; P' where it meets its
    // neighbour d / 100 on. ix = NaN: no reference point; ix = inf: no image.
    void imagePoint_data() {
        for (const char *column : {"xP", "d", "ex", "ey", "n", "ix", "iy"})
            QTest::addColumn<double>(column);
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
        // the central ray passes through the eye, to within the scan's last step
        const float xs = findCentralRay(float(xP), float(d), eye, float(n));
        const auto ray = refracted(xP, d, xs, n);
        QVERIFY(ray);
        CHECK_NEAR(sideOf(*ray, xs, {ex, ey}) / std::hypot(ex - xs, ey), 0, 0.01);
        const Vec at{image->x, image->y};
        CHECK_NEAR(sideOf(*ray, xs, at), 0, 0.01);
        CHECK_NEAR(sideOf(*refracted(xP, d, xs + d / 100, n), xs + d / 100, at), 0, 0.01);
        const QByteArray depth = QByteArray::number(at.y);
        if (n > 1) {  // raised towards the interface from the denser medium
            QVERIFY2(at.y > 0, depth);
            QVERIFY2(at.y < d, depth);
        } else if (n < 1) {  // lowered from the thinner one
            QVERIFY2(at.y > d, depth);
        } else {
            CHECK_NEAR(at.y, d, 0.1);
        }
        if (!std::isnan(ix)) {
            CHECK_NEAR(at.x, ix, 0.1);
            CHECK_NEAR(at.y, iy, 0.1);
        }
    }
};

QTEST_APPLESS_MAIN(TestOptics)
#include "test_optics.moc"
