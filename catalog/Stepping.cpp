#include "catalog/Stepping.h"

#include "catalog/AdNaming.h"

#include <optional>

namespace catalog {

namespace {

constexpr int NothingAboveFound = HighestAdNumber + 1;

bool probeSucceeds(const AdProbe& loadAd, int adNumber) {
    const bool loaded = loadAd && loadAd(adNumber);
    return loaded || adNumber == 0;
}

std::optional<int> searchUp(int from, int to, const AdProbe& loadAd) {
    for (int n = from; n <= to; ++n) {
        if (probeSucceeds(loadAd, n))
            return n;
    }
    return std::nullopt;
}

std::optional<int> searchDown(int from, int to, const AdProbe& loadAd) {
    for (int n = from; n >= to; --n) {
        if (probeSucceeds(loadAd, n))
            return n;
    }
    return std::nullopt;
}

} // namespace

StepResult searchNextAd(int adNumber, int adCount, const AdProbe& loadAd) {
    if (adCount == 1)
        return {false, false, adNumber};

    int start = adNumber;
    if (start > HighestAdNumber)
        start = 0;
    else if (start < 0)
        start = -1;

    std::optional<int> found = searchUp(start + 1, HighestAdNumber, loadAd);
    // Wrapping from ad 0 back onto ad 0 would show nothing new.
    if (!found && start != 0)
        found = searchUp(0, HighestAdNumber, loadAd);
    if (!found)
        return {true, false, NothingAboveFound};
    return {true, true, *found};
}

StepResult searchPreviousAd(int adNumber, int adCount, const AdProbe& loadAd) {
    if (adCount == 1)
        return {false, false, adNumber};

    const bool wrap = adNumber <= 0 || adNumber > HighestAdNumber;
    const std::optional<int> found =
        wrap ? searchDown(HighestAdNumber, 1, loadAd) : searchDown(adNumber - 1, 0, loadAd);
    if (!found)
        return {true, false, 0};
    return {true, true, *found};
}

} // namespace catalog
