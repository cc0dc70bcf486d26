#include "platform/RealServices.h"

namespace platform {

RealServices::RealServices() : RealServices(Options{}) {}

RealServices::RealServices(Options options)
    : drives_(DriveSource::ofThisMachine(mounts_)), paths_(DriveSource::startTable(mounts_)),
      fileLister_(paths_), files_(paths_), printer_(std::move(options.pdfOutputPath)),
      programExit_(instanceGuard_), services_{messageBoxes_,  drives_,    paths_,     fileLister_, folders_,
                                              files_,         settings_,  screen_,    cursor_,     taskBar_,
                                              instanceGuard_, printer_,   clipboard_, shell_,      clock_,
                                              programExit_,   sessionEnd_} {}

} // namespace platform
