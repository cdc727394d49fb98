#include "capability/outputs/plot_texts.h"

#include "capability/model/named_distributions.h"
#include "resources/ids/capability_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::capability {

using shell::CapabilityDistribution;

int LawLegend(const ModelLaw& law) {
  switch (law.kind) {
    case LawKind::kNormal:
      return strings::kLegendNormal;
    case LawKind::kJohnson:
      return strings::kLegendNonNormal;
    case LawKind::kFitted:
      return strings::kLegendTheoretical;
  }
  return strings::kLegendTheoretical;
}

std::string Trimmed(const std::string& text) { return std::string(shell::TrimBlanks(text)); }

std::string PlotNumber(double value) { return shell::SignificantText(value, 6); }

std::string Labelled(std::string_view label, const std::string& value) {
  std::string text(label);
  if (!text.empty() && text.back() != ' ') text += ' ';
  return text + value;
}

std::string FittedParametersText(const shell::Request& request, const shell::NamedFit& fit) {
  std::string text = Labelled(request.Text(strings::kParameter1Label), PlotNumber(fit.parameter1));
  if (HasSecondParameter(fit.code))
    text += Labelled(request.Text(strings::kParameter2Label), PlotNumber(fit.parameter2));
  return text;
}

std::string FittedParameterLine(const shell::Request& request, const shell::NamedFit& fit) {
  std::string line;
  if (HasThreshold(fit.code))
    line += Labelled(request.Text(strings::kHistogramThreshold), PlotNumber(fit.threshold));
  if (fit.code == CapabilityDistribution::kBeta)
    line += Labelled(request.Text(strings::kHistogramScale), PlotNumber(fit.scale));
  line += Labelled(request.Text(strings::kHistogramParameter1), PlotNumber(fit.parameter1));
  if (HasSecondParameter(fit.code))
    line += Labelled(request.Text(strings::kHistogramParameter2), PlotNumber(fit.parameter2));
  // A law without threshold starts with its first parameter, without the comma.
  if (!line.empty() && line.front() == ',') line.erase(0, 1);
  return line;
}

}  // namespace kpa::capability
