// The image-point construction over arbitrary P, eye and n within the scroll
// range: it ends within its bounded number of ray evaluations and gives a
// finite image or none.
#include "fuzz_input.h"
#include "optics/image_construction.h"

using namespace optics;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const Point object{in.position(), in.position()};
    const Point eye{in.position(), in.position()};
    const float n = float(50 + in.byte() % 151) / 100.0f;

    if (object.y > 0) {
        int evaluations = 0;
        const float xs = findCentralRay(object.x, object.y, eye, n, &evaluations);
        if (evaluations > 48 || std::isnan(xs))
            __builtin_trap();
    }
    if (const auto image = imagePoint(object, eye, n))
        if (!std::isfinite(image->x) || !std::isfinite(image->y))
            __builtin_trap();
    return 0;
}
