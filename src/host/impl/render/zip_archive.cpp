#include "host/impl/render/zip_archive.h"

#include <zlib.h>

#include <algorithm>
#include <bit>
#include <limits>

namespace kpa::host::render {
namespace {

constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kCentralHeader = 0x02014b50;
constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::uint16_t kVersion = 20;            // 2.0: deflate, folders
constexpr std::uint16_t kUtf8Names = 0x0800;      // general purpose flag bit 11
constexpr std::uint16_t kDosDate = (1 << 5) | 1;  // 1980-01-01, 00:00: the same bytes every run
constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;
constexpr std::uint64_t kMaxOffset = std::numeric_limits<std::uint32_t>::max();
constexpr std::size_t kMaxMembers = std::numeric_limits<std::uint16_t>::max();

void Put16(std::string& out, std::uint64_t value) {
  out += static_cast<char>(value & 0xff);
  out += static_cast<char>((value >> 8) & 0xff);
}

void Put32(std::string& out, std::uint64_t value) {
  Put16(out, value & 0xffff);
  Put16(out, (value >> 16) & 0xffff);
}

// Raw deflate (no zlib header: zip members carry their own CRC); nullopt when zlib fails.
// The window and the hash table are sized to the content (a sheet of a few kilobytes needs
// neither zlib's 32 KiB window nor its 64 KiB table, and clearing them for each of hundreds
// of members was most of the cost).
std::optional<std::string> Deflate(std::string_view content) {
  const int window_bits = std::clamp(static_cast<int>(std::bit_width(content.size())), 9, 15);
  const int memory_level = std::clamp(window_bits - 6, 1, 8);
  z_stream stream{};
  if (deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, -window_bits, memory_level,
                   Z_DEFAULT_STRATEGY) != Z_OK)
    return std::nullopt;
  std::string packed(deflateBound(&stream, static_cast<uLong>(content.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data()));
  stream.avail_in = static_cast<uInt>(content.size());
  stream.next_out = reinterpret_cast<Bytef*>(packed.data());
  stream.avail_out = static_cast<uInt>(packed.size());
  const int status = deflate(&stream, Z_FINISH);
  packed.resize(stream.total_out);
  deflateEnd(&stream);
  if (status != Z_STREAM_END) return std::nullopt;
  return packed;
}

}  // namespace

// The fields the local header and the central directory both give, from "version needed to
// extract" to "file name length".
void ZipArchive::PutMemberFields(std::string& out, const Member& member) {
  Put16(out, kVersion);
  Put16(out, kUtf8Names);
  Put16(out, member.method);
  Put16(out, 0);  // time
  Put16(out, kDosDate);
  Put32(out, member.crc);
  Put32(out, member.packed_size);
  Put32(out, member.size);
  Put16(out, member.name.size());
}

ZipArchive::ZipArchive(const std::filesystem::path& path)
    : path_(path), file_(std::fopen(path.string().c_str(), "wb")) {
  if (file_ == nullptr) problem_ = "cannot create " + path.string();
}

ZipArchive::~ZipArchive() {
  if (file_ != nullptr) std::fclose(file_);
}

void ZipArchive::Fail(const std::string& problem) {
  if (problem_.empty()) problem_ = "cannot write " + path_.string() + problem;
}

void ZipArchive::Put(std::string_view bytes) {
  if (!problem_.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) Fail("");
  written_ += bytes.size();
}

void ZipArchive::Add(std::string_view name, std::string_view content) {
  if (!problem_.empty()) return;
  if (content.size() > kMaxOffset || members_.size() == kMaxMembers) {
    Fail(": more than a zip archive without zip64 holds");
    return;
  }
  Member member;
  member.name = name;
  member.size = content.size();
  member.offset = written_;
  member.crc = static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(content.data()), static_cast<uInt>(content.size())));
  const std::optional<std::string> packed = Deflate(content);
  std::string_view body = content;
  member.method = kStored;
  if (packed && packed->size() < content.size()) {
    body = *packed;
    member.method = kDeflated;
  }
  member.packed_size = body.size();

  std::string header;
  Put32(header, kLocalHeader);
  PutMemberFields(header, member);
  Put16(header, 0);  // no extra field
  header += member.name;
  Put(header);
  Put(body);
  members_.push_back(std::move(member));
}

std::optional<std::string> ZipArchive::Finish() {
  std::string directory;
  for (const Member& member : members_) {
    Put32(directory, kCentralHeader);
    Put16(directory, kVersion);  // made by: MS-DOS attributes, 2.0
    PutMemberFields(directory, member);
    Put16(directory, 0);  // extra field
    Put16(directory, 0);  // comment
    Put16(directory, 0);  // disk
    Put16(directory, 0);  // internal attributes
    Put32(directory, 0);  // external attributes
    Put32(directory, member.offset);
    directory += member.name;
  }
  if (written_ + directory.size() > kMaxOffset)
    Fail(": more than a zip archive without zip64 holds");
  std::string end;
  Put32(end, kEndOfDirectory);
  Put16(end, 0);
  Put16(end, 0);
  Put16(end, members_.size());
  Put16(end, members_.size());
  Put32(end, directory.size());
  Put32(end, written_);
  Put16(end, 0);  // comment
  Put(directory);
  Put(end);
  if (file_ != nullptr && std::fclose(file_) != 0) Fail("");
  file_ = nullptr;
  if (!problem_.empty()) return problem_;
  return std::nullopt;
}

}  // namespace kpa::host::render
