// A surface that remembers every drawing call, with the pen it was drawn with.
#pragma once

#include "canvas/surface.h"

#include <QString>
#include <vector>

struct DrawOp {
    enum Kind { Cls, Line, Circle, PSet };
    Kind kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Line: both ends; Circle: centre, radius in x2
    QRgb colour = 0;
    int width = 1;
    int style = 0;
};

class RecordingSurface : public canvas::Surface
{
public:
    using Surface::Circle;
    using Surface::Line;
    using Surface::PSet;
    void Scale(double, double, double, double) override {}
    void Cls() override;
    void Line(double x1, double y1, double x2, double y2, QRgb colour) override;
    void Circle(double x, double y, double r, QRgb colour) override;
    void PSet(double x, double y, QRgb colour) override;

    std::vector<DrawOp> ops;
    // Calls that carried a NaN or an infinite coordinate.
    int nonFinite = 0;

    void clear() { ops.clear(); nonFinite = 0; }
    std::vector<DrawOp> of(DrawOp::Kind kind) const;
    int count(DrawOp::Kind kind) const { return int(of(kind).size()); }
    // Lines drawn in a colour (any width, any style).
    std::vector<DrawOp> lines(QRgb colour) const;
};

QString describe(const DrawOp &op);
