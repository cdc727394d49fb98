#include "cause_effect/model/layout.h"

#include <cmath>

namespace kpa::cause_effect {
namespace {

constexpr double kRadiansPerDegree = 0.0174532925199433;

double SideSpacing(std::size_t bones) {
  switch (bones) {
    case 1:
      return 1.0;
    case 2:
      return 0.4;
    case 3:
      return 0.3;
    case 4:
      return 0.2;
    default:
      return 0.1;
  }
}

double Sign(const BonePlace& place) { return place.below ? -1.0 : 1.0; }
double BoneLength(const LayoutSettings& settings) { return settings.length * 0.005; }
double Angle(const LayoutSettings& settings) { return settings.angle * kRadiansPerDegree; }

}  // namespace

std::vector<BonePlace> PlaceBones(std::size_t above, std::size_t below) {
  std::vector<BonePlace> places;
  for (std::size_t k = 0; k < above; ++k) places.push_back({false, k, above});
  for (std::size_t k = 0; k < below; ++k) places.push_back({true, k, below});
  return places;
}

BoneGeometry PlaceBone(const BonePlace& place, const LayoutSettings& settings) {
  const auto n = static_cast<double>(place.side_count);
  const auto k = static_cast<double>(place.index);
  const double d = SideSpacing(place.side_count);
  BoneGeometry bone;
  bone.head.x = (k + 1.0) * 0.8 / (d + n) + 0.1 - 0.02;
  bone.head.y = 0.5 + Sign(place) * settings.center_thickness * 0.002;
  const double a = Angle(settings);
  const double length = BoneLength(settings);
  bone.tail.x = bone.head.x - std::cos(a) * length;
  bone.tail.y = bone.head.y + Sign(place) * std::sin(a) * length;
  return bone;
}

Point PlaceCause(const BoneGeometry& bone, const BonePlace& place, std::size_t j, std::size_t count,
                 const LayoutSettings& settings) {
  const double a = Angle(settings);
  const double length = BoneLength(settings);
  const auto steps = static_cast<double>(count + 1);
  const double dx = std::cos(a) * length / steps;
  const double dy = std::sin(a) * length / steps;
  const auto step = static_cast<double>(j + 1);
  return {bone.tail.x + step * dx - 0.025, bone.tail.y - Sign(place) * step * dy};
}

}  // namespace kpa::cause_effect
