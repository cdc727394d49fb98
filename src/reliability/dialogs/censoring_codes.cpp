#include "reliability/dialogs/censoring_codes.h"

#include "resources/ids/reliability_strings.h"
#include "shell/dialogs/list_text.h"

namespace kpa::reliability {
namespace {

std::optional<double> CodeOfField(const shell::Control& field, int indicator,
                                  const host::Host& host) {
  if (const auto number = field.NumberValue(); number) return number;
  return shell::CodeOfText(field.TextValue(), indicator, host);
}

}  // namespace

std::optional<CensoringCodes> ReadCensoringCodes(const shell::Control& complete,
                                                 const shell::Control& censored, int indicator,
                                                 const host::Host& host, int& refusal) {
  const auto complete_code = CodeOfField(complete, indicator, host);
  const auto censored_code = CodeOfField(censored, indicator, host);
  if (!complete_code || !censored_code) {
    refusal = strings::kBadCode;
    return std::nullopt;
  }
  if (*complete_code == *censored_code) {
    refusal = strings::kEqualCodes;
    return std::nullopt;
  }
  return CensoringCodes{*complete_code, *censored_code};
}

}  // namespace kpa::reliability
