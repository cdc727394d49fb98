// Fixed-width, blank-padded text fields as the module's tables and output line use them.
// Widths and positions count characters, not bytes: texts are UTF-8 and an accented letter
// takes one column. A routine given a `length` works on the field made of the first `length`
// characters of the text, as if padded with blanks; characters beyond the field are kept.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kpa::shell {

// UTF-8 to code points and back. A byte that starts no valid sequence reads as U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);
int CharacterCount(std::string_view text);

// `text` cut or blank-padded to exactly `width` characters.
std::string FitText(std::string_view text, int width);
// `text` without its leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);
// A number as chart titles and legends write it: at most `digits` significant digits, '.'
// always, no trailing zeros.
std::string SignificantText(double value, int digits);
// A message text with its first placeholder ("%d" or "%s") replaced by `value`.
std::string WithPlaceholder(std::string_view text, std::string_view value);

// Writes each text into the run of blanks after each `mark` of `pattern`, in order ("N=   "
// with "12" gives "N=12 "). A text longer than its blanks pushes the rest of the line to the
// right; marks beyond the texts keep their blanks.
std::string FillAfterMarks(std::string_view pattern, char mark, std::span<const std::string> texts);

// 1-based position of the last non-blank character of the field; 0 for an all-blank field.
int LastNonBlank(std::string_view text, int length);
// Removes the leading blanks, pads with blanks, then writes a zero character after the last
// non-blank one, when that one is not the last of the field (the zero never leaves it).
void LeftJustify(std::string& text, int length);
// Removes every blank of the field and pads the rest with blanks.
void RemoveBlanks(std::string& text, int length);
// Moves the trailing blanks of an 8-character name to its front ("AB      " -> "      AB").
void RightJustify8(std::string& name);
// Replaces every zero character of the field with a blank.
void BlankNuls(std::string& text, int length);

// The greatest length, in characters, among the long names of the given variables (numbered
// from 1); 0 when none has one. Reads the names from the current host.
int LongestName(std::span<const int> variables);
// An 8-character text for a code of a variable: its value label, cut or padded, when it has
// one; otherwise the code rounded to a whole number and right-aligned (blanks for a missing
// marker). A whole number wider than 8 characters takes the nearest form that fits.
std::string CodeText(int variable, double code);

}  // namespace kpa::shell
