#include "ui/number_text.h"

#include <QLocale>

namespace ui {

QString numberText(float value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(double(value), 'g', 7);
}

}  // namespace ui
