// Every data file shipped in examples/data reads without notices; the sizes of the public
// reference data sets and a few values are checked against what each file's own header
// comment says about its source. Example files made for a procedure's scripts only need to
// read cleanly.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <numeric>
#include <set>
#include <string>

#include "host/impl/data/data_file.h"

namespace kpa::host::data {
namespace {

const std::string kExamples = std::string(KPA_SOURCE_DIR) + "/examples/data/";

TEST(ExampleFiles, EveryFileReads) {
  struct Expected {
    std::int64_t cases;
    int variables;
  };
  // Case counts from the sources named in the files' comments.
  const std::map<std::string, Expected> expected = {
      {"ballbearing.csv", {23, 2}},             // Lieblein & Zelen: 23 bearings
      {"bfeed_lifetable.csv", {10, 3}},         // KMsurv lifetab intervals
      {"gage_aiag_msa.csv", {90, 4}},           // 10 parts x 3 appraisers x 3 trials
      {"gage_aiag_msa_sheet.csv", {9, 12}},     // 3 appraisers x 3 trials; 10 part columns
      {"gage_ss_data_rr.csv", {27, 4}},         // 3 prototypes x 3 operators x 3 runs
      {"genfan.csv", {70, 2}},                  // 70 diesel-generator fans
      {"groundbeef.csv", {254, 1}},             // 254 children
      {"pistonrings.csv", {200, 3}},            // 40 samples of 5
      {"pistonrings_aggregated.csv", {25, 6}},  // 25 Phase I samples
  };
  std::set<std::string> reference;
  for (const auto& entry : std::filesystem::directory_iterator(kExamples)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".csv") continue;
    SCOPED_TRACE(name);
    const ReadResult result = ReadDataFile(entry.path().string());
    EXPECT_TRUE(result.notices.empty());
    const auto found = expected.find(name);
    if (found == expected.end()) continue;
    reference.insert(name);
    EXPECT_EQ(result.data.CaseCount(), found->second.cases);
    EXPECT_EQ(result.data.VariableCount(), found->second.variables);
  }
  EXPECT_EQ(reference.size(), expected.size()) << "a reference data set is missing";
}

TEST(ExampleFiles, PistonRingsTrialIsCodedInOrderOfAppearance) {
  const DataSet data = ReadDataFile(kExamples + "pistonrings.csv").data;
  const int trial = data.FindVariable("TRIAL");
  ASSERT_EQ(trial, 3);
  EXPECT_EQ(data.variable(trial).value_labels,
            (std::map<double, std::string>{{1.0, "TRUE"}, {2.0, "FALSE"}}));
  // Samples 1-25 (cases 1-125) are the Phase I data, marked TRUE.
  for (std::int64_t c = 1; c <= data.CaseCount(); ++c) {
    ASSERT_EQ(data.Value(trial, c), c <= 125 ? 1.0 : 2.0) << "case " << c;
  }
  EXPECT_EQ(data.Value(1, 1), 74.03);
  EXPECT_EQ(data.Value(2, 200), 40.0);
}

TEST(ExampleFiles, LifeTableCountsAddUpToTheChildrenEntering) {
  const DataSet data = ReadDataFile(kExamples + "bfeed_lifetable.csv").data;
  const auto& censored = data.variable(data.FindVariable("censored")).values;
  const auto& failed = data.variable(data.FindVariable("failed")).values;
  // 927 children enter the first interval and each leaves by censoring or weaning.
  EXPECT_EQ(std::accumulate(censored.begin(), censored.end(), 0.0) +
                std::accumulate(failed.begin(), failed.end(), 0.0),
            927.0);
}

}  // namespace
}  // namespace kpa::host::data
