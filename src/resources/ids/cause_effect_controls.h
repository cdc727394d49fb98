// Control identifiers of the cause-and-effect dialog (3200) and the tab pages of its
// template.
#pragma once

namespace kpa::cause_effect::controls {

inline constexpr int kVariables = 126;
inline constexpr int kAboveCaption = 447;
inline constexpr int kAboveNames = 448;
inline constexpr int kBelowCaption = 449;
inline constexpr int kBelowNames = 450;
inline constexpr int kLongVariableNames = 445;
inline constexpr int kLongValueLabels = 446;
inline constexpr int kSummary = 418;
inline constexpr int kStoreDefaults = 460;
inline constexpr int kRestoreDefaults = 461;
inline constexpr int kSystemDefaults = 462;
inline constexpr int kCenterThicknessLabel = 435;
inline constexpr int kCenterThickness = 436;
inline constexpr int kBoneThicknessLabel = 437;
inline constexpr int kBoneThickness = 438;
inline constexpr int kAngleLabel = 439;
inline constexpr int kAngle = 440;
inline constexpr int kLengthLabel = 442;
inline constexpr int kLength = 443;
inline constexpr int kTitleFontLabel = 456;
inline constexpr int kTitleFont = 457;
inline constexpr int kMajorFontLabel = 452;
inline constexpr int kMajorFont = 453;
inline constexpr int kCauseFontLabel = 454;
inline constexpr int kCauseFont = 455;

}  // namespace kpa::cause_effect::controls

namespace kpa::cause_effect::pages {

inline constexpr int kBase = 3201;
inline constexpr int kArrows = 3202;
inline constexpr int kFonts = 3203;

}  // namespace kpa::cause_effect::pages
