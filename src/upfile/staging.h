// The staging folder of one upload job: a fresh folder named by the time of
// day, holding a flat copy of every listed file under its staged name.
#pragma once

#include <string>
#include <vector>

// dayFolder + "%H%M%S", created. When a folder of that name exists already (a
// job started in the same second), a fresh sibling "%H%M%S_2", "_3"... is made
// instead, so no job ever lists another job's files. Empty when none can be made.
std::string MakeStagingFolder(const std::string& dayFolder);

// The file name of the path, in its 7-bit form when sevenBit is on.
std::string StagedName(const std::string& path, bool sevenBit);

// Copies every existing listed file into the folder; missing entries and
// folders are skipped, later files overwrite earlier ones of the same staged
// name. Returns the listed files that exist but could not be copied.
std::vector<std::string> StageFiles(const std::vector<std::string>& files, const std::string& folder,
                                    bool sevenBit);

// Moves a staged "index.htm" or "index.html" (exact case) to pageName,
// replacing what is there. True when the user's page now stands at pageName.
bool AdoptIndexPage(const std::string& folder, const std::string& pageName);
