#pragma once

#include <functional>

namespace catalog {

// Loads ad number n of the shown year into the views and tells whether the load succeeded. The caller
// owns the loading; the search below only decides which numbers to try and in which order.
using AdProbe = std::function<bool(int adNumber)>;

struct StepResult {
    bool stepped; // false when the year has a single ad: nothing is probed, only the focus moves on
    bool found;   // a probe succeeded: adNumber is the ad now on view
    int adNumber; // the new AdNumber, also when nothing was found (101 forward, 0 backward)
};

// Ad numbers run from 0 to 100 and may have gaps; a step skips every number whose file does not load.
// Ad number 0 always counts as found even when its load fails: it is the year's first ad, already
// shown by the year display, so a search that reaches it always ends there. An empty probe loads
// nothing.
//
// Forward: the next number above adNumber that loads; past 100 it wraps to ad 0. When ad 0 is on view
// and nothing above it loads, nothing is found and AdNumber becomes 101. An AdNumber above 100 (left by
// such a search) means ad 0 is on view; a negative one steps onto ad 0.
// Backward: the next number below adNumber that loads, ending at ad 0. From ad 0 (or from a number
// outside 0 to 100) it wraps to the highest number from 100 down to 1 that loads; when none loads,
// nothing is found and AdNumber becomes 0.
// Ad number 100 is an ordinary ad in both directions: forward from it wraps to ad 0, backward from it
// looks below it, and the backward wrap starts at it.
StepResult searchNextAd(int adNumber, int adCount, const AdProbe& loadAd);
StepResult searchPreviousAd(int adNumber, int adCount, const AdProbe& loadAd);

} // namespace catalog
