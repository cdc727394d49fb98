#include "host/impl/keyword_store.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace kpa::host {

KeywordStore::KeywordStore(std::filesystem::path file) : file_(std::move(file)) { Load(); }

std::filesystem::path KeywordStore::DefaultFile() {
  if (const char* dir = std::getenv("KPA_CONFIG_DIR"); dir != nullptr && *dir != '\0')
    return std::filesystem::path(dir) / "keywords.ini";
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0')
    return std::filesystem::path(xdg) / "kpa" / "keywords.ini";
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    return std::filesystem::path(home) / ".config" / "kpa" / "keywords.ini";
  return {};
}

std::optional<std::string> KeywordStore::Get(const std::string& section,
                                             const std::string& key) const {
  const auto it = entries_.find({section, key});
  if (it == entries_.end()) return std::nullopt;
  return it->second;
}

bool KeywordStore::Put(const std::string& section, const std::string& key,
                       const std::string& value) {
  entries_[{section, key}] = value;
  return Save();
}

void KeywordStore::Load() {
  if (file_.empty()) return;
  // Only a regular file of a sensible size is read: a FIFO or a device in its place would
  // block or never end, and the store of a few settings is never large.
  std::error_code error;
  if (!std::filesystem::is_regular_file(file_, error)) return;
  const auto size = std::filesystem::file_size(file_, error);
  if (error || size > kMaxFileBytes) return;
  std::ifstream in(file_);
  std::string line;
  std::string section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;  // a damaged line is skipped, not fatal
    entries_[{section, line.substr(0, equals)}] = line.substr(equals + 1);
  }
}

bool KeywordStore::Save() const {
  if (file_.empty()) return true;
  std::error_code error;
  if (std::filesystem::exists(file_, error) && !std::filesystem::is_regular_file(file_, error))
    return false;
  std::filesystem::create_directories(file_.parent_path(), error);
  // Write beside and rename, so that a failed write never loses the stored keywords.
  const std::filesystem::path temporary = file_.string() + ".tmp";
  {
    std::ofstream out(temporary, std::ios::trunc);
    if (!out) return false;
    std::string section;
    bool first = true;
    for (const auto& [where, value] : entries_) {
      if (first || where.first != section) {
        section = where.first;
        out << '[' << section << "]\n";
        first = false;
      }
      out << where.second << '=' << value << '\n';
    }
    if (!out) return false;
  }
  std::filesystem::rename(temporary, file_, error);
  return !error;
}

}  // namespace kpa::host
