#include "storage/recovery_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "storage/file_access.h"
#include "storage/work_file_format.h"

namespace {

// Enough for every program a classroom starts in one folder at once.
constexpr int kSlots = 8;

std::string SlotName(const std::string& folder, int slot, const char* extension) {
  return folder + "~Mevrolin" + std::to_string(slot) + extension;
}

// A line of the copy cannot hold a line break: such a name is not kept (the work is then
// recovered under the default name).
std::string OneLine(const std::string& text) {
  return text.find_first_of("\r\n") == std::string::npos ? text : std::string();
}

// Which of the slot's two names holds its copy: the later written when a crash between the rename
// and the removal left both.
int CurrentCopy(const std::string (&paths)[2]) {
  struct stat info[2]{};
  const bool there[2] = {::stat(paths[0].c_str(), &info[0]) == 0,
                         ::stat(paths[1].c_str(), &info[1]) == 0};
  if (!there[0] || !there[1]) return there[0] ? 0 : there[1] ? 1 : -1;
  const auto later = [](const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
  };
  return later(info[1].st_mtim, info[0].st_mtim) ? 1 : 0;
}

}  // namespace

RecoveryCopy::~RecoveryCopy() {
  if (lock_ >= 0) ::close(lock_);
}

bool RecoveryCopy::Open(const std::string& folderPath) {
  if (lock_ >= 0) return true;
  int first = -1;
  int firstSlot = 0;
  for (int slot = 0; slot < kSlots; ++slot) {
    const int fd =
        ::open(SlotName(folderPath, slot, ".lck").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
      // A folder where no lock can be made keeps no copy at all.
      if (slot == 0) return false;
      continue;
    }
    // The lock is held until this program ends, however it ends: a slot whose lock can be taken
    // belongs to no running program.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      ::close(fd);
      continue;
    }
    const std::string paths[2] = {SlotName(folderPath, slot, "a.rcv"),
                                  SlotName(folderPath, slot, "b.rcv")};
    if (CurrentCopy(paths) >= 0 || first < 0) {
      if (first >= 0) ::close(first);
      first = fd;
      firstSlot = slot;
      if (CurrentCopy(paths) >= 0) break;
    } else {
      ::close(fd);
    }
  }
  if (first < 0) return false;
  lock_ = first;
  paths_[0] = SlotName(folderPath, firstSlot, "a.rcv");
  paths_[1] = SlotName(folderPath, firstSlot, "b.rcv");
  current_ = CurrentCopy(paths_);
  return true;
}

std::string RecoveryCopyBytes(const Work& work, const std::string& title,
                              const std::string& fileName, bool hasOwnFile) {
  const std::vector<std::string>& workLines = work.Buffer().Lines();
  std::vector<std::string> lines;
  lines.reserve(workLines.size() + 2);
  lines.push_back(hasOwnFile ? "1" : "0");
  lines.push_back(OneLine(fileName));
  lines.push_back(OneLine(title));
  if (!workLines.empty()) lines.insert(lines.end(), workLines.begin() + 1, workLines.end());
  return JoinTextLines(lines);
}

std::optional<RecoveredWork> ParseRecoveryCopy(std::string_view bytes) {
  std::vector<std::string> lines;
  if (!SplitTextLines(bytes, lines) || lines.size() < 3) return std::nullopt;
  RecoveredWork left;
  left.hasOwnFile = lines[0] == "1";
  left.fileName = lines[1];
  lines.erase(lines.begin(), lines.begin() + 2);
  left.title = lines.front();
  WorkFileParse parse = ParseWorkLines(std::move(lines));
  if (parse.error != WorkFileError::None || parse.curves.empty()) return std::nullopt;
  left.curves = std::move(parse.curves);
  left.lines = std::move(parse.lines);
  return left;
}

std::optional<RecoveredWork> RecoveryCopy::Left() const {
  std::string bytes;
  if (current_ < 0 || ReadWholeFile(Path(), bytes) != ReadStatus::Ok) return std::nullopt;
  return ParseRecoveryCopy(bytes);
}

void RecoveryCopy::Keep(const Work& work, const std::string& title, const std::string& fileName,
                        bool hasOwnFile) {
  if (lock_ < 0) return;
  if (!work.NeedSave()) {
    Discard();
    return;
  }
  // Written in full under a temporary name and renamed into place, as a save is, so a crash
  // leaves the copy of this change or of the one before; only the wait for the disk is left out,
  // which would be felt at every click.
  const int next = current_ == 0 ? 1 : 0;
  if (!ReplaceFileUnflushed(paths_[next], RecoveryCopyBytes(work, title, fileName, hasOwnFile))) {
    return;
  }
  if (current_ >= 0) ::unlink(paths_[current_].c_str());
  current_ = next;
}

void RecoveryCopy::Discard() {
  if (lock_ < 0 || current_ < 0) return;
  ::unlink(paths_[current_].c_str());
  current_ = -1;
}
