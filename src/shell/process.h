// The analysis object: one `CProcess` per open process analysis. It binds the module's step
// table, runs the chain of dialogs (the step driver), and is the analysis through which all
// numerical code reaches the host. Dialogs are created through a registry, so that each
// procedure brings its own dialogs while the shell knows only the chain.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resources/ids/shell_ids.h"
#include "shell/analysis_support.h"
#include "shell/dialogs/dialog.h"
#include "shell/settings/settings_block.h"
#include "shell/steps.h"

namespace kpa::shell {

inline constexpr int kAnalysisId = 3101;

// Makes the dialog of a template; the registry falls back to a plain frame.
using DialogMaker = std::function<DialogPtr(CProcess&, int template_number)>;

// The maker of a dialog class constructed from its process and template number.
template <typename DialogType>
DialogMaker MakerOf() {
  return [](CProcess& process, int template_number) -> DialogPtr {
    return std::make_shared<DialogType>(process, template_number);
  };
}

// What a procedure does at the moments of the analysis that concern all of them; the shell
// calls every procedure's hooks without knowing which procedures there are. Any may be
// left empty.
struct ProcedureHooks {
  // Step 100: the analysis starts, on the data file named.
  std::function<void(SettingsBlock&, const std::string& data_file)> on_init;
  // The startup dialog starts the choice of a procedure afresh.
  std::function<void(SettingsBlock&)> on_procedure_reset;
  // The startup dialog opened a new data file.
  std::function<void(SettingsBlock&)> on_new_data_file;
};

// The module's procedures as the shell sees them: the dialog of each template and the
// hooks of each procedure.
class DialogRegistry {
 public:
  void Register(int template_number, DialogMaker maker);
  DialogPtr Make(CProcess& process, int template_number) const;

  void AddHooks(ProcedureHooks hooks) { hooks_.push_back(std::move(hooks)); }
  void RunInitHooks(SettingsBlock& settings, const std::string& data_file) const;
  void RunProcedureResetHooks(SettingsBlock& settings) const;
  void RunNewDataFileHooks(SettingsBlock& settings) const;

 private:
  std::map<int, DialogMaker> makers_;
  std::vector<ProcedureHooks> hooks_;
};

// The registry of the shell alone: the startup dialog, every other step as a frame.
const DialogRegistry& ShellDialogs();

// Called after each transition of the chain: the step left, the step entered and the
// caption of the dialog it opened ("" for a step without dialog).
using TransitionObserver = std::function<void(int from, int to, const std::string& caption)>;

class CProcess : public CAnalysisSupport {
 public:
  CProcess(host::Host& host, const DialogRegistry& dialogs);
  ~CProcess() override;

  // Virtual operations the module overrides.
  virtual int InitializeAfterFileChanged();
  virtual void Initialize();
  virtual int GetAnalysisID() const { return kAnalysisId; }
  virtual std::string GetAnalysisName() const;

  // Starts the chain: step 100, which flows into the startup dialog.
  void Start();
  // Runs the step function of a step; follows on automatically where the table says so.
  void RunStep(Step step);

  // A dialog ends itself: remembered until the dialog's handler has returned.
  void ExitDialog(Step next, ExitMode mode, int control);
  bool ExitPending() const { return pending_exit_.has_value(); }
  // Carries out a pending exit: closes the dialog and runs the next step.
  void SettleExit();

  Step CurrentStep() const { return current_step_; }
  const DialogRegistry& Registry() const { return dialogs_; }
  bool Ended() const { return ended_; }
  const DialogPtr& CurrentDialog() const { return current_dialog_; }
  void SetTransitionObserver(TransitionObserver observer) { observer_ = std::move(observer); }

  // Step functions, one per dialog step. Each returns -1 when its dialog is open, 0 when
  // no dialog was made; `Init` returns 1.
  int Init();
  int StartAnalysis();
  int DefineSamplingDialog();
  int SamplingResultsDialog();
  int ProcessSetupDialog1();
  int ProcessSetupDialog2();
  int ProcessResultsDialog();
  int ProcessResultsDialog1();
  int ProcessResultsDialog2();
  int ProcessResultsDialog3();
  int GageDialog1();
  int GageDialog2();
  int GageDialog3();
  int GageResultsDialog1();
  int GageResultsDialog2();
  int WeibullandMoreDialog();
  int WeibullResultsDialog();
  int FishBonesDialog();

  // The step that a dialog's Annuler returns to.
  Step BackStepOf(Step step) const;

 private:
  int OpenDialog(int template_number, int first_tab = 0);
  int OpenGageDialog(int template_number, int first_tab);

  const DialogRegistry& dialogs_;
  Step current_step_ = Step::kEnd;
  Step last_gage_specification_step_ = Step::kGageDesign;
  DialogPtr current_dialog_;
  struct PendingExit {
    Step next;
    ExitMode mode;
    int control;
  };
  std::optional<PendingExit> pending_exit_;
  bool settling_ = false;
  bool ended_ = false;
  TransitionObserver observer_;
};

// The module's factory: a new analysis on the given host with the given dialogs.
std::unique_ptr<CProcess> NewAnalysis(host::Host& host, const DialogRegistry& dialogs);

}  // namespace kpa::shell
