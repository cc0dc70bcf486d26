#pragma once

namespace platform {

// Makes the calling thread give way to the program's other threads (on Linux a thread has a niceness of
// its own), for work done ahead of need. Failing to lower it only costs speed elsewhere, so it says nothing.
void lowerCurrentThreadPriority();

} // namespace platform
