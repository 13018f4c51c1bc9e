#pragma once

#include <cstdint>
#include <string>

namespace toolbar {

/// Where the drop spot editor hands a confirmed spot: the list editor's working copy.
class DropSpotReceiver
{
public:
    virtual ~DropSpotReceiver() = default;

    /// Appends a spot row and makes it current.
    virtual void AddSpot(const std::string &m_Folder, std::int32_t m_Color) = 0;

    /// Overwrites folder and colour of the row current now.
    virtual void TakeInChanges(const std::string &m_Folder, std::int32_t m_Color) = 0;
};

} // namespace toolbar
