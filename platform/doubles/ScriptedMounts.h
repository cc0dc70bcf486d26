#pragma once

#include "platform/files/Mounts.h"

#include <QStringList>

namespace platform {

// Mounts that change from one look to the next: each look takes the next text of the script, and the last
// one stays.
class ScriptedMounts : public Mounts {
public:
    void script(QStringList texts) { texts_ = std::move(texts); }
    QString text() const override {
        const qsizetype look = looks_++;
        return texts_.isEmpty() ? QString() : texts_[std::min(look, texts_.size() - 1)];
    }
    int looks() const { return int(looks_); }

private:
    QStringList texts_;
    mutable qsizetype looks_ = 0;
};

} // namespace platform
