#include "library/class_records.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <iterator>
#include <map>

#include "library/profile_file.h"
#include "library/records.h"
#include "model/cp932.h"
#include "model/messages.h"
#include "storage/file_access.h"
#include "storage/file_descriptor.h"
#include "storage/record_texts.h"

namespace {

// "NN分NN秒" with any number of minute digits; -1 when it is no such text.
int32_t ParseSeconds(std::string_view time) {
  const std::string& minute = Msg().MinuteMark;
  const std::string& second = Msg().SecondMark;
  const std::size_t m = time.find(minute);
  if (m == std::string_view::npos || m == 0 || m > 6) return -1;
  const std::string_view secs = time.substr(m + minute.size());
  if (secs.size() != 2 + second.size() || secs.substr(2) != second) return -1;
  int32_t minutes = 0;
  int32_t seconds = 0;
  const char* end = time.data() + m;
  if (std::from_chars(time.data(), end, minutes).ptr != end) return -1;
  if (std::from_chars(secs.data(), secs.data() + 2, seconds).ptr != secs.data() + 2) return -1;
  if (minutes < 0 || seconds < 0 || seconds > 59) return -1;
  return minutes * 60 + seconds;
}

// Opens the name inside the folder without following a link.
int OpenInside(int folder, const char* name, int flags) {
  return ::openat(folder, name, flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
}

// The pupil's Record.ini, read from the pupil's folder without following a link. A file with
// more than one name is refused as well: a hard link could show another file as the pupil's.
PupilState ReadPupilRecords(int pupilFolder, ProfileFile& file) {
  const int fd = OpenInside(pupilFolder, "Record.ini", O_RDONLY);
  if (fd < 0) return errno == ENOENT ? PupilState::NoRecordFile : PupilState::Unreadable;
  FileDescriptor open(fd);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink > 1 || info.st_size < 0 ||
      static_cast<std::size_t>(info.st_size) > kMaxRecordFileBytes) {
    return PupilState::Unreadable;
  }
  std::string bytes;
  if (!ReadFromDescriptor(fd, kMaxRecordFileBytes + 1, bytes) ||
      bytes.size() > kMaxRecordFileBytes) {
    return PupilState::Unreadable;
  }
  file = ProfileFile(bytes);
  return PupilState::Records;
}

// The pupils' entries of the class folder, by name: folders and links, never hidden ones.
std::vector<std::string> PupilNames(int classFolder) {
  std::vector<std::string> names;
  const int listed = ::dup(classFolder);
  if (listed < 0) return names;
  DIR* dir = ::fdopendir(listed);
  if (dir == nullptr) {
    ::close(listed);
    return names;
  }
  std::size_t seen = 0;
  while (const dirent* entry = ::readdir(dir)) {
    if (++seen > kMaxClassEntries) break;
    if (entry->d_name[0] == '.') continue;
    struct stat info {};
    if (::fstatat(classFolder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISDIR(info.st_mode) || S_ISLNK(info.st_mode)) names.emplace_back(entry->d_name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

RecordLine ParseRecordLine(std::string_view text) {
  RecordLine line;
  line.text = std::string(text);
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (parts.size() < 5) {
    const std::size_t space = text.find(' ', start);
    parts.push_back(text.substr(start, space - start));
    if (space == std::string_view::npos) break;
    start = space + 1;
  }
  if (parts.size() != 4) return line;
  line.seconds = ParseSeconds(parts[3]);
  if (line.seconds < 0) return line;
  line.date = std::string(parts[0]);
  line.clock = std::string(parts[1]);
  line.marks = std::string(parts[2]);
  line.parsed = true;
  return line;
}

int32_t FirstTryCount(std::string_view marks) {
  const std::string& mark = Msg().MarkFirstTry;
  int32_t count = 0;
  // Step a character at a time, so that no trail byte starts a match.
  for (std::size_t i = 0; i < marks.size();) {
    const std::size_t width = IsCp932LeadByte(static_cast<unsigned char>(marks[i])) ? 2 : 1;
    if (marks.substr(i, width) == mark) ++count;
    i += width;
  }
  return count;
}

RecordLine ClassCell::Latest() const {
  return records.empty() ? RecordLine{} : ParseRecordLine(records.back().second);
}

int32_t ClassCell::BestSeconds() const {
  int32_t best = -1;
  for (const auto& record : records) {
    const int32_t seconds = ParseRecordLine(record.second).seconds;
    if (seconds >= 0 && (best < 0 || seconds < best)) best = seconds;
  }
  return best;
}

ClassTable ReadClassFolder(const std::string& classFolderPath, const ClassProgress& progress) {
  ClassTable table;
  const int fd = ::open(classFolderPath.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return table;
  FileDescriptor classFolder(fd);
  table.folderRead = true;

  // Each pupil's records by unit, keyed by the title as sections are compared; the columns are
  // known once every pupil is read. One pass over each file, so that a file of a million
  // sections costs no more than one of a million lines.
  std::vector<std::map<std::string, std::map<int64_t, std::string>, std::less<>>> byUnit;
  std::map<std::string, std::string, std::less<>> titles;     // folded title → first spelling
  std::map<std::string, std::string, std::less<>> spellings;  // the same for the pupil read
  const std::vector<std::string> names = PupilNames(fd);
  for (const std::string& name : names) {
    ClassRow& row = table.rows.emplace_back();
    row.pupil = name;
    auto& units = byUnit.emplace_back();
    const int pupilFd = OpenInside(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
    if (pupilFd < 0) {
      row.state = PupilState::Unreadable;
    } else {
      FileDescriptor pupilFolder(pupilFd);
      ProfileFile file;
      row.state = ReadPupilRecords(pupilFd, file);
      std::size_t count = 0;
      file.ForEachValue([&](std::string_view section, std::string_view folded, std::string_view key,
                            std::string_view value) {
        int64_t number = 0;
        if (count > kMaxPupilRecords || !ParseRecordKey(key, number)) return;
        auto unit = units.find(folded);
        if (unit == units.end()) {
          unit = units.emplace(std::string(folded), std::map<int64_t, std::string>{}).first;
          spellings.emplace(folded, section);
        }
        // The first line of a key counts, as the records viewer reads it.
        if (unit->second.emplace(number, std::string(value)).second) ++count;
      });
      // More than any school's years of practice: a file made to swamp the table.
      if (count > kMaxPupilRecords || units.size() > kMaxPupilUnits) {
        row.state = PupilState::Unreadable;
        units.clear();
      }
      for (const auto& unit : units) titles.emplace(unit.first, spellings[unit.first]);
      spellings.clear();
    }
    if (progress && !progress(table.rows.size(), names.size())) break;
  }
  std::vector<std::string> folded;
  for (const auto& [key, title] : titles) {
    folded.push_back(key);
    table.units.push_back(title);
  }
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    for (const std::string& unit : folded) {
      ClassCell& cell = table.rows[r].cells.emplace_back();
      const auto found = byUnit[r].find(unit);
      if (found == byUnit[r].end()) continue;
      cell.records.assign(std::make_move_iterator(found->second.begin()),
                          std::make_move_iterator(found->second.end()));
    }
  }
  return table;
}

std::string ClassCellText(const ClassCell& cell) {
  if (cell.records.empty()) return "";
  const RecordLine latest = cell.Latest();
  std::string text = std::to_string(cell.Runs()) + Msg().RecordCountTail;
  if (!latest.parsed) return text + "?";
  return text + latest.marks + " " + Pad2(latest.seconds / 60) + Msg().MinuteMark +
         Pad2(latest.seconds % 60) + Msg().SecondMark;
}

std::vector<std::string> ClassCellLines(const ClassCell& cell) {
  if (cell.records.empty()) return {Msg().NoRecords};
  std::vector<std::string> lines;
  int64_t previous = 0;
  for (const auto& [key, value] : cell.records) {
    const int64_t gap = key - previous - 1;
    const std::size_t missing = gap > kMaxShownGap ? 1 : static_cast<std::size_t>(gap);
    if (lines.size() + missing + 1 > kMaxCellLines) {
      lines.emplace_back("...");
      break;
    }
    lines.insert(lines.end(), missing, "?");
    lines.push_back(value);
    previous = key;
  }
  return lines;
}
