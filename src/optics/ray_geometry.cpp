#include "optics/ray_geometry.h"

#include <cmath>
#include <limits>

namespace optics {

std::optional<Incidence> liveIncidence(Point p, Point aim)
{
    if (aim.y == p.y)
        return std::nullopt;
    // Straight above or below P: the ray along the normal, incident at 0,
    // drawn as the fixed ray through the interface under P is.
    if (aim.x == p.x)
        return fixedIncidence(p, p.x);
    // The line through P and A meets y = 0 at x = P.x - P.y / m, whichever
    // side of P the aim point lies on.
    const double m = (double(p.y) - aim.y) / (double(p.x) - aim.x);
    const double x = p.x - p.y / m;
    if (!(std::abs(x) <= kFarLength))
        return std::nullopt;
    return Incidence{static_cast<float>(x), static_cast<float>(m)};
}

std::optional<Incidence> fixedIncidence(Point p, float rayHitX)
{
    if (p.y == 0)
        return std::nullopt;
    if (p.x == rayHitX) {
        // Straight down or up along the normal: the slope is infinite, with
        // the sign that keeps the angle formulas on the right branch.
        const float inf = std::numeric_limits<float>::infinity();
        return Incidence{rayHitX, p.y > 0 ? inf : -inf};
    }
    // The point of incidence from the slope in double: narrowed first, the
    // slope of a P a hair above the interface underflows to zero and the
    // point would run off to infinity.
    const double m = double(p.y) / (double(p.x) - rayHitX);
    const float x = static_cast<float>(p.x - p.y / m);
    return Incidence{x, static_cast<float>(m)};
}

double effectiveIndex(float objectY, float refIndex)
{
    return objectY < 0 ? 1.0 / refIndex : double(refIndex);
}

RayConstruction constructRay(Point p, Incidence in, double effIndex,
                             std::int16_t greyWhenRefracted)
{
    const double pi = kPi;
    const double halfPi = pi / 2;
    // The formulas branch on the side of the normal the ray comes from: m > 0
    // means the ray runs down-right or up-left in scene units.
    const bool positive = in.slope > 0;

    RayConstruction r;
    r.hitX = in.hitX;
    r.slope = in.slope;

    // a = pi/2 + arctan m (m <= 0) or pi/2 - arctan m (m > 0).
    if (std::isinf(in.slope))
        r.incidenceAngle = 0;
    else
        r.incidenceAngle = static_cast<float>(positive ? halfPi - std::atan(double(in.slope))
                                                       : halfPi + std::atan(double(in.slope)));

    r.refractionSine = static_cast<float>(effIndex * std::sin(double(r.incidenceAngle)));

    const double s = r.refractionSine;
    r.refracted = std::abs(s) <= 1.0;
    if (r.refracted) {
        // b = arcsin s, written so that s = 1 gives grazing refraction (pi/2).
        const double b = std::atan2(s, std::sqrt(std::max(0.0, 1.0 - s * s)));
        double g = positive ? halfPi + b : halfPi - b;
        if (p.y < 0)
            g += pi;
        r.refractedAngle = static_cast<float>(g);
        const double gf = r.refractedAngle;
        const double dx = kFarLength * std::cos(gf);
        const double dy = kFarLength * std::sin(gf);
        r.refractedEnd = {static_cast<float>(r.hitX + dx), static_cast<float>(-dy)};
        r.refractedBackEnd = {static_cast<float>(r.hitX - dx), static_cast<float>(dy)};
        r.reflectedGrey = greyWhenRefracted;
    } else {
        r.reflectedGrey = 0;
    }

    // The reflected ray is the continued incident ray mirrored about the
    // interface, back into P's medium.
    r.reflectionTurn = p.y < 0 ? kPi : 0.0f;
    const double a = r.incidenceAngle;
    const double d = positive ? -a - halfPi + r.reflectionTurn : a - halfPi + r.reflectionTurn;
    const double dx = kFarLength * std::cos(d);
    const double dy = kFarLength * std::sin(d);
    r.reflectedEnd = {static_cast<float>(r.hitX + dx), static_cast<float>(-dy)};
    r.reflectedBackEnd = {static_cast<float>(r.hitX - dx), static_cast<float>(dy)};
    return r;
}

}  // namespace optics
