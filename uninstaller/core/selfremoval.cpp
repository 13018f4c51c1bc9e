#include "uninstaller/core/appfunctions.h"

#include "desktop/paths.h"
#include "desktop/platformnames.h"
#include "desktop/privatefolder.h"
#include "uninstaller/core/selfremovalscript.h"

namespace uninstall {

void RemoveSelf(UninstallContext &context)
{
    Globals &globals = context.globals;
    if (IsFormLoaded(context, UninstallerNames::MainFormName))
        context.host.unloadForm();

    // The script goes beside the copy, into the hand-over folder, and removes that folder last.
    const bool handOver = !globals.HandOverFolder.empty();
    const std::string folder = handOver ? globals.HandOverFolder : globals.TempFolder;
    const std::string scriptName = PlatformNames::selfRemovalScriptName();
    const SelfRemovalScript script =
        MakeSelfRemovalScript(globals.AppFolder, Paths::fileName(context.desktop.shell.executablePath()), folder,
                              scriptName, context.host.processId(), handOver);
    std::string text;
    for (const std::string &line : script.lines)
        text += line + script.lineEnd;
    std::string error;
    // Created new, never through a link: a script someone else put there is never started.
    const bool written = PrivateFolder::writeNew(Paths::join(folder, scriptName), text, error);

    Pause(context, 200);
    globals.WaitTimer.reset();

    if (written)
        context.desktop.shell.startProgram(script.program, script.arguments, WindowStyle::Hidden, folder);
}

void AbandonUninstall(UninstallContext &context)
{
    if (context.globals.HandOverFolder.empty())
        return;
    RemoveFile(context, context.globals.InstallLogPath);
    RemoveSelf(context);
}

} // namespace uninstall
