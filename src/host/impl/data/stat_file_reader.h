// Reading SPSS (.sav, .zsav) and Stata (.dta) data files through ReadStat.
//
// Names are made usable and unique as for CSV columns (names.h); a variable label becomes the
// long name, or the original name when the name had to change and there is no label. Value
// labels of numeric variables are kept. System-missing, Stata's tagged missing (.a to .z) and
// SPSS user-defined missing values all read as the variable's missing code: the first single
// user-defined missing value when the variable has one (so its label, such as "no answer",
// still applies), otherwise -9999, moved to -99999, -999999, ... when -9999 is a real value of
// the variable. String variables become coded variables as CSV text columns do; a code's label
// is the string's value label when it has one, else the string itself. Trailing blanks of
// strings are dropped and an empty string is missing.
#pragma once

#include <string>

#include "host/impl/data/data_set.h"

namespace kpa::host::data {

// Both throw DataFileError.
ReadResult ReadSavFile(const std::string& path);
ReadResult ReadDtaFile(const std::string& path);

}  // namespace kpa::host::data
