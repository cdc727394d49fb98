// The two censoring codes of a Weibull dialog (complete and censored responses), each a
// number or a value label of the indicator variable: both must name a code, and they must
// differ.
#pragma once

#include <optional>

#include "host/api/host.h"
#include "shell/dialogs/control.h"

namespace kpa::reliability {

struct CensoringCodes {
  double complete = 0.0;
  double censored = 1.0;
};

// The codes of the two fields, or the message that refuses them (`refusal`).
std::optional<CensoringCodes> ReadCensoringCodes(const shell::Control& complete,
                                                 const shell::Control& censored, int indicator,
                                                 const host::Host& host, int& refusal);

}  // namespace kpa::reliability
