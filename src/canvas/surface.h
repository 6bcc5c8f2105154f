// The drawing operations every picture of the program is made of.
//
// A surface has a user coordinate system (scene units, set by Scale), a
// current pen width in device pixels and a current line style. Each drawing
// routine of a view draws through this interface, so the same routine can
// draw on the screen field, on paper, or into a recording for the tests.
// What is drawn without a colour is black.
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

class Surface
{
public:
    virtual ~Surface();

    // (x1, y1) becomes the upper-left corner of the drawing area, (x2, y2)
    // the lower-right one; the mapping is linear in each axis.
    virtual void setScale(double x1, double y1, double x2, double y2) = 0;
    // Clears the whole surface to its background colour.
    virtual void clear() = 0;
    // A segment with the current pen width and line style. End points may
    // lie far outside; the surface clips.
    virtual void line(double x1, double y1, double x2, double y2, QRgb colour) = 0;
    void line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, kBlack); }
    // A circle outline; the radius is in scene units measured along x.
    virtual void circle(double x, double y, double r, QRgb colour) = 0;
    void circle(double x, double y, double r) { circle(x, y, r, kBlack); }
    // A filled round dot as wide as the pen.
    virtual void dot(double x, double y, QRgb colour) = 0;
    // A filled disc: radius r in scene units, widened by half the pen as a
    // circle outline of that radius would be. It removes a symbol at any
    // scale in one piece.
    virtual void disc(double x, double y, double r, QRgb colour) = 0;
    void dot(double x, double y) { dot(x, y, kBlack); }

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

    void setPenWidth(int w) { drawWidth_ = w < 1 ? 1 : w; }
    int penWidth() const { return drawWidth_; }
    void setLineStyle(LineStyle s) { drawStyle_ = s; }
    LineStyle lineStyle() const { return drawStyle_; }

private:
    int drawWidth_ = 1;
    LineStyle drawStyle_ = LineStyle::Solid;
};

}  // namespace canvas
