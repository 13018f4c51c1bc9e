#pragma once

#include <QPixmap>

namespace toolbar {

/// The about box's picture: a row of drop spots, the toolbar's coloured squares,
/// drawn for the given size in device-independent pixels.
QPixmap aboutBanner(const QSize &size, qreal devicePixelRatio);

} // namespace toolbar
