// The magnetic point grid of the imaging field: nodes every 50 scene units
// from -1000 to 1000 in both directions (41 x 41 of them).
#pragma once

#include "optics/point.h"

namespace optics {

inline constexpr int kGridSpacing = 50;
inline constexpr int kGridExtent = 1000;

// The node nearest to (x, y): each coordinate goes to the nearest multiple of
// 50 on its own, a coordinate halfway between two nodes to the larger one.
// There is no limit, also not at the interface.
Point snapToGrid(float x, float y);

}  // namespace optics
