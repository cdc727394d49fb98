// Numbers of the cause-and-effect procedure's texts in the module's string table, from 33000.
#pragma once

namespace kpa::cause_effect::strings {

// Checks of the settings, in the order they are made.
inline constexpr int kBadCenterThickness = 33000;
inline constexpr int kBadBoneThickness = 33001;
inline constexpr int kBadAngle = 33002;
inline constexpr int kBadLength = 33003;
inline constexpr int kBadTitleFont = 33004;
inline constexpr int kBadMajorFont = 33005;
inline constexpr int kBadCauseFont = 33006;

inline constexpr int kDefaultTitle = 33010;
inline constexpr int kVariablesDialogTitle = 33011;
inline constexpr int kAboveListCaption = 33012;
inline constexpr int kBelowListCaption = 33013;
inline constexpr int kTooManyCauses = 33014;  // %d: the most causes a bone shows
inline constexpr int kNoMemory = 33015;
inline constexpr int kGraphNotCreated = 33016;
inline constexpr int kReadFailed = 33017;
inline constexpr int kChooseVariables = 33018;
inline constexpr int kStoredSettingRefused = 33019;  // %s: the keys of the keyword store
inline constexpr int kReadingCauses = 33020;

}  // namespace kpa::cause_effect::strings
