#include "uninstaller/core/appfunctions.h"

#include "desktop/paths.h"
#include "uninstaller/core/installationfolder.h"
#include "uninstaller/core/installlog.h"
#include "uninstaller/core/protectedfolders.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace uninstall {

namespace fs = std::filesystem;

namespace {

bool isLink(const fs::path &path)
{
    std::error_code ec;
    return fs::is_symlink(fs::symlink_status(path, ec));
}

// "Normal attributes": a read-only entry becomes writable again. Links are never followed,
// so that a link in the log cannot make its target writable.
void makeWritable(const fs::path &path, fs::perms rights)
{
    if (isLink(path))
        return;
    std::error_code ignored;
    fs::permissions(path, rights, fs::perm_options::add, ignored);
}

void makeFileWritable(const fs::path &path)
{
    makeWritable(path, fs::perms::owner_read | fs::perms::owner_write);
}

void makeFolderWritable(const fs::path &path)
{
    makeWritable(path, fs::perms::owner_all);
}

// Deletes a folder with everything in it, read-only folders included (their entries can only
// go once they are writable). Links inside are removed, never followed. What cannot go stays;
// the result is why the folder itself did not go.
std::error_code removeTreeWithForce(const fs::path &folder)
{
    std::error_code ec;
    if (!fs::is_directory(fs::symlink_status(folder, ec))) {
        fs::remove(folder, ec);
        return ec;
    }
    makeFolderWritable(folder);
    for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec)) {
        std::error_code ignored;
        if (fs::is_directory(entry->symlink_status(ignored)))
            removeTreeWithForce(entry->path());
        else
            fs::remove(entry->path(), ignored);
    }
    fs::remove(folder, ec);
    return ec;
}

std::string reasonOf(const std::error_code &ec)
{
    return ec ? ec.message() : std::string("it is still there");
}

bool equalIgnoringCase(const std::string &first, const std::string &second)
{
    if (first.size() != second.size())
        return false;
    for (std::size_t i = 0; i < first.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(first[i])) != std::tolower(static_cast<unsigned char>(second[i])))
            return false;
    }
    return true;
}

} // namespace

void RemoveFile(UninstallContext &context, const std::string &path)
{
    if (!Paths::entryExists(path) || Paths::isFolderItself(path))
        return;
    EventPump &pump = context.desktop.pump;
    const fs::path file(path);
    pump.yield();
    makeFileWritable(file);
    pump.yield();
    std::error_code ec;
    fs::remove(file, ec);
    pump.yield();
    if (std::remove(path.c_str()) != 0 && !ec && errno != ENOENT) // second attempt, by name
        ec = std::error_code(errno, std::generic_category());
    if (Paths::entryExists(path))
        context.globals.Report.couldNotRemove(path, reasonOf(ec));
}

void RemoveFolder(UninstallContext &context, const std::string &path)
{
    if (!Paths::folderExists(path))
        return;
    if (IsProtectedFolder(path, KeptFolders(context))) {
        context.globals.Report.skipped(path);
        return;
    }
    EventPump &pump = context.desktop.pump;
    const fs::path folder(path);
    if (isLink(folder)) {
        // A link to a folder goes as a link; what it points at is not the install's.
        std::error_code ignored;
        fs::remove(folder, ignored);
        pump.yield();
        return;
    }
    pump.yield();
    Pause(context, 100);
    makeFolderWritable(folder);
    std::error_code ec;
    for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec)) {
        std::error_code ignored;
        if (fs::is_directory(entry->symlink_status(ignored)))
            continue; // subfolders go with the folder below
        pump.yield();
        makeFileWritable(entry->path());
        pump.yield();
        fs::remove(entry->path(), ignored);
        pump.yield();
        std::remove(Paths::systemText(entry->path()).c_str());
    }
    makeFolderWritable(folder);
    const std::error_code failed = removeTreeWithForce(folder);
    if (Paths::entryExists(path))
        context.globals.Report.couldNotRemove(path, reasonOf(failed));
    pump.yield();
}

bool IsFolderEmpty(UninstallContext &context, const std::string &path)
{
    if (!Paths::folderExists(path))
        return false;
    context.desktop.pump.yield();
    RemoveFile(context, Paths::join(path, "Thumbs.db"));
    std::error_code ec;
    const fs::directory_iterator entries(fs::path(path), ec);
    return !ec && entries == fs::directory_iterator();
}

void RemoveInstallFolder(UninstallContext &context, const std::string &line)
{
    Globals &globals = context.globals;
    const std::string path = InstallFolderOf(line);
    if (!InstallFolderRefusal(path, KeptFolders(context)).empty())
        return; // the removal checks every installation folder before it starts; this is the last guard
    // Only what the install and the programs made goes; anything else the user keeps there
    // stays, and the folder with it.
    const std::vector<std::string> owned = OwnedFileNames(globals.LogLines, path);
    std::vector<std::string> entries;
    std::error_code ec;
    for (fs::directory_iterator entry(fs::path(path), ec), end; !ec && entry != end; entry.increment(ec))
        entries.push_back(Paths::systemText(entry->path()));
    std::sort(entries.begin(), entries.end());
    for (const std::string &entry : entries) {
        const std::string name = Paths::fileName(entry);
        const bool ours = name == "Thumbs.db" || std::find(owned.begin(), owned.end(), name) != owned.end();
        if (!ours || Paths::isFolderItself(entry))
            globals.Report.kept(entry);
        else if (!equalIgnoringCase(Paths::join(path, name),
                                    globals.InstallLogPath)) // the log being read goes once it is read
            RemoveFile(context, entry);
    }
    if (IsFolderEmpty(context, path)) {
        std::error_code failed;
        fs::remove(fs::path(path), failed);
        if (Paths::entryExists(path))
            globals.Report.couldNotRemove(path, reasonOf(failed));
    }
}

} // namespace uninstall
