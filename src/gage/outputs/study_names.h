// What the gage reports say about the study they describe: its input and the names of its
// variables.
#pragma once

#include <string>

#include "gage/model/layout.h"

namespace kpa::gage {

struct StudyNames {
  bool data_sheet = false;
  std::string measure;    // the measurement variable (a data file)
  std::string operators;  // the classification variables; trials empty without one
  std::string parts;
  std::string trials;
};

}  // namespace kpa::gage
