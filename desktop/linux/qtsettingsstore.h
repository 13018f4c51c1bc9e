#pragma once

#include "desktop/settingsstore.h"

/// The per-user settings store as QSettings: organisation and application are both the
/// application name, so the toolbar's position lives in ~/.config/Stowlet/Stowlet.conf.
class QtSettingsStore final : public SettingsStore
{
public:
    std::string getSetting(const std::string &application, const std::string &section, const std::string &key,
                           const std::string &defaultValue) override;
    bool saveSetting(const std::string &application, const std::string &section, const std::string &key,
                     const std::string &value) override;
};
