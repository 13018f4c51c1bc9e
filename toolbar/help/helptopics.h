#pragma once

#include <array>
#include <string_view>

namespace toolbar {

/// One topic of the built-in manual: its entry in the topic list, the upper-case key that
/// the list's selection is matched against, and its text. Paragraphs are separated by
/// CR LF pairs, as the text is stored and has always been shown.
struct HelpTopic
{
    std::string_view entry;
    std::string_view key;
    std::string_view text;
};

inline constexpr std::size_t HelpTopicCount = 7;

/// The seven topics in list order: Introduction, The ToolBar, Configuring Drop Spots,
/// Base Names, Advanced Base Name Techniques, Viewing Images, Options.
const std::array<HelpTopic, HelpTopicCount> &HelpTopics();

/// The topic whose key equals the given upper-case text, or nullptr when none does.
const HelpTopic *FindHelpTopic(std::string_view key);

} // namespace toolbar
