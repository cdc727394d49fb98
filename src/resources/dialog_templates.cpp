#include "resources/dialog_templates.h"

#include "resources/areas.h"

namespace kpa::resources {

const DialogTemplate* FindDialogTemplate(int number) {
  for (const ResourceArea& area : ResourceAreas())
    for (const auto& dialog : area.templates)
      if (dialog.number == number) return &dialog;
  return nullptr;
}

}  // namespace kpa::resources
