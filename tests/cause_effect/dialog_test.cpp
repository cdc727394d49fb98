// The cause-and-effect dialog as a script drives it: the diagram drawn from the cases, the
// labels of bones and causes, the limit of 1000 causes, the checks of the fields and their
// messages, the limit of 8 variables, and the defaults kept in the keyword store.
#include <gtest/gtest.h>

#include "cause_effect/cause_effect_fixture.h"
#include "resources/ids/cause_effect_controls.h"
#include "resources/ids/cause_effect_strings.h"

namespace kpa::cause_effect {
namespace {

using automation::AutomationStatus;
using DiagramTest = CauseEffectChain;

std::vector<std::string> Texts(const host::DiagramSpec& diagram) {
  std::vector<std::string> texts;
  for (const auto& text : diagram.texts) texts.push_back(text.text);
  return texts;
}

TEST_F(DiagramTest, BonesAndCausesWithTheirLabels) {
  Set("Variables", std::string("machine | x"));
  ASSERT_EQ(Call("Summary"), AutomationStatus::kOk);
  ASSERT_EQ(host_.diagrams.size(), 1u);
  const host::DiagramSpec& diagram = host_.diagrams[0];
  ASSERT_EQ(diagram.title.size(), 1u);
  EXPECT_EQ(diagram.title[0].text, "Diagrammes de Causes-Effets ");
  ASSERT_EQ(diagram.arrows.size(), 3u);  // the centre arrow, then one per bone
  EXPECT_EQ(diagram.arrows[0].colour.blue, 255);
  EXPECT_DOUBLE_EQ(diagram.arrows[0].head.x, 0.9);
  EXPECT_DOUBLE_EQ(diagram.arrows[1].width, 0.75);
  // Bone labels first (above: anchored over the tail; below: under it), then the causes.
  const std::vector<std::string> expected = {"machine", "x",        "Usure",    "Jeu",
                                             "12",      "74.01235", "12345678", "45366"};
  EXPECT_EQ(Texts(diagram), expected);
  EXPECT_EQ(diagram.texts[0].anchor, host::TextAnchor::kAbove);
  EXPECT_EQ(diagram.texts[1].anchor, host::TextAnchor::kBelow);
  EXPECT_TRUE(host_.messages.empty());

  // Long names and long labels: ": " and the long text where there is one, nothing else.
  host_.variables[1].display_texts = {{45366.0, "2024-03-15"}};
  Set("DisplayLongVariableNames", std::int64_t{1});
  Set("DisplayLongValueLabels", std::int64_t{1});
  ASSERT_EQ(Call("Summary"), AutomationStatus::kOk);
  const std::vector<std::string> long_texts = {"machine: Machines et outillage",
                                               "x",
                                               "Usure",
                                               "Jeu: palier avant",
                                               "12",
                                               "74.01235",
                                               "12345678",
                                               "2024-03-15"};
  EXPECT_EQ(Texts(host_.diagrams[1]), long_texts);
}

TEST_F(DiagramTest, ABoneShowsAtMostAThousandCausesAndSaysSo) {
  Set("Variables", std::string("many"));
  ASSERT_EQ(Call("Summary"), AutomationStatus::kOk);
  ASSERT_EQ(host_.diagrams.size(), 1u);
  EXPECT_EQ(host_.diagrams[0].texts.size(), 1u + 1000u);
  EXPECT_EQ(host_.diagrams[0].texts.back().text, "999");
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0],
            "Seules les 1000 premières obs. (causes) seront représentées dans le diagramme.");
  // A weighted case counts ceil(w) times, at once; an excluded case not at all.
  host_.messages.clear();
  host_.weights.assign(1001, 1.0);
  host_.weights[1] = 2.5;
  host_.excluded.assign(1001, false);
  host_.excluded[0] = true;
  Set("Variables", std::string("machine"));
  ASSERT_EQ(Call("Summary"), AutomationStatus::kOk);
  const std::vector<std::string> weighted = {"machine", "Jeu", "Jeu", "Jeu"};
  EXPECT_EQ(Texts(host_.diagrams[1]), weighted);
}

TEST_F(DiagramTest, FieldsOutOfRangeComeBackAndTheDiagramIsDrawnAllTheSame) {
  Set("Variables", std::string("machine"));
  Set("ThicknessOfVerticalArrows", 6.0);
  Set("AngleOfAttachment", std::int64_t{35});  // typed, then refused below 40
  Set("FontSizeForCauses", std::int64_t{31});
  Set("LengthOfArrows", std::int64_t{50});
  EXPECT_EQ(Put("AngleOfAttachment", std::int64_t{29}), AutomationStatus::kOutOfRange);
  ASSERT_EQ(Call("Summary"), AutomationStatus::kOk);
  // In the order of the checks, the messages kept as they stand.
  const std::vector<std::string> messages = {
      "Longueur des flèches incorrecte ; valeur précédente rétablie.",
      "Angle des flèches incorrect ; valeur précédente rétablie.",
      "Taille de police des causes incorrecte ; valeur précédente rétablie."};
  EXPECT_EQ(host_.messages, messages);
  EXPECT_EQ(std::get<double>(Get("ThicknessOfVerticalArrows")), 0.75);
  EXPECT_EQ(std::get<std::int64_t>(Get("AngleOfAttachment")), 70);
  EXPECT_EQ(Settings().length, 50);  // a good field passes beside refused ones
  ASSERT_EQ(host_.diagrams.size(), 1u);
  EXPECT_DOUBLE_EQ(host_.diagrams[0].texts[1].font_size, 8.0);
}

TEST_F(DiagramTest, AtMostEightVariablesAndAtLeastOne) {
  EXPECT_EQ(Put("Variables", std::string("machine x many machine x | many machine x many")),
            AutomationStatus::kFailure);
  EXPECT_NE(last_error_.find("9 variables given; a diagram has at most 8"), std::string::npos)
      << last_error_;
  Set("Variables", std::string("machine x many machine | x many machine x"));
  EXPECT_EQ(Call("Summary"), AutomationStatus::kOk);
  EXPECT_EQ(host_.diagrams.size(), 1u);
  Set("Variables", std::string(""));
  EXPECT_NE(Call("Summary"), AutomationStatus::kOk);
  EXPECT_EQ(host_.diagrams.size(), 1u);
}

TEST_F(DiagramTest, DefaultsRoundTripThroughTheKeywordStore) {
  Set("ThicknessOfCenterArrow", 2.5);
  Set("AngleOfAttachment", std::int64_t{45});
  Set("DisplayLongValueLabels", std::int64_t{1});
  Press(controls::kStoreDefaults);
  EXPECT_EQ((host_.keywords[{"Ishikawa", "SizeOfCenterArrow"}]), "2.5");
  EXPECT_EQ((host_.keywords[{"Ishikawa", "AngleOfArrows"}]), "45");
  EXPECT_EQ((host_.keywords[{"Ishikawa", "UseLongValueLabels"}]), "1");
  Press(controls::kSystemDefaults);
  EXPECT_EQ(std::get<double>(Get("ThicknessOfCenterArrow")), 1.0);
  Press(controls::kRestoreDefaults);
  EXPECT_EQ(std::get<double>(Get("ThicknessOfCenterArrow")), 2.5);
  EXPECT_EQ(std::get<std::int64_t>(Get("AngleOfAttachment")), 45);
  EXPECT_EQ(std::get<std::int64_t>(Get("DisplayLongValueLabels")), 1);
  EXPECT_TRUE(host_.messages.empty());

  // A damaged or out-of-range entry is never used: the system's value, and one notice.
  host_.keywords[{"Ishikawa", "AngleOfArrows"}] = "35";
  host_.keywords[{"Ishikawa", "SizeOfMainTitle"}] = "15pt";
  host_.keywords.erase({"Ishikawa", "SizeOfArrows"});
  Press(controls::kRestoreDefaults);
  EXPECT_EQ(std::get<std::int64_t>(Get("AngleOfAttachment")), 70);
  EXPECT_EQ(std::get<std::int64_t>(Get("FontSizeForMainTitle")), 15);
  EXPECT_EQ(std::get<double>(Get("ThicknessOfCenterArrow")), 2.5);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0],
            "Paramètres par défaut absents ou incorrects (SizeOfArrows, AngleOfArrows, "
            "SizeOfMainTitle) ; valeurs du système rétablies.");
}

}  // namespace
}  // namespace kpa::cause_effect
