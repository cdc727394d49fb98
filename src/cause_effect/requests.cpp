#include "cause_effect/requests.h"

#include <array>
#include <new>
#include <string>

#include "cause_effect/data/causes.h"
#include "cause_effect/outputs/diagram.h"
#include "resources/ids/cause_effect_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::cause_effect {
namespace {

using shell::RequestStatus;

RequestStatus Draw(CauseEffectContext& context) {
  shell::Request& request = context.request;
  const shell::CauseEffectSettings& settings = context.settings;
  Causes causes;
  try {
    causes = ReadCauses(request, settings.Bones());
  } catch (const std::bad_alloc&) {
    request.Message(strings::kNoMemory);
    return RequestStatus::kFailed;
  }
  switch (causes.status) {
    case CausesStatus::kCancelled:
      return RequestStatus::kFailed;  // the request says once that it was cancelled
    case CausesStatus::kReadFailure:
      request.Message(strings::kReadFailed);
      return RequestStatus::kFailed;
    case CausesStatus::kRead:
      break;
  }
  if (causes.dropped)
    request.MessageText(
        shell::WithPlaceholder(request.Text(strings::kTooManyCauses), std::to_string(kMaxCauses)));
  if (!request.Show(BuildDiagram(request, settings, causes.values))) {
    request.Message(strings::kGraphNotCreated);
    return RequestStatus::kFailed;
  }
  return RequestStatus::kDone;
}

using Row = shell::RequestRow<CauseEffectRequest, CauseEffectContext>;
constexpr std::array kRequests = {Row{CauseEffectRequest::kDraw, &Draw}};

}  // namespace

RequestStatus RunCauseEffectRequest(CauseEffectRequest code, shell::Request& request,
                                    const shell::CauseEffectSettings& settings) {
  const Row* row = shell::FindRequest<CauseEffectRequest, CauseEffectContext>(kRequests, code);
  if (row == nullptr) return RequestStatus::kNotAvailable;
  CauseEffectContext context{request, settings};
  return row->serve(context);
}

}  // namespace kpa::cause_effect
