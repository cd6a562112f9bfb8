#include "platform/shell_exec.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <map>
#include <vector>

#include "platform/clock.h"
#include "platform/feedback.h"
#include "platform/file_services.h"
#include "platform/folders.h"

extern char** environ;

namespace {

constexpr const char* kOpener = "xdg-open";
// The opener usually returns at once; one that keeps running has found a
// handler, so after this long it counts as success.
constexpr uint64_t kOpenerWaitMs = 5000;
constexpr unsigned kPollMs = 20;

// Program folders of this system, tried in order for a relative path.
const char* const kProgramFolders[] = {"/opt/", "/usr/local/bin/", "/usr/bin/"};
// System program folders, tried with the bare file name of a program.
const char* const kSystemFolders[] = {"/bin/", "/usr/sbin/"};

std::vector<pid_t>& UnreapedChildren() {
  static std::vector<pid_t> children;
  return children;
}

void ReapFinishedChildren() {
  auto& children = UnreapedChildren();
  std::erase_if(children, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

std::string LowerExtension(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return {};
  std::string extension = name.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

bool LooksLikeProgram(const std::string& name) {
  const std::string extension = LowerExtension(name);
  return extension.empty() || extension == "exe";
}

bool IsExecutableFile(const std::string& path) {
  return FileExists(path) && !FolderExists(path) && ::access(path.c_str(), X_OK) == 0;
}

// A set file that is neither an address nor an existing path cannot be opened.
bool IsMissingLocalFile(const std::string& path) {
  return path.find("://") == std::string::npos && !FileExists(path);
}

bool IsOpenVerb(const std::string& verb) { return verb.empty() || verb == "open" || verb == "explore"; }

// Blanks separate arguments; double quotes group blanks into one argument.
std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> arguments;
  std::string current;
  bool quoted = false;
  bool pending = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
      pending = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (pending) arguments.push_back(current);
      current.clear();
      pending = false;
    } else {
      current += c;
      pending = true;
    }
  }
  if (pending) arguments.push_back(current);
  return arguments;
}

// Starts the program without a shell; `errno`-style result, 0 on success.
int Spawn(const std::vector<std::string>& arguments, pid_t& pid) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  return ::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
}

int OpenerExitToCode(int status) {
  if (WIFEXITED(status)) {
    switch (WEXITSTATUS(status)) {
      case 0: return kShellOk;
      case 2: return kShellFileNotFound;
      case 3: return kShellNoAssociation;  // no tool or handler for this kind of target
    }
  }
  return kShellOtherError;
}

int RunOpener(const std::string& target) {
  pid_t pid = 0;
  const int error = Spawn({kOpener, target}, pid);
  if (error == ENOENT) return kShellNoAssociation;
  if (error != 0) return kShellOtherError;
  const uint64_t start = platform::CurrentClock().Ticks();
  while (platform::CurrentClock().Ticks() - start < kOpenerWaitMs) {
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) == pid) return OpenerExitToCode(status);
    platform::CurrentClock().Sleep(kPollMs);
  }
  UnreapedChildren().push_back(pid);
  return kShellOk;
}

int RunProgram(const std::string& program, const std::string& parameters) {
  std::vector<std::string> arguments = SplitCommandLine(parameters);
  arguments.insert(arguments.begin(), program);
  pid_t pid = 0;
  const int error = Spawn(arguments, pid);
  if (error == ENOENT) return kShellFileNotFound;
  if (error != 0) return kShellOtherError;
  UnreapedChildren().push_back(pid);
  return kShellOk;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::string ShellErrorText(int code, const std::string& verb, const std::string& file,
                           const std::string& parameters) {
  static const std::map<int, std::string> kMessages = {
      {0, "The operating system is out of memory or resources."},
      {2, "The specified file was not found."},
      {3, "The specified path was not found."},
      {5, "The operating system denied access to the specified file."},
      {8, "There was not enough memory to complete the operation."},
      {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
      {26, "A sharing violation occurred."},
      {27, "The filename association is incomplete or invalid."},
      {28, "The DDE transaction could not be completed because the request timed out."},
      {29, "The DDE transaction failed."},
      {30, "The DDE transaction could not be completed because other DDE transactions were being processed."},
      {31, "There is no application associated with the given file name extension."},
      {32, "The specified dynamic-link library was not found."},
  };
  const auto found = kMessages.find(code);
  const std::string message =
      found != kMessages.end() ? found->second : "Error\n" + file + "\n" + parameters;
  return message + "\nOperation=" + Quoted(verb) + "\nFile=" + Quoted(file) + "\nParamaters=" +
         Quoted(parameters);
}

S_Exec::S_Exec() = default;
S_Exec::~S_Exec() = default;

bool S_Exec::SetOperation(const std::string& verb) {
  m_verb = verb;
  return true;
}

bool S_Exec::SetFile(const std::string& path) {
  m_file = path;
  if (FileExists(path)) return true;
  std::vector<std::string> candidates;
  for (const char* folder : kProgramFolders) candidates.push_back(folder + path);
  const std::string name = GetFileName(path);
  if (LooksLikeProgram(name)) {
    for (const char* folder : kSystemFolders) candidates.push_back(folder + name);
  }
  const auto existing = std::find_if(candidates.begin(), candidates.end(),
                                     [](const std::string& candidate) { return FileExists(candidate); });
  if (existing != candidates.end()) m_file = *existing;
  return true;
}

bool S_Exec::SetParameters(const std::string& parameters) {
  m_parameters = parameters;
  return true;
}

int S_Exec::Run() const {
  ReapFinishedChildren();
  if (!IsOpenVerb(Operation())) return kShellNoAssociation;
  if (m_file && IsMissingLocalFile(*m_file)) return kShellFileNotFound;
  if (m_file && IsExecutableFile(*m_file)) return RunProgram(*m_file, Parameters());
  return RunOpener(m_file ? *m_file : Parameters());
}

bool S_Exec::Execute() {
  const int code = Run();
  if (code > 32) return true;
  platform::MessageBoxLog(ShellErrorText(code, Operation(), File(), Parameters()), {});
  return false;
}

bool S_Exec::OpenWithExplorer(const std::string& parameters) {
  SetFile(kOpener);  // the desktop opener shows folders in the file manager
  SetParameters(parameters);
  return Execute();
}
