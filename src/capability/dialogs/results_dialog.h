// The results dialogs of capability analysis: normal and general non-normal distributions
// with raw data (template 3184) and aggregated data (3121). Each request button validates
// the fields (validation.h), stores them in the current variable's run record and issues
// its request to the dispatcher (requests.h).
#pragma once

#include "capability/dialogs/validation.h"
#include "capability/requests.h"
#include "shell/dialogs/dialog.h"

namespace kpa::capability {

class ResultsDialogBase : public shell::CAnalysisModelessDialog {
 public:
  using CAnalysisModelessDialog::CAnalysisModelessDialog;

 protected:
  shell::CapabilityVariableRun& CurrentRun();
  // Request 0 for the current variable, then its fields and specification into the controls.
  bool LoadCurrentVariable();
  // Runs the validation chain; on success stores the fields, the specification and the
  // values the indices use. On failure shows the message and restores the field.
  bool ValidateAndStore();
  // Validates, stores, then issues the request; a request no computation serves yet says so.
  void Issue(CapabilityRequest request, OutputMode mode = OutputMode::kEmit,
             bool distribution_free = false);
  // Validates and stores the fields, then runs a summary of every variable.
  void IssueForAllVariables(RequestStatus (*summarize)(shell::Request&,
                                                       shell::CapabilitySettings&));
  void UpdateSpecificationEnabling();
  void HandleSharedChange(int id);

  virtual bool HasOptionFields() const = 0;
  // The user's mean and sigma fields (the named distributions' dialogs have parameters
  // instead).
  virtual bool HasUserMeanAndSigma() const { return true; }
  // Fields a dialog has beyond the shared ones: loaded after them, validated (with their
  // message) before them.
  virtual void LoadOwnFields(shell::CapabilityVariableRun& /*run*/) {}
  virtual bool ValidateOwnFields(shell::CapabilityVariableRun& /*run*/) { return true; }

 private:
  ResultsFieldValues ReadFields() const;
  void RestoreField(ResultsField field);
  shell::ProcessType ShownType() const;
};

class RawResultsDialog : public ResultsDialogBase {
 public:
  using ResultsDialogBase::ResultsDialogBase;
  // The current variable (its number), and making another analysis variable current; false
  // when it is not an analysis variable or its fields or data refuse the change.
  int CurrentVariable();
  bool SelectVariable(int variable);

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void OnControlChanged(int id) override;
  bool HasOptionFields() const override { return true; }
  void SwitchTo(std::size_t run);
  // The variable and specification-type lists and the axis radio group.
  void FillLists();
};

// The results dialogs of the named distributions: one parameter (template 3116, exponential
// and Rayleigh) and two parameters (3105), with the user's parameters beside the estimates.
class NamedResultsDialog : public RawResultsDialog {
 public:
  using RawResultsDialog::RawResultsDialog;

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void LoadOwnFields(shell::CapabilityVariableRun& run) override;
  bool HasUserMeanAndSigma() const override { return false; }
  bool ValidateOwnFields(shell::CapabilityVariableRun& run) override;

 private:
  bool HasSecondParameter() const;
};

class AggregatedResultsDialog : public ResultsDialogBase {
 public:
  using ResultsDialogBase::ResultsDialogBase;

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void OnControlChanged(int id) override;
  bool HasOptionFields() const override { return false; }
};

}  // namespace kpa::capability
