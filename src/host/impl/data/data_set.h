// The in-memory data file of the substitute host: variables holding one double per case,
// their names, labels and missing-data codes, optional case names, and the error type that
// every reader throws. Variables and cases are both numbered from 1 in the accessors, as
// the module addresses them; the vectors underneath are indexed from 0.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/impl/data/date_format.h"

namespace kpa::host::data {

// Missing-data code given to a variable when its file names none. The same code marks
// missing cells in the gage designs the module saves, so files round-trip unchanged.
inline constexpr double kDefaultMissingCode = -9999.0;

struct Variable {
  std::string name;                      // at most 8 characters, see names.h
  std::optional<std::string> long_name;  // the variable label
  double missing_code = kDefaultMissingCode;
  std::map<double, std::string> value_labels;       // code -> text
  std::map<double, std::string> value_long_labels;  // code -> description beside the label
  std::optional<DateFormat> date_format;            // shown as dates rather than numbers
  std::vector<double> values;                       // one per case; missing cells hold missing_code
  bool from_texts = false;  // codes the reader made from a column of texts, not measurements

  bool IsMissing(double value) const { return value == missing_code; }
  // The text of `code`, or std::nullopt when the code has no label.
  std::optional<std::string> LabelOf(double code) const;
};

struct DataSet {
  std::string source_path;
  std::vector<Variable> variables;
  std::vector<std::string> case_names;  // empty, or one per case

  int VariableCount() const { return static_cast<int>(variables.size()); }
  std::int64_t CaseCount() const;
  bool HasVariable(int number) const { return number >= 1 && number <= VariableCount(); }
  bool HasCase(std::int64_t case_number) const {
    return case_number >= 1 && case_number <= CaseCount();
  }
  // Variable `number` (1-based); throws std::out_of_range for an unknown number.
  const Variable& variable(int number) const;
  Variable& variable(int number);
  // The value of variable `number` in case `case_number`, both 1-based; throws
  // std::out_of_range when either is unknown.
  double Value(int number, std::int64_t case_number) const;
  bool IsMissing(int number, std::int64_t case_number) const;
  // The number of the variable called `name`, without regard to case; 0 when none is.
  int FindVariable(std::string_view name) const;
  bool HasCaseNames() const { return !case_names.empty(); }
  // The name of case `case_number` (1-based); "" when there are no case names.
  std::string CaseName(std::int64_t case_number) const;
};

// The weight of a case under weight variable `weight_variable`: its raw value, or 0 when the
// cell is missing. Zero and negative weights are passed on; the module decides what they mean.
double CaseWeight(const DataSet& data, int weight_variable, std::int64_t case_number);

// A data file that cannot be read. `line` is the physical line of the file (1-based, 0 when
// no line applies) and `column` the 1-based cell of that line (0 when no cell applies).
// what() reads "file:line:column: detail", leaving out the parts that are 0.
class DataFileError : public std::runtime_error {
 public:
  DataFileError(std::string file, int line, int column, std::string detail);

  const std::string& file() const { return file_; }
  int line() const { return line_; }
  int column() const { return column_; }
  const std::string& detail() const { return detail_; }

 private:
  std::string file_;
  int line_;
  int column_;
  std::string detail_;
};

// What a reader hands back: the data and the notices the user should see (names that had
// to change, codes that had to move), in the order they arose.
struct ReadResult {
  DataSet data;
  std::vector<std::string> notices;
};

}  // namespace kpa::host::data
