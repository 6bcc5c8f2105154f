// Working the imaging field with the mouse: the left button places and drags
// the eye in the upper half, the right button the object point P in the lower
// half, or, in row mode, adds a point to the row. During a drag only the moved
// symbol is erased and drawn again; the release rebuilds the whole picture.
#include "imaging/form2.h"

#include "ui/screen_pointer.h"
#include "optics/point_grid.h"

#include <QCheckBox>

namespace imaging {

using namespace canvas;
using namespace ui;

namespace {

// The eye stays this far above the interface while dragged (and in single
// point mode also when placed); in row mode a press may put it down to
// kRowEyeLimit below the interface.
constexpr float kEyeLimit = -50;
constexpr float kRowEyeLimit = 50;
// P never comes closer to the interface than this; a press between
// kObjectPressLimit and kObjectPressDepth below it puts P at that depth.
constexpr float kObjectDepth = 50;
constexpr float kObjectPressLimit = 10;
constexpr float kObjectPressDepth = 100;
// Between -kObjectDeadBand and kObjectPressLimit a drag of P does nothing.
constexpr float kObjectDeadBand = 10;

}  // namespace

void Form2::Picture1_MouseDown(int button, float x, float y)
{
    const bool rows = rowMode();
    if (button == kLeftButton) {
        if (y <= (rows ? kRowEyeLimit : kEyeLimit)) {
            setScreenPointer(kCrossPointer);
            EraseEye();
            EyeX = x;
            EyeY = y;
            DrawEye();
        } else {
            setScreenPointer(kNoDropPointer);
        }
    } else if (button == kRightButton && !rows) {
        if (y < kObjectPressLimit) {
            Picture1->MousePointer(kNoDropPointer);
            return;
        }
        setScreenPointer(kCrossPointer);
        eraseObjectDot();
        ObjectX = x;
        ObjectY = y < kObjectPressDepth ? kObjectDepth : y;
        drawObjectDot();
    } else if (button == kRightButton) {
        // A full row takes no further point: P stays and nothing is drawn.
        rowPressRefused = PointCount >= kMaxRowPoints;
        if (rowPressRefused)
            return;
        // The dot of the previous point stays: it is the last point of the row.
        setScreenPointer(kCrossPointer);
        const Point p = Raster->isChecked() ? snapToGrid(x, y) : Point{x, y};
        ObjectX = p.x;
        ObjectY = p.y;
        drawObjectDot();
    }
}

void Form2::Picture1_MouseMove(int buttons, float x, float y)
{
    if (buttons == kLeftButton && y <= kEyeLimit) {
        setScreenPointer(kCrossPointer);
        EraseEye();
        EyeX = x;
        EyeY = y;
        DrawEye();
    }
    if (buttons == kLeftButton && y > kEyeLimit)
        setScreenPointer(kNoDropPointer);
    if (buttons == kRightButton && rowMode() && rowPressRefused)
        return;
    if (buttons == kRightButton && y >= kObjectPressLimit) {
        // No snapping while dragging, also in row mode.
        setScreenPointer(kCrossPointer);
        eraseObjectDot();
        ObjectX = x;
        ObjectY = y < kObjectDepth ? kObjectDepth : y;
        drawObjectDot();
    }
    if (buttons == kRightButton && y < -kObjectDeadBand)
        setScreenPointer(kNoDropPointer);
}

void Form2::Picture1_MouseUp(int button, float, float)
{
    setScreenPointer(kArrowPointer);
    Surface &s = surface();
    const bool rows = rowMode();
    if (button == kLeftButton && !rows) {
        Picture1->MousePointer(kArrowPointer);
        s.Cls();
        DrawEye();
        drawObjectDot();
        drawInterfaceLine();
        if (ObjectY >= kObjectDepth)
            DrawBundle();
        drawGridIfTicked();
    } else if (button == kLeftButton) {
        Picture1->MousePointer(kArrowPointer);
        s.Cls();
        DrawEye();
        drawInterfaceLine();
        drawGridIfTicked();
        ConstructRowImages();
        DrawRowPoints();
        DrawBundle();
    } else if (button == kRightButton && !rows) {
        s.Cls();
        drawObjectDot();
        DrawEye();
        drawInterfaceLine();
        drawGridIfTicked();
        if (ObjectY >= kObjectDepth)
            DrawBundle();
    } else if (button == kRightButton) {
        if (rowPressRefused || PointCount >= kMaxRowPoints) {
            rowPressRefused = false;
            return;
        }
        ++PointCount;
        PointX[PointCount] = ObjectX;
        PointY[PointCount] = ObjectY;
        s.Cls();
        drawInterfaceLine();
        drawGridIfTicked();
        DrawRowPoints();
        ConstructRowImages();
        DrawEye();
        if (ObjectY >= kObjectDepth)
            DrawBundle();
        drawGridIfTicked();
    }
    Picture1->MousePointer(kArrowPointer);
}

void Form2::Command1_Click()
{
    Surface &s = surface();
    s.Cls();
    PointCount = 0;
    drawInterfaceLine();
    DrawEye();
    drawGridIfTicked();
    drawObjectDot();
    s.DrawWidth(1);
}

}  // namespace imaging
