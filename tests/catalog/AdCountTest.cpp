#include "catalog/AdCount.h"

#include "FakeFileLister.h"

#include <gtest/gtest.h>

namespace {

const std::string FirstAd = "E:\\ads\\63kxpe00.jpg";

int countWith(const std::vector<std::string>& files) {
    FakeFileLister lister;
    lister.addFolder("E:\\ads\\", files);
    return catalog::countAds(FirstAd, lister);
}

} // namespace

TEST(AdCount, HighestExistingNumberPlusOne) {
    struct Case {
        const char* label;
        std::vector<std::string> files;
        int count;
    };
    const Case cases[] = {
        {"00 01 02", {"63kxpe00.jpg", "63kxpe01.jpg", "63kxpe02.jpg"}, 3},
        {"gap at 01", {"63kxpe00.jpg", "63kxpe02.jpg"}, 3},
        {"only 00", {"63kxpe00.jpg"}, 1},
        {"first ad missing", {"63kxpe04.jpg"}, 5},
        {"ten and more", {"63kxpe00.jpg", "63kxpe10.jpg", "63kxpe09.jpg"}, 11},
        {"100 present", {"63kxpe00.jpg", "63kxpe100.jpg"}, 101},
        {"none", {}, 0},
        {"upper case", {"63KXPE00.JPG", "63KxPe05.Jpg"}, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(countWith(c.files), c.count);
    }
}

TEST(AdCount, NamesOutsideTheNumberingNeverCount) {
    struct Case {
        const char* label;
        std::vector<std::string> files;
        int count;
    };
    const Case cases[] = {
        {"above 100", {"63kxpe00.jpg", "63kxpe101.jpg", "63kxpe200.jpg"}, 1},
        {"one digit", {"63kxpe00.jpg", "63kxpe7.jpg"}, 1},
        {"three-digit small", {"63kxpe00.jpg", "63kxpe007.jpg", "63kxpe099.jpg"}, 1},
        {"other category", {"63kxpe00.jpg", "63pekx05.jpg", "63pepe05.jpg"}, 1},
        {"other year", {"63kxpe00.jpg", "64kxpe05.jpg", "163kxpe05.jpg"}, 1},
        {"other extension", {"63kxpe00.jpg", "63kxpe05.jpeg", "63kxpe05.jpg.bak"}, 1},
        {"signed number", {"63kxpe-1.jpg", "63kxpe+5.jpg"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(countWith(c.files), c.count);
    }
}

TEST(AdCount, ListsTheFolderOfTheFirstAdOnce) {
    FakeFileLister lister;
    lister.addFolder("/home/u/.local/share/VantorAds\\ads\\", {"ZXpekx00.jpg", "ZXpekx01.jpg"});
    EXPECT_EQ(catalog::countAds("/home/u/.local/share/VantorAds\\ads\\ZXpekx00.jpg", lister), 2);
    EXPECT_EQ(lister.requests(), std::vector<std::string>{"/home/u/.local/share/VantorAds\\ads\\*.jpg"});
}

TEST(AdCount, FilesOfAnotherFolderDoNotCount) {
    FakeFileLister lister;
    lister.addFolder("E:\\ads\\", {});
    lister.addFolder("E:\\", {"63kxpe00.jpg"});
    lister.addFolder("F:\\ads\\", {"63kxpe00.jpg"});
    EXPECT_EQ(catalog::countAds(FirstAd, lister), 0);
}

TEST(AdCount, FailedListingAsksForEachFileFromTheTop) {
    FakeFileLister lister;
    lister.addFolder("E:\\ads\\", {"63kxpe00.jpg", "63KXPE02.JPG", "63kxpe98.jpg.txt"});
    lister.failFolder("E:\\ads\\");
    EXPECT_EQ(catalog::countAds(FirstAd, lister), 3);
    const std::vector<std::string>& asked = lister.requests();
    ASSERT_EQ(asked.size(), 1u + 99u); // the listing, then 100 down to 2
    EXPECT_EQ(asked[1], "E:\\ads\\63kxpe100.jpg");
    EXPECT_EQ(asked.back(), "E:\\ads\\63kxpe02.jpg");
}

TEST(AdCount, DriveThatStopsAnsweringIsAskedOnce) {
    FakeFileLister lister;
    lister.addFolder("E:\\ads\\", {"63kxpe00.jpg"});
    lister.silenceFolder("E:\\ads\\");
    EXPECT_EQ(catalog::countAds(FirstAd, lister), 0);
    EXPECT_EQ(lister.requests(), (std::vector<std::string>{"E:\\ads\\*.jpg", "E:\\ads\\63kxpe100.jpg"}));
}

TEST(AdCount, PathsTooShortForAStemStillProbeTheirFolder) {
    FakeFileLister lister;
    lister.addFolder("E:\\ads\\", {"00.jpg", "01.jpg"});
    EXPECT_EQ(catalog::countAds("E:\\ads\\00.jpg", lister), 2);

    FakeFileLister bare;
    bare.addFolder("", {"00.jpg"});
    EXPECT_EQ(catalog::countAds("0.jpg", bare), 1);
    EXPECT_EQ(bare.requests(), std::vector<std::string>{"*.jpg"});
}
