#pragma once

#include <QWidget>

#include <cmath>

/// Screen measures are kept in twips (1/1440 inch); widgets are laid out in pixels.
inline int twipsToPixels(const QWidget &widget, int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * widget.logicalDpiX() / 1440.0));
}
