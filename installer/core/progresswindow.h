#pragma once

#include <cstdint>
#include <string>

namespace setup {

/// What the install shows when it is done: the completion window's caption and text, and
/// how long it stays before it closes itself.
struct CompletionMessage
{
    std::string caption;
    std::string text; ///< lines broken with a single "\r"
    bool complete = true;
    std::int32_t closeAfter = 2000; ///< milliseconds
};

/// The progress window as the install engine drives it.
class ProgressWindow
{
public:
    virtual ~ProgressWindow() = default;

    /// Shows the status line and lets the window repaint at once.
    virtual void Status(const std::string &m_Status) = 0;

    /// Stores the percentage and moves the progress cover to show it; lets the window repaint.
    virtual void ScrollBarPercent(std::int32_t m_Percent) = 0;

    /// The percentage last stored; 0 before any.
    virtual std::int32_t ScrollBarPercent() const = 0;

    /// Shows the busy pointer over the window for the rest of the install.
    virtual void showBusyPointer() = 0;

    virtual void hideWindow() = 0;

    /// Shows the completion message modally over the progress window and returns once it
    /// has closed itself.
    virtual void showCompletionMessage(const CompletionMessage &message) = 0;

    /// Closes the progress window: the install is over.
    virtual void closeWindow() = 0;
};

/// The width of the progress track and the size of its cover, in twips.
inline constexpr std::int32_t TrackWidth = 4695;
inline constexpr std::int32_t TrackHeight = 375;
inline constexpr std::int32_t CoverWidth = 5055;
inline constexpr std::int32_t CoverHeight = 735;

/// The left edge of the progress cover, in twips, for a percentage of a track of the given
/// width: (width / 100) x percent, rounded to the nearest whole twip with halves to even;
/// 0 for a percentage of 0 or less. Past 100 the cover moves on beyond the track.
std::int32_t CoverLeft(std::int32_t trackWidth, std::int32_t percent);

} // namespace setup
