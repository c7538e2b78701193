// Feeds arbitrary bytes to the profile-file parser and makes one write and one erasure. The
// input is "section NUL key NUL value NUL file bytes" (without three NULs it is all file).
// Besides crashes and sanitizer reports it checks that the file gives back its bytes, that a
// value written reads back, that a write changes only the lines it must and no other key's
// value, and that an erased section is gone with the rest kept.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "library/profile_file.h"
#include "library/records.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The lines of a file with their ends, split here rather than by the code under test; a leading
// UTF-8 byte-order mark stands before them and is no part of them.
std::vector<std::string_view> LinesOf(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    const std::size_t length = lf == bytes.npos ? bytes.size() : lf + 1;
    lines.push_back(bytes.substr(0, length));
    bytes.remove_prefix(length);
  }
  return lines;
}

// The value a profile reader gives back for what was written: without the white space around
// it and without one pair of enclosing quotes.
std::string ReadBack(std::string_view value) {
  const std::string_view blanks = " \t\r\v\f";
  const std::size_t begin = value.find_first_not_of(blanks);
  if (begin == value.npos) return std::string();
  value = value.substr(begin, value.find_last_not_of(blanks) - begin + 1);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

// Every key of the first few sections with its value.
std::vector<std::pair<std::string, std::string>> SomeEntries(const ProfileFile& file) {
  std::vector<std::pair<std::string, std::string>> entries;
  std::size_t sections = 0;
  for (const std::string& section : file.Sections()) {
    if (++sections > 8) break;
    std::size_t keys = 0;
    for (const std::string& key : file.Keys(section)) {
      if (++keys > 16) break;
      const std::optional<std::string> value = file.Find(section, key);
      Check(value.has_value());
      entries.emplace_back(section + '\n' + key, *value);
    }
    // The record views of any section stay within their bounds.
    const std::vector<int64_t> records = RecordKeys(file, section);
    Check(static_cast<std::size_t>(RecordCount(file, section)) == records.size());
    // Every record once, and at most kMaxShownGap gap lines in all.
    int32_t count = 0;
    const std::vector<std::string> lines = RecordLines(file.Bytes(), section, &count);
    Check(static_cast<std::size_t>(count) == records.size());
    Check(lines.size() <= records.size() + static_cast<std::size_t>(kMaxShownGap));
    Check(RecordCounts(file.Bytes(), {section}) == std::vector<int32_t>{count});
  }
  return entries;
}

void CheckWrite(const std::string& bytes, const std::string& section, const std::string& key,
                const std::string& value) {
  ProfileFile file(bytes);
  const auto before = SomeEntries(file);
  if (!file.WriteString(section, key, value)) {
    Check(file.Bytes() == bytes);
    return;
  }
  const std::string written = file.Bytes();
  const ProfileFile again(written);
  Check(again.Bytes() == written);
  Check(again.Find(section, key) == ReadBack(value));

  // A byte-order mark is kept as it was.
  Check(std::string_view(bytes).starts_with(kByteOrderMark) ==
        std::string_view(written).starts_with(kByteOrderMark));
  // Only the key's own line changes, or one or two lines come in (the header of a new section
  // and the key); a last line without a line end gains one.
  const std::vector<std::string_view> oldLines = LinesOf(bytes);
  const std::vector<std::string_view> newLines = LinesOf(written);
  std::size_t prefix = 0;
  while (prefix < oldLines.size() && prefix < newLines.size() &&
         oldLines[prefix] == newLines[prefix]) {
    ++prefix;
  }
  std::size_t suffix = 0;
  while (suffix < oldLines.size() - prefix && suffix < newLines.size() - prefix &&
         oldLines[oldLines.size() - 1 - suffix] == newLines[newLines.size() - 1 - suffix]) {
    ++suffix;
  }
  const std::size_t oldMiddle = oldLines.size() - prefix - suffix;
  const std::size_t newMiddle = newLines.size() - prefix - suffix;
  Check(oldMiddle <= 1 && newMiddle >= oldMiddle && newMiddle <= 3);
  if (oldMiddle == 1) {
    const std::string_view was = oldLines[prefix];
    const std::string_view now = newLines[prefix];
    const bool endAdded = !was.ends_with('\n') && now.size() == was.size() + 2 &&
                          now.starts_with(was) && now.ends_with("\r\n");
    const std::size_t eq = was.find('=');
    const bool replaced =
        newMiddle == 1 && eq != was.npos && now.substr(0, eq + 1) == was.substr(0, eq + 1);
    Check(endAdded || replaced);
  }

  // Every other key keeps its value.
  const std::string writtenName = FoldProfileName(section) + '\n' + FoldProfileName(key);
  for (const auto& [name, old] : before) {
    const std::size_t split = name.find('\n');
    const std::string s = name.substr(0, split);
    const std::string k = name.substr(split + 1);
    if (FoldProfileName(s) + '\n' + FoldProfileName(k) == writtenName) continue;
    Check(again.Find(s, k) == old);
  }
}

void CheckErase(const std::string& bytes, const std::string& section) {
  ProfileFile file(bytes);
  std::vector<std::string> kept;
  for (const std::string& name : file.Sections()) {
    if (FoldProfileName(name) != FoldProfileName(section)) kept.push_back(name);
  }
  const bool had = file.HasSection(section);
  Check(file.EraseSection(section) == had);
  const ProfileFile again(file.Bytes());
  Check(!again.HasSection(section));
  Check(again.Sections() == kept);
  if (!had) Check(file.Bytes() == bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const ProfileFile parsed(input);
  Check(parsed.Bytes() == input);

  std::vector<std::string> parts;
  std::size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    const std::size_t nul = input.find('\0', start);
    if (nul == input.npos) break;
    parts.push_back(input.substr(start, nul - start));
    start = nul + 1;
  }
  if (parts.size() < 3) {
    // All file: write into its first section and first key, which exist.
    const std::vector<std::string> sections = parsed.Sections();
    const std::string section = sections.empty() ? "S" : sections.front();
    const std::vector<std::string> keys = parsed.Keys(section);
    CheckWrite(input, section, keys.empty() ? "1" : keys.front(), "value");
    CheckErase(input, section);
    return 0;
  }
  const std::string bytes = input.substr(start);
  CheckWrite(bytes, parts[0], parts[1], parts[2]);
  CheckErase(bytes, parts[0]);
  return 0;
}
