#pragma once

#include <QString>

#include <functional>

// Median wall-clock time of a number of runs, in milliseconds; prepare runs before each, untimed.
double medianMilliseconds(int runs, const std::function<void()>& run,
                          const std::function<void()>& prepare = {});

// Resident set size of this process in bytes, from /proc/self/statm.
long long residentBytes();

// The highest resident set size of this process since the last reset, from /proc/self/status (VmHWM);
// the reset writes 5 to /proc/self/clear_refs. -1 when the system does not tell.
void resetPeakResident();
long long peakResidentBytes();

// One figure: prints "NAME ratio VALUE target <= LIMIT" and tells whether it met its target.
bool report(const QString& name, double ratio, double limit);
