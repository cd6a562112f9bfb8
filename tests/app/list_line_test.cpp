#include "app/list_line.h"

#include <gtest/gtest.h>

namespace app {

// Sizes below 1 MiB are shown in the dialog's list.
TEST(ListLine, SizeFieldOfTheLargerUnits) {
  const std::pair<uint64_t, const char*> cases[] = {
      {999999, "976.56 K"},           {1048576, "  1.00 M"},           {uint64_t{3} << 30, "  3.00 G"},
      {uint64_t{1} << 40, "  1.00 T"}, {uint64_t{1} << 50, "  1.00 P"}, {~uint64_t{0}, " 16.00 E"},
  };
  for (const auto& [size, field] : cases) EXPECT_EQ(SizeField(size), field) << size;
}

}  // namespace app
