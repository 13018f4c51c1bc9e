#include "uninstaller/core/removalreport.h"

#include "desktop/paths.h"
#include "uninstaller/core/globals.h"

#include <algorithm>

namespace uninstall {

namespace {

// A long list would push the box off the screen: the first entries and a count suffice.
constexpr std::size_t ShownPerSection = 10;

void addOnce(std::vector<std::string> &list, const std::string &path)
{
    if (std::find(list.begin(), list.end(), path) == list.end())
        list.push_back(path);
}

bool isWithinOrEqual(const std::string &entry, const std::string &folder)
{
    const std::string prefix = Paths::join(Paths::withoutTrailingSeparator(folder), "");
    return entry == folder || entry.rfind(prefix, 0) == 0;
}

std::string section(const std::string &heading, const std::vector<std::string> &lines)
{
    if (lines.empty())
        return {};
    std::string text = "\r\r" + heading;
    for (std::size_t i = 0; i < lines.size() && i < ShownPerSection; ++i)
        text += "\r" + lines[i];
    if (lines.size() > ShownPerSection)
        text += "\r... and " + std::to_string(lines.size() - ShownPerSection) + " more";
    return text;
}

} // namespace

void RemovalReport::couldNotRemove(const std::string &path, const std::string &reason)
{
    for (auto &failure : m_failed) {
        if (failure.first == path) {
            failure.second = reason;
            return;
        }
    }
    m_failed.emplace_back(path, reason);
}

void RemovalReport::kept(const std::string &path)
{
    addOnce(m_kept, path);
}

void RemovalReport::skipped(const std::string &path)
{
    addOnce(m_skipped, path);
}

bool RemovalReport::mentions(const std::string &path) const
{
    const auto inside = [&](const std::string &entry) { return isWithinOrEqual(entry, path); };
    return std::any_of(m_failed.begin(), m_failed.end(), [&](const auto &failure) { return inside(failure.first); }) ||
           std::any_of(m_kept.begin(), m_kept.end(), inside) || std::any_of(m_skipped.begin(), m_skipped.end(), inside);
}

bool RemovalReport::isComplete() const
{
    return m_failed.empty() && m_kept.empty() && m_skipped.empty();
}

std::string RemovalReport::message() const
{
    std::vector<std::string> failed;
    for (const auto &[path, reason] : m_failed)
        failed.push_back(path + ": " + reason);
    return std::string(UninstallerNames::ProductName) + " was not completely uninstalled." +
           section("These could not be removed:", failed) +
           section("These are not part of the installation and were kept:", m_kept) +
           section("The install log names these outside the installation; they were left alone:", m_skipped);
}

} // namespace uninstall
