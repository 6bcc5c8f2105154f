#include "optics/point_grid.h"

namespace optics {

Point snapToGrid(float x, float y)
{
    auto snap = [](float v) {
        return float(std::floor(double(v) / kGridSpacing + 0.5) * kGridSpacing);
    };
    return {snap(x), snap(y)};
}

}  // namespace optics
