// The Weibull probability paper dialog (3170): the p lines, the time lines, the principal
// abscissa and optional failure times. Each press of the draw button checks every field (a
// refused value is answered with its message and gets its previous value back) and draws a
// new paper.
#pragma once

#include <optional>

#include "shell/dialogs/dialog.h"
#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

class PaperDialog : public shell::CAnalysisModelessDialog {
 public:
  using CAnalysisModelessDialog::CAnalysisModelessDialog;

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void OnControlChanged(int id) override;

 private:
  void ShowFields();
  void UpdateEnabling();
  // In their order: minimum, maximum and step of p, offset, maximum time, time step, the
  // variables and their codes.
  bool ValidateFields();
  bool ValidateVariables(shell::PaperSettings& paper);
  void Draw();
};

}  // namespace kpa::reliability
