#include "catalog/Categories.h"

#include <gtest/gtest.h>

#include <stdexcept>

using catalog::Category;

namespace {

struct ExpectedCategory {
    int index;
    const char* caption;
    const char* key;
    int firstButton;
    std::optional<int> firstProbeYear;
    const char* fileNamePart;
    const char* panParentWord;
};

const ExpectedCategory Table[] = {
    {0, "Vantor", "vantor", 0, std::nullopt, "kxpe", " Vantor "},
    {1, "w/KX", "kx", 0, 53, "pekx", " w/KX "},
    {2, "w/Pellion", "pe", 9, 62, "pepe", " w/Pellion "},
    {3, "w/Tolvin", "to", 14, 67, "peto", " w/Tolvin "},
};

void expectCategory(const Category& actual, const ExpectedCategory& expected) {
    EXPECT_EQ(actual.index, expected.index);
    EXPECT_EQ(actual.caption, expected.caption);
    EXPECT_EQ(actual.key, expected.key);
    EXPECT_EQ(actual.firstButton, expected.firstButton);
    EXPECT_EQ(actual.firstProbeYear, expected.firstProbeYear);
    EXPECT_EQ(actual.fileNamePart, expected.fileNamePart);
    EXPECT_EQ(actual.panParentWord, expected.panParentWord);
}

} // namespace

TEST(Categories, TableInOptionOrder) {
    ASSERT_EQ(catalog::categories().size(), std::size(Table));
    for (const ExpectedCategory& expected : Table) {
        SCOPED_TRACE(expected.key);
        expectCategory(catalog::categories()[static_cast<std::size_t>(expected.index)], expected);
        expectCategory(catalog::categoryAt(expected.index), expected);
    }
}

TEST(Categories, LookupByKeyIsExact) {
    for (const ExpectedCategory& expected : Table) {
        SCOPED_TRACE(expected.key);
        const Category* found = catalog::findCategory(expected.key);
        ASSERT_NE(found, nullptr);
        expectCategory(*found, expected);
        expectCategory(catalog::displayCategory(expected.key), expected);
    }
    EXPECT_EQ(catalog::findCategory("KX"), nullptr);
    EXPECT_EQ(catalog::findCategory("kx "), nullptr);
    EXPECT_EQ(catalog::findCategory(""), nullptr);
}

TEST(Categories, EmptyOrUnknownKeyDisplaysAsVantor) {
    for (const char* key : {"", "KX", "Vantor", "xyz"}) {
        SCOPED_TRACE(key);
        expectCategory(catalog::displayCategory(key), Table[0]);
    }
}

TEST(Categories, IndexOutsideTheOptionsThrows) {
    EXPECT_THROW(catalog::categoryAt(-1), std::out_of_range);
    EXPECT_THROW(catalog::categoryAt(4), std::out_of_range);
}
