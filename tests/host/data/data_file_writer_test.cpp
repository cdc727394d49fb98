// A data file written for data entry opens again with its names, case names and missing
// cells.
#include "host/impl/data/data_file_writer.h"

#include <gtest/gtest.h>

#include "host/impl/data/data_file.h"
#include "temp_files.h"

namespace kpa::host::data {
namespace {

TEST(DataFileWriter, WrittenFileReadsBack) {
  const testing::TempDir dir;
  const std::string path = dir.Path("design.csv");
  NewDataFile file;
  file.variables = {{"Pièce_1", {1.5, -9999.0}}, {"Pce_100", {2.0, 3.25}}};
  file.case_names = {"Opér.  1 Essai  1", "Opér., 1 \"Essai\" 2"};
  WriteDataFile(path, file);
  const DataSet data = ReadDataFile(path).data;
  ASSERT_EQ(data.VariableCount(), 2);
  EXPECT_EQ(data.variable(1).name, "Pièce_1");
  EXPECT_EQ(data.variable(2).name, "Pce_100");
  EXPECT_TRUE(data.IsMissing(1, 2));
  EXPECT_EQ(data.Value(2, 2), 3.25);
  EXPECT_EQ(data.case_names, file.case_names);
}

TEST(DataFileWriter, UnwritableFolderIsAnError) {
  NewDataFile file;
  file.variables = {{"A", {1.0}}};
  EXPECT_THROW(WriteDataFile("/nonexistent-folder/design.csv", file), DataFileError);
}

}  // namespace
}  // namespace kpa::host::data
