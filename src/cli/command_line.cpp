#include "cli/command_line.h"

#include <unistd.h>

#include <atomic>
#include <iostream>
#include <string>
#include <vector>

#include "cli/console_report.h"
#include "cli/settings_listing.h"
#include "cli/stop_signals.h"
#include "platform/fs/file_status.h"
#include "platform/fs/temp_folder.h"
#include "platform/process/system_clipboard.h"
#include "publish/publish.h"
#include "suite/folders.h"

namespace cli {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

using Arguments = std::vector<std::string>;

void PrintUsage() {
  std::cout << "Usage: wx_pub [FILE...]\n"
               "       wx_pub --upload [-q] [--copy] [--to DESTINATION] [FILE...]\n"
               "       wx_pub --page FOLDER [PAGE]\n"
               "       wx_pub --settings | --help | --version\n"
               "\n"
               "Without an option the window opens, listing the FILEs.\n"
               "  --upload   publish the FILEs without a window: stage them with an index\n"
               "             page, send everything to the configured server and print the\n"
               "             page address as the last line; on a terminal, standard error\n"
               "             shows the progress. Nothing is sent unless every FILE can be\n"
               "             published, and the page goes last\n"
               "  -q, --quiet  with --upload: print only the page address (for scripts)\n"
               "  --copy     with --upload: also put the page address on the clipboard\n"
               "             (needs a display and wl-copy, xclip or xsel)\n"
               "  --to       publish to DESTINATION instead of the setting upload_to:\n"
               "             s3://BUCKET/PREFIX for object storage\n"
               "  --page     write the index page of FOLDER (PAGE, default \"index.htm\")\n"
               "             without uploading, and print its path\n"
               "  --settings show where the tool keeps its files and every upload setting\n"
               "             with where its value comes from (secrets masked)\n"
               "  --help     show this text\n"
               "  --version  show the program version\n"
               "Exit status: 0 done, 1 failed (the reasons go to standard error), 2 bad usage,\n"
               "130 or 143 stopped by SIGINT or SIGTERM.\n";
}

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

int UsageError(const std::string& message) {
  std::cerr << "wx_pub: " << message << "\nTry 'wx_pub --help' for more information.\n";
  return kExitUsage;
}

int Failure(const std::string& reason) {
  std::cerr << "wx_pub: " << reason << '\n';
  return kExitFailed;
}

struct UploadArguments {
  Arguments files;
  std::string destination;
  bool quiet = false;
  bool copy = false;
};

// "--to DESTINATION" (or "--to=DESTINATION"), "-q"/"--quiet" and "--copy" may come
// before the FILEs; a "--" lets FILEs through that begin with '-'. The error
// text when the arguments are not usable.
std::string SplitUploadArguments(const Arguments& arguments, UploadArguments& upload) {
  size_t i = 0;
  for (; i < arguments.size() && IsOption(arguments[i]); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--") {
      ++i;
      break;
    }
    if (argument == "-q" || argument == "--quiet") {
      upload.quiet = true;
    } else if (argument == "--copy") {
      upload.copy = true;
    } else if (argument.starts_with("--to=")) {
      upload.destination = argument.substr(5);
    } else if (argument == "--to" && i + 1 < arguments.size()) {
      upload.destination = arguments[++i];
    } else {
      return argument == "--to" ? "--to needs a DESTINATION" : "unknown option '" + argument + "' after --upload";
    }
  }
  for (; i < arguments.size(); ++i) upload.files.push_back(platform::AbsolutePath(arguments[i]));
  return "";
}

// The cause first, for a person; the technical detail after it.
std::string FailureLines(const std::vector<publish::FileFailure>& failures) {
  std::string lines;
  for (const publish::FileFailure& failure : failures) {
    const std::string cause = publish::CauseText(failure.cause, publish::Language::English);
    if (failure.detail.empty()) {
      lines += "\n" + cause + (failure.listedPath.empty() ? "" : ": " + failure.listedPath);
    } else {
      lines += "\n" + (failure.listedPath.empty() ? "" : failure.listedPath + ": ") + cause + " (" + failure.detail + ")";
    }
  }
  return lines;
}

// The address goes to standard output only once the page is published.
int RunUpload(const Arguments& arguments) {
  UploadArguments upload;
  if (const std::string error = SplitUploadArguments(arguments, upload); !error.empty()) return UsageError(error);

  const StopSignals signals;
  publish::PrepareSettings();
  const publish::Job job = publish::ReadJob(upload.files, upload.destination);
  publish::PublishResult result;
  {
    ConsoleReport report(::isatty(STDERR_FILENO) == 1, ::isatty(STDOUT_FILENO) == 1);
    publish::PublishObserver silent;
    result = publish::Publish(job, upload.quiet ? silent : report, signals.Flag());
    report.StartNewLine();
  }
  if (result.ok) {
    std::cout << result.pageAddress << std::endl;
    // The page is published either way: a clipboard that failed is only told.
    if (upload.copy) {
      if (const std::string problem = platform::CopyToSystemClipboard(result.pageAddress); !problem.empty())
        std::cerr << "wx_pub: the address was not copied: " << problem << '\n';
    }
    return kExitOk;
  }
  std::cout.flush();
  Failure((result.stopped ? "upload stopped:" : "upload failed:") + FailureLines(result.failures));
  return signals.Signal() != 0 ? signals.ExitStatus() : kExitFailed;
}

int RunPage(const Arguments& arguments) {
  if (arguments.empty() || arguments.size() > 2) return UsageError("--page takes FOLDER and an optional PAGE");
  const std::string page = arguments.size() == 2 ? arguments[1] : "index.htm";
  if (page.empty() || page != platform::GetFileName(page)) {
    return UsageError("PAGE must be a file name, not '" + page + "'");
  }
  const std::string folder = platform::AbsolutePath(arguments[0]);
  if (platform::FileExists(folder) && !platform::FolderExists(folder))
    return Failure("'" + arguments[0] + "' is a file: --page takes the FOLDER whose index page it writes");
  if (!platform::FolderExists(folder)) return Failure("no such folder: " + arguments[0]);
  const std::string path = platform::AddSeparator(folder) + page;
  if (const std::string problem = publish::WritePage(folder, page); !problem.empty()) return Failure(problem);
  std::cout << path << std::endl;
  return kExitOk;
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char** argv) {
  const Arguments arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  if (arguments.empty()) return std::nullopt;
  const std::string& first = arguments.front();
  const Arguments rest(arguments.begin() + 1, arguments.end());
  if (first == "--upload") return RunUpload(rest);
  if (first == "--page") return RunPage(rest);
  if (first == "--help" || first == "-h") {
    PrintUsage();
    return kExitOk;
  }
  if (first == "--settings" && rest.empty()) {
    std::cout << SettingsListing();
    return kExitOk;
  }
  if (first == "--version") {
    std::cout << platform::GetProgramName() << ' ' << WXPUB_VERSION << '\n';
    return kExitOk;
  }
  for (const std::string& argument : arguments) {
    if (IsOption(argument)) return UsageError("unknown option '" + argument + "'");
  }
  return std::nullopt;
}

}  // namespace cli
