// The sampling dialogs through their automation interfaces, as a script drives them: the
// step chain, the order and messages of the checks, the custom sample size, the sequential
// requests with observed data, and the summary table's layout.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "automation/type_library.h"
#include "host/api/special_values.h"
#include "resources/ids/sampling_controls.h"
#include "sampling/model/fixed_plan.h"
#include "sampling/sampling_fixture.h"
#include "shell/results/fixed_text.h"

namespace kpa::sampling {
namespace {

using automation::AutomationStatus;
using automation::Variant;

TEST(SamplingMembers, DispatchIdentifiers) {
  const auto* sampling = automation::FindInterface("ProSampling");
  ASSERT_NE(sampling, nullptr);
  std::map<std::string, std::uint32_t> ids;
  for (const auto& member : automation::MembersOf(*sampling))
    ids[std::string(member.row->member)] = member.dispatch_id;
  EXPECT_EQ(ids["Distribution"], 0x60030000u);
  EXPECT_EQ(ids["TestCriterion"], 0x60030002u);
  EXPECT_EQ(ids["AlphaError"], 0x60030004u);
  EXPECT_EQ(automation::FindInterface("ProSamplingResults")->members.size(), 7u);
  EXPECT_EQ(automation::FindInterface("ProSamplingResultsBinomial")->members.size(), 9u);
}

using SpecificationTest = SamplingChain;

TEST_F(SpecificationTest, ChecksInOrderKeepingWhatPassed) {
  struct Row {
    const char* name;
    std::vector<std::pair<const char*, double>> entries;
    int message;
  };
  const Row rows[] = {
      {"alpha 1", {{"AlphaError", 1.0}}, strings::kAlphaNotBelowOne},
      {"alpha 0", {{"AlphaError", 0.0}}, strings::kAlphaNotPositive},
      {"beta after a good alpha",
       {{"AlphaError", 0.1}, {"BetaError", 1.0}},
       strings::kBetaNotBelowOne},
      {"H1 equal to H0", {{"HypothesizedMeanForH1", 0.0}}, strings::kH1EqualsH0},
      {"sigma 0", {{"AssumedSigma", 0.0}}, strings::kSigmaNotPositive},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Restart();
    host_.messages.clear();
    for (const auto& [member, value] : row.entries)
      ASSERT_EQ(Put(member, value), AutomationStatus::kOk);
    EXPECT_EQ(Call("OK"), AutomationStatus::kOk);
    EXPECT_EQ(Step(), 102);
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0], host_.strings[row.message]);
  }
  // The refused alpha shows the last accepted one again; an alpha that passed is kept.
  EXPECT_EQ(std::get<double>(Get("AlphaError")), 0.05);
  Restart();
  Set("AlphaError", 0.1);
  Set("BetaError", 1.0);
  (void)Call("OK");
  EXPECT_EQ(Sampling().alpha, 0.1);
  EXPECT_EQ(std::get<double>(Get("BetaError")), 0.1);
}

TEST_F(SpecificationTest, DistributionShowsItsOwnFieldsAndHidesSigma) {
  Set("HypothesizedMeanForH0", 3.0);
  Set("Distribution", std::string("scProBinomialProportions"));
  EXPECT_EQ(std::get<double>(Get("HypothesizedMeanForH0")), 0.1);
  EXPECT_EQ(Put("AssumedSigma", 2.0), AutomationStatus::kControlDisabled);
  Set("TestCriterion", std::string("scProOneSidedLeft"));
  Set("HypothesizedMeanForH1", 0.1);
  (void)Call("OK");
  EXPECT_EQ(host_.messages.back(), host_.strings[strings::kH1NotBelow]);
  Set("HypothesizedMeanForH1", 0.05);
  (void)Call("OK");
  EXPECT_EQ(Step(), 106);
  EXPECT_EQ(process_->CurrentDialog()->TemplateNumber(),
            shell::templates::kSamplingResultsBinomial);
  // The sigma used is written back into the binomial sigma.
  EXPECT_DOUBLE_EQ(Sampling().sigma[1], 0.3);
}

TEST_F(SpecificationTest, SearchBeyondTheLimitStaysWithItsMessage) {
  Set("HypothesizedMeanForH1", 0.01);
  (void)Call("OK");
  EXPECT_EQ(Step(), 102);
  EXPECT_EQ(host_.messages.back(), host_.strings[strings::kSampleSizeAboveLimit]);
}

class ResultsTest : public SamplingChain {
 protected:
  void SetUp() override {
    SamplingChain::SetUp();
    (void)Call("OK");
    ASSERT_EQ(Step(), 106);
  }
  shell::CAnalysisModelessDialog& Dialog() { return *process_->CurrentDialog(); }
  std::string ControlText(int id) { return Dialog().FindControl(id)->TextValue(); }
};

TEST_F(ResultsTest, SummaryLayout) {
  ASSERT_EQ(Call("Summary"), AutomationStatus::kOk);
  ASSERT_EQ(host_.tables.size(), 1u);
  const host::TableSpec& table = host_.tables[0];
  EXPECT_EQ(table.title[0], "Plan d'Ech. Fixe");
  EXPECT_EQ(table.row_header, "Estim.");
  EXPECT_EQ(table.row_label_width, 24);
  ASSERT_EQ(table.RowCount(), 9u);
  ASSERT_EQ(table.ColumnCount(), 1u);
  EXPECT_EQ(table.columns[0].name, "Valeur");
  const std::vector<std::string> labels = {
      "Distribution", "Sigma Supposé",         "N (calc. depuis bêta)",
      "Moyenne(H0)",  "Moyenne(H1)",           "Erreur alpha (bilatéral)",
      "Err. Bêta",    "Limite conf. inf.(H0)", "Limite conf. sup.(H0)"};
  EXPECT_EQ(table.row_labels, labels);
  EXPECT_EQ(*table.texts[0], "Moy. normale");
  EXPECT_EQ(table.Value(0, 0), 1.0);
  // Row 3 keeps all 14 characters: rounded-up N, then the exact N in parentheses.
  EXPECT_EQ(*table.texts[2], "11 (10.507)");
  EXPECT_NEAR(table.Value(2, 0), 10.5074, 1e-4);
  EXPECT_EQ(static_cast<float>(table.Value(2, 0)), static_cast<float>(Sampling().computed_n));
  EXPECT_NEAR(table.Value(7, 0), -0.6046, 1e-4);
  EXPECT_EQ(table.options.at(0), 156);
}

// The description block as its table places it: each label at its column cut to its
// length, each number right after it (or at column 36 for H0 and H1); the binomial and
// Poisson names whole (20 and 19 characters), the normal one cut to 12; beta is the one
// asked for, also under a custom N.
TEST_F(ResultsTest, DescriptionBlockRowByRow) {
  const auto block = [this] {
    std::vector<std::string> lines;
    std::istringstream text(ControlText(controls::kDescription));
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
  };
  const std::vector<std::string> normal = {
      "",
      "",
      "",
      "     Distribution :Moy. normale",
      "     Erreur alpha (rejeter H0 quand H0 est vraie) : 0.0500",
      "     Erreur bêta  (rejeter H1 quand H1 est vraie) :0.1000",
      "     Moy. sous l'hypothèse : H0 :  0.00000  (hypothèse ou spécification)",
      "                             H1 :  1.00000  (hypothèse alternative)",
      "     Sigma (écart-type) supposé :        1.00000",
      "     Critère test :  Bilatéral"};
  EXPECT_EQ(block(), normal);
  ASSERT_EQ(Put("SampleSize", 16.0), AutomationStatus::kOk);
  EXPECT_NE(Sampling().achieved_beta, Sampling().beta);
  EXPECT_EQ(block(), normal);

  (void)Call("Cancel");
  Set("Distribution", std::string("scProBinomialProportions"));
  Set("TestCriterion", std::string("scProOneSidedRight"));
  Set("HypothesizedMeanForH0", 0.1);
  Set("HypothesizedMeanForH1", 0.2);
  ASSERT_EQ(Call("OK"), AutomationStatus::kOk);
  std::vector<std::string> binomial = block();
  ASSERT_EQ(binomial.size(), 10u);
  EXPECT_EQ(binomial[3], "     Distribution :Proport. Binomiales");
  EXPECT_EQ(binomial[6],
            "     Moy. sous l'hypothèse : H0 :  0.10000  (hypothèse ou spécification)");
  EXPECT_EQ(binomial[8], "");  // no sigma line
  EXPECT_EQ(binomial[9], "     Critère test :  Test unilatéral à droite");

  (void)Call("Cancel");
  Set("Distribution", std::string("scProPoissonFrequencies"));
  Set("HypothesizedMeanForH0", 10.0);
  Set("HypothesizedMeanForH1", 12.0);
  ASSERT_EQ(Call("OK"), AutomationStatus::kOk);
  EXPECT_EQ(block().at(3), "     Distribution :Fréq. de Poisson");
}

TEST_F(ResultsTest, CustomSampleSize) {
  EXPECT_NE(ControlText(controls::kComputedSizeLine).find("11 (10.507"), std::string::npos);
  // 118 opens the modal dialog: cancelled, nothing changes.
  host_.numbers = {std::nullopt};
  Dialog().Press(controls::kSampleSize);
  EXPECT_EQ(Sampling().mode, shell::SampleSizeMode::kComputed);
  // A refused value keeps the dialog open: the next answer is taken.
  host_.numbers = {0.5, 25.0};
  Dialog().Press(controls::kSampleSize);
  EXPECT_EQ(host_.messages.back(), host_.strings[strings::kCustomSizeBelowOne]);
  EXPECT_EQ(Sampling().mode, shell::SampleSizeMode::kCustom);
  EXPECT_EQ(std::get<double>(Get("SampleSize")), 25.0);
  EXPECT_TRUE(Dialog().FindControl(controls::kCustomSizeLine)->visible);
  EXPECT_FALSE(Dialog().FindControl(controls::kComputedSizeLine)->visible);
  PlanInputs inputs;
  EXPECT_DOUBLE_EQ(Sampling().achieved_beta, BetaForSampleSize(inputs, 25.0).beta);
  // Pressed again: back to the computed size.
  Dialog().Press(controls::kSampleSize);
  EXPECT_NEAR(std::get<double>(Get("SampleSize")), 10.5074, 1e-4);
  // Written by a script: the module's messages refuse what the modal dialog refuses.
  EXPECT_EQ(Put("SampleSize", 1e9), AutomationStatus::kFailure);
  EXPECT_EQ(last_error_, host_.strings[strings::kCustomSizeTooLarge]);
  EXPECT_EQ(Put("SampleSize", 30.0), AutomationStatus::kOk);
  // Annuler goes back to 102 and forgets the custom size.
  (void)Call("Cancel");
  EXPECT_EQ(Step(), 102);
  EXPECT_EQ(Sampling().custom_n, 0.0);
  (void)Call("Cancel");
  EXPECT_EQ(Step(), 101);
}

TEST_F(ResultsTest, NumberOfSamplesRange) {
  for (const auto& [m, accepted] :
       std::vector<std::pair<int, bool>>{{4, false}, {5, true}, {400, true}, {401, false}}) {
    SCOPED_TRACE(m);
    host_.tables.clear();
    host_.messages.clear();
    ASSERT_EQ(Put("NumberOfSamples", std::int64_t{m}), AutomationStatus::kOk);
    (void)Call("SummaryOfEquivalentSequentialPlan");
    EXPECT_EQ(host_.tables.size(), accepted ? 1u : 0u);
    if (accepted) {
      EXPECT_EQ(host_.tables[0].RowCount(), static_cast<std::size_t>(m));
    } else {
      EXPECT_EQ(host_.messages.at(0), host_.strings[strings::kNumberOfSamplesRange]);
    }
  }
}

TEST_F(ResultsTest, ObservedDataInTheSequentialTable) {
  // Deviations from H0 = 0; the path stays between the lines, then crosses the right
  // rejection line (4.0835 + 0.5 (n - 1)) at sample 3.
  host_.variables = {{"diam", {1.0, 2.0, 3.0, 1.0}, std::nullopt, {}}};
  ASSERT_EQ(Put("VariableContainingData", std::string("diam")), AutomationStatus::kOk);
  EXPECT_EQ(ControlText(controls::kDataVariableName), "diam");
  // The number of samples comes from the data, at least 5.
  EXPECT_EQ(std::get<std::int64_t>(Get("NumberOfSamples")), 5);
  ASSERT_EQ(Call("SummaryOfEquivalentSequentialPlan"), AutomationStatus::kOk);
  ASSERT_EQ(host_.tables.size(), 1u);
  const host::TableSpec& table = host_.tables[0];
  ASSERT_EQ(table.ColumnCount(), 6u);
  EXPECT_EQ(table.row_header, "diam");
  EXPECT_EQ(table.columns[4].upper, "Ecarts");
  EXPECT_FLOAT_EQ(static_cast<float>(table.Value(2, 4)), 6.0f);
  EXPECT_EQ(*table.Text(0, 5), "continuer");
  EXPECT_EQ(*table.Text(2, 5), "rejeter");
  EXPECT_EQ(table.Value(2, 5), 3.0);
  EXPECT_EQ(table.row_labels[4], "    5:");
  EXPECT_TRUE(host::IsSpecialValue(table.Value(4, 4)));
  // Pressing 126 with a variable deselects it.
  Dialog().Press(controls::kDataVariable);
  EXPECT_EQ(ControlText(controls::kDataVariableName), "  --");
  EXPECT_EQ(std::get<std::string>(Get("VariableContainingData")), "");
}

// A data variable whose values the reader made from texts is answered with a warning: its
// codes are not measured means.
TEST_F(ResultsTest, TextCodesAsDataAreWarnedOf) {
  host_.variables = {{"op", {1.0, 2.0, 1.0}, std::nullopt, {{1, "Ann"}, {2, "Bob"}}}};
  host_.variables[0].from_texts = true;
  ASSERT_EQ(Put("VariableContainingData", std::string("op")), AutomationStatus::kOk);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], host_.strings[shell::kStringTextCodes] + "op");
}

TEST_F(ResultsTest, GapInsideTheSeriesDrawsNothing) {
  host_.variables = {{"diam", {1.0, -9999.0, 3.0}, std::nullopt, {}}};
  Set("VariableContainingData", std::string("diam"));
  Set("NumberOfSamples", std::int64_t{10});
  (void)Call("PlotEquivalentSequentialPlan");
  EXPECT_TRUE(host_.charts.empty());
  EXPECT_EQ(host_.messages.back(), host_.strings[strings::kMissingInSeries]);
}

TEST_F(ResultsTest, CancelledSequentialRequestSaysSo) {
  host_.variables = {{"diam", {1.0, 2.0, 3.0, 1.0}, std::nullopt, {}}};
  Set("VariableContainingData", std::string("diam"));
  host_.cancel_at_step = 2;
  (void)Call("SummaryOfEquivalentSequentialPlan");
  EXPECT_TRUE(host_.tables.empty());
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages.back(), host_.strings[shell::kStringRequestCancelled]);
  host_.messages.clear();
  (void)Call("PlotEquivalentSequentialPlan");
  EXPECT_TRUE(host_.charts.empty());
  EXPECT_EQ(host_.messages,
            std::vector<std::string>{host_.strings[shell::kStringRequestCancelled]});
}

// A plan whose lines leave single precision (H1 - H0 and sigma of 1e38: the fixed plan
// needs 11 units, but the lines pass 3.4e38) and a cumulated deviation beyond it are refused with
// their messages: no table, no chart, a failed action.
TEST_F(ResultsTest, NonFinitePlansAndPathsAreRefused) {
  (void)Call("Cancel");
  Set("HypothesizedMeanForH1", 1e38);
  Set("AssumedSigma", 1e38);
  ASSERT_EQ(Call("OK"), AutomationStatus::kOk);
  ASSERT_EQ(Put("NumberOfSamples", std::int64_t{400}), AutomationStatus::kOk);
  for (const char* action : {"SummaryOfEquivalentSequentialPlan", "PlotEquivalentSequentialPlan"}) {
    SCOPED_TRACE(action);
    host_.messages.clear();
    EXPECT_EQ(Call(action), AutomationStatus::kFailure);
    EXPECT_EQ(host_.messages,
              std::vector<std::string>{host_.strings[strings::kSequentialIncalculable]});
  }
  // Deviations from H0 = 3e38 of values read as -1e30: two of them pass 3.4e38.
  (void)Call("Cancel");
  Set("HypothesizedMeanForH0", 3e38);
  Set("HypothesizedMeanForH1", 3.0000001e38);
  Set("AssumedSigma", 1e31);
  ASSERT_EQ(Call("OK"), AutomationStatus::kOk);
  host_.variables = {{"diam", {-1e30, -1e30, 1.0}, std::nullopt, {}}};
  ASSERT_EQ(Put("VariableContainingData", std::string("diam")), AutomationStatus::kOk);
  host_.messages.clear();
  EXPECT_EQ(Call("SummaryOfEquivalentSequentialPlan"), AutomationStatus::kFailure);
  EXPECT_EQ(host_.messages,
            std::vector<std::string>{host_.strings[strings::kObservedIncalculable]});
  EXPECT_TRUE(host_.tables.empty());
  EXPECT_TRUE(host_.charts.empty());
}

class BinomialResultsTest : public ResultsTest {
 protected:
  void SetUp() override {
    SamplingChain::SetUp();
    Set("Distribution", std::string("scProBinomialProportions"));
    (void)Call("OK");
    ASSERT_EQ(process_->CurrentDialog()->TemplateNumber(),
              shell::templates::kSamplingResultsBinomial);
    host_.variables = {{"item", {2, 1, 1, 2, 2, 2}, std::nullopt, {{1, "bon"}, {2, "défectueux"}}}};
    ASSERT_EQ(Put("VariableContainingData", 1.0), AutomationStatus::kOk);
  }
};

TEST_F(BinomialResultsTest, CodesChecksAndLabels) {
  // The first two codes of the data are proposed.
  EXPECT_EQ(std::get<std::string>(Get("AcceptCode")), "2");
  EXPECT_EQ(std::get<std::string>(Get("RejectCode")), "1");
  struct Row {
    const char* name;
    Variant accept, reject;
    std::optional<int> message;
  };
  const Row rows[] = {
      {"too large", 32001.0, 1.0, strings::kCodeTooLarge},
      {"equal", 7.0, 7.0, strings::kCodesEqual},
      {"unknown label", std::string("mauvais"), 1.0, strings::kCodeMissing},
      {"labels", std::string("Défectueux"), std::string(" bon "), std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    host_.messages.clear();
    host_.charts.clear();
    ASSERT_EQ(Put("AcceptCode", row.accept), AutomationStatus::kOk);
    ASSERT_EQ(Put("RejectCode", row.reject), AutomationStatus::kOk);
    (void)Call("PlotEquivalentSequentialPlan");
    if (row.message) {
      ASSERT_FALSE(host_.messages.empty());
      EXPECT_EQ(host_.messages[0], host_.strings[*row.message]);
      EXPECT_TRUE(host_.charts.empty());
    } else {
      EXPECT_TRUE(host_.messages.empty());
      EXPECT_EQ(host_.charts.size(), 1u);
    }
  }
  EXPECT_EQ(Sampling().accept_code, 2);
  EXPECT_EQ(Sampling().reject_code, 1);
}

// The accept code is the one counted as 1 in S(n) = sum of (x - H0), H0 being a fraction
// defective: give it the code of a defective item. With H0 = 0.1, H1 = 0.2, one-sided right,
// alpha 0.05 and beta 0.1 (sigma sqrt(0.1 * 0.9) = 0.3, k = 0.05, hR = 0.09 ln(0.9/0.05) / 0.1
// and hA = 0.09 ln(0.95/0.1) / 0.1 with ln taken as 2.3026 log10), a run of defective items
// (S(n) = 0.9 n) is rejected at the first n with 0.9 n > 0.05 n + hR, a run of good items
// (S(n) = -0.1 n) accepted at the first n with -0.1 n < 0.05 n - hA.
TEST_F(BinomialResultsTest, AcceptCodeCountsTheDefectiveItems) {
  (void)Call("Cancel");
  Set("TestCriterion", std::string("scProOneSidedRight"));
  Set("HypothesizedMeanForH0", 0.1);
  Set("HypothesizedMeanForH1", 0.2);
  ASSERT_EQ(Call("OK"), AutomationStatus::kOk);
  const double h_reject = 0.09 * 2.3026 * std::log10(0.9 / 0.05) / 0.1;
  const double h_accept = 0.09 * 2.3026 * std::log10(0.95 / 0.1) / 0.1;
  const int first_rejected = static_cast<int>(std::floor(h_reject / 0.85)) + 1;  // 4
  const int first_accepted = static_cast<int>(std::floor(h_accept / 0.15)) + 1;  // 14
  const struct {
    double code;
    const char* verdict;
    int first;
  } runs[] = {{2.0, "rejeter", first_rejected}, {1.0, "accepter", first_accepted}};
  for (const auto& run : runs) {
    SCOPED_TRACE(run.verdict);
    host_.variables = {
        {"item", std::vector<double>(20, run.code), std::nullopt, {{1, "bon"}, {2, "défectueux"}}}};
    ASSERT_EQ(Put("VariableContainingData", std::string("item")), AutomationStatus::kOk);
    ASSERT_EQ(Put("AcceptCode", std::string("défectueux")), AutomationStatus::kOk);
    ASSERT_EQ(Put("RejectCode", std::string("bon")), AutomationStatus::kOk);
    host_.tables.clear();
    ASSERT_EQ(Call("SummaryOfEquivalentSequentialPlan"), AutomationStatus::kOk);
    const host::TableSpec& table = host_.tables.at(0);
    for (std::size_t n = 1; n <= 20; ++n) {
      SCOPED_TRACE(n);
      const std::string action(shell::TrimTrailingBlanks(table.Text(n - 1, 3)->value_or("")));
      EXPECT_EQ(action, static_cast<int>(n) < run.first ? "continuer" : run.verdict);
    }
  }
}

}  // namespace
}  // namespace kpa::sampling
