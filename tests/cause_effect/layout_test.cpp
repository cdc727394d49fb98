// The diagram's layout against values worked by hand from its formulas: bone heads and
// tails on either side, the spacing of the causes, and vertical bones at 90 degrees.
#include "cause_effect/model/layout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kpa::cause_effect {
namespace {

constexpr double kTolerance = 1e-12;
const double kRadians70 = 70 * 0.0174532925199433;

TEST(Layout, OneBoneAboveMeetsTheCentreArrowAtTheMiddle) {
  const LayoutSettings settings;  // thickness 1, 70 degrees, 80 %
  const BoneGeometry bone = PlaceBone({false, 0, 1}, settings);
  EXPECT_NEAR(bone.head.x, 0.48, kTolerance);  // 0.1 + 0.8 / 2 - 0.02
  EXPECT_NEAR(bone.head.y, 0.502, kTolerance);
  EXPECT_NEAR(bone.tail.x, 0.48 - std::cos(kRadians70) * 0.4, kTolerance);
  EXPECT_NEAR(bone.tail.y, 0.502 + std::sin(kRadians70) * 0.4, kTolerance);
}

TEST(Layout, TwoBonesAboveAndOneBelow) {
  const LayoutSettings settings{2.0, 70, 80};
  const std::vector<BonePlace> places = PlaceBones(2, 1);
  ASSERT_EQ(places.size(), 3u);
  EXPECT_NEAR(PlaceBone(places[0], settings).head.x, 0.1 + 0.8 / 2.4 - 0.02, kTolerance);
  EXPECT_NEAR(PlaceBone(places[1], settings).head.x, 0.1 + 1.6 / 2.4 - 0.02, kTolerance);
  const BoneGeometry below = PlaceBone(places[2], settings);
  EXPECT_TRUE(places[2].below);
  EXPECT_NEAR(below.head.x, 0.48, kTolerance);
  EXPECT_NEAR(below.head.y, 0.5 - 2.0 * 0.002, kTolerance);
  EXPECT_NEAR(below.tail.y, below.head.y - std::sin(kRadians70) * 0.4, kTolerance);
  // Five or more bones on a side are spaced with d = 0.1.
  EXPECT_NEAR(PlaceBone({false, 4, 5}, settings).head.x, 5 * 0.8 / 5.1 + 0.08, kTolerance);
}

TEST(Layout, CausesAreEvenlySpacedTowardsTheCentreArrow) {
  const LayoutSettings settings;
  for (const bool below : {false, true}) {
    const BonePlace place{below, 0, 1};
    const BoneGeometry bone = PlaceBone(place, settings);
    const double dx = std::cos(kRadians70) * 0.4 / 4;
    const double dy = std::sin(kRadians70) * 0.4 / 4;
    for (std::size_t j = 0; j < 3; ++j) {
      const Point cause = PlaceCause(bone, place, j, 3, settings);
      const auto step = static_cast<double>(j + 1);
      EXPECT_NEAR(cause.x, bone.tail.x + step * dx - 0.025, kTolerance);
      EXPECT_NEAR(cause.y, bone.tail.y + (below ? step * dy : -step * dy), kTolerance);
    }
  }
}

TEST(Layout, NinetyDegreesDrawVerticalBones) {
  const LayoutSettings settings{1.0, 90, 50};
  const BonePlace place{false, 0, 1};
  const BoneGeometry bone = PlaceBone(place, settings);
  EXPECT_NEAR(bone.tail.x, bone.head.x, 1e-15);
  EXPECT_NEAR(bone.tail.y, 0.502 + 0.25, kTolerance);
  for (std::size_t j = 0; j < 4; ++j)
    EXPECT_NEAR(PlaceCause(bone, place, j, 4, settings).x, bone.tail.x - 0.025, 1e-15);
}

}  // namespace
}  // namespace kpa::cause_effect
