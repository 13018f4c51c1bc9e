#pragma once

#include <string>

/// Modal message boxes. They carry no title of their own: the platform shows the
/// program's title. Lines inside a message are broken with a single "\r".
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;

    /// A message with an OK button only; returns when the user has dismissed it.
    virtual void showMessage(const std::string &text) = 0;

    /// A question with Yes and No buttons; true when Yes was pressed.
    virtual bool askYesNo(const std::string &text) = 0;
};
