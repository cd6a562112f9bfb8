// Builds and saves a page-like tree with many table cells and compares the
// time with writing the same number of bytes with one fwrite (the floor).
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "html/element.h"
#include "html/writer.h"

namespace {

constexpr int kCellsPerRow = 4;
constexpr int kRuns = 7;

std::string FileName(int index) {
  // Every third name is Japanese, as names of uploaded photos often are.
  const std::string number = std::to_string(100000 + index);
  return (index % 3 == 0 ? "写真_" : "IMG_") + number + ".jpg";
}

html::Element Cell(int index) {
  const std::string name = FileName(index);
  const std::string thumb = "/z_Suite/thumb/" + name;
  if (index % 2 == 0) return html::TdImageWithCaption("data_br", thumb, name, name);
  return html::TdImageAndLink("data_ia", thumb, name, name);
}

html::Element BuildPage(int cells) {
  html::Element head("head");
  head.AddElement(html::Title("upload"));
  head.AddElement(html::ScriptSrc("/js/jquery-1.9.1.min.js"));
  head.AddElement(html::Stylesheet("/js/jquery.bxslider.css"));
  html::Element table("table");
  for (int first = 0; first < cells; first += kCellsPerRow) {
    html::Element row("tr");
    for (int i = first; i < std::min(cells, first + kCellsPerRow); ++i) row.AddElement(Cell(i));
    table.AddElement(std::move(row));
  }
  html::Element center = html::DivCenter();
  center.AddElement(std::move(table));
  html::Element body("body");
  body.AddElement(std::move(center));
  body.AddElement(html::Element("hr"));
  body.AddElement(html::DivRight("2026/12/06 12:00:00"));
  html::Element page = html::Html();
  page.AddElement(std::move(head));
  page.AddElement(std::move(body));
  return page;
}

// Processor time of this process (user and system): other programs on a
// shared machine stretch the wall-clock time of the candidates unevenly.
double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double Seconds(const std::function<void()>& run) {
  const double start = CpuSeconds();
  run();
  return CpuSeconds() - start;
}

void WriteWithOneFwrite(const std::string& path, const std::string& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

struct Result {
  double buildAndSave = 0;
  double saveOnly = 0;
  double floor = 0;
  uintmax_t bytes = 0;
};

// The machine is shared: runs alternate between the candidates so that a busy
// moment hits all of them, and the best run of each counts.
Result Measure(int cells, const std::string& folder) {
  const std::string path = folder + "/index.htm";
  const html::Element page = BuildPage(cells);
  html::SavePage(page, path);
  Result result;
  result.bytes = std::filesystem::file_size(path);
  const std::string bytes(result.bytes, 'x');
  result.buildAndSave = result.saveOnly = result.floor = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    result.floor = std::min(result.floor, Seconds([&] { WriteWithOneFwrite(folder + "/floor.htm", bytes); }));
    result.saveOnly = std::min(result.saveOnly, Seconds([&] { html::SavePage(page, path); }));
    result.buildAndSave =
        std::min(result.buildAndSave, Seconds([&] { html::SavePage(BuildPage(cells), path); }));
  }
  return result;
}

void Report(int cells, const Result& r) {
  std::printf("%d cells, %ju bytes: build+save %.2fx floor, save only %.2fx floor\n", cells, r.bytes,
              r.buildAndSave / r.floor, r.saveOnly / r.floor);
}

}  // namespace

int main() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("wx_pub_bench_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const Result small = Measure(100000, folder.string());
  const Result large = Measure(200000, folder.string());
  std::filesystem::remove_all(folder);
  Report(100000, small);
  Report(200000, large);
  std::printf("200000 / 100000 cells: build+save %.2f, save only %.2f\n", large.buildAndSave / small.buildAndSave,
              large.saveOnly / small.saveOnly);
  return 0;
}
