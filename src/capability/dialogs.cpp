#include "capability/dialogs.h"

namespace kpa::capability {

void RegisterDialogs(shell::DialogRegistry& /*registry*/) {}

}  // namespace kpa::capability
