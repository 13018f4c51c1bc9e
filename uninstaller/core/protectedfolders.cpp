#include "uninstaller/core/protectedfolders.h"

#include "desktop/knownfolders.h"
#include "desktop/paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace uninstall {

namespace fs = std::filesystem;

namespace {

// The absolute path with links and "." / ".." resolved as far as it exists, and without
// the empty last element a trailing separator leaves.
fs::path resolved(const std::string &path)
{
    std::error_code ec;
    fs::path result = fs::weakly_canonical(fs::path(path), ec);
    if (ec)
        result = fs::path(path).lexically_normal();
    if (!result.empty() && !result.has_filename() && result != result.root_path())
        result = result.parent_path();
    return result;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// True when folder is inside (or is) candidate: deleting candidate would take folder along.
bool isWithin(const fs::path &folder, const fs::path &candidate)
{
    auto inner = folder.begin();
    for (auto outer = candidate.begin(); outer != candidate.end(); ++outer, ++inner) {
        if (inner == folder.end() || lowerCase(inner->string()) != lowerCase(outer->string()))
            return false;
    }
    return true;
}

} // namespace

std::vector<std::string> UserFolders(UninstallContext &context)
{
    KnownFolders &folders = context.desktop.folders;
    std::vector<std::string> kept{folders.homeFolder(), folders.tempFolder(), context.globals.TempFolder};
    for (int csidl : {Csidl::Desktop, Csidl::CommonDesktop, Csidl::System, Csidl::MyPictures})
        kept.push_back(folders.specialFolder(csidl));
    kept.erase(std::remove(kept.begin(), kept.end(), std::string()), kept.end());
    return kept;
}

std::vector<std::string> KeptFolders(UninstallContext &context)
{
    std::vector<std::string> kept = UserFolders(context);
    for (int csidl : {Csidl::Programs, Csidl::Startup, Csidl::CommonPrograms, Csidl::ProgramFiles}) {
        const std::string folder = context.desktop.folders.specialFolder(csidl);
        if (!folder.empty())
            kept.push_back(folder);
    }
    return kept;
}

bool IsProtectedFolder(const std::string &path, const std::vector<std::string> &keptFolders)
{
    const fs::path candidate(path);
    if (path.empty() || !candidate.is_absolute())
        return true;
    const fs::path target = resolved(path);
    if (target.empty() || target == target.root_path())
        return true;
    return std::any_of(keptFolders.begin(), keptFolders.end(),
                       [&](const std::string &kept) { return isWithin(resolved(kept), target); });
}

bool LiesWithin(const std::string &path, const std::string &folder, bool directly)
{
    const fs::path entry = fs::path(path).lexically_normal();
    if (!entry.is_absolute() || !entry.has_filename() || folder.empty())
        return false;
    std::error_code ec;
    fs::path parent = fs::weakly_canonical(entry.parent_path(), ec);
    if (ec)
        return false;
    for (;;) {
        std::error_code differs;
        if (fs::equivalent(parent, fs::path(folder), differs) && !differs)
            return true;
        if (directly || parent == parent.root_path() || !parent.has_relative_path())
            return false;
        parent = parent.parent_path();
    }
}

} // namespace uninstall
