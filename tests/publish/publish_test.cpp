// The whole job in-process: a Job made in memory, a destination that keeps
// what it is sent, no server and no settings file.
#include "publish/publish.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/sandbox.h"
#include "support/upload_site.h"

namespace fs = std::filesystem;

namespace {

using publish::Progress;

// Keeps every file it is sent, in order, up to the one named refused.
struct KeptDestination : publish::Destination {
  std::string refused;
  uint64_t SizeLimit() const override { return 1000; }
  std::optional<publish::FileFailure> Unusable() const override { return std::nullopt; }
  bool Send(const std::vector<publish::Upload>& files, net::UploadObserver& observer, const std::atomic<bool>&,
            publish::FileFailure* failure) override {
    uint64_t sent = 0, all = 0;
    for (const publish::Upload& file : files) all += fs::file_size(file.path);
    for (size_t i = 0; i < files.size(); ++i) {
      if (fs::path(files[i].path).filename() == refused) {
        *failure = {files[i].listedPath, {publish::FailureCause::Kind::ServerStatus, 500}, "refused"};
        return false;
      }
      observer.OnFileStarted(i, files.size(), files[i].path);
      observer.OnBytesSent(sent += fs::file_size(files[i].path), all);
      kept.emplace_back(fs::path(files[i].path).filename(), sandbox::ReadFile(files[i].path));
    }
    return true;
  }
  std::string PageAddress(const std::string& pageName) const override { return "https://pages.test/" + pageName; }

  std::vector<std::pair<std::string, std::string>> kept;
};

struct HeardProgress : publish::PublishObserver {
  void OnProgress(const Progress& progress) override { heard.push_back(progress); }
  std::vector<Progress> heard;
};

// What reaches the destination and in which order, and what the person hears,
// for a whole job and one the destination refuses; stops and lists that
// cannot be whole are the front ends' tests, against real servers.
TEST(PublishJob, SendsEveryFileThenThePageAndTellsTheJobsProgressAsData) {
  const std::string a = sandbox::WriteFile(sandbox::Path("listed/a.txt"), "aaaa");
  const std::string b = sandbox::WriteFile(sandbox::Path("listed/b b.png"), "bb");
  std::atomic<bool> stop{false};
  KeptDestination destination;
  HeardProgress observer;
  const publish::PublishResult result = publish::Publish({{b, a}, {}, ""}, destination, observer, stop);
  std::vector<std::string> kept;
  for (const auto& [name, content] : destination.kept) kept.push_back(name == UserPageName() ? "*" : name);
  EXPECT_EQ(kept, (std::vector<std::string>{"a.txt", "b_b.png", "*"}));
  EXPECT_TRUE(result.ok);
  EXPECT_FALSE(result.stopped);
  EXPECT_TRUE(result.failures.empty());
  EXPECT_EQ(result.pageAddress, "https://pages.test/" + UserPageName());

  // The page links what was sent; the progress counts the page as the last file and ends at the job's bytes.
  EXPECT_NE(destination.kept.back().second.find("b_b.png"), std::string::npos);
  ASSERT_FALSE(observer.heard.empty());
  EXPECT_EQ(observer.heard.front().phase, Progress::Phase::Staging);
  const Progress& last = observer.heard.back();
  EXPECT_EQ(last.phase, Progress::Phase::Sending);
  EXPECT_EQ(last.file, 2U);
  EXPECT_EQ(last.files, 3U);
  EXPECT_EQ(last.bytesTotal, 6 + destination.kept.back().second.size());
  EXPECT_EQ(last.bytesDone, last.bytesTotal);
  std::vector<std::string> names;
  for (size_t i = 1; i < observer.heard.size(); ++i) {
    EXPECT_GE(observer.heard[i].bytesDone, observer.heard[i - 1].bytesDone);
    if (names.empty() || names.back() != observer.heard[i].name) names.push_back(observer.heard[i].name);
  }
  EXPECT_EQ(std::vector(names.begin(), names.end() - 1), (std::vector<std::string>{a, b}));
  // A refused file keeps the page back and is named as the person listed it.
  KeptDestination refusing;
  refusing.refused = "b_b.png";
  const publish::PublishResult refused = publish::Publish({{a, b}, {}, ""}, refusing, observer, stop);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refusing.kept.size(), 1U);
  ASSERT_EQ(refused.failures.size(), 1U);
  EXPECT_EQ(refused.failures[0].listedPath, b);
  // No settings or profile file was needed, and none was written.
  for (const auto& entry : fs::recursive_directory_iterator(sandbox::Root()))
    EXPECT_NE(entry.path().extension(), ".ini") << entry.path();
}

}  // namespace
