#pragma once

#include <QColor>

#include <cstdint>

class QWidget;

/// Spot colours are 24-bit values laid out 0x00BBGGRR (255 is red), as SpotData.txt keeps them.
QColor colorFromValue(std::int32_t value);
std::int32_t valueFromColor(const QColor &color);

/// Screen measures of the windows are given in twips (1/1440 inch): 15 twips a pixel at 96 DPI.
int twipsToPixels(const QWidget *widget, int twips);
