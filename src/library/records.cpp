#include "library/records.h"

#include <algorithm>
#include <charconv>

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

std::vector<int64_t> RecordKeys(const ProfileFile& file, std::string_view section) {
  std::vector<int64_t> keys;
  for (const std::string& key : file.Keys(section)) {
    int64_t number = 0;
    if (ParseRecordKey(key, number)) keys.push_back(number);
  }
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  return keys;
}

int32_t RecordCount(const ProfileFile& file, std::string_view section) {
  return static_cast<int32_t>(RecordKeys(file, section).size());
}

std::vector<std::string> RecordLines(const ProfileFile& file, std::string_view section) {
  std::vector<std::string> lines;
  int64_t previous = 0;
  for (const int64_t key : RecordKeys(file, section)) {
    const int64_t gap = key - previous - 1;
    if (gap > kMaxShownGap) {
      lines.emplace_back("?");
    } else {
      lines.insert(lines.end(), static_cast<std::size_t>(gap), "?");
    }
    lines.push_back(file.ReadString(section, std::to_string(key), "?"));
    previous = key;
  }
  return lines;
}

bool ReadRecordFile(const std::string& progDirPath, ProfileFile& file) {
  std::string bytes;
  switch (ReadSharedFile(RecordFilePath(progDirPath), bytes, kMaxRecordFileBytes)) {
    case SharedReadStatus::Ok:
      file = ProfileFile(bytes);
      return true;
    case SharedReadStatus::Missing:
      file = ProfileFile();
      return true;
    case SharedReadStatus::Failed:
      break;
  }
  file = ProfileFile();
  return false;
}

bool WriteRecord(const std::string& progDirPath, const std::string& section,
                 const std::string& value) {
  return UpdateSharedFile(RecordFilePath(progDirPath), kMaxRecordFileBytes,
                          [&](std::string& bytes) {
                            ProfileFile file(bytes);
                            const std::vector<int64_t> keys = RecordKeys(file, section);
                            const int64_t next = keys.empty() ? 1 : keys.back() + 1;
                            if (next > kMaxRecordKey) return SharedChange::Refuse;
                            const std::string key = std::to_string(next);
                            // The next key is above every record key, so it cannot be taken;
                            // checked all the same, because a record must never replace another.
                            if (file.Find(section, key) || !file.WriteString(section, key, value)) {
                              return SharedChange::Refuse;
                            }
                            bytes = file.Bytes();
                            return SharedChange::Write;
                          });
}

bool RecordRun(const std::string& progDirPath, const std::string& section, const std::string& value,
               Prompter& prompter) {
  if (WriteRecord(progDirPath, section, value)) return true;
  prompter.Message(Msg().RecordWriteFailed + section + "\r\n" + value);
  return false;
}

bool EraseRecords(const std::string& progDirPath, const std::vector<std::string>& sections) {
  return UpdateSharedFile(RecordFilePath(progDirPath), kMaxRecordFileBytes,
                          [&](std::string& bytes) {
                            ProfileFile file(bytes);
                            bool erased = false;
                            for (const std::string& section : sections) {
                              erased = file.EraseSection(section) || erased;
                            }
                            if (!erased) return SharedChange::Nothing;
                            bytes = file.Bytes();
                            return SharedChange::Write;
                          });
}
