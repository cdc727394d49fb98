// The own members of each dialog interface, one function per interface, each defined in
// the file of its procedure's automation (members_<procedure>.cpp).
#pragma once

#include <span>

#include "automation/type_library.h"

namespace kpa::automation {

std::span<const MemberRow> StartupMembers();
std::span<const MemberRow> SamplingMembers();
std::span<const MemberRow> SamplingResultsMembers();
std::span<const MemberRow> SamplingResultsBinomialMembers();
std::span<const MemberRow> CapabilityMembers();
std::span<const MemberRow> CapabilityAggregatedMembers();
std::span<const MemberRow> CapabilityResultsMembers();
std::span<const MemberRow> CapabilitySpecsMembers();
std::span<const MemberRow> CapabilityNN1Members();
std::span<const MemberRow> CapabilityNN2Members();
std::span<const MemberRow> GageDesignMembers();
std::span<const MemberRow> GageDataFileMembers();
std::span<const MemberRow> GageDataSheetMembers();
std::span<const MemberRow> GageDesignResultsMembers();
std::span<const MemberRow> GageAnalysisResultsMembers();
std::span<const MemberRow> WeibullRawMembers();
std::span<const MemberRow> WeibullGroupedMembers();
std::span<const MemberRow> WeibullPaperMembers();
std::span<const MemberRow> WeibullResultsRawMembers();
std::span<const MemberRow> WeibullResultsGroupedMembers();
std::span<const MemberRow> CauseEffectMembers();

}  // namespace kpa::automation
