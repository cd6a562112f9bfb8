#include "publish/publish.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <set>

#include "platform/clock.h"
#include "platform/folders.h"
#include "publish/upload_settings.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"
#include "upload_site.h"

namespace fs = std::filesystem;

using publish::SettingsFilePath;
using publish::UploadPageName;

namespace {

const std::atomic<bool> kNoStop{false};

publish::PublishResult Publish(const std::vector<std::string>& files) {
  publish::PublishObserver quiet;
  return publish::Publish(files, quiet, kNoStop);
}

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

  static void WriteSettings(const std::string& server, const std::string& sevenBit,
                            const std::string& script = kUploadScript) {
    sandbox::WriteFile(SettingsFilePath(), "[Preference_202206]\nserver=" + server + "\nphp_fn=" + script +
                                               "\nopen_http=http\nup_max_file_size=1\nname_to_7bit=" + sevenBit +
                                               "\n");
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
    return platform::GetDatedTempFolder() + platform::FormatLocalTime("%H%M%S");
  }

  static UploadSite* site_;
  std::optional<ManualClock> clock_;
};

UploadSite* UploadJobTest::site_ = nullptr;

const std::string kJapaneseWithBlank = "\xE3\x81\x82\xE3\x81\x84 \xE3\x81\x86.txt";   // "あい う.txt"

TEST_F(UploadJobTest, StagesAJapaneseNameWithABlankInSevenBitForm) {
  const std::string source = Source(kJapaneseWithBlank, "kana");
  ASSERT_TRUE(Publish({source}).ok);
  EXPECT_EQ(Uploaded("BD_F.txt"), "kana");   // あ U+3042 -> 'B', い -> 'D', blank -> '_', う -> 'F'
  EXPECT_EQ(UploadedNames(), (std::set<std::string>{"BD_F.txt", UploadPageName()}));
  EXPECT_TRUE(fs::exists(source));
}

TEST_F(UploadJobTest, KeepsNamesWhenTheSevenBitSettingIsZeroOrEmpty) {
  const std::string source = Source(kJapaneseWithBlank, "kana");
  for (const char* value : {"0", ""}) {
    WriteSettings(site_->HostAndPort(), value);
    site_->ClearData();
    ASSERT_TRUE(Publish({source}).ok) << value;
    EXPECT_EQ(UploadedNames(), (std::set<std::string>{kJapaneseWithBlank, UploadPageName()})) << value;
  }
}

TEST_F(UploadJobTest, OfTwoSameNamedFilesTheLaterOneIsUploaded) {
  const std::string first = Source("one/same.txt", "first");
  const std::string second = Source("two/same.txt", "second");
  ASSERT_TRUE(Publish({first, second}).ok);
  EXPECT_EQ(Uploaded("same.txt"), "second");
}

TEST_F(UploadJobTest, FoldersAndAnEmptyListPublishOnlyTheGeneratedPage) {
  sandbox::MakeDirs(sandbox::Path("src/dropped_folder"));
  for (const std::vector<std::string>& files : {std::vector<std::string>{sandbox::Path("src/dropped_folder")},
                                               std::vector<std::string>{}}) {
    site_->ClearData();
    EXPECT_TRUE(Publish(files).ok);
    EXPECT_EQ(UploadedNames(), std::set<std::string>{UploadPageName()});
    EXPECT_EQ(Uploaded(UploadPageName()).rfind("<!DOCTYPE html>", 0), 0u);
  }
}

TEST_F(UploadJobTest, OnlyAnExactlyNamedIndexPageStandsInForTheGeneratedOne) {
  ASSERT_TRUE(Publish({Source("mine/index.html", "<p>mine</p>")}).ok);
  EXPECT_EQ(UploadedNames(), std::set<std::string>{UploadPageName()});
  EXPECT_EQ(Uploaded(UploadPageName()), "<p>mine</p>");

  site_->ClearData();
  ASSERT_TRUE(Publish({Source("capital/Index.htm", "<p>capital</p>")}).ok);
  EXPECT_EQ(Uploaded("Index.htm"), "<p>capital</p>");
  EXPECT_EQ(Uploaded(UploadPageName()).rfind("<!DOCTYPE html>", 0), 0u);
}

TEST_F(UploadJobTest, TwoJobsInOneSecondUseTwoFoldersAndTheSecondClearsTheFirst) {
  const std::string firstStaging = PinClockAndGetStagingFolder(1781000000);
  ASSERT_TRUE(Publish({Source("first.txt", "1")}).ok);
  EXPECT_TRUE(fs::exists(firstStaging + "/first.txt"));

  site_->ClearData();
  ASSERT_TRUE(Publish({Source("second.txt", "2")}).ok);
  EXPECT_EQ(UploadedNames(), (std::set<std::string>{"second.txt", UploadPageName()}));
  EXPECT_FALSE(fs::exists(firstStaging));
  EXPECT_TRUE(fs::exists(firstStaging + "_2/second.txt"));
  EXPECT_FALSE(fs::exists(firstStaging + "_2/first.txt"));
}

TEST_F(UploadJobTest, AFailedTransportKeepsTheStagingFolderRegistersNothingAndSaysWhy) {
  const std::string staging = PinClockAndGetStagingFolder(1781003723);
  WriteSettings(DeadServer(), "1");

  const std::string source = Source("unsent.txt", "x");
  const publish::PublishResult result = Publish({source});
  EXPECT_FALSE(result.ok);
  ASSERT_EQ(result.failures.size(), 1u);
  // The transport gives up on the first file it sends: the listed one or the generated page.
  const std::string& failed = result.failures[0].listedPath;
  EXPECT_TRUE(failed == source || failed == staging + "/" + UploadPageName()) << failed;
  publish::RemoveDeferredAtExit();   // the failed job left nothing to it
  EXPECT_TRUE(fs::exists(staging + "/unsent.txt"));
  EXPECT_TRUE(fs::exists(staging + "/" + UploadPageName()));
}

TEST_F(UploadJobTest, AFailureNamesTheListedFileWithItsCauseBeforeTheDetail) {
  sandbox::WriteFile(DataFolder() + "/../picky.php",
                     "<?php if (!str_ends_with($_FILES['file_img']['name'], '.htm')) http_response_code(500);");
  struct Case {
    const char *name;
    size_t size;
    std::string server, script;
    const char *cause, *detail;
  };
  const Case cases[] = {
      {"写真 2026.jpg", 10, site_->HostAndPort(), "/up/picky.php", "the server answered 500", "HTTP status 500"},
      {"大きい.bin", 1048577, site_->HostAndPort(), kUploadScript, "the file is larger than the limit of 1 MiB",
       "upload size limit"},
      {"index.html", 10, DeadServer(), kUploadScript, "the server could not be reached", "http://127.0.0.1:"},
  };
  for (const Case& c : cases) {
    WriteSettings(c.server, "1", c.script);
    const std::string source = Source(std::string("causes/") + c.name, std::string(c.size, 'x'));
    const publish::PublishResult result = Publish({source});
    ASSERT_EQ(result.failures.size(), 1u) << c.name;
    EXPECT_EQ(result.failures[0].listedPath, source);
    EXPECT_EQ(publish::CauseText(result.failures[0].cause, publish::Language::English), c.cause);
    EXPECT_NE(result.failures[0].detail.find(c.detail), std::string::npos) << result.failures[0].detail;
  }
}

// Asks to stop once the first file is through.
struct StopAfterOneFile : publish::PublishObserver {
  void OnTrace(const std::string& text, publish::TraceStream) override { stop = stop || text.ends_with("\t200\n"); }
  std::atomic<bool> stop{false};
};

TEST_F(UploadJobTest, AStopBetweenFilesSendsNoMoreAndLeavesNothingStaged) {
  const std::string staging = PinClockAndGetStagingFolder(1781007000);
  StopAfterOneFile observer;
  const publish::PublishResult result =
      publish::Publish({Source("a.txt", "a"), Source("b.txt", "b")}, observer, observer.stop);
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(UploadedNames().size(), 1u);
  ASSERT_EQ(result.failures.size(), 1u);
  EXPECT_EQ(result.failures[0].cause.kind, publish::FailureCause::Kind::Stopped);
  publish::RemoveDeferredAtExit();
  EXPECT_FALSE(fs::exists(staging));
}

TEST_F(UploadJobTest, AFileThatCannotBeStagedFailsTheJobButTheRestGoes) {
  std::vector<std::string> unstageable;
  if (::geteuid() != 0) {   // root reads every file
    unstageable.push_back(Source("locked.txt", "locked"));
    fs::permissions(unstageable.back(), fs::perms::none);
  }
  // Two full-width full stops, listed after it: their 7-bit form is "..", which no file can be copied to.
  unstageable.push_back(Source("\xEF\xBC\x8E\xEF\xBC\x8E", "dots"));
  std::vector<std::string> files = unstageable;
  files.push_back(Source("fine.txt", "fine"));

  const publish::PublishResult result = Publish(files);
  EXPECT_FALSE(result.ok);
  std::vector<std::string> failed;
  for (const publish::FileFailure& failure : result.failures) {
    failed.push_back(failure.listedPath);
    EXPECT_EQ(failure.cause.kind, publish::FailureCause::Kind::FileError);   // the disk has room
  }
  EXPECT_EQ(failed, unstageable);
  EXPECT_EQ(Uploaded("fine.txt"), "fine");
  EXPECT_EQ(UploadedNames(), (std::set<std::string>{"fine.txt", UploadPageName()}));
}

}  // namespace
