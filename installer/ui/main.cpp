// Setup, until its wizard exists: installs into the folder given on the command line
// with the shortcut choices given there, through the real install engine and windows.
//   Setup [--start-menu all|this|none] [--desktop all|this|none] [installation folder]

#include "appfunctions.h"
#include "frmthird.h"
#include "linuxdesktop.h"
#include "linuxsharedcomponents.h"
#include "paths.h"
#include "qtext.h"
#include "qtmessagewait.h"
#include "shellprocedures.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

namespace {

void loadSystemFolders(Globals &globals, Desktop &desktop)
{
    const auto folder = [&desktop](int csidl) {
        return Paths::withoutTrailingSeparator(GetSpecialFolder(desktop, csidl));
    };
    globals.SystemFolder = folder(Csidl::System);
    globals.ProgramFilesFolder = folder(Csidl::ProgramFiles);
    globals.DesktopFolder = folder(Csidl::Desktop);
    globals.ProgramsFolder = folder(Csidl::Programs);
    globals.CommonDesktopFolder = folder(Csidl::CommonDesktop);
    globals.CommonProgramsFolder = folder(Csidl::CommonPrograms);
}

// "all" is taken only where that folder exists, else "this", as the wizard offers them.
void choose(const QString &choice, const std::string &common, const std::string &own, bool &allUsers, bool &thisUser)
{
    allUsers = choice == QLatin1String("all") && Paths::folderExists(common);
    thisUser = !allUsers && choice != QLatin1String("none") && Paths::folderExists(own);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Setup"));
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("start-menu"), QStringLiteral("Start-menu shortcuts: all, this or none."),
                      QStringLiteral("choice"), QStringLiteral("this")});
    parser.addOption({QStringLiteral("desktop"), QStringLiteral("Desktop shortcut: all, this or none."),
                      QStringLiteral("choice"), QStringLiteral("this")});
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("The installation folder."));
    parser.process(app);

    LinuxDesktop desktop(QStringLiteral("Setup"));
    LinuxSharedComponents components;
    QtMessageWait wait;
    Globals globals;
    globals.SupportFolder = Paths::join(fromQt(QApplication::applicationDirPath()), "Support");
    globals.WaitTimer = std::make_unique<clsWaitableTimer>(wait);
    loadSystemFolders(globals, desktop.services());
    choose(parser.value(QStringLiteral("start-menu")), globals.CommonProgramsFolder, globals.ProgramsFolder,
           globals.StartMenuAllUsers, globals.StartMenuThisUser);
    choose(parser.value(QStringLiteral("desktop")), globals.CommonDesktopFolder, globals.DesktopFolder,
           globals.DesktopAllUsers, globals.DesktopThisUser);

    const QStringList positional = parser.positionalArguments();
    const std::string folder = Paths::withoutTrailingSeparator(
        positional.isEmpty() ? Paths::join(globals.ProgramFilesFolder, ProductName)
                             : fromQt(QDir::cleanPath(QDir::current().absoluteFilePath(positional.front()))));
    CreateFolderPath(globals, folder);
    if (!Paths::folderExists(folder)) {
        desktop.services().messages.showMessage("The folder " + folder +
                                                " could not be created.\rPlease select "
                                                "another folder");
        return 1;
    }
    globals.InstallPath = folder;

    frmThird progress(globals, desktop.services(), components);
    progress.show();
    desktop.services().pump.yieldTimes(6);
    progress.StartInstall();
    return 0;
}
