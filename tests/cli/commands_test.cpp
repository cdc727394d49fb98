// The subcommands as a user meets them: the demo job runs clean on the shipped examples,
// `members` lists the library, a bad script or data file gives its exit code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/commands/calc_command.h"
#include "cli/commands/commands.h"
#include "support/golden.h"

namespace kpa::cli {
namespace {

std::filesystem::path TempFolder(const std::string& name) {
  const auto folder = std::filesystem::temp_directory_path() / ("kpa-cli-" + name);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

TEST(Commands, DemoRunsCleanAndWritesItsReport) {
  const auto folder = TempFolder("demo");
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(RunDemo(std::filesystem::path(KPA_SOURCE_DIR) / "examples", folder, out, err),
            kExitDone)
      << err.str();
  EXPECT_TRUE(std::filesystem::exists(folder / "report.html"));
  EXPECT_TRUE(std::filesystem::exists(folder / "001.txt"));
  EXPECT_EQ(err.str().find("message:"), std::string::npos) << err.str();
  std::filesystem::remove_all(folder);
}

// Runs an example into a fresh folder and compares one of its charts with the reviewed SVG.
void ExpectExampleChart(const char* example, const char* chart, const char* golden) {
  const auto folder = TempFolder(golden);
  RunOptions options;
  options.script = std::filesystem::path(KPA_SOURCE_DIR) / "examples" / example;
  options.out_folder = folder;
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(RunScript(options, out, err), kExitDone) << err.str();
  std::ifstream svg(folder / chart, std::ios::binary);
  std::stringstream text;
  text << svg.rdbuf();
  testing::ExpectGoldenFile("tests/cli/golden", golden, text.str());
  std::filesystem::remove_all(folder);
}

// The cause-and-effect example drawn end to end (six bones with long names and long labels).
TEST(Commands, CauseEffectExampleDrawsTheReviewedDiagram) {
  ExpectExampleChart("cause_effect_defects.kps", "001.svg", "cause_effect_defects.svg");
}

// The fans drawn on Weibull probability paper (the example's second sheet): p lines,
// labelled time lines, the 63.2 % abscissa, the failures at their median ranks and the
// least-squares line with the parameters read from it.
TEST(Commands, PaperExampleDrawsTheReviewedSheet) {
  ExpectExampleChart("weibull_paper.kps", "002.svg", "weibull_paper.svg");
}

// The piston rings' capability histogram: the bars of the neat categories, the normal curve
// as expected counts, the LSI, NOMINAL and LSS lines with the -/+ 3 sigma lines, and the
// title lines with the specification and the normal indices.
TEST(Commands, CapabilityExampleDrawsTheReviewedHistogram) {
  ExpectExampleChart("capability_pistonrings.kps", "005.svg", "capability_histogram.svg");
}

TEST(Commands, MembersListsTheLibraryAndOneInterface) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(ListMembers(std::nullopt, out, err), kExitDone);
  EXPECT_NE(out.str().find("ProCauseAndEffectDiagrams"), std::string::npos);
  EXPECT_NE(out.str().find("ProMethod: scProRawDataProcessCapabilityAndToleranceIntervals=0"),
            std::string::npos);
  out.str("");
  EXPECT_EQ(ListMembers(std::string("prostartup"), out, err), kExitDone);
  EXPECT_NE(out.str().find("0x60030000  TypeOfAnalysis"), std::string::npos) << out.str();
  EXPECT_EQ(ListMembers(std::string("ProNothing"), out, err), kExitUsage);
  out.str("");
  EXPECT_EQ(ListMembers(std::nullopt, out, err), kExitDone);
  EXPECT_EQ(out.str().rfind("QRXProcessAnalysis: KORVANA 6 Process Analysis Library (help file "
                            "qrv6om.chm, locale 0x0409)\n",
                            0),
            0u);
  EXPECT_NE(out.str().find("each extends QrxAnalysisDialog, \"KORVANA Dialog\""),
            std::string::npos);
  out.str("");
  EXPECT_EQ(ListMembers(std::string("QrxAnalysisDialog"), out, err), kExitDone);
  EXPECT_NE(out.str().find("0x0000000c  ResultsOutputFields"), std::string::npos) << out.str();
  out.str("");
  // Both help strings of a property whose writer is described apart, each as it stands.
  EXPECT_EQ(ListMembers(std::string("ProProcessCapability"), out, err), kExitDone);
  EXPECT_NE(out.str().find("\"Beta distrbution, fit to data\" / \"Beta distribution, fit to "
                           "data\""),
            std::string::npos);
}

// The whole library as JSON: every member of the 21 interfaces (305) and of the base
// interface (13) once, with both help strings where a property has two.
TEST(Commands, MembersAsJsonHoldTheWholeLibrary) {
  std::ostringstream out;
  EXPECT_EQ(ListMembersJson(out), kExitDone);
  const std::string text = out.str();
  std::size_t members = 0;
  for (std::size_t at = text.find("\"dispatch_id\""); at != std::string::npos;
       at = text.find("\"dispatch_id\"", at + 1))
    ++members;
  EXPECT_EQ(members, 305u + 13u);
  EXPECT_NE(text.find("\"help_file\": \"qrv6om.chm\""), std::string::npos);
  EXPECT_NE(text.find("\"writer_help\": \"Beta distribution, fit to data\""), std::string::npos);
  EXPECT_NE(text.find("\"name\": \"scProCauseAndEffectDiagrams\""), std::string::npos);
}

TEST(Commands, ExitCodesNameTheFailure) {
  const auto folder = TempFolder("codes");
  std::ofstream(folder / "syntax.kps") << "ProStartup.OK\nProStartup.TypeOfAnalysis = = 3\n";
  std::ofstream(folder / "ok.kps") << "Print Host.Cases\n";
  std::ofstream(folder / "ragged.csv") << "a,b\n1,2\n3\n";
  struct Case {
    const char* script;
    std::optional<std::filesystem::path> data;
    int code;
    const char* message;
  };
  const Case cases[] = {
      {"syntax.kps", std::nullopt, kExitUsage, "syntax.kps:2:29: expected a value"},
      {"missing.kps", std::nullopt, kExitUsage, "cannot read the script"},
      {"ok.kps", folder / "ragged.csv", kExitDataFile, "ragged.csv:3"},
      {"ok.kps", folder / "absent.csv", kExitDataFile, "absent.csv"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    RunOptions options;
    options.script = folder / c.script;
    options.data = c.data;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunScript(options, out, err), c.code);
    EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
  }
  std::filesystem::remove_all(folder);
}

// The shell shows captions as a person reads them (no style prefix, no accelerator marks)
// and the controls tab by tab.
TEST(Commands, ShellShowsReadableCaptionsTabByTab) {
  std::istringstream in(
      "ProStartup.TypeOfAnalysis = scProSamplingPlans\nProStartup.OK\n"
      "ProSampling.OK\n");
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunShell(ShellOptions{}, in, out, err, false), kExitDone);
  const std::string view = out.str();
  EXPECT_NE(view.find("   1  button  \"OK\"  [OK]"), std::string::npos) << view;  // "g&OK"
  EXPECT_NE(view.find("\"Synthèse :  Résultats du plan d'échantillonnage fixe\"  [Summary]"),
            std::string::npos);  // "!249S&ynthèse :  ..."
  EXPECT_NE(view.find("   -- tab Plan d'échantillonnage séquentiel (3180)\n"), std::string::npos);
  EXPECT_EQ(view.find("\"&"), std::string::npos);         // no caption opens with a mark
  EXPECT_EQ(err.str().find("step "), std::string::npos);  // transitions only with --trace
}

TEST(Commands, CalcSaysWhyItHasNoValue) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCalc({"d2", "25"}, std::nullopt, out, err), kExitDone);
  EXPECT_EQ(out.str(), "3.93062922\n");
  out.str("");
  EXPECT_EQ(RunCalc({"d2", "26"}, std::nullopt, out, err), kExitOther);
  EXPECT_EQ(out.str(), "");  // never the error sentinel -8.88e-36
  EXPECT_EQ(err.str(), "kpa calc: no value: N must lie in 2..25\n");

  // An answer that cannot be written to --out fails, saying which file.
  const auto folder = TempFolder("calc-out");
  std::filesystem::create_directories(folder / "001.txt");  // a folder where the file goes
  err.str("");
  EXPECT_EQ(RunCalc({"d2", "25"}, folder, out, err), kExitOther);
  EXPECT_NE(err.str().find("cannot write"), std::string::npos) << err.str();
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kpa::cli
