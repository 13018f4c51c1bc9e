#include "selfremovalscript.h"

#include "paths.h"

namespace {

// Double quotes keep a path with spaces (a temporary folder under "Documents and
// Settings", a user name with a space) one word for the command interpreter.
std::string quoted(const std::string &path)
{
    return "\"" + path + "\"";
}

} // namespace

SelfRemovalScript MakeSelfRemovalScript(const std::string &programFolder, const std::string &programFile,
                                        const std::string &scriptFolder, const std::string &scriptName,
                                        std::int64_t)
{
    // Windows keeps a running program's file from being deleted, so the loop simply tries
    // until the file is gone, which is once the program has exited.
    SelfRemovalScript script;
    script.lines = {
        "@Echo off",
        ":S",
        "cd " + quoted(Paths::join(programFolder, "")),
        "Del " + quoted(programFile),
        "If Exist " + quoted(Paths::join(programFolder, programFile)) + " Goto S",
        "cd " + quoted(Paths::join(scriptFolder, "")),
        "Del " + quoted(scriptName),
    };
    script.lineEnd = "\r\n";
    return script;
}
