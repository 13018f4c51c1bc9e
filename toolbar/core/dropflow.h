#pragma once

#include "toolbar/core/appcontext.h"
#include "toolbar/core/dropitems.h"

#include <cstdint>
#include <string>

namespace toolbar {

/// The start of the message shown when a drop holds nothing that can be saved.
inline constexpr const char *FileFormatIncorrectMessage =
    "The file format is incorrect.\r\rThis error is common if you have tried to drop a thumbnail image onto a drop "
    "spot. If the image was a thumbnail, click the original image to enlarge it, and then drop the enlarged image "
    "onto the drop spot.";

/// True when the drop yields files; otherwise raises the toolbar, tells the user why
/// and returns false.
bool CheckDroppedFiles(AppContext &app, const DropPayload &payload);

/// Puts one dropped item at the destination, asking before it replaces an existing
/// file. True when the destination now holds the item.
bool CopyDroppedFile(AppContext &app, const DroppedItem &item, const std::string &destination);

/// Saves every item of a drop on a square into folder (the square's folder) under the
/// spot's next numbered names.
void HandleDrop(AppContext &app, std::int32_t square, const std::string &folder, const DropPayload &payload);

} // namespace toolbar
