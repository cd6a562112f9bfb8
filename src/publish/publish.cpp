#include "publish/publish.h"

#include "platform/feedback.h"
#include "platform/file_status.h"
#include "upfile/del_ff.h"
#include "upfile/file_list.h"
#include "upfile/page_file.h"
#include "upfile/upload_job.h"
#include "upfile/upload_page.h"
#include "upfile/upload_settings.h"

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
  void ShowWaitingNotice(const std::string& notice) override { observer_.OnWaiting(notice); }
  void PumpMessages() override {}

  PublishObserver& observer_;
  platform::UserInterface* previous_;
};

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
  UploadJobResult job = UploadJob(list, UploadPageName(), observer, stop);
  result.ok = job.ok;
  result.stopped = job.stopped;
  result.failures = std::move(job.failures);
  result.pageAddress = UploadPageAddress();
  return result;
}

std::string PrepareSettings() {
  WriteServerDefaults();
  return BrowserAddress();
}

bool WritePage(const std::string& folder, const std::string& pageName) { return WriteIndexPage(folder, pageName); }

// The job list first, so that the exit list finds the staging folders empty.
void RemoveDeferredAtExit() {
  JobRemovalList().RemoveNow();
  ExitRemovalList().RemoveNow();
}

}  // namespace publish
