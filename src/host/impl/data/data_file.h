// Opening a data file of any supported kind, chosen by the file's extension (any letter case):
// .csv, .txt and .tsv are delimited text (csv_reader.h), .sav and .zsav SPSS, .dta Stata
// (stat_file_reader.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/impl/data/csv_dialect.h"
#include "host/impl/data/data_set.h"

namespace kpa::host::data {

// Reads the data file at `path`. Throws DataFileError, also for an unknown extension.
// `csv` states the dialect of a delimited text file; other kinds ignore it.
ReadResult ReadDataFile(const std::string& path, const CsvOptions& csv = {});

// The memory this process may still take, from /proc/meminfo and a cgroup v2 limit;
// std::nullopt when neither can be read.
std::optional<std::uintmax_t> AvailableMemoryBytes();

// Throws DataFileError unless `path` names an existing regular file.
void RequireRegularFile(const std::string& path);

// The bytes of the file at `path`, read in one piece. Throws DataFileError when it cannot be
// opened or read (std::bad_alloc when it does not fit in memory).
std::string ReadWholeFile(const std::string& path);

}  // namespace kpa::host::data
