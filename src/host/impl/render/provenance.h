// Where a run's results come from, as the HTML report opens with it: the program and its
// version, when the run started, the script, each data file opened (name, size, SHA-256)
// and the case selection and weight last set.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kpa::host::render {

struct DataFileRecord {
  std::string path;
  std::uintmax_t size = 0;  // bytes
  std::string sha256;       // lower-case hexadecimal; empty when the file could not be read
};

struct Provenance {
  std::string program;  // "kpa 0.1.0"
  std::string started;  // "2026-12-06 10:30:00 UTC"
  std::string script;
  std::vector<DataFileRecord> data_files;
  std::string selection;  // the condition text; empty for none
  std::string weight;     // the weight variable's name; empty for none
};

// The HTML of the provenance block (a definition list), its texts escaped.
std::string RenderProvenanceHtml(const Provenance& provenance);

// The SHA-256 digest (FIPS 180-4, by OpenSSL) of the file's bytes; empty when unreadable.
std::string FileSha256(const std::string& path);

}  // namespace kpa::host::render
