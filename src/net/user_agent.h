// The agent texts that name this client in every HTTP request: the upload
// agent (each upload attempt) and the download agent.
//
// The layouts are kept character for character with this platform's values:
// the system part names "Linux" and V is the kernel release; " WOW64 " marks
// a 32-bit process on a 64-bit kernel; the build constants become the kernel
// headers the program was built for (" Linux " + hex major/minor), the HTTP
// class library libcurl (" curl " + hex major/minor) and the compiler
// (" GCC " + major.minor).
#pragma once

#include <string>

namespace net {

// Everything both strings are made of, gathered from the system.
struct AgentParts {
  std::string resourceName;   // "OriginalFilename" as the reader in use gives it
  std::string fileName;       // file name of the running program file
  std::string fileVersion;    // "FileVersion" as the reader in use gives it
  std::string systemVersion;  // V
  bool wow64 = false;
  std::string userName;
};

// Both are built on the first call, then kept for the whole process.
const std::string& UploadAgent();
const std::string& DownloadAgent();

// The two layouts on given parts.
std::string UploadAgentLayout(const AgentParts& parts);
std::string DownloadAgentLayout(const AgentParts& parts);

// Fixed-point with the given decimals, trailing zeros and a bare point dropped
// (10.0 -> "10", 19.16 -> "19.16"); above 1e50 in scientific notation.
std::string FixedTrimmed(double number, int decimals);

// "1, 2, 3, 4" -> 1.234: digits kept, the first '.' or ',' is the point, later
// ones and blanks dropped, any other character kept, then read as a number.
double FileVersionNumber(const std::string& fileVersion);

}  // namespace net
