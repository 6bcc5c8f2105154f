// The ray-path scene: rays leave the object point P, meet the interface and
// are drawn refracted, reflected, extended and with their normals; point and
// eye markers lie on top. The scene keeps the rays, the markers, P and the
// index, and draws itself onto any surface: the screen field, paper, or a
// test's recording.
#pragma once

#include "canvas/eye_symbol.h"
#include "canvas/mouse_buttons.h"
#include "canvas/surface.h"
#include "optics/ray_geometry.h"
#include "raypath/ray_drawing.h"

#include <vector>

namespace raypath {


inline constexpr int kMaxRays = 100;
inline constexpr int kMaxMarkers = 20;

// The pens of the scene, in pixels of the surface: the screen's, and the
// wider ones of paper. Only the screen erases.
struct RayPathPens {
    int objectDot;                // P
    int interfaceLine;            // the interface of a full picture
    double interfaceHalfLength;   // in scene units
    int rays;                     // fixed rays, the live ray, the mended interface
    RayLook look;                 // how extensions look
    int pointMarker;
    canvas::EyePens eye;
    int clearedEyeMargin;         // the white disc around an eye cleared
};
inline constexpr RayPathPens kScreenPens{
    5, 2, 2000, 1, {canvas::kBlack, canvas::LineStyle::Dotted}, 5, {3, 15}, 5};
inline constexpr RayPathPens kPaperPens{
    20, 3, 1200, 2, {qRgb(100, 100, 100), canvas::LineStyle::Dashed}, 20, {10, 50}, 0};

using canvas::MouseButtons;

// The pointer over the field: a crosshair near P, where the right button
// grabs it.
using canvas::Pointer;

// The palette symbol a left drag in the field places instead of a ray.
enum class MarkerSymbol { None, Point, Eye };

// The segments of the ray drawn last, fixed or live: the live ray is erased
// along them before the next one is drawn.
struct DrawnRay {
    float hitX = 0;
    Point refractedEnd, refractedBackEnd, reflectedEnd, reflectedBackEnd;
};

class RayPathScene
{
public:
    // Draws on `screen` from now on.
    explicit RayPathScene(canvas::Surface &screen) : screen_(&screen) {}

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
    // The ray from P towards the aim point, in the live grey, if P and the
    // aim point make one.
    void drawLiveRay();

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
    Point objectPoint() const { return object_; }

    // The mouse in the field, in scene units.
    void press(MouseButtons button, float x, float y);
    void move(MouseButtons held, float x, float y);
    void release(MouseButtons button, float x, float y);
    Pointer pointer() const { return pointer_; }

    // Keeps the live ray as a fixed one, if the user saw it and the store
    // has room; true when it was kept.
    bool fixLiveRay();
    // Keeps a ray through the interface at hitX; false when the store is
    // full. It shows with the next redraw.
    bool fixRayAt(float hitX);
    // "Strahlen löschen": the fixed rays go, P, the interface and the
    // markers stay.
    void clearRays();
    const std::vector<float> &rayHits() const { return rayHits_; }
    const DrawnRay &lastRay() const { return lastRay_; }

    // A click on a palette symbol arms it, a second one disarms it; arming
    // one disarms the other.
    void toggleSymbol(MarkerSymbol symbol);
    MarkerSymbol armedSymbol() const { return armed_; }
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
    void keepRay(const RayConstruction &ray);
    void eraseLiveRay();
    void setObject(Point p);
    Point eyeTarget() const;
    void markersOn(canvas::Surface &s, const RayPathPens &pens);
    void drawMarkers();
    // The armed symbol at a place, and taken back again while it is dragged.
    void drawSymbol(Point at);
    void takeBackSymbol();
    void pressSymbol(float x, float y);
    void dragSymbol(float x, float y);
    void dropSymbol(float x, float y);

    canvas::Surface *screen_;
    RayParts parts_;
    Point object_{0, 500};
    float index_ = 1.33f;
    double effectiveIndex_ = 1.33f;
    std::vector<float> rayHits_;
    Point aim_;
    DrawnRay lastRay_;
    std::vector<Point> pointMarkers_, eyeMarkers_;
    // Where each eye marker looks: the point marker placed last before it.
    std::vector<Point> eyeLooks_;
    MarkerSymbol armed_ = MarkerSymbol::None;
    Pointer pointer_ = Pointer::Arrow;
};

}  // namespace raypath
