// The output line and its number writers, the fixed-width text routines, and the status,
// progress and message services, against the in-memory host.
#include "shell/results/output_line.h"

#include <gtest/gtest.h>

#include <bit>

#include "resources/string_table.h"
#include "shell/analysis_support.h"
#include "shell/results/fixed_text.h"
#include "shell/results/host_output.h"
#include "support/fake_host.h"

namespace kpa::shell {
namespace {

class OutputTest : public ::testing::Test {
 protected:
  OutputTest() : analysis_(host_), enter_(analysis_) {
    for (const int n : {kStringBusy, kStringHelpKey, kStringOutOfMemory})
      host_.strings[n] = std::string(resources::ResourceText(n));
  }
  ~OutputTest() override { StopProgress(); }

  testing::FakeHost host_;
  CAnalysisSupport analysis_;
  CEnterAnalysisContext enter_;
  OutputLine line_;
};

TEST_F(OutputTest, PutRealAutoChoosesDecimalsFromTheMagnitude) {
  // Decimals = 8 - digits; digits = trunc(log10 v) + 1 with v = max(10|x|, 10) for x < 0.
  const struct {
    float value;
    int decimals;
    const char* field;
  } cases[] = {
      {123.456f, 5, "   123.45600"},      // log10 = 2.09 -> 3 digits
      {-5.0f, 6, "   -5.000000"},         // v = 50 -> 2 digits
      {0.0f, 7, "   0.0000000"},          // 1 digit by definition
      {0.05f, 8, "  0.05000000"},         // log10 = -1.3 -> trunc -1 -> 0 digits
      {-0.5f, 6, "   -0.500000"},         // v = 5 -> raised to 10 -> 2 digits
      {123456789.0f, 0, "   123456792"},  // 9 digits capped at 8; float keeps 123456792
      // Decades stored in single precision lie a little above or below the decade; they
      // keep the decade's decimals: log10 0.1 = -1 -> 0 digits, log10 0.001 = -3 -> -2.
      {0.1f, 8, "  0.10000000"},
      {0.001f, 10, "0.0010000000"},
      {10.0f, 6, "   10.000000"},
      {1000.0f, 4, "   1000.0000"},
      // Mended: 1e-30 would ask for 37 decimals; width 12 shows at most 10 after "0.".
      {1e-30f, 10, "0.0000000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(AutoDecimals(c.value, 12), c.decimals);
    line_.Clear();
    int column = 1;
    const int written = line_.PutRealAuto(c.value, 12, column, kPutIntoLine);
    EXPECT_EQ(line_.Text().substr(0, 12), c.field);
    EXPECT_EQ(written, 12);
    EXPECT_EQ(column, 13);
  }
}

TEST_F(OutputTest, PutRealAutoLeavesAMissingFieldBlank) {
  int column = 1;
  line_.PutText(column, "xxxxxxxxxxxxxxxxxxxx");
  column = 3;
  const float marker = std::bit_cast<float>(0xFFFFFFFFu);
  EXPECT_EQ(line_.PutRealAuto(marker, 8, column, kPutIntoLine | kPutSendToText), 0);
  EXPECT_EQ(column, 11);
  EXPECT_EQ(line_.Text().substr(0, 20), "xxxxxxxxxxxxxxxxxxxx");  // nothing written
  EXPECT_TRUE(host_.text_lines.empty());
}

TEST_F(OutputTest, PutRealFlags) {
  const struct {
    const char* name;
    std::uint8_t flags;
    int count;
    const char* line;
    bool sent;
  } cases[] = {
      {"private buffer", 0, 6, "", false},
      {"into the line", kPutIntoLine, 6, "    1.25", false},
      {"trailing blank counted", kPutIntoLine | kPutTrailingBlank, 7, "    1.25", false},
      {"sent to the text output", kPutIntoLine | kPutSendToText, 6, "    1.25", true},
      {"format variant bits ignored", kPutIntoLine | 0x83, 6, "    1.25", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    line_.Clear();
    host_.text_lines.clear();
    int column = 3;
    EXPECT_EQ(line_.PutReal(1.254, 6, 2, column, c.flags), c.count);
    EXPECT_EQ(column, 3 + c.count);
    EXPECT_EQ(line_.TrimmedText(), c.line);
    EXPECT_EQ(host_.text_lines,
              c.sent ? std::vector<std::string>{"  1.25"} : std::vector<std::string>{});
  }
}

TEST_F(OutputTest, PutRealNeverCutsANumber) {
  int column = 1;
  // Four decimals do not fit 8 columns; one does: "123456.8" rather than "123456.7".
  line_.PutReal(123456.789, 8, 4, column, kPutIntoLine);
  EXPECT_EQ(line_.TrimmedText(), "123456.8");
  line_.Clear();
  column = 1;
  EXPECT_EQ(line_.PutReal(-2.5e12, 8, 2, column, kPutIntoLine), 8);
  EXPECT_EQ(line_.TrimmedText(), "-2.5e+12");
}

TEST_F(OutputTest, PutTextAndIntegerCountCharacters) {
  int column = 1;
  line_.PutText(column, "Diamètre", 10);
  EXPECT_EQ(column, 11);
  EXPECT_EQ(line_.PutInteger(-42, 5, column, kPutIntoLine | kPutTrailingBlank), 6);
  line_.PutText(column, "é");
  EXPECT_EQ(line_.TrimmedText(), "Diamètre    -42 é");
  EXPECT_EQ(CharacterCount(line_.Text()), kOutputLineWidth);
  // Text beyond column 132 is dropped, never written past the line.
  column = 130;
  line_.PutText(column, "ABCDE");
  EXPECT_EQ(column, 135);
  EXPECT_EQ(line_.Text().substr(line_.Text().size() - 3), "ABC");
  EXPECT_EQ(CharacterCount(line_.Text()), kOutputLineWidth);
}

TEST(FixedText, FieldRoutines) {
  using namespace std::string_literals;
  const struct {
    const char* name;
    void (*routine)(std::string&, int);
    std::string before;
    int length;
    std::string after;
  } cases[] = {
      {"left-justify", LeftJustify, "   AB    ", 9, "AB\0      "s},
      // Mended: a full field gets no zero, so nothing is written past it.
      {"left-justify full field", LeftJustify, "ABCDEFGHI", 9, "ABCDEFGHI"},
      {"left-justify keeps the rest", LeftJustify,
       " AB"
       "XY",
       3, "AB\0XY"s},
      {"left-justify accents", LeftJustify, "  é", 3, "é\0 "s},
      {"left-justify blank", LeftJustify, "   ", 3, "\0  "s},
      {"left-justify short text", LeftJustify, " A", 4, "A\0  "s},
      {"remove blanks", RemoveBlanks, " A B  C ", 8, "ABC     "},
      {"blank nuls", BlankNuls, "A\0B\0"s, 3, "A B\0"s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string text = c.before;
    c.routine(text, c.length);
    EXPECT_EQ(text, c.after);
  }
}

TEST(FixedText, LastNonBlankAndRightJustify) {
  EXPECT_EQ(LastNonBlank("AB  ", 4), 2);
  EXPECT_EQ(LastNonBlank("    ", 4), 0);
  EXPECT_EQ(LastNonBlank("ééé ", 4), 3);   // characters, not bytes
  EXPECT_EQ(LastNonBlank("A   B", 3), 1);  // only the field counts
  std::string name = "DIAM    ";
  RightJustify8(name);
  EXPECT_EQ(name, "    DIAM");
  name = "X";
  RightJustify8(name);
  EXPECT_EQ(name, "       X");
}

TEST_F(OutputTest, LongestNameAndCodeText) {
  host_.variables = {{"A", {}, "Épaisseur", {{1, "Bon"}, {2, "Défectueux longtemps"}}, -9999},
                     {"B", {}, std::nullopt, {}, -9999}};
  const int both[] = {1, 2};
  EXPECT_EQ(LongestName(both), 9);  // "Épaisseur": 9 characters, 10 bytes
  const int none[] = {2};
  EXPECT_EQ(LongestName(none), 0);
  EXPECT_EQ(CodeText(1, 1), "Bon     ");
  EXPECT_EQ(CodeText(1, 2), "Défectue");
  EXPECT_EQ(CodeText(1, 3), "       3");
  EXPECT_EQ(CodeText(2, 2.6), "       3");
  EXPECT_EQ(CodeText(2, -12), "     -12");
}

TEST_F(OutputTest, StatusTextsAndMessages) {
  ShowBusyStatus();
  ShowHelpStatus();
  EXPECT_EQ(host_.status_texts,
            (std::vector<std::string>{"Calculs en cours ...", "Pour l'Aide, touche F1"}));
  ShowMessage("Mémoire pleine", 7);
  ShowMessage("Texte entier");
  ShowOutOfMemory();
  ASSERT_EQ(host_.messages.size(), 3u);
  EXPECT_EQ(host_.messages[0], "Mémoire");
  EXPECT_EQ(host_.messages[1], "Texte entier");
  EXPECT_EQ(host_.messages[2], host_.strings[kStringOutOfMemory]);
}

TEST_F(OutputTest, ProgressStopsItselfAtTheFinalCount) {
  StartProgress(10, "Calcul");
  EXPECT_EQ(host_.progress_total, 10);
  EXPECT_EQ(StepProgress(4), 4);
  EXPECT_EQ(host_.progress_done, 4);
  EXPECT_EQ(StepProgress(10), 0);  // the final count stops the display
  EXPECT_EQ(host_.progress_stops, 1);
  EXPECT_EQ(ProgressTotal(), 0);
  StopProgress();  // nothing left to stop
  EXPECT_EQ(host_.progress_stops, 1);
  EXPECT_EQ(StepProgress(3), 0);  // no display: nothing reported
  EXPECT_EQ(host_.progress_done, 10);

  StartProgress(5, "Un");
  StartProgress(8, "Deux");  // the running display is stopped first
  EXPECT_EQ(host_.progress_stops, 2);
  EXPECT_EQ(ProgressTotal(), 8);
}

}  // namespace
}  // namespace kpa::shell
