#include "storage/work_file_format.h"

#include <algorithm>
#include <charconv>

#include "storage/document_buffer.h"

namespace {

constexpr std::size_t kLinesPerCurve = 5;

// Reads the two numbers of a pair line; on failure records the 1-based line number.
bool ReadPair(const std::vector<std::string>& lines, std::size_t index, int32_t& left,
              int32_t& right, WorkFileParse& result) {
  const auto [l, r] = SplitPair(lines[index]);
  if (ParseInt32(l, left) && ParseInt32(r, right)) return true;
  result.error = WorkFileError::BadNumber;
  result.failedLine = static_cast<int32_t>(index + 1);
  return false;
}

// Reads `count` curves whose lines start at index `first`; the caller has checked they exist.
void ReadCurves(std::size_t first, std::size_t count, WorkFileParse& result) {
  const std::vector<std::string>& lines = result.lines;
  result.curves.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t p = first + kLinesPerCurve * i;
    TLineData line;
    int32_t style = 0;
    if (!ReadPair(lines, p, line.Color, style, result)) break;
    UnpackStyle(style, line);
    line.Shiki = lines[p + 1];
    if (!ReadPair(lines, p + 2, line.X1, line.Y1, result) ||
        !ReadPair(lines, p + 3, line.X2, line.Y2, result) ||
        !ReadPair(lines, p + 4, line.HenikiStart, line.HenikiEnd, result)) {
      break;
    }
    line.HenikiKind = 0;
    result.curves.push_back(std::move(line));
  }
  if (result.error != WorkFileError::None) result.curves.clear();
}
}  // namespace

bool SplitTextLines(std::string_view bytes, std::vector<std::string>& lines) {
  if (bytes.size() > kMaxWorkFileBytes) return false;
  if (bytes.find('\0') != std::string_view::npos) return false;
  std::vector<std::string> result;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
    if (end - pos > kMaxWorkLineBytes || result.size() == kMaxWorkLines) return false;
    result.emplace_back(bytes.substr(pos, end - pos));
    if (end == bytes.size()) break;
    pos = end + 1;
    if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
  }
  lines = std::move(result);
  return true;
}

std::string JoinTextLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::pair<std::string, std::string> SplitPair(const std::string& line) {
  const std::size_t comma = line.find(',');
  if (comma == std::string::npos) return {line, std::string()};
  return {line.substr(0, comma), line.substr(comma + 1)};
}

bool ParseInt32(std::string_view text, int32_t& value) {
  // from_chars alone would accept a number followed by anything; the whole field must match.
  if (text.empty()) return false;
  const char* begin = text.data();
  const char* end = begin + text.size();
  int32_t parsed = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, parsed, 10);
  if (ec != std::errc() || ptr != end) return false;
  value = parsed;
  return true;
}

WorkFileParse ParseWorkLines(std::vector<std::string> lines) {
  WorkFileParse result;
  result.lines = std::move(lines);
  const std::size_t count = result.lines.size();
  if (count % kLinesPerCurve != 1) {
    result.error = WorkFileError::BadStructure;
    return result;
  }
  const std::size_t n = std::min<std::size_t>(count / kLinesPerCurve, kMaxLines);
  if (n == 0) {
    result.error = WorkFileError::NoCurves;
    return result;
  }
  ReadCurves(1, n, result);
  return result;
}

WorkFileParse ParsePreviewLines(std::vector<std::string> lines) {
  WorkFileParse result;
  result.lines = std::move(lines);
  const std::size_t count = result.lines.size();
  const std::size_t header = count >= 2 && result.lines[1] == kVer4Header ? 3 : 0;
  // Only whole curves are read: the lines after the title and header, in fives.
  const std::size_t body = count > 1 + header ? count - 1 - header : 0;
  const std::size_t n = std::min<std::size_t>(body / kLinesPerCurve, kMaxLines);
  ReadCurves(1 + header, n, result);
  return result;
}

WorkFileParse ParseWorkFile(std::string_view bytes) {
  std::vector<std::string> lines;
  if (!SplitTextLines(bytes, lines)) {
    WorkFileParse result;
    result.error = WorkFileError::NotText;
    return result;
  }
  return ParseWorkLines(std::move(lines));
}

WorkFileParse ParsePreviewFile(std::string_view bytes) {
  std::vector<std::string> lines;
  if (!SplitTextLines(bytes, lines)) {
    WorkFileParse result;
    result.error = WorkFileError::NotText;
    return result;
  }
  return ParsePreviewLines(std::move(lines));
}
