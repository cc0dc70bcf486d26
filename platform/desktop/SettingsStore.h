#pragma once

#include <QString>
#include <optional>

namespace platform {

// The per-user settings of application "VantorAds", addressed by section and key, each value a text.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<QString> read(const QString& section, const QString& key) const = 0;
    // Returns whether the value reached permanent storage; the program may end right after writing.
    virtual bool write(const QString& section, const QString& key, const QString& value) = 0;
};

} // namespace platform
