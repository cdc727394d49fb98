#include "reliability/dialogs/paper_dialog.h"

#include "reliability/dialogs/censoring_codes.h"
#include "reliability/model/paper_grid.h"
#include "reliability/requests.h"
#include "resources/ids/reliability_controls.h"
#include "resources/ids/reliability_strings.h"
#include "shell/dialogs/list_text.h"
#include "shell/process.h"
#include "shell/settings/settings_block.h"

namespace kpa::reliability {
namespace {

namespace c = controls;

constexpr double kLargestValue = 9999999.0;
constexpr int kNeatTimeDivisions = 12;

shell::PaperSettings& Paper() { return shell::Settings().weibull.paper; }

}  // namespace

void PaperDialog::OnInitDialog() {
  shell::PaperSettings& paper = Paper();
  if (!(paper.maximum_p > paper.minimum_p)) {
    paper.minimum_p = 0.01;
    paper.maximum_p = 0.99;
    paper.step_p = 0.01;
  }
  ShowFields();
}

void PaperDialog::ShowFields() {
  const shell::PaperSettings& paper = Paper();
  GetControl(c::kMinimumP).value = paper.minimum_p;
  GetControl(c::kMaximumP).value = paper.maximum_p;
  GetControl(c::kStepP).value = paper.step_p;
  GetControl(c::kExtremeEnds).value = std::int64_t{paper.extreme_ends};
  GetControl(c::kPrincipalAbscissa).value = std::int64_t{paper.principal_abscissa};
  GetControl(c::kLocation).value = paper.offset;
  GetControl(c::kMaximumTime).value = paper.maximum_time;
  GetControl(c::kTimeStep).value = paper.step_time;
  std::vector<double> times(paper.time_variables.begin(), paper.time_variables.end());
  std::vector<double> indicator;
  if (paper.censor_variable != 0) indicator.push_back(paper.censor_variable);
  GetControl(c::kVariables).value = shell::NumberLists{times, indicator};
  GetControl(c::kCompleteCode).value = shell::FormatNumber(paper.complete_code);
  GetControl(c::kCensoredCode).value = shell::FormatNumber(paper.censored_code);
  GetControl(c::kAddConstant).value = std::int64_t{paper.add_constant};
  GetControl(c::kConstant).value = paper.constant;
  UpdateEnabling();
}

void PaperDialog::UpdateEnabling() {
  const bool indicator = !GetControl(c::kVariables).VariablesAt(1).empty();
  GetControl(c::kCompleteCode).enabled = indicator;
  GetControl(c::kCensoredCode).enabled = indicator;
  GetControl(c::kConstant).enabled = GetControl(c::kAddConstant).IntValue() != 0;
}

void PaperDialog::OnControlChanged(int id) {
  shell::PaperSettings& paper = Paper();
  if (id == c::kExtremeEnds) paper.extreme_ends = GetControl(id).IntValue() != 0;
  if (id == c::kPrincipalAbscissa) paper.principal_abscissa = GetControl(id).IntValue() != 0;
  UpdateEnabling();
}

bool PaperDialog::ValidateVariables(shell::PaperSettings& paper) {
  const shell::Control& list = GetControl(c::kVariables);
  const std::vector<int> times = list.VariablesAt(0);
  const std::vector<int> indicator = list.VariablesAt(1);
  if (!times.empty() && times.size() != 1 && times.size() != 2 && times.size() != 6) {
    Message(strings::kBadVariableCount);
    return false;
  }
  if (indicator.size() > 1) {
    Message(strings::kSelectRawSingle);
    return false;
  }
  const int censor = indicator.empty() ? 0 : indicator.front();
  if (censor != 0 && !times.empty()) {
    int refusal = 0;
    const auto codes = ReadCensoringCodes(GetControl(c::kCompleteCode),
                                          GetControl(c::kCensoredCode), censor, Host(), refusal);
    if (!codes) {
      Message(refusal);
      return false;
    }
    paper.complete_code = codes->complete;
    paper.censored_code = codes->censored;
  }
  paper.time_variables = times;
  paper.censor_variable = censor;
  paper.add_constant = GetControl(c::kAddConstant).IntValue() != 0;
  if (const auto constant = GetControl(c::kConstant).NumberValue(); constant)
    paper.constant = *constant;
  else
    GetControl(c::kConstant).value = paper.constant;
  return true;
}

bool PaperDialog::ValidateFields() {
  shell::PaperSettings& paper = Paper();
  const auto refuse = [this](int message, int field, double previous) {
    Message(message);
    GetControl(field).value = previous;
    return false;
  };
  const double minimum_p = GetControl(c::kMinimumP).RealValue();
  if (!(minimum_p >= 0.0 && minimum_p < 0.5))
    return refuse(strings::kBadMinimumP, c::kMinimumP, paper.minimum_p);
  const double maximum_p = GetControl(c::kMaximumP).RealValue();
  if (!(maximum_p > 0.5 && maximum_p < 1.0))
    return refuse(strings::kBadMaximumP, c::kMaximumP, paper.maximum_p);
  const double step_p = GetControl(c::kStepP).RealValue();
  if (!(step_p >= 0.005 && step_p <= 0.2))
    return refuse(strings::kBadStepP, c::kStepP, paper.step_p);
  const double offset = GetControl(c::kLocation).RealValue();
  if (!(offset >= -kLargestValue && offset <= kLargestValue))
    return refuse(strings::kBadLocation, c::kLocation, paper.offset);
  const double maximum = GetControl(c::kMaximumTime).RealValue();
  if (!(maximum > offset && maximum <= kLargestValue)) {
    const double previous = paper.maximum_time < offset + 1.0 ? offset + 1.0 : paper.maximum_time;
    return refuse(strings::kBadMaximumTime, c::kMaximumTime, previous);
  }
  const double step = GetControl(c::kTimeStep).RealValue();
  const auto lines = TimeLineCount(offset, maximum, step);
  if (!(step > 0.0 && step <= kLargestValue) || !lines || *lines > kMostTimeLines) {
    Message(strings::kBadTimeStep);
    const double neat = Host().ScaleAxis(0.0, maximum - offset, kNeatTimeDivisions).step;
    paper.step_time = neat > 0.0 ? neat : paper.step_time;
    GetControl(c::kTimeStep).value = paper.step_time;
    return false;
  }
  if (!ValidateVariables(paper)) return false;
  paper.minimum_p = minimum_p;
  paper.maximum_p = maximum_p;
  paper.step_p = step_p;
  paper.offset = offset;
  paper.maximum_time = maximum;
  paper.step_time = step;
  return true;
}

void PaperDialog::Draw() {
  if (!ValidateFields()) return RecordRequestStatus(shell::RequestStatus::kFailed);
  shell::Request request = NewRequest();
  WeibullContext context{request, shell::Settings().weibull};
  RecordRequestStatus(RunWeibullRequest(WeibullRequest::kProbabilityPaper, context));
}

void PaperDialog::OnCommand(int id, int /*notification*/) {
  switch (id) {
    case c::kDrawPaper:
      Draw();
      break;
    case shell::controls::kCancel:
      ExitDialog(shell::Step::kStartup, shell::ExitMode::kBack);
      break;
    default:
      break;
  }
}

}  // namespace kpa::reliability
