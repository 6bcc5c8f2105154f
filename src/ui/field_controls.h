// What both views show inside their drawing field: an index box for each
// medium, at the upper right on either side of the interface, and a hint at
// the top and at the bottom saying which mouse button does what.
#pragma once

#include <QPointF>
#include <QString>

class QLabel;
class QLineEdit;

namespace canvas {
class DrawingField;
}

namespace ui {

// The index the bar sets, as the windows show it: n of the lower medium or,
// when the upper medium is the denser one (n < 1), the reciprocal 1/n of the
// upper one, to two decimals with halves going up. The other medium shows 1.
struct ShownIndex {
    bool upperDenser = false;
    float value = 1;
};
ShownIndex shownIndex(float n);

// One scene unit has the same length across and down: x runs from -1000 to
// 1000, y as far as the field's shape allows, with the interface y = 0 across
// its middle.
void setSquareScale(canvas::DrawingField &field);

class FieldControls
{
public:
    struct Hint {
        const char *name;
        const char *text;
        QPointF at;  // the scene point of its upper-left corner
    };
    // The boxes and hints are made with these object names and texts.
    FieldControls(canvas::DrawingField &field, const char *upperIndexName,
                  const char *lowerIndexName, Hint upper, Hint lower);

    // Puts them in place for the field's size and scale, the boxes wide
    // enough for any index the bar can set.
    void place();
    // The denser medium's box shows " n = " and its index, the other `oneText`.
    void showIndex(ShownIndex shown, const QString &oneText);
    void setIndexTexts(const QString &upper, const QString &lower);

private:
    canvas::DrawingField &field_;
    QLineEdit *upperIndex_;
    QLineEdit *lowerIndex_;
    QLabel *upperHint_;
    QLabel *lowerHint_;
    QPointF upperHintAt_, lowerHintAt_;
};

}  // namespace ui
