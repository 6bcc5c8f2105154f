// The drawing operations every picture of the program is made of.
//
// A surface has a user coordinate system (scene units, set by Scale); each
// operation takes the pen it draws with, so no routine leaves a pen behind
// for the next. Each drawing routine of a view draws through this
// interface, so the same routine can draw on the screen field, on paper, or
// into a recording for the tests.
#pragma once

#include <QRgb>

namespace canvas {

inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kRed = qRgb(255, 0, 0);
inline constexpr QRgb kGrey = qRgb(192, 192, 192);

inline QRgb greyLevel(int g) { return qRgb(g, g, g); }

// Pointer shapes over a field, and over the whole screen while a drag is on.
enum class Pointer { Arrow, Cross, NoDrop };

// Line styles: the screen draws extensions dotted, paper dashed.
enum class LineStyle { Solid, Dashed, Dotted };

// What a drawing operation draws with. Widths are logical pixels on the
// screen (device pixels at the screen's ratio) and 1/300 inch on paper,
// converted once in each surface; a width below 1 draws as 1. The style
// counts for lines; dots and dashes scale with the width.
struct Pen {
    double width = 1;
    QRgb colour = kBlack;
    LineStyle style = LineStyle::Solid;
};

class Surface
{
public:
    virtual ~Surface();

    // (x1, y1) becomes the upper-left corner of the drawing area, (x2, y2)
    // the lower-right one; the mapping is linear in each axis.
    virtual void setScale(double x1, double y1, double x2, double y2) = 0;
    // Clears the whole surface to its background colour.
    virtual void clear() = 0;
    // A segment. End points may lie far outside; the surface clips.
    virtual void line(double x1, double y1, double x2, double y2, const Pen &pen) = 0;
    // A circle outline; the radius is in scene units measured along x.
    virtual void circle(double x, double y, double r, const Pen &pen) = 0;
    // A filled round dot as wide as the pen.
    virtual void dot(double x, double y, const Pen &pen) = 0;
    // A filled disc: radius r in scene units, widened by half the pen as a
    // circle outline of that radius would be. It removes a symbol at any
    // scale in one piece.
    virtual void disc(double x, double y, double r, const Pen &pen) = 0;

    // Something drawn over the picture for a moment, such as the ray that
    // follows the mouse. The screen notes the pixels it covers, so that
    // takeBackOverlay can put them back as they were.
    virtual void beginOverlay() {}
    virtual void endOverlay() {}
    // Takes back what was drawn between beginOverlay and endOverlay since
    // the last take-back. Returns false if it cannot: something else was
    // drawn in the meantime, or the surface keeps nothing; the caller then
    // erases and redraws as it would without an overlay.
    virtual bool takeBackOverlay() { return false; }

};

}  // namespace canvas
