// The design of a study shown and saved: the standard data file layout (one row per
// measurement in the design order) and the R&R data sheet (one column per part, one row per
// operator and trial), and the limits of the data-sheet layout.
#pragma once

#include <cstdint>
#include <vector>

#include "gage/outputs/gage_table.h"
#include "host/api/host.h"

namespace kpa::gage {

// The string of the first data-sheet limit the design breaks; 0 when it fits.
int DataSheetLimitBroken(const StudySize& size);

GageTable DesignTable(const shell::Request& request, const StudySize& size,
                      const std::vector<std::int32_t>& order);
GageTable DataSheetTable(const shell::Request& request, const StudySize& size);

// The data files the design saves: the missing measurements coded -9999.
host::NewDataFile DesignFile(const shell::Request& request, const StudySize& size,
                             const std::vector<std::int32_t>& order);
host::NewDataFile DataSheetFile(const shell::Request& request, const StudySize& size);

// The name of part `part` in a saved data sheet, at most 8 characters: "Pièce_" and the
// number while it fits, "Pce_" and the number from part 100 on, so that names stay
// distinct and readable.
std::string DataSheetPartName(const shell::Request& request, std::int64_t part);

}  // namespace kpa::gage
