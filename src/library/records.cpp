#include "library/records.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <unordered_map>

#include "model/cp932.h"
#include "model/messages.h"
#include "storage/shared_file.h"

bool ParseRecordKey(std::string_view key, int64_t& number) {
  if (key.empty() || key.size() > 9 || key.front() == '0') return false;
  if (!std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), number);
  return error == std::errc() && end == key.data() + key.size() && number <= kMaxRecordKey;
}

std::string RecordFilePath(const std::string& progDirPath) { return progDirPath + "Record.ini"; }

namespace {

std::vector<int64_t> RecordNumbers(const std::vector<std::string>& names) {
  std::vector<int64_t> keys;
  for (const std::string& key : names) {
    int64_t number = 0;
    if (ParseRecordKey(key, number)) keys.push_back(number);
  }
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  return keys;
}

}  // namespace

std::vector<int64_t> RecordKeys(const ProfileFile& file, std::string_view section) {
  return RecordNumbers(file.Keys(section));
}

std::vector<int32_t> RecordCounts(std::string_view bytes,
                                  const std::vector<std::string>& sections) {
  std::unordered_map<std::string, int32_t> counts;
  for (const auto& [name, keys] : ReadKeysBySection(bytes)) {
    counts[name] = static_cast<int32_t>(RecordNumbers(keys).size());
  }
  std::vector<int32_t> result;
  for (const std::string& section : sections) {
    const auto it = counts.find(FoldProfileName(section));
    result.push_back(it == counts.end() ? 0 : it->second);
  }
  return result;
}

int32_t RecordCount(const ProfileFile& file, std::string_view section) {
  return static_cast<int32_t>(RecordKeys(file, section).size());
}

std::vector<std::string> RecordLines(const ProfileFile& file, std::string_view section) {
  return RecordLines(file.Bytes(), section);
}

std::vector<std::string> RecordLines(std::string_view bytes, std::string_view section,
                                     int32_t* count) {
  std::vector<std::pair<int64_t, std::string>> records;
  for (auto& [key, value] : ReadSectionEntries(bytes, section)) {
    int64_t number = 0;
    if (ParseRecordKey(key, number)) records.emplace_back(number, std::move(value));
  }
  // Stable, so that of a key written twice the first line counts, as a lookup of it finds.
  std::stable_sort(records.begin(), records.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> lines;
  int64_t previous = 0;
  int64_t gapLinesLeft = kMaxShownGap;
  for (auto& [key, value] : records) {
    if (key == previous) continue;
    const int64_t gap = key - previous - 1;
    if (gap > 0 && gapLinesLeft > 0) {
      const int64_t shown = gap <= gapLinesLeft ? gap : 1;
      lines.insert(lines.end(), static_cast<std::size_t>(shown), "?");
      gapLinesLeft -= shown;
    }
    lines.push_back(std::move(value));
    previous = key;
    if (count != nullptr) ++*count;
  }
  return lines;
}

bool ReadRecordBytes(const std::string& progDirPath, std::string& bytes) {
  std::string read;
  const SharedReadStatus status =
      ReadSharedFile(RecordFilePath(progDirPath), read, kMaxRecordFileBytes);
  bytes = status == SharedReadStatus::Ok ? std::move(read) : std::string();
  return status != SharedReadStatus::Failed;
}

bool ReadRecordFile(const std::string& progDirPath, ProfileFile& file) {
  std::string bytes;
  const bool read = ReadRecordBytes(progDirPath, bytes);
  file = ProfileFile(bytes);
  return read;
}

namespace {

// One above the largest key, or where that does not fit, one above the largest key that has a
// free key fitting after it; 0 when every key is taken.
int64_t NextRecordKey(const std::vector<int64_t>& keys) {
  if (keys.empty()) return 1;
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
    const int64_t next = *it + 1;
    if (next <= kMaxRecordKey && !std::binary_search(keys.begin(), keys.end(), next)) return next;
  }
  return keys.front() > 1 ? 1 : 0;
}

}  // namespace

bool WriteRecord(const std::string& progDirPath, const std::string& section,
                 const std::string& value, int* error) {
  return UpdateSharedFile(
      RecordFilePath(progDirPath), kMaxRecordFileBytes,
      [&](std::string& bytes) {
        ProfileFile file(bytes);
        const int64_t next = NextRecordKey(RecordKeys(file, section));
        if (next == 0) return SharedChange::Refuse;
        const std::string key = std::to_string(next);
        // The next key is free among the record keys, so it cannot be taken; checked all the
        // same, because a record must never replace another.
        if (file.Find(section, key) || !file.WriteString(section, key, value)) {
          return SharedChange::Refuse;
        }
        bytes = file.Bytes();
        return SharedChange::Write;
      },
      error);
}

bool RecordRun(const std::string& progDirPath, const std::string& section, const std::string& value,
               Prompter& prompter) {
  int error = 0;
  if (WriteRecord(progDirPath, section, value, &error)) return true;
  // Why, in the system's words (a full disk, a read-only folder, a file another program
  // holds), so that the teacher knows what to mend.
  const std::string reason = error != 0 ? ToCp932(std::strerror(error)) + "\r\n" : std::string();
  prompter.Message(Msg().RecordWriteFailed + reason + Msg().RecordNoteDown + section + "\r\n" +
                   value);
  return false;
}

bool EraseRecords(const std::string& progDirPath, const std::vector<std::string>& sections,
                  int* error) {
  return UpdateSharedFile(
      RecordFilePath(progDirPath), kMaxRecordFileBytes,
      [&](std::string& bytes) {
        ProfileFile file(bytes);
        bool erased = false;
        for (const std::string& section : sections) {
          erased = file.EraseSection(section) || erased;
        }
        if (!erased) return SharedChange::Nothing;
        bytes = file.Bytes();
        return SharedChange::Write;
      },
      error);
}
