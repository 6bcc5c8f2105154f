// What the optics share: a point of the scene, and the constants every
// construction uses.
//
// Scene units: x to the right, y downward, the interface between the two
// media is y = 0; the upper medium (y < 0) has index 1, the lower one the
// relative index n. Positions are held in single precision, as the windows
// keep their state.
#pragma once

#include <cmath>

namespace optics {

struct Point {
    float x = 0;
    float y = 0;
};

// pi as the state holds it: 4 arctan 1, narrowed to float.
inline const float kPi = static_cast<float>(4.0 * std::atan(1.0));

// Every far end of a drawn ray lies this far from its point on the
// interface: beyond the field in every direction.
inline constexpr double kFarLength = 2000.0;

}  // namespace optics
