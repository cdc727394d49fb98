// A zip archive (PKWARE's APPNOTE, version 2.0 features: deflated members, no zip64) written
// member by member: the container of an Office Open XML workbook.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kpa::host::render {

class ZipArchive {
 public:
  // Creates the file; a problem creating it is reported by Finish.
  explicit ZipArchive(const std::filesystem::path& path);
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;
  ~ZipArchive();

  // Deflates `content` (raw deflate, zlib) and appends it as the member `name` (UTF-8, '/'
  // between folders).
  void Add(std::string_view name, std::string_view content);

  // Writes the central directory and closes the file; the problem met since the archive was
  // created, when there is one. An archive beyond what a zip without zip64 holds (65 535
  // members, 4 GiB) is refused rather than written wrong.
  std::optional<std::string> Finish();

 private:
  void Put(std::string_view bytes);
  void Fail(const std::string& problem);

  struct Member {
    std::string name;
    std::uint32_t crc = 0;
    std::uint64_t size = 0;
    std::uint64_t packed_size = 0;
    std::uint64_t offset = 0;  // of its local header
    std::uint16_t method = 0;  // 0 stored, 8 deflated
  };
  static void PutMemberFields(std::string& out, const Member& member);

  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
  std::uint64_t written_ = 0;
  std::vector<Member> members_;
  std::string problem_;
};

}  // namespace kpa::host::render
