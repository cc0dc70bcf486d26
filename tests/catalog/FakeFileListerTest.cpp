#include "FakeFileLister.h"

#include <gtest/gtest.h>

// The other catalog tests lean on this fake, so its matching must be right first.

TEST(FakeFileLister, WildcardsIgnoreCase) {
    EXPECT_TRUE(wildcardMatches("*.jpg", "63KXPE00.JPG"));
    EXPECT_TRUE(wildcardMatches("01*.jpg", "01kxpe00.jpg"));
    EXPECT_FALSE(wildcardMatches("01*.jpg", "001kxpe00.jpg"));
    EXPECT_TRUE(wildcardMatches("??pe.jpg", "63pe.jpg"));
    EXPECT_FALSE(wildcardMatches("??pe.jpg", "163pe.jpg"));
    EXPECT_FALSE(wildcardMatches("*.jpg", "a.jpg.txt"));
    EXPECT_TRUE(wildcardMatches("*.*", "README"));
}

TEST(FakeFileLister, ListsNamesOfOneFolderOnly) {
    FakeFileLister lister;
    lister.addFolder("E:\\ads\\", {"63kxpe00.jpg", "notes.txt"});
    lister.addFolder("E:\\other\\", {"64kxpe00.jpg"});

    const catalog::Listing listing = lister.list("e:\\ADS\\*.jpg");
    EXPECT_TRUE(listing.ok);
    EXPECT_EQ(listing.names, std::vector<std::string>{"63kxpe00.jpg"});
    EXPECT_EQ(lister.requests(), std::vector<std::string>{"e:\\ADS\\*.jpg"});
}

TEST(FakeFileLister, UnknownAndFailingFoldersFail) {
    FakeFileLister lister;
    lister.addFolder("E:\\ads\\", {"63kxpe00.jpg"});
    EXPECT_FALSE(lister.list("F:\\ads\\*.jpg").ok);

    lister.failFolder("E:\\ads\\", 1);
    EXPECT_FALSE(lister.list("E:\\ads\\*.jpg").ok);
    EXPECT_TRUE(lister.list("E:\\ads\\*.jpg").ok);

    lister.failFolder("E:\\ads\\");
    EXPECT_FALSE(lister.list("E:\\ads\\*.jpg").ok);
    EXPECT_FALSE(lister.list("E:\\ads\\*.jpg").ok);
}
