#include "catalog/Stepping.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <vector>

namespace {

// Stands in for the views: ad numbers whose file loads, and every number the search asked for.
struct Year {
    std::set<int> loadable;
    std::vector<int> probed;

    catalog::AdProbe probe() {
        return [this](int n) {
            probed.push_back(n);
            return loadable.count(n) != 0;
        };
    }
};

std::vector<int> range(int from, int to) {
    std::vector<int> numbers;
    const int step = from <= to ? 1 : -1;
    for (int n = from; n != to + step; n += step)
        numbers.push_back(n);
    return numbers;
}

std::vector<int> concat(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void expectFound(const catalog::StepResult& result, int adNumber) {
    EXPECT_TRUE(result.stepped);
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.adNumber, adNumber);
}

void expectNotFound(const catalog::StepResult& result, int adNumber) {
    EXPECT_TRUE(result.stepped);
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.adNumber, adNumber);
}

} // namespace

TEST(SteppingForward, WalksThreeAdsAndWraps) {
    Year year{{0, 1, 2}, {}};
    const int expectedNext[] = {1, 2, 0, 1};
    int shown = 0;
    for (int expected : expectedNext) {
        SCOPED_TRACE(shown);
        const catalog::StepResult result = catalog::searchNextAd(shown, 3, year.probe());
        expectFound(result, expected);
        shown = result.adNumber;
    }
}

TEST(SteppingForward, WrapProbesEverythingAboveThenTheFirstAd) {
    Year year{{0, 1, 2}, {}};
    expectFound(catalog::searchNextAd(2, 3, year.probe()), 0);
    EXPECT_EQ(year.probed, concat(range(3, 100), {0}));
}

TEST(SteppingForward, SkipsAGap) {
    Year year{{0, 1, 3}, {}};
    expectFound(catalog::searchNextAd(1, 4, year.probe()), 3);
    EXPECT_EQ(year.probed, (std::vector<int>{2, 3}));
}

TEST(SteppingForward, FirstAdCountsAsFoundEvenWhenItDoesNotLoad) {
    Year year{{5}, {}};
    expectFound(catalog::searchNextAd(5, 6, year.probe()), 0);
    EXPECT_EQ(year.probed.back(), 0);
}

TEST(SteppingForward, NothingAboveTheFirstAdLeaves101) {
    Year year{{0}, {}};
    expectNotFound(catalog::searchNextAd(0, 2, year.probe()), 101);
    EXPECT_EQ(year.probed, range(1, 100));
}

TEST(SteppingForward, NoAdsAtAllLeaves101) {
    Year year{{}, {}};
    expectNotFound(catalog::searchNextAd(0, 0, year.probe()), 101);
    EXPECT_EQ(year.probed, range(1, 100));
}

TEST(SteppingForward, AfterAFruitlessSearchStartsAgainAboveTheFirstAd) {
    Year year{{0, 7}, {}};
    expectFound(catalog::searchNextAd(101, 8, year.probe()), 7);
    EXPECT_EQ(year.probed, range(1, 7));

    Year empty{{}, {}};
    expectNotFound(catalog::searchNextAd(101, 0, empty.probe()), 101);
    EXPECT_EQ(empty.probed, range(1, 100));

    Year huge{{0, 3}, {}};
    expectFound(catalog::searchNextAd(INT_MAX, 4, huge.probe()), 3);
}

TEST(SteppingForward, FromAd100WrapsToTheFirstAd) {
    Year year{{0, 1, 100}, {}};
    expectFound(catalog::searchNextAd(100, 101, year.probe()), 0);
    EXPECT_EQ(year.probed, std::vector<int>{0});
}

TEST(SteppingForward, ReachesAd100ButNeverBeyond) {
    Year year{{0, 100, 101}, {}};
    expectFound(catalog::searchNextAd(0, 101, year.probe()), 100);
    EXPECT_EQ(year.probed, range(1, 100));
}

TEST(SteppingForward, NegativeNumberStepsOntoTheFirstAd) {
    for (int start : {-1, -5, INT_MIN}) {
        SCOPED_TRACE(start);
        Year year{{0, 1}, {}};
        expectFound(catalog::searchNextAd(start, 2, year.probe()), 0);
        EXPECT_EQ(year.probed, std::vector<int>{0});
    }
}

TEST(SteppingBackward, WrapsFromTheFirstAdToTheLast) {
    Year year{{0, 1, 2}, {}};
    expectFound(catalog::searchPreviousAd(0, 3, year.probe()), 2);
    EXPECT_EQ(year.probed, range(100, 2));
}

TEST(SteppingBackward, WalksBackThroughAGap) {
    Year year{{0, 1, 3}, {}};
    const int expectedPrevious[] = {1, 0, 3};
    int shown = 3;
    for (int expected : expectedPrevious) {
        SCOPED_TRACE(shown);
        const catalog::StepResult result = catalog::searchPreviousAd(shown, 4, year.probe());
        expectFound(result, expected);
        shown = result.adNumber;
    }
}

TEST(SteppingBackward, FromAdOneProbesOnlyTheFirstAd) {
    Year year{{}, {}};
    expectFound(catalog::searchPreviousAd(1, 3, year.probe()), 0);
    EXPECT_EQ(year.probed, std::vector<int>{0});
}

TEST(SteppingBackward, WrapFindingNothingLeavesZero) {
    Year year{{0}, {}};
    expectNotFound(catalog::searchPreviousAd(0, 2, year.probe()), 0);
    EXPECT_EQ(year.probed, range(100, 1));

    Year empty{{}, {}};
    expectNotFound(catalog::searchPreviousAd(0, 0, empty.probe()), 0);
}

TEST(SteppingBackward, WrapReachesAd100) {
    Year year{{0, 5, 100}, {}};
    expectFound(catalog::searchPreviousAd(0, 101, year.probe()), 100);
    EXPECT_EQ(year.probed, std::vector<int>{100});
}

TEST(SteppingBackward, FromAd100LooksBelowIt) {
    Year onlyFirst{{0, 100}, {}};
    expectFound(catalog::searchPreviousAd(100, 101, onlyFirst.probe()), 0);
    EXPECT_EQ(onlyFirst.probed, range(99, 0));

    Year withMiddle{{0, 40, 100}, {}};
    expectFound(catalog::searchPreviousAd(100, 101, withMiddle.probe()), 40);
}

TEST(SteppingBackward, NumbersOutsideTheRangeWrapToTheLast) {
    for (int start : {-1, INT_MIN, 101, INT_MAX}) {
        SCOPED_TRACE(start);
        Year year{{0, 1, 2}, {}};
        expectFound(catalog::searchPreviousAd(start, 3, year.probe()), 2);
        EXPECT_EQ(year.probed.front(), 100);
    }
}

TEST(SteppingSingleAd, OnlyTheFocusMoves) {
    for (int shown : {0, 5, -3, 101}) {
        SCOPED_TRACE(shown);
        Year year{{0}, {}};
        for (const catalog::StepResult& result : {catalog::searchNextAd(shown, 1, year.probe()),
                                                  catalog::searchPreviousAd(shown, 1, year.probe())}) {
            EXPECT_FALSE(result.stepped);
            EXPECT_FALSE(result.found);
            EXPECT_EQ(result.adNumber, shown);
        }
        EXPECT_TRUE(year.probed.empty());
    }
}

TEST(SteppingCounts, OnlyASingleAdStopsTheSearch) {
    for (int count : {0, 2, 101, -1, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(count);
        Year year{{0, 1}, {}};
        expectFound(catalog::searchNextAd(0, count, year.probe()), 1);
        expectFound(catalog::searchPreviousAd(0, count, year.probe()), 1);
    }
}

TEST(SteppingProbe, EmptyProbeLoadsNothing) {
    expectFound(catalog::searchNextAd(3, 5, {}), 0);
    expectNotFound(catalog::searchNextAd(0, 5, {}), 101);
    expectFound(catalog::searchPreviousAd(3, 5, {}), 0);
    expectNotFound(catalog::searchPreviousAd(0, 5, {}), 0);
}
