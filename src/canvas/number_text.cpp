#include "canvas/number_text.h"

#include <QLocale>

namespace canvas {

QString NumberText(float value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(double(value), 'g', 7);
}

}  // namespace canvas
