#include "ui/screen_pointer.h"


#include <QCursor>
#include <QGuiApplication>

namespace ui {

using namespace canvas;

void setScreenPointer(Pointer code)
{
    if (code != Pointer::Cross && code != Pointer::NoDrop) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        return;
    }
    const QCursor cursor(code == Pointer::Cross ? Qt::CrossCursor : Qt::ForbiddenCursor);
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(cursor);
    else
        QGuiApplication::setOverrideCursor(cursor);
}

Pointer screenPointer()
{
    const QCursor *c = QGuiApplication::overrideCursor();
    if (!c)
        return Pointer::Arrow;
    return c->shape() == Qt::CrossCursor ? Pointer::Cross : Pointer::NoDrop;
}

}  // namespace ui
