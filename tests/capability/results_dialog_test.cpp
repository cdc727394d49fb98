// The results dialogs driven through their automation members: the validation chain before
// every request (order, messages, the refused field put back, nothing stored), stepping
// between variables with each variable's own state, the summary of all variables, and the
// aggregated-data results dialog.
#include <cmath>
#include <numeric>

#include "dialog_fixture.h"
#include "shell/settings/settings_block.h"

namespace kpa::capability::testing {
namespace {

using automation::AutomationStatus;
using shell::ProcessType;

// R-bar/d2 of consecutive samples of five, each range over d2(5) = 2.3259289473 (the
// tabulated mean range of five standard normal values), computed here from the data.
double RBarOverD2(const std::vector<double>& values) {
  double sum = 0.0;
  std::size_t samples = 0;
  for (std::size_t first = 0; first + 5 <= values.size(); first += 5, ++samples) {
    const auto [lo, hi] = std::minmax_element(values.begin() + static_cast<long>(first),
                                              values.begin() + static_cast<long>(first + 5));
    sum += *hi - *lo;
  }
  return sum / static_cast<double>(samples) / 2.3259289473;
}

class ResultsDialogTest : public CapabilityDialogTest {
 protected:
  // Piston rings 1-25 in samples of five, specification 73.95 < 74 < 74.05.
  void OpenPistonRingResults() {
    UsePistonRings();
    OpenSetup();
    Set("Variables", std::string("diameter"));
    Set("ConstantSampleSize", std::int64_t{1});
    Set("ValueOfConstantSampleSize", std::int64_t{5});
    Set("ProcessSpecifications", std::string("diameter ( 74 Missing 73.95 74.05 )"));
    Call("OK");
    ASSERT_EQ(Template(), kRawResults) << ::testing::PrintToString(NewMessages());
    NewMessages();
  }
};

// Every field is made bad at once; each press of Summary refuses the first bad field of the
// chain with its message and puts its last accepted value back, so the presses walk the
// chain in order. Nothing is computed until the last field is good again.
TEST_F(ResultsDialogTest, ValidationChainRefusesOneFieldPerPressInOrder) {
  OpenPistonRingResults();
  struct Field {
    const char* member;
    double bad;
    const char* message;
  };
  const Field chain[] = {
      {"ValueForUserDefinedMean", 1e8, "Spécification de la moyenne incorrecte"},
      {"ValueForUserDefinedSigma", 0.0,
       "Spécification de sigma incorrecte (doit être supérieur à 0)"},
      {"ValueForUserDefinedWithinSigma", -1.0,
       "Spécification de sigma incorrecte (doit être supérieur à 0)"},
      {"SigmaLimits", 0.4, "Spécifications incorrectes des limites de sigma (min= 0,5, max= 15)"},
      {"NominalValue", -1e8, "Valeur nominale incorrecte"},
      {"LowerSpecificationLimit", 74.0,
       "Valeur de LCI incorrecte (doit être inférieure à la valeur nominale)"},
      {"UpperSpecificationLimit", 74.0,
       "Valeur de LCS incorrecte (doit être supérieure à la valeur nominale)"},
      {"ValueForAdjustingN", 0.0,
       "Paramètre d'ajustement de N incorrect (0 < Val. <= 0,5) ; paramètre rétabli à sa "
       "précédente valeur."},
      {"ValueForAdjustingRanks", 0.01,
       "Paramètre d'ajustement de rang incorrect (-0,5 <= Val. <= 0) ; paramètre rétabli à sa "
       "précédente valeur."},
      {"NumberOfCasesForToleranceLimits", 2, "Nombre d'observations incorrect (2 < N < 32000)"},
      {"PercentIncludedForToleranceLimits", 9.9,
       "Valeur du paramètre '% de la population' incorrecte (10 <= p <= 99,9)"},
      {"ConfidenceLevelForToleranceLimits", 99.95,
       "Niveau de confiance incorrect (10 <= p <= 99,9)"},
      {"FrequencyTabulationLowerLimit", 1e8, "Limite inférieure de l'histogramme incorrecte"},
      {"FrequencyTabulationUpperLimit", 70.0,
       "Limite supérieure de l'histogramme incorrecte (doit être > limite inférieure)"},
      {"FrequencyTabulationNumberOfCategories", 4,
       "Nombre de catégories incorrect (4 < nb. catégories <= 50 )"},
  };
  std::vector<double> accepted;
  for (const Field& field : chain) accepted.push_back(Real(field.member));
  EXPECT_EQ(Real("NumberOfCasesForToleranceLimits"), 125.0);  // N after request 0
  Set("UserDefinedMean", std::int64_t{1});
  Set("UserDefinedSigma", std::int64_t{1});
  for (const Field& field : chain) {
    const bool whole = std::string(field.member) == "NumberOfCasesForToleranceLimits" ||
                       std::string(field.member) == "FrequencyTabulationNumberOfCategories";
    if (whole)
      Set(field.member, static_cast<std::int64_t>(field.bad));
    else
      Set(field.member, field.bad);
  }
  for (std::size_t i = 0; i < std::size(chain); ++i) {
    SCOPED_TRACE(chain[i].member);
    CallRefused("Summary");
    EXPECT_EQ(NewMessages(), std::vector<std::string>{chain[i].message});
    EXPECT_EQ(Real(chain[i].member), accepted[i]);  // the last accepted value is back
    if (i + 1 < std::size(chain)) {                 // the next field still shows its entry
      EXPECT_EQ(Real(chain[i + 1].member), chain[i + 1].bad);
    }
    EXPECT_TRUE(host_.tables.empty());
    EXPECT_EQ(Template(), kRawResults);
  }
  // Every field is good again: the request goes through.
  Call("Summary");
  EXPECT_TRUE(NewMessages().empty());
  ASSERT_EQ(host_.tables.size(), 2u);  // capability, then performance
}

// A refusal stores nothing: the indices after the correction are those of the values
// accepted before the refused request, and delta is checked only for nominal ± delta.
TEST_F(ResultsDialogTest, RefusedRequestLeavesTheSettingsAsTheyWere) {
  OpenPistonRingResults();
  const double sigma = RBarOverD2(ReadPistonRings(25).diameter);
  Call("Summary");
  ASSERT_EQ(host_.tables.size(), 2u);
  // Two-sided 73.95..74.05 with the within-sample sigma: CP = 0.1 / (6 sigma).
  EXPECT_NEAR(host_.tables[0].Value(4, 0), 0.1 / (6.0 * sigma), 1e-5);

  Set("SigmaLimits", 3.0);  // good, but the request is refused further down the chain
  Set("UpperSpecificationLimit", 73.9);
  CallRefused("Summary");
  EXPECT_EQ(NewMessages(), std::vector<std::string>{"Valeur de LCS incorrecte (doit être "
                                                    "supérieure à la valeur nominale)"});
  EXPECT_EQ(host_.tables.size(), 2u);
  EXPECT_EQ(Real("UpperSpecificationLimit"), 74.05);
  EXPECT_EQ(Real("SigmaLimits"), 3.0);  // not the refused field: the entry stays shown
  const shell::CapabilitySettings& settings = shell::Settings().capability;
  EXPECT_EQ(settings.runs[0].fields.sigma_limits, 6.0);  // but nothing was stored
  EXPECT_EQ(settings.specifications.at(1).upper, 74.05);

  Set("TypeOfProcessSpecifications", std::string("scProNominalDelta"));
  EXPECT_TRUE(NewMessages().empty());  // the type change revalidated: all good
  EXPECT_EQ(Put("LowerSpecificationLimit", 1.0), AutomationStatus::kControlDisabled);
  Set("DeltaValue", 0.0);
  CallRefused("Summary");
  EXPECT_EQ(NewMessages(),
            std::vector<std::string>{"Valeur de delta incorrecte (doit être supérieure à 0)"});
  EXPECT_NEAR(Real("DeltaValue"), 0.05, 1e-12);  // the completed delta of 73.95..74.05
  Set("DeltaValue", 0.1);
  Call("Summary");
  ASSERT_EQ(host_.tables.size(), 4u);
  // 74 ± 0.1 at 3 sigma: CP = 0.2 / (3 sigma).
  EXPECT_NEAR(host_.tables[2].Value(4, 0), 0.2 / (3.0 * sigma), 1e-5);
  EXPECT_NEAR(host_.tables[2].Value(0, 0), 73.9, 1e-12);
}

// Three variables with their own specifications; previous and next wrap, the Variable member
// selects directly, and each variable keeps its own user mean and fields.
TEST_F(ResultsDialogTest, SteppingBetweenVariablesKeepsEachVariablesState) {
  const std::vector<double> base = {1, 3, 2, 5, 4, 6, 8, 7, 9, 10};
  std::vector<double> y(base);
  std::vector<double> z(base);
  for (double& v : y) v = 2.0 * v;
  for (double& v : z) v = v + 100.0;
  host_.variables = {Column("x", base), Column("y", y), Column("z", z)};
  OpenSetup();
  Set("Variables", std::string("x y z"));
  Set("ProcessSpecifications",
      std::string("x ( 5 5 Missing Missing ) y ( 10 Missing 0 Missing ) z ( 105 Missing Missing "
                  "120 )"));
  Call("OK");
  ASSERT_EQ(Template(), kRawResults);
  EXPECT_EQ(Text("Variable"), "x");
  Set("UserDefinedMean", std::int64_t{1});
  Set("ValueForUserDefinedMean", 4.0);
  Set("SigmaLimits", 4.0);

  struct Step {
    const char* action;  // an action, or "=name" to write the Variable member
    const char* variable;
    double nominal;
    ProcessType type;
  };
  const Step steps[] = {
      {"Next", "y", 10, ProcessType::kLowerNominal},
      {"Next", "z", 105, ProcessType::kNominalUpper},
      {"Next", "x", 5, ProcessType::kNominalDelta},        // wraps forward
      {"Previous", "z", 105, ProcessType::kNominalUpper},  // wraps back
      {"=x", "x", 5, ProcessType::kNominalDelta},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(std::string(step.action) + " -> " + step.variable);
    if (step.action[0] == '=')
      Set("Variable", std::string(step.action + 1));
    else
      Dialog().Press(std::string(step.action) == "Next" ? 271 : 270);
    EXPECT_EQ(Text("Variable"), step.variable);
    EXPECT_EQ(Real("NominalValue"), step.nominal);
    EXPECT_EQ(Real("TypeOfProcessSpecifications"), static_cast<int>(step.type) - 1);
  }
  // x kept its user mean and sigma limits; y and z were initialised with the switch off.
  EXPECT_EQ(Real("UserDefinedMean"), 1.0);
  EXPECT_EQ(Real("ValueForUserDefinedMean"), 4.0);
  EXPECT_EQ(Real("SigmaLimits"), 4.0);
  Set("Variable", std::string("y"));
  EXPECT_EQ(Real("UserDefinedMean"), 0.0);
  EXPECT_DOUBLE_EQ(Real("ValueForUserDefinedMean"), 11.0);  // mean of y
  EXPECT_EQ(Real("SigmaLimits"), 6.0);
  EXPECT_EQ(Put("Variable", std::string("w")), AutomationStatus::kFailure);
  EXPECT_EQ(Text("Variable"), "y");

  // A bad field refuses the change of variable.
  Set("SigmaLimits", 16.0);
  Dialog().Press(271);
  EXPECT_EQ(NewMessages().back(),
            "Spécifications incorrectes des limites de sigma (min= 0,5, max= 15)");
  EXPECT_EQ(Text("Variable"), "y");
  EXPECT_EQ(Real("SigmaLimits"), 6.0);

  // Summary of all variables: one row each, in list order; the current variable stays.
  Call("SummaryForAllVariables");
  ASSERT_EQ(host_.tables.size(), 1u);
  const host::TableSpec& all = host_.tables.back();
  EXPECT_EQ(all.title[0], "Indices de capabilité de toutes les variables");
  ASSERT_EQ(all.RowCount(), 3u);
  ASSERT_EQ(all.ColumnCount(), 12u);
  EXPECT_EQ(Text("Variable"), "y");
  // Hand calculation. Mean 5.5, s = sqrt(82.5 / 9) = 3.0277 for x (y: twice; z: the same).
  const double s = std::sqrt(82.5 / 9.0);
  struct Row {
    const char* name;
    double c_lower, lsl, nominal, usl, cpk;
  };
  const Row rows[] = {
      // x: user mean 4 at k = 4: CPL = (4 - 0) / (2 s), CPU = (10 - 4) / (2 s).
      {"x", -2.0, 0.0, 5.0, 10.0, 4.0 / (2.0 * s)},
      // y: lower only, k = 6: CPK = CPL = (11 - 0) / (3 * 2s).
      {"y", -3.0, 0.0, 10.0, std::nan(""), 11.0 / (6.0 * s)},
      // z: upper only; the constant column shows +C: CPK = CPU = (120 - 105.5) / (3 s).
      {"z", 3.0, std::nan(""), 105.0, 120.0, 14.5 / (3.0 * s)},
  };
  for (std::size_t r = 0; r < std::size(rows); ++r) {
    SCOPED_TRACE(rows[r].name);
    EXPECT_EQ(all.row_labels[r].substr(all.row_labels[r].find_first_not_of(' ')), rows[r].name);
    EXPECT_EQ(all.Value(r, 0), rows[r].c_lower);
    EXPECT_EQ(std::isnan(all.Value(r, 1)), r != 0);  // +C only for two-sided limits
    const double expected[] = {rows[r].lsl, rows[r].nominal, rows[r].usl};
    for (std::size_t c = 0; c < 3; ++c) {
      if (std::isnan(expected[c]))
        EXPECT_TRUE(std::isnan(all.Value(r, 2 + c))) << c;
      else
        EXPECT_DOUBLE_EQ(all.Value(r, 2 + c), expected[c]) << c;
    }
    EXPECT_NEAR(all.Value(r, 7), rows[r].cpk, 1e-5);
  }
}

// The status area after request 0 names the variable, the mean, N, the overall sigma and,
// for grouped data, the grouping, the samples, their mean size and the within sigma.
TEST_F(ResultsDialogTest, SummaryTextOfGroupedData) {
  OpenPistonRingResults();
  const std::string text = Dialog().StatusText();
  for (const char* part :
       {"Variable :  diameter", "Moy. :  74.0012", "N total :  125",
        "Sigma  (total process.) : ", "   Ech. :   n constant", " N d'Ech. :   25",
        "N Moyen :    5", "   Sigma-S (intra-éch.) :        ",
        "NOTE : Sigma intra-éch.-S estimé depuis étendues (R-barre/d2)",
        "NOTE : Le sigma intra-échantillon est utilisé pour calculer les indices de "
        "capabilité"}) {
    SCOPED_TRACE(part);
    EXPECT_NE(text.find(part), std::string::npos) << text;
  }
}

// Aggregated data: while no specification was ever defined the pass makes nominal = grand
// mean and delta = the within-sample sigma; the user sigma stands for the within sigma.
TEST_F(ResultsDialogTest, AggregatedDefaultSpecificationAndUserSigma) {
  // Four samples of size 4 with ranges 2, 4, 2, 4 around means 9, 10, 11, 10.
  host_.variables = {Column("m", {9, 10, 11, 10}), Column("r", {2, 4, 2, 4}),
                     Column("n", {4, 4, 4, 4})};
  OpenSetup(true);
  EXPECT_EQ(Text("ProcessSpecifications"), "");
  Set("Variables", std::string("m | r | n"));
  Call("OK");
  ASSERT_EQ(Template(), kAggregatedResults) << ::testing::PrintToString(NewMessages());
  // The overall sigma's line is there, without a value: aggregated data have none.
  EXPECT_NE(Dialog().StatusText().find("N total :  16\nSigma  (total process.) : \n"),
            std::string::npos)
      << Dialog().StatusText();
  const double sigma = 3.0 / 2.058750746;  // R-bar / d2(4)
  EXPECT_DOUBLE_EQ(Real("NominalValue"), 10.0);
  EXPECT_NEAR(Real("DeltaValue"), sigma, 1e-12);
  EXPECT_EQ(Put("ValueForUserDefinedWithinSigma", 1.0), AutomationStatus::kMemberNotFound);

  // Validation order of this dialog: user mean, user sigma, sigma limits, nominal, delta.
  Set("UserDefinedSigma", std::int64_t{1});
  Set("ValueForUserDefinedSigma", -2.0);
  Set("NominalValue", 1e9);
  CallRefused("Summary");
  EXPECT_EQ(NewMessages(), std::vector<std::string>{
                               "Spécification de sigma incorrecte (doit être supérieur à 0)"});
  EXPECT_NEAR(Real("ValueForUserDefinedSigma"), sigma, 1e-12);
  CallRefused("Summary");
  EXPECT_EQ(NewMessages(), std::vector<std::string>{"Valeur nominale incorrecte"});
  EXPECT_TRUE(host_.tables.empty());

  Set("DeltaValue", 3.0);
  Set("ValueForUserDefinedSigma", 0.5);
  Call("Summary");
  ASSERT_EQ(host_.tables.size(), 1u);  // capability indices only
  const host::TableSpec& table = host_.tables.back();
  ASSERT_EQ(table.RowCount(), 11u);
  EXPECT_EQ(table.row_header.rfind("Indice de Capabilité", 0), 0u);
  EXPECT_NE(table.row_header.find("Sigma intra-éch.= R-barre/d2"), std::string::npos);
  EXPECT_EQ(table.row_labels[7].rfind("CPL (indice capabilité inf.)", 0), 0u);
  EXPECT_NEAR(table.Value(4, 0), 6.0 / (6.0 * 0.5), 1e-6);  // CP with the user sigma
  EXPECT_TRUE(std::isnan(table.Value(10, 0)));              // no CPM without observations

  // The user sigma off again: the computed within-sample sigma applies.
  Set("UserDefinedSigma", std::int64_t{0});
  Call("Summary");
  EXPECT_NEAR(host_.tables.back().Value(4, 0), 6.0 / (6.0 * sigma), 1e-6);
}

}  // namespace
}  // namespace kpa::capability::testing
