#include "shell/dialogs/frame_dialog.h"

#include "shell/process.h"

namespace kpa::shell {

FrameDialog::FrameDialog(CProcess& process, int template_number)
    : CAnalysisModelessDialog(process, template_number), step_(process.CurrentStep()) {}

void FrameDialog::OnCommand(int id, int /*notification*/) {
  if (id == controls::kOk) {
    Host().ShowMessage(Host().ResourceString(kProcedureNotAvailableString));
  } else if (id == controls::kCancel) {
    ExitDialog(Process().BackStepOf(step_), ExitMode::kBack);
  }
}

}  // namespace kpa::shell
