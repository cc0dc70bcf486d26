#include "catalog/YearButtons.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

// Captions as designed, in index order.
const char* const DesignCaptions[catalog::YearButtonCount] = {
    "1953", "1954", "1955",   "1956",   "1957", "1958", "1959", "1960", "1961", "1962",
    "1963", "1964", "1965",   "1966",   "1967", "1968", "1969", "1970", "1971", "1972",
    "1973", "1974", "1975",   " 1976*", "1977", "1978", "1979", "1980", "1981", "1982",
    "1984", "1985", "1986",   "1987",   "1988", "1989", "1990", "1991", "1992", "1993",
    "1994", "1995", " 1996*", "1997",   "1998", "1999", "2000", "2001", "ZX",   "Related",
};

} // namespace

TEST(YearButtonCaptions, DesignCaptionsOfAllFifty) {
    for (int i = 0; i < catalog::YearButtonCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(catalog::designCaption(i), DesignCaptions[i]);
    }
}

TEST(YearButtonCaptions, OnlyVantorMarksTheTwoYears) {
    struct Case {
        const char* key;
        const char* caption23;
        const char* caption42;
    };
    const Case cases[] = {
        {"vantor", " 1976*", " 1996*"},
        {"kx", "1976", "1996"},
        {"pe", "1976", "1996"},
        {"to", "1976", "1996"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(catalog::yearButtonCaption(23, c.key), c.caption23);
        EXPECT_EQ(catalog::yearButtonCaption(42, c.key), c.caption42);
        EXPECT_EQ(catalog::yearButtonCaption(0, c.key), "1953");
        EXPECT_EQ(catalog::yearButtonCaption(22, c.key), "1975");
        EXPECT_EQ(catalog::yearButtonCaption(24, c.key), "1977");
        EXPECT_EQ(catalog::yearButtonCaption(30, c.key), "1984");
        EXPECT_EQ(catalog::yearButtonCaption(49, c.key), "Related");
    }
}

TEST(YearButtonLook, CaptionColoursAtEveryBoundary) {
    struct Case {
        int index;
        int red, green, blue;
    };
    const Case cases[] = {
        {0, 0, 0, 192},  {9, 0, 0, 192},  {10, 255, 0, 0},   {14, 255, 0, 0},
        {15, 0, 128, 0}, {29, 0, 128, 0}, {30, 128, 0, 128}, {42, 128, 0, 128},
        {43, 0, 0, 0},   {47, 0, 0, 0},   {48, 192, 64, 0},  {49, 192, 64, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        const catalog::Rgb colour = catalog::captionColour(c.index);
        EXPECT_EQ(colour.red, c.red);
        EXPECT_EQ(colour.green, c.green);
        EXPECT_EQ(colour.blue, c.blue);
    }
}

TEST(YearButtonLook, ToolTipsOnlyOnTheSpecialButtons) {
    EXPECT_EQ(catalog::toolTip(48), "Click to view ads featuring the Vantor in ZX sparkplug advertisements.");
    EXPECT_EQ(catalog::toolTip(49), "Click to view non-KX ads featuring Vantor.");
    for (int i = 0; i < 48; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(catalog::toolTip(i).empty());
    }
}

TEST(YearButtonLook, GeometryInTwips) {
    struct Case {
        int index;
        int left, top;
    };
    // Three columns; rows 360 twips apart from 840; the special buttons leave one place free after 2001.
    const Case cases[] = {
        {0, 360, 840},    {1, 360, 1200},  {17, 360, 6960},  {18, 1680, 840},  {29, 1680, 4800},
        {35, 1680, 6960}, {36, 3000, 840}, {47, 3000, 4800}, {48, 3000, 5520}, {49, 3000, 5880},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        const catalog::TwipRect rect = catalog::yearButtonGeometry(c.index);
        EXPECT_EQ(rect.left, c.left);
        EXPECT_EQ(rect.top, c.top);
        EXPECT_EQ(rect.width, 1095);
        EXPECT_EQ(rect.height, 375);
    }
}

TEST(YearButtonLook, EachButtonHasItsOwnPlace) {
    std::set<std::pair<int, int>> places;
    for (int i = 0; i < catalog::YearButtonCount; ++i) {
        const catalog::TwipRect rect = catalog::yearButtonGeometry(i);
        EXPECT_TRUE(places.insert({rect.left, rect.top}).second) << "button " << i;
    }
    // The only free place in the right column is the one between 2001 and "ZX".
    EXPECT_EQ(places.count({3000, 5160}), 0u);
}

TEST(YearButtonLook, IndexOutsideTheButtonsThrows) {
    for (int index : {-1, 50, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(index);
        EXPECT_THROW(catalog::designCaption(index), std::out_of_range);
        EXPECT_THROW(catalog::yearButtonCaption(index, "kx"), std::out_of_range);
        EXPECT_THROW(catalog::captionColour(index), std::out_of_range);
        EXPECT_THROW(catalog::toolTip(index), std::out_of_range);
        EXPECT_THROW(catalog::yearButtonGeometry(index), std::out_of_range);
    }
}
