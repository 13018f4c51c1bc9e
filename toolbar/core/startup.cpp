#include "startup.h"

#include "datafiles.h"
#include "localclock.h"
#include "naming.h"
#include "shellprocedures.h"
#include "textfile.h"
#include "userdatafolder.h"

#include <chrono>

bool IsFirstRun(Desktop &desktop)
{
    return desktop.settings.getSetting(ProgramTitle, FirstRunSection, FirstRunKey, "") != "1";
}

unsigned StartupSeed()
{
    const std::tm local = LocalTimeNow();
    return static_cast<unsigned>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + 13);
}

void Main(AppContext &app, StartupWindows &windows, const std::string &programFolder)
{
    Globals &g = app.globals;
    g.random.seed(StartupSeed());
    g.FirstRun = IsFirstRun(app.desktop);
    if (g.FirstRun) {
        // Set as soon as the first run has begun, so the welcome never shows twice.
        app.desktop.settings.saveSetting(ProgramTitle, FirstRunSection, FirstRunKey, "1");
        app.desktop.messages.showMessage(WelcomeMessage);
        windows.showHelp();
    }
    ComputeDataPaths(g, programFolder);
    UseUserDataFolderWhenShared(app);
    // A toolbar that ended while rewriting a data file left its temporary file behind.
    TextFile::removeLeftover(g.OptionsPath);
    TextFile::removeLeftover(g.SpotDataPath);
    LoadOptions(app);
    LoadSpotData(app);
    ResetBaseNames(app);
    windows.showToolbar();
}
