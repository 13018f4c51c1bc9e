#include "appfunctions.h"

#include "installlog.h"
#include "paths.h"
#include "protectedfolders.h"

#include <cctype>
#include <cstdio>
#include <filesystem>

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
// go once they are writable). Links inside are removed, never followed. Errors are ignored:
// what cannot go stays.
void removeTreeWithForce(const fs::path &folder)
{
    std::error_code ec;
    if (!fs::is_directory(fs::symlink_status(folder, ec))) {
        fs::remove(folder, ec);
        return;
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
    if (!Paths::fileExists(path))
        return;
    EventPump &pump = context.desktop.pump;
    const fs::path file(path);
    pump.yield();
    makeFileWritable(file);
    pump.yield();
    std::error_code ignored;
    fs::remove(file, ignored);
    pump.yield();
    std::remove(path.c_str()); // second attempt, by name
}

void RemoveFolder(UninstallContext &context, const std::string &path)
{
    if (!Paths::folderExists(path) || IsProtectedFolder(path, KeptFolders(context)))
        return;
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
        std::remove(entry->path().string().c_str());
    }
    makeFolderWritable(folder);
    removeTreeWithForce(folder);
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
    const std::string path = InstallFolderOf(line);
    if (IsProtectedFolder(path, KeptFolders(context)))
        return; // a log that names the home or a desktop folder must not take it along
    const std::string logThere = Paths::join(path, UninstallerNames::InstallLogName);
    if (!equalIgnoringCase(logThere, context.globals.InstallLogPath))
        RemoveFile(context, logThere);
    removeTreeWithForce(fs::path(path));
}
