// What both main windows do alike with their controls.
#pragma once

#include "canvas/drawing_field.h"

#include <QRectF>
#include <initializer_list>

class QWidget;

namespace canvas {

// Tab visits the controls in this order, and each button and box carries its
// caption as its accessible name.
void ChainTabOrder(std::initializer_list<QWidget *> controls);

// The widget rectangle of a rectangle in the field's scene units, for the
// text boxes and labels placed inside a field.
QRect SceneBox(const DrawingField &field, const QRectF &scene);

// The field's mouse events to the window's handlers, positions as floats.
template <typename Form>
void ConnectMouse(DrawingField *field, Form *form)
{
    QObject::connect(field, &DrawingField::mouseDown, form, [form](int b, double x, double y) {
        form->Picture1_MouseDown(b, float(x), float(y));
    });
    QObject::connect(field, &DrawingField::mouseMove, form, [form](int b, double x, double y) {
        form->Picture1_MouseMove(b, float(x), float(y));
    });
    QObject::connect(field, &DrawingField::mouseUp, form, [form](int b, double x, double y) {
        form->Picture1_MouseUp(b, float(x), float(y));
    });
}

}  // namespace canvas
