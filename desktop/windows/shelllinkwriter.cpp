#include "desktop/windows/shelllinkwriter.h"

#include "desktop/windows/ansitext.h"

// The other Win32 headers need what windows.h defines, so it comes first.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace {

// COM for the calling thread for as long as a shortcut is being handled; a thread that
// already has it (a Qt program does) keeps its own.
class ComScope
{
public:
    ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_result))
            CoUninitialize();
    }
    ComScope(const ComScope &) = delete;
    ComScope &operator=(const ComScope &) = delete;

private:
    HRESULT m_result;
};

template <typename T> class ComPtr
{
public:
    ComPtr() = default;
    ~ComPtr()
    {
        if (m_pointer)
            m_pointer->Release();
    }
    ComPtr(const ComPtr &) = delete;
    ComPtr &operator=(const ComPtr &) = delete;

    T *operator->() const { return m_pointer; }
    T &operator*() const { return *m_pointer; }
    T **put() { return &m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

private:
    T *m_pointer = nullptr;
};

bool createShellLink(ComPtr<IShellLinkA> &link)
{
    return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void **>(link.put())));
}

// A shell link knows three show commands: normal, maximised and minimised without
// activation; anything else opens as normal.
int showCommandFor(WindowStyle style)
{
    switch (style) {
    case WindowStyle::Maximized:
        return SW_SHOWMAXIMIZED;
    case WindowStyle::Minimized:
        return SW_SHOWMINNOACTIVE;
    default:
        return SW_SHOWNORMAL;
    }
}

WindowStyle styleFor(int showCommand)
{
    switch (showCommand) {
    case SW_SHOWMAXIMIZED:
        return WindowStyle::Maximized;
    case SW_SHOWMINNOACTIVE:
    case SW_SHOWMINIMIZED:
        return WindowStyle::Minimized;
    default:
        return WindowStyle::Normal;
    }
}

bool setProperties(IShellLinkA &link, const ShortcutProperties &properties)
{
    const auto [iconFile, iconIndex] = ShellLinkWriter::splitIconLocation(properties.iconLocation);
    // In the order the shortcut object is given them: description, icon, target, window
    // style, working folder.
    return SUCCEEDED(link.SetDescription(properties.description.c_str())) &&
           SUCCEEDED(link.SetIconLocation(iconFile.c_str(), iconIndex)) &&
           SUCCEEDED(link.SetPath(properties.targetPath.c_str())) &&
           SUCCEEDED(link.SetShowCmd(showCommandFor(properties.windowStyle))) &&
           SUCCEEDED(link.SetWorkingDirectory(properties.workingDirectory.c_str()));
}

} // namespace

std::pair<std::string, int> ShellLinkWriter::splitIconLocation(const std::string &iconLocation)
{
    const auto comma = iconLocation.rfind(',');
    if (comma == std::string::npos)
        return {iconLocation, 0};
    const std::string index = iconLocation.substr(comma + 1);
    if (index.empty() || index.size() > 6 || index.find_first_not_of("0123456789") != std::string::npos)
        return {iconLocation, 0};
    return {iconLocation.substr(0, comma), std::stoi(index)};
}

bool ShellLinkWriter::writeShortcut(const std::string &linkPath, const ShortcutProperties &properties)
{
    ComScope com;
    ComPtr<IShellLinkA> link;
    if (!createShellLink(link) || !setProperties(*link, properties))
        return false;
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(file.put()))))
        return false;
    return SUCCEEDED(file->Save(AnsiText::toWide(linkPath).c_str(), TRUE));
}

std::optional<ShortcutProperties> ShellLinkWriter::readShortcut(const std::string &linkPath)
{
    ComScope com;
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
    if (!createShellLink(link) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(file.put()))) ||
        FAILED(file->Load(AnsiText::toWide(linkPath).c_str(), STGM_READ)))
        return std::nullopt;
    char text[INFOTIPSIZE] = {};
    ShortcutProperties properties;
    if (SUCCEEDED(link->GetDescription(text, sizeof text)))
        properties.description = text;
    int iconIndex = 0;
    text[0] = '\0';
    if (SUCCEEDED(link->GetIconLocation(text, sizeof text, &iconIndex)))
        properties.iconLocation = std::string(text) + "," + std::to_string(iconIndex);
    text[0] = '\0';
    if (SUCCEEDED(link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH)))
        properties.targetPath = text;
    int showCommand = 0;
    if (SUCCEEDED(link->GetShowCmd(&showCommand)))
        properties.windowStyle = styleFor(showCommand);
    text[0] = '\0';
    if (SUCCEEDED(link->GetWorkingDirectory(text, sizeof text)))
        properties.workingDirectory = text;
    return properties;
}

int ShellLinkWriter::showCommandInFile(const std::string &linkPath)
{
    // The header is 76 bytes long and begins with its own size; the show command is the
    // little-endian 32-bit field at offset 60.
    unsigned char header[76] = {};
    std::ifstream file(std::filesystem::path(AnsiText::toWide(linkPath)), std::ios::binary);
    if (!file.read(reinterpret_cast<char *>(header), sizeof header) || header[0] != sizeof header)
        return -1;
    return static_cast<int>(header[60] | header[61] << 8 | header[62] << 16 |
                            static_cast<std::uint32_t>(header[63]) << 24);
}

std::string ShellLinkWriter::shortcutTarget(const std::string &linkPath)
{
    const std::optional<ShortcutProperties> properties = readShortcut(linkPath);
    return properties ? properties->targetPath : std::string();
}
