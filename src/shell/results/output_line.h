// The 132-column output line shared by all procedures, into which title lines, labels and
// plain-text output are composed, and the number writers that fill it. Columns are numbered
// from 1; every writer takes a write position and advances it past what it wrote.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kpa::shell {

inline constexpr int kOutputLineWidth = 132;

// Flag bits of the number writers. The low four bits (plus 16 when the byte is 128 or more)
// name a format variant of the host's number formatter; this module writes every variant
// as right-aligned fixed decimals.
inline constexpr std::uint8_t kPutSendToText = 16;     // also send the text to WriteText
inline constexpr std::uint8_t kPutIntoLine = 32;       // write into the line at the column
inline constexpr std::uint8_t kPutTrailingBlank = 64;  // one blank after, counted

class OutputLine {
 public:
  OutputLine();

  void Clear();
  // Copies `length` characters of `text` (blank-padded when shorter; all of it for a
  // negative length) into the line from `column` on. What falls beyond column 132 is lost;
  // the position advances by the full length all the same.
  void PutText(int& column, std::string_view text, int length = -1);
  // Writes `value` in `width` characters with `decimals` decimals (blank for a missing
  // marker; the nearest form that fits when the decimals do not) and returns the number of
  // characters written, the trailing blank of kPutTrailingBlank included.
  int PutReal(double value, int width, int decimals, int& column, std::uint8_t flags);
  // As PutReal, with decimals chosen from the magnitude (`AutoDecimals`). A missing marker
  // writes nothing, returns 0 and advances the position by the width.
  int PutRealAuto(float value, int width, int& column, std::uint8_t flags);
  int PutInteger(std::int64_t value, int width, int& column, std::uint8_t flags);

  // The line as UTF-8, all 132 columns; and without its trailing blanks.
  std::string Text() const;
  std::string TrimmedText() const;

 private:
  int Put(const std::string& formatted, int& column, std::uint8_t flags);
  std::u32string line_;
};

// Decimals for a value written by PutRealAuto: 8 minus its digit count, where the digit
// count is 1 for 0 and otherwise trunc(log10(v)) + 1, at most 8, with v = |value| * 10 (at
// least 10) for a negative value. Never more than the width can show after "0." and a sign,
// so tiny values do not ask for dozens of decimals.
int AutoDecimals(float value, int width);

// The line shared by all procedures, and the writers on it.
OutputLine& SharedOutputLine();
void ClearOutputLine();
void PutText(int& column, std::string_view text, int length = -1);
int PutReal(double value, int width, int decimals, int& column, std::uint8_t flags);
int PutRealAuto(float value, int width, int& column, std::uint8_t flags);
int PutInteger(std::int64_t value, int width, int& column, std::uint8_t flags);

}  // namespace kpa::shell
