#include "qtcolorpicker.h"

#include "spotcolor.h"

#include <QColorDialog>

std::int32_t QtColorPicker::pickColor(std::int32_t current, QWidget *parent)
{
    const QColor picked = QColorDialog::getColor(colorFromValue(current), parent);
    return picked.isValid() ? valueFromColor(picked) : current;
}
