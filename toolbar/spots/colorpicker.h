#pragma once

#include <cstdint>

class QWidget;

namespace toolbar {

/// The platform's colour picker. Windows reach it through this interface so that a test
/// can script the choice instead of blocking on a modal dialog.
class ColorPicker
{
public:
    virtual ~ColorPicker() = default;

    /// Lets the user pick a colour, starting from current (0x00BBGGRR). Returns the colour
    /// picked, or current when the user cancelled.
    virtual std::int32_t pickColor(std::int32_t current, QWidget *parent) = 0;
};

} // namespace toolbar
