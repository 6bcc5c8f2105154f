#include "canvas/window_controls.h"

#include <QAbstractButton>
#include <QWidget>

namespace canvas {

void ChainTabOrder(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *w : controls) {
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            b->setAccessibleName(b->text());
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

QRect SceneBox(const DrawingField &field, const QRectF &scene)
{
    return QRect(field.toPixel(scene.left(), scene.top()),
                 field.toPixel(scene.right(), scene.bottom()));
}

}  // namespace canvas
