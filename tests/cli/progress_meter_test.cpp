#include "cli/progress_meter.h"

#include <gtest/gtest.h>

TEST(CommandLine, TheMeterShowsFilesDoneAndTheBytesOfTheCurrentFileInTheUnitOfItsTotal) {
  EXPECT_EQ(cli::MeterLine(0, 3, 0, 0), "0/3 files");
  EXPECT_EQ(cli::MeterLine(1, 3, 512, 1000), "1/3 files  512 of 1000 B  51%");
  EXPECT_EQ(cli::MeterLine(2, 5, 1536, 4096), "2/5 files  1.5 of 4.0 KiB  37%");
  EXPECT_EQ(cli::MeterLine(2, 5, 1572864, 10485760), "2/5 files  1.5 of 10.0 MiB  15%");
}
