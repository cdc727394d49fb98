// The automation script language. One statement per line; ' or # starts a comment.
//
//   Interface.Member = value          write a member (a field of the open dialog)
//   Interface.Action                  press a button or call a method
//   Interface.Action(arg, ...)        ... with arguments (optional ones may be left out)
//   Print Interface.Member            write a member's value to standard output
//   Print "text"                      write a text
//
// `Dialog` stands for whichever dialog is open; `Host` addresses the substitute host (data
// file, case selection, weights, queued answers, clock, output folder).
// Values: numbers with '.', "texts" ("" inside stands for "), enumerator names,
// True/False, and numeric arrays (1, 2, 3).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kpa::script {

struct Position {
  int line = 0;
  int column = 0;  // 1-based character column
};

struct Name {
  std::string text;
};

// An argument left out of a call, as in Action(1, , 3).
struct Omitted {};

struct Value {
  std::variant<Omitted, std::int64_t, double, std::string, bool, Name, std::vector<double>> content;
  Position where;
};

enum class StatementKind { kAssign, kCall, kPrint, kPrintText };

struct Statement {
  StatementKind kind = StatementKind::kCall;
  Position where;      // of the statement's first word
  std::string object;  // interface name, "Dialog" or "Host"
  std::string member;
  Position member_where;
  std::vector<Value> arguments;  // call arguments, or the one assigned value
  std::string text;              // the statement as written, for messages
};

struct Script {
  std::string file;
  std::vector<Statement> statements;
};

// A syntax error: what() reads "file:line:column: message".
class ScriptSyntaxError : public std::runtime_error {
 public:
  ScriptSyntaxError(const std::string& file, Position where, const std::string& message);
  Position where() const { return where_; }

 private:
  Position where_;
};

// Words of the language (Print, True, Host members, Yes/No) match without regard to case.
bool SameWord(std::string_view word, std::string_view expected);

// Parses a whole script; throws ScriptSyntaxError at the first error.
Script ParseScript(const std::string& text, const std::string& file);
// Parses one line (the shell's input); an empty or comment line gives no statement.
std::vector<Statement> ParseLine(const std::string& line, const std::string& file, int line_number);

}  // namespace kpa::script
