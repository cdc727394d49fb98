// A run stopped by Ctrl-C while it writes its outputs: it ends with the signal's exit code,
// and every file it leaves is whole: the numbered outputs, the workbook and the report, with
// no temporary file behind.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "cli/commands/commands.h"
#include "host/impl/headless_host.h"

namespace kpa::cli {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(InterruptedRun, LeavesEveryFileWholeAndSaysSo) {
  const auto folder = std::filesystem::temp_directory_path() / "kpa-cli-interrupted";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  {
    std::ofstream script(folder / "many.kps");
    script << "ProStartup.TypeOfAnalysis = scProSamplingPlans\nProStartup.OK\n"
              "ProSampling.Distribution = scProNormalMeans\nProSampling.AlphaError = 0.05\n"
              "ProSampling.BetaError = 0.1\nProSampling.HypothesizedMeanForH0 = 0\n"
              "ProSampling.HypothesizedMeanForH1 = 1\nProSampling.AssumedSigma = 1\n"
              "ProSampling.OK\n";
    for (int i = 0; i < 20000; ++i) script << "ProSamplingResults.Summary\n";
  }
  RunOptions options;
  options.script = folder / "many.kps";
  options.out_folder = folder / "out";
  std::ostringstream out;
  std::ostringstream err;
  int code = -1;
  std::thread run([&] { code = RunScript(options, out, err); });
  const auto first = folder / "out" / "002.txt";
  for (int wait = 0; wait < 2000 && !std::filesystem::exists(first); ++wait)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  host::HeadlessHost::RequestCancelFromSignal(SIGINT);
  run.join();

  EXPECT_EQ(code, kExitInterrupted + SIGINT);
  EXPECT_NE(err.str().find("kpa: interrupted at line "), std::string::npos) << err.str();
  int tables = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder / "out")) {
    const std::string name = entry.path().filename().string();
    EXPECT_FALSE(name.ends_with(".part")) << name;
    if (name.ends_with(".json")) {
      ++tables;
      EXPECT_TRUE(ReadFile(entry.path()).ends_with("}\n")) << name;
    }
  }
  EXPECT_GE(tables, 2);
  EXPECT_LT(tables, 20000);
  const std::string report = ReadFile(folder / "out" / "report.html");
  EXPECT_TRUE(report.ends_with("</html>\n"));
  // The final report shows every table written, no more and no fewer.
  std::size_t shown = 0;
  for (std::size_t at = report.find("<table"); at != std::string::npos;
       at = report.find("<table", at + 1))
    ++shown;
  EXPECT_EQ(shown, static_cast<std::size_t>(tables)) << "report tables";
  EXPECT_TRUE(std::filesystem::exists(folder / "out" / "results.xlsx"));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kpa::cli
