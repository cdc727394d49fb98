// The setup dialogs driven through their automation members: the specification editor and
// the specification text reaching the same records, the grouping modes with weights and the
// selection condition, and the failures, warnings and cancel of the data pass at OK.
#include <cmath>

#include "dialog_fixture.h"
#include "shell/settings/settings_block.h"

namespace kpa::capability::testing {
namespace {

constexpr int kSpecificationButton = 198;
constexpr char kBadLimits[] =
    "Limites de spécification incorrectes ; veuillez les vérifier.       ";

class SetupDialogTest : public CapabilityDialogTest {
 protected:
  // Answers of the editor, four cells per variable; std::nullopt leaves a cell empty.
  void AnswerEditor(std::initializer_list<std::optional<double>> cells) {
    for (const auto& cell : cells) host_.numbers.push_back(cell);
  }
  std::string ButtonCaption() {
    const auto* caption =
        std::get_if<std::string>(&Dialog().FindControl(kSpecificationButton)->value);
    return caption ? *caption : "<none>";
  }
};

const std::vector<double> kTen = {1, 3, 2, 5, 4, 6, 8, 7, 9, 10};

// Editor rows are parsed in order by the entry rules; the first bad row stops with message
// 12722 and the rows before it keep their new values.
TEST_F(SetupDialogTest, EditorRowsFollowTheEntryRules) {
  host_.variables = {Column("a", kTen), Column("b", kTen), Column("c", kTen), Column("d", kTen),
                     Column("e", kTen)};
  OpenSetup();
  Set("Variables", std::string("a b c d e"));
  EXPECT_EQ(ButtonCaption(), "  --");
  const std::optional<double> empty;
  AnswerEditor({10.0, 2.0,   7.0,   empty,    // delta wins over the LSI: 10 ± 2
                10.0, empty, empty, 12.0,     // nominal and upper: delta 1, LSL 9
                10.0, 0.0,   8.0,   12.0,     // a delta of 0 is no delta: lower, nominal, upper
                -5.0, empty, -8.0,  3.0,      // negative nominal, both limits
                10.0, empty, 11.0,  empty});  // LSI above the nominal is cleared: no type
  Dialog().Press(kSpecificationButton);
  EXPECT_EQ(NewMessages(), std::vector<std::string>{kBadLimits});
  EXPECT_TRUE(host_.numbers.empty());
  const std::string accepted =
      "a ( 10.000000 2.000000 MISSING MISSING )  \n"
      " b ( 10.000000 MISSING MISSING 12.000000 )  \n"
      " c ( 10.000000 MISSING 8.000000 12.000000 )  \n"
      " d ( -5.000000 MISSING -8.000000 3.000000 ) ";
  EXPECT_EQ(Text("ProcessSpecifications"), accepted);
  EXPECT_EQ(ButtonCaption(), "Définies pour toutes les variables");

  // OK opens the editor again because e is incomplete; the rows shown are accepted as they
  // are, and e's empty nominal stops it.
  Call("OK");
  EXPECT_EQ(Template(), kRawSetup);
  EXPECT_EQ(NewMessages(), std::vector<std::string>{kBadLimits});
  EXPECT_EQ(Text("ProcessSpecifications"), accepted);

  // A script is not shown the editor: OK is refused with the specification message, in the
  // raw-data setup as in the aggregated one.
  host_.scripted = true;
  AnswerEditor({10.0, 2.0, empty, empty});
  Call("OK");
  EXPECT_EQ(Template(), kRawSetup);
  EXPECT_EQ(NewMessages(), std::vector<std::string>{"Spécifications du processus incorrectes."});
  EXPECT_FALSE(host_.numbers.empty());  // no editor cell was asked
}

// Opening the editor and accepting every cell as shown changes no record, whatever the
// type: an empty cell must come back empty, not as a number the rules then apply to.
TEST_F(SetupDialogTest, EditorAcceptedAsShownKeepsEveryRecord) {
  host_.variables = {Column("a", kTen), Column("b", kTen), Column("c", kTen), Column("d", kTen)};
  OpenSetup();
  Set("Variables", std::string("a b c d"));
  Set("ProcessSpecifications",
      std::string("a ( 10 2 Missing Missing ) b ( 10 Missing Missing 12 ) \n"
                  "\"c\" ( 10 Missing 8 12 ) D ( -5 Missing -8 Missing )"));
  const std::string written = Text("ProcessSpecifications");
  EXPECT_EQ(written,
            "a ( 10.000000 2.000000 MISSING MISSING )  \n"
            " b ( 10.000000 MISSING MISSING 12.000000 )  \n"
            " c ( 10.000000 MISSING 8.000000 12.000000 )  \n"
            " d ( -5.000000 MISSING -8.000000 MISSING ) ");
  // The text read back and written again is the same text.
  Set("ProcessSpecifications", written);
  EXPECT_EQ(Text("ProcessSpecifications"), written);
  // The editor closed without a change (the host answers each cell with what it showed).
  Dialog().Press(kSpecificationButton);
  EXPECT_TRUE(NewMessages().empty());
  EXPECT_EQ(Text("ProcessSpecifications"), written);
}

// The editor and the text reach the same records: the same entries typed in the grid of a
// new analysis read back as the text written by a script.
TEST_F(SetupDialogTest, EditorAndTextReachTheSameRecords) {
  host_.variables = {Column("a", kTen), Column("b", kTen)};
  OpenSetup();
  Set("Variables", std::string("a b"));
  Set("ProcessSpecifications", std::string("a ( 10 Missing 8 Missing ) b ( 0 Missing -1 2 )"));
  const std::string from_text = Text("ProcessSpecifications");
  Call("Cancel");
  process_->Initialize();
  process_->Start();
  OpenSetup();
  Set("Variables", std::string("a b"));
  AnswerEditor({10.0, std::nullopt, 8.0, std::nullopt, 0.0, std::nullopt, -1.0, 2.0});
  Dialog().Press(kSpecificationButton);
  EXPECT_EQ(Text("ProcessSpecifications"), from_text);
  // One variable: the caption is the specification text of that variable.
  Set("Variables", std::string("a"));
  EXPECT_EQ(ButtonCaption().rfind("Inf., Nominal ", 0), 0u) << ButtonCaption();
  EXPECT_NE(ButtonCaption().find("Inf.=8"), std::string::npos) << ButtonCaption();
}

// A specification the results dialog would refuse on every request (a nominal beyond
// 9 999 999, a delta below 1e-22, an LSL below -9 999 999) is refused at setup with the
// results field's message, by text and by the editor alike; nothing is stored.
TEST_F(SetupDialogTest, SpecificationsOutsideTheResultsRangesAreRefused) {
  host_.variables = {Column("a", kTen)};
  OpenSetup();
  Set("Variables", std::string("a"));
  NewMessages();
  const struct {
    const char* text;
    const char* message;
  } refused[] = {
      {"a ( 1e8 1 Missing Missing )", "Valeur nominale incorrecte"},
      {"a ( 5 1e-23 Missing Missing )", "Valeur de delta incorrecte (doit être supérieure à 0)"},
      {"a ( 5 Missing -1e8 Missing )",
       "Valeur de LCI incorrecte (doit être inférieure à la valeur nominale)"},
  };
  for (const auto& r : refused) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(Put("ProcessSpecifications", std::string(r.text)),
              automation::AutomationStatus::kFailure);
    EXPECT_EQ(NewMessages(), std::vector<std::string>{r.message});
    EXPECT_EQ(Text("ProcessSpecifications"), "");
  }
  AnswerEditor({1e8, 1.0, std::nullopt, std::nullopt});
  Dialog().Press(kSpecificationButton);
  EXPECT_EQ(NewMessages(), std::vector<std::string>{"Valeur nominale incorrecte"});
  EXPECT_EQ(Text("ProcessSpecifications"), "");
  Set("ProcessSpecifications", std::string("a ( 9999999 1 Missing Missing )"));  // the edge
  EXPECT_TRUE(NewMessages().empty());
}

// The two setups are siblings: the switch stores the fields typed, opens the other setup with
// the focus on the tab control, and makes that input form the procedure and the startup
// entry; the specifications are shared, the variable lists are each setup's own.
TEST_F(SetupDialogTest, SwitchBetweenTheRawAndAggregatedSetups) {
  UsePistonRings();
  OpenSetup();
  Set("Variables", std::string("diameter"));
  Set("ProcessSpecifications", std::string("diameter ( 74 0.05 Missing Missing )"));
  ASSERT_TRUE(Dialog().SwitchToSibling());
  EXPECT_EQ(Template(), kAggregatedSetup);
  EXPECT_EQ(Dialog().FocusControl(), 400);
  const shell::SettingsBlock& settings = shell::Settings();
  EXPECT_EQ(settings.shell.procedure, shell::ProcedureCode::kCapabilityAggregated);
  EXPECT_EQ(settings.capability.input_mode, shell::CapabilityInputMode::kAggregatedData);
  EXPECT_EQ(settings.shell.current_entry, 414);
  EXPECT_EQ(Text("Variables"), " |  | ");

  ASSERT_TRUE(Dialog().SwitchToSibling());
  EXPECT_EQ(Template(), kRawSetup);
  EXPECT_EQ(Text("Variables"), "diameter | ");
  EXPECT_EQ(Text("ProcessSpecifications"), "diameter ( 74.000000 0.050000 MISSING MISSING ) ");
  EXPECT_EQ(settings.shell.procedure, shell::ProcedureCode::kCapabilityRaw);
  EXPECT_EQ(settings.shell.current_entry, 413);
  Call("OK");
  EXPECT_EQ(Template(), kRawResults);
  EXPECT_FALSE(Dialog().SwitchToSibling());
  EXPECT_EQ(Template(), kRawResults);
}

// Grouping modes over eleven values: samples, their size and the within-sample sigma as the
// descriptive statistics report them. Each expected sigma is worked out by hand below,
// every sample range divided by the d2 of its own size (d2(2) 1.1283791671, d2(3)
// 1.6925687506, d2(4) 2.058750746).
TEST_F(SetupDialogTest, GroupingModes) {
  //                         |  sample of 4  |  sample of 4  | of 3  |
  const std::vector<double> x = {1, 4, 2, 8, 5, 7, 3, 9, 6, 10, 2};
  const std::vector<double> g = {2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3};
  const double d2_3 = 1.6925687506;
  const double d2_4 = 2.058750746;
  struct Mode {
    const char* name;
    const char* variables;
    const char* grouping;  // member switched on
    std::int64_t size;
    const char* codes;
    bool all_codes, file_order;
    std::int64_t n, samples;
    const char* size_label;
    double size_value, sigma;
    const char* codes_after;  // the Codes member back in the setup dialog
  };
  const Mode modes[] = {
      {"no grouping", "x", "NoGroupingSingleSample", 0, "", false, false, 11, 0, "", 0, 0, ""},
      // Ranges 7, 6 and 8: 7/d2(4), 6/d2(4), 8/d2(3).
      {"constant size 4 of 11", "x", "ConstantSampleSize", 4, "", false, false, 11, 3,
       "Taille moy. d'éch.", 11.0 / 3.0, (7 / d2_4 + 6 / d2_4 + 8 / d2_3) / 3, ""},
      // Code 3 = {4, 5, 9, 2} (range 7), code 1 = {2, 7, 6} (range 5).
      {"codes 3 and 1", "x | g", "GroupingVariable", 0, "3 1", false, false, 7, 2,
       "Taille moy. d'éch.", 3.5, (7 / d2_4 + 5 / d2_3) / 2, "3 1"},
      // Code 2 = {1, 8, 3, 10} (range 9) as well.
      {"all codes sorted", "x | g", "GroupingVariable", 0, "", true, false, 11, 3,
       "Taille moy. d'éch.", 11.0 / 3.0, (9 / d2_4 + 7 / d2_4 + 5 / d2_3) / 3, "1 2 3"},
      {"all codes in file order", "x | g", "GroupingVariable", 0, "", true, true, 11, 3,
       "Taille moy. d'éch.", 11.0 / 3.0, (9 / d2_4 + 7 / d2_4 + 5 / d2_3) / 3, "2 3 1"},
  };
  host_.variables = {Column("x", x), Column("g", g)};
  OpenSetup();
  for (const Mode& mode : modes) {
    SCOPED_TRACE(mode.name);
    Set("Variables", std::string(mode.variables));
    Set("ProcessSpecifications", std::string("x ( 5 5 Missing Missing )"));
    Set(mode.grouping, std::int64_t{1});
    if (mode.size > 0) Set("ValueOfConstantSampleSize", mode.size);
    if (*mode.codes != '\0') Set("Codes", std::string(mode.codes));
    if (std::string(mode.grouping) == "GroupingVariable") {
      Set("SelectAllCodes", std::int64_t{mode.all_codes});
      Set("KeepCodesInDataFileOrder", std::int64_t{mode.file_order});
    }
    Call("OK");
    ASSERT_EQ(Template(), kRawResults) << ::testing::PrintToString(NewMessages());
    if (mode.samples > 0) {
      const std::string grouping = *mode.codes != '\0' || mode.all_codes ? "g" : "n constant";
      EXPECT_NE(Dialog().StatusText().find("   Ech. :   " + grouping + "\n"), std::string::npos);
    }
    Call("DescriptiveStatistics");
    const host::TableSpec& table = host_.tables.back();
    EXPECT_EQ(table.title[1], "N =  " + std::to_string(mode.n));
    if (mode.samples == 0) {
      EXPECT_EQ(table.RowCount(), 10u);
    } else {
      ASSERT_EQ(table.RowCount(), 14u);
      EXPECT_EQ(TableValue("Nbre d'échantillons"), static_cast<double>(mode.samples));
      EXPECT_NEAR(TableValue(mode.size_label), mode.size_value, 1e-12);
      EXPECT_NEAR(TableValue("Sigma-S (R-bar/d2)"), mode.sigma, 1e-9);
    }
    Call("Cancel");
    ASSERT_EQ(Template(), kRawSetup);
    if (std::string(mode.grouping) == "GroupingVariable") {
      EXPECT_EQ(Text("Codes"), mode.codes_after);
    }
  }
}

// A case weight of 2.5 counts the case three times, 0.5 once; a case outside the selection
// condition not at all.
TEST_F(SetupDialogTest, WeightsAndSelectionInThePass) {
  host_.variables = {Column("x", {1, 2, 3, 4, 5, 6, 7, 100})};
  host_.weights = {2.5, 1, 1, 1, 1, 1, 0.5, 1};
  host_.excluded = {false, false, false, false, false, false, false, true};
  OpenSetup();
  Set("Variables", std::string("x"));
  Set("ProcessSpecifications", std::string("x ( 4 4 Missing Missing )"));
  Call("OK");
  ASSERT_EQ(Template(), kRawResults);
  Call("DescriptiveStatistics");
  // Values 1, 1, 1, 2, 3, 4, 5, 6, 7: N 9, mean 30/9, median 3.
  EXPECT_EQ(host_.tables.back().title[1], "N =  9");
  EXPECT_DOUBLE_EQ(TableValue("Moyenne"), 30.0 / 9.0);
  EXPECT_DOUBLE_EQ(TableValue("Médiane"), 3.0);
  EXPECT_DOUBLE_EQ(TableValue("Valeur Maximum"), 7.0);
}

// A weighted missing value counts its repeats at once: in samples of 4, a missing case of
// weight 3 places the samples as three missing cases do, and a weight of 1e9 takes no time.
TEST_F(SetupDialogTest, WeightedMissingValuesMoveThePositionAtOnce) {
  const double m = -9999.0;
  const auto sigma_of = [this](std::vector<double> x, std::vector<double> weights) {
    host_.variables = {Column("x", std::move(x))};
    host_.weights = std::move(weights);
    OpenSetup();
    Set("Variables", std::string("x"));
    Set("ProcessSpecifications", std::string("x ( 4 4 Missing Missing )"));
    Set("ConstantSampleSize", std::int64_t{1});
    Set("ValueOfConstantSampleSize", std::int64_t{4});
    Call("OK");
    EXPECT_EQ(Template(), kRawResults);
    Call("DescriptiveStatistics");
    const double sigma = TableValue("Sigma-S (R-bar/d2)");
    const double samples = TableValue("Nbre d'échantillons");
    Call("Cancel");
    Call("Cancel");  // back to the startup dialog
    return std::make_pair(samples, sigma);
  };
  const std::vector<double> x = {1, 4, 2, m, 8, 5, 7, 3, 9, 6};
  const auto weighted = sigma_of(x, {1, 1, 1, 3, 1, 1, 1, 1, 1, 1});
  const auto explicit_missing =
      sigma_of({1, 4, 2, m, m, m, 8, 5, 7, 3, 9, 6}, std::vector<double>(12, 1.0));
  EXPECT_EQ(weighted, explicit_missing);
  const auto heavy = sigma_of(x, {1, 1, 1, 1e9, 1, 1, 1, 1, 1, 1});
  EXPECT_GT(heavy.first, 0.0);
}

// Failures of the pass keep the setup dialog open with their message; warnings are shown and
// the results dialog opens.
TEST_F(SetupDialogTest, PassFailuresAndWarnings) {
  std::vector<double> many(5001);
  for (std::size_t i = 0; i < many.size(); ++i) many[i] = static_cast<double>(i % 7);
  std::vector<double> thirty(30);
  for (std::size_t i = 0; i < thirty.size(); ++i) thirty[i] = static_cast<double>(i % 4);
  struct Case {
    const char* name;
    std::vector<double> x;
    std::vector<double> g;  // the grouping variable, when used
    const char* grouping;
    std::int64_t size;
    const char* codes;
    const char* sigma;  // the sigma method switched on (grouped data only)
    std::vector<std::string> messages;
    int dialog;
  };
  // clang-format off
  const Case cases[] = {
      {"six values", {1, 2, 3, 4, 5, 6}, {}, "NoGroupingSingleSample", 0, "", "",
       {"N actif < 7 ; impossible d'estimer la capabilité du processus. "}, kRawSetup},
      {"equal values", std::vector<double>(9, 2.5), {}, "NoGroupingSingleSample", 0, "", "",
       {"Dispersion trop faible (toutes les valeurs identiques ou presque). "}, kRawSetup},
      {"a code without data", kTen, {1, 1, 1, 1, 1, 2, 2, 2, 2, 2}, "GroupingVariable", 0, "1 2 5",
       "EstimateSigmaFromRanges",
       {"Des codes de classement (échantillons) sont introuvables dans les données ; vérifiez "
        "les codes sélectionnés ou désactivez la variable de classement."}, kRawSetup},
      {"one value per code, standard deviations", kTen, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
       "GroupingVariable", 0, "1 2 3 4 5 6 7 8 9 10", "EstimateSigmaFromStandardDeviations",
       {"Taille moyenne d'éch. égale à 1 ; des indices intra-échantillons significatifs ne "
        "peuvent être calculés. Vérifiez les codes de classement sélectionnés ou désactivez la "
        "variable de classement"}, kRawSetup},
      {"samples of 30 with ranges", thirty, {}, "ConstantSampleSize", 30, "",
       "EstimateSigmaFromRanges",
       {"Un échantillon de taille n>25 ; impossible de calculer sigma à partir des étendues. "
        "Sélectionnez une autre option afin d'estimer sigma à partir de la dispersion "
        "d'échantillon."}, kRawSetup},
      {"5001 values", many, {}, "NoGroupingSingleSample", 0, "", "",
       {"Trop de données (max=5.000) ; utilisation des 5.000 premières. "}, kRawResults},
      {"5001 samples of one", many, {}, "ConstantSampleSize", 1, "", "EstimateSigmaFromRanges",
       {"Trop d'éch. compte tenu du N fixe par échantillon qui est spécifié ; seuls les 5000 "
        "premiers seront traités."}, kRawResults},
      {"size one with variances", kTen, {}, "ConstantSampleSize", 1, "",
       "EstimateSigmaFromVariances",
       {"NOTE : Sigma va être estimé à partir des étendues mobiles."}, kRawResults},
      {"a sample of one", kTen, {1, 1, 1, 1, 1, 2, 2, 2, 2, 3}, "GroupingVariable", 0, "1 2 3",
       "EstimateSigmaFromRanges",
       {"Un échantillon avec n=1; les échantillons avec n<2 sont ignorés dans le calcul de sigma "
        "mais inclus dans le calcul de X-barre. Les résultats donnent le n moyen, sans les n<2"},
       kRawResults},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (process_->Ended()) {
      process_->Initialize();
      process_->Start();
    }
    host_.variables = {Column("x", c.x)};
    if (!c.g.empty()) host_.variables.push_back(Column("g", c.g));
    OpenSetup();
    NewMessages();
    Set("Variables", std::string(c.g.empty() ? "x" : "x | g"));
    Set("ProcessSpecifications", std::string("x ( 0 1000 Missing Missing )"));
    Set(c.grouping, std::int64_t{1});
    if (c.size > 0) Set("ValueOfConstantSampleSize", c.size);
    if (*c.codes != '\0') Set("Codes", std::string(c.codes));
    if (*c.sigma != '\0') Set(c.sigma, std::int64_t{1});
    Call("OK");
    EXPECT_EQ(NewMessages(), c.messages);
    EXPECT_EQ(Template(), c.dialog);
    if (Template() == kRawResults) Call("Cancel");
    Call("Cancel");
    Call("Cancel");
    EXPECT_TRUE(process_->Ended());
  }
}

// A case that cannot be read stops the pass that meets it, whether it collects the codes
// or reads the values: OK is refused with the read-failure message and nothing is kept
// from the half-read data.
TEST_F(SetupDialogTest, AnUnreadableCaseStopsThePass) {
  host_.variables = {Column("x", kTen), Column("g", {1, 1, 1, 1, 1, 2, 2, 2, 2, 2})};
  OpenSetup();
  NewMessages();
  Set("Variables", std::string("x | g"));
  Set("ProcessSpecifications", std::string("x ( 0 1000 Missing Missing )"));
  Set("GroupingVariable", std::int64_t{1});
  const std::vector<std::string> refused = {
      "Lecture des données impossible ; aucun résultat n'a été calculé."};
  for (const std::int64_t all_codes : {1, 0}) {
    SCOPED_TRACE(all_codes);
    Set("SelectAllCodes", all_codes);
    if (all_codes == 0) Set("Codes", std::string("1 2"));
    host_.failing_case = 6;  // the first case of code 2
    Call("OK");              // OK answers that the dialog stays open
    EXPECT_EQ(NewMessages(), refused);
    EXPECT_EQ(Template(), kRawSetup);
    EXPECT_TRUE(all_codes == 0 || Text("Codes").empty()) << Text("Codes");  // none half-read
  }
  host_.failing_case = -1;
  Call("OK");
  EXPECT_EQ(Template(), kRawResults);
}

// Values a CSV reader made from texts are codes, not measurements: OK says so, variable by
// variable, before the analysis runs on them.
TEST_F(SetupDialogTest, TextCodesAreAnsweredWithAWarning) {
  host_.variables = {Column("x", kTen), Column("t", kTen)};
  host_.variables[1].from_texts = true;
  OpenSetup();
  NewMessages();
  Set("Variables", std::string("x t"));
  Set("ProcessSpecifications", std::string("x ( 5 5 Missing Missing ) t ( 5 5 Missing Missing )"));
  Call("OK");
  EXPECT_EQ(NewMessages(),
            std::vector<std::string>{"Attention : les valeurs de cette variable sont les codes de "
                                     "textes (1, 2, 3, ...), pas des mesures ; elles sont "
                                     "analysées comme des nombres : t"});
  EXPECT_EQ(Template(), kRawResults);
}

// A cancel during the reading leaves the setup dialog open with the cancel message and no
// results; the next OK reads the data again.
TEST_F(SetupDialogTest, CancelDuringThePass) {
  UsePistonRings();
  OpenSetup();
  Set("Variables", std::string("diameter"));
  Set("ProcessSpecifications", std::string("diameter ( 74 0.05 Missing Missing )"));
  host_.cancel_at_step = 3;
  Call("OK");
  EXPECT_EQ(NewMessages(), std::vector<std::string>{
                               "Lecture des données annulée ; aucun résultat n'a été calculé."});
  EXPECT_EQ(Template(), kRawSetup);
  EXPECT_TRUE(host_.tables.empty());
  EXPECT_GT(host_.progress_stops, 0);  // the progress report was closed
  host_.cancel_at_step = -1;
  Call("OK");
  ASSERT_EQ(Template(), kRawResults);
  Call("DescriptiveStatistics");
  EXPECT_EQ(host_.tables.back().title[1], "N =  125");
}

// Aggregated data whose samples all have size 1: no within-sample sigma.
TEST_F(SetupDialogTest, AggregatedSizeOneFails) {
  host_.variables = {Column("m", {9, 10, 11, 10}), Column("s", {1, 1, 1, 1}),
                     Column("n", {1, 1, 1, 1})};
  OpenSetup(true);
  Set("Variables", std::string("m | s | n"));
  Call("OK");
  EXPECT_EQ(NewMessages(), std::vector<std::string>{"Taille moyenne d'éch. égale à 1 ; des "
                                                    "indices significatifs ne peuvent être "
                                                    "calculés. "});
  EXPECT_EQ(Template(), kAggregatedSetup);
}

}  // namespace
}  // namespace kpa::capability::testing
