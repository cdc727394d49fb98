#include "host/impl/render/workbook.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string_view>
#include <unordered_map>

#include "host/api/special_values.h"
#include "host/impl/render/table_render.h"
#include "host/impl/render/text_util.h"
#include "host/impl/render/zip_archive.h"

namespace kpa::host::render {
namespace {

constexpr std::size_t kSheetNameLength = 31;  // Excel's limits
constexpr std::size_t kMaxRows = 1048576;
constexpr std::size_t kMaxColumns = 16384;
constexpr std::size_t kMaxCellCharacters = 32767;

constexpr std::string_view kXmlDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr std::string_view kMainNamespace =
    "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view kRelationships =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view kPackageRelationships =
    "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr std::string_view kContentTypes =
    "http://schemas.openxmlformats.org/package/2006/content-types";
constexpr std::string_view kOfficeType = "application/vnd.openxmlformats-officedocument.";

// "003 Plan d'Ech. Fixe": the output number, then as much of the title as Excel allows,
// without the characters it refuses in sheet names.
std::string SheetName(int number, const TableSpec& table) {
  char stem[16];
  std::snprintf(stem, sizeof stem, "%03d", number);
  std::string name = stem;
  const std::string_view title = table.title.empty() ? std::string_view() : Trim(table.title[0]);
  std::string cleaned;
  for (const char c : title)
    if (std::string_view("[]:*?/\\'").find(c) == std::string_view::npos) cleaned += c;
  if (!cleaned.empty()) name += " " + cleaned;
  return std::string(TrimRight(TakeCharacters(name, kSheetNameLength)));
}

// The number format of `decimals` fixed decimals (0 to 15): "0", "0.0", "0.00", ...
std::string NumberFormat(int decimals) {
  return decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

// A column's width as Excel stores it: `characters` digits of the default font (7 pixels
// each) and its 5 pixels of padding, in 1/256 of a digit.
double StoredWidth(double characters) { return std::floor((characters * 7 + 5) / 7 * 256) / 256; }

// "A", "B", ..., "Z", "AA", ... for the columns 0, 1, ...
void AppendColumnName(std::string& out, std::size_t column) {
  char letters[4];
  std::size_t count = 0;
  for (std::size_t n = column + 1; n > 0; n = (n - 1) / 26)
    letters[count++] = static_cast<char>('A' + (n - 1) % 26);
  while (count > 0) out += letters[--count];
}

// Every text of the workbook once, cells referring to them by index (xl/sharedStrings.xml).
class SharedStrings {
 public:
  // A text longer than a cell holds keeps its beginning (Excel would "repair" the file).
  std::size_t Index(std::string_view text) {
    std::string key = text.size() > kMaxCellCharacters ? TakeCharacters(text, kMaxCellCharacters)
                                                       : std::string(text);
    const auto [it, added] = indices_.try_emplace(std::move(key), texts_.size());
    if (added) texts_.push_back(&it->first);
    ++references_;
    return it->second;
  }

  std::string Xml() const {
    std::string xml(kXmlDeclaration);
    xml += "<sst xmlns=\"" + std::string(kMainNamespace) + "\" count=\"" +
           std::to_string(references_) + "\" uniqueCount=\"" + std::to_string(texts_.size()) +
           "\">";
    for (const std::string* text : texts_) {
      // Blanks at either end are kept only when asked for.
      constexpr std::string_view kBlanks = " \t\n\r";
      const bool blanks = !text->empty() && (kBlanks.find(text->front()) != kBlanks.npos ||
                                             kBlanks.find(text->back()) != kBlanks.npos);
      xml += blanks ? "<si><t xml:space=\"preserve\">" : "<si><t>";
      xml += EscapeXml(*text);
      xml += "</t></si>";
    }
    xml += "</sst>";
    return xml;
  }

 private:
  std::unordered_map<std::string, std::size_t> indices_;
  std::vector<const std::string*> texts_;  // in order of first use (the map's keys)
  std::size_t references_ = 0;
};

// The cell formats (xl/styles.xml): 0 plain, 1 bold, then one per number of decimals, bold
// or not, in order of first use.
class Styles {
 public:
  static constexpr int kPlain = 0;
  static constexpr int kBold = 1;

  int Number(int decimals, bool bold) {
    decimals = std::clamp(decimals, 0, 15);
    const auto [it, added] =
        numbers_.try_emplace({decimals, bold}, static_cast<int>(2 + order_.size()));
    if (added) order_.push_back({decimals, bold});
    return it->second;
  }

  std::string Xml() const {
    std::string xml(kXmlDeclaration);
    xml += "<styleSheet xmlns=\"" + std::string(kMainNamespace) + "\">";
    // Custom number formats are numbered from 164; one per number of decimals in use.
    std::map<int, int> format_ids;
    for (const auto& [decimals, bold] : order_)
      format_ids.try_emplace(decimals, 164 + static_cast<int>(format_ids.size()));
    if (!format_ids.empty()) {
      xml += "<numFmts count=\"" + std::to_string(format_ids.size()) + "\">";
      for (const auto& [decimals, id] : format_ids)
        xml += "<numFmt numFmtId=\"" + std::to_string(id) + "\" formatCode=\"" +
               NumberFormat(decimals) + "\"/>";
      xml += "</numFmts>";
    }
    xml +=
        "<fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/>"
        "</font><font><b/><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font>"
        "</fonts><fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill><fill>"
        "<patternFill patternType=\"gray125\"/></fill></fills><borders count=\"1\"><border>"
        "<left/><right/><top/><bottom/><diagonal/></border></borders><cellStyleXfs "
        "count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/>"
        "</cellStyleXfs>";
    xml += "<cellXfs count=\"" + std::to_string(2 + order_.size()) + "\">";
    xml += "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>";
    xml +=
        "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
        "applyFont=\"1\"/>";
    for (const auto& [decimals, bold] : order_)
      xml += "<xf numFmtId=\"" + std::to_string(format_ids.at(decimals)) + "\" fontId=\"" +
             (bold ? "1" : "0") +
             "\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"" +
             (bold ? " applyFont=\"1\"" : "") + "/>";
    xml +=
        "</cellXfs><cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" "
        "builtinId=\"0\"/></cellStyles></styleSheet>";
    return xml;
  }

 private:
  std::map<std::pair<int, bool>, int> numbers_;
  std::vector<std::pair<int, bool>> order_;
};

// One table as a worksheet's XML. Cells arrive row by row, left to right.
class Sheet {
 public:
  Sheet(SharedStrings& strings, Styles& styles) : strings_(strings), styles_(styles) {}

  std::string Xml(const TableSpec& table) {
    xml_ = "<cols>";
    Width(0, table.row_label_width);
    for (std::size_t c = 0; c < table.ColumnCount() && c + 1 < kMaxColumns; ++c)
      Width(c + 1, table.columns[c].width);
    xml_ += "</cols><sheetData>";

    std::size_t row = 0;
    for (const std::string_view line : TitleLines(table)) {
      if (line.empty()) continue;
      Text(row++, 0, line, Styles::kBold);
    }
    if (row > 0) ++row;
    if (HasUpperLine(table)) {
      for (std::size_t c = 0; c < table.ColumnCount(); ++c)
        Text(row, c + 1, Trim(table.columns[c].upper), Styles::kBold);
      ++row;
    }
    Text(row, 0, Trim(table.row_header), Styles::kBold);
    for (std::size_t c = 0; c < table.ColumnCount(); ++c)
      Text(row, c + 1, Trim(table.columns[c].name), Styles::kBold);
    ++row;
    for (std::size_t r = 0; r < table.RowCount(); ++r, ++row) {
      Text(row, 0, TrimRight(table.row_labels[r]), Styles::kPlain);
      for (std::size_t c = 0; c < table.ColumnCount(); ++c) Cell(table, r, c, row);
    }
    if (open_row_) xml_ += "</row>";
    xml_ += "</sheetData></worksheet>";

    // The used range, which readers take as the sheet's extent, known only now.
    std::string head(kXmlDeclaration);
    head += "<worksheet xmlns=\"" + std::string(kMainNamespace) + "\" xmlns:r=\"" +
            std::string(kRelationships) + "\"><dimension ref=\"A1";
    if (last_row_ > 0 || last_column_ > 0) {
      head += ':';
      AppendColumnName(head, last_column_);
      head += std::to_string(last_row_ + 1);
    }
    head += "\"/>";
    return head + xml_;
  }

 private:
  void Width(std::size_t column, int characters) {
    const std::string number = std::to_string(column + 1);
    xml_ += "<col min=\"" + number + "\" max=\"" + number + "\" width=\"";
    xml_ += ShortestNumber(StoredWidth(std::max(characters, 8) + 2.0));
    xml_ += "\" customWidth=\"1\"/>";
  }

  void Cell(const TableSpec& table, std::size_t r, std::size_t c, std::size_t row) {
    const bool marked = table.Marked(r, c);
    if (const auto* text = table.Text(r, c); text != nullptr && text->has_value()) {
      Text(row, c + 1, Trim(**text), marked ? Styles::kBold : Styles::kPlain);
      return;
    }
    const double value = table.Value(r, c);
    if (IsSpecialValue(value) || !std::isfinite(value)) return;
    if (!Open(row, c + 1, styles_.Number(table.columns[c].decimals, marked))) return;
    xml_ += "><v>";
    xml_ += ShortestNumber(value);
    xml_ += "</v></c>";
  }

  void Text(std::size_t row, std::size_t column, std::string_view text, int style) {
    if (text.empty() || !Open(row, column, style)) return;
    xml_ += " t=\"s\"><v>";
    xml_ += std::to_string(strings_.Index(text));
    xml_ += "</v></c>";
  }

  // Starts the cell `<c r="B7" s="2"` (its row first when it is a new one); false for a cell
  // beyond Excel's grid, which is left out.
  bool Open(std::size_t row, std::size_t column, int style) {
    if (row >= kMaxRows || column >= kMaxColumns) return false;
    if (!open_row_ || row != row_) {
      if (open_row_) xml_ += "</row>";
      xml_ += "<row r=\"" + std::to_string(row + 1) + "\">";
      open_row_ = true;
      row_ = row;
    }
    last_row_ = row;
    last_column_ = std::max(last_column_, column);
    xml_ += "<c r=\"";
    AppendColumnName(xml_, column);
    xml_ += std::to_string(row + 1);
    xml_ += '"';
    if (style != Styles::kPlain) xml_ += " s=\"" + std::to_string(style) + "\"";
    return true;
  }

  SharedStrings& strings_;
  Styles& styles_;
  std::string xml_;
  bool open_row_ = false;
  std::size_t row_ = 0;
  std::size_t last_row_ = 0;
  std::size_t last_column_ = 0;
};

std::string ContentTypesXml(std::size_t sheets) {
  std::string xml(kXmlDeclaration);
  xml += "<Types xmlns=\"" + std::string(kContentTypes) +
         "\"><Default Extension=\"rels\" ContentType=\"application/"
         "vnd.openxmlformats-package.relationships+xml\"/><Default Extension=\"xml\" "
         "ContentType=\"application/xml\"/>";
  const auto part = [&xml](const std::string& name, std::string_view type) {
    xml += "<Override PartName=\"/xl/" + name + "\" ContentType=\"" + std::string(kOfficeType) +
           std::string(type) + "\"/>";
  };
  part("workbook.xml", "spreadsheetml.sheet.main+xml");
  for (std::size_t i = 1; i <= sheets; ++i)
    part("worksheets/sheet" + std::to_string(i) + ".xml", "spreadsheetml.worksheet+xml");
  part("styles.xml", "spreadsheetml.styles+xml");
  part("sharedStrings.xml", "spreadsheetml.sharedStrings+xml");
  xml += "</Types>";
  return xml;
}

std::string PackageRelationshipsXml() {
  return std::string(kXmlDeclaration) + "<Relationships xmlns=\"" +
         std::string(kPackageRelationships) + "\"><Relationship Id=\"rId1\" Type=\"" +
         std::string(kRelationships) + "/officeDocument\" Target=\"xl/workbook.xml\"/>" +
         "</Relationships>";
}

std::string WorkbookXml(const NumberedTables& tables) {
  std::string xml(kXmlDeclaration);
  xml += "<workbook xmlns=\"" + std::string(kMainNamespace) + "\" xmlns:r=\"" +
         std::string(kRelationships) + "\"><bookViews><workbookView/></bookViews><sheets>";
  for (std::size_t i = 0; i < tables.size(); ++i) {
    const std::string id = std::to_string(i + 1);
    xml += "<sheet name=\"" + EscapeXml(SheetName(tables[i].first, *tables[i].second)) +
           "\" sheetId=\"" + id + "\" r:id=\"rId" + id + "\"/>";
  }
  xml += "</sheets></workbook>";
  return xml;
}

std::string WorkbookRelationshipsXml(std::size_t sheets) {
  std::string xml(kXmlDeclaration);
  xml += "<Relationships xmlns=\"" + std::string(kPackageRelationships) + "\">";
  const auto relationship = [&xml](std::size_t id, std::string_view type,
                                   const std::string& target) {
    xml += "<Relationship Id=\"rId" + std::to_string(id) + "\" Type=\"" +
           std::string(kRelationships) + "/" + std::string(type) + "\" Target=\"" + target + "\"/>";
  };
  for (std::size_t i = 1; i <= sheets; ++i)
    relationship(i, "worksheet", "worksheets/sheet" + std::to_string(i) + ".xml");
  relationship(sheets + 1, "styles", "styles.xml");
  relationship(sheets + 2, "sharedStrings", "sharedStrings.xml");
  xml += "</Relationships>";
  return xml;
}

}  // namespace

std::optional<std::string> WriteWorkbook(const std::filesystem::path& path,
                                         const NumberedTables& tables) {
  ZipArchive archive(path);
  archive.Add("[Content_Types].xml", ContentTypesXml(tables.size()));
  archive.Add("_rels/.rels", PackageRelationshipsXml());
  archive.Add("xl/workbook.xml", WorkbookXml(tables));
  archive.Add("xl/_rels/workbook.xml.rels", WorkbookRelationshipsXml(tables.size()));
  SharedStrings strings;
  Styles styles;
  for (std::size_t i = 0; i < tables.size(); ++i)
    archive.Add("xl/worksheets/sheet" + std::to_string(i + 1) + ".xml",
                Sheet(strings, styles).Xml(*tables[i].second));
  archive.Add("xl/styles.xml", styles.Xml());
  archive.Add("xl/sharedStrings.xml", strings.Xml());
  return archive.Finish();
}

}  // namespace kpa::host::render
