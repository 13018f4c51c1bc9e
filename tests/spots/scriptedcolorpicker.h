#pragma once

#include "toolbar/spots/colorpicker.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace toolbar {

/// A colour picker that answers from a script: a value is a picked colour, nullopt (or an
/// empty script) a cancelled picker. Records the colour each opening started from.
class ScriptedColorPicker final : public ColorPicker
{
public:
    std::int32_t pickColor(std::int32_t current, QWidget *) override
    {
        startedFrom.push_back(current);
        std::optional<std::int32_t> answer;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        return answer.value_or(current);
    }

    std::deque<std::optional<std::int32_t>> answers;
    std::vector<std::int32_t> startedFrom;
};

} // namespace toolbar
