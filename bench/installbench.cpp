// Measures the whole install's fixed pacing with the real timer: an install through the
// real progress window and completion message into a temporary folder, from a package
// of small files, timed from start to end. The pacing alone is 7 x 600 ms of pauses,
// 8 x 200 ms of closing animation and 2000 ms of completion message: 7.8 seconds.
// Usage: installbench [work folder]. Runs offscreen unless QT_QPA_PLATFORM says otherwise.

#include "desktop/fake/fakedesktop.h"
#include "desktop/platform.h"
#include "installer/core/appfunctions.h"
#include "installer/core/programfiles.h"
#include "installer/ui/frmthird.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>

using namespace setup;

namespace fs = std::filesystem;

namespace {

double processCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

void makePackage(const fs::path &support)
{
    fs::create_directories(support);
    for (const std::string &name : ProgramFileNames())
        std::ofstream(support / name, std::ios::binary) << "#!/bin/sh\nexit 0\n";
    for (const char *program : {"Stowlet", "StowletUninstaller"})
        fs::permissions(support / program, fs::perms::owner_all, fs::perm_options::add);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const fs::path work = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "stowlet-installbench";
    fs::remove_all(work);
    makePackage(work / "package/Support");
    fs::create_directories(work / "applications");
    fs::create_directories(work / "Desktop");

    // The real shell, shortcut writer, event pump and wait; messages, sounds, folders and
    // settings from the fake, so that nothing asks and nothing of the user's is touched.
    FakeDesktop fake;
    const std::unique_ptr<Platform> platform = createPlatform("installbench");
    Desktop &real = platform->services();
    EventPump &pump = real.pump;
    Desktop desktop{fake, fake, real.shell, fake, real.shortcuts, fake, pump};
    SharedComponents &components = platform->sharedComponents();
    MessageWaitPlatform &wait = platform->messageWait();
    Globals globals;
    globals.SupportFolder = (work / "package/Support").string();
    globals.ProgramsFolder = (work / "applications").string();
    globals.DesktopFolder = (work / "Desktop").string();
    globals.StartMenuThisUser = true;
    globals.DesktopThisUser = true;
    globals.WaitTimer = std::make_unique<clsWaitableTimer>(wait);
    CreateFolderPath(globals, (work / "Stowlet").string());
    globals.InstallPath = (work / "Stowlet").string();

    frmThird progress(globals, desktop, components);
    progress.show();
    pump.yieldTimes(6);
    QElapsedTimer clock;
    const double cpuBefore = processCpuMilliseconds();
    clock.start();
    progress.StartInstall();
    const double wallMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const double cpuMs = processCpuMilliseconds() - cpuBefore;

    const double pacingMs = 7 * 600 + 8 * 200 + 2000;
    std::printf("platform %s\n", qPrintable(QApplication::platformName()));
    std::printf("whole install: %.0f ms (fixed pacing %.0f ms, the rest %.0f ms), CPU %.1f ms\n", wallMs, pacingMs,
                wallMs - pacingMs, cpuMs);
    fs::remove_all(work);
    return 0;
}
