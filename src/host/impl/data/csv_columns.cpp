#include "host/impl/data/csv_columns.h"

#include <utility>

#include "host/impl/data/text.h"

namespace kpa::host::data {
bool IsMissingToken(std::string_view cell) { return cell.empty() || cell == "NA" || cell == "."; }

ColumnTyping::ColumnTyping(double missing_code, char decimal, bool comma_allowed,
                           std::size_t expected_rows)
    : missing_code_(missing_code), decimal_(decimal), comma_possible_(comma_allowed) {
  values_.reserve(expected_rows);
}

void ColumnTyping::Add(std::string_view cell, int line) {
  if (IsMissingToken(cell)) {
    values_.push_back(missing_code_);
    return;
  }
  std::optional<double> number = ParseNumber(cell, decimal_);
  if (comma_possible_) {
    // A cell that reads with a decimal point reads the same with a comma unless it holds a
    // '.'; one that does not read with a point may still read with a comma.
    if (number) {
      if (cell.find('.') != std::string_view::npos) comma_possible_ = false;
    } else if ((number = ParseNumber(cell, ','))) {
      ++comma_cells_;
    } else {
      comma_possible_ = false;
    }
  }
  if (number) {
    values_.push_back(*number);
    if (*number == missing_code_) return;
    if (numbers_++ == 0) first_number_ = FirstCell{line, std::string(cell)};
    return;
  }
  if (texts_++ == 0) first_text_ = FirstCell{line, std::string(cell)};
  if (NeedsRetyping()) {  // the codes are made when the column is typed again
    values_.push_back(missing_code_);
    return;
  }
  const auto [slot, added] =
      codes_.try_emplace(std::string(cell), static_cast<double>(codes_.size() + 1));
  if (added) labels_.push_back(slot->first);
  values_.push_back(slot->second);
}

void ColumnTyping::Finish(Variable& variable, const std::string& path, int column,
                          const std::string& header) {
  if (numbers_ > 0 && texts_ > 0) {
    const bool text_out_of_line = numbers_ >= texts_;
    const FirstCell& odd = text_out_of_line ? *first_text_ : *first_number_;
    throw DataFileError(
        path, odd.line, column,
        "'" + odd.text + "' in column " + Quoted(header) +
            (text_out_of_line ? " is not a number, but the column's other cells are numbers"
                              : " is a number, but the column's other cells are texts"));
  }
  variable.values = std::move(values_);
  if (texts_ == 0) return;
  variable.from_texts = true;
  for (std::size_t k = 0; k < labels_.size(); ++k)
    variable.value_labels.emplace(static_cast<double>(k + 1), std::move(labels_[k]));
  if (variable.value_labels.count(missing_code_) > 0) {
    throw DataFileError(path, 0, 0,
                        "column " + Quoted(header) + ": missing code " +
                            FormatNumber(missing_code_) + " is also the code of text '" +
                            variable.value_labels[missing_code_] +
                            "'; choose another missing code");
  }
}

}  // namespace kpa::host::data
