// The host's keyword store: small settings kept across sessions, by section and key, in a
// plain text file ("[section]" lines, then "key=value" lines), rewritten on every change.
// Anything but a regular file of at most 1 MiB in its place is not read, and not written
// over.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace kpa::host {

class KeywordStore {
 public:
  // An empty path keeps the store in memory only.
  explicit KeywordStore(std::filesystem::path file = {});

  std::optional<std::string> Get(const std::string& section, const std::string& key) const;
  // Stores the value; false when the file could not be written (the value is kept in memory).
  bool Put(const std::string& section, const std::string& key, const std::string& value);

  // The default file: $KPA_CONFIG_DIR, else $XDG_CONFIG_HOME/kpa, else ~/.config/kpa, with
  // keywords.ini inside; empty when none of them is known.
  static std::filesystem::path DefaultFile();

 private:
  static constexpr std::uintmax_t kMaxFileBytes = 1 << 20;

  void Load();
  bool Save() const;

  std::filesystem::path file_;
  std::map<std::pair<std::string, std::string>, std::string> entries_;
};

}  // namespace kpa::host
