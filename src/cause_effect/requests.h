// The requests of the cause-and-effect procedure: reading the causes, building the diagram
// and showing it. This is the only place where a status becomes a message.
#pragma once

#include <cstdint>

#include "shell/request/request.h"
#include "shell/request/request_table.h"
#include "shell/settings/cause_effect_settings.h"

namespace kpa::cause_effect {

enum class CauseEffectRequest : std::int16_t {
  kDraw,  // the summary button (also OK)
};

struct CauseEffectContext {
  shell::Request& request;
  const shell::CauseEffectSettings& settings;
};

shell::RequestStatus RunCauseEffectRequest(CauseEffectRequest code, shell::Request& request,
                                           const shell::CauseEffectSettings& settings);

}  // namespace kpa::cause_effect
