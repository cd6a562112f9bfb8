// Where a publishing job stands, as data: each front end words it in one place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace publish {

struct Progress {
  enum class Phase {
    Waiting,  // for another job of the same user to end
    Staging,  // copying the files and writing the page
    Sending,  // the files, then the page
  };
  Phase phase = Phase::Sending;
  size_t file = 0;          // files sent so far: the 0-based index of the one under way
  size_t files = 0;         // to send, the page included
  uint64_t bytesDone = 0;   // of the files' own bytes, over the whole job
  uint64_t bytesTotal = 0;  // of every file to send and the page
  std::string name;         // the file under way as listed; the staged path for the page
};

// The share of the job's bytes sent, 0 to 100; 0 while nothing is to send.
unsigned BytesPercent(const Progress& progress);

}  // namespace publish
