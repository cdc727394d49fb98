// The frame of a step whose procedure has no dialog of its own yet: caption, template and
// step are real, so the chain can be walked; OK says the procedure is not available and
// Annuler goes back as the finished dialog will.
#pragma once

#include "resources/ids/shell_ids.h"
#include "shell/dialogs/dialog.h"

namespace kpa::shell {

class FrameDialog : public CAnalysisModelessDialog {
 public:
  FrameDialog(CProcess& process, int template_number);

 protected:
  void OnCommand(int id, int notification) override;

 private:
  Step step_;
};

}  // namespace kpa::shell
