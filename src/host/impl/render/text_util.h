// Small text helpers shared by the renderers: character counts of UTF-8 texts (an accented
// letter is one column), alignment by characters, and escaping for XML and HTML.
#pragma once

#include <string>
#include <string_view>

namespace kpa::host::render {

// Number of characters (code points) in a UTF-8 text.
std::size_t CharacterCount(std::string_view text);
// `text` blank-padded on the left (right-aligned) or right (left-aligned) to `width`
// characters; a longer text is returned whole.
std::string AlignRight(std::string_view text, std::size_t width);
std::string AlignLeft(std::string_view text, std::size_t width);
std::string_view TrimRight(std::string_view text);
std::string_view Trim(std::string_view text);
// Escapes &, <, > and both quotes, for element text and attribute values alike, and leaves
// out the control characters XML cannot hold (all below 0x20 but tab, line feed and return).
std::string EscapeXml(std::string_view text);
// The shortest decimal form of `value` that reads back as the same double.
std::string ShortestNumber(double value);
// The first `count` characters of a UTF-8 text.
std::string TakeCharacters(std::string_view text, std::size_t count);

}  // namespace kpa::host::render
