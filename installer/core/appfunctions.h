#pragma once

#include "desktop/desktop.h"
#include "desktop/sharedcomponents.h"
#include "installer/core/setupglobals.h"

#include <string>

namespace setup {

/// Creates every missing folder of the path, outermost first, and records each folder it
/// created in the install list. Folders that already exist are passed over unrecorded.
/// The first folder that cannot be created ends it; deeper levels are not attempted.
void CreateFolderPath(Globals &globals, const std::string &path);

/// Registers one shared component silently with the desktop's registration tool and
/// waits for the tool to end. True when the tool could be started; its own outcome is
/// not examined.
bool RegisterComponent(Desktop &desktop, SharedComponents &components, const std::string &componentPath);

/// Places a shared component from the package in the system folder unless a file of its
/// name is there already, and registers it after copying. An existing copy is neither
/// replaced nor registered again. False only when the copy failed.
bool PlaceSharedComponent(Globals &globals, Desktop &desktop, SharedComponents &components, const std::string &name);

/// The message shown when the installer cannot write in its own folder.
std::string InvalidInstallationMessage();

/// Proves that the installer can create, write, close and delete a small file in its own
/// folder. Every step is tried even after one has failed; when any failed, the user is
/// told and false is returned: Setup ends. Something other than a file already standing
/// under the test file's name is never deleted.
bool TestWriteRights(Desktop &desktop, const std::string &installerFolder);

} // namespace setup
