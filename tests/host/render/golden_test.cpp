// Byte-for-byte comparisons of the fixture table in every format and the fixture chart and
// diagram in SVG and JSON with reviewed golden files.
#include <cmath>

#include "host/impl/render/chart_render.h"
#include "host/impl/render/diagram_render.h"
#include "host/impl/render/report.h"
#include "host/impl/render/table_render.h"
#include "render_fixtures.h"

namespace kpa::host::render {
namespace {

using testing::ExpectGolden;
using testing::FixtureChart;
using testing::FixtureDiagram;
using testing::FixtureTable;

TEST(RenderGolden, TableText) { ExpectGolden("table.txt", RenderTableText(FixtureTable())); }
TEST(RenderGolden, TableCsv) { ExpectGolden("table.csv", RenderTableCsv(FixtureTable())); }
TEST(RenderGolden, TableJson) { ExpectGolden("table.json", RenderTableJson(FixtureTable())); }
TEST(RenderGolden, TableHtml) { ExpectGolden("table.html", RenderTableHtml(FixtureTable())); }
TEST(RenderGolden, ChartSvg) { ExpectGolden("chart.svg", RenderChartSvg(FixtureChart())); }
TEST(RenderGolden, ChartJson) { ExpectGolden("chart.json", RenderChartJson(FixtureChart())); }
TEST(RenderGolden, DiagramSvg) { ExpectGolden("diagram.svg", RenderDiagramSvg(FixtureDiagram())); }
TEST(RenderGolden, DiagramJson) {
  ExpectGolden("diagram.json", RenderDiagramJson(FixtureDiagram()));
}
TEST(RenderGolden, Report) {
  const std::vector<ReportItem> items = {
      FixtureTable(), FixtureChart(),
      TextBlock{{"Lecture de 100 observations", "Variable DIAM : 2 valeurs manquantes"}, false},
      TextBlock{{"Mémoire insuffisante pour l'analyse requise."}, true}};
  ExpectGolden("report.html", RenderReportHtml(items, "Analyse de processus"));
}

}  // namespace
}  // namespace kpa::host::render
