#include "toolbar/ui/toolbarlayout.h"

#include <algorithm>
#include <cmath>

namespace toolbar {

ToolbarLayout LayoutToolbar(std::size_t count, std::int32_t spotSize, bool vertical)
{
    ToolbarLayout layout;
    layout.vertical = vertical;
    std::int32_t left = SquaresLeft;
    std::int32_t top = 0;
    for (std::size_t i = 0; i < std::max<std::size_t>(count, 1); ++i) {
        layout.squares.push_back({left, top, spotSize, spotSize});
        if (vertical)
            top += spotSize;
        else
            left += spotSize;
    }
    const TwipsRect &first = layout.squares.front();
    const TwipsRect &last = layout.squares.back();
    if (vertical) {
        layout.windowWidth = first.left + FrameAllowanceWidth + first.width;
        layout.windowHeight = last.top + FrameAllowanceHeight + last.height;
    } else {
        layout.windowWidth = last.left + FrameAllowanceWidth + last.width;
        layout.windowHeight = first.top + FrameAllowanceHeight + first.height;
    }
    return layout;
}

TwipsPoint PlaceBesideToolbar(const TwipsRect &toolbar, std::int32_t dialogWidth, std::int32_t dialogHeight,
                              std::int32_t screenWidth, std::int32_t screenHeight)
{
    TwipsPoint place{toolbar.left + toolbar.width, toolbar.top};
    if (place.left + dialogWidth >= screenWidth)
        place.left = toolbar.left - dialogWidth;
    if (place.top + dialogHeight >= screenHeight) {
        // Whole steps up, as many as it takes: the same place as stepping one at a time.
        const std::int32_t overlap = place.top + dialogHeight - screenHeight;
        place.top -= (overlap / DialogStepUp + 1) * DialogStepUp;
    }
    return place;
}

} // namespace toolbar
