#include "upfile/upload_job.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "platform/file_status.h"
#include "platform/folder_walk.h"
#include "platform/folders.h"
#include "upfile/del_ff.h"
#include "upfile/page_file.h"
#include "upfile/post_files.h"
#include "upfile/staging.h"
#include "upfile/upload_settings.h"

namespace {

std::vector<std::string> FoldersBelow(const std::string& root) {
  std::vector<std::string> folders;
  platform::EnumerateFolders(folders, root);
  return folders;
}

// Old staging folders of the day go at program end once they are empty.
void RegisterDayFolder(const std::string& dayFolder) {
  DelFF_E& exitList = ExitRemovalList();
  const std::vector<std::string> folders = FoldersBelow(dayFolder);
  for (const std::string& folder : folders) {
    const std::string thumbs = AddSeparator(folder) + "Thumbs.db";
    if (platform::FileExists(thumbs)) exitList.Add(thumbs);
  }
  for (const std::string& folder : folders) exitList.Add(folder);
  exitList.Add(dayFolder);
}

void RegisterFolderTree(const std::string& root) {
  if (!platform::FolderExists(root)) return;
  for (const std::string& folder : FoldersBelow(root)) ExitRemovalList().Add(folder);
  ExitRemovalList().Add(root);
}

// The work root and the family's temporary folder above it.
void RegisterWorkFolders() {
  const std::string workRoot = GetProgramTempFolder();
  RegisterFolderTree(workRoot);
  RegisterFolderTree(GetFolderPart(RemoveSeparator(workRoot)));
}

// The staged files of the previous successful job go now, this job's later.
void ScheduleJobRemoval(const std::vector<std::string>& entries, const std::string& stagingFolder) {
  DelFF_E& jobList = JobRemovalList();
  jobList.RemoveNow();
  for (const std::string& entry : entries) jobList.Add(entry);
  jobList.Add(stagingFolder);
}

// A failed local copy or write is put down to the disk when it has no room left.
FailureCause LocalCause(const std::string& folder, int64_t needed) {
  constexpr int64_t kSlack = 65536;   // blocks, directory entries
  std::error_code error;
  const auto space = std::filesystem::space(std::u8string(folder.begin(), folder.end()), error);
  const bool full = !error && static_cast<int64_t>(space.available) < needed + kSlack;
  return {full ? FailureCause::Kind::kDiskFull : FailureCause::Kind::kFileError};
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
class ListedPaths : public UploadObserver {
 public:
  ListedPaths(UploadObserver& observer, const std::map<std::string, std::string>& listedOf)
      : observer_(observer), listedOf_(listedOf) {}
  std::string Of(const std::string& staged) const { return ListedOf(listedOf_, staged); }
  void OnTrace(const std::string& text, net::TraceStream stream) override { observer_.OnTrace(text, stream); }
  void OnFileStarted(size_t index, size_t count, const std::string& path) override {
    observer_.OnFileStarted(index, count, Of(path));
  }
  void OnBytesSent(uint64_t sent, uint64_t total) override { observer_.OnBytesSent(sent, total); }

 private:
  UploadObserver& observer_;
  const std::map<std::string, std::string>& listedOf_;
};

}  // namespace

UploadJobResult UploadJob(const std::vector<std::string>& files, const std::string& pageName,
                          UploadObserver& observer, const std::atomic<bool>& stop) {
  const bool sevenBit = GetNameTo7bit();
  const std::string indexPage = IndexPageName(pageName);
  const std::string dayFolder = GetDatedTempFolder();
  RegisterDayFolder(dayFolder);

  UploadJobResult result;
  const std::string stagingFolder = MakeStagingFolder(dayFolder);
  if (stagingFolder.empty()) {
    result.failures.push_back({"", LocalCause(dayFolder, 0), "Can't create a staging folder in " + dayFolder});
    return result;
  }
  StagedFiles staged = StageFiles(files, stagingFolder, sevenBit);
  result.failures = StagingFailures(staged.failed, stagingFolder);
  const std::string pagePath = AddSeparator(stagingFolder) + indexPage;
  if (const std::string adopted = AdoptIndexPage(stagingFolder, indexPage); !adopted.empty()) {
    staged.listedOf[pagePath] = ListedOf(staged.listedOf, adopted);
  } else {
    staged.listedOf.erase(pagePath);   // a listed file of the page's name gives way to the page
    // Without a whole page nothing goes out: the server keeps its last good one.
    if (!WriteIndexPage(stagingFolder, indexPage)) {
      result.failures.push_back({pagePath, LocalCause(stagingFolder, 0), "Can't write the index page " + pagePath});
      return result;
    }
  }

  const std::vector<std::string> entries = platform::ListFolder(stagingFolder);
  ListedPaths listed(observer, staged.listedOf);
  PostFailure failure;
  if (!post_files(entries, "", "", "", &failure, &listed, &stop)) {
    result.failures.push_back({listed.Of(failure.path), failure.cause, failure.reason});
    result.stopped = failure.cause.kind == FailureCause::Kind::kStopped;
    // A stopped job leaves nothing behind; a failed one keeps its copies for a look.
    if (!result.stopped) return result;
  }
  ScheduleJobRemoval(entries, stagingFolder);
  RegisterWorkFolders();
  result.ok = result.failures.empty();
  return result;
}
