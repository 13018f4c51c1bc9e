#include "desktop/windows/registrysettingsstore.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Each run its own application name, removed again, so that no test sees another's values.
class RegistrySettings : public ::testing::Test
{
protected:
    ~RegistrySettings() override { RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + application).c_str()); }

    // The value as the registry itself holds it, or "<absent>".
    static std::string rawValue(const std::string &subKey, const std::string &name)
    {
        char value[256] = {};
        DWORD size = sizeof value;
        DWORD type = 0;
        if (RegGetValueA(HKEY_CURRENT_USER, subKey.c_str(), name.c_str(), RRF_RT_ANY, &type, value, &size) !=
                ERROR_SUCCESS ||
            type != REG_SZ)
            return "<absent>";
        return value;
    }

    const std::string application = "StowletTest" + std::to_string(GetCurrentProcessId());
    RegistrySettingsStore store;
};

TEST_F(RegistrySettings, ToolbarLocationRoundTrip)
{
    EXPECT_EQ(store.getSetting(application, "Toolbar Location", "Top", "100"), "100");
    ASSERT_TRUE(store.saveSetting(application, "Toolbar Location", "Top", "2400"));
    ASSERT_TRUE(store.saveSetting(application, "Toolbar Location", "Left", "1234.5"));
    EXPECT_EQ(store.getSetting(application, "Toolbar Location", "Top", "100"), "2400");
    EXPECT_EQ(store.getSetting(application, "Toolbar Location", "Left", "100"), "1234.5");
    EXPECT_EQ(rawValue("Software\\" + application + "\\Toolbar Location", "Top"), "2400");

    // A second store (another run of the program) sees the same values.
    RegistrySettingsStore later;
    EXPECT_EQ(later.getSetting(application, "Toolbar Location", "Left", "100"), "1234.5");
    ASSERT_TRUE(later.saveSetting(application, "Toolbar Location", "Left", ""));
    EXPECT_EQ(store.getSetting(application, "Toolbar Location", "Left", "100"), "");
}

TEST_F(RegistrySettings, AbsentOrForeignValuesGiveTheDefault)
{
    EXPECT_EQ(store.getSetting(application, "Other", "Top", "7"), "7");
    const std::string subKey = "Software\\" + application + "\\Toolbar Location";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 5;
    RegSetValueExA(key, "Top", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number), sizeof number);
    RegCloseKey(key);
    EXPECT_EQ(store.getSetting(application, "Toolbar Location", "Top", "100"), "100");
    EXPECT_EQ(store.getSetting(application, "Toolbar Location", "", "100"), "100");
    EXPECT_FALSE(store.saveSetting(application, "Toolbar Location", "", "1"));
}

TEST_F(RegistrySettings, LongValuesKeepEveryCharacter)
{
    const std::string value(3000, 'x');
    ASSERT_TRUE(store.saveSetting(application, "Section", "Key", value));
    EXPECT_EQ(store.getSetting(application, "Section", "Key", ""), value);
}

} // namespace
