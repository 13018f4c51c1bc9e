#include "desktop/linux/desktopentrywriter.h"

#include "desktop/paths.h"
#include "desktop/textfile.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A string value as the desktop entry format stores it: a backslash and the control
// characters are escaped, and a leading space is kept by its escape. Values are read back
// through this unescaping before anything else looks at them.
std::string escapedValue(const std::string &value)
{
    std::string escaped;
    for (char c : value) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\t':
            escaped += "\\t";
            break;
        default:
            escaped += (c == ' ' && escaped.empty()) ? std::string("\\s") : std::string(1, c);
        }
    }
    return escaped;
}

// The program as one quoted Exec argument: inside the quotes a double quote, backquote,
// dollar sign and backslash take a backslash, and a percent sign is doubled so that it is
// not read as a field code. The whole then escapes as any string value.
std::string execValue(const std::string &program)
{
    std::string quoted = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
        if (c == '%')
            quoted += '%';
    }
    quoted += '"';
    return escapedValue(quoted);
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

// Menus show the comment as a tooltip beside the name; one that only repeats the name says
// nothing, so it tells what the entry does instead.
std::string commentFor(const std::string &name, const std::string &description)
{
    if (!description.empty() && description != name)
        return description;
    return "Start " + name;
}

} // namespace

std::string DesktopEntryWriter::entryText(const std::string &linkPath, const ShortcutProperties &properties)
{
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    const std::string name = entryName(linkPath);
    text += "Name=" + escapedValue(name) + "\n";
    text += "Comment=" + escapedValue(commentFor(name, properties.description)) + "\n";
    text += "Exec=" + execValue(properties.targetPath) + "\n";
    text += "Icon=" + escapedValue(iconFile(properties.iconLocation)) + "\n";
    text += "Path=" + escapedValue(properties.workingDirectory) + "\n";
    text += "Terminal=false\n";
    text += "Categories=Utility;Graphics;\n";
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

std::string DesktopEntryWriter::execProgram(const std::string &execValue)
{
    std::string value; // the string value, its escapes undone
    for (std::size_t i = 0; i < execValue.size(); ++i) {
        const char c = execValue[i];
        if (c != '\\' || i + 1 == execValue.size()) {
            value += c;
            continue;
        }
        const char next = execValue[++i];
        value += next == 's' ? ' ' : next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
    }
    std::string program;
    const bool quoted = !value.empty() && value.front() == '"';
    for (std::size_t i = quoted ? 1 : 0; i < value.size(); ++i) {
        const char c = value[i];
        if (quoted ? c == '"' : c == ' ')
            break;
        if (c == '\\' && quoted && i + 1 < value.size())
            program += value[++i];
        else if (c == '%' && i + 1 < value.size() && value[i + 1] == '%')
            program += value[++i];
        else
            program += c;
    }
    return program;
}

std::string DesktopEntryWriter::shortcutTarget(const std::string &linkPath)
{
    const auto lines = TextFile::readLines(linkPath);
    if (!lines)
        return {};
    bool inEntry = false;
    for (const std::string &line : *lines) {
        if (!line.empty() && line.front() == '[')
            inEntry = line == "[Desktop Entry]";
        else if (inEntry && line.starts_with("Exec="))
            return execProgram(line.substr(5));
    }
    return {};
}
