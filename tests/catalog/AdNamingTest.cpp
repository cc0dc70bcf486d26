#include "catalog/AdNaming.h"

#include <gtest/gtest.h>

#include <climits>

TEST(YearText, FromEveryKindOfCaption) {
    struct Case {
        const char* caption;
        const char* yearText;
    };
    const Case cases[] = {
        {"1953", "53"},
        {"1963", "63"},
        {"1982", "82"},
        {"1984", "84"},
        {"1999", "99"},
        {"2000", "00"},
        {"2001", "01"},
        {" 1976*", "97"},
        {" 1996*", "99"},
        {"1976", "76"},
        {"1996", "96"},
        {"ZX", "ZX"},
        {"Related", "Re"},
        // Only the first two characters decide; they may hold blanks around a digit.
        {"1 23", "23"},
        {" 112", "12"},
        {"  12", "  "},
        {"A1963", "A1"},
        {"1x63", "1x"},
        // Captions too short to hold four characters give what is there, never more.
        {"", ""},
        {"Z", "Z"},
        {"19", ""},
        {"196", "6"},
        {"  ", "  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.caption + "\"");
        EXPECT_EQ(catalog::yearTextFromCaption(c.caption), c.yearText);
    }
}

TEST(AdFileNames, NumberDigits) {
    struct Case {
        int number;
        const char* digits;
    };
    const Case cases[] = {{0, "00"}, {1, "01"}, {9, "09"}, {10, "10"}, {42, "42"}, {99, "99"}, {100, "100"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(catalog::adNumberDigits(c.number), c.digits);
    }
}

TEST(AdFileNames, FirstAdOfEachCategory) {
    struct Case {
        const char* root;
        const char* yearText;
        const char* key;
        const char* path;
    };
    const Case cases[] = {
        {"E:", "63", "vantor", "E:\\ads\\63kxpe00.jpg"},
        {"E:", "63", "kx", "E:\\ads\\63pekx00.jpg"},
        {"E:", "64", "pe", "E:\\ads\\64pepe00.jpg"},
        {"E:", "70", "to", "E:\\ads\\70peto00.jpg"},
        {"E:", "ZX", "", "E:\\ads\\ZXkxpe00.jpg"},
        {"E:", "Re", "unknown", "E:\\ads\\Rekxpe00.jpg"},
        {"/home/u/.local/share/VantorAds", "01", "kx", "/home/u/.local/share/VantorAds\\ads\\01pekx00.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(catalog::firstAdPathText(c.root, c.yearText, c.key), c.path);
    }
}

TEST(AdFileNames, StepBaseAndFurtherAds) {
    EXPECT_EQ(catalog::stepBaseOf("E:\\ads\\63kxpe00.jpg"), "E:\\ads\\63kxpe");
    EXPECT_EQ(catalog::stepBaseOf("00.jpg"), "");
    EXPECT_EQ(catalog::stepBaseOf("0.jpg"), "");
    EXPECT_EQ(catalog::stepBaseOf(""), "");

    EXPECT_EQ(catalog::adPathText("E:\\ads\\63kxpe", 0), "E:\\ads\\63kxpe00.jpg");
    EXPECT_EQ(catalog::adPathText("E:\\ads\\63kxpe", 2), "E:\\ads\\63kxpe02.jpg");
    EXPECT_EQ(catalog::adPathText("E:\\ads\\63kxpe", 57), "E:\\ads\\63kxpe57.jpg");
    EXPECT_EQ(catalog::adPathText("E:\\ads\\63kxpe", 100), "E:\\ads\\63kxpe100.jpg");
}

TEST(ShownTexts, PanParentCaptionPerCategory) {
    EXPECT_EQ(catalog::panParentCaption("vantor", "1963"), " Vantor 1963 Ad");
    EXPECT_EQ(catalog::panParentCaption("kx", "1976"), " w/KX 1976 Ad");
    EXPECT_EQ(catalog::panParentCaption("pe", "1963"), " w/Pellion 1963 Ad");
    EXPECT_EQ(catalog::panParentCaption("to", "Related"), " w/Tolvin Related Ad");
    EXPECT_EQ(catalog::panParentCaption("", "ZX"), " Vantor ZX Ad");
    EXPECT_EQ(catalog::panParentCaption("Pe", "1963"), " Vantor 1963 Ad");
}

TEST(ShownTexts, StarredCaptionsAreExact) {
    EXPECT_TRUE(catalog::isStarredCaption(" 1976*"));
    EXPECT_TRUE(catalog::isStarredCaption(" 1996*"));
    for (const char* caption : {"1976", "1996", "1976*", " 1976", " 1976* ", " 1986*", ""}) {
        SCOPED_TRACE(caption);
        EXPECT_FALSE(catalog::isStarredCaption(caption));
    }
    // Only the plain "Vantor" ads miss those years; before any category is chosen they are the ones shown.
    EXPECT_TRUE(catalog::isYearWithoutAd("vantor", " 1976*"));
    EXPECT_TRUE(catalog::isYearWithoutAd("", " 1996*"));
    EXPECT_FALSE(catalog::isYearWithoutAd("kx", " 1976*"));
    EXPECT_FALSE(catalog::isYearWithoutAd("vantor", "1976"));
}

TEST(ShownTexts, SorryMessageNamesTheYear) {
    EXPECT_EQ(catalog::sorryMessage(" 1976*"),
              "Sorry!\r\n\r\nHalvane did not advertise the Vantor in 1976.\r\n");
    EXPECT_EQ(catalog::sorryMessage(" 1996*"),
              "Sorry!\r\n\r\nHalvane did not advertise the Vantor in 1996.\r\n");
    EXPECT_EQ(catalog::sorryMessage(" 19"), "Sorry!\r\n\r\nHalvane did not advertise the Vantor in 19.\r\n");
    EXPECT_EQ(catalog::sorryMessage(""), "Sorry!\r\n\r\nHalvane did not advertise the Vantor in .\r\n");
}

TEST(ShownTexts, CounterText) {
    EXPECT_EQ(catalog::counterText(0, 3), "1 of 3");
    EXPECT_EQ(catalog::counterText(2, 5), "3 of 5");
    EXPECT_EQ(catalog::counterText(100, 101), "101 of 101");
    EXPECT_EQ(catalog::counterText(0, 0), "1 of 0");
    EXPECT_EQ(catalog::counterText(-1, 2), "0 of 2");
    EXPECT_EQ(catalog::counterText(INT_MAX, INT_MAX), "2147483648 of 2147483647");
    EXPECT_EQ(catalog::counterText(INT_MIN, INT_MIN), "-2147483647 of -2147483648");
}

TEST(ShownTexts, PanText3CaptionHasOneTrailingBlank) {
    EXPECT_EQ(catalog::panText3Caption("1963"), "1963 ");
    EXPECT_EQ(catalog::panText3Caption("Related"), "Related ");
}
