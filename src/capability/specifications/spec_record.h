// Process specifications of one variable: completing a record from the values its type
// needs, building a record from the four cells of an entry (editor row or specification
// string), the effective limits the indices use, and the text that names a specification.
#pragma once

#include <optional>
#include <string>

#include "shell/request/request.h"
#include "shell/settings/capability_settings.h"

namespace kpa::capability {

using shell::ProcessSpecRecord;
using shell::ProcessType;

// Fills the values a record's type leaves to compute:
//   type 1: LSL = Nominal - delta, USL = Nominal + delta;
//   type 2: delta = ((USL - Nominal) + (Nominal - LSL)) / 2;
//   type 3: delta = (Nominal - LSL) / 2 and USL = Nominal + delta (for drawing only);
//   type 4: delta = (USL - Nominal) / 2 and LSL = Nominal - delta.
// False, and the record unchanged, when the nominal or a value the type needs is absent or
// the type is none of these.
[[nodiscard]] bool CompleteSpecRecord(ProcessSpecRecord& record);

// The record with only the values its type defines (type 1: delta; 2: LSL and USL; 3: LSL;
// 4: USL; besides the nominal), as the specification fields and texts show it.
ProcessSpecRecord DefinedValues(const ProcessSpecRecord& record);

// True when all four values are present with LSL < Nominal < USL and a positive delta, as a
// completed record of any type has them.
bool IsCompleteSpecRecord(const ProcessSpecRecord& record);

// The four cells of one entry, any of them empty.
struct SpecEntry {
  std::optional<double> nominal;
  std::optional<double> delta;
  std::optional<double> lower;
  std::optional<double> upper;
};

// Builds a record from an entry. A delta above 0 makes the type 1 (the delta is kept
// whatever the other cells say); an LSL below the nominal is kept and makes the type 3 if
// none yet; a USL above the nominal is kept and makes the type 4, or 2 after a 3. A limit on
// the wrong side of the nominal is cleared. Nothing (std::nullopt) when the nominal is empty
// or no type results. The record is not completed.
std::optional<ProcessSpecRecord> RecordFromEntry(const SpecEntry& entry);

// The limits the indices use: LSL and USL of the completed record (type 3 has its drawing
// USL, type 4 its drawing LSL).
struct SpecLimits {
  ProcessType type = ProcessType::kUndefined;
  double lower = 0.0;
  double nominal = 0.0;
  double upper = 0.0;
  double delta = 0.0;
  bool HasLower() const { return type != ProcessType::kNominalUpper; }
  bool HasUpper() const { return type != ProcessType::kLowerNominal; }
  bool TwoSided() const {
    return type == ProcessType::kNominalDelta || type == ProcessType::kLowerNominalUpper;
  }
};
std::optional<SpecLimits> EffectiveLimits(const ProcessSpecRecord& record);

// "Nominal ± delta74 ± 0.05(LSI=73.95,LSS=74.05)" and the like: the type name followed by
// the values that apply to the type.
std::string SpecificationText(const ProcessSpecRecord& record, const shell::Request& request);

}  // namespace kpa::capability
