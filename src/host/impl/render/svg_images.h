// SVG documents rendered to PNG and PDF with librsvg and cairo, for reports and print: PNG
// at print resolution (300 dots per inch, the SVG's pixels being 1/96 inch), PDF at the
// SVG's own size.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kpa::host::render {

inline constexpr double kPrintDotsPerInch = 300.0;

// Each returns the problem met, when there is one.
std::optional<std::string> WriteSvgAsPng(std::string_view svg, const std::filesystem::path& path);
std::optional<std::string> WriteSvgAsPdf(std::string_view svg, const std::filesystem::path& path);

}  // namespace kpa::host::render
