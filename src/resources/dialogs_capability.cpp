// Dialog templates of the process-capability procedure.
#include "resources/dialog_templates.h"

namespace kpa::resources {

std::span<const DialogTemplate> CapabilityDialogTemplates() { return {}; }

}  // namespace kpa::resources
