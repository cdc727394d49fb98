// Making names read from files into usable, unique variable names.
#include "host/impl/data/names.h"

#include <array>

namespace kpa::host::data {
namespace {

constexpr std::array<std::string_view, 3> kReservedWords = {"and", "or", "not"};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) { return IsLetter(c) || IsDigit(c) || c == '_'; }

std::string LowerCopy(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = Lower(c);
  return lower;
}

bool IsReserved(std::string_view name) {
  for (std::string_view word : kReservedWords) {
    if (SameName(name, word)) return true;
  }
  return false;
}

// A UTF-8 continuation byte: part of the character before it.
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u; }

std::string Sanitize(std::string_view original, int position) {
  std::string name;
  for (char c : original) {
    if (IsNameChar(c)) {
      name += c;
    } else if (!IsContinuationByte(c)) {
      name += '_';
    }
  }
  if (name.empty()) return "var" + std::to_string(position);
  if (!IsLetter(name.front())) name.insert(0, "x");
  if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);
  // A reserved word is at most 3 characters, so the '_' always fits.
  if (IsReserved(name)) name += '_';
  return name;
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

bool IsUsableName(std::string_view name) {
  if (name.empty() || name.size() > kMaxNameLength || !IsLetter(name.front())) return false;
  for (char c : name) {
    if (!IsNameChar(c)) return false;
  }
  return !IsReserved(name);
}

bool NameRegistry::Taken(std::string_view name) const { return taken_.count(LowerCopy(name)) > 0; }

AssignedName NameRegistry::Assign(std::string_view original, int position) {
  const std::string base = Sanitize(original, position);
  std::string name = base;
  for (int suffix = 2; Taken(name); ++suffix) {
    const std::string tail = "_" + std::to_string(suffix);
    name = base.substr(0, kMaxNameLength - tail.size()) + tail;
  }
  taken_.insert(LowerCopy(name));
  return {name, name != original};
}

std::string RenameNotice(std::string_view where, std::string_view original, std::string_view name) {
  std::string text(where);
  if (original.empty()) return text += ": unnamed, called '" + std::string(name) + "'";
  return text += ": name '" + std::string(original) + "' changed to '" + std::string(name) + "'";
}

}  // namespace kpa::host::data
