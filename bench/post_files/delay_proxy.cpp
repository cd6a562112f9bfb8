#include "delay_proxy.h"

#include <chrono>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace benchworld {

DelayProxy::DelayProxy(uint16_t target, const std::string& logPath) {
  process = std::make_unique<testserver::ChildProcess>(
      std::vector<std::string>{"python3", WXPUB_SOURCE_DIR "/bench/post_files/delay_proxy.py", "0",
                               std::to_string(target), "25", "1800"},
      logPath);
  // Its first line is the port it took, written once it listens.
  for (int wait = 0; wait < 500 && port == 0 && process->Running(); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    unsigned listening = 0;
    if (std::ifstream(logPath) >> listening) port = static_cast<uint16_t>(listening);
  }
  if (port == 0) throw std::runtime_error("delay proxy did not start, see " + logPath);
}

}  // namespace benchworld
