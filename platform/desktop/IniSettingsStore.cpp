#include "platform/desktop/IniSettingsStore.h"
#include "platform/files/RegularFile.h"

#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace platform {
namespace {

QString settingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/VantorAds/VantorAds.ini");
}

// QSettings reads the whole file as soon as it is made, and would wait for ever on a FIFO or read a device
// without end; anything but an ordinary file at the settings path holds no values and takes none.
std::unique_ptr<QSettings> openSettings() {
    const QString path = settingsFilePath();
    if (!isAbsentOrRegularFile(path))
        return nullptr;
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

QString settingsKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

} // namespace

std::optional<QString> IniSettingsStore::read(const QString& section, const QString& key) const {
    const auto settings = openSettings();
    if (!settings)
        return std::nullopt;
    const QVariant value = settings->value(settingsKey(section, key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

bool IniSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    const auto settings = openSettings();
    if (!settings)
        return false;
    settings->setValue(settingsKey(section, key), value);
    // The program ends at once after storing its window, so the value must be on disk before returning.
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace platform
