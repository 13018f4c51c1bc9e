#include "installengine.h"

#include "installlog.h"
#include "paths.h"
#include "programfiles.h"

namespace {

void pause(InstallContext &install, std::int32_t milliseconds)
{
    if (install.globals.WaitTimer)
        install.globals.WaitTimer->Wait(milliseconds);
}

void nothing(InstallContext &) {}

void writeLog(InstallContext &install)
{
    WriteInstallLog(install.globals);
}

void cleanUp(InstallContext &install)
{
    FinishScrollingProgressBar(install);
}

struct Row
{
    const char *status;
    void (*work)(InstallContext &);
    bool pauses;
    std::int32_t percentAfter;
};

// The install, one row per status line. The pauses let the user follow each step.
const Row installRows[] = {
    {StatusCreatingFolders, nothing, true, 10}, // the folder was made when the options were accepted
    {StatusRegisteringDlls, RegisterDlls, true, 15}, {StatusCopyingFiles, CopyFiles, true, 30},
    {StatusVerifyingFiles, nothing, true, 50},       {StatusVerifyingFiles, nothing, true, 60},
    {StatusCreatingIcons, CreateIcons, true, 75},    {StatusWritingInstallLog, writeLog, true, 85},
    {StatusCleaningUp, cleanUp, false, 100},
};

void startInstalledProgram(InstallContext &install)
{
    const std::string program = Paths::join(install.globals.InstallPath, ProgramExecutableName());
    if (!install.globals.InstallPath.empty() && Paths::fileExists(program))
        install.desktop.shell.startProgram(program, {}, WindowStyle::Normal, install.globals.InstallPath);
}

} // namespace

void StartInstall(InstallContext &install)
{
    ProgressWindow &window = install.window;
    window.showBusyPointer();
    for (const Row &row : installRows) {
        window.Status(row.status);
        row.work(install);
        if (row.pauses)
            pause(install, install.pacing.pause);
        window.ScrollBarPercent(row.percentAfter);
    }
    const CompletionMessage message = MakeCompletionMessage(FilesNotInstalled(install), install.pacing);
    window.Status(message.complete ? InstallationComplete : InstallationIncomplete);
    window.hideWindow();
    install.desktop.pump.yieldTimes(3);
    window.showCompletionMessage(message);
    startInstalledProgram(install);
    window.closeWindow();
}

void FinishScrollingProgressBar(InstallContext &install)
{
    std::int32_t percent = install.window.ScrollBarPercent();
    install.window.Status(StatusVerifyingInstallation);
    while (percent < 100) {
        pause(install, install.pacing.closingStep);
        percent += 2;
        install.window.ScrollBarPercent(percent);
    }
}

CompletionMessage MakeCompletionMessage(const std::vector<std::string> &notInstalled, const InstallPacing &pacing)
{
    if (notInstalled.empty())
        return {"Complete...", InstallationComplete, true, pacing.message};
    std::string names;
    for (const std::string &name : notInstalled)
        names += (names.empty() ? "" : ", ") + name;
    return {"Incomplete...", std::string(InstallationIncomplete) + "\rNot installed: " + names, false,
            pacing.incompleteMessage};
}
