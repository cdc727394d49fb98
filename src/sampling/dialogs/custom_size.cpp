// The custom sample-size dialog.
#include "sampling/dialogs/custom_size.h"

#include <cmath>
#include <string>

#include "resources/dialog_templates.h"
#include "sampling/control_ids.h"
#include "sampling/outputs/plan_texts.h"
#include "sampling/strings.h"
#include "shell/analysis_support.h"
#include "shell/results/host_output.h"
#include "shell/steps.h"

namespace kpa::sampling {
namespace {

constexpr int kCustomSizeTemplate = 3127;

// Caption and field label as the template gives them.
std::pair<std::string, std::string> DialogTexts() {
  std::string caption = Text(strings::kCustomSizeCaption);
  std::string label = Text(strings::kCustomSizeFieldLabel);
  if (const auto* dialog = resources::FindDialogTemplate(kCustomSizeTemplate)) {
    caption = dialog->caption;
    for (const auto& control : dialog->controls)
      if (control.id == controls::kCustomSizeLabel) label = control.caption;
  }
  return {caption, label};
}

}  // namespace

std::optional<int> CheckCustomSize(double n) {
  if (!(n >= kMinCustomSize)) return strings::kCustomSizeBelowOne;
  if (n > kMaxCustomSize) return strings::kCustomSizeTooLarge;
  return std::nullopt;
}

std::optional<double> AskCustomSize(double current) {
  const auto [caption, label] = DialogTexts();
  for (int attempt = 0; attempt < kMaxCustomSizeTries; ++attempt) {
    const std::optional<double> answer = shell::CurrentHost().AskNumber(caption, label, current);
    if (!answer) return std::nullopt;
    if (const auto message = CheckCustomSize(*answer)) {
      shell::ShowMessage(Text(*message));
      continue;
    }
    return answer;
  }
  return std::nullopt;
}

}  // namespace kpa::sampling
