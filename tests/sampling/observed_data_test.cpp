// Reading observed samples: exclusions, gaps, weights, the 400 limit and binomial codes.
#include "sampling/data/observed_data.h"

#include <gtest/gtest.h>

#include "support/fake_host.h"

namespace kpa::sampling {
namespace {

constexpr double kMissingCode = -9999.0;

class ObservedDataTest : public ::testing::Test {
 protected:
  ObservedData Read(std::vector<double> values, bool binomial = false) {
    host_.variables = {{"x", std::move(values), std::nullopt, {}}};
    ObservedRequest request;
    request.variable = 1;
    request.binomial = binomial;
    request.accept_code = 7;
    request.reject_code = 3;
    shell::Request reading(host_);
    return ReadObservedSamples(reading, request);
  }
  static std::vector<double> Values(const ObservedData& data) {
    std::vector<double> values;
    for (const auto& value : data.values) values.push_back(value.value);
    return values;
  }
  testing::FakeHost host_;
};

TEST_F(ObservedDataTest, SeriesAndGaps) {
  struct Row {
    const char* name;
    std::vector<double> values;
    ReadStatus status;
    ReadError error;
    std::size_t count;
  };
  const double m = kMissingCode;
  const Row rows[] = {
      {"plain", {1, 2, 3}, ReadStatus::kRead, ReadError::kNone, 3},
      {"gap at the end is stored", {1, 2, m}, ReadStatus::kRead, ReadError::kNone, 3},
      {"huge magnitude is missing", {1, 2e30}, ReadStatus::kRead, ReadError::kNone, 2},
      {"missing first", {m, 1, 2}, ReadStatus::kNone, ReadError::kMissingInSeries, 0},
      {"value after the gap", {1, m, 2}, ReadStatus::kNone, ReadError::kMissingInSeries, 2},
      {"missing after the gap", {1, m, m}, ReadStatus::kNone, ReadError::kMissingInSeries, 2},
      {"nothing", {}, ReadStatus::kNone, ReadError::kNone, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ObservedData data = Read(row.values);
    EXPECT_EQ(data.error, row.error);
    if (row.error == ReadError::kNone) {
      EXPECT_EQ(data.status, row.status);
    }
    EXPECT_EQ(data.values.size(), row.count);
  }
  const ObservedData gap = Read({1, 2, m});
  EXPECT_EQ(gap.values.back().kind, ValueKind::kMissing);
}

TEST_F(ObservedDataTest, ExcludedCasesWeightsAndCaseNames) {
  host_.excluded = {false, true, false, false};
  host_.weights = {1, 1, 2.5, 0.4};
  host_.case_names = {"a", "b", "c-with-a-very-long-case-name", "d"};
  const ObservedData data = Read({1, 2, 3, 4});
  // Case 2 excluded; case 3 weighs 2.5, counted 3 times; case 4 weighs 0.4, counted once.
  EXPECT_EQ(Values(data), (std::vector<double>{1, 3, 3, 3, 4}));
  EXPECT_EQ(data.values[1].case_number, 3);
  EXPECT_EQ(data.values[1].case_name, "c-with-a-very-long-c");
}

TEST_F(ObservedDataTest, AtMost400Values) {
  const ObservedData data = Read(std::vector<double>(401, 1.0));
  EXPECT_EQ(data.status, ReadStatus::kTooMany);
  EXPECT_EQ(data.values.size(), 400u);
  EXPECT_EQ(Read(std::vector<double>(400, 1.0)).status, ReadStatus::kRead);
}

TEST_F(ObservedDataTest, BinomialCodes) {
  const ObservedData data = Read({7, 3, 7, 5}, true);
  EXPECT_EQ(data.error, ReadError::kNone);
  EXPECT_EQ(Values(data), (std::vector<double>{1, 0, 1, 5}));
  EXPECT_EQ(data.values.back().kind, ValueKind::kForeign);
  // A foreign code closes the series like a gap.
  EXPECT_EQ(Read({7, 5, 3}, true).error, ReadError::kMissingInSeries);
}

}  // namespace
}  // namespace kpa::sampling
