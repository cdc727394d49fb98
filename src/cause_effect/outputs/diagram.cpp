#include "cause_effect/outputs/diagram.h"

#include <algorithm>
#include <cmath>

#include "cause_effect/model/layout.h"
#include "shell/results/fixed_text.h"

namespace kpa::cause_effect {
namespace {

constexpr host::DiagramColour kCenterArrowColour = {0, 0, 255};
constexpr host::DiagramColour kBlack = {0, 0, 0};
constexpr double kArrowheadLength = 10.0;
constexpr double kArrowheadWidth = 15.0;
constexpr double kLargestInteger = 9999999.0;
constexpr int kRealWidth = 8;
constexpr const char* kSeparator = ": ";

host::DiagramPoint ToHost(const Point& point) { return {point.x, point.y}; }

// The decimals that fill `width` characters after the sign, the integer digits and the point.
int DecimalsFitting(double value, int width) {
  const double magnitude = std::fabs(value);
  const int digits = magnitude < 1.0 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
  return std::max(0, width - digits - 1 - (value < 0 ? 1 : 0));
}

}  // namespace

std::string BoneLabel(const shell::Request& request, int variable, bool long_names) {
  std::string label = request.VariableName(variable);
  if (long_names)
    if (const auto long_name = request.VariableLongName(variable); long_name && !long_name->empty())
      label += kSeparator + *long_name;
  return label;
}

std::string CauseLabel(const shell::Request& request, int variable, double value,
                       bool long_labels) {
  std::string label;
  if (const auto text = request.ValueLabelText(variable, value)) {
    label = *text;
  } else if (const auto formatted = request.ValueInDisplayFormat(variable, value)) {
    label = *formatted;
  } else if (value == std::round(value) && std::fabs(value) < kLargestInteger) {
    label = std::to_string(static_cast<long long>(value));
  } else {
    label = shell::TrimBlanks(
        request.RealToText(value, kRealWidth, DecimalsFitting(value, kRealWidth)));
  }
  if (long_labels)
    if (const auto long_label = request.ValueLongLabel(variable, value);
        long_label && !long_label->empty())
      label += kSeparator + *long_label;
  return label;
}

host::DiagramSpec BuildDiagram(const shell::Request& request,
                               const shell::CauseEffectSettings& settings,
                               const std::vector<std::vector<double>>& causes) {
  host::DiagramSpec diagram;
  for (const std::string& line : settings.title)
    if (!line.empty()) diagram.title.push_back({line, static_cast<double>(settings.title_font)});
  diagram.arrows.push_back({ToHost(kCenterArrowHead), ToHost(kCenterArrowTail),
                            settings.center_thickness, kArrowheadLength, kArrowheadWidth,
                            kCenterArrowColour});

  const std::vector<int> variables = settings.Bones();
  const std::vector<BonePlace> places = PlaceBones(settings.above.size(), settings.below.size());
  const LayoutSettings layout{settings.center_thickness, settings.angle, settings.length};
  std::vector<BoneGeometry> bones;
  for (const BonePlace& place : places) {
    bones.push_back(PlaceBone(place, layout));
    diagram.arrows.push_back({ToHost(bones.back().head), ToHost(bones.back().tail),
                              settings.bone_thickness, kArrowheadLength, kArrowheadWidth, kBlack});
  }
  for (std::size_t b = 0; b < places.size(); ++b)
    diagram.texts.push_back({ToHost(bones[b].tail),
                             BoneLabel(request, variables[b], settings.long_variable_names),
                             places[b].below ? host::TextAnchor::kBelow : host::TextAnchor::kAbove,
                             static_cast<double>(settings.major_font), kBlack});
  for (std::size_t b = 0; b < places.size() && b < causes.size(); ++b) {
    const std::vector<double>& values = causes[b];
    for (std::size_t j = 0; j < values.size(); ++j)
      diagram.texts.push_back(
          {ToHost(PlaceCause(bones[b], places[b], j, values.size(), layout)),
           CauseLabel(request, variables[b], values[j], settings.long_value_labels),
           host::TextAnchor::kEnd, static_cast<double>(settings.cause_font), kBlack});
  }
  return diagram;
}

}  // namespace kpa::cause_effect
