// The image point an eye above the interface sees of a point below it: single
// refracted rays, the scan for the ray through the eye, and the image where
// the backward extensions of two neighbouring rays meet.
#include "check_near.h"

#include <QtTest>

#include <cmath>
#include <optional>

#include "optics/image_construction.h"

using namespace optics;

namespace {

struct Vec { double x; double y; };

// Snell's law in vector form, independent of the angle bookkeeping: the unit
// direction (y downward) of the ray from P refracted at (x, 0), none under
// total reflection.
std::optional<Vec> Refracted(double xP, double d, double x, double n)
{
    const double sinA = std::abs(x - xP) / std::hypot(x - xP, d);
    const double sinB = n * sinA;
    if (sinB >= 1)
        return std::nullopt;
    return Vec{(x > xP ? 1.0 : -1.0) * sinB, -std::sqrt(1 - sinB * sinB)};
}

// Signed distance of q from the line through (x, 0) along dir: positive when
// the line passes left of q.
double SideOf(Vec dir, double x, Vec q) { return dir.x * q.y - dir.y * (q.x - x); }

// Half-width of the refracting interval around P (n > 1), else the fixed one.
double HalfWidth(double d, double n) { return n > 1 ? d / std::sqrt(n * n - 1) : 1000.0; }
double Resolution(double d, double n) { return 2 * HalfWidth(d, n) / 10 / 1000; }

}  // namespace

class TestImageConstruction : public QObject {
    Q_OBJECT
private slots:
    void singleRay_data() {
        doubleColumns({"xP", "d", "x", "n", "ex", "ey"});
        QTest::newRow("water, right of P") << 0.0 << 500.0 << 300.0 << 1.33 << 900.0 << -400.0;
        QTest::newRow("water, left of P") << 100.0 << 300.0 << -50.0 << 1.33 << -100.0 << -700.0;
        QTest::newRow("straight above P") << 20.0 << 400.0 << 20.0 << 1.5 << 25.0 << -300.0;
        QTest::newRow("grazing, sin b rounds to 1") << 0.0 << 1e-6 << 500.0 << 1.0 << 0.0 << -100.0;
        QTest::newRow("beyond critical angle") << 0.0 << 500.0 << -700.0 << 1.33 << 0.0 << -100.0;
        QTest::newRow("n = 0.5, far right of P") << 0.0 << 100.0 << 900.0 << 0.5 << 800.0 << -500.0;
        QTest::newRow("n = 0.75, left of P") << 0.0 << 500.0 << -200.0 << 0.75 << -900.0 << -900.0;
    }
    void singleRay() {
        QFETCH(double, xP); QFETCH(double, d); QFETCH(double, x); QFETCH(double, n);
        QFETCH(double, ex); QFETCH(double, ey);
        const auto expected = Refracted(xP, d, x, n);
        const Refraction ray = refractAt(float(xP), float(d), float(x), float(n));
        QCOMPARE(ray.totallyReflected, !expected.has_value());
        if (!expected)
            return;
        CHECK_NEAR(std::cos(ray.theta), expected->x, 1e-5);
        CHECK_NEAR(-std::sin(ray.theta), expected->y, 1e-5);
        CHECK_NEAR(eyeOffsetOf(float(xP), float(x), ray, {float(ex), float(ey)}),
                   SideOf(*expected, x, {ex, ey}), 1e-2);
    }

    void centralRay_data() {
        doubleColumns({"xP", "d", "ex", "ey", "n", "xsRef"});
        const double none = qQNaN();  // no reference value
        QTest::newRow("water, eye right") << 0.0 << 500.0 << 300.0 << -500.0 << 1.33 << 126.8;
        QTest::newRow("eye above P") << 0.0 << 500.0 << 0.0 << -500.0 << 1.33 << none;
        QTest::newRow("eye left of P") << 200.0 << 300.0 << -400.0 << -700.0 << 1.33 << none;
        QTest::newRow("n = 2, shallow point") << -300.0 << 50.0 << 500.0 << -800.0 << 2.0 << none;
        QTest::newRow("n = 1") << 0.0 << 500.0 << 300.0 << -500.0 << 1.0 << none;
        QTest::newRow("n = 0.5") << 0.0 << 500.0 << 300.0 << -500.0 << 0.5 << none;
        QTest::newRow("far left point") << -900.0 << 100.0 << 300.0 << -500.0 << 1.33 << none;
    }
    void centralRay() {
        QFETCH(double, xP); QFETCH(double, d); QFETCH(double, ex); QFETCH(double, ey); QFETCH(double, n);
        QFETCH(double, xsRef);
        const Vec eye{ex, ey};
        auto side = [&](double x) { return SideOf(*Refracted(xP, d, x, n), x, eye); };
        // The ray through the eye, found by bisection on the exact geometry.
        const double left = (n > 1 ? xP : 0.0) - HalfWidth(d, n), right = left + 2 * HalfWidth(d, n);
        double lo = left + 0.001, hi = right - 0.001;
        QVERIFY(side(lo) > 0 && side(hi) < 0);
        for (int i = 0; i < 100; ++i)
            (side((lo + hi) / 2) > 0 ? lo : hi) = (lo + hi) / 2;

        int evaluations = -1;
        const float xs = findCentralRay(float(xP), float(d), {float(ex), float(ey)}, float(n), &evaluations);
        const double res = Resolution(d, n), slack = 1e-3 + res / 100;
        QVERIFY2(xs <= lo + slack && xs >= lo - res - slack,
                 qPrintable(QStringLiteral("xs = %1, ray through eye at %2").arg(xs).arg(lo)));
        // Steps of at most a tenth of the interval must reach xs from its left end.
        QVERIFY(evaluations >= (xs - left) / (1000 * res) && evaluations <= 4 * 12);
        // The scan stops at the last ray still passing left of the eye.
        QVERIFY(side(xs) > -1e-3 && side(xs + res + slack) <= 1e-3);
        if (!std::isnan(xsRef))
            CHECK_NEAR(xs, xsRef, 0.5);
    }

    void scanEdge_data() {
        doubleColumns({"xP", "d", "ex", "ey", "n"});
        QTest::newRow("n = 1, crossing right of 1000") << 950.0 << 100.0 << 1400.0 << -300.0 << 1.0;
        QTest::newRow("n = 0.75, crossing right of 1000") << 950.0 << 100.0 << 1400.0 << -300.0 << 0.75;
        QTest::newRow("n = 1, crossing at -1300") << -1200.0 << 100.0 << -1500.0 << -200.0 << 1.0;
    }
    void scanEdge() {
        // For n <= 1 the scan covers -1000..1000 wherever P lies: past its right
        // end it keeps the last sample; left of its left end it can only step
        // back by the sum of its four steps, 200 + 20 + 2 + 0.2.
        QFETCH(double, xP); QFETCH(double, d); QFETCH(double, ex); QFETCH(double, ey); QFETCH(double, n);
        const float xs = findCentralRay(float(xP), float(d), {float(ex), float(ey)}, float(n));
        if (ex > 0)
            QVERIFY2(xs <= 1000 && xs >= 1000 - Resolution(d, n) - 1e-3, qPrintable(QString::number(xs)));
        else
            QVERIFY2(xs < -1000 && xs >= -1000 - 222.3, qPrintable(QString::number(xs)));
    }

    void referenceImages_data() {
        doubleColumns({"xP", "d", "ex", "ey", "n", "ix", "iy"});
        QTest::newRow("water, eye right") << 0.0 << 500.0 << 300.0 << -500.0 << 1.33 << 6.6 << 347.3;
        QTest::newRow("eye above P: d / n") << 0.0 << 500.0 << 0.0 << -500.0 << 1.33 << 0.0 << 500 / 1.33;
        QTest::newRow("eye above P, n = 2") << 100.0 << 600.0 << 100.0 << -300.0 << 2.0 << 100.0 << 300.0;
        QTest::newRow("eye above P, n = 0.8") << -50.0 << 400.0 << -50.0 << -700.0 << 0.8 << -50.0 << 500.0;
        QTest::newRow("n = 1: image is P") << 0.0 << 500.0 << 300.0 << -500.0 << 1.0 << 0.0 << 500.0;
        QTest::newRow("n = 0.5") << 0.0 << 500.0 << 300.0 << -500.0 << 0.5 << -26.3 << 1197.5;
        QTest::newRow("far left point") << -900.0 << 100.0 << 300.0 << -500.0 << 1.33 << -835.0 << 13.1;
        // Just above n = 1 the scan's first sample grazes the interface with
        // a sine within a float's rounding of 1.
        QTest::newRow("n = 1.01") << 0.0 << 500.0 << 300.0 << -500.0 << 1.01 << 0.28 << 493.68;
        QTest::newRow("n = 1.02") << 0.0 << 500.0 << 300.0 << -500.0 << 1.02 << 0.55 << 487.50;
        QTest::newRow("n = 1.03") << 0.0 << 500.0 << 300.0 << -500.0 << 1.03 << 0.82 << 481.45;
        QTest::newRow("n = 1.04") << 0.0 << 500.0 << 300.0 << -500.0 << 1.04 << 1.08 << 475.54;
    }
    void referenceImages() {
        QFETCH(double, xP); QFETCH(double, d); QFETCH(double, ex); QFETCH(double, ey);
        QFETCH(double, n); QFETCH(double, ix); QFETCH(double, iy);
        const auto image = imagePoint({float(xP), float(d)}, {float(ex), float(ey)}, float(n));
        QVERIFY(image);
        CHECK_NEAR(image->x, ix, 0.1);
        CHECK_NEAR(image->y, iy, 0.1);

        // The image lies on the backward extensions of both rays, shallower than P
        // when the lower medium is denser, deeper when it is thinner.
        const float xs = findCentralRay(float(xP), float(d), {float(ex), float(ey)}, float(n));
        const double xa = double(xs) + d / 100;
        const Vec p{image->x, image->y};
        CHECK_NEAR(SideOf(*Refracted(xP, d, xs, n), xs, p), 0.0, 0.01);
        CHECK_NEAR(SideOf(*Refracted(xP, d, xa, n), xa, p), 0.0, 0.01);
        if (n > 1)
            QVERIFY(image->y > 0 && image->y < d);
        else if (n < 1)
            QVERIFY(image->y > d);
    }

    void noImage_data() {
        doubleColumns({"xP", "d", "ex", "ey", "n"});
        QTest::addColumn<bool>("checkNeighbour");
        QTest::newRow("far left point, low eye") << -900.0 << 100.0 << 300.0 << -50.0 << 1.33 << true;
        QTest::newRow("n = 2, low eye far right") << 0.0 << 500.0 << 900.0 << -100.0 << 2.0 << true;
        QTest::newRow("eye below interface") << 0.0 << 500.0 << 300.0 << 40.0 << 1.33 << true;
        QTest::newRow("object on interface") << 0.0 << 0.0 << 300.0 << -500.0 << 1.33 << false;
        QTest::newRow("object above interface") << 50.0 << -200.0 << 300.0 << -500.0 << 1.33 << false;
        QTest::newRow("object depth NaN") << 0.0 << qQNaN() << 300.0 << -500.0 << 1.33 << false;
    }
    void noImage() {
        QFETCH(double, xP); QFETCH(double, d); QFETCH(double, ex); QFETCH(double, ey);
        QFETCH(double, n); QFETCH(bool, checkNeighbour);
        QVERIFY(!imagePoint({float(xP), float(d)}, {float(ex), float(ey)}, float(n)));
        if (!checkNeighbour)  // no object below the interface: nothing to scan
            return;
        const float xs = findCentralRay(float(xP), float(d), {float(ex), float(ey)}, float(n));
        QVERIFY(!Refracted(xP, d, double(xs) + d / 100, n));
        // An eye below the interface stops every pass at its first sample, so
        // the scan walks left out of the refracting interval.
        if (ey > 0)
            QVERIFY(xs < xP - HalfWidth(d, n));
    }

};

QTEST_APPLESS_MAIN(TestImageConstruction)
#include "test_image_construction.moc"
