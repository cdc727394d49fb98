// ReadStat writer calls behind WriteStatFile.
#include "stat_fixture.h"

#include <gtest/gtest.h>
#include <readstat.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace kpa::host::data::testing {
namespace {

ssize_t WriteBytes(const void* data, size_t length, void* context) {
  return static_cast<ssize_t>(std::fwrite(data, 1, length, static_cast<std::FILE*>(context)));
}

bool Ok(readstat_error_t error, const char* step) {
  EXPECT_EQ(error, READSTAT_OK) << step << ": " << readstat_error_message(error);
  return error == READSTAT_OK;
}

}  // namespace

bool WriteStatFile(const std::string& path, StatFormat format,
                   const std::vector<FixtureColumn>& columns) {
  const std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "wb"),
                                                                &std::fclose);
  const std::unique_ptr<readstat_writer_t, decltype(&readstat_writer_free)> writer(
      readstat_writer_init(), &readstat_writer_free);
  if (!file || !writer) return false;
  readstat_set_data_writer(writer.get(), &WriteBytes);
  // Stata keeps value labels on integer variables only.
  const readstat_type_t number_type =
      format == StatFormat::kDta ? READSTAT_TYPE_INT32 : READSTAT_TYPE_DOUBLE;

  std::vector<readstat_variable_t*> variables;
  for (const FixtureColumn& column : columns) {
    size_t width = 0;
    for (const std::string& text : column.texts) width = std::max(width, text.size());
    readstat_variable_t* variable =
        column.is_string ? readstat_add_variable(writer.get(), column.name.c_str(),
                                                 READSTAT_TYPE_STRING, std::max<size_t>(width, 1))
                         : readstat_add_variable(
                               writer.get(), column.name.c_str(),
                               column.value_labels.empty() ? READSTAT_TYPE_DOUBLE : number_type, 0);
    if (!column.label.empty()) readstat_variable_set_label(variable, column.label.c_str());
    if (!column.format.empty()) readstat_variable_set_format(variable, column.format.c_str());
    if (!column.value_labels.empty()) {
      readstat_label_set_t* set =
          readstat_add_label_set(writer.get(), number_type, (column.name + "_lbl").c_str());
      for (const auto& [code, text] : column.value_labels) {
        if (format == StatFormat::kDta) {
          readstat_label_int32_value(set, static_cast<int32_t>(code), text.c_str());
        } else {
          readstat_label_double_value(set, code, text.c_str());
        }
      }
      readstat_variable_set_label_set(variable, set);
    }
    if (column.user_missing) {
      if (!Ok(readstat_variable_add_missing_double_value(variable, *column.user_missing),
              "missing value")) {
        return false;
      }
    }
    variables.push_back(variable);
  }

  const std::size_t cases =
      columns.front().is_string ? columns.front().texts.size() : columns.front().numbers.size();
  if (!Ok(format == StatFormat::kSav
              ? readstat_begin_writing_sav(writer.get(), file.get(), static_cast<long>(cases))
              : readstat_begin_writing_dta(writer.get(), file.get(), static_cast<long>(cases)),
          "begin writing")) {
    return false;
  }
  for (std::size_t r = 0; r < cases; ++r) {
    if (!Ok(readstat_begin_row(writer.get()), "begin row")) return false;
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const FixtureColumn& column = columns[c];
      readstat_error_t error = READSTAT_OK;
      if (column.is_string) {
        error = readstat_insert_string_value(writer.get(), variables[c], column.texts[r].c_str());
      } else if (!column.numbers[r]) {
        error = column.tagged_missing != 0
                    ? readstat_insert_tagged_missing_value(writer.get(), variables[c],
                                                           column.tagged_missing)
                    : readstat_insert_missing_value(writer.get(), variables[c]);
      } else if (readstat_variable_get_type(variables[c]) == READSTAT_TYPE_INT32) {
        error = readstat_insert_int32_value(writer.get(), variables[c],
                                            static_cast<int32_t>(*column.numbers[r]));
      } else {
        error = readstat_insert_double_value(writer.get(), variables[c], *column.numbers[r]);
      }
      if (!Ok(error, "insert value")) return false;
    }
    if (!Ok(readstat_end_row(writer.get()), "end row")) return false;
  }
  return Ok(readstat_end_writing(writer.get()), "end writing");
}

}  // namespace kpa::host::data::testing
