#include "platform/SettingsStore.h"

#include <QSettings>
#include <memory>

namespace platform {
namespace {

std::unique_ptr<QSettings> openSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("VantorAds"), QStringLiteral("VantorAds"));
}

QString settingsKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

} // namespace

std::optional<QString> IniSettingsStore::read(const QString& section, const QString& key) const {
    const QVariant value = openSettings()->value(settingsKey(section, key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

bool IniSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    const auto settings = openSettings();
    settings->setValue(settingsKey(section, key), value);
    // The program ends at once after storing its window, so the value must be on disk before returning.
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace platform
