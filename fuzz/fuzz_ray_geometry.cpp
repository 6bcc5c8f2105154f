// The ray geometry over arbitrary P, points of incidence, aim points and
// indices: never a NaN or infinite end point, and "no ray" exactly where the
// rules say so.
#include "fuzz_input.h"
#include "optics/ray_geometry.h"

using namespace optics;

namespace {

bool finite(Point p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

void checkRay(const RayConstruction &r)
{
    if (!finite(r.reflectedEnd) || !finite(r.reflectedBackEnd) || !std::isfinite(r.hitX))
        __builtin_trap();
    if (r.refracted && (!finite(r.refractedEnd) || !finite(r.refractedBackEnd)))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const Point p{in.position(), in.position()};
    const float n = in.in(0.5f, 2.0f);
    const double eff = effectiveIndex(p.y, n);

    const float hit = in.position();
    const auto fixed = fixedIncidence(p, hit);
    if (fixed.has_value() == (p.y == 0))
        __builtin_trap();
    if (fixed)
        checkRay(constructRay(p, *fixed, eff, kFixedReflectedGrey));

    const Point aim{in.position(), in.position()};
    const auto live = liveIncidence(p, aim);
    // Level with P there is no ray; straight above or below it, the normal
    // through (P.x, 0), unless P lies on the interface.
    if (aim.y == p.y) {
        if (live)
            __builtin_trap();
    } else if (aim.x == p.x) {
        if (live.has_value() == (p.y == 0) || (live && live->hitX != p.x))
            __builtin_trap();
        if (live)
            checkRay(constructRay(p, *live, eff, kLiveReflectedGrey));
    } else if (live) {
        if (!(std::abs(live->hitX) <= 2000.5f))
            __builtin_trap();
        checkRay(constructRay(p, *live, eff, kLiveReflectedGrey));
    }
    return 0;
}
