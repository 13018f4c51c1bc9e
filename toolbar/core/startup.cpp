#include "toolbar/core/startup.h"

#include "desktop/localclock.h"
#include "desktop/shellprocedures.h"
#include "desktop/textfile.h"
#include "toolbar/core/datafiles.h"
#include "toolbar/core/naming.h"
#include "toolbar/core/userdatafolder.h"

#include <chrono>

namespace toolbar {

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

} // namespace toolbar
