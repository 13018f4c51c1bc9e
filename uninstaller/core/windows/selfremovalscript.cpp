#include "uninstaller/core/selfremovalscript.h"

#include "desktop/paths.h"

namespace uninstall {

namespace {

// Paths in double quotes, so that folders with spaces work (no path holds a quote); a "%"
// doubled, so that the interpreter does not take it for a variable.
std::string quoted(const std::string &text)
{
    std::string result = "\"";
    for (char c : text)
        result += c == '%' ? std::string("%%") : std::string(1, c);
    return result + "\"";
}

} // namespace

SelfRemovalScript MakeSelfRemovalScript(const std::string &programFolder, const std::string &programFile,
                                        const std::string &scriptFolder, const std::string &scriptName, std::int64_t,
                                        bool removeScriptFolder)
{
    // Windows keeps a running program's file from being deleted, so the loop ends only once
    // the program has exited and released it; its process id is not needed.
    SelfRemovalScript script;
    script.lines = {
        "@Echo off",
        ":S",
        "cd /d " + quoted(Paths::join(programFolder, "")),
        "Del " + quoted(programFile),
        "If Exist " + quoted(Paths::join(programFolder, programFile)) + " Goto S",
        "cd /d " + quoted(Paths::join(scriptFolder, "")),
        "Del " + quoted(scriptName),
    };
    // The interpreter has read this whole line before the script is gone, so the rest of it
    // still runs; the folder can only go once it is no longer the current one.
    if (removeScriptFolder)
        script.lines.back() +=
            " & cd /d " + quoted(Paths::join(Paths::parentFolder(scriptFolder), "")) + " & rd " + quoted(scriptFolder);
    script.lineEnd = "\r\n";
    script.program = "cmd.exe";
    script.arguments = {"/c", Paths::join(scriptFolder, scriptName)};
    return script;
}

} // namespace uninstall
