#include "shell/process.h"

#include <array>
#include <utility>

#include "shell/dialogs/frame_dialog.h"
#include "shell/dialogs/startup_dialog.h"
#include "shell/settings/settings_block.h"

namespace kpa::shell {
namespace {

// The step table: each step, the member function that carries it out and the step that
// follows automatically (kEnd: none; the chain waits for the dialog to name the next step).
struct StepEntry {
  Step step;
  int (CProcess::*function)();
  Step follows;
};

constexpr std::array<StepEntry, 18> kStepTable = {{
    {Step::kInit, &CProcess::Init, Step::kStartup},
    {Step::kStartup, &CProcess::StartAnalysis, Step::kEnd},
    {Step::kSamplingSpecification, &CProcess::DefineSamplingDialog, Step::kEnd},
    {Step::kSamplingResults, &CProcess::SamplingResultsDialog, Step::kEnd},
    {Step::kCapabilityRawSetup, &CProcess::ProcessSetupDialog1, Step::kEnd},
    {Step::kCapabilityAggregatedSetup, &CProcess::ProcessSetupDialog2, Step::kEnd},
    {Step::kCapabilityResults, &CProcess::ProcessResultsDialog, Step::kEnd},
    {Step::kCapabilityResultsOneParameter, &CProcess::ProcessResultsDialog1, Step::kEnd},
    {Step::kCapabilityResultsTwoParameters, &CProcess::ProcessResultsDialog2, Step::kEnd},
    {Step::kCapabilityAggregatedResults, &CProcess::ProcessResultsDialog3, Step::kEnd},
    {Step::kGageDesign, &CProcess::GageDialog1, Step::kEnd},
    {Step::kGageAnalyzeDataFile, &CProcess::GageDialog2, Step::kEnd},
    {Step::kGageAnalyzeDataSheet, &CProcess::GageDialog3, Step::kEnd},
    {Step::kGageDesignResults, &CProcess::GageResultsDialog1, Step::kEnd},
    {Step::kGageAnalysisResults, &CProcess::GageResultsDialog2, Step::kEnd},
    {Step::kWeibullSetup, &CProcess::WeibullandMoreDialog, Step::kEnd},
    {Step::kWeibullResults, &CProcess::WeibullResultsDialog, Step::kEnd},
    {Step::kCauseEffect, &CProcess::FishBonesDialog, Step::kEnd},
}};

constexpr int kDialogOpen = -1;
constexpr int kNoDialog = 0;

}  // namespace

void DialogRegistry::Register(int template_number, DialogMaker maker) {
  makers_[template_number] = std::move(maker);
}

DialogPtr DialogRegistry::Make(CProcess& process, int template_number) const {
  const auto it = makers_.find(template_number);
  if (it != makers_.end()) return it->second(process, template_number);
  return std::make_shared<FrameDialog>(process, template_number);
}

void DialogRegistry::RunInitHooks(SettingsBlock& settings, const std::string& data_file) const {
  for (const ProcedureHooks& hooks : hooks_)
    if (hooks.on_init) hooks.on_init(settings, data_file);
}

void DialogRegistry::RunProcedureResetHooks(SettingsBlock& settings) const {
  for (const ProcedureHooks& hooks : hooks_)
    if (hooks.on_procedure_reset) hooks.on_procedure_reset(settings);
}

void DialogRegistry::RunNewDataFileHooks(SettingsBlock& settings) const {
  for (const ProcedureHooks& hooks : hooks_)
    if (hooks.on_new_data_file) hooks.on_new_data_file(settings);
}

CProcess::CProcess(host::Host& host, const DialogRegistry& dialogs)
    : CAnalysisSupport(host), dialogs_(dialogs) {}

CProcess::~CProcess() {
  if (current_dialog_) current_dialog_->MarkClosed();
}

int CProcess::InitializeAfterFileChanged() { return Init(); }

void CProcess::Initialize() { Settings() = SettingsBlock{}; }

std::string CProcess::GetAnalysisName() const { return Host().ResourceString(kAnalysisNameString); }

std::unique_ptr<CProcess> NewAnalysis(host::Host& host, const DialogRegistry& dialogs) {
  return std::make_unique<CProcess>(host, dialogs);
}

void CProcess::Start() {
  ended_ = false;
  current_step_ = Step::kInit;
  RunStep(Step::kInit);
}

void CProcess::RunStep(Step step) {
  const Step from = current_step_;
  current_step_ = step;
  if (step == Step::kEnd) {
    ended_ = true;
    if (observer_) observer_(static_cast<int>(from), 0, "");
    return;
  }
  for (const auto& entry : kStepTable) {
    if (entry.step != step) continue;
    const int result = (this->*entry.function)();
    if (result != kDialogOpen && entry.follows != Step::kEnd) {
      RunStep(entry.follows);
      return;
    }
    if (observer_ && step != Step::kInit)
      observer_(static_cast<int>(from), static_cast<int>(step),
                current_dialog_ ? current_dialog_->Caption() : "");
    SettleExit();
    return;
  }
}

void CProcess::ExitDialog(Step next, ExitMode mode, int control) {
  pending_exit_ = PendingExit{next, mode, control};
}

void CProcess::SettleExit() {
  if (settling_) return;
  settling_ = true;
  while (pending_exit_) {
    const PendingExit exit = *pending_exit_;
    pending_exit_.reset();
    if (current_dialog_) {
      current_dialog_->MarkClosed();
      current_dialog_.reset();
    }
    RunStep(exit.next);
    if (exit.mode == ExitMode::kSwitchSibling && current_dialog_)
      current_dialog_->SetFocusControl(exit.control);
  }
  settling_ = false;
}

int CProcess::OpenDialog(int template_number, int first_tab) {
  DialogPtr dialog = dialogs_.Make(*this, template_number);
  if (!dialog) return kNoDialog;
  if (first_tab != 0) dialog->SetFirstTab(first_tab);
  current_dialog_ = dialog;
  CEnterAnalysisContext enter(*this);
  if (!dialog->CreateAnalysisDialog()) {
    current_dialog_.reset();
    return kNoDialog;
  }
  return kDialogOpen;
}

int CProcess::Init() {
  dialogs_.RunInitHooks(Settings(), Host().DataFileName());
  return 1;
}

int CProcess::StartAnalysis() { return OpenDialog(templates::kStartup); }

int CProcess::DefineSamplingDialog() { return OpenDialog(templates::kSamplingSpecification); }

int CProcess::SamplingResultsDialog() {
  const bool binomial =
      Settings().sampling.distribution == SamplingDistribution::kBinomialProportions;
  return OpenDialog(binomial ? templates::kSamplingResultsBinomial : templates::kSamplingResults);
}

int CProcess::ProcessSetupDialog1() { return OpenDialog(templates::kCapabilityRawSetup); }
int CProcess::ProcessSetupDialog2() { return OpenDialog(templates::kCapabilityAggregatedSetup); }
int CProcess::ProcessResultsDialog() { return OpenDialog(templates::kCapabilityResults); }
int CProcess::ProcessResultsDialog1() {
  return OpenDialog(templates::kCapabilityResultsOneParameter);
}
int CProcess::ProcessResultsDialog2() {
  return OpenDialog(templates::kCapabilityResultsTwoParameters);
}
int CProcess::ProcessResultsDialog3() {
  return OpenDialog(templates::kCapabilityAggregatedResults);
}

// The gage steps open on the master tab the gage dialogs last asked for.
int CProcess::OpenGageDialog(int template_number, int first_tab) {
  last_gage_specification_step_ = current_step_;
  switch (Settings().gage.master_tab) {
    case 1:
      first_tab = templates::kGageAnalyzeDataFileFirstTab;
      break;
    case 2:
      first_tab = templates::kGageAnalyzeDataSheetFirstTab;
      break;
    default:
      break;
  }
  return OpenDialog(template_number, first_tab);
}

int CProcess::GageDialog1() {
  return OpenGageDialog(templates::kGageDesign, templates::kGageDesignFirstTab);
}
int CProcess::GageDialog2() {
  return OpenGageDialog(templates::kGageAnalyzeDataFile, templates::kGageAnalyzeDataFileFirstTab);
}
int CProcess::GageDialog3() {
  return OpenGageDialog(templates::kGageAnalyzeDataSheet, templates::kGageAnalyzeDataSheetFirstTab);
}
int CProcess::GageResultsDialog1() { return OpenDialog(templates::kGageDesignResults); }
int CProcess::GageResultsDialog2() { return OpenDialog(templates::kGageAnalysisResults); }

int CProcess::WeibullandMoreDialog() {
  switch (Settings().weibull.mode) {
    case WeibullMode::kRawData:
      return OpenDialog(templates::kWeibullRawSetup, templates::kWeibullRawSetupTab);
    case WeibullMode::kGroupedData:
      return OpenDialog(templates::kWeibullGroupedSetup, templates::kWeibullGroupedSetupTab);
    case WeibullMode::kProbabilityPaper:
      return OpenDialog(templates::kWeibullPaper);
  }
  return kDialogOpen;  // an unknown mode opens nothing, as the host expects of this step
}

int CProcess::WeibullResultsDialog() {
  const auto& weibull = Settings().weibull;
  const bool grouped = weibull.mode == WeibullMode::kGroupedData && weibull.grouped_flag == 0;
  return OpenDialog(grouped ? templates::kWeibullResultsGrouped : templates::kWeibullResultsRaw);
}

int CProcess::FishBonesDialog() { return OpenDialog(templates::kCauseEffect); }

Step CProcess::BackStepOf(Step step) const {
  switch (step) {
    case Step::kSamplingResults:
      return Step::kSamplingSpecification;
    case Step::kGageDesignResults:
    case Step::kGageAnalysisResults:
      return last_gage_specification_step_;
    case Step::kCapabilityResults:
    case Step::kCapabilityResultsOneParameter:
    case Step::kCapabilityResultsTwoParameters:
      return Step::kCapabilityRawSetup;
    case Step::kCapabilityAggregatedResults:
      return Step::kCapabilityAggregatedSetup;
    case Step::kWeibullResults:
      return Step::kWeibullSetup;
    case Step::kStartup:
      return Step::kEnd;
    default:
      return Step::kStartup;
  }
}

const DialogRegistry& ShellDialogs() {
  static const DialogRegistry registry = [] {
    DialogRegistry made;
    made.Register(templates::kStartup, [](CProcess& process, int number) -> DialogPtr {
      return std::make_shared<StartupDialog>(process, number);
    });
    return made;
  }();
  return registry;
}

ModuleState& Module() {
  static ModuleState state;
  return state;
}

}  // namespace kpa::shell
