#pragma once

#include <QColor>
#include <QIcon>

namespace toolbar {

/// An up or down arrow drawn at several sizes, so that it stays sharp at any screen scale
/// and on desktops without an icon theme.
QIcon arrowIcon(Qt::ArrowType direction, const QColor &color);

} // namespace toolbar
