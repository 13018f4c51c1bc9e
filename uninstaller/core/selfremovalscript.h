#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace uninstall {

/// The script that outlives the uninstaller: it deletes the program's last copy once the
/// program has exited, then deletes itself. Each desktop build links its own script
/// (the desktop's command interpreter decides the language).
struct SelfRemovalScript
{
    std::vector<std::string> lines;
    std::string lineEnd; ///< what ends every line, the last one included
    std::string program; ///< what to start to run the script
    std::vector<std::string> arguments;
};

/// The script for the program file programFolder + programFile, run by the process
/// processId, to be written as scriptFolder + scriptName. With removeScriptFolder, the
/// script's last act removes scriptFolder, and only if it is empty by then.
SelfRemovalScript MakeSelfRemovalScript(const std::string &programFolder, const std::string &programFile,
                                        const std::string &scriptFolder, const std::string &scriptName,
                                        std::int64_t processId, bool removeScriptFolder = false);

} // namespace uninstall
