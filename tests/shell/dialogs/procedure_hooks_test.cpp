// The shell calls every procedure's hooks at the start of the analysis, when the choice of
// a procedure starts afresh and when the startup dialog opens a new data file, without
// knowing which procedures there are.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/dialogs/startup_dialog.h"
#include "shell/process.h"
#include "shell/settings/settings_block.h"
#include "support/fake_host.h"

namespace kpa::shell {
namespace {

TEST(ProcedureHooks, EveryProcedureIsCalledAtEachMoment) {
  std::vector<std::string> calls;
  DialogRegistry registry = ShellDialogs();
  for (const std::string name : {"a", "b"})
    registry.AddHooks({
        .on_init = [&calls, name](
                       SettingsBlock&,
                       const std::string& file) { calls.push_back(name + " init " + file); },
        .on_procedure_reset = [&calls, name](SettingsBlock&) { calls.push_back(name + " reset"); },
        .on_new_data_file = [&calls, name](SettingsBlock&) { calls.push_back(name + " file"); },
    });
  registry.AddHooks({});  // a procedure with no hooks is passed over
  testing::FakeHost host;
  auto process = NewAnalysis(host, registry);
  process->Start();
  EXPECT_EQ(calls,
            (std::vector<std::string>{"a init fake.csv", "b init fake.csv", "a reset", "b reset"}));
  calls.clear();
  process->CurrentDialog()->Press(commands::kNewFileReset);
  EXPECT_EQ(calls, (std::vector<std::string>{"a file", "b file", "a reset", "b reset"}));
}

}  // namespace
}  // namespace kpa::shell
