// Dialog templates of the acceptance-sampling procedure.
#include "resources/dialog_templates.h"

namespace kpa::resources {

std::span<const DialogTemplate> SamplingDialogTemplates() { return {}; }

}  // namespace kpa::resources
