#pragma once

#include <string>

/// The per-user settings store, addressed by application, section and key.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    /// The stored text, or defaultValue when the key is absent or unreadable.
    virtual std::string getSetting(const std::string &application, const std::string &section, const std::string &key,
                                   const std::string &defaultValue) = 0;

    /// Stores the text; false when the store could not be written.
    virtual bool saveSetting(const std::string &application, const std::string &section, const std::string &key,
                             const std::string &value) = 0;
};
