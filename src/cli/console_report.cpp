#include "cli/console_report.h"

#include <iostream>
#include <utility>

#include "cli/progress_meter.h"

namespace cli {

ConsoleReport::ConsoleReport(bool errIsTerminal, bool outIsTerminal)
    : meter_(errIsTerminal), holdLines_(errIsTerminal && outIsTerminal), flushOut_(outIsTerminal) {}

ConsoleReport::~ConsoleReport() {
  Erase();
  WriteOut(std::exchange(heldOut_, ""));
}

void ConsoleReport::OnTrace(const std::string& text, publish::TraceStream stream) {
  if (stream == publish::TraceStream::Error) {
    Erase();
    WriteOut(std::exchange(heldOut_, ""));   // the screen keeps the order the lines were made in
    std::cerr << text << std::flush;
  } else if (holdLines_) {
    heldOut_ += text;
    const size_t lineEnd = heldOut_.rfind('\n');
    if (lineEnd == std::string::npos) return;
    Erase();
    WriteOut(heldOut_.substr(0, lineEnd + 1));
    heldOut_.erase(0, lineEnd + 1);
  } else {
    WriteOut(text);
  }
  Draw();
}

void ConsoleReport::OnProgress(const publish::Progress& progress) {
  if (progress.phase == publish::Progress::Phase::Waiting) {
    Erase();
    std::cerr << "wx_pub: waiting for another upload of this user to end" << std::endl;
  } else if (progress.phase == publish::Progress::Phase::Sending) {
    progress_ = progress;
    Draw();
  }
}

void ConsoleReport::StartNewLine() {
  Erase();
  WriteOut(std::exchange(heldOut_, ""));
  if (!atLineStart_) WriteOut("\n");
}

void ConsoleReport::WriteOut(const std::string& text) {
  if (text.empty()) return;
  std::cout << text;
  if (flushOut_) std::cout.flush();
  atLineStart_ = text.back() == '\n';
}

void ConsoleReport::Draw() {
  if (!meter_ || progress_.files == 0) return;
  const std::string line = MeterLine(progress_);
  if (line == shown_) return;
  std::cerr << '\r' << line << "\033[K" << std::flush;
  shown_ = line;
}

void ConsoleReport::Erase() {
  if (shown_.empty()) return;
  std::cerr << "\r\033[K" << std::flush;
  shown_.clear();
}

}  // namespace cli
