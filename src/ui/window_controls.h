// What both main windows do alike with their controls.
#pragma once

#include "canvas/drawing_field.h"

#include <QColor>
#include <QPalette>
#include <QRectF>
#include <initializer_list>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace ui {

using canvas::DrawingField;

// The controls of the windows, each named as the window calls it (also its
// objectName, by which the tests find it) and made with its caption.
QLabel *makeLabel(QWidget *parent, const char *name, const char *text);
// A hint inside a drawing field: opaque, black on white.
QLabel *makeFieldLabel(QWidget *field, const char *name, const char *text);
QPushButton *makeButton(QWidget *parent, const char *name, const char *text);
QCheckBox *makeCheckBox(QWidget *parent, const char *name, const char *text, bool ticked);
// A box that shows an index; the user reads it, but cannot type into it.
QLineEdit *makeIndexBox(QWidget *parent, const char *name, QColor background = QColor());
// Where both index scroll bars start: n = 1.33, water.
inline constexpr int kInitialIndexBarValue = 133;
// The scroll bar that sets the index: 50 to 200 (n times 100), steps of 1
// and 10, worked from the keyboard as well; its object name is "indexBar".
QScrollBar *makeIndexScrollBar(QWidget *parent);
void setBackground(QWidget *w, QPalette::ColorRole role, const QColor &colour);

// Tab visits the controls in this order, and each button and box carries its
// caption as its accessible name.
void chainTabOrder(std::initializer_list<QWidget *> controls);

// The widget rectangle of a rectangle in the field's scene units, for the
// text boxes and labels placed inside a field.
QRect sceneBox(const DrawingField &field, const QRectF &scene);

}  // namespace ui
