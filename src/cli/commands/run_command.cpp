#include <fstream>
#include <ostream>
#include <sstream>

#include "cli/commands/commands.h"
#include "host/impl/data/data_set.h"
#include "host/impl/keyword_store.h"
#include "host/script/session.h"

namespace kpa::cli {

int RunScript(const RunOptions& options, std::ostream& out, std::ostream& err) {
  std::ifstream file(options.script, std::ios::binary);
  if (!file) {
    err << "kpa: cannot read the script " << options.script.string() << '\n';
    return kExitUsage;
  }
  std::ostringstream text;
  text << file.rdbuf();
  const std::string name = options.script.string();

  script::Script parsed;
  try {
    parsed = script::ParseScript(text.str(), name);
  } catch (const script::ScriptSyntaxError& error) {
    err << error.what() << '\n';
    return kExitUsage;
  }

  script::SessionOptions session_options;
  session_options.host.out = &out;
  session_options.host.err = &err;
  session_options.host.progress_bar = options.progress_bar;
  session_options.host.scripted = true;
  session_options.host.keyword_file = host::KeywordStore::DefaultFile();
  session_options.host.csv = options.csv;
  session_options.host.images = options.images;
  session_options.host.tables = options.tables;
  session_options.host.program = std::string("kpa ") + KPA_VERSION;
  session_options.trace = options.trace;
  session_options.base_folder = options.script.parent_path();
  script::Session session(session_options);
  session.Host().SetScriptPath(options.script.string());

  try {
    if (options.out_folder) session.Host().SetOutputFolder(*options.out_folder);
  } catch (const std::exception& error) {
    err << "kpa: cannot use the output folder: " << error.what() << '\n';
    return kExitOther;
  }
  if (options.data) {
    try {
      session.Host().OpenDataFile(options.data->string());
    } catch (const host::data::DataFileError& error) {
      err << error.what() << '\n';
      return kExitDataFile;
    }
  }

  // However the script ends, what it produced is written out whole (the workbook too).
  // An output that could not be written fails the run, whatever the statements did.
  const auto finish = [&session, &err](int code) {
    const auto& problems = session.Host().FinishOutputs();
    for (const auto& problem : problems) err << "kpa: " << problem << '\n';
    return code == kExitDone && !problems.empty() ? kExitOther : code;
  };
  session.Start();
  int failures = 0;
  for (const auto& statement : parsed.statements) {
    if (const int signal_number = host::HeadlessHost::InterruptingSignal()) {
      err << "kpa: interrupted at line " << statement.where.line
          << "; the outputs produced before are written\n";
      return finish(kExitInterrupted + signal_number);
    }
    const script::Outcome outcome = session.Execute(statement, name);
    if (outcome == script::Outcome::kDataFileError) return finish(kExitDataFile);
    if (outcome == script::Outcome::kFailed) {
      ++failures;
      if (options.strict) return finish(kExitStrict);
    }
  }
  if (const int signal_number = host::HeadlessHost::InterruptingSignal()) {
    err << "kpa: interrupted; the outputs produced before are written\n";
    return finish(kExitInterrupted + signal_number);
  }
  const int written = finish(kExitDone);
  if (failures > 0) {
    err << "kpa: " << failures << (failures == 1 ? " statement" : " statements") << " of " << name
        << " failed\n";
    return kExitOther;
  }
  return written;
}

std::filesystem::path ExamplesFolder() {
  if (const char* given = std::getenv("KPA_EXAMPLES"); given != nullptr && *given != '\0')
    return given;
  return std::filesystem::path(KPA_SOURCE_DIR) / "examples";
}

int RunDemo(const std::filesystem::path& examples, const std::filesystem::path& out_folder,
            std::ostream& out, std::ostream& err) {
  RunOptions options;
  options.script = examples / "demo.kps";
  options.out_folder = out_folder;
  options.trace = true;
  const int code = RunScript(options, out, err);
  if (code == kExitDone)
    err << "kpa demo: the report is " << (out_folder / "report.html").string() << '\n';
  return code;
}

}  // namespace kpa::cli
