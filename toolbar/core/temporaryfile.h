#pragma once

#include <string>

namespace toolbar {

/// A file made for one drop (a drag source wrote it into the spot's folder): it belongs
/// to the drop, and whatever of it is still there when the last holder lets go is
/// removed, so that a declined or failed save leaves nothing behind. Moving the file to
/// its final name takes it out of this keeping.
class TemporaryFile
{
public:
    explicit TemporaryFile(std::string path);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    const std::string &path() const { return m_path; }

    /// True while a temporary file of that name (in any folder) is held: the clean-up of
    /// an earlier run's leftovers passes over it.
    static bool held(const std::string &name);

private:
    std::string m_path;
};

} // namespace toolbar
