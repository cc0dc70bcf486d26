#pragma once

#include <string>
#include <string_view>

namespace catalog {

// Folder of the ad pictures under an ad root; path texts use backslashes whatever the platform.
inline constexpr std::string_view AdsFolder = "\\ads\\";

// The two year characters of the ad file names, taken from a year button's caption: the last two digits
// of the year when the caption starts with a number (blanks allowed around it, as in " 1976*"),
// otherwise the caption's first two characters ("ZX", "Re"). Shorter captions give what is there.
std::string yearTextFromCaption(std::string_view caption);

// Ad numbers within a year run from 0 to this.
inline constexpr int HighestAdNumber = 100;

// Ad number as written in a file name: "00" to "09", then plain decimal ("10", "100").
std::string adNumberDigits(int adNumber);

// Path text of the first ad of a year; an empty or unknown key names the plain "vantor" ads.
std::string firstAdPathText(std::string_view adRoot, std::string_view yearText, std::string_view categoryKey);

// The first ad's path without its "00.jpg": the stem shared by every ad of that year.
// A text shorter than six characters has no stem and gives the empty text.
std::string stepBaseOf(std::string_view firstAdPath);

std::string adPathText(std::string_view base, int adNumber);

// Caption of the panel that names what is shown, e.g. " w/Pellion 1963 Ad".
std::string panParentCaption(std::string_view categoryKey, std::string_view caption);

// The marked captions of the two years without an ad of the car on its own.
bool isStarredCaption(std::string_view caption);

// True for the marked years of the plain "Vantor" ads (which an empty or unknown key also shows): the car
// was not advertised on its own in them, so they have no ad to show.
bool isYearWithoutAd(std::string_view categoryKey, std::string_view caption);

// Notice for a marked year, naming the year written in the caption.
std::string sorryMessage(std::string_view caption);

// One-based position of the ad and the count, e.g. "3 of 5".
std::string counterText(int adNumber, int adCount);

// Caption of the small panel beside the counter: the year caption and one blank.
std::string panText3Caption(std::string_view caption);

} // namespace catalog
