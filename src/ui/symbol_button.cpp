#include "ui/symbol_button.h"

#include <QKeyEvent>
#include <QPainter>

namespace ui {

SymbolButton::SymbolButton(const QString &name, QWidget *parent) : QAbstractButton(parent)
{
    setText(name);
    setCheckable(true);
    setFocusPolicy(Qt::TabFocus);
    // The picture covers the whole box.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SymbolButton::setScale(double x1, double y1, double x2, double y2)
{
    raster_.setScale(x1, y1, x2, y2);
}

void SymbolButton::setSymbol(std::function<void(canvas::Surface &)> draw)
{
    drawSymbol_ = std::move(draw);
    drawn_ = false;
    update();
}

const QImage &SymbolButton::symbolImage()
{
    // Drawn at the screen's device pixels, as the fields are.
    if (raster_.fitTo(size(), devicePixelRatioF()))
        drawn_ = false;
    if (!drawn_ && drawSymbol_) {
        drawSymbol_(raster_);
        drawn_ = true;
    }
    return raster_.image();
}

void SymbolButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QImage symbol = symbolImage();
    symbol.setDevicePixelRatio(devicePixelRatioF());
    p.drawImage(0, 0, symbol);
    if (isChecked()) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void SymbolButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        break;
    default:
        // Other keys go on to the window, as they do from any box of the
        // column; a button's arrow keys would move the focus instead.
        QWidget::keyPressEvent(event);
    }
}

// Qt delivers the second press of a double click as a double click, which a
// button takes as a press of its own: a teacher's habitual double click would
// arm the symbol and disarm it at once. The pair acts as its first click.
void SymbolButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

}  // namespace ui
