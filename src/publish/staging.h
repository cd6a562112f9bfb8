// The staging folder of one upload job: a fresh folder named by the time of
// day, holding a flat copy of every listed file under its staged name.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace publish {

// dayFolder + "%H%M%S", created. When a folder of that name exists already (a
// job started in the same second), a fresh sibling "%H%M%S_2", "_3"... is made
// instead, so no job ever lists another job's files. Empty when none can be made.
std::string MakeStagingFolder(const std::string& dayFolder);

struct StagedFiles {
  std::map<std::string, std::string> listedOf;  // staged path -> the listed file copied there
  std::vector<std::string> failed;              // listed files that exist but could not be copied
};

// Copies every existing listed file whole into the folder, under its file
// name (its 7-bit form when sevenBit is on); missing entries and folders are
// skipped. A later file overwrites an earlier one of the same file name;
// different names whose 7-bit forms coincide become "name_2.ext" and so on.
// The listed files that exist but could not be copied whole are in failed;
// no part of them is left in the folder.
StagedFiles StageFiles(const std::vector<std::string>& files, const std::string& folder, bool sevenBit);

// Moves a staged "index.htm" or "index.html" (exact case) to pageName,
// replacing what is there. Returns the staged path of the page that now
// stands at pageName; empty when there was none.
std::string AdoptIndexPage(const std::string& folder, const std::string& pageName);

}  // namespace publish
