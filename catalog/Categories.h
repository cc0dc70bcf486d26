#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace catalog {

// One of the four ad categories offered by the option buttons.
struct Category {
    int index;                         // option button index
    std::string_view caption;          // option button caption
    std::string_view key;              // value of CategoryKey
    int firstButton;                   // year button shown right after the category is chosen
    std::optional<int> firstProbeYear; // first year number of the enabling probe; none: all enabled
    std::string_view fileNamePart;     // follows the two year characters in an ad file name
    std::string_view panParentWord;    // framed by blanks, opens the caption above the ad
};

inline constexpr int CategoryCount = 4;

const std::array<Category, CategoryCount>& categories();

// Throws std::out_of_range for an index outside 0 to 3.
const Category& categoryAt(int index);

// Exact, case-sensitive key match; nullptr for any other key.
const Category* findCategory(std::string_view key);

// The category whose names and files are shown for a key: before the first category click the key is
// empty, and the viewer then shows the plain "vantor" ads, as it does for any key it does not know.
const Category& displayCategory(std::string_view key);

} // namespace catalog
