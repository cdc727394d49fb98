// The data passes over an in-memory data file: grouping, weights, the selection condition,
// the 5000 limits, failures and a cancel.
#include <gtest/gtest.h>

#include <cmath>

#include "automation/type_library.h"
#include "capability/data/data_pass.h"
#include "shell/request/request.h"
#include "support/fake_host.h"

namespace kpa::capability {
namespace {

testing::FakeVariable Variable(const char* name, std::vector<double> values) {
  testing::FakeVariable variable;
  variable.name = name;
  variable.values = std::move(values);
  return variable;
}

class DataPassTest : public ::testing::Test {
 protected:
  PassResult Raw(GroupingMode grouping, std::int64_t size = 1, std::vector<double> codes = {},
                 SigmaMethod method = SigmaMethod::kRanges) {
    codes_ = std::move(codes);
    RawPassSetup setup;
    setup.variable = 1;
    setup.grouping = grouping;
    setup.constant_size = size;
    setup.grouping_variable = 2;
    setup.codes = codes_;
    setup.method = method;
    return ReadRawCapabilityData(request_, setup, state_);
  }
  testing::FakeHost host_;
  shell::Request request_{host_};
  CapabilityState state_;
  std::vector<double> codes_;
};

TEST_F(DataPassTest, SixValuesFailSevenPass) {
  host_.variables = {Variable("x", {1, 2, 3, 4, 5, 6})};
  EXPECT_EQ(Raw(GroupingMode::kNone).status, PassStatus::kFewValues);
  host_.variables = {Variable("x", {1, 2, 3, 4, 5, 6, 7})};
  EXPECT_EQ(Raw(GroupingMode::kNone).status, PassStatus::kOk);
  EXPECT_DOUBLE_EQ(state_.mean, 4.0);
  EXPECT_DOUBLE_EQ(state_.sigma_within_computed, 0.0);
  EXPECT_DOUBLE_EQ(state_.dispersion_mean, state_.sd);
}

TEST_F(DataPassTest, EqualValuesFailWithZeroDispersion) {
  host_.variables = {Variable("x", std::vector<double>(8, 3.5))};
  EXPECT_EQ(Raw(GroupingMode::kNone).status, PassStatus::kZeroDispersion);
}

TEST_F(DataPassTest, WeightsRepeatCasesAndSelectionExcludesThem) {
  // Weights 2.5 count three times, 0.5 once; the excluded case never counts.
  host_.variables = {Variable("x", {1, 2, 3, 4, 5, 6, 100})};
  host_.weights = {2.5, 1, 1, 1, 1, 0.5, 1};
  host_.excluded = {false, false, false, false, false, false, true};
  ASSERT_EQ(Raw(GroupingMode::kNone).status, PassStatus::kOk);
  EXPECT_EQ(state_.n, 8);
  EXPECT_EQ(state_.observations, (std::vector<double>{1, 1, 1, 2, 3, 4, 5, 6}));
  EXPECT_DOUBLE_EQ(state_.maximum, 6.0);
}

TEST_F(DataPassTest, ConstantSizeKeepsMissingPositions) {
  // Size 3: missing values hold their position, so samples are {1,2}, {4,5,6}, {7,9}.
  const double m = -9999.0;
  host_.variables = {Variable("x", {1, 2, m, 4, 5, 6, 7, m, 9})};
  ASSERT_EQ(Raw(GroupingMode::kConstantSampleSize, 3).status, PassStatus::kOk);
  ASSERT_EQ(state_.samples.size(), 3u);
  EXPECT_EQ(state_.samples[0].count, 2.0);
  EXPECT_EQ(state_.samples[1].count, 3.0);
  EXPECT_EQ(state_.samples[2].count, 2.0);
  EXPECT_TRUE(state_.sizes_vary);
  EXPECT_NEAR(state_.sigma_within_computed,
              (1.0 / 1.1283791671 + 2.0 / 1.6925687506 + 2.0 / 1.1283791671) / 3.0, 1e-9);
}

TEST_F(DataPassTest, GroupingVariableSamplesFollowTheCodeList) {
  host_.variables = {Variable("x", {1, 3, 10, 14, 2, 4, 12, 30}),
                     Variable("g", {1, 1, 2, 2, 1, 1, 2, 9})};
  ASSERT_EQ(Raw(GroupingMode::kGroupingVariable, 1, {2, 1}).status, PassStatus::kOk);
  EXPECT_EQ(state_.n, 7);  // code 9 is not selected
  ASSERT_EQ(state_.samples.size(), 2u);
  EXPECT_DOUBLE_EQ(state_.samples[0].mean, 12.0);  // code 2 first, as listed
  EXPECT_DOUBLE_EQ(state_.samples[1].mean, 2.5);
  EXPECT_EQ(Raw(GroupingMode::kGroupingVariable, 1, {1, 2, 5}).status, PassStatus::kMissingCodes);
}

TEST_F(DataPassTest, ValueAndSampleLimits) {
  std::vector<double> values(5001);
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<double>(i % 7);
  host_.variables = {Variable("x", values)};
  PassResult result = Raw(GroupingMode::kNone);
  EXPECT_EQ(result.status, PassStatus::kOk);
  EXPECT_EQ(result.warnings, kWarnTooManyValues);
  EXPECT_EQ(state_.n, 5000);
  // One value per sample: the 5001st sample stops the reading first.
  result = Raw(GroupingMode::kConstantSampleSize, 1);
  EXPECT_EQ(result.warnings, kWarnTooManySamples);
  EXPECT_EQ(state_.samples.size(), 5000u);
  EXPECT_TRUE(state_.moving_ranges);
  EXPECT_FALSE(result.small_sample);  // no n<2 warning with moving ranges
}

TEST_F(DataPassTest, SampleOver25WithRanges) {
  std::vector<double> values(26);
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<double>(i);
  host_.variables = {Variable("x", values)};
  EXPECT_EQ(Raw(GroupingMode::kConstantSampleSize, 26).status, PassStatus::kSampleOver25);
  EXPECT_EQ(Raw(GroupingMode::kConstantSampleSize, 26, {}, SigmaMethod::kVariances).status,
            PassStatus::kOk);
}

TEST_F(DataPassTest, CancelLeavesNothing) {
  host_.variables = {Variable("x", {1, 2, 3, 4, 5, 6, 7, 8})};
  host_.cancel_at_step = 3;
  EXPECT_EQ(Raw(GroupingMode::kNone).status, PassStatus::kCancelled);
  EXPECT_EQ(state_.n, 0);
  EXPECT_TRUE(state_.observations.empty());
}

TEST_F(DataPassTest, AggregatedGrandMeanAndSigma) {
  host_.variables = {Variable("mean", {10, 12, -9999}), Variable("range", {2, 4, 1}),
                     Variable("n", {2, 3, 4})};
  AggregatedPassSetup setup{1, 2, 3, SigmaMethod::kRanges};
  const PassResult result = ReadAggregatedCapabilityData(request_, setup, state_);
  ASSERT_EQ(result.status, PassStatus::kOk);
  EXPECT_EQ(state_.samples.size(), 2u);  // the missing mean skips the third case
  EXPECT_DOUBLE_EQ(state_.mean, (2 * 10.0 + 3 * 12.0) / 5.0);
  EXPECT_NEAR(state_.sigma_within_computed, (2 / 1.1283791671 + 4 / 1.6925687506) / 2, 1e-9);
  EXPECT_EQ(state_.n, 5);
}

TEST_F(DataPassTest, CollectAllCodes) {
  host_.variables = {Variable("g", {3, 1, 3, -9999, 2.4, 1})};
  EXPECT_EQ(CollectAllCodes(request_, 1, true).codes, (std::vector<double>{3, 1, 2}));
  EXPECT_EQ(CollectAllCodes(request_, 1, false).codes, (std::vector<double>{1, 2, 3}));
}

TEST(DispatchIdTest, FitAllDistributionsAndBeta) {
  const auto* capability = automation::FindInterface("ProProcessCapability");
  ASSERT_NE(capability, nullptr);
  EXPECT_EQ(automation::FindMember(*capability, "FitAllDistributions")->dispatch_id, 0x60030018u);
  EXPECT_EQ(automation::FindMember(*capability, "Beta")->dispatch_id, 0x60030019u);
  EXPECT_EQ(automation::MembersOf(*capability).size(), 13u + 28u);
  EXPECT_EQ(automation::FindInterface("ProProcessCapabilityResults")->members.size(), 45u);
  EXPECT_EQ(automation::FindInterface("ProProcessCapabilitySpecs")->members.size(), 11u);
}

}  // namespace
}  // namespace kpa::capability
