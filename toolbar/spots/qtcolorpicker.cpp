#include "toolbar/spots/qtcolorpicker.h"

#include "toolbar/spots/spotcolor.h"

#include <QColorDialog>

namespace toolbar {

std::int32_t QtColorPicker::pickColor(std::int32_t current, QWidget *parent)
{
    const QColor picked = QColorDialog::getColor(colorFromValue(current), parent);
    return picked.isValid() ? valueFromColor(picked) : current;
}

} // namespace toolbar
