#pragma once

#include "toolbar/spots/colorpicker.h"

namespace toolbar {

/// The colour picker as Qt's standard colour dialog.
class QtColorPicker final : public ColorPicker
{
public:
    std::int32_t pickColor(std::int32_t current, QWidget *parent) override;
};

} // namespace toolbar
