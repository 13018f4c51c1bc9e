#include "appfunctions.h"

#include "paths.h"
#include "platformnames.h"
#include "selfremovalscript.h"
#include "textfile.h"

void RemoveSelf(UninstallContext &context)
{
    Globals &globals = context.globals;
    if (IsFormLoaded(context, UninstallerNames::MainFormName))
        context.host.unloadForm();

    const std::string scriptName = PlatformNames::selfRemovalScriptName();
    const std::string scriptPath = Paths::join(globals.TempFolder, scriptName);
    const SelfRemovalScript script =
        MakeSelfRemovalScript(globals.AppFolder, Paths::fileName(context.desktop.shell.executablePath()),
                              globals.TempFolder, scriptName, context.host.processId());
    std::string text;
    for (const std::string &line : script.lines)
        text += line + script.lineEnd;
    TextFile::writeAtomically(scriptPath, text);

    Pause(context, 200);
    globals.WaitTimer.reset();

    context.desktop.shell.startProgram(script.program, script.arguments, WindowStyle::Hidden, globals.TempFolder);
}
