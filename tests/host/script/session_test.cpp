// Statements executed in a session: member access through the open dialog, the rules for
// addressing interfaces, the host statements and how failures are reported.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/script/session.h"

namespace kpa::script {
namespace {

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    folder_ = std::filesystem::temp_directory_path() /
              ("kpa-session-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "d.csv") << "Operator,length\nAnn,1.5\nBob,2.5\nAnn,3\n";
    SessionOptions options;
    options.host.out = &out_;
    options.host.err = &err_;
    options.trace = true;
    options.base_folder = folder_;
    session_ = std::make_unique<Session>(options);
    session_->Start();
  }
  ~SessionTest() override { std::filesystem::remove_all(folder_); }

  Outcome Run(const std::string& line) {
    const auto statements = ParseLine(line, "t.kps", ++line_);
    return session_->Execute(statements.at(0), "t.kps");
  }

  std::filesystem::path folder_;
  std::ostringstream out_;
  std::ostringstream err_;
  std::unique_ptr<Session> session_;
  int line_ = 0;
};

TEST_F(SessionTest, WalksTheChainThroughInterfaces) {
  EXPECT_EQ(Run("Print ProStartup.TypeOfAnalysis"), Outcome::kOk);
  EXPECT_EQ(Run("ProStartup.TypeOfAnalysis = scProSamplingPlans"), Outcome::kOk);
  EXPECT_EQ(Run("Print Dialog.TypeOfAnalysis"), Outcome::kOk);
  EXPECT_EQ(Run("ProStartup.OK"), Outcome::kOk);
  EXPECT_EQ(session_->OpenInterfaceName(), "ProSampling");
  EXPECT_EQ(Run("Print Dialog.Name"), Outcome::kOk);
  EXPECT_EQ(Run("ProSampling.Cancel"), Outcome::kOk);
  EXPECT_EQ(out_.str(),
            "scProRawDataProcessCapabilityAndToleranceIntervals\nscProSamplingPlans\n"
            "Plans d'échantillonnage - Spécifications\n");
  EXPECT_NE(err_.str().find("step 101 -> 102 (Plans d'Echantillonnage )"), std::string::npos);
  EXPECT_NE(err_.str().find("step 102 -> 101 (Procédures d'Analyse de Processus )"),
            std::string::npos);
}

TEST_F(SessionTest, RefusesWithAClearMessage) {
  struct Case {
    const char* line;
    const char* message;
  };
  const Case cases[] = {
      {"ProSampling.AlphaError = 0.05",
       "ProSampling is not the open dialog; the open dialog is ProStartup"},
      {"Nowhere.X = 1", "there is no interface named Nowhere"},
      {"ProStartup.Colour = 1", "ProStartup has no member Colour"},
      {"ProStartup.TypeOfAnalysis = 2", "2 is not a ProMethod value"},
      {"ProStartup.TypeOfAnalysis = \"Capabilité\"", "takes ProMethod"},
      {"ProStartup.TypeOfAnalysis = scProTypo", "'scProTypo' is not an enumerator"},
      {"ProStartup.TypeOfAnalysis(1)", "is a property"},
      {"ProStartup.OK(1)", "takes no arguments"},
      {"Print ProStartup.ResultsOption", "can be written but not read"},
      {"ProStartup.Name = \"x\"", "can be read but not written"},
      {"Host.SelectionCondition = \"length >\"", "selection condition, column"},
      {"Host.WeightVariable = \"nothing\"", "no variable is named 'nothing'"},
      {"Host.Clock = \"2026-13-01\"", "YYYY-MM-DD HH:MM:SS"},
      {"Host.Clock = \"1000-01-01\"", "YYYY-MM-DD HH:MM:SS"},  // the clock would wrap around
      {"Host.Fly(1)", "Host has no action Fly"},
  };
  ASSERT_EQ(Run("Host.OpenDataFile(\"d.csv\")"), Outcome::kOk);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    err_.str("");
    EXPECT_EQ(Run(c.line), Outcome::kFailed);
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
    EXPECT_EQ(err_.str().rfind("t.kps:" + std::to_string(line_) + ":", 0), 0u) << err_.str();
  }
  EXPECT_EQ(session_->OpenInterfaceName(), "ProStartup");  // nothing moved
}

TEST_F(SessionTest, HostStatementsReachTheData) {
  EXPECT_EQ(Run("Host.OpenDataFile(\"d.csv\")"), Outcome::kOk);
  EXPECT_EQ(Run("Host.SelectionCondition = \"Operator = 'Ann' and length > 2\""), Outcome::kOk);
  EXPECT_EQ(session_->Host().ReadCase(2, 1).status, host::CaseStatus::kExcluded);
  EXPECT_EQ(session_->Host().ReadCase(2, 3).status, host::CaseStatus::kRead);
  EXPECT_EQ(Run("Host.WeightVariable = \"length\""), Outcome::kOk);
  EXPECT_DOUBLE_EQ(session_->Host().CaseWeight(2), 2.5);
  EXPECT_EQ(Run("Host.Clock = \"2026-12-06 10:30:00\""), Outcome::kOk);
  EXPECT_EQ(Run("Print Host.Clock"), Outcome::kOk);
  EXPECT_EQ(Run("Print Host.Cases"), Outcome::kOk);
  EXPECT_EQ(out_.str(), "2026-12-06 10:30:00\n3\n");
  EXPECT_EQ(Run("Host.OpenDataFile(\"missing.csv\")"), Outcome::kDataFileError);
  EXPECT_EQ(session_->Host().CaseCount(), 3);  // the open file stays
}

TEST_F(SessionTest, OpenButtonTakesTheQueuedFileName) {
  EXPECT_EQ(Run("Host.QueueFileName(\"d.csv\")"), Outcome::kOk);
  EXPECT_FALSE(session_->Host().HasDataFile());
  session_->Process().CurrentDialog()->Press(216);
  EXPECT_TRUE(session_->Host().HasDataFile());
  session_->Process().CurrentDialog()->Press(216);  // nothing queued: cancelled
  EXPECT_EQ(session_->Host().CaseCount(), 3);
}

TEST_F(SessionTest, AfterTheAnalysisEndsNoDialogAnswers) {
  EXPECT_EQ(Run("ProStartup.Cancel"), Outcome::kOk);
  err_.str("");
  EXPECT_EQ(Run("Dialog.OK"), Outcome::kFailed);
  EXPECT_NE(err_.str().find("the analysis has ended"), std::string::npos);
}

}  // namespace
}  // namespace kpa::script
