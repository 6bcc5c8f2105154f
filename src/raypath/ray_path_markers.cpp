// Point and eye markers on the ray-path field. Each eye looks at the point
// marker that was the last one when the eye was placed, or at (0, 0) on the
// interface when there was none: it marks the sub-bundle that forms that
// image point, and keeps looking at it whatever is marked after it.
// Placing one is a gesture of its own (symbol_placement.cpp).
#include "raypath/ray_path_scene.h"

#include "canvas/eye_symbol.h"

namespace raypath {

using namespace canvas;
using namespace optics;

Point RayPathScene::eyeTarget() const
{
    return pointMarkers_.empty() ? Point{0, 0} : pointMarkers_.back();
}

void RayPathScene::markersOn(Surface &s, const RayPathPens &pens)
{
    for (const Point &p : pointMarkers_)
        s.dot(p.x, p.y, {pens.pointMarker});
    for (size_t i = 0; i < eyeMarkers_.size(); ++i) {
        const Point e = eyeMarkers_[i], t = eyeLooks_[i];
        drawEyeSymbol(s, e.x, e.y, t.x, t.y, pens.eye);
    }
}

void RayPathScene::drawMarkers()
{
    markersOn(screen(), kScreenPens);
}

void RayPathScene::drawSymbol(MarkerSymbol symbol, Point at)
{
    Surface &s = screen();
    if (symbol == MarkerSymbol::Point) {
        s.dot(at.x, at.y, {kScreenPens.pointMarker});
    } else {
        const Point t = eyeTarget();
        drawEyeSymbol(s, at.x, at.y, t.x, t.y, kScreenPens.eye);
    }
}

void RayPathScene::toggleSymbol(MarkerSymbol symbol)
{
    armed_ = armed_ == symbol ? MarkerSymbol::None : symbol;
}

bool RayPathScene::addPointMarker(Point p)
{
    if (int(pointMarkers_.size()) >= kMaxMarkers)
        return false;
    pointMarkers_.push_back(p);
    return true;
}

bool RayPathScene::addEyeMarker(Point p)
{
    if (int(eyeMarkers_.size()) >= kMaxMarkers)
        return false;
    eyeMarkers_.push_back(p);
    eyeLooks_.push_back(eyeTarget());
    return true;
}

void RayPathScene::clearMarkers()
{
    Surface &s = screen();
    // Deliberate: overdrawn in white, nothing redrawn: rays under them keep a gap till a redraw.
    for (const Point &p : pointMarkers_)
        s.dot(p.x, p.y, {kScreenPens.pointMarker, kWhite});
    for (const Point &e : eyeMarkers_)
        eraseEyeSymbol(s, e.x, e.y, kScreenPens.clearedEyeMargin);
    pointMarkers_.clear();
    eyeMarkers_.clear();
    eyeLooks_.clear();
}

}  // namespace raypath
