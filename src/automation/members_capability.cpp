// Members of the process-capability interfaces.
#include "automation/interface_members.h"

namespace kpa::automation {

std::span<const MemberRow> CapabilityMembers() { return {}; }
std::span<const MemberRow> CapabilityAggregatedMembers() { return {}; }
std::span<const MemberRow> CapabilityResultsMembers() { return {}; }
std::span<const MemberRow> CapabilitySpecsMembers() { return {}; }

}  // namespace kpa::automation
