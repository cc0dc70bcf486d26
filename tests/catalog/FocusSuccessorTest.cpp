#include "catalog/FocusSuccessor.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <vector>

namespace {

struct Case {
    const char* key;
    int from;
    std::optional<int> to;
};

// The buttons visited by repeated focus moves, from the category's first button until it comes round again.
std::vector<int> walk(const char* key, int first) {
    std::vector<int> visited{first};
    std::optional<int> next = catalog::focusSuccessor(key, first);
    while (next && *next != first && visited.size() <= 50) {
        visited.push_back(*next);
        next = catalog::focusSuccessor(key, *next);
    }
    return visited;
}

} // namespace

TEST(FocusSuccessor, SpecialSuccessors) {
    const Case cases[] = {
        {"kx", 15, 17}, {"kx", 19, 21}, {"kx", 23, 30},     {"kx", 30, 32},     {"kx", 33, 35},
        {"kx", 35, 37}, {"kx", 38, 1},  {"kx", 45, 1},      {"pe", 11, 13},     {"pe", 13, 9},
        {"to", 16, 18}, {"to", 18, 14}, {"vantor", 22, 24}, {"vantor", 41, 43}, {"vantor", 49, 0},
        {"", 22, 24},   {"", 49, 0},    {"KX", 15, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.key << " " << c.from);
        EXPECT_EQ(catalog::focusSuccessor(c.key, c.from), c.to);
    }
}

TEST(FocusSuccessor, OtherButtonsPassToTheNext) {
    const Case cases[] = {
        {"vantor", 0, 1}, {"vantor", 21, 22}, {"vantor", 23, 24}, {"vantor", 48, 49}, {"kx", 0, 1},
        {"kx", 14, 15},   {"kx", 17, 18},     {"kx", 44, 45},     {"kx", 48, 49},     {"pe", 9, 10},
        {"pe", 12, 13},   {"pe", 14, 15},     {"to", 14, 15},     {"to", 17, 18},     {"to", 48, 49},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.key << " " << c.from);
        EXPECT_EQ(catalog::focusSuccessor(c.key, c.from), c.to);
    }
}

TEST(FocusSuccessor, NoSuccessorAfterTheLastButtonOrOutsideTheButtons) {
    const Case cases[] = {
        {"kx", 49, std::nullopt},      {"pe", 49, std::nullopt},     {"to", 49, std::nullopt},
        {"vantor", -1, std::nullopt},  {"vantor", 50, std::nullopt}, {"kx", INT_MAX, std::nullopt},
        {"kx", INT_MIN, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.key << " " << c.from);
        EXPECT_EQ(catalog::focusSuccessor(c.key, c.from), c.to);
    }
}

TEST(FocusSuccessor, RepeatedMovesCircleThroughTheCategory) {
    EXPECT_EQ(walk("pe", 9), (std::vector<int>{9, 10, 11, 13}));
    EXPECT_EQ(walk("to", 14), (std::vector<int>{14, 15, 16, 18}));
    EXPECT_EQ(walk("kx", 1), (std::vector<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                               15, 17, 18, 19, 21, 22, 23, 30, 32, 33, 35, 37, 38}));

    std::vector<int> vantor;
    for (int b = 0; b < 50; ++b) {
        if (b != 23 && b != 42)
            vantor.push_back(b);
    }
    EXPECT_EQ(walk("vantor", 0), vantor);
}
