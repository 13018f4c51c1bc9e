#pragma once

#include "desktop/twips.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

/// Pixels for a length in twips at the widget's logical horizontal resolution.
inline int twipsToPixels(const QWidget &widget, double twips)
{
    return TwipsToPixels(twips, widget.logicalDpiX());
}

/// Fills the widget with a ground colour and, when a valid text colour is given, draws its
/// text in that colour.
inline void paintWindow(QWidget &widget, const QColor &ground, const QColor &text = QColor())
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ground);
    if (text.isValid())
        palette.setColor(QPalette::WindowText, text);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}
