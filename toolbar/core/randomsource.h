#pragma once

#include <functional>
#include <random>

namespace toolbar {

/// The program's pseudo-random generator, uniform over [0, 1), seeded once per run.
/// Tests may script its values.
class RandomSource
{
public:
    void seed(unsigned value) { m_engine.seed(value); }

    /// The next value r, 0 <= r < 1.
    double next()
    {
        if (m_script)
            return m_script();
        return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
    }

    /// Replaces the generator by a function (for tests).
    void script(std::function<double()> values) { m_script = std::move(values); }

private:
    std::mt19937 m_engine{13};
    std::function<double()> m_script;
};

} // namespace toolbar
