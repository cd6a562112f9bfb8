// The whole job in-process: a Job made in memory, a destination that keeps
// what it is sent, no server and no settings file.
#include "publish/publish.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "support/sandbox.h"
#include "support/upload_site.h"

namespace fs = std::filesystem;

namespace {

using publish::Progress;

// Keeps every file it is sent, in order; refuses the file named refused and
// sets stop once it has taken the file named stopAfter.
class KeptDestination : public publish::Destination {
 public:
  KeptDestination(std::string refused, std::string stopAfter, std::atomic<bool>& stop)
      : refused_(std::move(refused)), stopAfter_(std::move(stopAfter)), stop_(stop) {}
  uint64_t SizeLimit() const override { return 1000; }
  std::optional<publish::FileFailure> Unusable() const override { return std::nullopt; }
  bool Send(const std::vector<publish::Upload>& files, net::UploadObserver& observer, const std::atomic<bool>& stop,
            publish::FileFailure* failure) override {
    uint64_t sent = 0, all = 0;
    for (const publish::Upload& file : files) all += fs::file_size(file.path);
    for (size_t i = 0; i < files.size(); ++i) {
      const std::string name = fs::path(files[i].path).filename();
      if (stop) {
        *failure = {files[i].listedPath, {publish::FailureCause::Kind::Stopped}, "stopped"};
        return false;
      }
      observer.OnFileStarted(i, files.size(), files[i].path);
      if (name == refused_) {
        *failure = {files[i].listedPath, {publish::FailureCause::Kind::ServerStatus, 500}, "refused"};
        return false;
      }
      sent += fs::file_size(files[i].path);
      observer.OnBytesSent(sent, all);
      kept.emplace_back(name, sandbox::ReadFile(files[i].path));
      if (name == stopAfter_) stop_ = true;
    }
    return true;
  }
  std::string PageAddress(const std::string& pageName) const override { return "https://pages.test/" + pageName; }

  std::vector<std::pair<std::string, std::string>> kept;

 private:
  std::string refused_, stopAfter_;
  std::atomic<bool>& stop_;
};

struct HeardProgress : publish::PublishObserver {
  void OnProgress(const Progress& progress) override { heard.push_back(progress); }
  std::vector<Progress> heard;
};

// Every file below the folder, relative to it.
std::set<std::string> FilesBelow(const std::string& folder) {
  std::set<std::string> files;
  if (!fs::exists(folder)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), folder).string());
  return files;
}

std::string Listed(const std::string& name, const std::string& content) {
  return sandbox::WriteFile(sandbox::Path("listed/" + name), content);
}

// What reaches the destination and in which order, what the person hears
// and what is left on the machine, for a whole job, a refusal, a stop and a
// list that cannot be whole.
TEST(PublishJob, SendsEveryFileThenThePageAndTellsTheJobsProgressAsData) {
  const std::string page = UserPageName();
  const std::string a = Listed("a.txt", "aaaa"), b = Listed("b b.png", "bb"), big = Listed("big.bin", std::string(1001, 'x'));
  const struct {
    std::vector<std::string> files;
    std::string refused, stopAfter;
    std::vector<std::string> kept;  // names the destination took, "*" for the page
    bool ok, stopped;
  } rows[] = {
      {{b, a}, "", "", {"a.txt", "b_b.png", "*"}, true, false},
      {{a, b}, "b_b.png", "", {"a.txt"}, false, false},
      {{a, b}, "", "a.txt", {"a.txt"}, false, true},
      {{a, big}, "", "", {}, false, false},
      {{a, sandbox::Path("listed/gone.txt")}, "", "", {}, false, false},
  };
  for (const auto& row : rows) {
    std::atomic<bool> stop{false};
    KeptDestination destination(row.refused, row.stopAfter, stop);
    HeardProgress observer;
    const publish::PublishResult result = publish::Publish({row.files, {}, ""}, destination, observer, stop);
    const std::string label = row.refused + row.stopAfter + std::to_string(row.kept.size());

    std::vector<std::string> kept;
    for (const auto& [name, content] : destination.kept) kept.push_back(name == page ? "*" : name);
    EXPECT_EQ(kept, row.kept) << label;
    EXPECT_EQ(result.ok, row.ok) << label;
    EXPECT_EQ(result.stopped, row.stopped) << label;
    EXPECT_EQ(result.failures.empty(), row.ok) << label;
    EXPECT_EQ(result.pageAddress, "https://pages.test/" + page);
    if (!row.refused.empty()) {
      EXPECT_EQ(result.failures.at(0).listedPath, b) << "the person's path, not the staged copy";
    }
    if (!row.ok) continue;

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
  }
  // No settings or profile file was needed, and none was written.
  for (const std::string& file : FilesBelow(sandbox::Root())) EXPECT_FALSE(file.ends_with(".ini")) << file;
}

}  // namespace
