// Text boxes laid out in fractions of the window can be narrower than their
// text with a large font or a high screen scale; these grow them to fit.
#pragma once

#include <QString>

class QLineEdit;

namespace ui {

// Widens the box, if it must, so that `widest` shows whole; a box anchored
// at its right edge grows to the left.
void widenToFit(QLineEdit *box, const QString &widest, bool keepRightEdge);

}  // namespace ui
