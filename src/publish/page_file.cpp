#include "publish/page_file.h"

#include "html/index_page.h"
#include "html/writer.h"
#include "platform/fs/file_backup.h"
#include "platform/fs/file_io.h"
#include "platform/fs/file_status.h"
#include "platform/fs/folder_walk.h"
#include "platform/system/clock.h"
#include "platform/system/feedback.h"
#include "platform/system/system_places.h"
#include "platform/text/text_decode.h"
#include "publish/thumb_finder.h"
#include "suite/folders.h"
#include "suite/profile.h"

namespace publish {
namespace {

bool IsExistingFile(const std::string& path) {
  return !path.empty() && platform::FileExists(path) && !platform::FolderExists(path);
}

// The markup of "main_lnk.htm" (made when missing), or of the file that
// "path_link_html" names when it exists; empty when none can be read. A file
// that is no regular file or too large to be a link block is a problem: the
// page would not show what the user set up.
std::string LinkBlockText(const std::string& chosen, std::string& problem) {
  const std::string defaultFile = platform::AddSeparator(suite::GetSettingsFolder()) + "main_lnk.htm";
  // Without the settings folder the write would only wait out its retries.
  if (!platform::FileExists(defaultFile) && platform::FolderExists(suite::GetSettingsFolder()))
    html::WriteTextFile(defaultFile, html::DefaultLinkBlock());
  const std::string file = IsExistingFile(chosen) ? chosen : defaultFile;
  platform::FileRead read = platform::ReadRegularFile(file, platform::kOwnFileLimit);
  if (read.fault == platform::ReadFault::NotRegular) problem = "link markup file " + file + " is not a regular file";
  if (read.fault == platform::ReadFault::TooLarge) problem = "link markup file " + file + " is larger than 1 MiB";
  return platform::DecodeText(std::move(read.bytes));
}

std::vector<std::string> ListPageFolder(const std::string& folder) {
  // The listing falls back to the parent of a missing folder.
  if (!platform::FolderExists(folder)) return {};
  return platform::ListFolder(folder);
}

// Thumbnail addresses by entry, looked up table by table in the order the page
// shows the entries (a name such as "xhtml" is shown, and looked up, twice).
std::map<std::string, std::string> FindThumbnails(const std::vector<std::string>& listing, suite::Profile& profile) {
  ThumbSettings settings;
  settings.root = profile.GetStr("FilePath", "htm_out_root", settings.root);
  settings.extension = profile.GetStr("FilePath", "htm_out_thumb_ext", settings.extension);
  ThumbFinder finder(settings);
  std::map<std::string, std::string> thumbnails;
  const html::PageLists lists = html::SortListing(listing);
  for (const std::vector<std::string>* entries : {&lists.images, &lists.html, &lists.rest}) {
    platform::TitleProgress progress("HT_Make_other_tr ...", static_cast<unsigned>(entries->size()));
    for (const std::string& entry : *entries) {
      progress.Step();
      const std::string address = finder.Address(entry);
      if (!address.empty()) thumbnails.emplace(entry, address);
    }
  }
  return thumbnails;
}

std::optional<std::tm> LocalTimeNow() {
  const std::time_t now = platform::CurrentClock().Now();
  std::tm local{};
  if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) return std::nullopt;
  return local;
}

html::PageInput ReadPageInput(const std::string& folder, const std::string& pageName, const UploadSettings& settings,
                              std::string& problem) {
  suite::Profile profile;
  html::PageInput input;
  input.pageName = pageName;
  input.listing = ListPageFolder(folder);
  input.programPath = platform::ProgramPath();
  input.browserAddress = BrowserAddress(settings);
  input.libraryScheme = profile.GetStr("Preference", "http___2019_10", input.libraryScheme);
  input.libraryServer = profile.GetStr("Preference", "server_2019_10", input.libraryServer);
  input.slideWidth = profile.GetStr("Preference", "img_width_slider", input.slideWidth);
  for (html::Style& width : input.imageWidths)
    width.value = profile.GetStr("Preference", "img_width_" + width.name, width.value);
  input.linkBlock = LinkBlockText(settings.pathLinkHtml, problem);
  input.table.tile = profile.GetInt("Preference", "other_tr_is_Tile", input.table.tile);
  input.table.perRow = profile.GetInt("Preference", "other_tr_count", input.table.perRow);
  input.thumbnails = FindThumbnails(input.listing, profile);
  input.time = LocalTimeNow();
  return input;
}

}  // namespace

std::string WriteIndexPage(const std::string& folder, const std::string& pageName, const UploadSettings& settings) {
  const std::string path = platform::AddSeparator(folder) + pageName;
  std::string problem;
  const html::PageInput input = ReadPageInput(folder, pageName, settings, problem);
  if (!problem.empty()) return problem;
  const html::Element page = html::BuildIndexPage(input);
  if (platform::FileExists(path)) platform::BackupFile(path, true);
  return html::SavePage(page, path) ? "" : "Can't write the index page " + path;
}

}  // namespace publish
