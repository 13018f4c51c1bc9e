#pragma once

#include <cstdio>
#include <string>

/// Replaces destination with the bytes in one step, the way every file of the programs is
/// replaced: the bytes go to a new file at the temporary path beside it (created there
/// afresh, so a link or file planted under that name is never written through), which
/// takes the destination's permissions, is flushed to disk and then renamed over the
/// destination. A failure at any point leaves the old file as it was and no temporary
/// file behind; it returns false with a readable reason in error.
bool replaceFileAtomically(const std::string &destination, const std::string &temporary, const std::string &bytes,
                           std::string &error);

/// The first step of such a replacement, for a writer that fills the file itself: a new
/// file at the temporary path, opened for writing and given the destination's permissions.
/// Null with a readable reason in error when it cannot be made (nothing is left behind).
std::FILE *createFreshTemporary(const std::string &destination, const std::string &temporary, std::string &error);
