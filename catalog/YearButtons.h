#pragma once

#include <array>
#include <string>
#include <string_view>

namespace catalog {

inline constexpr int YearButtonCount = 50;

// Index of the button of the first year after the missing 1983 ("1984").
inline constexpr int FirstButtonAfterGap = 30;
inline constexpr int ZxButton = 48;
inline constexpr int RelatedButton = 49;
// The two years in which the car was not advertised on its own ("1976", "1996"), marked for "vantor".
inline constexpr int Starred1976Button = 23;
inline constexpr int Starred1996Button = 42;
// The buttons whose captions a choice of category sets again: the first one and the two marked years.
inline constexpr std::array<int, 3> RelabelledButtons{0, Starred1976Button, Starred1996Button};

struct Rgb {
    int red;
    int green;
    int blue;
};

// Position and size in twips inside the left panel.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// All functions taking a button index throw std::out_of_range for an index outside 0 to 49.

// Caption as the window is designed, before any category is chosen (the "Vantor" category is the
// design's default, so 1976 and 1996 carry their marks).
std::string designCaption(int index);

// Caption after choosing the category with this key: only "vantor" marks the two years in which the car
// was not advertised on its own; every other category shows them plainly.
std::string yearButtonCaption(int index, std::string_view categoryKey);

Rgb captionColour(int index);

// Empty for the buttons that have no tool tip.
std::string_view toolTip(int index);

TwipRect yearButtonGeometry(int index);

} // namespace catalog
