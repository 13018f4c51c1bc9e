#include "desktop/windows/registrysettingsstore.h"

#include <windows.h>

std::string RegistrySettingsStore::sectionKey(const std::string &application, const std::string &section)
{
    return "Software\\" + application + "\\" + section;
}

std::string RegistrySettingsStore::getSetting(const std::string &application, const std::string &section,
                                              const std::string &key, const std::string &defaultValue)
{
    // An empty name would address the section's default value, which no setting is.
    if (application.empty() || section.empty() || key.empty())
        return defaultValue;
    const std::string subKey = sectionKey(application, section);
    DWORD size = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, subKey.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return defaultValue;
    std::string value(size, '\0');
    // The value may change between the two calls; a larger one simply reads as absent.
    if (RegGetValueA(HKEY_CURRENT_USER, subKey.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
        ERROR_SUCCESS)
        return defaultValue;
    value.resize(size > 0 ? size - 1 : 0); // the size counts the terminating NUL
    return value;
}

bool RegistrySettingsStore::saveSetting(const std::string &application, const std::string &section,
                                        const std::string &key, const std::string &value)
{
    if (application.empty() || section.empty() || key.empty())
        return false;
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, sectionKey(application, section).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExA(handle, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                                       static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}
