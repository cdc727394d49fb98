#include <cstdio>
#include <istream>
#include <ostream>

#include <readline/history.h>
#include <readline/readline.h>

#include "cli/commands/commands.h"
#include "cli/commands/dialog_view.h"
#include "host/impl/data/data_set.h"
#include "host/impl/keyword_store.h"
#include "host/script/session.h"

namespace kpa::cli {
namespace {

constexpr const char* kShellHelp =
    "Statements as in scripts:\n"
    "  Interface.Member = value    write a field (Dialog. stands for the open dialog)\n"
    "  Interface.Action            press a button (OK, Cancel, Summary, ...)\n"
    "  Dialog.Press(460)           press a button by its number (show lists them)\n"
    "  Dialog.Switch()             raw-data capability setup <-> aggregated-data setup\n"
    "  Print Interface.Member      read a field\n"
    "  Host.OpenDataFile(\"file.csv\"), Host.SelectionCondition = \"...\", ...\n"
    "Shell commands: show (the open dialog), members (of the open dialog), help, quit.\n";

// One line of input: readline on a terminal, plain reading otherwise. False at the end.
bool ReadInputLine(std::istream& in, bool interactive, std::string& line) {
  if (!interactive) return static_cast<bool>(std::getline(in, line));
  char* read = readline("kpa> ");
  if (read == nullptr) return false;
  line = read;
  if (!line.empty()) add_history(read);
  std::free(read);
  return true;
}

}  // namespace

int RunShell(const ShellOptions& given, std::istream& in, std::ostream& out, std::ostream& err,
             bool interactive) {
  script::SessionOptions options;
  options.host.out = &out;
  options.host.err = &err;
  options.host.progress_bar = interactive;
  options.host.scripted = false;
  options.host.keyword_file = host::KeywordStore::DefaultFile();
  options.host.csv = given.csv;
  options.trace = given.trace;
  script::Session session(options);
  if (given.data) {
    try {
      session.Host().OpenDataFile(given.data->string());
    } catch (const host::data::DataFileError& error) {
      err << error.what() << '\n';
      return kExitDataFile;
    }
  }
  session.Start();
  const auto finish = [&session]() {
    session.Host().FinishOutputs();
    return kExitDone;
  };

  const shell::CAnalysisModelessDialog* shown = nullptr;
  std::string line;
  int line_number = 0;
  while (true) {
    const auto& dialog = session.Process().CurrentDialog();
    if (dialog && dialog.get() != shown) {
      out << DescribeDialog(*dialog, session.OpenInterfaceName(), session.Host());
      shown = dialog.get();
    }
    if (session.Process().Ended()) {
      out << "The analysis has ended.\n";
      return finish();
    }
    if (!ReadInputLine(in, interactive, line)) return finish();
    ++line_number;
    const auto first = line.find_first_not_of(" \t");
    const std::string word = first == std::string::npos ? "" : line.substr(first);
    if (word == "quit" || word == "exit") return finish();
    if (word == "help") {
      out << kShellHelp;
      continue;
    }
    if (word == "show") {
      shown = nullptr;
      continue;
    }
    if (word == "members") {
      ListMembers(session.OpenInterfaceName(), out, err);
      continue;
    }
    try {
      for (const auto& statement : script::ParseLine(line, "shell", line_number))
        session.Execute(statement, "shell");
    } catch (const script::ScriptSyntaxError& error) {
      err << error.what() << '\n';
    }
  }
}

}  // namespace kpa::cli
