// Making names read from files into usable, unique variable names.
#include "host/impl/data/names.h"

#include <array>

#include "host/impl/data/text.h"

namespace kpa::host::data {
namespace {

constexpr std::array<std::string_view, 3> kReservedWords = {"and", "or", "not"};

// Letters of names: ASCII and the accented letters of Western European languages (the
// Latin-1 Supplement and Latin Extended-A blocks, without the signs × and ÷).
bool IsLetter(char32_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  return c >= 0xC0 && c <= 0x17F && c != 0xD7 && c != 0xF7;
}
bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char32_t c) { return IsLetter(c) || IsDigit(c) || c == '_'; }

// Lower case for comparing names: ASCII, Latin-1 and the case pairs of Latin Extended-A.
char32_t Fold(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + ('a' - 'A');
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  if (c == 0x178) return 0xFF;  // Ÿ
  const bool odd_upper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
  if (odd_upper) return c % 2 == 1 ? c + 1 : c;
  if (c >= 0x100 && c <= 0x177 && c != 0x138 && c != 0x149) return c % 2 == 0 ? c + 1 : c;
  return c;
}

std::u32string Folded(std::string_view text) {
  std::u32string code = DecodeUtf8(text);
  for (char32_t& c : code) c = Fold(c);
  return code;
}

bool IsReserved(std::u32string_view name) {
  std::u32string folded(name);
  for (char32_t& c : folded) c = Fold(c);
  for (std::string_view word : kReservedWords)
    if (folded == DecodeUtf8(word)) return true;
  return false;
}

std::string Sanitize(std::string_view original, int position) {
  std::u32string name;
  for (const char32_t c : DecodeUtf8(original)) name += IsNameChar(c) ? c : U'_';
  if (name.empty()) return "var" + std::to_string(position);
  if (!IsLetter(name.front())) name = U"x" + name;
  if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);
  // A reserved word is at most 3 characters, so the '_' always fits.
  if (IsReserved(name)) name += U'_';
  return EncodeUtf8(name);
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) { return Folded(a) == Folded(b); }

std::size_t NameCharacterLength(std::string_view text, std::size_t pos, bool first) {
  if (pos >= text.size()) return 0;
  const auto byte = static_cast<unsigned char>(text[pos]);
  const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
  const std::u32string code = DecodeUtf8(text.substr(pos, length));
  if (code.size() != 1) return 0;
  const bool ok = first ? IsLetter(code[0]) || code[0] == U'_' : IsNameChar(code[0]);
  return ok ? length : 0;
}

bool IsUsableName(std::string_view name) {
  const std::u32string code = DecodeUtf8(name);
  if (code.empty() || code.size() > kMaxNameLength || !IsLetter(code.front())) return false;
  for (const char32_t c : code)
    if (!IsNameChar(c)) return false;
  return !IsReserved(code);
}

bool NameRegistry::Taken(std::string_view name) const {
  return taken_.count(EncodeUtf8(Folded(name))) > 0;
}

AssignedName NameRegistry::Assign(std::string_view original, int position) {
  const std::u32string base = DecodeUtf8(Sanitize(original, position));
  std::string name = EncodeUtf8(base);
  // Suffixes below the last one this stem received are all taken (names are never given
  // back), so the search resumes there: 30 000 columns of one name cost no more than 30 000
  // lookups.
  int& suffix = next_suffix_[EncodeUtf8(Folded(name))];
  if (suffix < 2) suffix = 2;
  if (Taken(name)) {
    for (;; ++suffix) {
      const std::u32string tail = DecodeUtf8("_" + std::to_string(suffix));
      name = EncodeUtf8(base.substr(0, kMaxNameLength - tail.size()) + tail);
      if (!Taken(name)) break;
    }
  }
  taken_.insert(EncodeUtf8(Folded(name)));
  return {name, name != original};
}

std::string RenameNotice(std::string_view where, std::string_view original, std::string_view name) {
  std::string text(where);
  if (original.empty()) return text += ": unnamed, called '" + std::string(name) + "'";
  return text += ": name '" + std::string(original) + "' changed to '" + std::string(name) + "'";
}

}  // namespace kpa::host::data
