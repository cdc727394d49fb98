// Variable names of the substitute host. A name is at most 8 characters (not bytes) of
// letters, digits and underscores, starts with a letter, is not one of the words of the
// selection language (and, or, not), and is unique among the file's variables without regard
// to case. Letters are the ASCII ones and the accented letters of Western European languages
// (Latin-1 Supplement and Latin Extended-A: "Opérateu", "Längen", "Ørsted"). Names read
// from files are made to follow these rules; each change is reported.
#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace kpa::host::data {

inline constexpr std::size_t kMaxNameLength = 8;

// True when `a` and `b` are the same name without regard to case ("OPÉRATEU" is "opérateu").
bool SameName(std::string_view a, std::string_view b);
bool IsUsableName(std::string_view name);
// The bytes of the name character (letter, digit or '_') that starts at `pos` of UTF-8
// `text`; 0 when none does. `first` asks for a character that may start a name.
std::size_t NameCharacterLength(std::string_view text, std::size_t pos, bool first);

struct AssignedName {
  std::string name;
  bool changed = false;  // the name differs from the original text
};

// Hands out usable names that are unique within one data file, in column order.
class NameRegistry {
 public:
  // Makes `original` usable and unique: characters other than letters, digits and
  // underscores become '_' (one per character), a name not starting with a
  // letter gets the prefix "x", an empty name becomes "var" and the 1-based `position`, a
  // reserved word gets a trailing '_', the result is cut to 8 characters, and a clash with an
  // earlier name gets the suffix "_2", "_3", ... with the stem shortened to keep 8 characters.
  AssignedName Assign(std::string_view original, int position);
  bool Taken(std::string_view name) const;

 private:
  std::set<std::string> taken_;             // lower-case
  std::map<std::string, int> next_suffix_;  // lower-case stem -> the suffix to try first
};

// The notice reporting that `original` at `where` (e.g. "column 3") became `name`.
std::string RenameNotice(std::string_view where, std::string_view original, std::string_view name);

}  // namespace kpa::host::data
