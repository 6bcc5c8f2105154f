// The rays of the scene: the full redraw, the live ray, and working the
// field with the mouse. The left button starts, drags and fixes a ray through
// P (or places an armed marker symbol), the right button moves P and the
// whole fan of fixed rays turns with it.
#include "raypath/ray_path_scene.h"

#include "canvas/eye_symbol.h"

#include <cmath>

namespace raypath {

using namespace canvas;
using namespace optics;

namespace {

// Within this distance of P on both axes the pointer becomes a crosshair.
constexpr float kObjectGrabReach = 100;

}  // namespace

void RayPathScene::keepRay(const RayConstruction &r)
{
    lastRay_.hitX = r.hitX;
    if (r.refracted) {
        // Under total reflection the refracted far ends keep their values.
        lastRay_.refractedEnd = r.refractedEnd;
        lastRay_.refractedBackEnd = r.refractedBackEnd;
    }
    lastRay_.reflectedEnd = r.reflectedEnd;
    lastRay_.reflectedBackEnd = r.reflectedBackEnd;
}

void RayPathScene::drawRays(Surface &s, const RayPathPens &pens)
{
    s.setPenWidth(pens.objectDot);
    s.dot(object_.x, object_.y, kBlack);
    s.setPenWidth(pens.interfaceLine);
    drawInterfaceLine(s, kBlack, pens.interfaceHalfLength);
    s.setPenWidth(pens.rays);

    for (const float hitX : rayHits_) {
        // While P lies on the interface no fixed ray can be constructed; the
        // rays come back as soon as P leaves it.
        const auto incidence = fixedIncidence(object_, hitX);
        if (!incidence)
            continue;
        const RayConstruction ray =
            constructRay(object_, *incidence, effectiveIndex_, kFixedReflectedGrey);
        keepRay(ray);
        drawRayParts(s, object_, ray, parts_, pens.look);
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

void RayPathScene::drawLiveRay()
{
    const auto incidence = liveIncidence(object_, aim_);
    if (!incidence)
        return;
    const RayConstruction ray = constructRay(object_, *incidence, effectiveIndex_,
                                             kLiveReflectedGrey);
    keepRay(ray);
    drawRayParts(screen(), object_, ray, parts_);
}

void RayPathScene::drawFirstPicture()
{
    Surface &s = screen();
    drawInterfaceLine(s, kBlack, 1000);
    s.setPenWidth(kScreenPens.objectDot);
    s.dot(object_.x, object_.y, kBlack);
    s.setPenWidth(1);
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

void RayPathScene::eraseLiveRay()
{
    // Every segment of the ray computed last, whether it was drawn or not,
    // solid white with the pen in force.
    Surface &s = screen();
    const DrawnRay &r = lastRay_;
    s.setLineStyle(LineStyle::Solid);
    s.line(r.hitX, kNormalHalfLength, r.hitX, -kNormalHalfLength, kWhite);
    s.line(object_.x, object_.y, r.hitX, 0, kWhite);
    s.line(r.hitX, 0, r.refractedEnd.x, r.refractedEnd.y, kWhite);
    s.line(r.hitX, 0, r.refractedBackEnd.x, r.refractedBackEnd.y, kWhite);
    s.line(r.hitX, 0, r.reflectedEnd.x, r.reflectedEnd.y, kWhite);
    s.line(r.hitX, 0, r.reflectedBackEnd.x, r.reflectedBackEnd.y, kWhite);
}

void RayPathScene::press(MouseButtons button, float x, float y)
{
    const bool armed = armed_ != MarkerSymbol::None;
    if (button == MouseButtons::Left && !armed) {
        aim_ = {x, y};
        drawLiveRay();
    } else if (button == MouseButtons::Left) {
        pressSymbol(x, y);
    } else if (button == MouseButtons::Right) {
        moveObject({x, y});
    }
}

void RayPathScene::move(MouseButtons held, float x, float y)
{
    const bool nearObject = std::abs(object_.x - x) < kObjectGrabReach
                            && std::abs(object_.y - y) < kObjectGrabReach;
    pointer_ = nearObject && held != MouseButtons::Left ? Pointer::Cross : Pointer::Arrow;

    const bool armed = armed_ != MarkerSymbol::None;
    Surface &s = screen();
    if (held == MouseButtons::Left && !armed) {
        // The field takes the last live ray back when nothing else was
        // drawn since; otherwise it is erased and the rays drawn anew.
        if (!s.takeBackOverlay()) {
            eraseLiveRay();
            s.setPenWidth(kScreenPens.rays);
            drawInterfaceLine(s, kBlack);
            redrawRays();
        }
        aim_ = {x, y};
        s.setPenWidth(kScreenPens.rays);
        s.beginOverlay();
        drawLiveRay();
        s.endOverlay();
    } else if (held == MouseButtons::Left) {
        dragSymbol(x, y);
    } else if (held == MouseButtons::Right) {
        s.clear();
        drawInterfaceLine(s, kBlack);
        s.setPenWidth(kScreenPens.objectDot);
        s.dot(x, y, kBlack);
        setObject({x, y});
        s.setPenWidth(1);
        redrawRays();
    }
}

void RayPathScene::release(MouseButtons button, float x, float y)
{
    if (button != MouseButtons::Left)
        return;
    if (armed_ != MarkerSymbol::None) {
        dropSymbol(x, y);
        return;
    }
    fixLiveRay();
    Surface &s = screen();
    eraseLiveRay();
    drawInterfaceLine(s, kWhite);
    s.setPenWidth(kScreenPens.rays);
    drawInterfaceLine(s, kBlack);
    redrawRays();
    s.setPenWidth(1);
}

bool RayPathScene::fixLiveRay()
{
    // Only a ray the user saw is fixed: an aim level with P, or one whose
    // ray meets the interface too far out showed none, and the ray drawn
    // last is an earlier one.
    if (!liveIncidence(object_, aim_))
        return false;
    return fixRayAt(lastRay_.hitX);
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
    s.setPenWidth(kScreenPens.objectDot);
    s.dot(object_.x, object_.y, kBlack);
    s.setPenWidth(1);
    drawInterfaceLine(s, kBlack);
    drawMarkers();
}

void RayPathScene::drawOnPaper(Surface &page)
{
    drawRays(page, kPaperPens);
    markersOn(page, kPaperPens);
}

}  // namespace raypath
