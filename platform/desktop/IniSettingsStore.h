#pragma once

#include "platform/desktop/SettingsStore.h"

namespace platform {

// An INI file in the user's configuration folder: $XDG_CONFIG_HOME/VantorAds/VantorAds.ini.
class IniSettingsStore : public SettingsStore {
public:
    std::optional<QString> read(const QString& section, const QString& key) const override;
    bool write(const QString& section, const QString& key, const QString& value) override;
};

} // namespace platform
