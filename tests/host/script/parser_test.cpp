// The script language: every statement form and value, and every syntax error reported with
// its line and column.
#include <gtest/gtest.h>

#include "host/script/script.h"

namespace kpa::script {
namespace {

TEST(ScriptParser, ReadsEveryStatementForm) {
  const Script script = ParseScript(
      "' a comment line\n"
      "# another\n"
      "\n"
      "ProStartup.TypeOfAnalysis = scProSamplingPlans   ' trailing comment\n"
      "ProStartup.OK\n"
      "Dialog.Summary()\n"
      "Dialog.RangePercentTolerance(0.5, , 6)\n"
      "Print ProSampling.AlphaError\n"
      "Print \"texte accentué \"\"cité\"\"\"\n"
      "Host.OpenDataFile(\"data/x.csv\")\n",
      "t.kps");
  ASSERT_EQ(script.statements.size(), 7u);
  const Statement& assign = script.statements[0];
  EXPECT_EQ(assign.kind, StatementKind::kAssign);
  EXPECT_EQ(assign.object, "ProStartup");
  EXPECT_EQ(assign.member, "TypeOfAnalysis");
  EXPECT_EQ(assign.where.line, 4);
  EXPECT_EQ(assign.member_where.column, 12);
  EXPECT_EQ(std::get<Name>(assign.arguments[0].content).text, "scProSamplingPlans");
  EXPECT_EQ(assign.text, "ProStartup.TypeOfAnalysis = scProSamplingPlans   ' trailing comment");
  EXPECT_EQ(script.statements[1].kind, StatementKind::kCall);
  EXPECT_TRUE(script.statements[2].arguments.empty());
  ASSERT_EQ(script.statements[3].arguments.size(), 3u);
  EXPECT_TRUE(std::holds_alternative<Omitted>(script.statements[3].arguments[1].content));
  EXPECT_EQ(script.statements[4].kind, StatementKind::kPrint);
  EXPECT_EQ(script.statements[5].kind, StatementKind::kPrintText);
  EXPECT_EQ(std::get<std::string>(script.statements[5].arguments[0].content),
            "texte accentué \"cité\"");
}

TEST(ScriptParser, ValuesKeepTheirKinds) {
  const auto statements =
      ParseLine("X.Y(12, -0.05, 1e3, \"a'b#c\", True, false, (1, 2.5, -3))", "t", 1);
  ASSERT_EQ(statements.size(), 1u);
  const auto& a = statements[0].arguments;
  ASSERT_EQ(a.size(), 7u);
  EXPECT_EQ(std::get<std::int64_t>(a[0].content), 12);
  EXPECT_DOUBLE_EQ(std::get<double>(a[1].content), -0.05);
  EXPECT_DOUBLE_EQ(std::get<double>(a[2].content), 1000.0);
  EXPECT_EQ(std::get<std::string>(a[3].content), "a'b#c");  // no comment inside a text
  EXPECT_TRUE(std::get<bool>(a[4].content));
  EXPECT_FALSE(std::get<bool>(a[5].content));
  EXPECT_EQ(std::get<std::vector<double>>(a[6].content), (std::vector<double>{1, 2.5, -3}));
}

TEST(ScriptParser, ReportsEachErrorWithLineAndColumn) {
  struct Case {
    const char* text;
    int line;
    int column;
    const char* message;
  };
  const Case cases[] = {
      {"ProStartup.OK\n  = 3", 2, 3, "expected an interface name or Print"},
      {"ProStartup OK", 1, 11, "expected '.' and a member"},
      {"ProStartup.", 1, 12, "expected a member name"},
      {"X.Y =", 1, 6, "expected a value after '='"},
      {"X.Y = 1,5", 1, 8, "unexpected text ',5'"},
      {"X.Y = \"open", 1, 7, "has no closing '\"'"},
      {"X.Y = 3abc", 1, 7, "'3abc' is not a number"},
      {"X.Y(1 2)", 1, 7, "expected ',' or ')' after an argument"},
      {"X.Y = (1, \"a\")", 1, 11, "an array holds numbers only"},
      {"X.Y = @", 1, 7, "expected a value"},
      {"Print", 1, 6, "expected an interface name after Print"},
      {"\n\nX.Y(1,", 3, 7, "expected an argument or ')'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ParseScript(c.text, "s.kps");
      ADD_FAILURE() << "no error";
    } catch (const ScriptSyntaxError& error) {
      EXPECT_EQ(error.where().line, c.line);
      EXPECT_EQ(error.where().column, c.column);
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
      EXPECT_EQ(std::string(error.what()).rfind("s.kps:" + std::to_string(c.line) + ":", 0), 0u);
    }
  }
}

TEST(ScriptParser, ToleratesByteOrderMarkAndCarriageReturns) {
  const Script script = ParseScript("\xEF\xBB\xBFX.A = 1\r\nX.B\r\n", "t");
  ASSERT_EQ(script.statements.size(), 2u);
  EXPECT_EQ(script.statements[0].where.column, 1);
  EXPECT_EQ(script.statements[1].member, "B");
}

}  // namespace
}  // namespace kpa::script
