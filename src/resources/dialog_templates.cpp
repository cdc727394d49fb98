#include "resources/dialog_templates.h"

#include <initializer_list>

namespace kpa::resources {

const DialogTemplate* FindDialogTemplate(int number) {
  for (auto templates :
       {SamplingDialogTemplates(), CapabilityDialogTemplates(), ShellDialogTemplates()})
    for (const auto& dialog : templates)
      if (dialog.number == number) return &dialog;
  return nullptr;
}

}  // namespace kpa::resources
