#pragma once

#include "platform/desktop/Shell.h"

#include <QStringList>

namespace platform {

class RecordingShell : public Shell {
public:
    bool openWebAddress(const QString& address) override {
        addresses_.append(address);
        return true;
    }
    const QStringList& webAddresses() const { return addresses_; }

private:
    QStringList addresses_;
};

} // namespace platform
