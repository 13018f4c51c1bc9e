#pragma once

#include <functional>
#include <string>

/// Putting files in place without ever leaving a partial one: the content goes to a
/// temporary file beside the destination, which is renamed over the destination only
/// once it is complete. An existing destination is therefore replaced in one step, and
/// a failure leaves it exactly as it was.
namespace FileCopy {

/// Copies source to destination, replacing an existing destination. On failure returns
/// false and a readable reason in error.
bool copyReplacing(const std::string &source, const std::string &destination, std::string &error);

/// Writes the bytes as the destination file, replacing an existing one.
bool writeReplacing(const std::string &bytes, const std::string &destination, std::string &error);

/// Moves a complete file (in the destination's folder) over the destination.
bool moveReplacing(const std::string &source, const std::string &destination, std::string &error);

/// True when both paths name the same existing file.
bool sameFile(const std::string &first, const std::string &second);

/// The temporary name used beside a destination while it is being written.
std::string temporaryNameFor(const std::string &destination);

/// The files another program fills for a drop, each kind under hidden names of its own.
enum class Transfer {
    Download,   ///< ".stowlet-download-1a2b3c4d.part"
    DirectSave, ///< ".stowlet-drop-1a2b3c4d.part", written by the drag source
};

/// A hidden name in folder for a file being received that nothing uses yet; the file is
/// not created here. Empty when no free name was found.
std::string transferPath(const std::string &folder, Transfer kind);

/// Removes the partial copies and received files a program that ended mid-drop left in
/// the folder: plain files whose names follow the temporary-name patterns, nothing else,
/// and none that inUse says this run is still filling.
void removeLeftovers(const std::string &folder, const std::function<bool(const std::string &name)> &inUse = {});

} // namespace FileCopy
