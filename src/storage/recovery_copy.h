// A copy of the open work while it holds unsaved curves, kept in the program folder so that a
// work the program was closed on (closing asks nothing) or that it crashed with comes back at
// the next start. Each running program keeps its copy in a slot of its own, locked while it runs,
// so two programs started in one folder never take or remove each other's copy.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/line_data.h"
#include "storage/work.h"

// What a copy holds: the work's title and file name as they were shown, whether that file was
// the work's own (opened or saved), and the work's curves and lines.
struct RecoveredWork {
  std::string title;     // CP932
  std::string fileName;  // as the platform names it
  bool hasOwnFile = false;
  std::vector<TLineData> curves;
  std::vector<std::string> lines;
};

// The copy's bytes: a line telling whether the file was the work's own ("1" or "0"), the file
// name, the title, then the work's lines after its title line.
std::string RecoveryCopyBytes(const Work& work, const std::string& title,
                              const std::string& fileName, bool hasOwnFile);
// Reads such bytes back; nothing unless they hold at least one curve under the editor's rules.
std::optional<RecoveredWork> ParseRecoveryCopy(std::string_view bytes);

class RecoveryCopy {
 public:
  RecoveryCopy() = default;
  // Gives the slot up; its copy stays for the next start.
  ~RecoveryCopy();
  RecoveryCopy(const RecoveryCopy&) = delete;
  RecoveryCopy& operator=(const RecoveryCopy&) = delete;

  // Takes a free slot in the folder (a path ending in its separator), one holding a copy that an
  // ended run left if there is one. False, and nothing is ever kept, when the folder can hold no
  // copy (a read-only medium) or every slot is in use.
  bool Open(const std::string& folderPath);
  bool IsOpen() const { return lock_ >= 0; }
  // The work an ended run left in the slot taken, when the copy holds curves.
  std::optional<RecoveredWork> Left() const;
  // After each change: while the work needs saving the copy holds it, under the title and file
  // name shown; once it is saved or empty there is no copy.
  void Keep(const Work& work, const std::string& title, const std::string& fileName,
            bool hasOwnFile);
  // No copy any more (declined at start).
  void Discard();
  // Where the copy is now; empty when there is none.
  std::string Path() const { return current_ < 0 ? std::string() : paths_[current_]; }

 private:
  // The copy alternates between two names: each change is renamed to the free name and the old
  // copy removed after. Renaming over an existing file makes the file system write it out at
  // once, which would cost milliseconds at every change.
  std::string paths_[2];
  int current_ = -1;  // which name holds the copy; -1 when there is none
  int lock_ = -1;
};
