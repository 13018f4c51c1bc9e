#pragma once

#include "desktop/twips.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace toolbar {

/// The toolbar's geometry in twips, worked out without any window so that it can be
/// checked to the twip. Converting to pixels is the window's business.

/// A rectangle in twips.
struct TwipsRect
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const TwipsRect &) const = default;
};

/// Where the squares stand and how big the window is, frame and caption bar included.
struct ToolbarLayout
{
    std::vector<TwipsRect> squares;
    std::int32_t windowWidth = 0;
    std::int32_t windowHeight = 0;
    bool vertical = false;
};

/// The left edge of the first square: the squares keep this distance from the frame.
inline constexpr std::int32_t SquaresLeft = 25;

/// What the frame and caption bar take from the window's outer size, across and down.
inline constexpr std::int32_t FrameAllowanceWidth = 80;
inline constexpr std::int32_t FrameAllowanceHeight = 350;

/// The squares of count spots of side spotSize, touching each other in one row (or one
/// column when vertical), and the window's outer size around them. Square 0 always
/// exists, so a count of 0 lays out one square.
ToolbarLayout LayoutToolbar(std::size_t count, std::int32_t spotSize, bool vertical);

/// A window's top-left corner in twips.
struct TwipsPoint
{
    std::int32_t left = 0;
    std::int32_t top = 0;

    bool operator==(const TwipsPoint &) const = default;
};

/// How far the Name Details dialog steps up at a time until it fits above the screen's
/// bottom edge.
inline constexpr std::int32_t DialogStepUp = 200;

/// Where the Name Details dialog goes: right beside the toolbar with their top edges
/// level; on the toolbar's left side when it would reach the screen's right edge; moved
/// up in steps until its bottom edge is above the screen's bottom edge.
TwipsPoint PlaceBesideToolbar(const TwipsRect &toolbar, std::int32_t dialogWidth, std::int32_t dialogHeight,
                              std::int32_t screenWidth, std::int32_t screenHeight);

} // namespace toolbar
