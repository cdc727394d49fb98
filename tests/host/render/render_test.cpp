// Behaviour of the renderers that golden files would not pin down on their own: the shared
// number formatter, missing markers in every format, escaping and quoting, and the SVG
// structure (broken lines, legend outside the plot, thinned labels).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>

#include "host/api/special_values.h"
#include "host/impl/render/chart_render.h"
#include "host/impl/render/table_render.h"
#include "render_fixtures.h"

namespace kpa::host::render {
namespace {

using testing::FixtureChart;
using testing::FixtureTable;

TEST(FormatNumberField, FitsTheFieldNeverCuts) {
  const struct {
    const char* name;
    double value;
    int width, decimals;
    const char* text;
  } cases[] = {
      {"plain", 3.14159, 8, 2, "    3.14"},
      {"rounds half away", 2.675, 6, 1, "   2.7"},
      {"missing marker", kMissing, 6, 2, "      "},
      {"special code 3", MissingMarker(0xFFFFFFFDu), 4, 2, "    "},
      {"fewer decimals", 123456.789, 8, 4, "123456.8"},
      {"no decimals", 1234567.4, 7, 3, "1234567"},
      {"scientific", 123456789.0, 6, 2, " 1e+08"},
      {"scientific with digits", -123456789.0, 9, 2, "-1.23e+08"},
      {"no minus on zero", -0.0001, 8, 2, "    0.00"},
      {"nothing fits: shortest", 1234.0, 2, 1, "1234"},
      {"negative width: shortest", 1.5, -3, 1, "2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatNumberField(c.value, c.width, c.decimals), c.text);
  }
}

TEST(WidenValue, KeepsSpecialCodes) {
  // The single-precision pattern of code 3 (integer -3) widens to the double marker with
  // high word 0xFFFFFFFD; an ordinary value widens unchanged.
  const double widened = WidenValue(std::bit_cast<float>(0xFFFFFFFDu));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(widened), 0xFFFFFFFDFFFFFFFFull);
  EXPECT_TRUE(IsSpecialValue(widened));
  EXPECT_EQ(WidenValue(0.5f), 0.5);
}

TEST(RenderTable, MissingCellsAreEmptyInEveryFormat) {
  const TableSpec table = FixtureTable();  // row 2, column 3 is missing, without text
  const std::string text = RenderTableText(table);
  EXPECT_NE(text.find("Ecart-type <sigma>       0.0251      0.022\n"), std::string::npos) << text;
  EXPECT_NE(RenderTableCsv(table).find("Ecart-type <sigma>,0.02514,0.0221,\r\n"),
            std::string::npos);
  const auto json = nlohmann::json::parse(RenderTableJson(table));
  EXPECT_TRUE(json["rows"][1]["values"][2].is_null());
  EXPECT_DOUBLE_EQ(json["rows"][1]["values"][0].get<double>(), 0.02514);
  EXPECT_NE(RenderTableHtml(table).find("<td>0.022</td><td></td></tr>"), std::string::npos);
}

TEST(RenderTable, JsonHasTheAgreedShape) {
  const auto json = nlohmann::json::parse(RenderTableJson(FixtureTable()));
  EXPECT_EQ(json["kind"], "table");
  ASSERT_EQ(json["title"].size(), 3u);
  EXPECT_EQ(json["title"][0], "Capabilité du processus");
  EXPECT_EQ(json["rowHeader"], "Estim.");
  ASSERT_EQ(json["columns"].size(), 3u);
  EXPECT_EQ(json["columns"][1]["name"], "Inf.");
  EXPECT_EQ(json["columns"][1]["upper"], "Interv.");
  ASSERT_EQ(json["rows"].size(), 4u);
  EXPECT_EQ(json["rows"][3]["texts"][2], "Réduire");
  EXPECT_TRUE(json["rows"][0]["texts"][0].is_null());
}

TEST(RenderTable, CsvQuotesFieldsThatNeedIt) {
  const std::string csv = RenderTableCsv(FixtureTable());
  EXPECT_EQ(csv.rfind("# ", 0), 0u);  // the title first, as comments
  EXPECT_NE(csv.find("\r\nEstim.,Valeur,Interv. Inf.,Interv. Sup.\r\n"), std::string::npos);
  // A label with a comma and quotes is quoted, its quotes doubled.
  EXPECT_NE(csv.find("\"Indice \"\"Cpk\"\", global\",1.3333333,1.1,1.55\r\n"), std::string::npos);
  EXPECT_EQ(csv.find('\n'), csv.find("\r\n") + 1);
}

TEST(RenderTable, HtmlEscapesText) {
  const std::string html = RenderTableHtml(FixtureTable());
  EXPECT_NE(html.find("Ecart-type &lt;sigma&gt;"), std::string::npos);
  EXPECT_NE(html.find("Indice &quot;Cpk&quot;, global"), std::string::npos);
  EXPECT_EQ(html.find("<sigma>"), std::string::npos);
}

TEST(RenderTable, MarkedCellsStandOut) {
  TableSpec table = FixtureTable();
  const CellBit bit = CellOptionBit(table.ColumnCount(), 0, 1);
  table.options.assign(bit.byte + 1, 0);
  table.options[bit.byte] = bit.mask;
  EXPECT_NE(RenderTableHtml(table).find("<td class=\"marked\">"), std::string::npos);
  EXPECT_NE(RenderTableText(table).find("*"), std::string::npos);
  const auto json = nlohmann::json::parse(RenderTableJson(table));
  EXPECT_EQ(json["rows"][0]["marked"], nlohmann::json::array({1}));
  EXPECT_FALSE(json["rows"][1].contains("marked"));
}

TEST(RenderTable, TextAlignsAccentedLabelsByCharacters) {
  TableSpec table;
  table.row_label_width = 8;
  table.columns = {{"Val", "", 6, 1}};
  table.row_labels = {"Écart", "Ecart"};
  table.values = {1.0, 2.0};
  const std::string text = RenderTableText(table);
  // Both labels take 8 columns, whatever their byte length.
  EXPECT_NE(text.find("Écart       1.0\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Ecart       2.0\n"), std::string::npos) << text;
}

TEST(RenderChart, JsonHasTheAgreedShape) {
  const auto json = nlohmann::json::parse(RenderChartJson(FixtureChart()));
  EXPECT_EQ(json["kind"], "chart");
  EXPECT_EQ(json["title"].size(), 2u);
  EXPECT_EQ(json["xTitle"], "Diamètre (mm)");
  ASSERT_EQ(json["series"].size(), 3u);
  EXPECT_EQ(json["series"][0]["style"], "bars");
  EXPECT_EQ(json["series"][0]["points"][0][0], 9.95);
  EXPECT_TRUE(json["series"][1]["points"][20][1].is_null());
  EXPECT_EQ(json["referenceLines"][0]["label"], "LSI");
}

// Counts the pen lifts ("M" commands) of the paths drawn in a colour.
int Subpaths(const std::string& svg, const std::string& colour) {
  const std::regex path("<path d=\"([^\"]*)\" fill=\"none\" stroke=\"" + colour + "\"");
  int moves = 0;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), path); it != std::sregex_iterator();
       ++it) {
    const std::string d = (*it)[1];
    moves += static_cast<int>(std::count(d.begin(), d.end(), 'M'));
  }
  return moves;
}

TEST(RenderChart, MissingPointBreaksTheLine) {
  const std::string svg = RenderChartSvg(FixtureChart());
  EXPECT_EQ(Subpaths(svg, "#D55E00"), 2);  // the curve, second series
  EXPECT_EQ(Subpaths(svg, "#009E73"), 1);  // the means, unbroken
}

TEST(RenderChart, EscapesAndKeepsAccents) {
  const std::string svg = RenderChartSvg(FixtureChart());
  EXPECT_NE(svg.find("Moyennes &amp; &lt;sous-groupes&gt;"), std::string::npos);
  EXPECT_NE(svg.find("Fréquence"), std::string::npos);
  EXPECT_NE(svg.find("Seuil d&#39;alerte"), std::string::npos);
}

// The x positions of the tick labels under the plot area, in drawing order.
std::vector<double> TickLabelXs(const std::string& svg, double baseline) {
  std::vector<double> xs;
  const std::regex label(
      "<text x=\"([0-9.]+)\" y=\"([0-9.]+)\" font-size=\"12\" "
      "text-anchor=\"middle\">");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), label); it != std::sregex_iterator();
       ++it)
    if (std::stod((*it)[2]) == baseline) xs.push_back(std::stod((*it)[1]));
  return xs;
}

TEST(RenderChart, ThinsTickLabelsThatWouldOverlap) {
  ChartSpec chart;
  ChartSeries s{"", {{0, 0}, {1e6, 1}}, SeriesStyle::kLine};
  chart.series = {s};
  chart.x_axis.step = 25000;  // 41 ticks with labels like "1000000": far too many
  const std::string svg = RenderChartSvg(chart);
  const std::regex any(
      "<text x=\"[0-9.]+\" y=\"([0-9.]+)\" font-size=\"12\" "
      "text-anchor=\"middle\">");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(svg, m, any));
  const auto xs = TickLabelXs(svg, std::stod(m[1]));
  ASSERT_GE(xs.size(), 3u);
  ASSERT_LT(xs.size(), 41u);
  for (std::size_t i = 1; i < xs.size(); ++i) {
    // 7 characters of 12 px at 0.6 em: about 50 px per label.
    EXPECT_GT(xs[i] - xs[i - 1], 50.0);
  }
}

TEST(RenderChart, LegendStaysOutsideThePlotArea) {
  const std::string svg = RenderChartSvg(FixtureChart());
  const std::regex clip(
      "<clipPath id=\"kpa-plot\"><rect x=\"([0-9.]+)\" y=\"[0-9.]+\" "
      "width=\"([0-9.]+)\"");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(svg, m, clip));
  const double plot_right = std::stod(m[1]) + std::stod(m[2]);
  const std::regex legend(
      "<rect x=\"([0-9.]+)\" y=\"[0-9.]+\" width=\"[0-9.]+\" "
      "height=\"[0-9.]+\" fill=\"#ffffff\" stroke=\"#cccccc\"");
  ASSERT_TRUE(std::regex_search(svg, m, legend));
  EXPECT_GT(std::stod(m[1]), plot_right);
}

TEST(RenderChart, HonoursFixedRangeAndStep) {
  ChartSpec chart;
  chart.series = {{"", {{0.3, 1}, {0.6, 2}}, SeriesStyle::kMarkers}};
  chart.x_axis.minimum = 0.0;
  chart.x_axis.maximum = 1.0;
  chart.x_axis.step = 0.25;
  const std::string svg = RenderChartSvg(chart);
  for (const char* label : {">0.00<", ">0.25<", ">0.50<", ">0.75<", ">1.00<"}) {
    SCOPED_TRACE(label);
    EXPECT_NE(svg.find(label), std::string::npos);
  }
}

}  // namespace
}  // namespace kpa::host::render
