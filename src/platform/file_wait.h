// Opening settings files that another program may hold open: the open is
// retried every 100 ms for up to "Wait_MaxCount_sec" seconds (registry, under
// the family key + "\FileWait"; default 10) while it fails for sharing, and a
// waiting notice counts the tries.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

// nullptr when the path is empty or the file cannot be opened ("rb").
FILE* FileWaitOpenRead(const std::string& path);
// The same for writing ("wb").
FILE* FileWaitOpenWrite(const std::string& path);

// Replaces the open call (fopen; a failure leaves its cause in errno), so that
// a file held by another program can be played; empty restores fopen.
void SetFileWaitOpener(std::function<FILE*(const std::string& path, const char* mode)> opener);
