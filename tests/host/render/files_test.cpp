// The files written for people beside the text outputs: the zip archive and the workbook of
// every table (read back with unzip, their XML checked by xmllint), a chart as PNG at 300
// dpi and as PDF, and the provenance the report opens with.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/impl/render/chart_render.h"
#include "host/impl/render/provenance.h"
#include "host/impl/render/svg_images.h"
#include "host/impl/render/workbook.h"
#include "host/impl/render/zip_archive.h"
#include "render_fixtures.h"

namespace kpa::host::render {
namespace {

std::filesystem::path Folder(const std::string& name) {
  const auto folder = std::filesystem::temp_directory_path() / ("kpa-render-" + name);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

// One member of a zip archive, through the unzip command.
std::string ZipMember(const std::filesystem::path& archive, const std::string& member) {
  const std::string command = "unzip -p '" + archive.string() + "' " + member;
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    std::array<char, 4096> buffer{};
    while (const std::size_t read = fread(buffer.data(), 1, buffer.size(), pipe))
      text.append(buffer.data(), read);
    pclose(pipe);
  }
  return text;
}

// The exit status of a shell command, its output discarded.
int ExitStatus(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str());
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Workbook, OneSheetPerTableWithNumbersAsNumbers) {
  const auto folder = Folder("workbook");
  const TableSpec table = testing::FixtureTable();
  const auto path = folder / "results.xlsx";
  ASSERT_EQ(WriteWorkbook(path, {{1, &table}, {7, &table}}), std::nullopt);
  const std::string workbook = ZipMember(path, "xl/workbook.xml");
  EXPECT_NE(workbook.find("name=\"001 Capabilité du processus\""), std::string::npos) << workbook;
  EXPECT_NE(workbook.find("name=\"007 Capabilité du processus\""), std::string::npos);
  const std::string sheet = ZipMember(path, "xl/worksheets/sheet1.xml");
  // The numbers of the CSV rendering, as numbers; the missing cell is left out.
  for (const char* number :
       {"<v>10.01234</v>", "<v>9.9876</v>", "<v>0.02514</v>", "<v>123456789.5</v>"}) {
    SCOPED_TRACE(number);
    EXPECT_NE(sheet.find(number), std::string::npos);
  }
  // Two title lines, a blank row, two heading rows: the second data row is row 7.
  EXPECT_NE(sheet.find("<c r=\"C7\""), std::string::npos);
  EXPECT_EQ(sheet.find("<c r=\"D7\""), std::string::npos) << "the missing cell is empty";
  const std::string styles = ZipMember(path, "xl/styles.xml");
  EXPECT_NE(styles.find("formatCode=\"0.0000\""), std::string::npos);  // the column's decimals
  const std::string strings = ZipMember(path, "xl/sharedStrings.xml");
  for (const char* text : {"Variable : Diamètre extérieur (mm)", "Interv.", "Réduire"})
    EXPECT_NE(strings.find(text), std::string::npos) << text;
  std::filesystem::remove_all(folder);
}

// Members come back byte for byte through an independent reader, with their CRCs checked;
// a member deflate cannot shrink is stored.
TEST(ZipArchive, MembersReadBackWholeStoredOrDeflated) {
  const auto folder = Folder("zip");
  const auto path = folder / "a.zip";
  std::string long_text;
  for (int i = 0; i < 2000; ++i) long_text += "<c r=\"A" + std::to_string(i) + "\"/>";
  {
    ZipArchive archive(path);
    archive.Add("short.txt", "x");
    archive.Add("xl/worksheets/sheet1.xml", long_text);
    archive.Add("empty", "");
    ASSERT_EQ(archive.Finish(), std::nullopt);
  }
  EXPECT_EQ(ExitStatus("unzip -t '" + path.string() + "'"), 0);
  EXPECT_EQ(ZipMember(path, "short.txt"), "x");
  EXPECT_EQ(ZipMember(path, "xl/worksheets/sheet1.xml"), long_text);
  const std::string bytes = ReadBytes(path);
  ASSERT_GE(bytes.size(), 10u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("PK\3\4"));
  EXPECT_EQ(bytes[8], 0) << "one byte is stored as it is";
  EXPECT_LT(bytes.size(), long_text.size() / 4) << "the long member is deflated";

  ZipArchive nowhere(folder / "no such folder" / "b.zip");
  nowhere.Add("a", "b");
  const auto problem = nowhere.Finish();
  ASSERT_TRUE(problem.has_value());
  EXPECT_NE(problem->find("cannot create"), std::string::npos) << *problem;
  std::filesystem::remove_all(folder);
}

// Every part of the package is well-formed XML (texts with markup characters, quotes, a
// control character and leading blanks among them, and one longer than a cell holds), the parts
// named in [Content_Types].xml and the relationships are those in the archive, and each sheet
// states its used range.
TEST(Workbook, EveryPartIsWellFormedAndDeclared) {
  const auto folder = Folder("workbook-parts");
  const TableSpec fixture = testing::FixtureTable();
  TableSpec awkward = fixture;
  awkward.title = {"Plan & <essai>"};
  const std::string bell =
      "bell\x07"
      "e";
  awkward.row_labels = {"  indenté", bell, "a \"b\"", std::string(40000, 'x')};
  const auto path = folder / "results.xlsx";
  ASSERT_EQ(WriteWorkbook(path, {{1, &fixture}, {2, &awkward}}), std::nullopt);
  EXPECT_EQ(ExitStatus("unzip -t '" + path.string() + "'"), 0);
  const std::vector<std::string> parts = {"[Content_Types].xml",
                                          "_rels/.rels",
                                          "xl/workbook.xml",
                                          "xl/_rels/workbook.xml.rels",
                                          "xl/worksheets/sheet1.xml",
                                          "xl/worksheets/sheet2.xml",
                                          "xl/styles.xml",
                                          "xl/sharedStrings.xml"};
  for (const std::string& part : parts) {
    SCOPED_TRACE(part);
    const std::string quoted = part == parts[0] ? "'\\[Content_Types].xml'" : part;
    EXPECT_EQ(ExitStatus("unzip -p '" + path.string() + "' " + quoted + " | xmllint --noout -"), 0);
  }
  const std::string types = ZipMember(path, "'\\[Content_Types].xml'");
  for (std::size_t i = 2; i < parts.size(); ++i) {
    if (parts[i].find("_rels") != std::string::npos) continue;
    EXPECT_NE(types.find("PartName=\"/" + parts[i] + "\""), std::string::npos) << parts[i];
  }
  const std::string relationships = ZipMember(path, "xl/_rels/workbook.xml.rels");
  for (const char* target : {"worksheets/sheet2.xml", "styles.xml", "sharedStrings.xml"})
    EXPECT_NE(relationships.find(std::string("Target=\"") + target), std::string::npos);
  EXPECT_NE(ZipMember(path, "xl/workbook.xml").find("name=\"002 Plan &amp; &lt;essai&gt;\""),
            std::string::npos);
  // Two title lines, a blank row, two heading rows and four rows of four columns.
  EXPECT_NE(ZipMember(path, "xl/worksheets/sheet1.xml").find("<dimension ref=\"A1:D9\"/>"),
            std::string::npos);
  const std::string strings = ZipMember(path, "xl/sharedStrings.xml");
  EXPECT_NE(strings.find("<t xml:space=\"preserve\">  indenté</t>"), std::string::npos);
  EXPECT_NE(strings.find("<t>belle</t>"), std::string::npos) << "the bell character left out";
  EXPECT_NE(strings.find("<t>" + std::string(32767, 'x') + "</t>"), std::string::npos)
      << "a text longer than a cell holds keeps its first 32 767 characters";
  std::filesystem::remove_all(folder);
}

TEST(SvgImages, ChartAsPngAtPrintResolutionAndAsPdf) {
  const auto folder = Folder("images");
  const std::string svg = RenderChartSvg(testing::FixtureChart());
  ASSERT_EQ(WriteSvgAsPng(svg, folder / "chart.png"), std::nullopt);
  ASSERT_EQ(WriteSvgAsPdf(svg, folder / "chart.pdf"), std::nullopt);
  // The PNG header: its size in big-endian words at bytes 16 and 20. The fixture's SVG is
  // 872.80 x 520 pixels of 1/96 inch; at 300 dpi that is 2728 x 1625.
  const std::string png = ReadBytes(folder / "chart.png");
  ASSERT_GE(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  const auto word = [&png](std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
      value = (value << 8) | static_cast<unsigned char>(png[at + i]);
    return value;
  };
  EXPECT_EQ(word(16), static_cast<std::uint32_t>(std::ceil(872.80 * 300 / 96)));
  EXPECT_EQ(word(20), static_cast<std::uint32_t>(std::ceil(520.0 * 300 / 96)));
  EXPECT_EQ(ReadBytes(folder / "chart.pdf").substr(0, 5), "%PDF-");
  EXPECT_NE(WriteSvgAsPng("not svg", folder / "bad.png"), std::nullopt);
  std::filesystem::remove_all(folder);
}

// The report's provenance: SHA-256 of the file's bytes (FIPS 180-4's example: "abc" is
// ba7816bf...f20015ad) and the block that names it, escaped.
TEST(Provenance, DigestAndBlock) {
  const auto folder = Folder("provenance");
  std::ofstream(folder / "abc.csv", std::ios::binary) << "abc";
  EXPECT_EQ(FileSha256((folder / "abc.csv").string()),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(FileSha256((folder / "none.csv").string()), "");
  Provenance provenance;
  provenance.program = "kpa 0.1.0";
  provenance.data_files = {{"a<b>.csv", 3, "ba78"}};
  provenance.selection = "x > 1";
  const std::string html = RenderProvenanceHtml(provenance);
  EXPECT_NE(html.find("<dt>Programme</dt><dd>kpa 0.1.0</dd>"), std::string::npos) << html;
  EXPECT_NE(html.find("a&lt;b&gt;.csv (3 octets, SHA-256 ba78)"), std::string::npos);
  EXPECT_NE(html.find("<dd>x &gt; 1</dd>"), std::string::npos);
  EXPECT_NE(html.find("<dt>Pondération</dt><dd>aucune</dd>"), std::string::npos);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kpa::host::render
