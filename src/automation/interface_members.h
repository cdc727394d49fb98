// The own members of each dialog interface, one function per interface, each defined in
// the file of its procedure's automation (members_<procedure>.cpp).
#pragma once

#include <span>

#include "automation/type_library.h"

namespace kpa::automation {

std::span<const MemberRow> StartupMembers();

}  // namespace kpa::automation
