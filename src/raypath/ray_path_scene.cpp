// The rays of the scene: the full redraw, the live ray and its mending, P
// moved and dragged, and the field's events handed to the gesture of their
// button (gestures.h).
#include "raypath/ray_path_scene.h"

#include "canvas/eye_symbol.h"
#include "raypath/gestures.h"

#include <cmath>

namespace raypath {

using namespace canvas;
using namespace optics;

namespace {

// Within this distance of P on both axes the pointer becomes a crosshair.
constexpr float kObjectGrabReach = 100;

}  // namespace

RayPathScene::RayPathScene(Surface &screen) : screen_(&screen) {}

RayPathScene::~RayPathScene() = default;

void RayPathScene::drawRays(Surface &s, const RayPathPens &pens)
{
    s.dot(object_.x, object_.y, {pens.objectDot});
    drawInterfaceLine(s, {pens.interfaceLine}, pens.interfaceHalfLength);

    for (const float hitX : rayHits_) {
        // While P lies on the interface no fixed ray can be constructed; the
        // rays come back as soon as P leaves it.
        const auto incidence = fixedIncidence(object_, hitX);
        if (!incidence)
            continue;
        const RayConstruction ray =
            constructRay(object_, *incidence, effectiveIndex_, kFixedReflectedGrey);
        drawRayParts(s, object_, ray, parts_, pens.rays, pens.look);
    }
}

void RayPathScene::redrawRays()
{
    drawRays(screen(), kScreenPens);
    drawMarkers();
}

void RayPathScene::redraw()
{
    screen().clear();
    redrawRays();
}

std::optional<DrawnRay> RayPathScene::drawLiveRay(Point aim)
{
    const auto incidence = liveIncidence(object_, aim);
    if (!incidence)
        return std::nullopt;
    const RayConstruction ray = constructRay(object_, *incidence, effectiveIndex_,
                                             kLiveReflectedGrey);
    Surface &s = screen();
    drawRayParts(s, object_, ray, parts_, kScreenPens.rays);
    // Under total reflection there is no refracted ray to erase later.
    const Point hit{ray.hitX, 0};
    return DrawnRay{ray.hitX, ray.refracted ? ray.refractedEnd : hit,
                    ray.refracted ? ray.refractedBackEnd : hit, ray.reflectedEnd,
                    ray.reflectedBackEnd};
}

void RayPathScene::drawFirstPicture()
{
    Surface &s = screen();
    drawInterfaceLine(s, {kScreenPens.rays}, 1000);
    s.dot(object_.x, object_.y, {kScreenPens.objectDot});
}

void RayPathScene::setParts(const RayParts &parts)
{
    parts_ = parts;
    redraw();
}

void RayPathScene::setIndex(float n)
{
    index_ = n;
    effectiveIndex_ = optics::effectiveIndex(object_.y, index_);
    redraw();
}

void RayPathScene::setObject(Point p)
{
    object_ = p;
    effectiveIndex_ = optics::effectiveIndex(object_.y, index_);
}

void RayPathScene::moveObject(Point p)
{
    setObject(p);
    redraw();
}

namespace {

// Every segment of a live ray, the normal included, solid white with the
// live ray's pen.
void eraseSegments(Surface &s, Point object, const DrawnRay &r)
{
    const Pen white{kScreenPens.rays, kWhite};
    s.line(r.hitX, kNormalHalfLength, r.hitX, -kNormalHalfLength, white);
    s.line(object.x, object.y, r.hitX, 0, white);
    s.line(r.hitX, 0, r.refractedEnd.x, r.refractedEnd.y, white);
    s.line(r.hitX, 0, r.refractedBackEnd.x, r.refractedBackEnd.y, white);
    s.line(r.hitX, 0, r.reflectedEnd.x, r.reflectedEnd.y, white);
    s.line(r.hitX, 0, r.reflectedBackEnd.x, r.reflectedBackEnd.y, white);
}

}  // namespace

void RayPathScene::eraseLiveRay(const std::optional<DrawnRay> &ray)
{
    Surface &s = screen();
    if (ray)
        eraseSegments(s, object_, *ray);
    drawInterfaceLine(s, {kScreenPens.rays});
    redrawRays();
}

void RayPathScene::fixLiveRay(const std::optional<DrawnRay> &ray)
{
    // Only a ray the user saw is kept: an aim level with P, or one whose ray
    // meets the interface too far out, showed none.
    Surface &s = screen();
    if (ray) {
        fixRayAt(ray->hitX);
        eraseSegments(s, object_, *ray);
    }
    drawInterfaceLine(s, {kScreenPens.rays, kWhite});
    drawInterfaceLine(s, {kScreenPens.rays});
    redrawRays();
}

void RayPathScene::dragObject(Point p)
{
    Surface &s = screen();
    s.clear();
    drawInterfaceLine(s, {kScreenPens.rays});
    s.dot(p.x, p.y, {kScreenPens.objectDot});
    setObject(p);
    redrawRays();
}

bool RayPathScene::nearObject(Point at) const
{
    return std::abs(object_.x - at.x) < kObjectGrabReach
           && std::abs(object_.y - at.y) < kObjectGrabReach;
}

MouseButtons RayPathScene::touchRoleAt(QPointF at) const
{
    if (armed_ == MarkerSymbol::None && nearObject({float(at.x()), float(at.y())}))
        return MouseButtons::Right;
    return MouseButtons::Left;
}

PointerChange RayPathScene::handle(const FieldEvent &event)
{
    const Point at{float(event.at.x()), float(event.at.y())};
    const MouseButtons b = event.buttons;
    switch (event.phase) {
    case FieldEvent::Phase::Press:
        if (b == MouseButtons::Left)
            leftGesture_ = armed_ == MarkerSymbol::None ? startLiveRay(*this, at)
                                                        : startSymbolPlacement(*this, at);
        else if (b == MouseButtons::Right)
            rightGesture_ = startObjectDrag(*this, at);
        return {};
    case FieldEvent::Phase::Move: {
        // Two buttons held, or none, drive no gesture.
        if (b == MouseButtons::Left && leftGesture_)
            leftGesture_->move(at);
        else if (b == MouseButtons::Right && rightGesture_)
            rightGesture_->move(at);
        const bool grab = nearObject(at) && b != MouseButtons::Left;
        return {.field = grab ? Pointer::Cross : Pointer::Arrow};
    }
    case FieldEvent::Phase::Release: {
        std::unique_ptr<RayPathGesture> ended;
        if (b == MouseButtons::Left)
            ended = std::move(leftGesture_);
        else if (b == MouseButtons::Right)
            ended = std::move(rightGesture_);
        if (ended)
            ended->release(at);
        return {};
    }
    }
    return {};
}

bool RayPathScene::fixRayAt(float hitX)
{
    // The store holds 100 rays; a further ray is refused, and the picture
    // shows the fixed rays as before.
    if (int(rayHits_.size()) >= kMaxRays)
        return false;
    rayHits_.push_back(hitX);
    return true;
}

void RayPathScene::clearRays()
{
    Surface &s = screen();
    s.clear();
    rayHits_.clear();
    s.dot(object_.x, object_.y, {kScreenPens.objectDot});
    drawInterfaceLine(s, {kScreenPens.rays});
    drawMarkers();
}

void RayPathScene::drawOnPaper(Surface &page)
{
    drawRays(page, kPaperPens);
    markersOn(page, kPaperPens);
}

}  // namespace raypath
