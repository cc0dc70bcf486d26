#include "catalog/YearButtons.h"

#include <stdexcept>

namespace catalog {

namespace {

constexpr int ButtonsPerFullColumn = 18;
constexpr int ColumnLefts[] = {360, 1680, 3000};
constexpr int FirstTop = 840;
constexpr int RowPitch = 360;
constexpr int ButtonWidth = 1095;
constexpr int ButtonHeight = 375;

void checkIndex(int index) {
    if (index < 0 || index >= YearButtonCount)
        throw std::out_of_range("year button index out of range");
}

std::string plainCaption(int index) {
    if (index == ZxButton)
        return "ZX";
    if (index == RelatedButton)
        return "Related";
    const int year = index < FirstButtonAfterGap ? 1953 + index : 1954 + index;
    return std::to_string(year);
}

} // namespace

std::string designCaption(int index) {
    return yearButtonCaption(index, "vantor");
}

std::string yearButtonCaption(int index, std::string_view categoryKey) {
    checkIndex(index);
    std::string caption = plainCaption(index);
    if (categoryKey == "vantor" && (index == Starred1976Button || index == Starred1996Button))
        caption = " " + caption + "*";
    return caption;
}

Rgb captionColour(int index) {
    checkIndex(index);
    if (index <= 9)
        return {0, 0, 192};
    if (index <= 14)
        return {255, 0, 0};
    if (index <= 29)
        return {0, 128, 0};
    if (index <= 42)
        return {128, 0, 128};
    if (index <= 47)
        return {0, 0, 0};
    return {192, 64, 0};
}

std::string_view toolTip(int index) {
    checkIndex(index);
    if (index == ZxButton)
        return "Click to view ads featuring the Vantor in ZX sparkplug advertisements.";
    if (index == RelatedButton)
        return "Click to view non-KX ads featuring Vantor.";
    return {};
}

TwipRect yearButtonGeometry(int index) {
    checkIndex(index);
    const int column = index / ButtonsPerFullColumn;
    int row = index % ButtonsPerFullColumn;
    // The two special buttons stand apart from the years, one place below the last year.
    if (index >= ZxButton)
        ++row;
    return {ColumnLefts[column], FirstTop + RowPitch * row, ButtonWidth, ButtonHeight};
}

} // namespace catalog
