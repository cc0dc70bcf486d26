#include "catalog/AdFileList.h"

#include "FakeFileLister.h"

#include <gtest/gtest.h>

namespace {

const std::string Root = "E:";
const std::string Folder = "E:\\Ads\\";

using Paths = std::vector<std::string>;

} // namespace

TEST(AdFileList, UpperCaseSortsBeforeLowerCase) {
    FakeFileLister lister;
    lister.addFolder(Folder, {"b.jpg", "A.jpg"});
    const auto list = catalog::buildAdFileList(Root, lister, [] { return false; });
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(*list, (Paths{"E:\\Ads\\A.jpg", "E:\\Ads\\b.jpg"}));
}

TEST(AdFileList, PlainByteOrderOfWholeNames) {
    FakeFileLister lister;
    lister.addFolder(Folder, {"63kxpe10.jpg", "a.txt", "63kxpe02.jpg", "_x.jpg", "100pekx00.jpg", "B.jpg",
                              "63kxpe100.jpg", "README"});
    const auto list = catalog::buildAdFileList(Root, lister, [] { return false; });
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(*list, (Paths{"E:\\Ads\\100pekx00.jpg", "E:\\Ads\\63kxpe02.jpg", "E:\\Ads\\63kxpe10.jpg",
                            "E:\\Ads\\63kxpe100.jpg", "E:\\Ads\\B.jpg", "E:\\Ads\\README", "E:\\Ads\\_x.jpg",
                            "E:\\Ads\\a.txt"}));
    EXPECT_EQ(lister.requests(), Paths{"E:\\Ads\\*.*"});
}

TEST(AdFileList, EmptyFolderGivesAnEmptyList) {
    FakeFileLister lister;
    lister.addFolder(Folder, {});
    int asked = 0;
    const auto list = catalog::buildAdFileList(Root, lister, [&] {
        ++asked;
        return false;
    });
    ASSERT_TRUE(list.has_value());
    EXPECT_TRUE(list->empty());
    EXPECT_EQ(asked, 0);
}

TEST(AdFileList, RetryListsAgainAfterAFailure) {
    FakeFileLister lister;
    lister.addFolder(Folder, {"63kxpe00.jpg"});
    lister.failFolder(Folder, 2);
    int asked = 0;
    const auto list = catalog::buildAdFileList(Root, lister, [&] {
        ++asked;
        return true;
    });
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(*list, Paths{"E:\\Ads\\63kxpe00.jpg"});
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(lister.requests().size(), 3u);
}

TEST(AdFileList, CancelGivesNoList) {
    FakeFileLister lister;
    lister.addFolder(Folder, {"63kxpe00.jpg"});
    lister.failFolder(Folder);
    int asked = 0;
    const auto list = catalog::buildAdFileList(Root, lister, [&] { return ++asked < 3; });
    EXPECT_FALSE(list.has_value());
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(lister.requests().size(), 3u);
}

TEST(AdFileList, NoCallbackGivesUpAtOnce) {
    FakeFileLister lister;
    lister.failFolder(Folder);
    EXPECT_FALSE(catalog::buildAdFileList(Root, lister, {}).has_value());
    EXPECT_EQ(lister.requests().size(), 1u);
}
