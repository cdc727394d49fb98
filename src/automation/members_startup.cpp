// Members of the startup dialog's interface.
#include "automation/interface_members.h"
#include "shell/dialogs/startup_dialog.h"

namespace kpa::automation {
namespace {

constexpr MemberRow kStartupMembers[] = {
    {"TypeOfAnalysis", MemberType::kEnum, Access::kReadWrite, shell::controls::kStartupList,
     "Type of analysis", "ProMethod"},
};

}  // namespace

std::span<const MemberRow> StartupMembers() { return kStartupMembers; }

}  // namespace kpa::automation
