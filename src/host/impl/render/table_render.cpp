// Text, CSV, JSON and HTML renderings of result spreadsheets.
#include "host/impl/render/table_render.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "host/api/special_values.h"
#include "host/impl/render/text_util.h"

namespace kpa::host::render {
namespace {

constexpr std::string_view kColumnGap = " ";
// What follows a cell the module marked for highlighting in plain text.
constexpr std::string_view kMarkedSuffix = "*";

bool IsBlankCell(double value) { return IsSpecialValue(value); }

// What a cell shows: its text, its number in the column's format, or nothing.
std::string CellDisplay(const TableSpec& table, std::size_t row, std::size_t column) {
  if (const auto* text = table.Text(row, column); text != nullptr && text->has_value())
    return std::string(Trim(**text));
  const double value = table.Value(row, column);
  if (IsBlankCell(value)) return {};
  const TableColumn& spec = table.columns[column];
  return std::string(Trim(FormatNumberField(value, spec.width, spec.decimals)));
}

std::string Heading(const TableColumn& column) {
  const std::string_view upper = Trim(column.upper);
  const std::string_view name = Trim(column.name);
  if (upper.empty()) return std::string(name);
  if (name.empty()) return std::string(upper);
  return std::string(upper) + " " + std::string(name);
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

}  // namespace

bool HasUpperLine(const TableSpec& table) {
  return std::any_of(table.columns.begin(), table.columns.end(),
                     [](const TableColumn& c) { return !Trim(c.upper).empty(); });
}

std::vector<std::string_view> TitleLines(const TableSpec& table) {
  std::vector<std::string_view> lines;
  for (const auto& line : table.title) lines.push_back(TrimRight(line));
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

std::string RenderTableText(const TableSpec& table) {
  const std::size_t rows = table.RowCount();
  const std::size_t columns = table.ColumnCount();
  std::vector<std::vector<std::string>> cells(rows, std::vector<std::string>(columns));
  std::size_t label_width =
      std::max<std::size_t>(static_cast<std::size_t>(std::max(table.row_label_width, 0)),
                            CharacterCount(Trim(table.row_header)));
  for (const auto& label : table.row_labels)
    label_width = std::max(label_width, CharacterCount(TrimRight(label)));
  std::vector<std::size_t> widths(columns);
  for (std::size_t c = 0; c < columns; ++c) {
    const TableColumn& column = table.columns[c];
    widths[c] = std::max({static_cast<std::size_t>(std::max(column.width, 0)),
                          CharacterCount(Trim(column.name)), CharacterCount(Trim(column.upper))});
    for (std::size_t r = 0; r < rows; ++r) {
      cells[r][c] = CellDisplay(table, r, c);
      if (table.Marked(r, c)) cells[r][c] += kMarkedSuffix;
      widths[c] = std::max(widths[c], CharacterCount(cells[r][c]));
    }
  }

  std::string out;
  auto end_line = [&out](std::string line) {
    out += TrimRight(line);
    out += '\n';
  };
  const auto title = TitleLines(table);
  for (const auto line : title) end_line(std::string(line));
  if (!title.empty()) end_line("");

  if (HasUpperLine(table)) {
    std::string line(label_width, ' ');
    for (std::size_t c = 0; c < columns; ++c)
      line += std::string(kColumnGap) + AlignRight(Trim(table.columns[c].upper), widths[c]);
    end_line(line);
  }
  std::string heading = AlignLeft(Trim(table.row_header), label_width);
  std::size_t total = label_width;
  for (std::size_t c = 0; c < columns; ++c) {
    heading += std::string(kColumnGap) + AlignRight(Trim(table.columns[c].name), widths[c]);
    total += kColumnGap.size() + widths[c];
  }
  end_line(heading);
  end_line(std::string(total, '-'));
  for (std::size_t r = 0; r < rows; ++r) {
    std::string line = AlignLeft(TrimRight(table.row_labels[r]), label_width);
    for (std::size_t c = 0; c < columns; ++c)
      line += std::string(kColumnGap) + AlignRight(cells[r][c], widths[c]);
    end_line(line);
  }
  return out;
}

std::string RenderTableCsv(const TableSpec& table) {
  // The title lines as comment lines, which kpa's own CSV reader skips, so that the files of
  // several variables can be told apart and still read back.
  std::string out;
  for (const auto line : TitleLines(table))
    if (!Trim(line).empty()) out += "# " + std::string(Trim(line)) + "\r\n";
  out += CsvField(Trim(table.row_header));
  for (const auto& column : table.columns) out += "," + CsvField(Heading(column));
  out += "\r\n";
  for (std::size_t r = 0; r < table.RowCount(); ++r) {
    out += CsvField(Trim(table.row_labels[r]));
    for (std::size_t c = 0; c < table.ColumnCount(); ++c) {
      out += ',';
      if (const auto* text = table.Text(r, c); text != nullptr && text->has_value()) {
        out += CsvField(Trim(**text));
        continue;
      }
      const double value = table.Value(r, c);
      if (!IsBlankCell(value) && std::isfinite(value)) out += ShortestNumber(value);
    }
    out += "\r\n";
  }
  return out;
}

std::string RenderTableJson(const TableSpec& table) {
  using Json = nlohmann::ordered_json;
  Json doc;
  doc["kind"] = "table";
  Json title = Json::array();
  for (const auto& line : table.title) title.push_back(std::string(TrimRight(line)));
  doc["title"] = title;
  doc["rowHeader"] = std::string(Trim(table.row_header));
  Json columns = Json::array();
  for (const auto& column : table.columns) {
    columns.push_back({{"name", std::string(Trim(column.name))},
                       {"upper", std::string(Trim(column.upper))},
                       {"width", column.width},
                       {"decimals", column.decimals}});
  }
  doc["columns"] = columns;
  Json rows = Json::array();
  for (std::size_t r = 0; r < table.RowCount(); ++r) {
    Json values = Json::array();
    Json texts = Json::array();
    Json marked = Json::array();
    for (std::size_t c = 0; c < table.ColumnCount(); ++c) {
      const double value = table.Value(r, c);
      if (IsBlankCell(value) || !std::isfinite(value)) {
        values.push_back(nullptr);
      } else {
        values.push_back(value);
      }
      const auto* text = table.Text(r, c);
      if (text != nullptr && text->has_value()) {
        texts.push_back(std::string(Trim(**text)));
      } else {
        texts.push_back(nullptr);
      }
      if (table.Marked(r, c)) marked.push_back(c);
    }
    Json row = {{"label", std::string(TrimRight(table.row_labels[r]))},
                {"values", values},
                {"texts", texts}};
    if (!marked.empty()) row["marked"] = marked;
    rows.push_back(row);
  }
  doc["rows"] = rows;
  return doc.dump(2) + "\n";
}

std::string RenderTableHtml(const TableSpec& table) {
  std::string out = "<table class=\"kpa-table\">\n";
  const auto title = TitleLines(table);
  if (!title.empty()) {
    out += "<caption>";
    for (std::size_t i = 0; i < title.size(); ++i) {
      if (i > 0) out += "<br>";
      out += EscapeXml(Trim(title[i]));
    }
    out += "</caption>\n";
  }
  out += "<thead>\n";
  if (HasUpperLine(table)) {
    out += "<tr><th></th>";
    for (const auto& column : table.columns)
      out += "<th class=\"upper\">" + EscapeXml(Trim(column.upper)) + "</th>";
    out += "</tr>\n";
  }
  out += "<tr><th class=\"row-header\">" + EscapeXml(Trim(table.row_header)) + "</th>";
  for (const auto& column : table.columns) out += "<th>" + EscapeXml(Trim(column.name)) + "</th>";
  out += "</tr>\n</thead>\n<tbody>\n";
  for (std::size_t r = 0; r < table.RowCount(); ++r) {
    out += "<tr><th scope=\"row\">" + EscapeXml(TrimRight(table.row_labels[r])) + "</th>";
    for (std::size_t c = 0; c < table.ColumnCount(); ++c) {
      const auto* text = table.Text(r, c);
      const bool is_text = text != nullptr && text->has_value();
      const bool marked = table.Marked(r, c);
      out += is_text && marked ? "<td class=\"text marked\">"
             : is_text         ? "<td class=\"text\">"
             : marked          ? "<td class=\"marked\">"
                               : "<td>";
      out += EscapeXml(CellDisplay(table, r, c)) + "</td>";
    }
    out += "</tr>\n";
  }
  out += "</tbody>\n</table>\n";
  return out;
}

}  // namespace kpa::host::render
