#include "upfile/upload_job.h"

#include "platform/file_services.h"
#include "platform/folders.h"
#include "upfile/del_ff.h"
#include "upfile/page_file.h"
#include "upfile/post_files.h"
#include "upfile/staging.h"
#include "upfile/upload_settings.h"

namespace {

std::vector<std::string> FoldersBelow(const std::string& root) {
  std::vector<std::string> folders;
  EnumerateFolders(folders, root);
  return folders;
}

// Old staging folders of the day go at program end once they are empty.
void RegisterDayFolder(const std::string& dayFolder) {
  DelFF_E& exitList = ExitRemovalList();
  const std::vector<std::string> folders = FoldersBelow(dayFolder);
  for (const std::string& folder : folders) {
    const std::string thumbs = AddSeparator(folder) + "Thumbs.db";
    if (FileExists(thumbs)) exitList.Add(thumbs);
  }
  for (const std::string& folder : folders) exitList.Add(folder);
  exitList.Add(dayFolder);
}

void RegisterFolderTree(const std::string& root) {
  if (!FolderExists(root)) return;
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

void AddReason(UploadJobResult& result, const std::string& reason) {
  if (!result.reason.empty()) result.reason += "\n";
  result.reason += reason;
}

UploadJobResult StagingFailures(const std::vector<std::string>& notStaged) {
  UploadJobResult result;
  result.failedFiles = notStaged;
  for (const std::string& file : notStaged) AddReason(result, "Can't copy " + file + " to the staging folder");
  return result;
}

}  // namespace

UploadJobResult UploadJob(const std::vector<std::string>& files, const std::string& pageName,
                          const std::string& scheme, const std::string& server, const std::string& script) {
  const bool sevenBit = GetNameTo7bit();
  const std::string indexPage = IndexPageName(pageName);
  const std::string dayFolder = GetDatedTempFolder();
  RegisterDayFolder(dayFolder);

  const std::string stagingFolder = MakeStagingFolder(dayFolder);
  if (stagingFolder.empty()) {
    UploadJobResult result;
    result.reason = "Can't create a staging folder in " + dayFolder;
    return result;
  }
  UploadJobResult result = StagingFailures(StageFiles(files, stagingFolder, sevenBit));
  // Without a whole page nothing goes out: the server keeps its last good one.
  if (!AdoptIndexPage(stagingFolder, indexPage) && !WriteIndexPage(stagingFolder, indexPage)) {
    AddReason(result, "Can't write the index page " + AddSeparator(stagingFolder) + indexPage);
    return result;
  }

  const std::vector<std::string> entries = ListFolder(stagingFolder);
  PostFailure failure;
  if (!post_files(entries, scheme, server, script, &failure)) {
    result.failedFiles.push_back(failure.path);
    AddReason(result, "Can't send " + failure.path + ": " + failure.reason);
    return result;
  }
  ScheduleJobRemoval(entries, stagingFolder);
  RegisterWorkFolders();
  result.ok = result.reason.empty();
  return result;
}

void RemoveDeferredAtExit() {
  JobRemovalList().RemoveNow();
  ExitRemovalList().RemoveNow();
}
