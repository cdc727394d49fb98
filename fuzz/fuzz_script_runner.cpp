// Scripts played against the dialogs as a person would press and type: the input is a
// script (the corpus starts from the shipped examples and test scripts), run on a small
// data file, its first statements only. Statements that would reach outside the run (open
// another file, write an output folder, save a design as a new data file) are skipped; everything
// else runs, so that random member writes and button presses meet every dialog the chain opens.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "host/script/script.h"
#include "host/script/session.h"

namespace {

constexpr std::size_t kMaxStatements = 64;

bool ReachesOutside(const kpa::script::Statement& statement) {
  for (const char* member : {"SaveDesign", "SaveDesignAsRAndRDataSheet", "ResultsSaveFileName"})
    if (kpa::script::SameWord(statement.member, member)) return true;
  // The save buttons of the design results dialog, pressed by number.
  if (kpa::script::SameWord(statement.object, "Dialog"))
    return statement.text.find("197") != std::string::npos ||
           statement.text.find("274") != std::string::npos;
  if (!kpa::script::SameWord(statement.object, "Host")) return false;
  for (const char* member : {"OpenDataFile", "OutputFolder", "QueueFileName"})
    if (kpa::script::SameWord(statement.member, member)) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kpa::script::Script script;
  try {
    script = kpa::script::ParseScript(std::string(reinterpret_cast<const char*>(data), size),
                                      "fuzz.kps");
  } catch (const kpa::script::ScriptSyntaxError&) {
    return 0;
  }
  std::ostringstream out;
  std::ostringstream err;
  kpa::script::SessionOptions options;
  options.host.out = &out;
  options.host.err = &err;
  options.host.scripted = true;
  kpa::script::Session session(options);
  try {
    session.Host().OpenDataFile(KPA_FUZZ_DATA);
  } catch (const std::exception&) {
    return 0;
  }
  session.Start();
  std::size_t run = 0;
  for (const auto& statement : script.statements) {
    if (ReachesOutside(statement)) continue;
    if (++run > kMaxStatements) break;
    session.Execute(statement, script.file);
  }
  return 0;
}
