#include "optics/image_construction.h"

#include <cmath>

namespace optics {

namespace {

// Each pass of the scan covers ten steps of the pass before, so it needs
// eleven samples, or twelve when rounding leaves the last one just short.
// The cap only ends passes that make no progress in float (a step below
// the spacing of floats near x, or an infinite x).
constexpr int kMaxSamplesPerPass = 12;

constexpr int kPasses = 4;

}  // namespace

namespace {

// sin b = n sin a for the ray from P through (x, 0), with the angle of
// incidence a = arctan(u), u = |xP - x| / d, written without angles:
// sin a = u / sqrt(1 + u^2). The scan evaluates it some forty times a point.
// Unrounded: near the critical angle the float nearest a sine just below 1
// is 1 itself (n = 1.01 puts the scan's first sample at 1 - 6e-9).
double refractionSine(float xP, float d, float x, float refIndex)
{
    const double u = std::abs(double(xP) - x) / d;
    return refIndex * (u / std::sqrt(1.0 + u * u));
}

// The eye's side of the refracted ray, from sin b alone (cos b is the root
// of 1 - sin^2 b).
float eyeOffset(float xP, float x, double sinBeta, Point eye)
{
    // Projection of (eye - (x, 0)) onto the normal of the ray that points to
    // its right in the picture: (cos b, sin b) right of P, (cos b, -sin b)
    // left of it (y downward).
    const double side = x > xP ? 1.0 : -1.0;
    const double cosBeta = std::sqrt(1.0 - sinBeta * sinBeta);
    return static_cast<float>((double(eye.x) - x) * cosBeta + side * eye.y * sinBeta);
}

}  // namespace

Refraction refractAt(float xP, float d, float x, float refIndex)
{
    Refraction r;
    const double sine = refractionSine(xP, d, x, refIndex);
    r.sinBeta = static_cast<float>(sine);
    if (!(std::abs(sine) < 1.0)) {
        r.totallyReflected = true;
        return r;
    }
    // arcsin written with arctan; |sin b| < 1 keeps the root positive.
    const double s = r.sinBeta;
    r.beta = static_cast<float>(std::atan(s / std::sqrt(1.0 - s * s)));
    // The refracted ray leans away from P: to the right of P it turns from
    // straight up (pi/2) towards +x, to the left towards -x. Straight above P
    // b = 0, so both branches agree there.
    const double halfPi = double(kPi) / 2;
    r.theta = static_cast<float>(x > xP ? halfPi - r.beta : halfPi + double(r.beta));
    return r;
}

float eyeOffsetOf(float xP, float x, const Refraction &ray, Point eye)
{
    return eyeOffset(xP, x, ray.sinBeta, eye);
}

float findCentralRay(float xP, float d, Point eye, float refIndex, int *evaluations)
{
    float left = -1000.0f;
    float right = 1000.0f;
    float step = 200.0f;
    if (refIndex > 1) {
        // Rays from P refract only inside the critical angle, whose edge
        // meets the interface w = d / sqrt(n^2 - 1) to either side of P.
        const float root = static_cast<float>(std::sqrt(double(refIndex) * refIndex - 1.0));
        const float w = static_cast<float>(d / double(root));
        left = static_cast<float>(double(xP) - w);
        right = static_cast<float>(double(xP) + w);
        step = static_cast<float>(2.0 * d / double(root) / 10.0);
    }

    // Start just inside the left edge, where the ray grazes the interface
    // and still passes left of every eye above it.
    float start = static_cast<float>(double(left) + 0.001);
    int count = 0;
    for (int pass = 0; pass < kPasses; ++pass) {
        if (pass > 0)
            step = static_cast<float>(step / 10.0);
        float x = start;
        int samples = 0;
        while (x <= right && samples < kMaxSamplesPerPass) {
            ++samples;
            // The pass stops at the first ray that is totally reflected or
            // no longer passes left of the eye.
            // Total reflection is decided on the unrounded sine; the eye's
            // side is then taken from the sine as the state holds it.
            const double sine = refractionSine(xP, d, x, refIndex);
            if (!(std::abs(sine) < 1.0)
                || eyeOffset(xP, x, static_cast<float>(sine), eye) <= 0)
                break;
            x = static_cast<float>(double(x) + step);
        }
        count += samples;
        // The last sample that still passed left of the eye (or the one
        // before the first sample): the next pass refines from there.
        start = static_cast<float>(double(x) - step);
    }
    if (evaluations)
        *evaluations = count;
    return start;
}

std::optional<Point> imageFromRayPair(float xP, float d, float xs, float refIndex)
{
    const float xa = static_cast<float>(xs + d / 100.0);
    const Refraction a = refractAt(xP, d, xa, refIndex);
    const Refraction s = refractAt(xP, d, xs, refIndex);
    if (a.totallyReflected || s.totallyReflected)
        return std::nullopt;

    // The backward extension of the neighbour ray, (xa + t cos ta, -t sin ta),
    // meets the line of the central ray through (xs, 0) where
    // t sin(ts - ta) = (xs - xa) sin ts; t < 0 runs below the interface.
    const double ts = s.theta;
    const double ta = a.theta;
    const float sinDiff = static_cast<float>(std::sin(ts - ta));
    if (!std::isfinite(sinDiff) || sinDiff == 0)
        return std::nullopt;
    const float t = static_cast<float>((double(xs) - xa) * std::sin(ts) / sinDiff);
    const float imageX = static_cast<float>(xa + t * std::cos(ta));
    const float imageY = static_cast<float>(-t * std::sin(ta));
    if (!std::isfinite(t) || !std::isfinite(imageX) || !std::isfinite(imageY))
        return std::nullopt;
    return Point{imageX, imageY};
}

std::optional<Point> imagePoint(Point object, Point eye, float refIndex)
{
    // Written negated so that a NaN depth counts as no object below.
    if (!(object.y > 0))
        return std::nullopt;
    const float xs = findCentralRay(object.x, object.y, eye, refIndex);
    return imageFromRayPair(object.x, object.y, xs, refIndex);
}

}  // namespace optics
