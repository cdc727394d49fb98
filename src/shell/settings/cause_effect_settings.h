// Settings of the cause-and-effect procedure kept in the module-wide settings block: the
// variables drawn above and below the centre arrow, the arrows, the fonts, the label
// switches and the title lines.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace kpa::shell {

inline constexpr std::size_t kMaxBones = 8;
inline constexpr std::size_t kDiagramTitleLines = 5;

struct CauseEffectSettings {
  std::vector<int> above;  // variable numbers, in the order chosen
  std::vector<int> below;
  double center_thickness = 1.0;  // points
  double bone_thickness = 0.75;   // points
  int angle = 70;                 // degrees
  int length = 80;                // percent
  int title_font = 15;            // points
  int major_font = 10;
  int cause_font = 8;
  bool long_variable_names = false;
  bool long_value_labels = false;
  // Up to 128 characters each; the first is set from its string when the procedure starts.
  std::array<std::string, kDiagramTitleLines> title;
  std::string data_file;  // the file whose variables the lists name

  // The variables drawn as bones: those above the centre arrow, then those below.
  std::vector<int> Bones() const {
    std::vector<int> bones = above;
    bones.insert(bones.end(), below.begin(), below.end());
    return bones;
  }
};

}  // namespace kpa::shell
