#include "upfile/upload_job.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <set>

#include "platform/clock.h"
#include "platform/folders.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"
#include "upfile/del_ff.h"
#include "upfile/upload_settings.h"
#include "upload_site.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kPage = "page.htm";

class UploadJobTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { site_ = new UploadSite(sandbox::Path("www")); }
  static void TearDownTestSuite() {
    delete site_;
    site_ = nullptr;
  }

  void SetUp() override {
    site_->ClearData();
    WriteSettings(site_->HostAndPort(), "1");
  }

  static void WriteSettings(const std::string& server, const std::string& sevenBit) {
    sandbox::WriteFile(SettingsFilePath(), "[Preference_202206]\nserver=" + server +
                                               "\nphp_fn=" + kUploadScript + "\nopen_http=http\nname_to_7bit=" +
                                               sevenBit + "\n");
  }
  static std::string DataFolder() { return site_->DataFolder(); }
  static std::string Uploaded(const std::string& name) { return sandbox::ReadFile(DataFolder() + "/" + name); }
  static std::set<std::string> UploadedNames() {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(DataFolder())) names.insert(entry.path().filename().string());
    return names;
  }
  static std::string Source(const std::string& relative, const std::string& content) {
    const std::string path = sandbox::Path("src/" + relative);
    sandbox::WriteFile(path, content);
    return path;
  }
  // Pins the clock so the staging folder's name is known: the job's own time.
  std::string PinClockAndGetStagingFolder(std::time_t when) {
    clock_.emplace().SetNow(when);
    return GetDatedTempFolder() + platform::FormatLocalTime("%H%M%S");
  }

  static UploadSite* site_;
  std::optional<ManualClock> clock_;
};

UploadSite* UploadJobTest::site_ = nullptr;

const std::string kJapaneseWithBlank = "\xE3\x81\x82\xE3\x81\x84 \xE3\x81\x86.txt";   // "あい う.txt"

TEST_F(UploadJobTest, StagesAJapaneseNameWithABlankInSevenBitForm) {
  const std::string source = Source(kJapaneseWithBlank, "kana");
  ASSERT_TRUE(UploadJob({source}, kPage, "", "", ""));
  EXPECT_EQ(Uploaded("BD_F.txt"), "kana");   // あ U+3042 -> 'B', い -> 'D', blank -> '_', う -> 'F'
  EXPECT_EQ(UploadedNames(), (std::set<std::string>{"BD_F.txt", kPage}));
  EXPECT_TRUE(fs::exists(source));
}

TEST_F(UploadJobTest, KeepsNamesWhenTheSevenBitSettingIsZeroOrEmpty) {
  const std::string source = Source(kJapaneseWithBlank, "kana");
  for (const char* value : {"0", ""}) {
    WriteSettings(site_->HostAndPort(), value);
    site_->ClearData();
    ASSERT_TRUE(UploadJob({source}, kPage, "", "", "")) << value;
    EXPECT_EQ(UploadedNames(), (std::set<std::string>{kJapaneseWithBlank, kPage})) << value;
  }
}

TEST_F(UploadJobTest, OfTwoSameNamedFilesTheLaterOneIsUploaded) {
  const std::string first = Source("one/same.txt", "first");
  const std::string second = Source("two/same.txt", "second");
  ASSERT_TRUE(UploadJob({first, second}, kPage, "", "", ""));
  EXPECT_EQ(Uploaded("same.txt"), "second");
}

TEST_F(UploadJobTest, FoldersAndAnEmptyListPublishOnlyTheGeneratedPage) {
  sandbox::MakeDirs(sandbox::Path("src/dropped_folder"));
  for (const std::vector<std::string>& files : {std::vector<std::string>{sandbox::Path("src/dropped_folder")},
                                               std::vector<std::string>{}}) {
    site_->ClearData();
    const UploadJobResult result = UploadJob(files, kPage, "", "", "");
    EXPECT_TRUE(result) << result.reason;
    EXPECT_EQ(UploadedNames(), std::set<std::string>{kPage});
    EXPECT_EQ(Uploaded(kPage).rfind("<!DOCTYPE html>", 0), 0u);
  }
}

TEST_F(UploadJobTest, OnlyAnExactlyNamedIndexPageStandsInForTheGeneratedOne) {
  ASSERT_TRUE(UploadJob({Source("mine/index.html", "<p>mine</p>")}, kPage, "", "", ""));
  EXPECT_EQ(UploadedNames(), std::set<std::string>{kPage});
  EXPECT_EQ(Uploaded(kPage), "<p>mine</p>");

  site_->ClearData();
  ASSERT_TRUE(UploadJob({Source("capital/Index.htm", "<p>capital</p>")}, kPage, "", "", ""));
  EXPECT_EQ(Uploaded("Index.htm"), "<p>capital</p>");
  EXPECT_EQ(Uploaded(kPage).rfind("<!DOCTYPE html>", 0), 0u);
}

TEST_F(UploadJobTest, TwoJobsInOneSecondUseTwoFoldersAndTheSecondClearsTheFirst) {
  const std::string firstStaging = PinClockAndGetStagingFolder(1781000000);
  ASSERT_TRUE(UploadJob({Source("first.txt", "1")}, kPage, "", "", ""));
  EXPECT_TRUE(fs::exists(firstStaging + "/first.txt"));

  site_->ClearData();
  ASSERT_TRUE(UploadJob({Source("second.txt", "2")}, kPage, "", "", ""));
  EXPECT_EQ(UploadedNames(), (std::set<std::string>{"second.txt", kPage}));
  EXPECT_FALSE(fs::exists(firstStaging));
  EXPECT_TRUE(fs::exists(firstStaging + "_2/second.txt"));
  EXPECT_FALSE(fs::exists(firstStaging + "_2/first.txt"));
}

TEST_F(UploadJobTest, AFailedTransportKeepsTheStagingFolderRegistersNothingAndSaysWhy) {
  const std::string staging = PinClockAndGetStagingFolder(1781003723);
  const std::vector<std::string> jobListBefore = JobRemovalList().Paths();
  WriteSettings(DeadServer(), "1");

  const UploadJobResult result = UploadJob({Source("unsent.txt", "x")}, kPage, "", "", "");
  EXPECT_FALSE(result);
  ASSERT_EQ(result.failedFiles.size(), 1u);
  EXPECT_EQ(fs::path(result.failedFiles[0]).parent_path(), fs::path(staging));
  EXPECT_NE(result.reason.find(result.failedFiles[0]), std::string::npos) << result.reason;
  EXPECT_TRUE(fs::exists(staging + "/unsent.txt"));
  EXPECT_TRUE(fs::exists(staging + "/" + kPage));
  EXPECT_EQ(JobRemovalList().Paths(), jobListBefore);
}

TEST_F(UploadJobTest, AFileThatCannotBeStagedFailsTheJobButTheRestGoes) {
  // Two full-width full stops: their 7-bit form is "..", which no file can be copied to.
  std::vector<std::string> unstageable = {Source("\xEF\xBC\x8E\xEF\xBC\x8E", "dots")};
  if (::geteuid() != 0) {   // root reads every file
    unstageable.push_back(Source("locked.txt", "locked"));
    fs::permissions(unstageable.back(), fs::perms::none);
  }
  std::vector<std::string> files = unstageable;
  files.push_back(Source("fine.txt", "fine"));

  const UploadJobResult result = UploadJob(files, kPage, "", "", "");
  EXPECT_FALSE(result);
  EXPECT_EQ(result.failedFiles, unstageable);
  for (const std::string& file : unstageable) EXPECT_NE(result.reason.find(file), std::string::npos);
  EXPECT_EQ(Uploaded("fine.txt"), "fine");
  EXPECT_EQ(UploadedNames(), (std::set<std::string>{"fine.txt", kPage}));
}

}  // namespace
