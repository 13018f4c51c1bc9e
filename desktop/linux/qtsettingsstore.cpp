#include "desktop/linux/qtsettingsstore.h"

#include "desktop/qtext.h"

#include <QSettings>

namespace {
QString settingKey(const std::string &section, const std::string &key)
{
    return toQt(section) + QLatin1Char('/') + toQt(key);
}
} // namespace

std::string QtSettingsStore::getSetting(const std::string &application, const std::string &section,
                                        const std::string &key, const std::string &defaultValue)
{
    QSettings settings(toQt(application), toQt(application));
    const QVariant value = settings.value(settingKey(section, key));
    if (!value.isValid() || settings.status() != QSettings::NoError)
        return defaultValue;
    return fromQt(value.toString());
}

bool QtSettingsStore::saveSetting(const std::string &application, const std::string &section, const std::string &key,
                                  const std::string &value)
{
    QSettings settings(toQt(application), toQt(application));
    settings.setValue(settingKey(section, key), toQt(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}
