// End-to-end journeys: every tests/scripts/*.kps runs through `kpa run` in-process and its
// standard output and exit code are compared with what the script itself states:
//   '> text        a line the script must print on standard output, in order
//   '! text        text that must appear somewhere on standard error
//   'exit N        the expected exit code (0 when absent)
//   'data FILE     a data file to open first, relative to the repository
//   'strict        run with --strict
// Lines of standard output that no '> line names are not compared, so a script states only
// what it checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/commands/commands.h"

namespace kpa::cli {
namespace {

struct Expectations {
  std::vector<std::string> out_lines;
  std::vector<std::string> err_texts;
  int exit_code = kExitDone;
  std::optional<std::filesystem::path> data;
  bool strict = false;
};

Expectations ReadExpectations(const std::filesystem::path& script) {
  Expectations expected;
  std::ifstream in(script);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("'> ", 0) == 0)
      expected.out_lines.push_back(line.substr(3));
    else if (line == "'>")
      expected.out_lines.emplace_back();
    else if (line.rfind("'! ", 0) == 0)
      expected.err_texts.push_back(line.substr(3));
    else if (line.rfind("'exit ", 0) == 0)
      expected.exit_code = std::stoi(line.substr(6));
    else if (line.rfind("'data ", 0) == 0)
      expected.data = std::filesystem::path(KPA_SOURCE_DIR) / line.substr(6);
    else if (line == "'strict")
      expected.strict = true;
  }
  return expected;
}

std::vector<std::filesystem::path> Scripts() {
  std::vector<std::filesystem::path> scripts;
  for (const auto& entry : std::filesystem::directory_iterator(
           std::filesystem::path(KPA_SOURCE_DIR) / "tests" / "scripts"))
    if (entry.path().extension() == ".kps") scripts.push_back(entry.path());
  std::sort(scripts.begin(), scripts.end());
  return scripts;
}

class ScriptJourney : public ::testing::TestWithParam<std::filesystem::path> {};

TEST_P(ScriptJourney, PrintsWhatItStates) {
  const std::filesystem::path script = GetParam();
  const Expectations expected = ReadExpectations(script);
  RunOptions options;
  options.script = script;
  options.data = expected.data;
  options.strict = expected.strict;
  options.trace = true;
  std::ostringstream out;
  std::ostringstream err;
  const int code = RunScript(options, out, err);
  EXPECT_EQ(code, expected.exit_code) << err.str();

  // The stated lines appear in order among the printed ones.
  std::istringstream printed(out.str());
  std::string line;
  std::size_t next = 0;
  while (next < expected.out_lines.size() && std::getline(printed, line))
    if (line == expected.out_lines[next]) ++next;
  EXPECT_EQ(next, expected.out_lines.size())
      << "first line not printed: '"
      << (next < expected.out_lines.size() ? expected.out_lines[next] : "") << "'\nstdout:\n"
      << out.str() << "\nstderr:\n"
      << err.str();
  for (const auto& text : expected.err_texts)
    EXPECT_NE(err.str().find(text), std::string::npos)
        << "missing on stderr: " << text << "\nstderr:\n"
        << err.str();
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptJourney, ::testing::ValuesIn(Scripts()),
                         [](const auto& param_info) {
                           std::string name = param_info.param.stem().string();
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace kpa::cli
