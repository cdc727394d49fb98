// Heapsorts, selection of an order statistic and Julian day numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "shell/probability/julian_day.h"
#include "shell/probability/selection.h"
#include "shell/probability/sentinel.h"
#include "shell/probability/sorting.h"

namespace kpa::probability {
namespace {

const std::vector<std::vector<double>> kArrays = {
    {},
    {3.0},
    {2.0, 1.0},
    {1.0, 2.0, 3.0, 4.0, 5.0},
    {5.0, 4.0, 3.0, 2.0, 1.0},
    {3.0, 1.0, 3.0, 2.0, 1.0, 3.0},
    {-0.5, 1e300, -1e300, 0.0, -0.0, 7.25, 2.0, 2.0, -3.0},
    {9, 1, 8, 2, 7, 3, 6, 4, 5, 0, 11, 10, 13, 12, 15, 14, 16},
};

TEST(HeapSort, AscendingAndDescending) {
  for (std::size_t row = 0; row < kArrays.size(); ++row) {
    for (char order : {'a', 'A', 'd', 'D', ' '}) {
      SCOPED_TRACE("row " + std::to_string(row) + ", order '" + std::string(1, order) + "'");
      std::vector<double> values = kArrays[row];
      HeapSort(values, order);
      std::vector<double> expected = kArrays[row];
      if (order == 'd' || order == 'D') {
        std::sort(expected.begin(), expected.end(), std::greater<>());
      } else {
        std::sort(expected.begin(), expected.end());
      }
      // -0.0 and 0.0 compare equal, so compare values, not bit patterns.
      EXPECT_EQ(values, expected);
    }
  }
}

TEST(HeapSortTagged, TagsFollowTheirKeys) {
  for (std::size_t row = 0; row < kArrays.size(); ++row) {
    SCOPED_TRACE("row " + std::to_string(row));
    std::vector<double> keys = kArrays[row];
    std::vector<int> tags(keys.size());
    for (std::size_t i = 0; i < tags.size(); ++i) tags[i] = static_cast<int>(i);
    HeapSortTagged(std::span<double>(keys), std::span<int>(tags));
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    std::vector<int> seen = tags;
    std::sort(seen.begin(), seen.end());
    for (std::size_t i = 0; i < tags.size(); ++i) {
      EXPECT_EQ(seen[i], static_cast<int>(i));  // a permutation of the positions
      EXPECT_EQ(std::bit_cast<std::uint64_t>(keys[i]),
                std::bit_cast<std::uint64_t>(kArrays[row][static_cast<std::size_t>(tags[i])]));
    }
  }
}

TEST(HeapSortTagged, MismatchedSizesLeaveBothUntouched) {
  std::vector<double> keys = {3.0, 1.0, 2.0};
  std::vector<int> tags = {0, 1};
  HeapSortTagged(std::span<double>(keys), std::span<int>(tags));
  EXPECT_EQ(keys, (std::vector<double>{3.0, 1.0, 2.0}));
  EXPECT_EQ(tags, (std::vector<int>{0, 1}));
}

// Sizes on both sides of the sampling threshold, many ties, and every kind of position: the
// selected value and the partition around it must match a full sort.
TEST(SelectOrderStatistic, MatchesAFullSort) {
  std::uint32_t state = 7;
  for (const std::size_t n : {1u, 2u, 3u, 10u, 601u, 602u, 5000u, 20011u}) {
    for (const std::uint32_t distinct : {3u, 1000000u}) {
      std::vector<double> values(n);
      for (double& value : values) {
        state = state * 1664525u + 1013904223u;
        value = static_cast<double>((state >> 8) % distinct);
      }
      std::vector<double> sorted = values;
      std::sort(sorted.begin(), sorted.end());
      for (const std::size_t k : {std::size_t{0}, n / 4, n / 2, n - 1}) {
        SCOPED_TRACE(std::to_string(n) + " values, k " + std::to_string(k));
        std::vector<double> selected = values;
        SelectOrderStatistic(selected, k);
        ASSERT_EQ(selected[k], sorted[k]);
        EXPECT_TRUE(std::all_of(selected.begin(), selected.begin() + static_cast<std::ptrdiff_t>(k),
                                [&](double x) { return x <= selected[k]; }));
        EXPECT_TRUE(std::all_of(selected.begin() + static_cast<std::ptrdiff_t>(k), selected.end(),
                                [&](double x) { return x >= selected[k]; }));
        std::sort(selected.begin(), selected.end());
        EXPECT_EQ(selected, sorted);  // a reordering, nothing lost
      }
    }
  }
}

// Several positions at once, adjacent ones among them (the quartile rule reads pairs), on
// values spread evenly, with ties, and crowded into one bucket by a far outlier.
TEST(SelectOrderStatistics, EveryPositionMatchesAFullSort) {
  std::uint32_t state = 11;
  const auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  };
  std::vector<std::vector<double>> samples;
  for (const std::size_t n : {5u, 255u, 256u, 1000u, 5000u}) {
    std::vector<double> spread(n), ties(n), crowded(n);
    for (std::size_t i = 0; i < n; ++i) {
      spread[i] = 74.0 + 1e-6 * static_cast<double>(next() % 100000);
      ties[i] = static_cast<double>(next() % 5);
      crowded[i] = static_cast<double>(next() % 1000);
    }
    crowded[n / 2] = 1e12;
    samples.insert(samples.end(), {spread, ties, crowded});
  }
  for (const std::vector<double>& values : samples) {
    const std::size_t n = values.size();
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::size_t> positions = {0, n / 4, n / 4 + 1, n / 2, n / 2 + 1, n - 1};
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.erase(
        std::remove_if(positions.begin(), positions.end(), [n](std::size_t k) { return k >= n; }),
        positions.end());
    std::vector<double> selected = values;
    SelectOrderStatistics(selected, positions);
    SCOPED_TRACE(n);
    for (const std::size_t k : positions) EXPECT_EQ(selected[k], sorted[k]) << "position " << k;
    std::sort(selected.begin(), selected.end());
    EXPECT_EQ(selected, sorted);
  }
}

TEST(JulianDay, KnownDayNumbers) {
  struct Row {
    int month, day, year;
    double expected;  // Meeus, Astronomical Algorithms (1991), ch. 7, at 0h + 0.5
  };
  const Row rows[] = {
      {1, 1, 2000, 2451545.0},  {12, 31, 1999, 2451544.0}, {10, 15, 1582, 2299161.0},
      {10, 4, 1582, 2299160.0}, {1, 27, 333, 1842713.0},   {1, 1, 1, 1721424.0},
      {2, 29, 2024, 2460370.0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.year) + "-" + std::to_string(row.month) + "-" +
                 std::to_string(row.day));
    EXPECT_EQ(JulianDay(row.month, row.day, row.year), row.expected);
  }
}

TEST(JulianDay, CalendarRules) {
  // The Gregorian reform: Thursday 4 October 1582 was followed by Friday 15 October.
  EXPECT_EQ(JulianDay(10, 15, 1582) - JulianDay(10, 4, 1582), 1.0);
  // Leap days: 1500 (Julian) and 2000 have 29 February, 1900 has not.
  EXPECT_EQ(JulianDay(3, 1, 1500) - JulianDay(2, 28, 1500), 2.0);
  EXPECT_EQ(JulianDay(3, 1, 2000) - JulianDay(2, 28, 2000), 2.0);
  EXPECT_EQ(JulianDay(3, 1, 1900) - JulianDay(2, 28, 1900), 1.0);
  // There is no year 0: 31 December 1 BC is followed by 1 January AD 1.
  EXPECT_EQ(JulianDay(1, 1, 1) - JulianDay(12, 31, -1), 1.0);
}

TEST(JulianDay, SentinelForInvalidYearOrMonth) {
  struct Row {
    int month, day, year;
  };
  const Row rows[] = {{1, 1, 0}, {0, 1, 2000}, {13, 1, 2000}, {-1, 1, 2000}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.year) + "-" + std::to_string(row.month));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(JulianDay(row.month, row.day, row.year)),
              std::bit_cast<std::uint64_t>(kErrorSentinel));
  }
}

}  // namespace
}  // namespace kpa::probability
