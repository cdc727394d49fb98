// Golden-file comparison shared by the tests: `actual` is compared byte for byte with the
// reviewed file `folder/name` (folder relative to the source tree); with KPA_UPDATE_GOLDEN=1
// the file is rewritten instead, to be reviewed by eye before it is committed.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace kpa::testing {

inline void ExpectGoldenFile(const std::string& folder, const std::string& name,
                             const std::string& actual) {
  const std::string path = std::string(KPA_SOURCE_DIR) + "/" + folder + "/" + name;
  const char* update = std::getenv("KPA_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  std::ifstream file(path, std::ios::binary);
  ASSERT_TRUE(file) << "missing golden file " << path << " (run with KPA_UPDATE_GOLDEN=1)";
  std::stringstream expected;
  expected << file.rdbuf();
  EXPECT_EQ(expected.str(), actual) << "differs from " << path;
}

}  // namespace kpa::testing
