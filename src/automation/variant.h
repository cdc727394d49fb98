// Values that cross the automation boundary: what a script writes into a member and what a
// member reads back (the automation variant).
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace kpa::automation {

using Variant =
    std::variant<std::monostate, bool, std::int64_t, double, std::string, std::vector<double>>;

// The value as a script would write it: 12, 0.05, "text", True, (1, 2, 3).
std::string VariantToText(const Variant& value);

}  // namespace kpa::automation
