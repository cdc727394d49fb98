// The JSON rendering of a chart description, for programs.
#include <nlohmann/json.hpp>
#include <optional>

#include "host/impl/render/chart_render.h"
#include "host/impl/render/chart_style.h"

namespace kpa::host::render {
namespace {

using Json = nlohmann::ordered_json;

const char* StyleName(SeriesStyle style) {
  switch (style) {
    case SeriesStyle::kLine:
      return "line";
    case SeriesStyle::kMarkers:
      return "markers";
    case SeriesStyle::kLineAndMarkers:
      return "lineAndMarkers";
    case SeriesStyle::kBars:
      return "bars";
    case SeriesStyle::kStep:
      return "step";
  }
  return "line";
}

const char* ScaleName(AxisScaleKind scale) {
  switch (scale) {
    case AxisScaleKind::kLinear:
      return "linear";
    case AxisScaleKind::kLogarithmic:
      return "logarithmic";
    case AxisScaleKind::kNormalProbability:
      return "normalProbability";
    case AxisScaleKind::kWeibullProbability:
      return "weibullProbability";
  }
  return "linear";
}

Json OptionalNumber(const std::optional<double>& value) {
  if (value && Usable(*value)) return *value;
  return nullptr;
}

Json NumberOrNull(double value) {
  if (Usable(value)) return value;
  return nullptr;
}

Json AxisJson(const ChartAxis& axis) {
  Json ticks = Json::array();
  for (const AxisTick& tick : axis.ticks)
    ticks.push_back({{"value", NumberOrNull(tick.value)}, {"label", tick.label}});
  return Json{{"minimum", OptionalNumber(axis.minimum)},
              {"maximum", OptionalNumber(axis.maximum)},
              {"step", OptionalNumber(axis.step)},
              {"logarithmic", axis.scale == AxisScaleKind::kLogarithmic},
              {"scale", ScaleName(axis.scale)},
              {"ticks", ticks}};
}

}  // namespace

std::string RenderChartJson(const ChartSpec& chart) {
  Json doc;
  doc["kind"] = "chart";
  doc["title"] = chart.title;
  doc["xTitle"] = chart.x_axis.title;
  doc["yTitle"] = chart.y_axis.title;
  Json series = Json::array();
  for (const auto& s : chart.series) {
    Json points = Json::array();
    for (const auto& [x, y] : s.points) points.push_back({NumberOrNull(x), NumberOrNull(y)});
    series.push_back({{"name", s.name}, {"style", StyleName(s.style)}, {"points", points}});
  }
  doc["series"] = series;
  doc["xAxis"] = AxisJson(chart.x_axis);
  doc["yAxis"] = AxisJson(chart.y_axis);
  Json lines = Json::array();
  for (const auto& line : chart.reference_lines) {
    lines.push_back(
        {{"orientation",
          line.orientation == ReferenceOrientation::kVertical ? "vertical" : "horizontal"},
         {"position", NumberOrNull(line.position)},
         {"label", line.label}});
  }
  doc["referenceLines"] = lines;
  Json notes = Json::array();
  for (const auto& note : chart.annotations)
    notes.push_back(
        {{"x", NumberOrNull(note.x)}, {"y", NumberOrNull(note.y)}, {"text", note.text}});
  doc["annotations"] = notes;
  doc["showLegend"] = chart.show_legend;
  return doc.dump(2) + "\n";
}

}  // namespace kpa::host::render
