// The grid of Weibull probability paper: the default sheet, the extreme-end lines merged
// with the regular ones, grid values formed without accumulated error, the time-line count.
#include <gtest/gtest.h>

#include "reliability/model/paper_grid.h"

namespace kpa::reliability {
namespace {

TEST(PaperGrid, DefaultSheetHasTheRegularAndExtremeLines) {
  const shell::PaperSettings paper;  // 0 to 0.999 by 0.1, extreme ends on
  const std::vector<double> lines = ProbabilityLines(paper);
  const std::vector<double> expected = {0.01, 0.05, 0.1, 0.2, 0.3,  0.4,  0.5,
                                        0.6,  0.7,  0.8, 0.9, 0.95, 0.99, 0.999};
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_NEAR(lines[i], expected[i], 1e-12);
}

TEST(PaperGrid, StepsDoNotAccumulateAndNoLineIsDrawnTwice) {
  shell::PaperSettings paper;
  paper.minimum_p = 0.01;
  paper.maximum_p = 0.99;
  paper.step_p = 0.01;
  const std::vector<double> lines = ProbabilityLines(paper);
  // 0.01 ... 0.99 (99 lines; 0.01, 0.05, 0.1, 0.95 and 0.99 among them) and 0.999.
  ASSERT_EQ(lines.size(), 100u);
  EXPECT_DOUBLE_EQ(lines[98], 0.01 + 98 * 0.01);
  EXPECT_DOUBLE_EQ(lines.back(), 0.999);
  paper.extreme_ends = false;
  EXPECT_EQ(ProbabilityLines(paper).size(), 99u);
}

TEST(PaperGrid, TimeLines) {
  EXPECT_EQ(TimeLineCount(0.0, 10.0, 1.0), 10);
  // 0.1 steps to 1: ten lines, although 10 x 0.1 is not exactly 1 in binary.
  EXPECT_EQ(TimeLineCount(0.0, 1.0, 0.1), 10);
  EXPECT_EQ(TimeLineCount(0.0, 10.0, 0.001), 10000);
  EXPECT_FALSE(TimeLineCount(0.0, 10.0, 0.0).has_value());
  const std::vector<double> lines = TimeLines(5.0, 8.0, 1.0);
  EXPECT_EQ(lines, (std::vector<double>{6.0, 7.0, 8.0}));
  EXPECT_EQ(TimeLines(0.0, 10.0, 0.001).size(), static_cast<std::size_t>(kMostTimeLines));
}

}  // namespace
}  // namespace kpa::reliability
