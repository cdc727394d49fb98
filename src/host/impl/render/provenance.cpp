#include "host/impl/render/provenance.h"

#include <fmt/format.h>
#include <openssl/evp.h>

#include <array>
#include <fstream>
#include <memory>

#include "host/impl/render/text_util.h"

namespace kpa::host::render {
namespace {

struct DigestDeleter {
  void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

void Entry(std::string& out, std::string_view term, std::string_view value) {
  out += fmt::format("<dt>{}</dt><dd>{}</dd>\n", EscapeXml(term), EscapeXml(value));
}

}  // namespace

std::string RenderProvenanceHtml(const Provenance& provenance) {
  std::string out = "<section class=\"provenance\">\n<dl>\n";
  if (!provenance.program.empty()) Entry(out, "Programme", provenance.program);
  if (!provenance.started.empty()) Entry(out, "Début", provenance.started);
  if (!provenance.script.empty()) Entry(out, "Script", provenance.script);
  for (const DataFileRecord& file : provenance.data_files)
    Entry(out, "Fichier de données",
          fmt::format("{} ({} octets, SHA-256 {})", file.path, file.size,
                      file.sha256.empty() ? "illisible" : file.sha256));
  Entry(out, "Sélection", provenance.selection.empty() ? "aucune" : provenance.selection);
  Entry(out, "Pondération", provenance.weight.empty() ? "aucune" : provenance.weight);
  out += "</dl>\n</section>\n";
  return out;
}

std::string FileSha256(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  const std::unique_ptr<EVP_MD_CTX, DigestDeleter> context(EVP_MD_CTX_new());
  if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) return {};
  std::array<char, 1 << 16> buffer{};
  while (in) {
    in.read(buffer.data(), buffer.size());
    const auto read = static_cast<std::size_t>(in.gcount());
    if (read > 0 && EVP_DigestUpdate(context.get(), buffer.data(), read) != 1) return {};
  }
  if (in.bad()) return {};
  std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
  unsigned int length = 0;
  if (EVP_DigestFinal_ex(context.get(), digest.data(), &length) != 1) return {};
  std::string hex;
  for (unsigned int i = 0; i < length; ++i) hex += fmt::format("{:02x}", digest[i]);
  return hex;
}

}  // namespace kpa::host::render
