#pragma once

#include "desktop/messageboxes.h"

/// Message boxes by MessageBoxA: the program's title as caption, no icon.
class Win32MessageBoxes final : public MessageBoxes
{
public:
    explicit Win32MessageBoxes(std::string title);

    void showMessage(const std::string &text) override;
    bool askYesNo(const std::string &text) override;

    /// The window the boxes are modal to (the program's main window); none by default.
    void setOwnerWindow(void *window) { m_owner = window; }

    /// The text as the box shows it: each lone carriage return becomes a line break.
    static std::string displayText(const std::string &text);

private:
    std::string m_title;
    void *m_owner = nullptr;
};
