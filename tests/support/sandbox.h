// Every test process runs inside its own folder: the locations the tool uses
// (TMPDIR, HOME, XDG_CONFIG_HOME, Z_SUITE_COMMON_DOCUMENTS) all point below it,
// so no test ever touches a real home folder or the shared /tmp.
#pragma once

#include <string>

namespace sandbox {

// Root folder of this process's sandbox, without a trailing separator.
const std::string& Root();

// Root() + "/" + relative.
std::string Path(const std::string& relative);

// Small file helpers for arranging and checking test data; WriteFile gives the path.
std::string WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

}  // namespace sandbox
