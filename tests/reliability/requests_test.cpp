// The Weibull requests on a fake host: long case tables split with their titles, plots cut
// at 8191 points with their note, and outputs of user-defined parameters without limits.
#include <gtest/gtest.h>

#include <cmath>

#include "../support/fake_host.h"
#include "reliability/requests.h"
#include "resources/areas.h"
#include "shell/process.h"

namespace kpa::reliability {
namespace {

// Failure times 1, 2, ..., n (every one a failure).
shell::WeibullSettings Failures(std::int64_t n) {
  shell::WeibullSettings s;
  for (std::int64_t i = 1; i <= n; ++i) {
    s.sample.time.push_back(static_cast<double>(i));
    s.sample.censored.push_back(0.0);
    s.sample.case_row.push_back(i);
  }
  s.sample.n = s.sample.r = n;
  s.sample.tmin = 1.0;
  s.sample.tmax = static_cast<double>(n);
  s.plot_minimum = 1.0;
  s.plot_maximum = static_cast<double>(n);
  return s;
}

class WeibullRequests : public ::testing::Test {
 protected:
  WeibullRequests()
      : process_(shell::NewAnalysis(host_, shell::ShellDialogs())), enter_(*process_) {
    for (const resources::StringEntry& entry : resources::ReliabilityStrings())
      host_.strings[entry.number] = std::string(entry.text);
  }

  shell::RequestStatus Run(WeibullRequest code, shell::WeibullSettings& s) {
    shell::Request request(host_);
    WeibullContext context{request, s};
    return RunWeibullRequest(code, context);
  }

  testing::FakeHost host_;
  std::unique_ptr<shell::CProcess> process_;
  shell::CEnterAnalysisContext enter_;
};

TEST_F(WeibullRequests, LongCaseTablesAreSplitAndPlotsCutWithTheirNote) {
  shell::WeibullSettings s = Failures(10001);
  {
    shell::Request request(host_);
    ASSERT_TRUE(InitialWeibullFit(request, s));
  }
  ASSERT_EQ(Run(WeibullRequest::kReliabilityTable, s), shell::RequestStatus::kDone);
  ASSERT_EQ(host_.tables.size(), 3u);
  EXPECT_EQ(host_.tables[0].RowCount(), 5000u);
  EXPECT_EQ(host_.tables[2].RowCount(), 1u);
  EXPECT_EQ(host_.tables[0].title, host_.tables[2].title);
  EXPECT_EQ(host_.tables[2].row_labels[0], "10001");

  ASSERT_EQ(Run(WeibullRequest::kProbabilityPlot, s), shell::RequestStatus::kDone);
  ASSERT_FALSE(host_.charts.empty());
  EXPECT_EQ(host_.charts.back().series.front().points.size(), 8191u);
  ASSERT_FALSE(host_.messages.empty());
  EXPECT_EQ(host_.messages.back(), "NOTE : tracé des 8.100 premiers temps d'échec.");
}

TEST_F(WeibullRequests, UserDefinedParametersHaveNoLimits) {
  shell::WeibullSettings s = Failures(20);
  s.fit.method = shell::WeibullMethod::kUserDefined;
  s.fit.shape = 2.0;
  s.fit.scale = 10.0;
  {
    shell::Request request(host_);
    ASSERT_TRUE(EstimateWeibull(request, s, shell::WeibullMethod::kUserDefined));
  }
  ASSERT_EQ(Run(WeibullRequest::kSummary, s), shell::RequestStatus::kDone);
  EXPECT_EQ(host_.tables.back().ColumnCount(), 1u);
  ASSERT_EQ(Run(WeibullRequest::kPercentiles, s), shell::RequestStatus::kDone);
  const host::TableSpec& percentiles = host_.tables.back();
  // C = 50: 10 (ln 2)^(1/2), no limits.
  EXPECT_NEAR(percentiles.Value(49, 1), 10.0 * std::sqrt(std::log(2.0)), 1e-12);
  EXPECT_TRUE(host::IsSpecialValue(percentiles.Value(49, 2)));
  // The rank-based reliability table stands in for the maximum-likelihood one.
  ASSERT_EQ(Run(WeibullRequest::kReliabilityTable, s), shell::RequestStatus::kDone);
  EXPECT_EQ(host_.tables.back().ColumnCount(), 10u);
}

TEST_F(WeibullRequests, AFailedEstimationKeepsTheParametersAndDropsTheErrors) {
  shell::WeibullSettings s = Failures(20);
  {
    shell::Request request(host_);
    ASSERT_TRUE(InitialWeibullFit(request, s));
  }
  const double shape = s.fit.shape;
  s.fit.location = 1.0;  // at the smallest time: the fit refuses it
  shell::Request request(host_);
  EXPECT_FALSE(EstimateWeibull(request, s, shell::WeibullMethod::kTwoParameter));
  EXPECT_EQ(s.fit.shape, shape);
  EXPECT_TRUE(host::IsSpecialValue(s.fit.se_shape));
  EXPECT_FALSE(s.fit.valid);
  ASSERT_FALSE(host_.messages.empty());
  EXPECT_EQ(host_.messages.back(),
            "Paramètre de position incorrect ; paramètres de forme et d'échelle incalculables "
            "pour ce paramètre.");
}

TEST_F(WeibullRequests, SummaryLimitsAndTheLocationCappedAtTheSmallestTime) {
  shell::WeibullSettings s = Failures(20);
  s.fit.location = 0.8;
  s.fit.shape = 2.0;
  s.fit.scale = 12.0;
  s.fit.se_location = 0.5;
  s.fit.se_shape = 0.4;
  s.fit.se_scale = 1.5;
  s.fit.cov_shape_scale = 0.1;
  s.fit.method = shell::WeibullMethod::kThreeParameter;
  ASSERT_EQ(Run(WeibullRequest::kSummary, s), shell::RequestStatus::kDone);
  const host::TableSpec& t = host_.tables.back();
  ASSERT_EQ(t.ColumnCount(), 5u);
  EXPECT_EQ(t.title[0], "Estimations du MV pour Weibull à 3 Paramètres");
  const double z = 1.959963984540054;
  EXPECT_NEAR(t.Value(0, 2), 0.8 - z * 0.5, 1e-6);
  EXPECT_DOUBLE_EQ(t.Value(0, 3), 1.0);  // 0.8 + z 0.5 lies beyond the smallest time
  EXPECT_NEAR(t.Value(1, 2), 2.0 / std::exp(z * 0.4 / 2.0), 1e-6);
  EXPECT_NEAR(t.Value(2, 3), 12.0 * std::exp(z * 1.5 / 12.0), 1e-5);
  EXPECT_DOUBLE_EQ(t.Value(2, 4), 0.1);
  EXPECT_EQ(t.columns[2].upper, "-95%");  // "  -95%" without its padding
  EXPECT_EQ(t.columns[3].upper, "+  95%");
}

}  // namespace
}  // namespace kpa::reliability
