// WriteIndexPage on staging folders of 1,000 and 10,000 files (a tenth of them
// images) against `tree -H . -o index.html` on the same folders, the listing
// page a user would otherwise make. Prints ratios only.
//
// Runs inside ./pages-bench-work (the temporary, documents and config
// locations are redirected there), which it removes at the end.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "publish/page_file.h"
#include "suite/folders.h"

namespace fs = std::filesystem;

namespace {

double MedianSeconds(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void Redirect(const fs::path& work) {
  for (const char* sub : {"tmp", "home", "config", "documents"})
    fs::create_directories(work / sub);
  ::setenv("TMPDIR", (work / "tmp/").c_str(), 1);
  ::setenv("HOME", (work / "home").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (work / "config").c_str(), 1);
  ::setenv("Z_SUITE_COMMON_DOCUMENTS", (work / "documents").c_str(), 1);
  for (const char* name : {"TMP", "TEMP", "XDG_DOCUMENTS_DIR"})
    ::unsetenv(name);
}

std::string MakeFolder(int files) {
  const std::string folder = suite::GetProgramTempFolder() + "bench/" + std::to_string(files);
  fs::create_directories(folder);
  for (int i = 0; i < files; ++i) {
    const std::string name = "file_" + std::to_string(i) + (i % 10 == 0 ? ".png" : ".txt");
    std::ofstream(folder + "/" + name) << "content " << i << "\n";
  }
  return folder;
}

struct Times {
  double page = 0;
  double tree = 0;
};

Times Measure(int files, const fs::path& work) {
  const std::string folder = MakeFolder(files);
  const std::string page = folder + "/index.htm";
  const std::string treeOut = (work / ("tree_" + std::to_string(files) + ".html")).string();
  const int runs = files > 5000 ? 5 : 9;
  Times times;
  times.page = MedianSeconds(runs, [&] {
    fs::remove(page);
    if (!publish::WriteIndexPage(folder, "index.htm", {}).empty())
      std::fprintf(stderr, "page not written: %s\n", page.c_str());
  });
  fs::remove(page);
  const std::string command = "cd '" + folder + "' && tree -H . -o '" + treeOut + "'";
  times.tree = MedianSeconds(runs, [&] {
    if (std::system(command.c_str()) != 0)
      std::fprintf(stderr, "tree failed\n");
  });
  return times;
}

}  // namespace

int main() {
  if (std::system("command -v tree >/dev/null") != 0) {
    std::fprintf(stderr, "tree is not installed (tools/deps.sh)\n");
    return 1;
  }
  const fs::path work = fs::absolute("pages-bench-work");
  fs::remove_all(work);
  Redirect(work);
  fs::create_directories(suite::GetSettingsFolder());

  std::map<int, Times> results;
  for (int files : {1000, 10000}) {
    results[files] = Measure(files, work);
    std::printf("%6d files: WriteIndexPage / tree = %.2f\n", files, results[files].page / results[files].tree);
  }
  std::printf("growth 1,000 -> 10,000 files (10 = linear): WriteIndexPage %.1f, tree %.1f\n",
              results[10000].page / results[1000].page, results[10000].tree / results[1000].tree);
  fs::remove_all(work);
  return 0;
}
