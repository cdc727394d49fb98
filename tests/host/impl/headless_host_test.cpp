// The headless host: outputs numbered and written to the output folder (the files asked
// for), messages and
// questions, cancel injection, the keyword store, and data files kept when a new one fails.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/api/special_values.h"
#include "host/impl/data/data_set.h"
#include "host/impl/headless_host.h"
#include "host/impl/keyword_store.h"

namespace kpa::host {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class HeadlessHostTest : public ::testing::Test {
 protected:
  HeadlessHostTest()
      : folder_(std::filesystem::temp_directory_path() /
                ("kpa-host-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()))) {
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  ~HeadlessHostTest() override { std::filesystem::remove_all(folder_); }

  HeadlessHost MakeHost() {
    HeadlessOptions options;
    options.out = &out_;
    options.err = &err_;
    return HeadlessHost(options);
  }

  static TableSpec SmallTable() {
    TableSpec table;
    table.title = {"Synthèse", "", ""};
    table.row_header = "Estim.";
    table.columns = {{"Valeur", "", 10, 3}};
    table.row_labels = {"Moyenne", "Absente"};
    table.values = {74.0012, kMissing};
    return table;
  }

  std::filesystem::path folder_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(HeadlessHostTest, OutputsAreNumberedAndWrittenInEveryFormat) {
  HeadlessHost host = MakeHost();
  host.SetOutputFolder(folder_ / "out");
  EXPECT_EQ(host.ShowTable(SmallTable()), kOutputShown);
  ChartSpec chart;
  chart.title = {"Courbe d'efficacité"};
  chart.series = {{"N = 11", {{0.0, 0.05}, {1.0, 0.9}}, SeriesStyle::kLine}};
  EXPECT_EQ(host.ShowChart(chart), kOutputShown);
  DiagramSpec diagram;
  diagram.title = {{"Diagrammes de Causes-Effets ", 15.0}};
  diagram.arrows = {{{0.9, 0.5}, {0.1, 0.5}, 1.0, 10.0, 15.0, {0, 0, 255}}};
  EXPECT_EQ(host.ShowDiagram(diagram), kOutputShown);
  host.WriteText("PLAN d'ECHANTILLONNAGE FIXE & SEQUENTIEL :");
  host.ShowMessage("La probabilité alpha doit être > 0,0");

  for (const char* name : {"001.txt", "001.csv", "001.json", "002.json", "002.svg", "003.json",
                           "003.svg", "messages.txt", "report.html"})
    EXPECT_TRUE(std::filesystem::exists(folder_ / "out" / name)) << name;
  const std::string json = ReadFile(folder_ / "out" / "001.json");
  EXPECT_NE(json.find("\"kind\": \"table\""), std::string::npos) << json;
  EXPECT_NE(json.find("null"), std::string::npos) << "a missing cell is null: " << json;
  EXPECT_EQ(ReadFile(folder_ / "out" / "messages.txt"), "La probabilité alpha doit être > 0,0\n");
  EXPECT_TRUE(host.FinishOutputs().empty());
  const std::string report = ReadFile(folder_ / "out" / "report.html");
  const auto table_at = report.find("Synthèse");
  const auto chart_at = report.find("<svg");
  const auto text_at = report.find("ECHANTILLONNAGE FIXE");
  ASSERT_NE(table_at, std::string::npos);
  ASSERT_NE(chart_at, std::string::npos);
  const auto diagram_at = report.find("Diagrammes de Causes-Effets");
  EXPECT_LT(table_at, chart_at);  // in the order they were produced
  EXPECT_LT(chart_at, diagram_at);
  EXPECT_LT(diagram_at, text_at);
  EXPECT_NE(ReadFile(folder_ / "out" / "003.json").find("\"kind\": \"diagram\""),
            std::string::npos);
  EXPECT_NE(out_.str().find("74.001"), std::string::npos) << "tables are printed: " << out_.str();
  EXPECT_NE(err_.str().find("message: La probabilité"), std::string::npos);
}

// A folder is one run's at a time; a later run clears the outputs an earlier one left there
// (and nothing else), and no temporary file is left behind.
TEST_F(HeadlessHostTest, AnOutputFolderHoldsOneRunsOutputs) {
  const std::filesystem::path out = folder_ / "out";
  {
    HeadlessHost first = MakeHost();
    first.SetOutputFolder(out);
    first.ShowTable(SmallTable());
    first.ShowTable(SmallTable());
    first.ShowMessage("un message");
    HeadlessHost second = MakeHost();
    EXPECT_THROW(second.SetOutputFolder(out), std::runtime_error);
    first.FinishOutputs();
  }
  std::ofstream(out / "notes.txt") << "mine";
  HeadlessHost later = MakeHost();
  later.SetOutputFolder(out);
  later.ShowTable(SmallTable());
  later.FinishOutputs();
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(out))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  const std::vector<std::string> expected = {".kpa-lock", "001.csv",     "001.json",    "001.txt",
                                             "notes.txt", "report.html", "results.xlsx"};
  EXPECT_EQ(names, expected);
}

// Each table's own files are those asked for; its sheet and its place in the report stay.
TEST_F(HeadlessHostTest, TablesGetTheFilesAskedFor) {
  EXPECT_TRUE(ParseTableFormats("txt,csv,json").txt);
  EXPECT_THROW(ParseTableFormats("csv,xml"), std::invalid_argument);
  EXPECT_THROW(ParseImageFormats("svg,jpeg"), std::invalid_argument);
  const ImageFormats images = ParseImageFormats(",pdf,svg,");
  EXPECT_TRUE(images.pdf && !images.png);
  for (const auto& [asked, kept] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {"csv", {"001.csv"}}, {"json,txt", {"001.json", "001.txt"}}, {"none", {}}, {"", {}}}) {
    SCOPED_TRACE(asked);
    const std::filesystem::path out = folder_ / "out";
    HeadlessOptions options;
    options.out = &out_;
    options.err = &err_;
    options.tables = ParseTableFormats(asked);
    HeadlessHost host(options);
    host.SetOutputFolder(out);
    host.ShowTable(SmallTable());
    EXPECT_TRUE(host.FinishOutputs().empty());
    std::vector<std::string> numbered;
    for (const auto& entry : std::filesystem::directory_iterator(out))
      if (entry.path().filename().string().starts_with("001"))
        numbered.push_back(entry.path().filename().string());
    std::sort(numbered.begin(), numbered.end());
    EXPECT_EQ(numbered, kept);
    EXPECT_TRUE(std::filesystem::exists(out / "results.xlsx"));
    EXPECT_NE(ReadFile(out / "report.html").find("Synthèse"), std::string::npos);
  }
}

TEST_F(HeadlessHostTest, QuestionsTakeQueuedAnswersElseTheDefault) {
  HeadlessHost host = MakeHost();
  host.QueueAnswer(false);
  EXPECT_FALSE(host.AskYesNo("Remplacer ?", true));
  EXPECT_TRUE(host.AskYesNo("Remplacer ?", true));
  EXPECT_FALSE(host.AskYesNo("Remplacer ?", false));
  host.QueueNumber(25.0);
  EXPECT_EQ(host.AskNumber("Taille", "N :", 10.5), 25.0);
  EXPECT_EQ(host.AskNumber("Taille", "N :", 10.5), std::nullopt);  // nothing queued: cancel
  EXPECT_FALSE(host.OpenDataFileDialog());
}

TEST_F(HeadlessHostTest, CancelAtAProgressStepLastsForTheRequest) {
  HeadlessHost host = MakeHost();
  host.SetCancelAtProgressStep(3);
  host.ProgressStart(10, "Calculs");
  host.ProgressStep(2);
  EXPECT_FALSE(host.IsCancelled());
  host.ProgressStep(3);
  EXPECT_TRUE(host.IsCancelled());
  host.BeginRequest();
  EXPECT_FALSE(host.IsCancelled());
  HeadlessHost::RequestCancelFromSignal(SIGINT);  // Ctrl-C
  EXPECT_TRUE(host.IsCancelled());
  host.BeginRequest();
}

// One pass over a million cases draws the bar a hundred times at most, and ends it at 100 %.
TEST_F(HeadlessHostTest, TheProgressBarIsDrawnWhenItsPercentageChanges) {
  HeadlessOptions options;
  options.err = &err_;
  options.progress_bar = true;
  HeadlessHost host(options);
  constexpr std::int64_t kCases = 1'000'000;
  host.ProgressStart(kCases, "Lecture");
  for (std::int64_t done = 1; done <= kCases; ++done) host.ProgressStep(done);
  const std::string drawn = err_.str();
  const auto draws = std::count(drawn.begin(), drawn.end(), '\r');
  EXPECT_GE(draws, 2);
  EXPECT_LE(draws, 102);
  EXPECT_TRUE(drawn.ends_with("] 100%")) << drawn.substr(drawn.size() - 60);
}

TEST_F(HeadlessHostTest, AFailedOpenKeepsTheOpenFileAndItsCondition) {
  std::ofstream(folder_ / "a.csv") << "x,grp\n1,A\n2,B\n3,A\n";
  std::ofstream(folder_ / "b.csv") << "x\n1\n2,3\n";
  HeadlessHost host = MakeHost();
  host.OpenDataFile((folder_ / "a.csv").string());
  host.SetSelectionCondition("grp = \"A\"");
  host.SetWeightVariable("x");
  EXPECT_THROW(host.OpenDataFile((folder_ / "b.csv").string()), data::DataFileError);
  EXPECT_EQ(host.CaseCount(), 3);
  EXPECT_EQ(host.ReadCase(1, 2).status, CaseStatus::kExcluded);
  EXPECT_EQ(host.ReadCase(1, 3).status, CaseStatus::kRead);
  EXPECT_EQ(host.ReadCase(3, 1).status, CaseStatus::kFailure);
  EXPECT_EQ(host.ReadCase(1, 4).status, CaseStatus::kFailure);
  EXPECT_DOUBLE_EQ(host.CaseWeight(3), 3.0);
  EXPECT_EQ(host.ValueLabelText(2, 2.0), "B");
}

TEST_F(HeadlessHostTest, KeywordStoreSurvivesASecondSession) {
  const auto file = folder_ / "config" / "keywords.ini";
  {
    KeywordStore store(file);
    EXPECT_TRUE(store.Put("Ishikawa", "TitleFont", "14"));
    EXPECT_TRUE(store.Put("Ishikawa", "Arrows", "0.5"));
    EXPECT_TRUE(store.Put("Autre", "x", "é"));
  }
  KeywordStore again(file);
  EXPECT_EQ(again.Get("Ishikawa", "TitleFont"), "14");
  EXPECT_EQ(again.Get("Autre", "x"), "é");
  EXPECT_EQ(again.Get("Ishikawa", "Missing"), std::nullopt);
}

// A FIFO in the store's place would block every run: it is neither read nor written over.
TEST_F(HeadlessHostTest, KeywordStoreLeavesAFifoAlone) {
  const auto file = folder_ / "keywords.ini";
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  KeywordStore store(file);
  EXPECT_EQ(store.Get("Ishikawa", "TitleFont"), std::nullopt);
  EXPECT_FALSE(store.Put("Ishikawa", "TitleFont", "14"));
  EXPECT_EQ(store.Get("Ishikawa", "TitleFont"), "14");  // kept for the session
  EXPECT_TRUE(std::filesystem::is_fifo(file));
}

}  // namespace
}  // namespace kpa::host
