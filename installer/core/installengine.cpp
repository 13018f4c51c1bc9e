#include "installer/core/installengine.h"

#include "desktop/paths.h"
#include "installer/core/installlog.h"
#include "installer/core/programfiles.h"

namespace setup {

namespace {

void pause(InstallContext &install, std::int32_t milliseconds)
{
    if (install.globals.WaitTimer)
        install.globals.WaitTimer->Wait(milliseconds);
}

void nothing(InstallContext &) {}

void writeLog(InstallContext &install)
{
    KeepInstallLogCurrent(install);
}

void createIcons(InstallContext &install)
{
    CreateIcons(install);
    RetireEarlierEntries(install);
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
    {StatusCreatingIcons, createIcons, true, 75},    {StatusWritingInstallLog, writeLog, true, 85},
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
    // The log is kept current from the start, so that an install cut short can be undone.
    TakeOverEarlierInstall(install);
    KeepInstallLogCurrent(install);
    for (const Row &row : installRows) {
        window.Status(row.status);
        row.work(install);
        KeepInstallLogCurrent(install);
        if (row.pauses)
            pause(install, install.pacing.pause);
        window.ScrollBarPercent(row.percentAfter);
    }
    const CompletionMessage message =
        MakeCompletionMessage(FilesNotInstalled(install), install.failureReasons, install.pacing);
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

CompletionMessage MakeCompletionMessage(const std::vector<std::string> &notInstalled,
                                        const std::vector<std::string> &reasons, const InstallPacing &pacing)
{
    if (notInstalled.empty() && reasons.empty())
        return {"Complete...", InstallationComplete, true, pacing.message};
    std::string text = InstallationIncomplete;
    if (!notInstalled.empty()) {
        text += "\rNot installed: ";
        for (std::size_t n = 0; n < notInstalled.size(); ++n)
            text += (n == 0 ? "" : ", ") + notInstalled[n];
    }
    for (const std::string &reason : reasons)
        text += "\r" + reason;
    // A failure is read, not glanced at: the message stays until the user closes it.
    return {"Incomplete...", text, false, 0};
}

} // namespace setup
