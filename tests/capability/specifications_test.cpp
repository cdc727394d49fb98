// Specification records: completion, the entry rules of the editor and of the text form,
// and the text form itself.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "capability/dialogs/validation.h"
#include "capability/specifications/spec_record.h"
#include "capability/specifications/spec_string.h"
#include "resources/ids/capability_strings.h"
#include "shell/request/request.h"
#include "support/fake_host.h"

namespace kpa::capability {
namespace {

using shell::ProcessType;

TEST(SpecRecordTest, EntryRules) {
  struct Case {
    const char* name;
    SpecEntry entry;
    std::optional<ProcessType> type;
    double lower, upper, delta;
  };
  const std::vector<Case> cases = {
      {"delta wins over LSI", {10, 2, 7, {}}, ProcessType::kNominalDelta, 8, 12, 2},
      {"USL alone", {10, {}, {}, 12}, ProcessType::kNominalUpper, 9, 12, 1},
      {"LSI alone", {10, {}, 6, {}}, ProcessType::kLowerNominal, 6, 12, 2},
      {"both limits", {10, {}, 8, 13}, ProcessType::kLowerNominalUpper, 8, 13, 2.5},
      {"LSI above nominal", {10, {}, 11, {}}, std::nullopt, 0, 0, 0},
      {"delta zero", {10, 0, {}, {}}, std::nullopt, 0, 0, 0},
      {"no nominal", {{}, 1, {}, {}}, std::nullopt, 0, 0, 0},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    auto record = RecordFromEntry(test.entry);
    ASSERT_EQ(record.has_value(), test.type.has_value());
    if (!record) continue;
    EXPECT_EQ(record->type, *test.type);
    ASSERT_TRUE(CompleteSpecRecord(*record));
    EXPECT_DOUBLE_EQ(*record->lower, test.lower);
    EXPECT_DOUBLE_EQ(*record->upper, test.upper);
    EXPECT_DOUBLE_EQ(*record->delta, test.delta);
    EXPECT_TRUE(IsCompleteSpecRecord(*record));
  }
}

TEST(SpecRecordTest, IncompleteRecordStaysAsItWas) {
  ProcessSpecRecord record;
  record.type = ProcessType::kLowerNominalUpper;
  record.nominal = 10;
  record.lower = 8;
  EXPECT_FALSE(CompleteSpecRecord(record));
  EXPECT_FALSE(record.upper.has_value());
  EXPECT_FALSE(record.delta.has_value());
}

class SpecStringTest : public ::testing::Test {
 protected:
  SpecStringTest() {
    for (const char* name : {"X", "Other Name", "Y"}) {
      testing::FakeVariable variable;
      variable.name = name;
      variable.values = {1.0};
      host_.variables.push_back(variable);
    }
  }
  testing::FakeHost host_;
  shell::Request request_{host_};
  std::vector<int> variables_ = {1, 2};
};

TEST_F(SpecStringTest, ParsesEntriesAndAppliesTheEntryRules) {
  struct Case {
    const char* text;
    SpecStringError error;
    std::optional<ProcessType> type;  // of the first entry's record
  };
  const std::vector<Case> cases = {
      {"X ( 10 Missing 8 12 )", SpecStringError::kNone, ProcessType::kLowerNominalUpper},
      {"x ( 10 Missing 12 8 )", SpecStringError::kNone, std::nullopt},  // refused: 12722
      {"1 ( 10 0 Missing Missing )", SpecStringError::kNone, std::nullopt},
      {"\"other name\" ( 5 1 )", SpecStringError::kNone, ProcessType::kNominalDelta},
      {"X ( 1 2 3 4 5 )", SpecStringError::kTooManyItems, std::nullopt},
      {"Y ( 10 1 )", SpecStringError::kUnknownVariable, std::nullopt},
      {"X 10 1", SpecStringError::kSyntax, std::nullopt},
      {"X ( 10 abc )", SpecStringError::kSyntax, std::nullopt},
      {"X ( inf 1 )", SpecStringError::kSyntax, std::nullopt},  // no limit is infinite
      {"X ( 10 nan )", SpecStringError::kSyntax, std::nullopt},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.text);
    const ParsedSpecifications parsed = ParseSpecificationString(test.text, variables_, request_);
    EXPECT_EQ(parsed.error, test.error);
    if (test.error != SpecStringError::kNone) continue;
    ASSERT_EQ(parsed.entries.size(), 1u);
    const auto record = RecordFromEntry(parsed.entries[0].second);
    ASSERT_EQ(record.has_value(), test.type.has_value());
    if (record) {
      EXPECT_EQ(record->type, *test.type);
    }
  }
}

TEST_F(SpecStringTest, ReadsBackWhatItWrites) {
  std::map<int, ProcessSpecRecord> records;
  records[1] = *RecordFromEntry({74, 0.05, {}, {}});
  records[2] = *RecordFromEntry({10, {}, 8, {}});
  ASSERT_TRUE(CompleteSpecRecord(records[1]));
  ASSERT_TRUE(CompleteSpecRecord(records[2]));
  const std::string text = FormatSpecificationString(variables_, records, request_);
  EXPECT_EQ(text,
            "X ( 74.000000 0.050000 MISSING MISSING )  \n "
            "\"Other Name\" ( 10.000000 MISSING 8.000000 MISSING ) ");
  const ParsedSpecifications parsed = ParseSpecificationString(text, variables_, request_);
  ASSERT_EQ(parsed.error, SpecStringError::kNone);
  ASSERT_EQ(parsed.entries.size(), 2u);
  EXPECT_EQ(RecordFromEntry(parsed.entries[1].second)->type, ProcessType::kLowerNominal);
}

// Values that six decimals would change are written in their shortest exact form, so that
// a string read and written back stores the same doubles bit for bit.
TEST_F(SpecStringTest, RoundTripsEveryValueExactly) {
  std::map<int, ProcessSpecRecord> records;
  records[1] = *RecordFromEntry({74.0000001, 1e-7, {}, {}});
  records[2] = *RecordFromEntry({0.1 + 0.2, {}, -1e300, 1.0 / 3.0});
  ASSERT_TRUE(CompleteSpecRecord(records[1]));
  ASSERT_TRUE(CompleteSpecRecord(records[2]));
  const std::string text = FormatSpecificationString(variables_, records, request_);
  EXPECT_NE(text.find("74.0000001 1e-07"), std::string::npos) << text;
  EXPECT_NE(text.find("-1e+300"), std::string::npos) << text;
  const ParsedSpecifications parsed = ParseSpecificationString(text, variables_, request_);
  ASSERT_EQ(parsed.error, SpecStringError::kNone);
  ASSERT_EQ(parsed.entries.size(), 2u);
  const SpecEntry& first = parsed.entries[0].second;
  const SpecEntry& second = parsed.entries[1].second;
  EXPECT_EQ(std::bit_cast<std::uint64_t>(*first.nominal), std::bit_cast<std::uint64_t>(74.0000001));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(*first.delta), std::bit_cast<std::uint64_t>(1e-7));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(*second.nominal), std::bit_cast<std::uint64_t>(0.1 + 0.2));
  EXPECT_EQ(*second.lower, -1e300);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(*second.upper), std::bit_cast<std::uint64_t>(1.0 / 3.0));
}

TEST(ValidationTest, FirstFailureInChainOrder) {
  // Each row breaks one field and the ones after it; the first in chain order is named.
  struct Case {
    const char* name;
    void (*spoil)(ResultsFieldValues&);
    ResultsField field;
    int message;
  };
  const std::vector<Case> cases = {
      {"user mean",
       [](ResultsFieldValues& v) {
         v.user_mean_on = true;
         v.user_mean = 1e8;
         v.sigma_limits = 20;
       },
       ResultsField::kUserMean, strings::kBadUserMean},
      {"user sigma 0",
       [](ResultsFieldValues& v) {
         v.user_sigma_on = true;
         v.user_sigma = 0;
         v.sigma_limits = 20;
       },
       ResultsField::kUserSigma, strings::kBadSigma},
      {"within sigma",
       [](ResultsFieldValues& v) {
         v.within_sigma = -1;
         v.sigma_limits = 0.4;
       },
       ResultsField::kWithinSigma, strings::kBadSigma},
      {"sigma limits 15.1",
       [](ResultsFieldValues& v) {
         v.sigma_limits = 15.1;
         v.delta = 0;
       },
       ResultsField::kSigmaLimits, strings::kBadSigmaLimits},
      {"delta 0",
       [](ResultsFieldValues& v) {
         v.delta = 0;
         v.n_adjustment = 0;
       },
       ResultsField::kDelta, strings::kBadDelta},
      {"LSL above nominal",
       [](ResultsFieldValues& v) {
         v.type = ProcessType::kLowerNominalUpper;
         v.lower = 1;
         v.upper = -1;
       },
       ResultsField::kLower, strings::kBadLsl},
      {"N adjustment 0.6",
       [](ResultsFieldValues& v) {
         v.n_adjustment = 0.6;
         v.rank_adjustment = 0.1;
       },
       ResultsField::kNAdjustment, strings::kBadNAdjustment},
      {"tolerance N 2",
       [](ResultsFieldValues& v) {
         v.tolerance_n = 2;
         v.percent = 5;
       },
       ResultsField::kToleranceN, strings::kBadToleranceN},
      {"confidence 99.95",
       [](ResultsFieldValues& v) {
         v.confidence = 99.95;
         v.categories = 51;
       },
       ResultsField::kConfidence, strings::kBadConfidence},
      {"upper not above lower",
       [](ResultsFieldValues& v) {
         v.histogram_upper = v.histogram_lower;
         v.categories = 4;
       },
       ResultsField::kHistogramUpper, strings::kBadHistogramUpper},
      {"categories 4", [](ResultsFieldValues& v) { v.categories = 4; }, ResultsField::kCategories,
       strings::kBadCategories},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    ResultsFieldValues values;
    test.spoil(values);
    const auto failure = ValidateResultsFields(values, {true, true});
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->field, test.field);
    EXPECT_EQ(failure->message, test.message);
  }
}

TEST(ValidationTest, BoundariesAccepted) {
  ResultsFieldValues values;
  values.tolerance_n = 3;
  values.categories = 5;
  values.sigma_limits = 0.5;
  values.rank_adjustment = -0.5;
  values.n_adjustment = 0.5;
  EXPECT_FALSE(ValidateResultsFields(values, {true, true}).has_value());
  values.categories = 50;
  values.tolerance_n = 32000;
  values.sigma_limits = 15;
  EXPECT_FALSE(ValidateResultsFields(values, {true, true}).has_value());
  // Without grouped data the within-sample sigma field is not checked.
  values.within_sigma = 0;
  EXPECT_FALSE(ValidateResultsFields(values, {false, true}).has_value());
}

}  // namespace
}  // namespace kpa::capability
