#include "app/cout_line_tracker.h"

#include <iostream>

CoutLineTracker::CoutLineTracker() : target_(std::cout.rdbuf(this)) {}

CoutLineTracker::~CoutLineTracker() { std::cout.rdbuf(target_); }

void CoutLineTracker::StartNewLine() {
  if (!atLineStart_) std::cout << '\n';
}

CoutLineTracker::int_type CoutLineTracker::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  atLineStart_ = traits_type::to_char_type(c) == '\n';
  return target_->sputc(traits_type::to_char_type(c));
}

std::streamsize CoutLineTracker::xsputn(const char* text, std::streamsize count) {
  if (count > 0) atLineStart_ = text[count - 1] == '\n';
  return target_->sputn(text, count);
}

int CoutLineTracker::sync() { return target_->pubsync(); }
