// The dialog chain: the step table, the startup dialog's commands and the frames of the
// procedures, driven as a person would (pressing buttons, choosing rows).
#include <gtest/gtest.h>

#include "resources/string_table.h"
#include "shell/dialogs/startup_dialog.h"
#include "shell/process.h"
#include "shell/settings/settings_block.h"
#include "support/fake_host.h"

namespace kpa::shell {
namespace {

class StepChainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const int number : {12725, 14197, 30001, 128, 130, 292, 399, 413, 414, 418})
      host_.strings[number] = std::string(resources::ResourceText(number));
    process_.Initialize();
    process_.SetTransitionObserver([this](int from, int to, const std::string& caption) {
      transitions_.push_back(std::to_string(from) + "->" + std::to_string(to) + " " + caption);
    });
    process_.Start();
  }

  CAnalysisModelessDialog& Dialog() { return *process_.CurrentDialog(); }
  int Template() { return process_.CurrentDialog() ? Dialog().TemplateNumber() : 0; }
  void Choose(int row) { Dialog().SetValue(controls::kStartupList, std::int64_t{row}); }

  testing::FakeHost host_;
  CProcess process_{host_, ShellDialogs()};
  std::vector<std::string> transitions_;
};

TEST_F(StepChainTest, IdentityHoldsBeforeAndAfterInit) {
  EXPECT_EQ(process_.GetAnalysisID(), 3101);
  EXPECT_EQ(process_.GetAnalysisName(), "Techniques d'Analyse de Processus");
  EXPECT_EQ(process_.InitializeAfterFileChanged(), 1);
  EXPECT_EQ(process_.GetAnalysisID(), 3101);
  EXPECT_EQ(process_.GetAnalysisName(), "Techniques d'Analyse de Processus");
}

TEST_F(StepChainTest, InitFlowsIntoTheStartupDialogWithRowZeroSelected) {
  EXPECT_EQ(process_.CurrentStep(), Step::kStartup);
  EXPECT_EQ(Template(), 3152);
  EXPECT_EQ(Dialog().Caption(), "Procédures d'Analyse de Processus ");
  EXPECT_EQ(Dialog().FindControl(controls::kStartupList)->IntValue(), 0);
  ASSERT_EQ(Dialog().FindControl(controls::kStartupList)->items.size(), 10u);
  EXPECT_EQ(Dialog().FindControl(controls::kStartupList)->items[7],
            "Plans d'échantillonnage (moy., proportions, fréq. de Poisson)");
  EXPECT_EQ(Dialog().StatusText(), "Sélectionnez l'analyse ; pour l'Aide, pressez F1");
  ASSERT_EQ(transitions_.size(), 1u);
  EXPECT_EQ(transitions_[0], "100->101 Procédures d'Analyse de Processus ");
}

TEST_F(StepChainTest, EachRowStartsItsProcedure) {
  struct Row {
    int row;
    Step step;
    int template_number;
    ProcedureCode code;
  };
  const Row rows[] = {
      {0, Step::kCapabilityRawSetup, 3157, ProcedureCode::kCapabilityRaw},
      {1, Step::kCapabilityAggregatedSetup, 3161, ProcedureCode::kCapabilityAggregated},
      {3, Step::kGageDesign, 3168, ProcedureCode::kGage},
      {4, Step::kWeibullSetup, 3174, ProcedureCode::kWeibull},
      {5, Step::kWeibullSetup, 3170, ProcedureCode::kWeibull},
      {7, Step::kSamplingSpecification, 3154, ProcedureCode::kSamplingPlans},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.row);
    Choose(row.row);
    Dialog().Press(controls::kOk);
    EXPECT_EQ(process_.CurrentStep(), row.step);
    EXPECT_EQ(Template(), row.template_number);
    EXPECT_EQ(Settings().shell.procedure, row.code);
    EXPECT_FALSE(host_.startup_menus);
    Dialog().Press(controls::kCancel);  // back to the startup dialog, same row selected
    EXPECT_EQ(process_.CurrentStep(), Step::kStartup);
    EXPECT_EQ(Dialog().FindControl(controls::kStartupList)->IntValue(), row.row);
  }
}

TEST_F(StepChainTest, SeparatorRowsNeitherKeepTheSelectionNorStartAnything) {
  Choose(3);
  for (const int separator : {2, 6, 8}) {
    SCOPED_TRACE(separator);
    Choose(separator);
    EXPECT_EQ(Dialog().FindControl(controls::kStartupList)->IntValue(), 3);
  }
  // Even forced onto a separator, OK dispatches nothing and the dialog stays.
  EXPECT_TRUE(IsSeparatorRow(2));
  EXPECT_TRUE(IsSeparatorRow(10));
  EXPECT_FALSE(IsSeparatorRow(9));
}

TEST_F(StepChainTest, DoubleClickActsAsOk) {
  Choose(7);
  Dialog().Press(controls::kStartupList, kNotifyDoubleClick);
  EXPECT_EQ(Template(), 3154);
}

TEST_F(StepChainTest, CauseAndEffectKeepsTheProcedureCode) {
  Choose(7);
  Dialog().Press(controls::kOk);  // sampling: code 1
  Dialog().Press(controls::kCancel);
  Choose(0);
  Dialog().Press(controls::kOk);  // capability: code 2
  Dialog().Press(controls::kCancel);
  Choose(9);
  Dialog().Press(controls::kOk);
  EXPECT_EQ(Template(), 3200);
  EXPECT_EQ(Settings().shell.procedure, ProcedureCode::kCapabilityRaw);
  EXPECT_EQ(Settings().shell.current_entry, 418);
}

TEST_F(StepChainTest, WeibullModeRules) {
  Choose(5);  // probability paper sets mode 2
  Dialog().Press(controls::kOk);
  EXPECT_EQ(Settings().weibull.mode, WeibullMode::kProbabilityPaper);
  Dialog().Press(controls::kCancel);
  Choose(4);  // the analysis turns mode 2 into 0
  Dialog().Press(controls::kOk);
  EXPECT_EQ(Settings().weibull.mode, WeibullMode::kRawData);
  EXPECT_EQ(Template(), 3174);
  Dialog().Press(controls::kCancel);
  Settings().weibull.mode = WeibullMode::kGroupedData;  // mode 1 stays
  Choose(4);
  Dialog().Press(controls::kOk);
  EXPECT_EQ(Settings().weibull.mode, WeibullMode::kGroupedData);
  EXPECT_EQ(Template(), 3176);
}

TEST_F(StepChainTest, CommandWithoutRowStartsCapabilityInTheLastInputMode) {
  Choose(1);
  Dialog().Press(controls::kOk);  // aggregated: input mode 2
  Dialog().Press(controls::kCancel);
  Choose(7);
  Dialog().Press(commands::kStartCapability);
  EXPECT_EQ(Template(), 3161);
  EXPECT_EQ(Settings().shell.procedure, ProcedureCode::kCapabilityRaw);
  EXPECT_EQ(Settings().shell.current_entry, 414);  // command 129 records no entry
}

TEST_F(StepChainTest, PendingAutoStartPostsCommand129WhenTheDialogOpens) {
  Choose(7);
  Dialog().Press(controls::kOk);
  Settings().shell.pending_auto_start = true;
  Dialog().Press(controls::kCancel);  // back to 101, which starts capability by itself
  EXPECT_EQ(Template(), 3157);
  EXPECT_FALSE(Settings().shell.pending_auto_start);
}

TEST_F(StepChainTest, GageCommandFollowsModeAndSource) {
  struct Case {
    GageMode mode;
    GageSource source;
    int template_number;
  };
  const Case cases[] = {{GageMode::kGenerateDesign, GageSource::kDataSheet, 3168},
                        {GageMode::kAnalyzeStudy, GageSource::kDataFile, 3166},
                        {GageMode::kAnalyzeStudy, GageSource::kDataSheet, 3164}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.template_number);
    Settings().gage.mode = c.mode;
    Settings().gage.source = c.source;
    Choose(3);
    Dialog().Press(controls::kOk);
    EXPECT_EQ(Template(), c.template_number);
    Dialog().Press(controls::kCancel);
  }
  Settings().gage.mode = static_cast<GageMode>(7);  // neither mode: the dialog stays
  Choose(3);
  Dialog().Press(controls::kOk);
  EXPECT_EQ(Template(), 3152);
}

TEST_F(StepChainTest, BinomialSamplingOpensTheBinomialResultsTemplate) {
  for (const auto& [distribution, expected] :
       {std::pair{SamplingDistribution::kNormalMeans, 3178},
        std::pair{SamplingDistribution::kBinomialProportions, 3181},
        std::pair{SamplingDistribution::kPoissonFrequencies, 3178}}) {
    Settings().sampling.distribution = distribution;
    process_.RunStep(Step::kSamplingResults);
    EXPECT_EQ(Template(), expected);
    Dialog().Press(controls::kCancel);
    EXPECT_EQ(process_.CurrentStep(), Step::kSamplingSpecification);
  }
}

TEST_F(StepChainTest, CancelledFileOpenChangesNothing) {
  Settings().weibull.mode = WeibullMode::kGroupedData;
  Module().saved_result_states.push_back(Settings());
  const SettingsBlock before = Settings();
  Dialog().Press(controls::kOpenDataFile);  // the fake host's file dialog is cancelled
  EXPECT_EQ(Settings().weibull.mode, before.weibull.mode);
  EXPECT_EQ(Module().saved_result_states.size(), 1u);
  Dialog().Press(commands::kNewFileReset);  // the reset itself clears them
  EXPECT_EQ(Settings().weibull.mode, WeibullMode::kRawData);
  EXPECT_TRUE(Module().saved_result_states.empty());
}

TEST_F(StepChainTest, CancelEndsTheAnalysis) {
  Dialog().Press(controls::kCancel);
  EXPECT_TRUE(process_.Ended());
  EXPECT_EQ(process_.CurrentDialog(), nullptr);
  EXPECT_EQ(transitions_.back(), "101->0 ");
}

TEST_F(StepChainTest, FrameOfAProcedureNotBuiltSaysSoAndStaysOpen) {
  Choose(9);
  Dialog().Press(controls::kOk);
  Dialog().Press(controls::kOk);
  EXPECT_EQ(Template(), 3200);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], "Cette procédure n'est pas encore disponible dans cette version.");
}

TEST_F(StepChainTest, ADialogClosedByTheChainIgnoresLaterActions) {
  auto startup = process_.CurrentDialog();
  Choose(7);
  startup->Press(controls::kOk);
  EXPECT_TRUE(startup->IsClosed());
  startup->Press(controls::kCancel);  // a stale handle: nothing happens
  EXPECT_EQ(Template(), 3154);
}

}  // namespace
}  // namespace kpa::shell
