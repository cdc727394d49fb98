// Lists of codes and variables as scripts write them: ranges expand to their whole numbers,
// and no range, however written, loops or exhausts memory.
#include "shell/dialogs/list_text.h"

#include <gtest/gtest.h>

#include "support/fake_host.h"

namespace kpa::shell {
namespace {

TEST(ListText, RangesExpandAndStayBounded) {
  const testing::FakeHost host;
  EXPECT_EQ(ParseListText("3-5 9", ListKind::kCodes, host).lists,
            (NumberLists{{3.0, 4.0, 5.0, 9.0}}));
  // Beyond 2^53 adding 1 changes nothing: the range is counted, not stepped.
  EXPECT_EQ(ParseListText("1e16-1e16", ListKind::kCodes, host).lists, (NumberLists{{1e16}}));
  for (const char* bad : {"1-1000000000", "5-3", "1.5-3"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseListText(bad, ListKind::kCodes, host).error.empty());
  }
}

}  // namespace
}  // namespace kpa::shell
