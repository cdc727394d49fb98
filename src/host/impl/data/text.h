// Small text helpers shared by the readers: trimming, locale-independent numbers and UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kpa::host::data {

// `text` without leading and trailing spaces and tabs.
std::string_view Trim(std::string_view text);

// `text` in double quotes, as messages name a header or a column.
std::string Quoted(std::string_view text);

// The finite number spelled by all of `text` with `decimal_mark` ('.' or ',') as the decimal
// mark, whatever the locale: an optional sign, digits, an optional fraction and exponent
// ("-1.5e3", "+2", ".5"; "1,5" with a decimal comma, where "1.5" is no number at all).
// std::nullopt for anything else, including "inf", "nan", hexadecimal and out-of-range values.
std::optional<double> ParseNumber(std::string_view text, char decimal_mark = '.');

// The shortest text that reads back as `value` ("74.03", "-9999", "1e-05").
std::string FormatNumber(double value);

// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(std::string_view text);

// The code points of UTF-8 `text`; a byte that starts no valid sequence stands for itself.
std::u32string DecodeUtf8(std::string_view text);
// `code` written as UTF-8 at the end of `out`; and a whole text of code points.
void AppendUtf8(char32_t code, std::string& out);
std::string EncodeUtf8(std::u32string_view text);

// The number of characters (code points) in the first `bytes` bytes of UTF-8 `text`.
std::size_t CharacterCount(std::string_view text, std::size_t bytes);

}  // namespace kpa::host::data
