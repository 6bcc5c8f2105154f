// A printed page seen as a drawing surface: the drawing operations of the
// screen, in page units, plus the page's size and text.
//
// Page units come from the paper's size in twips (1/1440 inch): with W and H
// its width and height, Scale (-W/10, -H/10)-(W/10, H/10) puts the origin at
// the centre of the printable area, x to the right and y downward as on the
// screen, so the scene is drawn on paper at its screen coordinates.
#pragma once

#include "canvas/surface.h"

#include <QString>

class QPrinter;

namespace canvas {

class PageSurface : public Surface
{
public:
    // The paper's width and height in twips, as whole numbers.
    virtual int paperWidthTwips() const = 0;
    virtual int paperHeightTwips() const = 0;

    // The page's extent in page units, as set by Scale.
    double scaleLeft() const { return scaleLeft_; }
    double scaleTop() const { return scaleTop_; }
    double scaleWidth() const { return scaleWidth_; }
    double scaleHeight() const { return scaleHeight_; }

    // Text: the size in points of what follows, and the upper-left corner at
    // which the next text begins, in page units.
    void setFontSize(double points) { fontSize_ = points; }
    double fontSize() const { return fontSize_; }
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    virtual void printText(const QString &text) = 0;

    // Ends the page and the job and hands it to the printer.
    virtual void endDocument() = 0;

    // The printer behind the page, for its dialog; null for a page that is
    // not printed.
    virtual QPrinter *printer() { return nullptr; }

    void setScale(double x1, double y1, double x2, double y2) override
    {
        scaleLeft_ = x1;
        scaleTop_ = y1;
        scaleWidth_ = x2 - x1;
        scaleHeight_ = y2 - y1;
        scaleChanged();
    }

protected:
    virtual void scaleChanged() {}

private:
    double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 1, scaleHeight_ = 1;
    double fontSize_ = 10;
    double currentX_ = 0, currentY_ = 0;
};

}  // namespace canvas
