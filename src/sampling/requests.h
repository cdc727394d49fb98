// The requests of the acceptance-sampling procedure: each validates what it needs, reads
// the data, computes, builds its table or chart and shows it through the request. This is
// the only place where a computation's status becomes a message.
#pragma once

#include <cstdint>

#include "shell/request/request.h"
#include "shell/request/request_table.h"
#include "shell/settings/sampling_settings.h"

namespace kpa::sampling {

enum class SamplingRequest : std::int16_t {
  kComputePlan,        // the specification dialog's OK: printout, N search
  kCustomPlan,         // the beta and limits of the custom N
  kFixedSummary,       // "Synthèse"
  kOcCurves,           // "Courbe d'efficacité"
  kSequentialPlot,     // the equivalent sequential plan as a chart
  kSequentialSummary,  // ... as a table
};

struct SamplingContext {
  shell::Request& request;
  shell::SamplingSettings& settings;
};

shell::RequestStatus RunSamplingRequest(SamplingRequest code, shell::Request& request,
                                        shell::SamplingSettings& settings);

}  // namespace kpa::sampling
