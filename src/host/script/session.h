// One headless session: the substitute host, the module's analysis on it, and the execution
// of script statements against whichever dialog is open. Scripts and the interactive shell
// both go through `Execute`, and so through the same dialog code as a person.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>

#include "automation/dialog_automation.h"
#include "automation/variant.h"
#include "host/impl/headless_host.h"
#include "host/script/script.h"
#include "shell/process.h"

namespace kpa::script {

enum class Outcome {
  kOk,
  kFailed,         // the member call failed; the script may go on
  kDataFileError,  // a data file could not be read
};

struct SessionOptions {
  host::HeadlessOptions host;
  bool trace = false;                 // print each dialog transition to `host.err`
  std::filesystem::path base_folder;  // relative paths in statements start here
};

class Session {
 public:
  explicit Session(SessionOptions options);
  ~Session();

  host::HeadlessHost& Host() { return host_; }
  shell::CProcess& Process() { return *process_; }
  // Starts the analysis: the chain runs into the startup dialog.
  void Start();
  // Executes one statement; errors are written to the error stream with their position.
  Outcome Execute(const Statement& statement, const std::string& file);
  // The interface name of the open dialog ("" when none is open).
  std::string OpenInterfaceName() const;

 private:
  Outcome ExecuteHost(const Statement& statement, const std::string& file);
  // `Dialog.Press(N)`: the button N of the open dialog, for buttons no member names.
  Outcome PressControl(automation::DialogAutomation& automation, const Statement& statement,
                       const std::string& file);
  Outcome SwitchDialog(automation::DialogAutomation& automation, const Statement& statement,
                       const std::string& file);
  Outcome Fail(const Statement& statement, const std::string& file, const std::string& message,
               Position where);
  bool ToVariant(const Value& value, automation::Variant& out, std::string& error) const;
  std::string Resolve(const std::string& path) const;

  SessionOptions options_;
  host::HeadlessHost host_;
  std::unique_ptr<shell::CProcess> process_;
};

}  // namespace kpa::script
