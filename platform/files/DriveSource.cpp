#include "platform/files/DriveSource.h"

#include "platform/files/Mounts.h"

namespace platform {
namespace {

const char* const DrivesVariable = "VANTORADS_DRIVES";

} // namespace

DriveSource DriveSource::ofThisMachine(const Mounts& mounts) {
    return qEnvironmentVariableIsSet(DrivesVariable) ? DriveSource() : DriveSource(mounts);
}

DriveTable DriveSource::startTable(const Mounts& mounts) {
    if (qEnvironmentVariableIsSet(DrivesVariable))
        return DriveTable::fromSources(qEnvironmentVariable(DrivesVariable), {});
    return DriveTable::fromSources(std::nullopt, mounts.text());
}

std::optional<DriveTable> DriveSource::currentTable() const {
    if (!mounts_)
        return std::nullopt;
    return DriveTable::fromMountsText(mounts_->text());
}

} // namespace platform
