// The text form of the specifications of all analysis variables, as scripts read and write
// it: per variable its name and, in parentheses, nominal, delta, lower and upper limit, each
// a number or the word Missing:  diameter ( 74.000000 0.050000 MISSING MISSING )
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "capability/specifications/spec_record.h"

namespace kpa::capability {

// Entries separated by a blank, a line feed and a blank; variables without a specification
// are left out. Numbers in fixed notation with six decimals, '.' always.
std::string FormatSpecificationString(std::span<const int> variables,
                                      const std::map<int, ProcessSpecRecord>& records,
                                      const shell::Request& request);

enum class SpecStringError {
  kNone,
  kSyntax,           // not of the form  name ( item item ... )
  kUnknownVariable,  // a name or number that is not an analysis variable
  kTooManyItems,     // a fifth item inside the parentheses
};

struct ParsedSpecifications {
  std::vector<std::pair<int, SpecEntry>> entries;  // analysis variable number, its cells
  SpecStringError error = SpecStringError::kNone;
  std::string detail;  // what is wrong, for the script's error text
};

// Reads entries in the form FormatSpecificationString writes. A variable is given by number
// or by name, bare or in double quotes, matched without regard to case against the analysis
// variables; items not given stay empty; entries may be separated by blanks or line ends.
ParsedSpecifications ParseSpecificationString(std::string_view text, std::span<const int> variables,
                                              const shell::Request& request);

}  // namespace kpa::capability
