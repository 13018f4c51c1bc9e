#pragma once

#include <functional>
#include <string>
#include <vector>

/// Watches the flush, rename and copy calls this test program makes to the C library, by
/// defining fsync, fdatasync, rename and copy_file_range itself (the program's own definitions come before
/// the library's). No file operation of the code under test needs a hook for this, and
/// what is seen is what the system is asked to do, in order.
namespace SyscallWatch {

/// Starts recording afresh.
void start();

/// What was asked since start(), in order: "flush <path>" (the path the file had then)
/// and "rename <from> -> <to>".
std::vector<std::string> calls();

/// The next call of the kind ("flush", "rename" or "copy") fails with the given error
/// number without reaching the disk.
void failNext(const std::string &kind, int error);

/// Runs before each rename goes to the system, with its two paths; set to nothing to stop.
void onRename(std::function<void(const std::string &from, const std::string &to)> check);

} // namespace SyscallWatch
