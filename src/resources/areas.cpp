#include "resources/areas.h"

#include <vector>

namespace kpa::resources {

std::span<const ResourceArea> ResourceAreas() {
  static const std::vector<ResourceArea> areas = {
      {SamplingStrings(), SamplingDialogTemplates()},
      {CapabilityStrings(), CapabilityDialogTemplates()},
      {GageStrings(), GageDialogTemplates()},
      {ReliabilityStrings(), ReliabilityDialogTemplates()},
      {CauseEffectStrings(), CauseEffectDialogTemplates()},
      {ShellStrings(), ShellDialogTemplates()},
  };
  return areas;
}

}  // namespace kpa::resources
