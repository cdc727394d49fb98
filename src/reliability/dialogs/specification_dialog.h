// The Weibull specification dialogs behind one master tab: raw failure times (3174) and
// grouped data (3176). Switching the tab switches the dialog; OK checks the fields, reads
// the data, runs the initial estimation and opens the matching results dialog.
#pragma once

#include <optional>

#include "shell/dialogs/dialog.h"
#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

class SpecificationDialog : public shell::CAnalysisModelessDialog {
 public:
  SpecificationDialog(shell::CProcess& process, int template_number);

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void OnControlChanged(int id) override;

 private:
  bool Raw() const { return !grouped_; }
  void UpdateEnabling();
  void StoreControls();
  bool CheckRawFields();
  bool CheckGroupedFields();
  void RunOk();

  bool grouped_;
};

}  // namespace kpa::reliability
