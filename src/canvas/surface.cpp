#include "canvas/surface.h"

namespace canvas {

Surface::~Surface() = default;

}  // namespace canvas
