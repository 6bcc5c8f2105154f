// Ray geometry at the interface y = 0: where rays meet it, how they refract
// and reflect, and that every far end stays finite.
#include "check_near.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "optics/ray_geometry.h"

using namespace optics;

namespace {

constexpr double kDeg = 180.0 / std::numbers::pi;
constexpr double kPosTol = 0.5;   // scene units
constexpr double kAngTol = 0.02;  // degrees

struct Vec { double x; double y; };
Vec FromHit(Point end, double hitX) { return {end.x - hitX, double(end.y)}; }
double Length(Vec v) { return std::hypot(v.x, v.y); }
// Angle between a direction and the normal, in degrees.
double ToNormalDeg(Vec v) { return std::atan2(std::abs(v.x), std::abs(v.y)) * kDeg; }
int Sign(double v) { return (v > 0) - (v < 0); }
// Index ratio for light leaving a point at height y.
double Eff(double y, double n) { return y >= 0 ? n : 1.0 / n; }

bool Finite(Point q) { return std::isfinite(q.x) && std::isfinite(q.y); }
bool AllFinite(const RayConstruction& r)
{
    return std::isfinite(r.hitX) && std::isfinite(r.incidenceAngle) && std::isfinite(r.refractionSine)
        && std::isfinite(r.reflectionTurn) && Finite(r.reflectedEnd) && Finite(r.reflectedBackEnd)
        && (!r.refracted || (std::isfinite(r.refractedAngle) && Finite(r.refractedEnd)
                             && Finite(r.refractedBackEnd)));
}

std::optional<RayConstruction> Fixed(Point p, double hitX, double effIndex)
{
    const auto inc = fixedIncidence(p, float(hitX));
    if (!inc)
        return std::nullopt;
    return constructRay(p, *inc, effIndex, kFixedReflectedGrey);
}

}  // namespace

class TestRayGeometry : public QObject {
    Q_OBJECT
private slots:
    void referenceRays_data() {
        doubleColumns({"py", "hitX", "alpha", "s", "beta", "gamma", "rx", "ry", "lx", "ly", "turn"});
        QTest::addColumn<bool>("refracted");
        QTest::addColumn<int>("grey");
        QTest::newRow("below, hit 300") << 500.0 << 300.0 << 30.96 << 0.6843 << 43.18 << 46.82
            << 1668.6 << -1458.4 << 1329.0 << 1715.0 << 0.0 << true << 100;
        QTest::newRow("below, hit -300") << 500.0 << -300.0 << 30.96 << 0.6843 << 43.18 << 133.18
            << -1668.6 << -1458.4 << -1329.0 << 1715.0 << 0.0 << true << 100;
        QTest::newRow("below, hit 800, total") << 500.0 << 800.0 << 57.99 << 1.128 << 0.0 << 0.0
            << 0.0 << 0.0 << 2496.0 << 1060.0 << 0.0 << false << 0;
        QTest::newRow("above, hit 300") << -500.0 << 300.0 << 30.96 << 0.3868 << 22.76 << 292.76
            << 1073.7 << 1844.3 << 1329.0 << -1715.0 << 180.0 << true << 100;
    }
    void referenceRays() {
        QFETCH(double, py); QFETCH(double, hitX); QFETCH(double, alpha); QFETCH(double, s);
        QFETCH(double, beta); QFETCH(double, gamma); QFETCH(double, rx); QFETCH(double, ry);
        QFETCH(double, lx); QFETCH(double, ly); QFETCH(double, turn); QFETCH(bool, refracted); QFETCH(int, grey);
        const Point p{0.0f, float(py)};
        const auto inc = fixedIncidence(p, float(hitX));
        QVERIFY(inc);
        CHECK_NEAR(inc->hitX, hitX, kPosTol);
        CHECK_NEAR(inc->slope, -py / hitX, 1e-4);
        const RayConstruction r = constructRay(p, *inc, effectiveIndex(p.y, 1.33f), kFixedReflectedGrey);
        QVERIFY(AllFinite(r));
        CHECK_NEAR(r.incidenceAngle * kDeg, alpha, kAngTol);
        CHECK_NEAR(r.refractionSine, s, 1e-3);
        QCOMPARE(r.refracted, refracted);
        QCOMPARE(int(r.reflectedGrey), grey);
        CHECK_NEAR(r.reflectionTurn * kDeg, turn, 1e-4);
        CHECK_NEAR(r.reflectedEnd.x, lx, kPosTol);
        CHECK_NEAR(r.reflectedEnd.y, ly, kPosTol);
        CHECK_NEAR(r.reflectedBackEnd.x, 2 * hitX - lx, kPosTol);
        CHECK_NEAR(r.reflectedBackEnd.y, -ly, kPosTol);
        if (!refracted)
            return;
        CHECK_NEAR(r.refractedAngle * kDeg, gamma, kAngTol);
        CHECK_NEAR(ToNormalDeg(FromHit(r.refractedEnd, hitX)), beta, kAngTol);
        CHECK_NEAR(r.refractedEnd.x, rx, kPosTol);
        CHECK_NEAR(r.refractedEnd.y, ry, kPosTol);
    }

    void totalReflectionBoundary_data() {
        doubleColumns({"px", "py", "n", "hitX"});
        QTest::addColumn<bool>("refracts");
        const auto atDeg = [](double deg) { return 500.0 * std::tan(deg / kDeg); };
        // Critical angle for n = 1.33 is 48.75 deg, reached at |x| = 570.2.
        QTest::newRow("x 569 refracts") << 0.0 << 500.0 << 1.33 << 569.0 << true;
        QTest::newRow("x 571 total") << 0.0 << 500.0 << 1.33 << 571.0 << false;
        // From above into a thinner medium: critical angle asin(0.75) = 48.59 deg.
        QTest::newRow("above, 48.58 deg refracts") << 100.0 << -500.0 << 0.75 << 100.0 - atDeg(48.58) << true;
        QTest::newRow("above, 48.60 deg total") << 100.0 << -500.0 << 0.75 << 100.0 - atDeg(48.60) << false;
    }
    void totalReflectionBoundary() {
        QFETCH(double, px); QFETCH(double, py); QFETCH(double, n); QFETCH(double, hitX);
        QFETCH(bool, refracts);
        const auto r = Fixed({float(px), float(py)}, hitX, Eff(py, n));
        QVERIFY(r);
        QVERIFY(AllFinite(*r));
        CHECK_NEAR(r->incidenceAngle * kDeg, std::atan(std::abs(hitX - px) / std::abs(py)) * kDeg, kAngTol);
        QCOMPARE(r->refracted, refracts);
        QCOMPARE(r->refractionSine > 1.0f, !refracts);
        QCOMPARE(int(r->reflectedGrey), refracts ? int(kFixedReflectedGrey) : 0);
    }

    void grazingRefraction_data() {
        doubleColumns({"px", "py", "hitX"});
        QTest::newRow("below, to the right") << 0.0 << 500.0 << 600.0;
        QTest::newRow("above, off-centre, to the left") << 200.0 << -300.0 << -700.0;
    }
    void grazingRefraction() {
        QFETCH(double, px); QFETCH(double, py); QFETCH(double, hitX);
        const Point p{float(px), float(py)};
        const auto inc = fixedIncidence(p, float(hitX));
        QVERIFY(inc);
        // The index ratio that makes effIndex * sin(a) exactly 1 for the stored angle.
        const double eff = 1.0 / std::sin(double(constructRay(p, *inc, 1.0, 0).incidenceAngle));
        const RayConstruction r = constructRay(p, *inc, eff, kFixedReflectedGrey);
        QCOMPARE(r.refractionSine, 1.0f);
        QVERIFY(r.refracted);
        QVERIFY(AllFinite(r));
        // Refracted along the interface, onward in the ray's horizontal direction.
        CHECK_NEAR(r.refractedEnd.y, 0.0, kPosTol);
        CHECK_NEAR(r.refractedEnd.x, hitX + Sign(hitX - px) * kFarLength, kPosTol);
        QVERIFY(!constructRay(p, *inc, eff * (1.0 + 1e-5), kFixedReflectedGrey).refracted);
    }

    void normalRay_data() {
        doubleColumns({"px", "py"});
        QTest::newRow("below") << 0.0 << 500.0;
        QTest::newRow("above") << 0.0 << -500.0;
    }
    void normalRay() {
        QFETCH(double, px); QFETCH(double, py);
        const Point p{float(px), float(py)};
        const auto inc = fixedIncidence(p, p.x);
        QVERIFY(inc);
        QCOMPARE(inc->hitX, p.x);
        const RayConstruction r = constructRay(p, *inc, Eff(py, 1.33), kFixedReflectedGrey);
        QVERIFY(AllFinite(r));
        CHECK_NEAR(r.incidenceAngle, 0.0, 1e-6);
        QVERIFY(r.refracted);
        const double down = Sign(py);  // +1 below the interface, -1 above
        CHECK_NEAR(r.refractedEnd.x, px, kPosTol);
        CHECK_NEAR(r.refractedEnd.y, -down * kFarLength, kPosTol);
        CHECK_NEAR(r.reflectedEnd.x, px, kPosTol);
        CHECK_NEAR(r.reflectedEnd.y, down * kFarLength, kPosTol);
    }

    // Inputs the fuzzer found: P a denormal above the interface once sent the
    // point of incidence to infinity.
    void barelyOffTheInterface_data() {
        doubleColumns({"px", "py", "hitX"});
        QTest::newRow("denormal depth") << -128.0 << double(std::numeric_limits<float>::denorm_min()) << 0.0;
        QTest::newRow("denormal height") << 300.0 << -double(std::numeric_limits<float>::denorm_min()) << -40.0;
        QTest::newRow("smallest normal") << 0.0 << double(std::numeric_limits<float>::min()) << 1500.0;
    }
    void barelyOffTheInterface() {
        QFETCH(double, px); QFETCH(double, py); QFETCH(double, hitX);
        const auto r = Fixed({float(px), float(py)}, hitX, Eff(py, 1.33));
        QVERIFY(r);
        QVERIFY(AllFinite(*r));
        CHECK_NEAR(r->hitX, hitX, 1e-3);
    }

    void liveIncidence_data() {
        doubleColumns({"py", "ax", "ay", "hitX"});
        QTest::addColumn<bool>("hasRay");
        QTest::addColumn<int>("grey");
        QTest::newRow("horizontal") << 500.0 << 300.0 << 500.0 << 0.0 << false << 0;
        QTest::newRow("vertical") << 500.0 << 0.0 << 100.0 << 0.0 << false << 0;
        QTest::newRow("meets interface at 50000") << 500.0 << 1000.0 << 490.0 << 0.0 << false << 0;
        QTest::newRow("press on interface") << 500.0 << 300.0 << 0.0 << 300.0 << true << 200;
        QTest::newRow("aim between P and interface") << 500.0 << 150.0 << 250.0 << 300.0 << true << 200;
        QTest::newRow("aim beyond interface") << 500.0 << 600.0 << -500.0 << 300.0 << true << 200;
        QTest::newRow("from above") << -500.0 << 150.0 << -250.0 << 300.0 << true << 200;
        QTest::newRow("total reflection") << 500.0 << 800.0 << 0.0 << 800.0 << true << 0;
        QTest::newRow("edge at 2000") << 500.0 << 2000.0 << 0.0 << 2000.0 << true << 0;
        QTest::newRow("past 2000") << 500.0 << 2001.0 << 0.0 << 0.0 << false << 0;
    }
    void liveIncidence() {
        QFETCH(double, py); QFETCH(double, ax); QFETCH(double, ay); QFETCH(double, hitX);
        QFETCH(bool, hasRay); QFETCH(int, grey);
        const Point p{0.0f, float(py)};
        const auto inc = optics::liveIncidence(p, {float(ax), float(ay)});
        QCOMPARE(inc.has_value(), hasRay);
        if (!hasRay)
            return;
        CHECK_NEAR(inc->hitX, hitX, kPosTol);
        CHECK_NEAR(py + inc->slope * ax, ay, 0.01);  // the line runs through the aim point
        const RayConstruction r = constructRay(p, *inc, Eff(py, 1.33), kLiveReflectedGrey);
        QVERIFY(AllFinite(r));
        QCOMPARE(int(r.reflectedGrey), grey);
    }

    // Rows away from the critical angle; whether a refracted ray must exist is
    // decided from the geometry alone.
    void physics_data() {
        doubleColumns({"px", "py", "n", "hitX"});
        QTest::newRow("below, n 1.33, x -450") << 0.0 << 500.0 << 1.33 << -450.0;
        QTest::newRow("below, n 0.5, x 1500") << 0.0 << 500.0 << 0.5 << 1500.0;
        QTest::newRow("below, n 2, x 100") << 200.0 << 300.0 << 2.0 << 100.0;
        QTest::newRow("below, total, n 2, x -100") << 200.0 << 300.0 << 2.0 << -100.0;
        QTest::newRow("above, n 0.8, x -200") << 50.0 << -400.0 << 0.8 << -200.0;
        QTest::newRow("above, total, n 0.6, x 900") << 0.0 << -400.0 << 0.6 << 900.0;
    }
    void physics() {
        QFETCH(double, px); QFETCH(double, py); QFETCH(double, n); QFETCH(double, hitX);
        const double eff = Eff(py, n);
        const auto r = Fixed({float(px), float(py)}, hitX, eff);
        // The same ray mirrored about the vertical through P.
        const auto m = Fixed({float(px), float(py)}, 2 * px - hitX, eff);
        QVERIFY(r && m);
        QVERIFY(AllFinite(*r));
        const double sinA = std::abs(hitX - px) / std::hypot(hitX - px, py);
        const double alphaDeg = std::asin(sinA) * kDeg;
        CHECK_NEAR(r->incidenceAngle * kDeg, alphaDeg, kAngTol);
        QCOMPARE(r->refracted, eff * sinA <= 1.0);
        QCOMPARE(m->refracted, r->refracted);
        // Reflection: same angle to the normal, back into P's medium, onward horizontally.
        const Vec w = FromHit(r->reflectedEnd, hitX);
        CHECK_NEAR(ToNormalDeg(w), alphaDeg, kAngTol);
        QCOMPARE(Sign(w.y), Sign(py));
        QCOMPARE(Sign(w.x), Sign(hitX - px));
        CHECK_NEAR(Length(w), kFarLength, kPosTol);
        CHECK_NEAR(m->reflectedEnd.x, 2 * px - r->reflectedEnd.x, kPosTol);
        CHECK_NEAR(m->reflectedEnd.y, r->reflectedEnd.y, kPosTol);
        if (!r->refracted)
            return;
        // Refraction: Snell's law, into the other medium, onward horizontally.
        const Vec v = FromHit(r->refractedEnd, hitX);
        CHECK_NEAR(std::abs(v.x) / Length(v), eff * sinA, 3e-4);
        QCOMPARE(Sign(v.y), -Sign(py));
        QCOMPARE(Sign(v.x), Sign(hitX - px));
        CHECK_NEAR(Length(v), kFarLength, kPosTol);
        CHECK_NEAR(r->refractedBackEnd.x + r->refractedEnd.x, 2 * hitX, kPosTol);
        CHECK_NEAR(r->refractedBackEnd.y + r->refractedEnd.y, 0.0, kPosTol);
        CHECK_NEAR(m->refractedEnd.x, 2 * px - r->refractedEnd.x, kPosTol);
        CHECK_NEAR(m->refractedEnd.y, r->refractedEnd.y, kPosTol);
        CHECK_NEAR(std::remainder((r->refractedAngle + m->refractedAngle) * kDeg - 180.0, 360.0), 0.0, kAngTol);
    }

};

QTEST_APPLESS_MAIN(TestRayGeometry)
#include "test_ray_geometry.moc"
