#include "ui/number_text.h"

#include <QLocale>

namespace ui {

namespace {

QLocale numberLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

}  // namespace

QString numberText(float value)
{
    return numberLocale().toString(double(value), 'g', 7);
}

QString decimalText(double value, int decimals)
{
    return numberLocale().toString(value, 'f', decimals);
}

}  // namespace ui
