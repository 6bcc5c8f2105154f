// The imaging scene: an eye in the upper medium looks at an object point P
// in the lower medium; a narrow bundle of rays from P is refracted towards
// the eye, and the image point P' where their backward extensions meet is
// marked in red. Single points or rows of up to 100 points can be imaged.
//
// The scene holds the state of the view and draws itself on a surface: the
// screen field, a printed page or a test's recording. It knows no widget.
#pragma once

#include "canvas/eye_symbol.h"
#include "canvas/field_event.h"
#include "canvas/page.h"
#include "canvas/surface.h"
#include "optics/point.h"

#include <memory>
#include <optional>
#include <vector>

namespace imaging {

using optics::Point;

inline constexpr int kMaxRowPoints = 100;
// P is never placed or dragged closer to the interface than this; a point
// of a row may lie anywhere, and only from this depth on is its bundle drawn.
inline constexpr float kObjectDepth = 50;
// In row mode the eye may be put down as far as this below the interface.
inline constexpr float kRowEyeDepth = 50;

// The pens of the scene: the screen's, in its logical pixels, and the wider
// ones of paper, in 1/300 inch.
struct ImagingPens {
    double interfaceLine;
    double dots;  // P, the row's points and the red image points
    double grid;
    double bundle;
    canvas::EyePens eye;
};
inline constexpr ImagingPens kScreenPens{.interfaceLine = 2, .dots = 5, .grid = 1, .bundle = 1,
                                         .eye = {.circle = 3, .pupil = 15}};
inline constexpr ImagingPens kPaperPens{.interfaceLine = 1, .dots = 20, .grid = 3, .bundle = 1,
                                        .eye = {.circle = 10, .pupil = 50}};

using canvas::MouseButtons;
using canvas::Pointer;
using canvas::PointerChange;

class ImagingGesture;

class ImagingScene
{
public:
    explicit ImagingScene(canvas::Surface &screen);
    ~ImagingScene();

    // Every screen drawing goes to this surface: the field unless a test puts
    // a recording (or a checking wrapper) in its place.
    void setScreen(canvas::Surface &s) { screen_ = &s; }
    canvas::Surface &screen() { return *screen_; }

    Point eye() const { return eye_; }
    Point objectPoint() const { return objectPoint_; }
    float index() const { return index_; }
    const std::vector<Point> &rowPoints() const { return rowPoints_; }
    bool rowMode() const { return rowMode_; }
    bool gridShown() const { return gridShown_; }

    // Single points or rows of points; switching draws nothing.
    void setRowMode(bool rows) { rowMode_ = rows; }
    // The grid drawn, or its nodes painted over in white.
    void showGrid(bool shown);
    // The relative index n of the lower medium; the picture is drawn anew.
    void setIndex(float n);
    // The eye moved to a place: the picture follows it at once, drawn as the
    // release of a drag there shows it.
    void moveEye(Point at);
    // P moved to a place: in single-point mode the picture follows it, as the
    // eye's does; in row mode only its dot moves, as the row's next point.
    void moveObjectPoint(Point at);
    // Adds a point to the row; false, and nothing stored, when the row is full.
    bool storeRowPoint(Point p);
    bool rowFull() const { return int(rowPoints_.size()) >= kMaxRowPoints; }
    // The row's next point pressed in: its dot at the place, on the grid at
    // the nearest node, beside the dots of the row.
    void placeNextRowPoint(Point at);
    // The next point let go: stored where its dot is, on the grid at the
    // node nearest to it, and the picture drawn anew; false when the row
    // is full.
    bool storeNextRowPoint();
    // "Löschen": the row is emptied and the picture drawn without it.
    void clearRow();

    // The field's presses, moves and releases. A press of the left or the
    // right button hands its moves and its release to one gesture: the eye
    // dragged, P dragged, or the row's next point (gestures.h).
    PointerChange handle(const canvas::FieldEvent &event);
    // A finger or a pen tip put down at a point plays the left button's part
    // (the eye) above the interface, in row mode down to kRowEyeDepth, and
    // the right button's (P, or the row's next point) below.
    MouseButtons touchRoleAt(QPointF at) const;

    // What a fresh field shows: the picture of a single point.
    void paintFreshField();
    // The full picture of the current mode, as the user expects to see it.
    void redrawPicture();
    // The scene on paper at the printer's resolution, the screen renewed
    // alongside; the title and the index labels are the printout's.
    void drawOnPaper(canvas::PageSurface &page);

    // The whole picture, drawn anew after each of these; see imaging_redraws.cpp.
    void drawAfterEyeMoved();
    void drawAfterObjectMoved();
    void drawAfterRowPointStored();
    void drawAfterIndexChange();
    void drawAfterRowCleared();

private:
    void drawInterfaceLine();
    void drawObjectDot();
    void eraseObjectDot();
    void drawEye();
    void drawBundle();
    void drawRowImages();
    void drawRowPoints();
    void drawGrid();
    void eraseGrid();
    void drawGridIfShown();
    void drawBundleIfDeepEnough();

    void interfaceOn(canvas::Surface &s, const ImagingPens &pens);
    void bundleOn(canvas::Surface &s, const ImagingPens &pens);
    void rowImagesOn(canvas::Surface &s, const ImagingPens &pens);
    void rowPointsOn(canvas::Surface &s, const ImagingPens &pens);
    void gridOn(canvas::Surface &s, const ImagingPens &pens);
    void eyeOn(canvas::Surface &s, const ImagingPens &pens);
    void bundleOnPaper(canvas::PageSurface &page);

    canvas::Surface *screen_;
    // Positions and the index are held as float.
    Point objectPoint_{0, 500};
    Point eye_{300, -500};
    float index_ = 1.33f;
    std::vector<Point> rowPoints_;
    bool rowMode_ = false;
    bool gridShown_ = false;
    // The gestures of the left and the right button while each is held.
    std::unique_ptr<ImagingGesture> leftGesture_, rightGesture_;
};

}  // namespace imaging
