#include "ui/field_controls.h"

#include "canvas/drawing_field.h"
#include "ui/fit_text.h"
#include "ui/number_text.h"
#include "ui/window_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Scene rectangles of the index boxes.
const QRectF kUpperIndexBox(800, -950, 200, 100);
const QRectF kLowerIndexBox(800, 50, 200, 100);

QString indexText(float value)
{
    return QStringLiteral(" n = ") + numberText(value);
}

}  // namespace

ShownIndex shownIndex(float n)
{
    if (n >= 1)
        return {false, n};
    return {true, float(std::floor(100.0 / n + 0.5) / 100.0)};
}

void setSquareScale(canvas::DrawingField &field)
{
    const double r = double(field.width()) / field.height();
    field.setScale(-1000, -1000 / r, 1000, 1000 / r);
}

FieldControls::FieldControls(canvas::DrawingField &field, const char *upperIndexName,
                             const char *lowerIndexName, Hint upper, Hint lower)
    : field_(field),
      upperIndex_(makeIndexBox(&field, upperIndexName)),
      lowerIndex_(makeIndexBox(&field, lowerIndexName)),
      upperHint_(makeFieldLabel(&field, upper.name, upper.text)),
      lowerHint_(makeFieldLabel(&field, lower.name, lower.text)),
      upperHintAt_(upper.at),
      lowerHintAt_(lower.at)
{
    upperIndex_->setAccessibleName(QStringLiteral("Brechzahl oben"));
    lowerIndex_->setAccessibleName(QStringLiteral("Brechzahl unten"));
}

void FieldControls::place()
{
    upperIndex_->setGeometry(sceneBox(field_, kUpperIndexBox));
    lowerIndex_->setGeometry(sceneBox(field_, kLowerIndexBox));
    const QString widest = indexText(1.99f);
    widenToFit(upperIndex_, widest, true);
    widenToFit(lowerIndex_, widest, true);
    upperHint_->adjustSize();
    lowerHint_->adjustSize();
    upperHint_->move(field_.toPixel(upperHintAt_.x(), upperHintAt_.y()));
    lowerHint_->move(field_.toPixel(lowerHintAt_.x(), lowerHintAt_.y()));
    // The lower hint stays inside the field however small it is.
    if (lowerHint_->geometry().bottom() >= field_.height())
        lowerHint_->move(lowerHint_->x(),
                         std::max(0, field_.height() - lowerHint_->height() - 2));
}

void FieldControls::showIndex(ShownIndex shown, const QString &oneText)
{
    // Deliberate: below n = 1 the denser upper medium shows 1/n, the thinner 1; paper keeps n.
    const QString denser = indexText(shown.value);
    setIndexTexts(shown.upperDenser ? denser : oneText, shown.upperDenser ? oneText : denser);
}

void FieldControls::setIndexTexts(const QString &upper, const QString &lower)
{
    upperIndex_->setText(upper);
    lowerIndex_->setText(lower);
}

}  // namespace ui
