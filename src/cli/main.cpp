// The `kpa` command: run scripts against data files, drive the dialogs interactively, list
// the automation interfaces, run the demo job, and answer probability questions.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iostream>

#include <CLI/CLI.hpp>

#include "cli/commands/calc_command.h"
#include "cli/commands/commands.h"
#include "host/impl/data/csv_dialect.h"
#include "host/impl/headless_host.h"

namespace {

// The first Ctrl-C (or SIGTERM) cancels the running request, and a script run stops after it
// with its outputs written; a second one before the request ends stops the program as the
// signal usually does.
void OnInterrupt(int signal_number) {
  if (kpa::host::HeadlessHost::CancelRequestedFromSignal()) {
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
    return;
  }
  kpa::host::HeadlessHost::RequestCancelFromSignal(signal_number);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "kpa - Korvana Process Analysis: process capability, gage R&R, Weibull and "
      "reliability, sampling plans, cause-and-effect diagrams"};
  app.set_version_flag("--version", std::string("kpa ") + KPA_VERSION);
  app.require_subcommand(1);

  kpa::cli::RunOptions run;
  std::string data;
  std::string out_folder;
  std::string csv;
  std::string formats = "svg";
  std::string table_formats = "txt,csv,json";
  const std::string csv_help =
      "The dialect of CSV files, e.g. \"delimiter=semicolon decimal=comma\" (delimiter comma, "
      "semicolon, tab; decimal point, comma; encoding utf-8, windows-1252; each auto when "
      "left out)";
  auto* run_command = app.add_subcommand("run", "Run an automation script");
  run_command->add_option("script", run.script, "The script file")->required();
  run_command->add_option("--data", data, "A data file to open first (CSV, .sav, .dta)");
  run_command->add_option("--out", out_folder,
                          "Write every output and report.html into this folder");
  run_command->add_option("--csv", csv, csv_help);
  run_command
      ->add_option("--formats", formats,
                   "Chart files written with --out: svg, png, pdf, separated by commas "
                   "(PNG at 300 dpi)")
      ->capture_default_str();
  run_command
      ->add_option("--tables", table_formats,
                   "Table files written with --out: txt, csv, json, separated by commas, or "
                   "none (every table is also a sheet of results.xlsx and in report.html)")
      ->capture_default_str();
  run_command->add_flag("--trace", run.trace, "Print each dialog transition to stderr");
  run_command->add_flag("--strict", run.strict,
                        "Stop at the first statement that fails (exit code 4)");

  auto* shell_command = app.add_subcommand("shell", "Drive the dialogs interactively");
  shell_command->add_option("--data", data, "A data file to open first");
  shell_command->add_option("--csv", csv, csv_help);
  kpa::cli::ShellOptions shell;
  shell_command->add_flag("--trace", shell.trace, "Print each dialog transition to stderr");

  std::string interface_name;
  auto* members_command =
      app.add_subcommand("members", "List the automation interfaces and their members");
  members_command->add_option("interface", interface_name, "One interface to list");
  bool members_json = false;
  members_command->add_flag("--json", members_json, "The whole library as JSON, for tools");

  std::string demo_out = "demo-out";
  auto* demo_command = app.add_subcommand("demo", "Run the demo job on the shipped example data");
  demo_command->add_option("--out", demo_out, "Output folder")->capture_default_str();

  std::vector<std::string> calc_arguments;
  std::string calc_out;
  auto* calc_command = app.add_subcommand(
      "calc", "Probability calculator: kpa calc FUNCTION ARG... (kpa calc --help lists them)");
  calc_command->add_option("function_and_arguments", calc_arguments, "FUNCTION ARG...")
      ->allow_extra_args();
  calc_command->add_option("--out", calc_out, "Also write the answer as a one-row table here");
  calc_command->footer(kpa::cli::CalcHelpText());
  calc_command->allow_extras();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? kpa::cli::kExitDone : kpa::cli::kExitUsage;
  }

  kpa::host::data::CsvOptions csv_options;
  try {
    csv_options = kpa::host::data::ParseCsvOptions(csv);
  } catch (const std::invalid_argument& error) {
    std::cerr << "kpa: --csv " << error.what() << '\n';
    return kpa::cli::kExitUsage;
  }

  try {
    run.images = kpa::host::ParseImageFormats(formats);
  } catch (const std::invalid_argument& error) {
    std::cerr << "kpa: --formats: " << error.what() << '\n';
    return kpa::cli::kExitUsage;
  }
  try {
    run.tables = kpa::host::ParseTableFormats(table_formats);
  } catch (const std::invalid_argument& error) {
    std::cerr << "kpa: --tables: " << error.what() << '\n';
    return kpa::cli::kExitUsage;
  }

  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
  if (*run_command) {
    run.csv = csv_options;
    if (!data.empty()) run.data = data;
    if (!out_folder.empty()) run.out_folder = out_folder;
    run.progress_bar = isatty(STDERR_FILENO) != 0;
    return kpa::cli::RunScript(run, std::cout, std::cerr);
  }
  if (*shell_command) {
    if (!data.empty()) shell.data = data;
    shell.csv = csv_options;
    return kpa::cli::RunShell(shell, std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) != 0);
  }
  if (*members_command) {
    if (members_json) return kpa::cli::ListMembersJson(std::cout);
    std::optional<std::string> name;
    if (!interface_name.empty()) name = interface_name;
    return kpa::cli::ListMembers(name, std::cout, std::cerr);
  }
  if (*demo_command)
    return kpa::cli::RunDemo(kpa::cli::ExamplesFolder(), demo_out, std::cout, std::cerr);
  if (*calc_command) {
    for (const auto& extra : calc_command->remaining()) calc_arguments.push_back(extra);
    std::optional<std::filesystem::path> folder;
    if (!calc_out.empty()) folder = calc_out;
    return kpa::cli::RunCalc(calc_arguments, folder, std::cout, std::cerr);
  }
  return kpa::cli::kExitUsage;
}
