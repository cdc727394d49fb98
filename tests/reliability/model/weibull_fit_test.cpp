// The Weibull fits against published and independently computed values: the fan data
// (Nelson 1982: shape 1.0584, scale 26297 hours) and the ball bearings (Lawless 2003:
// shape 2.102, scale 81.88; the three-parameter maximum found by a golden-section search of
// the profile likelihood over the location: 14.876, 1.594, 63.88), the information matrix
// against a numerical Hessian, the fallbacks of the three-parameter fit, and the grouped fit
// on the breast-feeding life table.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "reliability/model/grouped_fit.h"
#include "reliability/model/three_parameter_fit.h"
#include "reliability/model/two_parameter_fit.h"

namespace kpa::reliability {
namespace {

struct Sample {
  std::vector<double> time;
  std::vector<double> censored;
};

// Rows of "value,status" (status 1 a failure) after the comment and heading lines.
Sample Load(const std::string& name) {
  std::ifstream file(std::string(KPA_SOURCE_DIR "/examples/data/") + name);
  EXPECT_TRUE(file.is_open()) << name;
  Sample sample;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#' || line[0] == '"') continue;
    std::istringstream in(line);
    double t = 0.0;
    char comma = 0;
    int status = 0;
    in >> t >> comma >> status;
    sample.time.push_back(t);
    sample.censored.push_back(status == 1 ? 0.0 : 1.0);
  }
  return sample;
}

double LogLikelihood(const Sample& s, double shape, double scale) {
  return -*NegativeLogLikelihood(s.time, s.censored, 0.0, shape, scale);
}

TEST(TwoParameterFit, MatchesPublishedEstimates) {
  const Sample fans = Load("genfan.csv");
  const Weibull2Result fan = FitWeibull2(fans.time, fans.censored, 0.0, {});
  ASSERT_EQ(fan.status, Weibull2Status::kOk);
  EXPECT_NEAR(fan.shape, 1.0584459, 1e-5);
  EXPECT_NEAR(fan.scale, 26296.84, 0.05);

  const Sample bearings = Load("ballbearing.csv");
  const Weibull2Result bearing = FitWeibull2(bearings.time, bearings.censored, 0.0, {});
  ASSERT_EQ(bearing.status, Weibull2Status::kOk);
  EXPECT_NEAR(bearing.shape, 2.1020588, 1e-5);
  EXPECT_NEAR(bearing.scale, 81.878334, 1e-4);
}

// The inverse of the negative Hessian of ln L by central differences.
TEST(TwoParameterFit, StandardErrorsInvertTheObservedInformation) {
  const Sample fans = Load("genfan.csv");
  const Weibull2Result fit = FitWeibull2(fans.time, fans.censored, 0.0, {});
  ASSERT_TRUE(fit.se_shape && fit.se_scale && fit.cov_shape_scale);
  const double b = fit.shape;
  const double e = fit.scale;
  const double hb = 1e-4 * b;
  const double he = 1e-4 * e;
  const auto ll = [&](double db, double de) { return LogLikelihood(fans, b + db, e + de); };
  const double l_bb = (ll(hb, 0) - 2 * ll(0, 0) + ll(-hb, 0)) / (hb * hb);
  const double l_ee = (ll(0, he) - 2 * ll(0, 0) + ll(0, -he)) / (he * he);
  const double l_be = (ll(hb, he) - ll(hb, -he) - ll(-hb, he) + ll(-hb, -he)) / (4 * hb * he);
  const double d = l_bb * l_ee - l_be * l_be;
  EXPECT_NEAR(*fit.se_shape, std::sqrt(-l_ee / d), 1e-4 * *fit.se_shape);
  EXPECT_NEAR(*fit.se_scale, std::sqrt(-l_bb / d), 1e-4 * *fit.se_scale);
  EXPECT_NEAR(*fit.cov_shape_scale, l_be / d, 1e-3 * std::fabs(*fit.cov_shape_scale));
}

TEST(TwoParameterFit, RefusesTimesAtTheLocationAndSurvivesHugeTimes) {
  const Sample bearings = Load("ballbearing.csv");
  EXPECT_EQ(FitWeibull2(bearings.time, bearings.censored, 17.88, {}).status,
            Weibull2Status::kBadLocation);
  // Times of 1e6 and more with a large shape overflow a direct evaluation (x^beta); the
  // fit on rescaled sums converges to the same shape as on the unscaled times.
  Sample scaled = bearings;
  for (double& t : scaled.time) t = 1e6 + t;
  const Weibull2Result near = FitWeibull2(scaled.time, scaled.censored, 1e6, {});
  const Weibull2Result far =
      FitWeibull2(scaled.time, scaled.censored, 0.0, Weibull2Options{1000, 1e-5, {}});
  ASSERT_EQ(near.status, Weibull2Status::kOk);
  EXPECT_NEAR(near.shape, 2.1020588, 1e-5);
  EXPECT_TRUE(far.status == Weibull2Status::kOk || far.status == Weibull2Status::kShapeTooLarge);
  // Given parameters far from the optimum: the information is not positive definite, so
  // there are no standard errors at all rather than NaN or 0.
  Weibull2Options given;
  given.given = ShapeScale{2.0, 1e4};
  const Weibull2Result off = FitWeibull2(bearings.time, bearings.censored, 0.0, given);
  EXPECT_EQ(off.status, Weibull2Status::kNoStandardErrors);
  EXPECT_FALSE(off.se_shape.has_value());
}

TEST(ThreeParameterFit, FindsTheProfileMaximumOfTheBallBearings) {
  const Sample s = Load("ballbearing.csv");
  const Weibull3Result fit = FitWeibull3(s.time, s.censored, 17.88, 173.4, 200, 1e-5);
  ASSERT_EQ(fit.outcome, Weibull3Outcome::kThreeParameter);
  EXPECT_NEAR(fit.location, 14.876, 0.05);
  EXPECT_NEAR(fit.shape, 1.5943, 0.005);
  EXPECT_NEAR(fit.scale, 63.88, 0.1);
  ASSERT_TRUE(fit.se_location.has_value());
  EXPECT_GT(*fit.se_location, 0.0);
}

TEST(ThreeParameterFit, FallsBackToTheTwoParameterFitBelowShapeOne) {
  // Exponential-like spacings: the three-parameter shape falls below 1.
  Sample s;
  for (const double t : {1.2, 1.3, 1.5, 2.0, 3.1, 4.7, 7.9, 12.5, 20.3, 41.0}) {
    s.time.push_back(t);
    s.censored.push_back(0.0);
  }
  const Weibull3Result fit = FitWeibull3(s.time, s.censored, 1.2, 41.0, 200, 1e-5);
  ASSERT_EQ(fit.outcome, Weibull3Outcome::kFallback);
  const double start = 1.2 - 0.05 * (41.0 - 1.2);
  EXPECT_DOUBLE_EQ(fit.location, std::max(0.0, start));
  EXPECT_FALSE(fit.se_location.has_value());
  const Weibull2Result two = FitWeibull2(s.time, s.censored, fit.location, {});
  EXPECT_DOUBLE_EQ(fit.shape, two.shape);
}

TEST(ThreeParameterFit, SweepsInvertASymmetricMatrix) {
  std::array<double, 9> a = {4.0, 1.0, 2.0, 1.0, 3.0, 0.5, 2.0, 0.5, 5.0};
  const std::array<double, 9> original = a;
  ASSERT_TRUE(InvertBySweeps(a));
  for (std::size_t i = 0; i < 3; ++i)
    for (std::size_t j = 0; j < 3; ++j) {
      double sum = 0.0;
      for (std::size_t k = 0; k < 3; ++k) sum += original[i * 3 + k] * a[k * 3 + j];
      EXPECT_NEAR(sum, i == j ? 1.0 : 0.0, 1e-12);
    }
  std::array<double, 9> singular = {1.0, 2.0, 0.0, 2.0, 4.0, 0.0, 0.0, 0.0, 1.0};
  EXPECT_FALSE(InvertBySweeps(singular));
}

// The breast-feeding table (Klein and Moeschberger 2003, section 1.14), 927 entering.
TEST(GroupedFit, LifeTableColumnsAndTheChosenWeibullFit) {
  const std::vector<double> lower = {0, 2, 3, 5, 7, 11, 17, 25, 37, 53};
  const std::vector<double> withdrawn = {2, 3, 6, 9, 7, 5, 3, 0, 0, 0};
  const std::vector<double> failed = {77, 71, 119, 75, 109, 148, 107, 74, 85, 27};
  const GroupedFitResult fit = FitWeibullGrouped(lower, withdrawn, failed, 927.0, 0.0);
  ASSERT_EQ(fit.status, GroupedStatus::kOk);
  ASSERT_EQ(fit.rows.size(), 10u);
  // Hand-worked actuarial columns of the first two intervals.
  EXPECT_DOUBLE_EQ(fit.rows[0].exposed, 926.0);
  EXPECT_DOUBLE_EQ(fit.rows[1].entering, 848.0);
  EXPECT_DOUBLE_EQ(fit.rows[1].exposed, 846.5);
  EXPECT_NEAR(fit.rows[1].survival, 1.0 - 77.0 / 926.0, 1e-12);
  const double q = 77.0 / 926.0;
  EXPECT_NEAR(*fit.rows[0].hazard, 2.0 * q / ((2.0 - q) * 2.0), 1e-12);
  EXPECT_NEAR(*fit.rows[1].se_survival, (1 - q) * std::sqrt(q / (926.0 * (1 - q))), 1e-12);
  EXPECT_FALSE(fit.rows[9].width.has_value());
  // The open last interval is left out of the fit: nine hazards, twelve fits.
  EXPECT_EQ(fit.fits.size(), 12u);
  ASSERT_TRUE(fit.shape && fit.scale && fit.log_likelihood);
  double best = -1e300;
  for (const HazardFit& f : fit.fits)
    if (f.model == HazardModel::kWeibull && f.valid) best = std::max(best, *f.log_likelihood);
  EXPECT_DOUBLE_EQ(*fit.log_likelihood, best);
  EXPECT_GT(*fit.shape, 0.5);
  EXPECT_LT(*fit.shape, 2.0);
}

TEST(GroupedFit, StatusesOfImpossibleTables) {
  const std::vector<double> lower = {0, 10, 20};
  EXPECT_EQ(FitWeibullGrouped(lower, std::vector<double>{1, 1, 1}, std::vector<double>{5, 5, 5},
                              10.0, 0.0)
                .status,
            GroupedStatus::kNegativeAtRisk);
  // Two fitted hazards falling steeply: every Weibull fit has a negative shape.
  EXPECT_EQ(FitWeibullGrouped(lower, std::vector<double>{0, 0, 0}, std::vector<double>{4, 0, 3},
                              20.0, 0.0)
                .status,
            GroupedStatus::kNoWeibullFit);
  EXPECT_EQ(FitWeibullGrouped(std::vector<double>{0, 10}, std::vector<double>{0, 0},
                              std::vector<double>{4, 3}, 20.0, 0.0)
                .status,
            GroupedStatus::kTooFewIntervals);
  // No failures in an interval: its q is moved inwards and the fit goes on.
  const std::vector<double> four = {0, 10, 20, 30};
  EXPECT_EQ(FitWeibullGrouped(four, std::vector<double>{0, 0, 0, 0},
                              std::vector<double>{4, 0, 3, 2}, 20.0, 0.0)
                .status,
            GroupedStatus::kOk);
  EXPECT_EQ(FitWeibullGrouped(four, std::vector<double>{0, 0, 0, 0},
                              std::vector<double>{4, 0, 3, 2}, 20.0, 5.0)
                .status,
            GroupedStatus::kBadWidth);
}

}  // namespace
}  // namespace kpa::reliability
