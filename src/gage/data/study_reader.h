// Reading a finished gage study into the layout: from a standard data file (operator, part,
// optional trial and measurement variables, matched against the selected codes) or from R&R
// data sheets (one variable per part, one case per operator and trial).
#pragma once

#include <vector>

#include "gage/model/layout.h"
#include "shell/request/request.h"
#include "shell/settings/gage_settings.h"

namespace kpa::gage {

enum class StudyReadStatus {
  kOk,
  kEmptyCells,         // fewer measurements than cells
  kIdentical,          // every measurement the same
  kMissingSheetValue,  // a data sheet with an empty cell
  kShortSheet,         // fewer data-sheet values than cells
  kCancelled,
  kReadFailure,
  kTooLarge,  // the study does not fit in memory
};

struct StudyRead {
  StudyReadStatus status = StudyReadStatus::kOk;
  bool multiple_references = false;  // a cell given twice: the first value kept
  bool surplus = false;              // data-sheet values beyond the cells, ignored
  Study study;
};

// The study size a standard data file's codes give (T = 1 without a trial variable).
StudySize DataFileStudySize(const shell::GageSettings& settings);

StudyRead ReadDataFileStudy(shell::Request& request, const shell::GageSettings& settings);
StudyRead ReadDataSheetStudy(shell::Request& request, const shell::GageSettings& settings);

}  // namespace kpa::gage
