#pragma once

#include "platform/Shell.h"

#include <QStringList>
#include <vector>

namespace platform {

class RecordingShell : public Shell {
public:
    struct HelpRequest {
        QString helpFile;
        int command;
        friend bool operator==(const HelpRequest&, const HelpRequest&) = default;
    };

    bool openWebAddress(const QString& address) override {
        addresses_.append(address);
        return true;
    }
    bool showHelp(const QString& helpFile, int command) override {
        help_.push_back({helpFile, command});
        return true;
    }
    const QStringList& webAddresses() const { return addresses_; }
    const std::vector<HelpRequest>& helpRequests() const { return help_; }

private:
    QStringList addresses_;
    std::vector<HelpRequest> help_;
};

} // namespace platform
