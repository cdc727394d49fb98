// Status codes of the automation accessors. The numbers follow the automation convention
// (0 success, high bit set for failures) and are never renumbered.
#pragma once

#include <cstdint>
#include <string>

namespace kpa::automation {

enum class [[nodiscard]] AutomationStatus : std::uint32_t{
    kOk = 0x00000000u,
    kMemberNotFound = 0x80020003u,
    kTypeMismatch = 0x80020005u,
    kBadParameterCount = 0x8002000Eu,
    kOutOfRange = 0x8002000Au,
    kFailure = 0x80004005u,
    kAccessDenied = 0x80070005u,     // read of a write-only member, write of a read-only one
    kDialogClosed = 0x80040201u,     // the dialog behind the interface is closed
    kControlDisabled = 0x80040202u,  // the control is disabled or hidden
};

std::string StatusText(AutomationStatus status);

}  // namespace kpa::automation
