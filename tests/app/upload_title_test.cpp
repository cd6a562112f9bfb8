#include "app/upload_title.h"

#include <gtest/gtest.h>

// The file under way counts from one, the page as the last file; the share
// is the job's bytes, shown only when asked for and when there are any.
TEST(UploadTitle, CountsFilesFromOneAndShowsTheJobsShareWhenAsked) {
  const std::tuple<size_t, size_t, uint64_t, uint64_t, bool, std::string> rows[] = {
      {0, 3, 0, 0, true, "wx_pub  1/3"}, {1, 3, 450, 1000, false, "wx_pub  2/3"},
      {1, 3, 450, 1000, true, "wx_pub  2/3  45%"}, {2, 3, 1000, 1000, true, "wx_pub  3/3  100%"},
  };
  for (const auto& [file, files, done, total, withShare, title] : rows) {
    const publish::Progress progress{.file = file, .files = files, .bytesDone = done, .bytesTotal = total, .name = ""};
    EXPECT_EQ(app::UploadTitle("wx_pub", progress, withShare), title);
  }
}
