// A fixture table and a fixture chart shaped like the module's capability output, with the
// awkward cases the renderers must handle: accents, characters to escape, a missing value,
// cell texts, a number wider than its column, a line broken by a missing point.
#pragma once

#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "host/api/chart_spec.h"
#include "host/api/diagram_spec.h"
#include "host/api/special_values.h"
#include "host/api/table_spec.h"
#include "support/golden.h"

namespace kpa::host::render::testing {

inline TableSpec FixtureTable() {
  TableSpec table;
  table.title = {"Capabilité du processus", "Variable : Diamètre extérieur (mm)", ""};
  table.row_header = "Estim.";
  table.row_label_width = 20;
  table.columns = {{"Valeur", "", 10, 4}, {"Inf.", "Interv.", 10, 3}, {"Sup.", "Interv.", 10, 3}};
  table.row_labels = {"Moyenne", "Ecart-type <sigma>", "Indice \"Cpk\", global", "PPM hors"};
  table.values = {
      10.01234,    9.9876, 10.0371,   //
      0.02514,     0.0221, kMissing,  //
      1.3333333,   1.1,    1.55,      //
      123456789.5, 0.0,    0.0,       //
  };
  table.texts.assign(table.values.size(), std::nullopt);
  table.texts[10] = "n/d";
  table.texts[11] = "Réduire";
  return table;
}

// A fishbone laid out by hand as the cause-and-effect procedure lays one out: the centre
// arrow from 0.1 to 0.9 at y = 0.5, one bone above at 70 degrees (L = 0.4, head at
// x = 0.1 + 0.8 / 2 - 0.02 = 0.48) with two causes evenly spaced along it, one bone below.
inline DiagramSpec FixtureDiagram() {
  const double a = 70 * 0.0174532925199433;
  const double length = 0.4;
  const DiagramColour black{0, 0, 0};
  DiagramSpec diagram;
  diagram.title = {{"Diagrammes de Causes-Effets ", 15}, {"", 15}, {"Atelier « Tournage »", 10}};
  diagram.arrows.push_back({{0.9, 0.5}, {0.1, 0.5}, 1.0, 10, 15, {0, 0, 255}});
  const DiagramPoint above_head{0.48, 0.502};
  const DiagramPoint above_tail{0.48 - std::cos(a) * length, 0.502 + std::sin(a) * length};
  const DiagramPoint below_head{0.48, 0.498};
  const DiagramPoint below_tail{0.48 - std::cos(a) * length, 0.498 - std::sin(a) * length};
  diagram.arrows.push_back({above_head, above_tail, 0.75, 10, 15, black});
  diagram.arrows.push_back({below_head, below_tail, 0.75, 10, 15, black});
  diagram.texts.push_back({above_tail, "Machine", TextAnchor::kAbove, 10, black});
  diagram.texts.push_back(
      {below_tail, "Opérateur : équipe de nuit", TextAnchor::kBelow, 10, black});
  for (int j = 0; j < 2; ++j) {
    const double dx = std::cos(a) * length / 3;
    const double dy = std::sin(a) * length / 3;
    diagram.texts.push_back({{above_tail.x + (j + 1) * dx - 0.025, above_tail.y - (j + 1) * dy},
                             j == 0 ? "Usure outil" : "Vibrations",
                             TextAnchor::kEnd,
                             8,
                             black});
  }
  return diagram;
}

inline ChartSpec FixtureChart() {
  ChartSpec chart;
  chart.title = {"Histogramme et loi normale ajustée", "Variable : Diamètre extérieur (mm)"};
  chart.x_axis.title = "Diamètre (mm)";
  chart.y_axis.title = "Fréquence";
  ChartSeries bars{"Effectifs observés", {}, SeriesStyle::kBars};
  const double counts[] = {1, 3, 7, 12, 18, 21, 16, 11, 6, 3, 2};
  for (int i = 0; i < 11; ++i) bars.points.emplace_back(9.95 + 0.01 * i, counts[i]);
  ChartSeries curve{"Loi normale (m = 10,0, s = 0,02)", {}, SeriesStyle::kLine};
  for (int i = 0; i <= 40; ++i) {
    const double x = 9.94 + 0.003 * i;
    const double z = (x - 10.0) / 0.02;
    curve.points.emplace_back(x, 100 * 0.01 / (0.02 * 2.5066282746310002) * std::exp(-z * z / 2));
  }
  curve.points[20].second = kMissing;  // breaks the line
  ChartSeries means{"Moyennes & <sous-groupes>", {}, SeriesStyle::kLineAndMarkers};
  means.points = {{9.96, 4}, {9.98, 9}, {10.0, 14}, {10.02, 10}, {10.04, 5}};
  chart.series = {bars, curve, means};
  chart.reference_lines = {{ReferenceOrientation::kVertical, 9.95, "LSI"},
                           {ReferenceOrientation::kVertical, 10.0, "Nominal"},
                           {ReferenceOrientation::kVertical, 10.003, "Moyenne"},
                           {ReferenceOrientation::kVertical, 10.05, "LSS"},
                           {ReferenceOrientation::kHorizontal, 20, "Seuil d'alerte"}};
  chart.annotations = {{10.03, 17, "Cpk = 1,33"}};
  return chart;
}

// Compares `actual` with the golden file `name`; rewrites the file instead when
// KPA_UPDATE_GOLDEN=1.
inline void ExpectGolden(const std::string& name, const std::string& actual) {
  kpa::testing::ExpectGoldenFile("tests/host/render/golden", name, actual);
}

}  // namespace kpa::host::render::testing
