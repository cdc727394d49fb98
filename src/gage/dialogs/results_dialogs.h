// The two gage results dialogs: the design results (3189: show or save the design in the
// standard layout, in standard or randomised order, or as an R&R data sheet) and the
// analysis results (3192: every table and chart of an analysed study, with its options).
#pragma once

#include <optional>
#include <string>

#include "gage/requests.h"
#include "shell/dialogs/dialog.h"

namespace kpa::gage {

// What both results dialogs do with a press: one request run, its status kept.
class GageResultsDialog : public shell::CAnalysisModelessDialog {
 public:
  using CAnalysisModelessDialog::CAnalysisModelessDialog;

 protected:
  void Issue(GageRequest code, std::optional<std::string> save_name = std::nullopt);
};

class DesignResultsDialog : public GageResultsDialog {
 public:
  using GageResultsDialog::GageResultsDialog;

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void OnControlChanged(int id) override;
};

class AnalysisResultsDialog : public GageResultsDialog {
 public:
  using GageResultsDialog::GageResultsDialog;

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void OnControlChanged(int id) override;

 private:
  void UpdateEnabling();
  // The confidence level (0.8 to 0.999) and the options (tolerance above 0 and at most
  // 9999999, sigma intervals above 0 and at most 10); a refused value is answered with its
  // message and gets its last valid value back, and the request is not run.
  bool ValidateConfidence();
  bool ValidateOptions();
};

}  // namespace kpa::gage
