// Point and eye markers on the ray-path field. Every eye looks at the point
// marker placed last, or at (0, 0) on the interface while there is none; an
// eye drawn before that marker turns to it with the next cleared redraw.
#include "raypath/ray_path_scene.h"

#include "canvas/eye_symbol.h"

namespace raypath {

using namespace canvas;
using namespace optics;

Point RayPathScene::eyeTarget() const
{
    return pointMarkers_.empty() ? Point{0, 0} : pointMarkers_.back();
}

void RayPathScene::drawEye(Point target)
{
    drawEyeSymbol(screen(), eye_.x, eye_.y, target.x, target.y, kScreenPens.eye);
}

void RayPathScene::drawMarkers(Underlay under)
{
    Surface &s = screen();
    s.setPenWidth(kScreenPens.pointMarker);
    for (const Point &p : pointMarkers_)
        s.dot(p.x, p.y, kBlack);
    if (under == Underlay::Cleared)
        eyeLooks_.assign(eyeMarkers_.size(), eyeTarget());
    for (size_t i = 0; i < eyeMarkers_.size(); ++i) {
        eye_ = eyeMarkers_[i];
        drawEye(eyeLooks_[i]);
    }
    s.setPenWidth(1);
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

void RayPathScene::pressSymbol(float x, float y)
{
    Surface &s = screen();
    s.setPenWidth(kScreenPens.pointMarker);
    aim_ = {x, y};
    if (armed_ == MarkerSymbol::Point) {
        s.dot(x, y, kBlack);
    } else {
        eye_ = aim_;
        drawEye(eyeTarget());
    }
}

void RayPathScene::dragSymbol(float x, float y)
{
    Surface &s = screen();
    if (armed_ == MarkerSymbol::Point) {
        s.setPenWidth(kScreenPens.pointMarker);
        s.dot(aim_.x, aim_.y, kWhite);
        s.dot(x, y, kBlack);
    } else {
        eraseEyeSymbol(s, aim_.x, aim_.y, kScreenPens.draggedEyeMargin);
        eye_ = {x, y};
        drawEye(eyeTarget());
    }
    aim_ = {x, y};
}

void RayPathScene::dropSymbol(float x, float y)
{
    Surface &s = screen();
    const bool point = armed_ == MarkerSymbol::Point;
    const bool kept = point ? addPointMarker({x, y}) : addEyeMarker({x, y});
    if (!kept) {
        // The store holds 20 markers of each kind: the symbol is refused and
        // the picture shows what it showed before the symbol was dragged in.
        armed_ = MarkerSymbol::None;
        redraw();
        return;
    }
    if (point) {
        s.setPenWidth(kScreenPens.pointMarker);
        s.dot(x, y, kBlack);
    } else {
        // The eye where it was dragged to, looking at the point marker
        // placed last before it.
        drawEye(eyeTarget());
    }
    s.setPenWidth(1);
    armed_ = MarkerSymbol::None;
}

void RayPathScene::clearMarkers()
{
    Surface &s = screen();
    s.setPenWidth(kScreenPens.pointMarker);
    for (const Point &p : pointMarkers_)
        s.dot(p.x, p.y, kWhite);
    for (const Point &e : eyeMarkers_)
        eraseEyeSymbol(s, e.x, e.y, kScreenPens.clearedEyeMargin);
    s.setPenWidth(1);
    pointMarkers_.clear();
    eyeMarkers_.clear();
    eyeLooks_.clear();
}

}  // namespace raypath
