// The two Weibull results dialogs: raw data (3196) and grouped data (3112). Both show the
// data summary and the current parameters; a press checks the entry fields first (a refused
// value is answered with its message and gets its last valid value back), then runs one
// estimation or one request.
#pragma once

#include "reliability/requests.h"
#include "shell/dialogs/dialog.h"

namespace kpa::reliability {

class WeibullResultsDialog : public shell::CAnalysisModelessDialog {
 public:
  using CAnalysisModelessDialog::CAnalysisModelessDialog;

  // List mode: makes `variable` the analysed one and refits; false when it is not one of
  // the time variables or cannot be analysed (the previous one then stays).
  bool SelectVariable(int variable);

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void OnControlChanged(int id) override;

 private:
  bool Grouped() const { return TemplateNumber() == shell::templates::kWeibullResultsGrouped; }
  void ShowSummary();
  void ShowParameters();
  void UpdateEnabling();
  shell::WeibullMethod ChosenMethod() const;
  // Iterations, criterion, location, shape, scale and confidence level in that order.
  bool ValidateEntries();
  bool ValidatePlotRange();
  bool ValidateProfileRange();
  void StoreOptions();
  void Estimate(shell::WeibullMethod method);
  void Issue(WeibullRequest code);
  void SwitchVariable(std::size_t index);
};

}  // namespace kpa::reliability
