#pragma once

#include "desktop/settingsstore.h"

/// The per-user settings store in the registry: each value is a string value named by
/// the key, in HKEY_CURRENT_USER\Software\<application>\<section>.
class RegistrySettingsStore final : public SettingsStore
{
public:
    std::string getSetting(const std::string &application, const std::string &section, const std::string &key,
                           const std::string &defaultValue) override;
    bool saveSetting(const std::string &application, const std::string &section, const std::string &key,
                     const std::string &value) override;

    /// The registry key under HKEY_CURRENT_USER that holds a section's values.
    static std::string sectionKey(const std::string &application, const std::string &section);
};
