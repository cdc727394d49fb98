// The areas of the module's resources: each area (the shell, each procedure) keeps its
// strings in resources/strings_<area>.cpp and its dialog templates in
// resources/dialogs_<area>.cpp; this is the one list of them. The procedures come before
// the shell, whose frames their own templates replace.
#pragma once

#include <span>

#include "resources/dialog_templates.h"
#include "resources/string_table.h"

namespace kpa::resources {

struct ResourceArea {
  std::span<const StringEntry> strings;
  std::span<const DialogTemplate> templates;
};

std::span<const ResourceArea> ResourceAreas();

std::span<const StringEntry> SamplingStrings();
std::span<const DialogTemplate> SamplingDialogTemplates();
std::span<const StringEntry> CapabilityStrings();
std::span<const DialogTemplate> CapabilityDialogTemplates();
std::span<const StringEntry> GageStrings();
std::span<const DialogTemplate> GageDialogTemplates();
std::span<const StringEntry> ReliabilityStrings();
std::span<const DialogTemplate> ReliabilityDialogTemplates();
std::span<const StringEntry> CauseEffectStrings();
std::span<const DialogTemplate> CauseEffectDialogTemplates();
std::span<const StringEntry> ShellStrings();
std::span<const DialogTemplate> ShellDialogTemplates();

}  // namespace kpa::resources
