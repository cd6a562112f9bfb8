#include "publish/publish.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "net/post_files.h"
#include "platform/feedback.h"
#include "platform/file_status.h"
#include "platform/folder_walk.h"
#include "platform/folders.h"
#include "publish/file_list.h"
#include "publish/page_file.h"
#include "publish/removal_list.h"
#include "publish/staging.h"
#include "publish/upload_settings.h"

namespace publish {
namespace {

// While the job runs, stands in as this thread's user interface, so that the
// progress of the lower layers reaches the observer instead of a window.
class ProgressRoute : private platform::UserInterface {
 public:
  explicit ProgressRoute(PublishObserver& observer) : observer_(observer), previous_(platform::InstalledUserInterface()) {
    platform::InstallUserInterface(this);
  }
  ~ProgressRoute() override { platform::InstallUserInterface(previous_); }
  ProgressRoute(const ProgressRoute&) = delete;
  ProgressRoute& operator=(const ProgressRoute&) = delete;

 private:
  // Nothing on the way of a job asks a question: the default answer stands.
  platform::Answer ShowMessageBox(const std::string&, platform::BoxStyle style) override {
    return platform::DefaultAnswer(style);
  }
  void ShowProgressTitle(const std::string& title) override { observer_.OnProgressText(title); }
  void PumpMessages() override {}
  // Notices are not the job's: they go where they went before it.
  void ShowNotice(const std::string& notice) override {
    if (previous_) previous_->ShowNotice(notice);
  }

  PublishObserver& observer_;
  platform::UserInterface* previous_;
};

// The one owner of what the jobs leave for later; emptied at program end.
DeferredRemoval& ProgramRemoval() {
  static DeferredRemoval removal;
  return removal;
}

std::vector<std::string> FoldersBelow(const std::string& root) {
  std::vector<std::string> folders;
  platform::EnumerateFolders(folders, root);
  return folders;
}

// Old staging folders of the day go at program end once they are empty.
void RegisterDayFolder(const std::string& dayFolder) {
  const std::vector<std::string> folders = FoldersBelow(dayFolder);
  for (const std::string& folder : folders) {
    const std::string thumbs = platform::AddSeparator(folder) + "Thumbs.db";
    if (platform::FileExists(thumbs)) ProgramRemoval().AddAtEnd(thumbs);
  }
  for (const std::string& folder : folders) ProgramRemoval().AddAtEnd(folder);
  ProgramRemoval().AddAtEnd(dayFolder);
}

void RegisterFolderTree(const std::string& root) {
  if (!platform::FolderExists(root)) return;
  for (const std::string& folder : FoldersBelow(root)) ProgramRemoval().AddAtEnd(folder);
  ProgramRemoval().AddAtEnd(root);
}

// The work root and the family's temporary folder above it.
void RegisterWorkFolders() {
  const std::string workRoot = platform::GetProgramTempFolder();
  RegisterFolderTree(workRoot);
  RegisterFolderTree(platform::GetFolderPart(platform::RemoveSeparator(workRoot)));
}

// A failed local copy or write is put down to the disk when it has no room left.
FailureCause LocalCause(const std::string& folder, int64_t needed) {
  constexpr int64_t kSlack = 65536;   // blocks, directory entries
  std::error_code error;
  const auto space = std::filesystem::space(std::u8string(folder.begin(), folder.end()), error);
  const bool full = !error && static_cast<int64_t>(space.available) < needed + kSlack;
  return {full ? FailureCause::Kind::DiskFull : FailureCause::Kind::FileError};
}

std::vector<FileFailure> StagingFailures(const std::vector<std::string>& notStaged, const std::string& folder) {
  std::vector<FileFailure> failures;
  for (const std::string& file : notStaged) {
    const int64_t size = platform::FileStatus(file).Size();
    failures.push_back({file, LocalCause(folder, size), "Can't copy " + file + " to " + folder});
  }
  return failures;
}

// The listed file behind a staged copy; the staged path itself for the generated page.
std::string ListedOf(const std::map<std::string, std::string>& listedOf, const std::string& staged) {
  const auto found = listedOf.find(staged);
  return found == listedOf.end() ? staged : found->second;
}

// The transport knows the staged copies; the person knows the files they listed.
class ListedPaths : public net::UploadObserver {
 public:
  ListedPaths(net::UploadObserver& observer, const std::map<std::string, std::string>& listedOf)
      : observer_(observer), listedOf_(listedOf) {}
  std::string Of(const std::string& staged) const { return ListedOf(listedOf_, staged); }
  void OnTrace(const std::string& text, net::TraceStream stream) override { observer_.OnTrace(text, stream); }
  void OnFileStarted(size_t index, size_t count, const std::string& path) override {
    observer_.OnFileStarted(index, count, Of(path));
  }
  void OnBytesSent(uint64_t sent, uint64_t total) override { observer_.OnBytesSent(sent, total); }

 private:
  net::UploadObserver& observer_;
  const std::map<std::string, std::string>& listedOf_;
};

net::PostSettings ForTransport(const UploadSettings& settings) {
  return {settings.scheme,    settings.server,           settings.scriptPath,
          settings.sizeLimit, settings.relaxCertificate, settings.debugCopies};
}

// Stages the files with the page, sends everything and schedules the working
// folders for removal. A stopped job's staged copies go with the deferred
// removal, a failed job's stay.
void RunUploadJob(const FileList& files, const UploadSettings& settings, PublishObserver& observer,
                  const std::atomic<bool>& stop, PublishResult& result) {
  const std::string pageName = UploadPageName();
  const std::string dayFolder = platform::GetDatedTempFolder();
  RegisterDayFolder(dayFolder);

  const std::string stagingFolder = MakeStagingFolder(dayFolder);
  if (stagingFolder.empty()) {
    result.failures.push_back({"", LocalCause(dayFolder, 0), "Can't create a staging folder in " + dayFolder});
    return;
  }
  StagedFiles staged = StageFiles(files, stagingFolder, settings.nameTo7bit);
  result.failures = StagingFailures(staged.failed, stagingFolder);
  const std::string pagePath = platform::AddSeparator(stagingFolder) + pageName;
  if (const std::string adopted = AdoptIndexPage(stagingFolder, pageName); !adopted.empty()) {
    staged.listedOf[pagePath] = ListedOf(staged.listedOf, adopted);
  } else {
    staged.listedOf.erase(pagePath);   // a listed file of the page's name gives way to the page
    // Without a whole page nothing goes out: the server keeps its last good one.
    if (!WriteIndexPage(stagingFolder, pageName, settings)) {
      result.failures.push_back({pagePath, LocalCause(stagingFolder, 0), "Can't write the index page " + pagePath});
      return;
    }
  }

  const std::vector<std::string> entries = platform::ListFolder(stagingFolder);
  ListedPaths listed(observer, staged.listedOf);
  net::PostFailure failure;
  if (!net::PostFiles(entries, ForTransport(settings), &failure, &listed, &stop)) {
    result.failures.push_back({listed.Of(failure.path), failure.cause, failure.reason});
    result.stopped = failure.cause.kind == FailureCause::Kind::Stopped;
    // A stopped job leaves nothing behind; a failed one keeps its copies for a look.
    if (!result.stopped) return;
  }
  ProgramRemoval().ReplaceJobFiles(entries, stagingFolder);
  RegisterWorkFolders();
  result.ok = result.failures.empty();
}

}  // namespace

PublishResult Publish(const std::vector<std::string>& files, PublishObserver& observer,
                      const std::atomic<bool>& stop) {
  FileList list;
  AddDroppedFiles(list, files);
  PublishResult result;
  for (const std::string& file : list) {
    if (!platform::FileExists(file)) result.missingFiles.push_back(file);
  }
  WriteServerDefaults();
  const ProgressRoute route(observer);
  const UploadSettings settings = ReadUploadSettings();
  RunUploadJob(list, settings, observer, stop, result);
  result.pageAddress = UploadPageAddress(settings);
  return result;
}

std::string PrepareSettings() {
  WriteServerDefaults();
  return BrowserAddress(ReadUploadSettings());
}

bool WritePage(const std::string& folder, const std::string& pageName) {
  return WriteIndexPage(folder, pageName, ReadUploadSettings());
}

void RemoveDeferredAtExit() { ProgramRemoval().RemoveNow(); }

}  // namespace publish
