#include "catalog/YearEnabling.h"

#include "FakeFileLister.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const std::string Root = "E:";
const std::string AdsFolder = "E:\\ads\\";

std::set<int> enabledSet(const std::array<bool, catalog::YearButtonCount>& enabled) {
    std::set<int> result;
    for (int i = 0; i < catalog::YearButtonCount; ++i) {
        if (enabled[static_cast<std::size_t>(i)])
            result.insert(i);
    }
    return result;
}

std::set<int> enabledFor(const std::string& key, const std::vector<std::string>& files) {
    FakeFileLister lister;
    lister.addFolder(AdsFolder, files);
    return enabledSet(catalog::enabledYearButtons(key, Root, lister));
}

struct Case {
    const char* key;
    std::vector<std::string> files;
    std::set<int> buttons;
};

void runCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.key << " with " << (c.files.empty() ? "-" : c.files.front()));
        EXPECT_EQ(enabledFor(c.key, c.files), c.buttons);
    }
}

} // namespace

TEST(YearEnabling, VantorOffersEveryButtonWithoutLooking) {
    FakeFileLister lister;
    lister.failFolder(AdsFolder);
    const auto enabled = catalog::enabledYearButtons("vantor", Root, lister);
    EXPECT_EQ(enabledSet(enabled).size(), 50u);
    EXPECT_TRUE(lister.requests().empty());
}

TEST(YearEnabling, KxYearsAroundTheMissing1983) {
    runCases({
        {"kx", {"53pekx00.jpg"}, {0}},
        {"kx", {"63pekx00.jpg"}, {10}},
        {"kx", {"82pekx00.jpg"}, {29}},
        {"kx", {"83pekx00.jpg"}, {29}},
        {"kx", {"84pekx00.jpg"}, {30}},
        {"kx", {"99pekx00.jpg"}, {45}},
    });
}

TEST(YearEnabling, KxYearsFrom2000CountOnPast99) {
    runCases({
        {"kx", {"100pekx00.jpg"}, {46}},
        {"kx", {"101pekx00.jpg"}, {47}},
        {"kx", {"102pekx00.jpg"}, {48}},
        {"kx", {"103pekx00.jpg"}, {}},
        {"kx", {"00pekx00.jpg", "01pekx00.jpg"}, {}},
    });
}

TEST(YearEnabling, PellionAndTolvinStartLater) {
    runCases({
        {"pe", {"62pepe00.jpg"}, {9}},
        {"pe", {"61pepe00.jpg"}, {}},
        {"pe", {"62pepe00.jpg", "64pepe00.jpg", "70pepe00.jpg"}, {9, 11, 17}},
        {"pe", {"103pepe00.jpg"}, {49}},
        {"to", {"67peto00.jpg"}, {14}},
        {"to", {"66peto00.jpg"}, {}},
        {"to", {"103peto00.jpg"}, {49}},
        {"to", {"116peto00.jpg"}, {}},
    });
}

TEST(YearEnabling, OnlyTheFirstAdOfTheCategoryCounts) {
    runCases({
        {"kx", {"63pekx01.jpg", "63pepe00.jpg", "63kxpe00.jpg", "63pekx00.jpg.txt", "63pekx00.jpeg"}, {}},
        {"pe", {"63pekx00.jpg", "63peto00.jpg"}, {}},
        {"to", {"70pepe00.jpg", "070peto00.jpg"}, {}},
    });
}

TEST(YearEnabling, NamesMatchWithoutRegardToCase) {
    runCases({
        {"pe", {"62PEPE00.JPG"}, {9}},
        {"kx", {"84PeKx00.Jpg"}, {30}},
    });
}

TEST(YearEnabling, UnknownKeyProbesFrom53WithItsOwnText) {
    runCases({
        {"xy", {"53pexy00.jpg", "54pexy00.jpg"}, {0, 1}},
        {"xy", {"53pekx00.jpg"}, {}},
        {"", {"53pe00.jpg"}, {0}},
        {"Vantor", {"53peVantor00.jpg"}, {0}},
    });
}

TEST(YearEnabling, ListsTheAdsFolderOnce) {
    FakeFileLister lister;
    lister.addFolder(AdsFolder, {"53pekx00.jpg"});
    catalog::enabledYearButtons("kx", Root, lister);
    EXPECT_EQ(lister.requests(), std::vector<std::string>{"E:\\ads\\*.jpg"});
}

TEST(YearEnabling, FailedListingAsksForEachYearsFirstAd) {
    FakeFileLister lister;
    lister.addFolder(AdsFolder, {"62pepe00.jpg", "70PEPE00.JPG", "64pepe01.jpg"});
    lister.failFolder(AdsFolder);
    EXPECT_EQ(enabledSet(catalog::enabledYearButtons("pe", Root, lister)), (std::set<int>{9, 17}));
    ASSERT_GT(lister.requests().size(), 1u);
    EXPECT_EQ(lister.requests()[1], "E:\\ads\\62pepe00.jpg");
}

TEST(YearEnabling, DriveThatStopsAnsweringIsAskedOnce) {
    FakeFileLister lister;
    lister.addFolder(AdsFolder, {"53pekx00.jpg"});
    lister.silenceFolder(AdsFolder);
    EXPECT_TRUE(enabledSet(catalog::enabledYearButtons("kx", Root, lister)).empty());
    EXPECT_EQ(lister.requests(), (std::vector<std::string>{"E:\\ads\\*.jpg", "E:\\ads\\53pekx00.jpg"}));
}

TEST(YearEnabling, FilesInAnotherRootDoNotCount) {
    FakeFileLister lister;
    lister.addFolder("F:\\ads\\", {"53pekx00.jpg"});
    lister.addFolder(AdsFolder, {});
    EXPECT_TRUE(enabledSet(catalog::enabledYearButtons("kx", Root, lister)).empty());
}
