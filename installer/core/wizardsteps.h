#pragma once

#include "desktop/desktop.h"
#include "desktop/sharedcomponents.h"
#include "installer/core/setupglobals.h"

#include <string>
#include <vector>

namespace setup {

// The wizard's work that needs no window: the welcome page's preparations, the options
// page's defaults, the rule that keeps the installation folder named after the product,
// and the checks made when the options are accepted.

/// The messages the wizard shows, word for word.
inline constexpr const char *SelectFolderMessage = "Please select an Installation Folder";
std::string UnableToRegisterMessage(const std::string &componentPath);
std::string FolderNotCreatedMessage(const std::string &path);

/// Looks up the known folders the install works with, in a fixed order, each held without
/// a trailing separator (a root folder stays whole); a folder the desktop lacks is empty.
void LoadSystemFolders(Globals &globals, Desktop &desktop);

/// Makes sure the file-system service can be created: when it cannot, its component is
/// copied from the package into the system folder and registered (a second time if the
/// first registration could not start), and the service is tried again. When it still
/// cannot be created the user is told which file failed and false is returned: Setup ends.
bool EnsureFileSystemObject(Globals &globals, Desktop &desktop, SharedComponents &components);

/// Places and registers the components the installer's own pages need, each only when
/// the system folder lacks it. Nothing is reported and nothing is recorded for the log.
void EnsureInstallerRequirements(Globals &globals, Desktop &desktop, SharedComponents &components);

/// The folder of an existing installation, found through the program entries an install
/// makes (menus, desktops, the toolbar's log-on entry) and the usual place in the
/// program-files folder: a folder that holds an install log. Empty when there is none.
std::string ExistingInstallation(const Globals &globals, Desktop &desktop);

/// The installation folder first offered: an existing installation's folder; else the
/// product's folder in the program-files folder when that is there or can be made; else
/// beside the installer.
std::string DefaultInstallPath(const Globals &globals, const std::string &installerFolder, Desktop &desktop);

/// Where a frame of shortcut options puts its shortcut.
enum class ShortcutChoice { AllUsers, ThisUser, None };

/// One frame of shortcut options: which of its folder options are offered (each exactly
/// when its folder exists; "none" always is) and which one is chosen at first.
struct ShortcutFrame
{
    bool allUsersEnabled = false;
    bool thisUserEnabled = false;
    ShortcutChoice preselected = ShortcutChoice::None;
};

ShortcutFrame StartMenuOptions(const Globals &globals);
ShortcutFrame DesktopOptions(const Globals &globals);

/// Sets the four shortcut flags from the two frames' choices.
void SaveShortcutChoices(Globals &globals, ShortcutChoice startMenu, ShortcutChoice desktop);

/// The installation-folder text as the user typed it: a leading "~" (alone or before a
/// separator) is the home folder, as in a shell.
std::string ExpandHome(const std::string &text, const std::string &homeFolder);

/// The installation-folder text after one of its changes: a text that does not end in the
/// product name (compared case-sensitively) gets the product's folder appended, so that
/// choosing or typing a parent folder gives that parent + separator + "Stowlet". Empty
/// text and text that already ends in the name come back unchanged.
std::string InstallPathAfterChange(const std::string &text);

/// The entries of an existing folder that are not an earlier installation's own (its program
/// files, install log, the toolbar's data files and the temporary files their saves go
/// through), sorted; empty when the folder holds none or does not exist.
std::vector<std::string> ForeignEntries(const std::string &folder);

/// The question asked before installing into a folder that holds files of its own.
std::string ForeignFilesQuestion(const std::string &folder);

/// The text without leading and trailing spaces.
std::string TrimSpaces(const std::string &text);

/// The options page's acceptance of the installation folder: trims the text, refuses an
/// empty one, drops one trailing separator, asks first when an existing folder holds files
/// that are not an earlier installation's (No keeps the page open), creates (and records)
/// every missing folder of
/// the path and checks that the folder now exists. A path that is not absolute cannot be
/// created: it would depend on whichever folder a program happens to run in. On success
/// the folder becomes the install path; otherwise the user is told why and false is
/// returned, with folders created on the way left created and recorded.
bool AcceptInstallPath(Globals &globals, Desktop &desktop, const std::string &typed);

/// Of the drives (volume roots) offered, the one that holds the path: the longest root
/// that is the path or one of its ancestors. Empty when none holds it.
std::string DriveOfPath(const std::string &path, const std::vector<std::string> &driveRoots);

} // namespace setup
