// A palette button of the ray-path window: a grey box with a marker symbol
// on it, checked while its symbol is armed.
//
// It shows the symbol's picture, a single-line black frame while checked and
// a dotted ring while it has the keyboard focus. It takes the focus from Tab
// alone, so that a mouse click shows its choice by the frame only; Space,
// Return and Enter click it. Its text is not drawn: it names the button.
#pragma once

#include "canvas/raster_image.h"

#include <QAbstractButton>
#include <functional>

namespace ui {

class SymbolButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit SymbolButton(const QString &name, QWidget *parent = nullptr);

    // The scene units across the box, as a field's Scale.
    void setScale(double x1, double y1, double x2, double y2);
    // Draws the symbol onto the box's grey picture, the first time the
    // picture is needed and again at a new size.
    void setSymbol(std::function<void(canvas::Surface &)> draw);
    // The grey picture with the symbol, without frame and ring.
    const QImage &symbolImage();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    canvas::RasterImage raster_{canvas::kGrey};
    std::function<void(canvas::Surface &)> drawSymbol_;
    bool drawn_ = false;
};

}  // namespace ui
