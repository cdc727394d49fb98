// The sampling specification dialog (step 102): distribution, test criterion, the risks
// alpha and beta, H0, H1 and sigma; OK checks the entries in order, prints the specification
// when the host prints automatically, computes the plan and moves on to the results.
#pragma once

#include <cstdint>

#include "shell/dialogs/dialog.h"

namespace kpa::sampling {

class SpecificationDialog : public shell::CAnalysisModelessDialog {
 public:
  SpecificationDialog(shell::CProcess& process, int template_number);

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void OnControlChanged(int id) override;

 private:
  void FillList(int id, int first_string, int count, std::int64_t selected);
  // Shows the settings in the fields: the selected distribution's own H0, H1 and sigma.
  void ShowFields();
  // Reads and checks the entries in order, storing each as it passes. False at the first
  // refusal (its message shown, unless the entry was not a number).
  bool ReadEntries();
  void Accept();
};

}  // namespace kpa::sampling
