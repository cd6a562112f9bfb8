#include "cli/progress_meter.h"

#include <gtest/gtest.h>

TEST(CommandLine, TheMeterShowsFilesDoneAndTheJobsBytesInTheUnitOfTheirTotal) {
  const std::tuple<size_t, size_t, uint64_t, uint64_t, std::string> rows[] = {
      {0, 3, 0, 0, "0/3 files"}, {1, 3, 512, 1000, "1/3 files  512 of 1000 B  51%"},
      {2, 5, 1536, 4096, "2/5 files  1.5 of 4.0 KiB  37%"},
      {2, 5, 1572864, 10485760, "2/5 files  1.5 of 10.0 MiB  15%"},
      {4, 5, 10485760, 10485760, "4/5 files  10.0 of 10.0 MiB  100%"},
  };
  for (const auto& [file, files, done, total, line] : rows)
    EXPECT_EQ(cli::MeterLine({.file = file, .files = files, .bytesDone = done, .bytesTotal = total, .name = ""}), line);
}
