#include "platform/RealServices.h"

namespace platform {

RealServices::RealServices() : RealServices(Options{}) {}

RealServices::RealServices(Options options)
    : paths_(DriveTable::detect()), fileLister_(paths_), files_(paths_),
      printer_(std::move(options.pdfOutputPath)),
      programExit_(instanceGuard_), services_{messageBoxes_, paths_,         fileLister_,  folders_,
                                              files_,        settings_,      screen_,      cursor_,
                                              taskBar_,      instanceGuard_, printer_,     clipboard_,
                                              shell_,        clock_,         programExit_, sessionEnd_} {}

} // namespace platform
