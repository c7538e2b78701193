// The unit library: the work files in the folder DATA of the program folder, listed in name
// order with the unit title each holds on its first line. Names and paths are kept as the
// platform names them; titles are CP932 bytes as the files hold them.
#pragma once

#include <string>
#include <vector>

// Which files a list shows: drawing and test files ("*.mvr;*.tst"), test files only ("*.tst")
// or drawing files only ("*.mvr").
enum class UnitMask { DrawingAndTest, TestOnly, DrawingOnly };

struct UnitEntry {
  std::string fileName;  // without the folder
  std::string title;     // "？" when the file cannot be read
  friend bool operator==(const UnitEntry&, const UnitEntry&) = default;
};

// The unit library of a program folder (which ends in the platform's separator).
std::string UnitLibraryPath(const std::string& progDirPath);

// True when the file name's extension is one the mask shows (compared without case).
bool MatchesMask(const std::string& fileName, UnitMask mask);

// The regular files of the folder the mask shows, in name order (letters compared without case),
// each with its title. A folder that does not exist or cannot be read lists nothing.
std::vector<UnitEntry> ListUnits(const std::string& folderPath, UnitMask mask);
