// What "wx_pub --upload" shows while the core works: the transport's trace on
// standard output and error, byte for byte as the tool has always printed it,
// and, only when standard error is a terminal, a progress meter on its last line.
#pragma once

#include <string>

#include "publish/publish.h"

namespace cli {

class ConsoleReport : public publish::PublishObserver {
 public:
  ConsoleReport(bool errIsTerminal, bool outIsTerminal);
  ~ConsoleReport() override;   // takes the meter away, prints what is held back

  void OnTrace(const std::string& text, publish::TraceStream stream) override;
  void OnProgress(const publish::Progress& progress) override;

  // Prints what is held back and ends an open line of standard output, so
  // that what follows stands on a line of its own.
  void StartNewLine();

 private:
  void WriteOut(const std::string& text);
  void Draw();
  void Erase();

  bool meter_;        // standard error is a terminal
  bool holdLines_;    // standard output shares it: only whole lines go out between meters
  // Standard output is a terminal. Otherwise it is written in blocks: a write
  // per fragment costs more than the upload of a small file when it goes to a
  // file. std::cerr, tied to std::cout, still gets both streams' text in order.
  bool flushOut_;
  bool atLineStart_ = true;
  std::string heldOut_;
  std::string shown_;  // the meter on the screen; empty when none
  publish::Progress progress_;  // of the sending; files stays 0 until it begins
};

}  // namespace cli
