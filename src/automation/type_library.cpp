#include "automation/type_library.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "automation/interface_members.h"
#include "shell/steps.h"

namespace kpa::automation {
namespace {

namespace t = shell::templates;

constexpr EnumValue kProMethod[] = {
    {"scProRawDataProcessCapabilityAndToleranceIntervals", 0},
    {"scProAggregatedDataProcessCapabilityAndToleranceIntervals", 1},
    {"scProGageRepeatabilityAndReproducibility", 3},
    {"scProWeibullAndReliabilityAnalysis", 4},
    {"scProWeibullPaper", 5},
    {"scProSamplingPlans", 7},
    {"scProCauseAndEffectDiagrams", 9},
};
constexpr EnumValue kProSamplingDistribution[] = {
    {"scProNormalMeans", 0}, {"scProBinomialProportions", 1}, {"scProPoissonFrequencies", 2}};
constexpr EnumValue kProSamplingTestCriterion[] = {
    {"scProTwotailed", 0}, {"scProOneSidedRight", 1}, {"scProOneSidedLeft", 2}};
constexpr EnumValue kProProcessType[] = {{"scProNominalDelta", 0},
                                         {"scProLowerNominalUpper", 1},
                                         {"scProLowerNominal", 2},
                                         {"scProNominalUpper", 3}};
constexpr EnumValue kProGageTab[] = {
    {"scProGenerateDesign", 0}, {"scProAnalyzeDataFile", 1}, {"scProAnalyzeRAndRDataSheet", 2}};
constexpr EnumValue kProInputDataType[] = {{"scProRawData", 0}, {"scProAggregatedData", 1}};
constexpr EnumValue kProWeiInputDataType[] = {{"scProWeibullRawDataFile", 0},
                                              {"scProWeibullGroupedDataFile", 1}};

constexpr MemberRow kBaseMembers[] = {
    {"Name", MemberType::kString, Access::kRead, 0, ""},
    {"Application", MemberType::kObject, Access::kRead, 0, "Returns application object"},
    {"Parent", MemberType::kObject, Access::kRead, 0, "Returns the parent of the object"},
    {"OK", MemberType::kMethod, Access::kCall, shell::controls::kOk, ""},
    {"Cancel", MemberType::kMethod, Access::kCall, shell::controls::kCancel, ""},
    {"ResultsSelection", MemberType::kListVariant, Access::kWrite, 0, ""},
    {"ResultsSelectionOption", MemberType::kListVariant, Access::kWrite, 0, ""},
    {"ResultsVariables", MemberType::kListVariant, Access::kWrite, 0, ""},
    {"ResultsOption", MemberType::kInteger, Access::kWrite, 0, ""},
    {"ResultsCodes", MemberType::kListVariant, Access::kWrite, 0, ""},
    {"ResultsSaveFileName", MemberType::kString, Access::kWrite, 0, ""},
    {"ResultsValues", MemberType::kListVariant, Access::kWrite, 0, ""},
    {"ResultsOutputFields", MemberType::kListVariant, Access::kWrite, 0, ""},
};

constexpr int kStartupTemplates[] = {t::kStartup};
constexpr int kSamplingTemplates[] = {t::kSamplingSpecification};
constexpr int kSamplingResultsTemplates[] = {t::kSamplingResults};
constexpr int kSamplingResultsBinomialTemplates[] = {t::kSamplingResultsBinomial};
constexpr int kCapabilityTemplates[] = {t::kCapabilityRawSetup};
constexpr int kCapabilityAggregatedTemplates[] = {t::kCapabilityAggregatedSetup};
constexpr int kCapabilityResultsTemplates[] = {t::kCapabilityResults};
constexpr int kCapabilityNN1Templates[] = {t::kCapabilityResultsOneParameter};
constexpr int kCapabilityNN2Templates[] = {t::kCapabilityResultsTwoParameters};
constexpr int kGageDesignTemplates[] = {t::kGageDesign};
constexpr int kGageAnalyze1Templates[] = {t::kGageAnalyzeDataFile};
constexpr int kGageAnalyze2Templates[] = {t::kGageAnalyzeDataSheet};
constexpr int kGageDesignResultsTemplates[] = {t::kGageDesignResults};
constexpr int kGageAnalysisResultsTemplates[] = {t::kGageAnalysisResults};
constexpr int kWeibullRawTemplates[] = {t::kWeibullRawSetup};
constexpr int kWeibullGroupedTemplates[] = {t::kWeibullGroupedSetup};
constexpr int kWeibullPaperTemplates[] = {t::kWeibullPaper};
constexpr int kWeibullResultsRawTemplates[] = {t::kWeibullResultsRaw};
constexpr int kWeibullResultsGroupedTemplates[] = {t::kWeibullResultsGrouped};
constexpr int kCapabilitySpecsTemplates[] = {t::kCapabilityAggregatedResults};
constexpr int kCauseEffectTemplates[] = {t::kCauseEffect};

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

const std::vector<EnumDefinition>& Enumerations() {
  static const std::vector<EnumDefinition> enumerations = {
      {"ProMethod", kProMethod},
      {"ProSamplingDistribution", kProSamplingDistribution},
      {"ProSamplingTestCriterion", kProSamplingTestCriterion},
      {"ProProcessType", kProProcessType},
      {"ProGageTab", kProGageTab},
      {"ProInputDataType", kProInputDataType},
      {"ProWeiInputDataType", kProWeiInputDataType},
  };
  return enumerations;
}

// The dialog interfaces in type-library order. An interface whose procedure is not built
// yet has only the base members.
const std::vector<InterfaceDefinition>& Interfaces() {
  static const std::vector<InterfaceDefinition> interfaces = {
      {"ProStartup", "Process Analysis startup dialog", kStartupTemplates, StartupMembers()},
      {"ProSampling", "Sampling plans specifications dialog", kSamplingTemplates,
       SamplingMembers()},
      {"ProSamplingResults", "Sampling plans results dialog", kSamplingResultsTemplates,
       SamplingResultsMembers()},
      {"ProSamplingResultsBinomial", "Sampling plans results dialog, binomial proportions",
       kSamplingResultsBinomialTemplates, SamplingResultsBinomialMembers()},
      {"ProProcessCapability", "Process capability analysis dialog, raw data", kCapabilityTemplates,
       CapabilityMembers()},
      {"ProProcessCapabilityAggregated", "Process capability analysis dialog, aggregated data",
       kCapabilityAggregatedTemplates, CapabilityAggregatedMembers()},
      {"ProProcessCapabilityResults",
       "Process capability analysis results dialog, normal and general non-normal "
       "distributions and raw data",
       kCapabilityResultsTemplates, CapabilityResultsMembers()},
      {"ProProcessCapabilityNN1Results",
       "Process capability analysis results dialog, single-parameter non-normal distributions "
       "and raw data",
       kCapabilityNN1Templates, CapabilityNN1Members()},
      {"ProProcessCapabilityNN2Results",
       "Process capability analysis results dialog, two-parameter non-normal distributions "
       "and raw data",
       kCapabilityNN2Templates, CapabilityNN2Members()},
      {"ProDesignGageRR", "Gage repeatability and reproducibility analysis dialog, generate design",
       kGageDesignTemplates, GageDesignMembers()},
      {"ProAnalyzeGageRR1",
       "Gage repeatability and reproducibility analysis dialog, analyze raw data",
       kGageAnalyze1Templates, GageDataFileMembers()},
      {"ProAnalyzeGageRR2",
       "Gage repeatability and reproducibility analysis dialog, analyze R & R data sheets",
       kGageAnalyze2Templates, GageDataSheetMembers()},
      {"ProDesignGageRRResults", "Gage repeatability and reproducibility design results dialog",
       kGageDesignResultsTemplates, GageDesignResultsMembers()},
      {"ProAnalyzeGageRRResults",
       "Analysis of a gage repeatability and reproducibility experiment results dialog",
       kGageAnalysisResultsTemplates, GageAnalysisResultsMembers()},
      {"ProWeibullRawData",
       "Weibull and failure time analysis analysis specifications dialog, raw data",
       kWeibullRawTemplates, WeibullRawMembers()},
      {"ProWeibullAggregatedData",
       "Weibull and failure time analysis specifications dialog, aggregated data",
       kWeibullGroupedTemplates, WeibullGroupedMembers()},
      {"ProWeibullProbabilityPaper", "Weibull probability paper dialog", kWeibullPaperTemplates,
       WeibullPaperMembers()},
      {"ProWeibullResultsRawData", "Weibull and failure time analysis results dialog, raw data",
       kWeibullResultsRawTemplates, WeibullResultsRawMembers()},
      {"ProWeibullResultsAggregatedData",
       "Weibull and failure time analysis results dialog, aggregated data",
       kWeibullResultsGroupedTemplates, WeibullResultsGroupedMembers()},
      {"ProProcessCapabilitySpecs", "Process capability specifications dialog, aggregated data",
       kCapabilitySpecsTemplates, CapabilitySpecsMembers()},
      {"ProCauseAndEffectDiagrams", "Cause and effect diagrams (Ishikawa charts; Fishbone charts)",
       kCauseEffectTemplates, CauseEffectMembers()},
  };
  return interfaces;
}

std::span<const MemberRow> BaseMembers() { return kBaseMembers; }

const InterfaceDefinition& BaseInterface() {
  static const InterfaceDefinition base{kBaseInterface, kBaseInterfaceHelp, {}, {}};
  return base;
}

const EnumDefinition* FindEnumeration(std::string_view name) {
  for (const auto& enumeration : Enumerations())
    if (SameName(enumeration.name, name)) return &enumeration;
  return nullptr;
}

const EnumValue* FindEnumerator(std::string_view name) {
  for (const auto& enumeration : Enumerations())
    for (const auto& value : enumeration.values)
      if (SameName(value.name, name)) return &value;
  return nullptr;
}

const InterfaceDefinition* FindInterface(std::string_view name) {
  for (const auto& definition : Interfaces())
    if (SameName(definition.name, name)) return &definition;
  return nullptr;
}

const InterfaceDefinition* InterfaceOfTemplate(int template_number) {
  for (const auto& definition : Interfaces())
    for (const int number : definition.templates)
      if (number == template_number) return &definition;
  return nullptr;
}

namespace {

// Levenshtein's edit distance between two names, case not minded.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  const auto lower = [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  };
  std::vector<std::size_t> previous(b.size() + 1);
  std::vector<std::size_t> current(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    current[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t substitution =
          previous[j - 1] + (lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1);
      current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
    }
    std::swap(previous, current);
  }
  return previous[b.size()];
}

}  // namespace

std::string NearestMemberName(const InterfaceDefinition& interface_definition,
                              std::string_view name) {
  std::string nearest;
  std::size_t best = name.size() / 3 + 1;
  for (const BoundMember& bound : MembersOf(interface_definition)) {
    const std::size_t distance = EditDistance(name, bound.row->member);
    if (distance < best) {
      best = distance;
      nearest = std::string(bound.row->member);
    }
  }
  return nearest;
}

std::vector<BoundMember> MembersOf(const InterfaceDefinition& interface_definition) {
  std::vector<BoundMember> members;
  std::uint32_t id = 0;
  for (const auto& row : BaseMembers()) members.push_back({&interface_definition, &row, id++});
  // Own members: a read/write property takes two consecutive numbers (reader and writer
  // share the first), any other member one.
  id = kFirstOwnDispatchId;
  for (const auto& row : interface_definition.members) {
    members.push_back({&interface_definition, &row, id});
    id += row.access == Access::kReadWrite ? 2 : 1;
  }
  return members;
}

std::optional<BoundMember> FindMember(const InterfaceDefinition& interface_definition,
                                      std::string_view member) {
  for (const auto& bound : MembersOf(interface_definition))
    if (SameName(bound.row->member, member)) return bound;
  return std::nullopt;
}

std::string_view TypeName(const MemberRow& row) {
  switch (row.type) {
    case MemberType::kInteger:
      return "integer";
    case MemberType::kDouble:
      return "double";
    case MemberType::kString:
      return "string";
    case MemberType::kListVariant:
      return row.access == Access::kWrite ? "variant" : "string (read) / variant (write)";
    case MemberType::kEnum:
      return row.enum_name;
    case MemberType::kObject:
      return "object";
    case MemberType::kAction:
      return "action returning output";
    case MemberType::kMethod:
      return row.control_id == shell::controls::kOk ? "integer" : "none";
  }
  return "";
}

std::string_view AccessName(Access access) {
  switch (access) {
    case Access::kRead:
      return "read-only";
    case Access::kWrite:
      return "write-only";
    case Access::kReadWrite:
      return "read/write";
    case Access::kCall:
      return "method";
  }
  return "";
}

}  // namespace kpa::automation
