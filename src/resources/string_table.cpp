#include "resources/string_table.h"

#include <unordered_map>

#include "resources/areas.h"

namespace kpa::resources {
namespace {

const std::unordered_map<int, std::string_view>& Table() {
  static const auto* table = [] {
    auto* merged = new std::unordered_map<int, std::string_view>;
    for (const ResourceArea& area : ResourceAreas())
      for (const auto& entry : area.strings) merged->emplace(entry.number, entry.text);
    return merged;
  }();
  return *table;
}

}  // namespace

std::string_view ResourceText(int number) {
  const auto& table = Table();
  const auto it = table.find(number);
  return it == table.end() ? std::string_view{} : it->second;
}

}  // namespace kpa::resources
