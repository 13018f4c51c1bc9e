#pragma once

#include <QPixmap>

namespace setup {

/// The welcome page's picture: a water drop falling into an open carton, painted at the
/// given size in device-independent pixels.
QPixmap InstallerArtwork(int size, qreal devicePixelRatio);

} // namespace setup
