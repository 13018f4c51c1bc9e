#pragma once

#include <QRectF>

class QPainter;

/// Paints the program's water drop: a blue drop with a dark outline and a glint, filling
/// most of the given square from its top edge down. The program's icon and Setup's welcome
/// picture both show this drop, so they look like one family at any size.
void paintWaterDrop(QPainter &painter, const QRectF &square);
