#include "catalog/AdNaming.h"

#include "catalog/Categories.h"

#include <algorithm>

namespace catalog {

namespace {

constexpr std::string_view FirstAdSuffix = "00.jpg";
constexpr std::string_view Crlf = "\r\n";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether the text is a whole number with optional blanks around it (" 1", "19", "1 ").
bool isPlainNumber(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last && std::all_of(first, last, isDigit);
}

// Characters from the one-based position on, at most count of them, as a caption slice is taken; a
// slice starting past the end is empty.
std::string_view slice(std::string_view text, std::size_t oneBasedStart, std::size_t count) {
    const std::size_t start = oneBasedStart - 1;
    if (start >= text.size())
        return {};
    return text.substr(start, count);
}

} // namespace

std::string yearTextFromCaption(std::string_view caption) {
    if (isPlainNumber(slice(caption, 1, 2)))
        return std::string(slice(caption, 3, 2));
    return std::string(slice(caption, 1, 2));
}

std::string adNumberDigits(int adNumber) {
    std::string digits = std::to_string(adNumber);
    if (adNumber >= 0 && adNumber <= 9)
        digits.insert(digits.begin(), '0');
    return digits;
}

std::string firstAdPathText(std::string_view adRoot, std::string_view yearText,
                            std::string_view categoryKey) {
    std::string path(adRoot);
    path += AdsFolder;
    path += yearText;
    path += displayCategory(categoryKey).fileNamePart;
    path += FirstAdSuffix;
    return path;
}

std::string stepBaseOf(std::string_view firstAdPath) {
    if (firstAdPath.size() < FirstAdSuffix.size())
        return {};
    return std::string(firstAdPath.substr(0, firstAdPath.size() - FirstAdSuffix.size()));
}

std::string adPathText(std::string_view base, int adNumber) {
    return std::string(base) + adNumberDigits(adNumber) + ".jpg";
}

std::string panParentCaption(std::string_view categoryKey, std::string_view caption) {
    return std::string(displayCategory(categoryKey).panParentWord) + std::string(caption) + " Ad";
}

bool isStarredCaption(std::string_view caption) {
    return caption == " 1976*" || caption == " 1996*";
}

bool isYearWithoutAd(std::string_view categoryKey, std::string_view caption) {
    return displayCategory(categoryKey).index == 0 && isStarredCaption(caption);
}

std::string sorryMessage(std::string_view caption) {
    std::string message = "Sorry!";
    message += Crlf;
    message += Crlf;
    message += "Halvane did not advertise the Vantor in ";
    message += slice(caption, 2, 4);
    message += ".";
    message += Crlf;
    return message;
}

std::string counterText(int adNumber, int adCount) {
    // Widened so that the largest ad number still reads as its successor instead of overflowing.
    return std::to_string(static_cast<long long>(adNumber) + 1) + " of " + std::to_string(adCount);
}

std::string panText3Caption(std::string_view caption) {
    return std::string(caption) + " ";
}

} // namespace catalog
