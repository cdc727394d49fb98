// The gage specification dialogs behind one master tab: generating a design (3168), a study
// in a standard data file (3166) and a study in R&R data sheets (3164). Switching the tab
// switches the dialog; OK checks the fields and either opens the design results or reads the
// study and opens the analysis results.
#pragma once

#include "shell/dialogs/dialog.h"
#include "shell/settings/gage_settings.h"

namespace kpa::gage {

enum class SpecificationTab { kDesign = 0, kDataFile = 1, kDataSheet = 2 };

class SpecificationDialog : public shell::CAnalysisModelessDialog {
 public:
  SpecificationDialog(shell::CProcess& process, int template_number);

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void OnControlChanged(int id) override;

 private:
  bool HasCounts() const { return tab_ != SpecificationTab::kDataFile; }
  // Checks operators, parts and trials in that order; the first out of range is answered
  // with its message and gets its last valid value back. The valid counts are kept.
  bool ValidateCounts();
  void ShowCounts();
  void ShowSelection();
  void UpdateStatus();
  bool DataFileVariablesGiven() const;
  bool DataFileCodesGiven() const;
  void StoreDataFileSelection();
  void SwitchTab(std::int64_t tab);
  void RunOk();
  void Refuse(int message);

  SpecificationTab tab_;
};

}  // namespace kpa::gage
