#include "publish/publish.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <map>
#include <system_error>

#include "platform/fs/file_status.h"
#include "platform/fs/folder_walk.h"
#include "publish/destination.h"
#include "publish/file_list.h"
#include "publish/job_check.h"
#include "publish/job_turn.h"
#include "publish/page_file.h"
#include "publish/removal_list.h"
#include "publish/staging.h"
#include "publish/upload_settings.h"
#include "suite/folders.h"
#include "suite/profile_location.h"

namespace publish {
namespace {

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
  const std::string workRoot = suite::GetProgramTempFolder();
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

std::vector<FileFailure> StagingFailures(const StagedFiles& staged, const std::string& folder) {
  std::vector<FileFailure> failures;
  for (const std::string& file : staged.failed) {
    const int64_t size = platform::FileStatus(file).Size();
    failures.push_back({file, LocalCause(folder, size), "Can't copy " + file + " to " + folder});
  }
  for (const std::string& file : staged.changed)
    failures.push_back({file, {FailureCause::Kind::FileChanged}, "Can't copy " + file + " to " + folder});
  return failures;
}

// The listed file behind a staged copy; the staged path itself for the generated page.
std::string ListedOf(const std::map<std::string, std::string>& listedOf, const std::string& staged) {
  const auto found = listedOf.find(staged);
  return found == listedOf.end() ? staged : found->second;
}

// The destination knows the staged copies and the bytes of one call; the
// person knows the files they listed, counted with the page as the last of
// them, and the bytes of the whole job.
class SendingProgress : public net::UploadObserver {
 public:
  SendingProgress(PublishObserver& observer, const std::map<std::string, std::string>& listedOf, size_t files,
                  uint64_t bytesTotal)
      : observer_(observer), listedOf_(listedOf) {
    progress_.files = files;
    progress_.bytesTotal = bytesTotal;
  }
  // The next call to the destination sends from the job's file first on, after bytesBefore.
  void StartCall(size_t first, uint64_t bytesBefore) {
    first_ = first;
    bytesBefore_ = bytesBefore;
  }
  void OnTrace(const std::string& text, net::TraceStream stream) override { observer_.OnTrace(text, stream); }
  void OnFileStarted(size_t index, size_t, const std::string& path) override {
    progress_.file = first_ + index;
    progress_.name = ListedOf(listedOf_, path);
    observer_.OnProgress(progress_);
  }
  void OnBytesSent(uint64_t sent, uint64_t) override {
    progress_.bytesDone = bytesBefore_ + sent;
    observer_.OnProgress(progress_);
  }

 private:
  PublishObserver& observer_;
  const std::map<std::string, std::string>& listedOf_;
  Progress progress_;
  size_t first_ = 0;
  uint64_t bytesBefore_ = 0;
};

uint64_t BytesOf(const std::vector<Upload>& files) {
  uint64_t bytes = 0;
  for (const Upload& file : files) bytes += static_cast<uint64_t>(platform::FileStatus(file.path).Size());
  return bytes;
}

// The staged files in the order of the list, the page apart.
std::vector<Upload> FilesToSend(const std::vector<CheckedFile>& checked, const std::string& pagePath,
                                const std::map<std::string, std::string>& listedOf) {
  std::map<std::string, std::string> stagedOf;
  for (const auto& [staged, listed] : listedOf) stagedOf[listed] = staged;
  std::vector<Upload> files;
  for (const CheckedFile& file : checked) {
    const auto staged = stagedOf.find(file.path);
    if (staged != stagedOf.end() && staged->second != pagePath) files.push_back({staged->second, file.path, ""});
  }
  return files;
}

// Sends the files, then, only when every one arrived, the page.
bool SendFilesThenPage(Destination& destination, const std::vector<Upload>& files, const Upload& page,
                       const std::map<std::string, std::string>& listedOf, PublishObserver& observer,
                       const std::atomic<bool>& stop, FileFailure* failure) {
  const uint64_t fileBytes = BytesOf(files);
  SendingProgress progress(observer, listedOf, files.size() + 1, fileBytes + BytesOf({page}));
  if (!files.empty() && !destination.Send(files, progress, stop, failure)) return false;
  if (stop) {
    *failure = {page.listedPath, {FailureCause::Kind::Stopped}, "stopped before the page was sent"};
    return false;
  }
  progress.StartCall(files.size(), fileBytes);
  return destination.Send({page}, progress, stop, failure);
}

// Stages the checked files with the page, sends everything and schedules the
// working folders for removal. A stopped job's staged copies go at once, a
// failed job's stay for a look.
void RunUploadJob(const JobCheck& check, const UploadSettings& settings, Destination& destination,
                  PublishObserver& observer, const std::atomic<bool>& stop, PublishResult& result) {
  const std::string pageName = UploadPageName();
  const std::string dayFolder = suite::GetDatedTempFolder();
  RemoveAbandonedStaging(suite::GetProgramTempFolder());
  RegisterDayFolder(dayFolder);

  const std::string stagingFolder = MakeStagingFolder(dayFolder);
  if (stagingFolder.empty()) {
    result.failures.push_back({"", LocalCause(dayFolder, 0), "Can't create a staging folder in " + dayFolder});
    return;
  }
  StagedFiles staged = StageFiles(check.files, stagingFolder, settings.nameTo7bit);
  result.failures = StagingFailures(staged, stagingFolder);
  if (!result.failures.empty()) return;   // nothing goes out of a job that is not whole
  const std::string pagePath = platform::AddSeparator(stagingFolder) + pageName;
  if (const std::string adopted = AdoptIndexPage(stagingFolder, pageName); !adopted.empty()) {
    staged.listedOf[pagePath] = ListedOf(staged.listedOf, adopted);
    staged.listedOf.erase(adopted);
  } else {
    staged.listedOf.erase(pagePath);   // a listed file of the page's name gives way to the page
    // Without a whole page nothing goes out: the server keeps its last good one.
    if (const std::string problem = WriteIndexPage(stagingFolder, pageName, settings); !problem.empty()) {
      result.failures.push_back({pagePath, LocalCause(stagingFolder, 0), problem});
      return;
    }
  }

  const std::vector<Upload> files = FilesToSend(check.files, pagePath, staged.listedOf);
  const Upload page{pagePath, ListedOf(staged.listedOf, pagePath), "text/html; charset=utf-8"};
  FileFailure failure;
  result.ok = SendFilesThenPage(destination, files, page, staged.listedOf, observer, stop, &failure);
  if (result.ok) {
    std::vector<std::string> entries = platform::ListFolder(stagingFolder);
    entries.push_back(OwnerMarkOf(stagingFolder));
    ProgramRemoval().ReplaceJobFiles(entries, stagingFolder);
  } else {
    result.failures.push_back(failure);
    result.stopped = failure.cause.kind == FailureCause::Kind::Stopped;
    if (!result.stopped) return;
    RemoveStagingFolder(stagingFolder);
  }
  RegisterWorkFolders();
}

}  // namespace

Job ReadJob(std::vector<std::string> files, const std::string& destination) {
  Job job{std::move(files), ReadUploadSettings(), destination};
  if (job.destination.empty()) job.destination = job.settings.uploadTo;
  return job;
}

PublishResult Publish(const Job& job, PublishObserver& observer, const std::atomic<bool>& stop) {
  FileFailure badText;
  const std::unique_ptr<Destination> destination = MakeDestination(job.destination, job.settings, &badText);
  if (!destination) {
    PublishResult result;
    result.failures.push_back(badText);
    return result;
  }
  return Publish(job, *destination, observer, stop);
}

PublishResult Publish(const Job& job, Destination& destination, PublishObserver& observer,
                      const std::atomic<bool>& stop) {
  constexpr std::chrono::minutes kLongestWait{10};
  PublishResult result;
  if (const std::optional<FileFailure> unusable = destination.Unusable()) {
    result.failures.push_back(*unusable);
    return result;
  }
  result.pageAddress = destination.PageAddress(UploadPageName());
  FileList list;
  AddDroppedFiles(list, job.files);
  const JobCheck check = CheckListedFiles(list, destination.SizeLimit());
  if (!check.failures.empty()) {
    result.failures = check.failures;
    return result;
  }
  JobTurn turn;
  if (!turn.Take(observer, stop, kLongestWait)) {
    const bool stopped = stop;
    result.stopped = stopped;
    result.failures.push_back({"",
                               {stopped ? FailureCause::Kind::Stopped : FailureCause::Kind::Busy},
                               stopped ? "stopped while waiting for another upload" : "waited 10 minutes"});
    return result;
  }
  observer.OnProgress(Progress{.phase = Progress::Phase::Staging, .name = ""});
  RunUploadJob(check, job.settings, destination, observer, stop, result);
  return result;
}

std::string PrepareSettings() {
  suite::PrepareProfileFolder();
  WriteServerDefaults();
  return BrowserAddress(ReadUploadSettings());
}

std::string WritePage(const std::string& folder, const std::string& pageName) {
  return WriteIndexPage(folder, pageName, ReadUploadSettings());
}

void RemoveDeferredAtExit() { ProgramRemoval().RemoveNow(); }

}  // namespace publish
