// The ray-path scene: rays leave the object point P, meet the interface and
// are drawn refracted, reflected, extended and with their normals; point and
// eye markers lie on top. The scene keeps the rays, the markers, P and the
// index, and draws itself onto any surface: the screen field, paper, or a
// test's recording.
#pragma once

#include "canvas/eye_symbol.h"
#include "canvas/field_event.h"
#include "canvas/surface.h"
#include "optics/ray_geometry.h"
#include "raypath/ray_drawing.h"

#include <memory>
#include <optional>
#include <vector>

namespace raypath {


inline constexpr int kMaxRays = 100;
inline constexpr int kMaxMarkers = 20;

// The pens of the scene, in pixels of the surface: the screen's, and the
// wider ones of paper. Only the screen erases.
struct RayPathPens {
    double objectDot;             // P
    double interfaceLine;         // the interface of a full picture
    double interfaceHalfLength;   // in scene units
    double rays;                  // fixed rays, the live ray, the mended interface
    RayLook look;                 // how extensions look
    double pointMarker;
    canvas::EyePens eye;
    int clearedEyeMargin;         // the white disc around an eye cleared
};
inline constexpr RayPathPens kScreenPens{
    .objectDot = 5, .interfaceLine = 2, .interfaceHalfLength = 2000, .rays = 1,
    .look = {.extensionColour = canvas::kBlack, .extensionStyle = canvas::LineStyle::Dotted},
    .pointMarker = 5, .eye = {.circle = 3, .pupil = 15}, .clearedEyeMargin = 5};
inline constexpr RayPathPens kPaperPens{
    .objectDot = 20, .interfaceLine = 3, .interfaceHalfLength = 1200, .rays = 2,
    .look = {.extensionColour = qRgb(100, 100, 100), .extensionStyle = canvas::LineStyle::Dashed},
    .pointMarker = 20, .eye = {.circle = 10, .pupil = 50}, .clearedEyeMargin = 0};

using canvas::MouseButtons;
using canvas::Pointer;

// The palette symbol a left drag in the field places instead of a ray.
enum class MarkerSymbol { None, Point, Eye };

// The segments of a live ray as drawn: they are erased along them when the
// ray cannot be taken back as an overlay.
struct DrawnRay {
    float hitX = 0;
    Point refractedEnd, refractedBackEnd, reflectedEnd, reflectedBackEnd;
};

class RayPathGesture;

class RayPathScene
{
public:
    // Draws on `screen` from now on.
    explicit RayPathScene(canvas::Surface &screen);
    ~RayPathScene();

    // Where every change is drawn: the field, or a test's recording.
    canvas::Surface &screen() { return *screen_; }
    void setScreen(canvas::Surface &screen) { screen_ = &screen; }

    // The whole picture anew: clears the screen, then P, the interface, the
    // fixed rays and the markers.
    void redraw();
    // P, the interface, the fixed rays and the markers over what is there.
    void redrawRays();
    // The field's first picture: the interface across the field and P.
    void drawFirstPicture();
    // The ray from P towards the aim point, its reflection in the live grey,
    // if P and the aim point make one; its segments as drawn.
    std::optional<DrawnRay> drawLiveRay(Point aim);
    // A live ray erased in white along its segments, whether it still shows
    // or not, and the picture drawn again over the gap: the interface and
    // every fixed ray and marker.
    void eraseLiveRay(const std::optional<DrawnRay> &ray);
    // The live ray let go: kept as a fixed ray if the user saw it and the
    // store has room, and the picture mended where it lay.
    void fixLiveRay(const std::optional<DrawnRay> &ray);

    // The parts of each ray the check boxes choose; the picture is redrawn.
    void setParts(const RayParts &parts);
    const RayParts &parts() const { return parts_; }

    // The index n of the lower medium (below 1 the upper one is the denser);
    // the picture is redrawn.
    void setIndex(float n);
    float index() const { return index_; }
    // n or 1/n, as seen from the side of P.
    double effectiveIndex() const { return effectiveIndex_; }

    // P moved to p (a press of the right button): the fan of fixed rays
    // turns with it and the picture is redrawn.
    void moveObject(Point p);
    // P dragged on to p: the picture drawn anew on a cleared field, P's dot
    // first.
    void dragObject(Point p);
    Point objectPoint() const { return object_; }

    // The field's presses, moves and releases. A press of the left or the
    // right button hands its moves and its release to one gesture: a live
    // ray, an armed symbol placed, or P dragged. A move shows the crosshair
    // near P, where the right button grabs it.
    canvas::PointerChange handle(const canvas::FieldEvent &event);
    // A finger or a pen tip put down at a point: it places an armed symbol
    // as the left button does, drags P from within P's square as the right
    // button does, and elsewhere draws a ray as the left button does.
    MouseButtons touchRoleAt(QPointF at) const;

    // Keeps a ray through the interface at hitX; false when the store is
    // full. It shows with the next redraw.
    bool fixRayAt(float hitX);
    // "Strahlen löschen": the fixed rays go, P, the interface and the
    // markers stay.
    void clearRays();
    const std::vector<float> &rayHits() const { return rayHits_; }

    // A click on a palette symbol arms it, a second one disarms it; arming
    // one disarms the other.
    void toggleSymbol(MarkerSymbol symbol);
    MarkerSymbol armedSymbol() const { return armed_; }
    void disarmSymbol() { armed_ = MarkerSymbol::None; }
    // An armed symbol at a place, as it will be kept there: an eye looks at
    // the point marker placed last.
    void drawSymbol(MarkerSymbol symbol, Point at);
    // Keep a marker; false when the store of its kind is full. It shows
    // with the next redraw.
    bool addPointMarker(Point p);
    bool addEyeMarker(Point p);
    // "Markierungen löschen": every marker is painted over in white.
    void clearMarkers();
    const std::vector<Point> &pointMarkers() const { return pointMarkers_; }
    const std::vector<Point> &eyeMarkers() const { return eyeMarkers_; }

    // The rays and markers on paper, with the paper's pens.
    void drawOnPaper(canvas::Surface &page);

private:
    void drawRays(canvas::Surface &s, const RayPathPens &pens);
    void setObject(Point p);
    Point eyeTarget() const;
    // Within P's square, where the pointer is a crosshair and a finger
    // grabs P.
    bool nearObject(Point at) const;
    void markersOn(canvas::Surface &s, const RayPathPens &pens);
    void drawMarkers();

    canvas::Surface *screen_;
    RayParts parts_;
    Point object_{0, 500};
    float index_ = 1.33f;
    double effectiveIndex_ = 1.33f;
    std::vector<float> rayHits_;
    std::vector<Point> pointMarkers_, eyeMarkers_;
    // Where each eye marker looks: the point marker placed last before it.
    std::vector<Point> eyeLooks_;
    MarkerSymbol armed_ = MarkerSymbol::None;
    // The gestures of the left and the right button while each is held.
    std::unique_ptr<RayPathGesture> leftGesture_, rightGesture_;
};

}  // namespace raypath
