#pragma once

#include "platform/desktop/SettingsStore.h"

#include <QMap>
#include <QPair>
#include <vector>

namespace platform {

class MemorySettingsStore : public SettingsStore {
public:
    struct Write {
        QString section;
        QString key;
        QString value;
        friend bool operator==(const Write&, const Write&) = default;
    };

    std::optional<QString> read(const QString& section, const QString& key) const override {
        const auto found = values_.constFind({section, key});
        if (found == values_.constEnd())
            return std::nullopt;
        return *found;
    }
    // Every write from now on fails and changes nothing, as on a full disk.
    void setFailWrites(bool fail) { failWrites_ = fail; }
    bool write(const QString& section, const QString& key, const QString& value) override {
        if (failWrites_)
            return false;
        values_.insert({section, key}, value);
        writes_.push_back({section, key, value});
        return true;
    }
    // Sets a value as if stored by an earlier run; not recorded as a write.
    void preset(const QString& section, const QString& key, const QString& value) {
        values_.insert({section, key}, value);
    }
    const std::vector<Write>& writes() const { return writes_; }

private:
    QMap<QPair<QString, QString>, QString> values_;
    std::vector<Write> writes_;
    bool failWrites_ = false;
};

} // namespace platform
