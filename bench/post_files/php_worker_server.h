// php -S answering several requests at once (PHP_CLI_SERVER_WORKERS), so that
// parallel clients are not made to take turns.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "support/upload_servers.h"

namespace benchworld {

// The server's workers outlive a SIGTERM to it, so they are ended one by one
// when the object goes.
class PhpWorkerServer {
 public:
  PhpWorkerServer(const std::string& docroot, int workers);
  ~PhpWorkerServer();
  PhpWorkerServer(const PhpWorkerServer&) = delete;
  PhpWorkerServer& operator=(const PhpWorkerServer&) = delete;

  uint16_t Port() const { return php_.port; }

 private:
  testserver::PhpServer php_;
  std::vector<pid_t> workers_;
};

}  // namespace benchworld
