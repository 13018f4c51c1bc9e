#pragma once

#include <optional>
#include <string>
#include <vector>

/// Plain 8-bit text files with CR LF line ends, as all three programs keep them.
namespace TextFile {

/// The file's lines, each without its line end (CR LF or LF), or nothing when the file
/// cannot be opened.
std::optional<std::vector<std::string>> readLines(const std::string &path);

/// Replaces the file with the given lines, each followed by CR LF. The text goes to a
/// temporary file beside the target, is flushed to disk and then renamed over it, so a
/// failure at any point leaves the old file as it was. On failure returns false and,
/// when error is given, a readable reason.
bool writeLinesAtomically(const std::string &path, const std::vector<std::string> &lines, std::string *error = nullptr);

/// Same, for content that is already complete.
bool writeAtomically(const std::string &path, const std::string &content, std::string *error = nullptr);

/// The temporary file beside path that a rewrite goes through; left behind only when a
/// save was cut short.
std::string temporaryNameFor(const std::string &path);

/// Removes the temporary file a replacement of the file left behind when the program
/// ended in the middle of it. Only a plain file of that name is removed.
void removeLeftover(const std::string &path);

} // namespace TextFile
