#pragma once

#include <QString>

#include <functional>

// Median wall-clock time of a number of runs, in milliseconds; prepare runs before each, untimed.
double medianMilliseconds(int runs, const std::function<void()>& run,
                          const std::function<void()>& prepare = {});

// Resident set size of this process in bytes, from /proc/self/statm.
long long residentBytes();

// One figure: prints "NAME ratio VALUE target <= LIMIT" and tells whether it met its target.
bool report(const QString& name, double ratio, double limit);
