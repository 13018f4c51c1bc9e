#include "desktop/windows/win32messageboxes.h"

#include <windows.h>

#include <utility>

Win32MessageBoxes::Win32MessageBoxes(std::string title) : m_title(std::move(title)) {}

std::string Win32MessageBoxes::displayText(const std::string &text)
{
    std::string display;
    for (std::size_t i = 0; i < text.size(); ++i) {
        display += text[i];
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            display += '\n';
    }
    return display;
}

void Win32MessageBoxes::showMessage(const std::string &text)
{
    MessageBoxA(static_cast<HWND>(m_owner), displayText(text).c_str(), m_title.c_str(), MB_OK);
}

bool Win32MessageBoxes::askYesNo(const std::string &text)
{
    return MessageBoxA(static_cast<HWND>(m_owner), displayText(text).c_str(), m_title.c_str(), MB_YESNO) == IDYES;
}
