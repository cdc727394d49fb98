#include "cli/commands/calc_command.h"

#include <ostream>

#include "cli/commands/commands.h"
#include "host/impl/headless_host.h"
#include "shell/dialogs/list_text.h"

namespace kpa::cli {
namespace {

// The answer as a one-row result table: the arguments, then the value.
host::TableSpec CalcTable(const CalcOutcome& outcome, const std::vector<std::string>& arguments) {
  host::TableSpec table;
  table.title = {"kpa calc " + outcome.function};
  table.row_header = "Fonction";
  table.row_label_width = 16;
  table.row_labels = {outcome.function};
  for (std::size_t i = 0; i < outcome.arguments.size(); ++i) {
    const std::string name = i + 1 < arguments.size() ? "arg " + std::to_string(i + 1) : "arg";
    table.columns.push_back({name, "", 14, 6});
    table.values.push_back(outcome.arguments[i]);
  }
  table.columns.push_back({"Valeur", "", 20, 12});
  table.values.push_back(outcome.value);
  return table;
}

}  // namespace

int RunCalc(const std::vector<std::string>& arguments,
            const std::optional<std::filesystem::path>& out_folder, std::ostream& out,
            std::ostream& err) {
  if (arguments.empty()) {
    err << CalcHelpText();
    return kExitUsage;
  }
  const CalcOutcome outcome = EvaluateCalc(arguments);
  if (!outcome.note.empty())
    err << "kpa calc: " << (outcome.exit_code == kCalcRefused ? "no value: " : "") << outcome.note
        << '\n';
  if (outcome.exit_code != kExitDone) return outcome.exit_code;
  out << outcome.value_text << '\n';
  if (out_folder) {
    host::HeadlessOptions options;
    host::HeadlessHost host(options);
    try {
      host.SetOutputFolder(*out_folder);
    } catch (const std::exception& error) {
      err << "kpa calc: cannot use the output folder: " << error.what() << '\n';
      return kExitOther;
    }
    host.ShowTable(CalcTable(outcome, arguments));
    const auto& problems = host.FinishOutputs();
    for (const auto& problem : problems) err << "kpa calc: " << problem << '\n';
    if (!problems.empty()) return kExitOther;
  }
  return kExitDone;
}

}  // namespace kpa::cli
