// The setup dialogs of capability analysis: raw data (template 3157) and aggregated data
// (3161). Both keep the per-variable specifications, edited in the specification grid or
// written as text by scripts, and on OK validate the setup, read the data and open the
// results dialog.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "shell/dialogs/dialog.h"
#include "shell/settings/capability_settings.h"

namespace kpa::capability {

// What writing the specification text did.
struct SpecWriteResult {
  enum class Outcome { kDone, kRefused, kSyntaxError, kIncomplete } outcome = Outcome::kDone;
  std::string message;  // the module's message (refused) or what is wrong (syntax)
};

class SetupDialogBase : public shell::CAnalysisModelessDialog {
 public:
  using CAnalysisModelessDialog::CAnalysisModelessDialog;

  // The variables whose specifications the dialog edits, in list order.
  virtual std::vector<int> SpecificationVariables() const = 0;
  std::string SpecificationsText() const;
  SpecWriteResult WriteSpecificationsText(const std::string& text);

 protected:
  // OK, Annuler and the specification grid, the same in both dialogs.
  void OnCommand(int id, int notification) override;
  // Stores the fields and opens the other setup, as the startup entry of that input form
  // would, with the focus on the tab control.
  bool OnSwitchToSibling() override;
  // Copies the dialog's fields into the settings block.
  virtual void StoreControls() = 0;
  // Validates the setup, reads the data and opens the results dialog.
  virtual void RunOk() = 0;

  // The specification grid: one row per variable (Nominal, Delta, LSI, LSS), each cell
  // asked through the host's number dialog (an empty cell opens with the missing marker); a
  // cancelled cell, or one answered with the missing marker, stays empty. Rows are parsed in
  // order and the first bad row stops with message 12722. True when every row was accepted.
  bool EditSpecifications();
  // Whether every variable has a complete specification; otherwise the editor opens for a
  // person, and a script is answered "Spécifications du processus incorrectes.".
  bool SpecificationsComplete(std::span<const int> variables);
  void RefreshSpecificationDisplay();
  void SetRadio(int id);
  int CheckedRadio(std::initializer_list<int> ids) const;
  void InitRadioGroup(std::initializer_list<int> ids, int group);
  shell::SigmaMethod SigmaMethodFromRadios() const;
  void ShowSigmaMethod(shell::SigmaMethod method);
};

class RawSetupDialog : public SetupDialogBase {
 public:
  using SetupDialogBase::SetupDialogBase;
  std::vector<int> SpecificationVariables() const override;

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void OnControlChanged(int id) override;

 private:
  void UpdateEnabling();
  void StoreControls() override;
  void RunOk() override;
  // The comparison table of every distribution for each selected variable.
  void ShowFitOfAllDistributions();
};

class AggregatedSetupDialog : public SetupDialogBase {
 public:
  using SetupDialogBase::SetupDialogBase;
  std::vector<int> SpecificationVariables() const override;

 protected:
  void OnInitDialog() override;
  void OnControlChanged(int id) override;

 private:
  void StoreControls() override;
  void RunOk() override;
};

}  // namespace kpa::capability
