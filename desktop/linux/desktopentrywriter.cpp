#include "desktopentrywriter.h"

#include "paths.h"
#include "textfile.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Quotes an Exec argument as the desktop entry format asks for.
std::string quotedExec(const std::string &path)
{
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

// Values may not hold line breaks; anything after one would become a key of its own.
std::string singleLine(const std::string &text)
{
    std::string line;
    for (char c : text)
        line += (c == '\n' || c == '\r') ? ' ' : c;
    return line;
}

// "Drop.png,1" names an icon by index in the Windows format; a desktop entry takes a file.
std::string iconFile(const std::string &iconLocation)
{
    const auto comma = iconLocation.rfind(',');
    if (comma == std::string::npos)
        return iconLocation;
    const std::string index = iconLocation.substr(comma + 1);
    if (index.empty() || index.find_first_not_of("0123456789") != std::string::npos)
        return iconLocation;
    return iconLocation.substr(0, comma);
}

std::string entryName(const std::string &linkPath)
{
    std::string name = Paths::fileName(linkPath);
    const std::string extension = ".desktop";
    if (name.size() > extension.size() &&
        name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
        name.resize(name.size() - extension.size());
    return name;
}

} // namespace

std::string DesktopEntryWriter::entryText(const std::string &linkPath, const ShortcutProperties &properties)
{
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Name=" + singleLine(entryName(linkPath)) + "\n";
    text += "Comment=" + singleLine(properties.description) + "\n";
    text += "Exec=" + singleLine(quotedExec(properties.targetPath)) + "\n";
    text += "Icon=" + singleLine(iconFile(properties.iconLocation)) + "\n";
    text += "Path=" + singleLine(properties.workingDirectory) + "\n";
    text += "Terminal=false\n";
    return text;
}

bool DesktopEntryWriter::writeShortcut(const std::string &linkPath, const ShortcutProperties &properties)
{
    if (!TextFile::writeAtomically(linkPath, entryText(linkPath, properties)))
        return false;
    std::error_code ec;
    fs::permissions(fs::path(linkPath),
                    fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec | fs::perms::owner_read |
                        fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read,
                    fs::perm_options::replace, ec);
    return !ec;
}
