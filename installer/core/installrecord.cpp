// Keeping the install log true to the disk while the install runs, and taking over from an
// earlier install into the same folder.

#include "installer/core/installengine.h"

#include "desktop/paths.h"
#include "desktop/shellprocedures.h"
#include "desktop/textfile.h"
#include "installer/core/installlog.h"
#include "installer/core/programfiles.h"

#include <algorithm>
#include <filesystem>

namespace setup {

namespace fs = std::filesystem;

namespace {

bool contains(const std::vector<std::string> &list, const std::string &entry)
{
    return std::find(list.begin(), list.end(), entry) != list.end();
}

// Only the entries Setup itself makes are removed on the earlier log's word.
bool isSetupsEntry(const std::string &path)
{
    const std::string name = Paths::fileName(path);
    return name == ProgramShortcut().LinkName || name == UninstallerShortcut().LinkName;
}

std::vector<std::string> logEntries(const InstallContext &install)
{
    std::vector<std::string> entries = install.globals.InstallList;
    for (const std::string &earlier : install.earlierEntries) {
        if (!contains(entries, earlier))
            entries.push_back(earlier);
    }
    return entries;
}

} // namespace

void NoteFailure(InstallContext &install, const std::string &reason)
{
    if (!reason.empty() && !contains(install.failureReasons, reason))
        install.failureReasons.push_back(reason);
}

void TakeOverEarlierInstall(InstallContext &install)
{
    const std::string &installPath = install.globals.InstallPath;
    const auto lines = TextFile::readLines(InstallLogPath(installPath));
    // A log that names another folder describes another install: nothing of it is taken.
    if (installPath.empty() || !lines || lines->empty() || lines->front() != "INSTALLPATH=" + installPath)
        return;
    for (auto line = lines->begin() + 1; line != lines->end(); ++line) {
        if (!line->empty() && Paths::entryExists(*line) && !contains(install.earlierEntries, *line))
            install.earlierEntries.push_back(*line);
    }
}

void KeepInstallLogCurrent(InstallContext &install)
{
    const std::string &installPath = install.globals.InstallPath;
    if (installPath.empty())
        return;
    std::string error;
    if (SaveInstallLog(installPath, logEntries(install), &error)) {
        install.logSaved = true;
        return;
    }
    NoteFailure(install, "The install log could not be written: " + error);
    if (!install.logSaved)
        DeleteFileQuietly(InstallLogPath(installPath));
}

void RetireEarlierEntries(InstallContext &install)
{
    std::vector<std::string> &earlier = install.earlierEntries;
    const std::vector<std::string> &made = install.globals.InstallList;
    for (const std::string &entry : earlier) {
        if (!contains(made, entry) && !Paths::isFolderItself(entry) && isSetupsEntry(entry))
            DeleteFileQuietly(entry);
    }
    // Innermost first, so that an emptied group lets the folder above it go too. Only an
    // empty folder can go this way.
    for (auto entry = earlier.rbegin(); entry != earlier.rend(); ++entry) {
        std::error_code ignored;
        if (!contains(made, *entry) && Paths::isFolderItself(*entry))
            fs::remove(fs::path(*entry), ignored);
    }
    earlier.erase(std::remove_if(earlier.begin(), earlier.end(),
                                 [](const std::string &entry) { return !Paths::entryExists(entry); }),
                  earlier.end());
}

} // namespace setup
