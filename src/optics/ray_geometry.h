// Refraction and reflection of one ray at the interface y = 0.
//
// Scene units: x to the right, y downward, the interface is y = 0; the lower
// medium (y > 0) has the relative index n against the upper one. Direction
// angles are measured counter-clockwise from +x with y taken upward, so the
// point at distance L along angle t from (x0, y0) is (x0 + L cos t, y0 - L sin t).
//
// A ray leaves the object point P, meets the interface at (hitX, 0) and there
// splits into a refracted ray (sin b = effIndex * sin a, when that has a
// solution) and a reflected ray. effIndex is the index of P's medium over the
// index of the other medium: n while P lies on or below the interface, 1/n
// while it lies above.
//
// Arithmetic runs in double; every value the window keeps is narrowed to float,
// and later steps read the narrowed value, as the window state holds it.
#pragma once

#include "optics/point.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace optics {

// The normal runs this far to each side of the interface.
inline constexpr float kNormalHalfLength = 100.0f;

// Grey levels of the reflected ray while a refracted ray exists; under total
// reflection it is black (0).
inline constexpr std::int16_t kFixedReflectedGrey = 100;
inline constexpr std::int16_t kLiveReflectedGrey = 200;

// Where a ray meets the interface and how steep its incident part is.
struct Incidence {
    float hitX = 0;
    // dy/dx of the incident ray in scene units; +-infinity for a ray that runs
    // straight up or down along the normal.
    float slope = 0;
};

// The live ray runs from P through the aim point A. There is none when the
// line through P and A is horizontal, or meets y = 0 farther than 2000 units
// from x = 0. A vertical line is the normal through P: the fixed ray through
// (P.x, 0), and none while P lies on the interface.
std::optional<Incidence> liveIncidence(Point p, Point aim);

// A fixed ray is stored by the x of its point of incidence. There is none
// while P lies on the interface (every ray from P then runs along it). A point
// of incidence straight below or above P gives the normal itself.
std::optional<Incidence> fixedIncidence(Point p, float rayHitX);

// Everything the window keeps of the ray computed last.
struct RayConstruction {
    float hitX = 0;
    float slope = 0;
    float incidenceAngle = 0;   // a, between the incident ray and the normal, 0..pi/2
    float refractionSine = 0;   // s = effIndex * sin a
    bool refracted = false;     // |s| <= 1; otherwise total reflection
    float refractedAngle = 0;   // direction of the refracted ray (only when refracted)
    Point refractedEnd;         // far end of the refracted ray (only when refracted)
    Point refractedBackEnd;     // far end of its backward extension (only when refracted)
    float reflectionTurn = 0;   // pi while P lies above the interface, else 0
    Point reflectedEnd;         // far end of the reflected ray
    Point reflectedBackEnd;     // far end of its backward extension
    std::int16_t reflectedGrey = 0;
};

// The angles and far ends of the ray from P through the point of incidence.
// greyWhenRefracted is the grey level of the reflected ray while a refracted
// ray exists (kFixedReflectedGrey or kLiveReflectedGrey).
RayConstruction constructRay(Point p, Incidence incidence, double effIndex,
                             std::int16_t greyWhenRefracted);

// The index ratio for rays leaving P: n on or below the interface, 1/n above.
double effectiveIndex(float objectY, float refIndex);

}  // namespace optics
