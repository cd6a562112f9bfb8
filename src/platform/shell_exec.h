// Hands a file or an address to the desktop (verb "open": `xdg-open`) and turns
// a failure into a readable message box.
#pragma once

#include <optional>
#include <string>

class S_Exec {
 public:
  S_Exec();
  virtual ~S_Exec();

  // "open" (the program's verb), "print" or "explore".
  virtual bool SetOperation(const std::string& verb);
  // A path that does not exist is looked up in the system's program folders;
  // kept unchanged when no candidate exists (an internet address, for example).
  virtual bool SetFile(const std::string& path);
  virtual bool SetParameters(const std::string& parameters);
  // True on success; false after the error message box.
  virtual bool Execute();
  // Opens a folder in the desktop's file manager.
  virtual bool OpenWithExplorer(const std::string& parameters);

  std::string Operation() const { return m_verb.value_or(""); }
  std::string File() const { return m_file.value_or(""); }
  std::string Parameters() const { return m_parameters.value_or(""); }

 private:
  int Run() const;

  std::optional<std::string> m_verb;
  std::optional<std::string> m_file;
  std::optional<std::string> m_parameters;
};

// Result codes of a shell call, numbered as the Windows shell numbers them:
// above 32 is success.
constexpr int kShellOk = 33;
constexpr int kShellOtherError = 1;
constexpr int kShellFileNotFound = 2;
constexpr int kShellNoAssociation = 31;

// The message shown for a failed shell call, with the Operation, File and
// Paramaters lines.
std::string ShellErrorText(int code, const std::string& verb, const std::string& file,
                           const std::string& parameters);
