// The module's French string table: every user-visible text, addressed by number.
// Texts are UTF-8 and kept exactly as the module shows them, trailing blanks included.
#pragma once

#include <span>
#include <string_view>

namespace kpa::resources {

struct StringEntry {
  int number;
  std::string_view text;
};

// The text of a string number; "" when the table has no such number.
std::string_view ResourceText(int number);

}  // namespace kpa::resources
