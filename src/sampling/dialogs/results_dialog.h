// The sampling results dialog (step 106), one class for both templates: 3178 (normal means,
// Poisson frequencies) and 3181 (binomial proportions, with the accept and reject codes of
// the observed items). The fixed-plan tab gives the summary, the sample size (computed, or
// custom through the modal dialog) and the OC curves; the sequential tab the equivalent
// sequential plan as a chart or a table, optionally with a variable's observed samples.
#pragma once

#include <optional>
#include <string>

#include "sampling/requests.h"
#include "shell/dialogs/dialog.h"

namespace kpa::sampling {

inline constexpr double kLargestCode = 32000.0;

class ResultsDialog : public shell::CAnalysisModelessDialog {
 public:
  ResultsDialog(shell::CProcess& process, int template_number);

  bool Binomial() const;
  // The sample size of the plan in force: the custom N in custom mode, else the computed N.
  double SampleSize() const;
  // Makes `n` the custom size, as OK in the modal dialog does; the string number of the
  // message refusing it, or nothing.
  std::optional<int> SetSampleSize(double n);
  // The code written in field 146 or 147, as a number or a value label of the data
  // variable (trimmed, without regard to case); nothing when it is neither.
  std::optional<double> ResolveCode(int field) const;

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void OnControlChanged(int id) override;

 private:
  void Run(SamplingRequest code);
  void ShowDescription();
  void ShowSampleSize();
  void ShowDataVariable();
  void ShowCodes();
  void ToggleCustomSize();
  // The codes (binomial data only) and the number of samples; a refusal fails the press.
  bool ReadSequentialFields();
  bool ReadNumberOfSamples();
  bool CheckCodes();
  void SelectDataVariable(int variable);
  void DeselectDataVariable();
  void UseDataLength();
  void ProposeCodes();
};

}  // namespace kpa::sampling
