// What the upload benchmarks set up: a private world of folders and files,
// the program's upload settings, the peer curl command, and a stopwatch for
// commands.
#pragma once

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace benchworld {

// Seconds the work took.
double Seconds(const std::function<void()>& work);

// Points TMPDIR, HOME, XDG_CONFIG_HOME and Z_SUITE_COMMON_DOCUMENTS below root
// (created) and drops every proxy variable, for this process and its children.
void UseSandbox(const std::string& root);

// size random bytes at path.
void WriteRandomFile(const std::string& path, size_t size, std::mt19937& random);

// count files of size random bytes in folder, their paths in order.
std::vector<std::string> WriteRandomFiles(const std::string& folder, int count, size_t size);

// root/www holding the upload script as upload.php; its path.
std::string WriteUploadSite(const std::string& root);

// upfile.ini of the sandbox: plain HTTP to server's /upload.php, plus extraLines.
void WriteUploadSettings(const std::string& server, const std::string& extraLines = "");

// One curl process posting every file as form part file_img to url,
// options first (curl -s OPTIONS -F ... URL --next -F ... URL ...).
std::vector<std::string> CurlPosts(const std::vector<std::string>& options, const std::vector<std::string>& files,
                                   const std::string& url);

// Wall time and processor time of one command run to its end.
struct Run {
  double seconds = 0, cpu = 0;
  bool ok = false;
};
Run Measure(const std::vector<std::string>& argv, const std::string& log);

double Median(std::vector<double> values);

// Medians of the per-round ratios ours/peer; worth nothing unless ok, every run succeeded.
struct Ratios {
  double seconds = 0, cpu = 0;
  bool ok = true;
};
// Runs ours and then the peer in each of rounds rounds, printing each round.
Ratios Compare(int rounds, const std::string& peerName, const std::function<Run(int round)>& ours,
               const std::function<Run(int round)>& peer);

}  // namespace benchworld
