// The subcommands of `kpa`, callable with their streams so that tests drive them directly.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "host/impl/data/csv_dialect.h"
#include "host/impl/output_log.h"

namespace kpa::cli {

// Exit codes of the command.
inline constexpr int kExitDone = 0;
inline constexpr int kExitOther = 1;
inline constexpr int kExitUsage = 2;  // usage or script syntax error
inline constexpr int kExitDataFile = 3;
inline constexpr int kExitStrict = 4;
// Stopped by a signal: 128 plus its number (130 for Ctrl-C, 143 for SIGTERM), as shells do.
inline constexpr int kExitInterrupted = 128;

struct RunOptions {
  std::filesystem::path script;
  std::optional<std::filesystem::path> data;
  std::optional<std::filesystem::path> out_folder;
  bool trace = false;
  bool strict = false;
  bool progress_bar = false;
  host::data::CsvOptions csv;  // the dialect of delimited text files, unset parts detected
  host::ImageFormats images;   // PNG and PDF beside each chart's SVG
  host::TableFormats tables;   // the files of each table
};

// Runs a script file against an optional data file; returns the exit code.
int RunScript(const RunOptions& options, std::ostream& out, std::ostream& err);

// The interactive shell: reads statements (with line editing when `in` is a terminal).
struct ShellOptions {
  std::optional<std::filesystem::path> data;
  host::data::CsvOptions csv;
  bool trace = false;  // print each dialog transition to stderr
};
int RunShell(const ShellOptions& given, std::istream& in, std::ostream& out, std::ostream& err,
             bool interactive);

// Lists the automation interfaces, or the members of one of them (help text of the library).
int ListMembers(const std::optional<std::string>& interface_name, std::ostream& out,
                std::ostream& err);
// The whole type library as one JSON document, for tools: the library's name, help file and
// locale; the enumerations; the base interface and every dialog interface with each member's
// dispatch identifier, name, access, type, bound control, enumeration and help strings.
int ListMembersJson(std::ostream& out);

// The demo job: the shipped example script on the shipped data, into `out_folder`.
int RunDemo(const std::filesystem::path& examples, const std::filesystem::path& out_folder,
            std::ostream& out, std::ostream& err);

// The folder of the shipped examples: $KPA_EXAMPLES, else the one of the source tree.
std::filesystem::path ExamplesFolder();

}  // namespace kpa::cli
