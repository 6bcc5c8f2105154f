#include "ui/fit_text.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace ui {

void widenToFit(QLineEdit *box, const QString &widest, bool keepRightEdge)
{
    const QMargins margins = box->textMargins();
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    // QLineEdit keeps a few pixels of its own on each side of the text.
    const int needed = box->fontMetrics().horizontalAdvance(widest) + margins.left()
                       + margins.right() + 2 * frame + 8;
    if (box->width() >= needed)
        return;
    const int grow = needed - box->width();
    box->setGeometry(keepRightEdge ? box->x() - grow : box->x(), box->y(), needed, box->height());
}

}  // namespace ui
