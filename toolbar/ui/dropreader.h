#pragma once

#include "dropitems.h"

#include <string>

class QMimeData;

/// Turns what a drag source offers into the items the drop flow saves. folder is the
/// target spot's folder (a drag source may be asked to write its file there).
DropPayload readDrop(const QMimeData &mime, const std::string &folder);
