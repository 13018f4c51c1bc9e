#pragma once

#include <string>
#include <utility>
#include <vector>

namespace uninstall {

/// What an uninstall left behind, and why. The closing message may only claim success
/// when nothing is recorded here.
class RemovalReport
{
public:
    /// An entry of the installation that is still there, with the system's reason.
    void couldNotRemove(const std::string &path, const std::string &reason);

    /// An entry that is not the installation's own (or a folder that still holds one) and stays.
    void kept(const std::string &path);

    /// A log line that names something outside the installation: left alone.
    void skipped(const std::string &path);

    /// True when something is recorded for path or for an entry inside it.
    bool mentions(const std::string &path) const;

    /// True when everything the log lists is gone.
    bool isComplete() const;

    /// The closing message for an incomplete uninstall: what stays, by kind.
    std::string message() const;

private:
    std::vector<std::pair<std::string, std::string>> m_failed;
    std::vector<std::string> m_kept;
    std::vector<std::string> m_skipped;
};

} // namespace uninstall
