// The staging folder of one upload job: a fresh folder named by the time of
// day, holding a flat copy of every listed file under its staged name.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "publish/job_check.h"

namespace publish {

// dayFolder + "%H%M%S", created. When a folder of that name exists already (a
// job started in the same second), a fresh sibling "%H%M%S_2", "_3"... is made
// instead, so no job ever lists another job's files. Beside it, "<folder>.pid"
// names the process that owns it. Empty when none can be made.
std::string MakeStagingFolder(const std::string& dayFolder);

// The owner mark of a staging folder.
std::string OwnerMarkOf(const std::string& stagingFolder);

// Removes the staged files, the folder and its owner mark now.
void RemoveStagingFolder(const std::string& stagingFolder);

// Removes the staging folders, in the day folders below workRoot, whose
// owning process no longer runs (it was killed, say).
void RemoveAbandonedStaging(const std::string& workRoot);

struct StagedFiles {
  std::map<std::string, std::string> listedOf;  // staged path -> the listed file copied there
  std::vector<std::string> failed;              // listed files that could not be copied whole
  std::vector<std::string> changed;             // listed files that changed or went while copied
};

// Copies every checked file whole into the folder, under its file name (its
// 7-bit form when sevenBit is on). A later file overwrites an earlier one of
// the same file name; different names whose 7-bit forms coincide become
// "name_2.ext" and so on. No part of a failed copy is left in the folder; a
// copy whose source no longer matches its check is removed again.
StagedFiles StageFiles(const std::vector<CheckedFile>& files, const std::string& folder, bool sevenBit);

// Moves a staged "index.htm" or "index.html" (exact case) to pageName,
// replacing what is there. Returns the staged path of the page that now
// stands at pageName; empty when there was none.
std::string AdoptIndexPage(const std::string& folder, const std::string& pageName);

}  // namespace publish
