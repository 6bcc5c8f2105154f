#include "ui/screen_pointer.h"

#include "canvas/drawing_field.h"

#include <QCursor>
#include <QGuiApplication>

namespace ui {

using namespace canvas;

void setScreenPointer(int code)
{
    if (code != kCrossPointer && code != kNoDropPointer) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        return;
    }
    const QCursor cursor(code == kCrossPointer ? Qt::CrossCursor : Qt::ForbiddenCursor);
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(cursor);
    else
        QGuiApplication::setOverrideCursor(cursor);
}

int screenPointer()
{
    const QCursor *c = QGuiApplication::overrideCursor();
    if (!c)
        return kArrowPointer;
    return c->shape() == Qt::CrossCursor ? kCrossPointer : kNoDropPointer;
}

}  // namespace ui
