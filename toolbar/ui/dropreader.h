#pragma once

#include "desktop/directsave.h"
#include "toolbar/core/dropitems.h"

#include <string>

class QMimeData;

namespace toolbar {

/// Turns what a drag source offers into the items the drop flow saves. folder is the
/// target spot's folder: a drag source that saves directly (a browser on X11) is asked
/// to write its file there. Call it while the drop is being delivered: the drop's data,
/// and the drag source's attention, last only that long. Uses the desktop's installed
/// direct save.
DropPayload readDrop(const QMimeData &mime, const std::string &folder);

/// The same with the given direct save (none: the drop is read from its data alone).
DropPayload readDrop(const QMimeData &mime, const std::string &folder, DirectSave *directSave);

} // namespace toolbar
