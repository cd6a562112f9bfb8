// What both upload benchmarks set up: a private world of folders and files,
// and a stopwatch.
#pragma once

#include <functional>
#include <random>
#include <string>

namespace benchworld {

// Seconds the work took.
double Seconds(const std::function<void()>& work);

// Points TMPDIR, HOME, XDG_CONFIG_HOME and Z_SUITE_COMMON_DOCUMENTS below root
// (created) and drops every proxy variable, for this process and its children.
void UseSandbox(const std::string& root);

// size random bytes at path.
void WriteRandomFile(const std::string& path, size_t size, std::mt19937& random);

}  // namespace benchworld
