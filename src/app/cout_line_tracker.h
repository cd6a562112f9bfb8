// Keeps track of whether standard output stands at the start of a line: the
// transport's trace may leave a line open (its error text goes to stderr).
#pragma once

#include <ostream>
#include <streambuf>

class CoutLineTracker : private std::streambuf {
 public:
  CoutLineTracker();    // routes std::cout through the tracker
  ~CoutLineTracker();   // and back
  CoutLineTracker(const CoutLineTracker&) = delete;
  CoutLineTracker& operator=(const CoutLineTracker&) = delete;

  // Ends an open line, so that what follows is a line of its own.
  void StartNewLine();

 private:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

  std::streambuf* target_;
  bool atLineStart_ = true;
};
