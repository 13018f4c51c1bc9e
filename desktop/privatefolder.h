#pragma once

#include <string>

/// A folder of the user's own inside a shared folder (the system's temporary folder), for
/// handing files from one instance of a program to the next. Its name cannot be guessed and
/// nobody else may enter it, and every file in it is created new, never through a link or
/// over something already there: another user can neither have the program overwrite a file
/// of theirs choosing nor swap in a file that the program then reads or runs.
namespace PrivateFolder {

/// Creates a new folder inside parent, named prefix followed by random characters, that only
/// the running user can reach. Its path, or empty text with a readable reason in error.
std::string create(const std::string &parent, const std::string &prefix, std::string &error);

/// True when path is a folder (not a link to one) that only the running user can reach.
bool isPrivate(const std::string &path);

/// Copies source into target, which is created as a new file with source's permissions;
/// fails when anything, a link included, is at target already. A failed copy leaves nothing.
bool copyInto(const std::string &source, const std::string &target, std::string &error);

/// Writes content as the new file path, under the same rules as copyInto.
bool writeNew(const std::string &path, const std::string &content, std::string &error);

} // namespace PrivateFolder
