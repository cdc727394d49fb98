// The layout of a cause-and-effect (Ishikawa) diagram in the unit square, y upwards: the
// centre arrow along y = 0.5 from x = 0.1 to 0.9, one bone per variable slanting into it
// from above or below, and the causes evenly spaced along each bone.
#pragma once

#include <cstddef>
#include <vector>

namespace kpa::cause_effect {

struct Point {
  double x = 0.0;
  double y = 0.0;
};

// What the layout reads of the settings.
struct LayoutSettings {
  double center_thickness = 1.0;  // points
  int angle = 70;                 // degrees
  int length = 80;                // percent of the half page
};

// One variable drawn as a bone: above or below the centre arrow, its place among the bones
// of its side (from 0), and how many bones that side has.
struct BonePlace {
  bool below = false;
  std::size_t index = 0;
  std::size_t side_count = 1;
};

struct BoneGeometry {
  Point head;  // on the centre arrow, where the bone points
  Point tail;  // where its label stands
};

inline constexpr Point kCenterArrowHead = {0.9, 0.5};
inline constexpr Point kCenterArrowTail = {0.1, 0.5};

// The bones of the variables above (first) and below, each with its place.
std::vector<BonePlace> PlaceBones(std::size_t above, std::size_t below);

// Head x_h = (k + 1) * 0.8 / (d + n) + 0.1 - 0.02, with d = 1, 0.4, 0.3, 0.2 for n = 1 to 4
// bones on the side and 0.1 for more; y_h = 0.5 + s * thickness * 0.002 (s = +1 above,
// -1 below). Tail x_t = x_h - cos(a) L, y_t = y_h + s sin(a) L with L = length * 0.005.
BoneGeometry PlaceBone(const BonePlace& place, const LayoutSettings& settings);

// Cause j (from 0) of `count` on a bone: (j + 1) steps of (cos(a) L, sin(a) L) / (count + 1)
// from the tail towards the centre arrow, 0.025 to the left.
Point PlaceCause(const BoneGeometry& bone, const BonePlace& place, std::size_t j, std::size_t count,
                 const LayoutSettings& settings);

}  // namespace kpa::cause_effect
