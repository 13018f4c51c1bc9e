#include "uninstaller/core/selfremovalscript.h"

#include "desktop/paths.h"

namespace uninstall {

namespace {

// One argument for /bin/sh, whatever the path holds (spaces, quotes, "$").
std::string quoted(const std::string &text)
{
    std::string result = "'";
    for (char c : text) {
        if (c == '\'')
            result += "'\\''";
        else
            result += c;
    }
    return result + "'";
}

} // namespace

SelfRemovalScript MakeSelfRemovalScript(const std::string &programFolder, const std::string &programFile,
                                        const std::string &scriptFolder, const std::string &scriptName,
                                        std::int64_t processId, bool removeScriptFolder)
{
    // Linux lets a running program's file be deleted, so the file's presence alone says
    // nothing about the program having exited: the loop deletes it only once no process
    // with the program's id is left, and goes round until the file is gone.
    const std::string pid = std::to_string(processId);
    SelfRemovalScript script;
    script.lines = {
        "#!/bin/sh",
        "while :; do",
        "cd " + quoted(Paths::join(programFolder, "")) + " || exit 1",
        "kill -0 " + pid + " 2>/dev/null || rm -f -- " + quoted(programFile),
        "[ -e " + quoted(Paths::join(programFolder, programFile)) + " ] || break; sleep 0.2; done",
        "cd " + quoted(Paths::join(scriptFolder, "")) + " || exit 1",
        "rm -f -- " + quoted(scriptName),
    };
    if (removeScriptFolder)
        script.lines.back() += "; cd / && rmdir -- " + quoted(scriptFolder) + " 2>/dev/null";
    script.lineEnd = "\n";
    script.program = "/bin/sh";
    script.arguments = {Paths::join(scriptFolder, scriptName)};
    return script;
}

} // namespace uninstall
