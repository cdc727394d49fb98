// The cause-and-effect dialog (step 117): the variables drawn above and below the centre
// arrow, the arrows and fonts, the label switches; the summary button (also OK) checks the
// fields and draws; the defaults can be stored in the keyword store, read back from it, or
// set back to the system's own.
#pragma once

#include "shell/dialogs/dialog.h"
#include "shell/settings/cause_effect_settings.h"

namespace kpa::cause_effect {

class DiagramDialog : public shell::CAnalysisModelessDialog {
 public:
  DiagramDialog(shell::CProcess& process, int template_number);

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void OnControlChanged(int id) override;

 private:
  // The settings in the fields and the variable lists.
  void ShowSettings();
  void ShowVariableNames();
  // Reads the fields in order into the settings: a value outside its range is refused with
  // its message and the field shows the previous value again; the others are still read.
  void ReadFields();
  void Draw();
  void StoreDefaults();
  void RestoreDefaults();
  void SystemDefaults();
};

}  // namespace kpa::cause_effect
