// The custom sample-size dialog.
#include "sampling/dialogs/custom_size.h"

#include <cmath>
#include <string>

#include "resources/dialog_templates.h"
#include "resources/ids/sampling_controls.h"
#include "resources/ids/sampling_strings.h"
#include "resources/ids/shell_ids.h"

namespace kpa::sampling {
namespace {

// Caption and field label as the template gives them.
std::pair<std::string, std::string> DialogTexts(const shell::Request& request) {
  std::string caption = request.Text(strings::kCustomSizeCaption);
  std::string label = request.Text(strings::kCustomSizeFieldLabel);
  if (const auto* dialog = resources::FindDialogTemplate(shell::templates::kSamplingCustomSize)) {
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

std::optional<double> AskCustomSize(shell::Request& request, double current) {
  const auto [caption, label] = DialogTexts(request);
  for (int attempt = 0; attempt < kMaxCustomSizeTries; ++attempt) {
    const std::optional<double> answer = request.AskNumber(caption, label, current);
    if (!answer) return std::nullopt;
    if (const auto message = CheckCustomSize(*answer)) {
      request.Message(*message);
      continue;
    }
    return answer;
  }
  return std::nullopt;
}

}  // namespace kpa::sampling
