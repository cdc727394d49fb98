#include "sampling/dialogs.h"

namespace kpa::sampling {

void RegisterDialogs(shell::DialogRegistry& /*registry*/) {}

}  // namespace kpa::sampling
