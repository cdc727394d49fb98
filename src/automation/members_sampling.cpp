// Members of the acceptance-sampling interfaces.
#include "automation/interface_members.h"

namespace kpa::automation {

std::span<const MemberRow> SamplingMembers() { return {}; }
std::span<const MemberRow> SamplingResultsMembers() { return {}; }
std::span<const MemberRow> SamplingResultsBinomialMembers() { return {}; }

}  // namespace kpa::automation
