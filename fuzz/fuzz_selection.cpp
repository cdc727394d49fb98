// The case-selection language on any text, parsed against a small data file and evaluated
// on each of its cases (numbers, a labelled text column, missing cells).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/impl/data/data_set.h"
#include "host/impl/data/selection_condition.h"

namespace {

kpa::host::data::DataSet MakeData() {
  using kpa::host::data::Variable;
  kpa::host::data::DataSet data;
  Variable s;
  s.name = "s";
  s.values = {1.0, 2.5, -9999.0, 1e300, -0.0};
  Variable op;
  op.name = "Opérateu";
  op.values = {1.0, 2.0, 1.0, -9999.0, 2.0};
  op.value_labels = {{1.0, "Ann"}, {2.0, "Bob"}};
  op.from_texts = true;
  data.variables = {s, op};
  return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const kpa::host::data::DataSet kData = MakeData();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const auto condition = kpa::host::data::SelectionCondition::Parse(text, kData);
    for (std::int64_t c = 1; c <= kData.CaseCount(); ++c) (void)condition.Selected(c);
  } catch (const kpa::host::data::SelectionConditionError&) {
  }
  return 0;
}
