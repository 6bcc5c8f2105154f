// Where an eye above the interface sees an object point below it.
//
// Scene units as everywhere: x to the right, y downward, the interface is
// y = 0; the object point P = (xP, d) lies below it (d > 0) in the medium of
// relative index n, the eye above it. Of all rays from P the eye receives the
// refracted ray that passes through it (the central ray). A neighbour ray a
// hundredth of P's depth beside it is refracted a little differently; the
// backward extensions of the two meet below the interface in the image point
// P' that the eye sees.
//
// Arithmetic runs in double; the working values between steps are held in
// single precision, as the window holds its state.
#pragma once

#include "optics/point.h"

#include <optional>

namespace optics {


// A ray from P through the interface point (x, 0).
struct Refraction {
    bool totallyReflected = false;  // |n sin a| >= 1: no refracted ray
    float sinBeta = 0;              // n sin a
    float beta = 0;                 // angle of refraction, from the normal
    // Direction angle of the refracted ray, counter-clockwise from +x with y
    // taken upward: pi/2 - beta right of P, pi/2 + beta left of it. The ray
    // runs from (x, 0) towards (x + L cos theta, -L sin theta).
    float theta = 0;
};

// Law of refraction for a ray leaving P below the interface:
// a = arctan(|xP - x| / d), sin b = n sin a.
Refraction refractAt(float xP, float d, float x, float refIndex);

// Signed distance of the eye from the line of the refracted ray through
// (x, 0): positive while the ray passes left of the eye, zero or negative once
// it passes through the eye or to its right.
float eyeOffsetOf(float xP, float x, const Refraction &ray, Point eye);

// The x at which the central ray meets the interface, found by a left-to-right
// scan in four passes, each ten times finer than the one before. For n > 1
// the scan covers the interval within the critical angle around xP, else
// -1000 to 1000. It never fails: when no ray reaches the eye it returns the
// last sample before the end of the interval. `evaluations`, if given,
// receives the number of rays evaluated.
float findCentralRay(float xP, float d, Point eye, float refIndex,
                     int *evaluations = nullptr);

// The image point where the backward extensions of the central ray (through
// xs) and its neighbour (through xs + d / 100) meet; none when either ray is
// totally reflected or the lines do not meet in a finite point.
std::optional<Point> imageFromRayPair(float xP, float d, float xs, float refIndex);

// The whole construction for one object point: none for a point on or above
// the interface.
std::optional<Point> imagePoint(Point object, Point eye, float refIndex);

}  // namespace optics
