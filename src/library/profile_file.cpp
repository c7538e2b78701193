#include "library/profile_file.h"

#include <cstdint>
#include <unordered_map>
#include <unordered_set>

#include "model/cp932.h"

namespace {

constexpr bool IsCp932TrailByte(unsigned char b) {
  return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Bytes the profile functions take for white space around names and values. None of them can
// be the second byte of a CP932 character, so trimming never splits one.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The length of the character that starts at i: two bytes for a lead byte followed by a trail
// byte, one otherwise.
std::size_t CharLength(std::string_view text, std::size_t i) {
  if (IsCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() &&
      IsCp932TrailByte(static_cast<unsigned char>(text[i + 1]))) {
    return 2;
  }
  return 1;
}

std::string_view Trim(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

bool IsBlankLine(std::string_view text) { return Trim(text).empty(); }

// The closing bracket of a header whose '[' is at open: the last ']' of the line that is a
// character of its own, not the second byte of a double-byte one.
std::size_t ClosingBracket(std::string_view text, std::size_t open) {
  std::size_t close = text.npos;
  for (std::size_t i = open + 1; i < text.size(); i += CharLength(text, i)) {
    if (text[i] == ']') close = i;
  }
  return close;
}

// True when the name ends in a lead byte that the ']' written after it would complete.
bool EndsInLoneLeadByte(std::string_view name) {
  std::size_t i = 0;
  while (i < name.size()) {
    const std::size_t length = CharLength(name, i);
    if (length == 1 && i + 1 == name.size() && IsCp932LeadByte(static_cast<unsigned char>(name[i])))
      return true;
    i += length;
  }
  return false;
}

enum class LineKind { Other, Header, Key };

// What a line (without its line end) is: a header with its name, a key line with its name and
// where its '=' is, or anything else. The one place that decides it, for the file kept as
// lines and for a file only scanned.
LineKind ClassifyLine(std::string_view text, std::string_view& name, std::size_t& eq) {
  std::size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  if (first == text.size() || text[first] == ';') return LineKind::Other;
  if (text[first] == '[') {
    const std::size_t close = ClosingBracket(text, first);
    if (close == text.npos) return LineKind::Other;
    name = Trim(text.substr(first + 1, close - first - 1));
    return LineKind::Header;
  }
  eq = text.find('=');
  if (eq == text.npos) return LineKind::Other;
  name = Trim(text.substr(0, eq));
  return name.empty() ? LineKind::Other : LineKind::Key;
}

// A key line's value: without the blanks around it and one pair of enclosing quotes.
std::string_view ValueText(std::string_view text, std::size_t eq) {
  std::string_view value = Trim(text.substr(eq + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Calls visit(text, end) for every line of the bytes, after a leading byte-order mark.
template <typename Visit>
void ForEachLine(std::string_view bytes, Visit visit) {
  if (bytes.starts_with(kBom)) bytes.remove_prefix(kBom.size());
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t lf = bytes.find('\n', start);
    if (lf == bytes.npos) {
      visit(bytes.substr(start), std::string_view());
      break;
    }
    const bool crlf = lf > start && bytes[lf - 1] == '\r';
    const std::size_t textEnd = crlf ? lf - 1 : lf;
    visit(bytes.substr(start, textEnd - start), crlf ? std::string_view("\r\n") : "\n");
    start = lf + 1;
  }
}

}  // namespace

std::vector<std::pair<std::string, std::string>> ReadSectionEntries(std::string_view bytes,
                                                                    std::string_view section) {
  const std::string folded = FoldProfileName(section);
  std::vector<std::pair<std::string, std::string>> entries;
  bool inside = false;
  ForEachLine(bytes, [&](std::string_view text, std::string_view) {
    std::string_view name;
    std::size_t eq = 0;
    const LineKind kind = ClassifyLine(text, name, eq);
    if (kind == LineKind::Header) {
      inside = FoldProfileName(name) == folded;
    } else if (kind == LineKind::Key && inside) {
      entries.emplace_back(std::string(name), ValueText(text, eq));
    }
  });
  return entries;
}

std::vector<std::pair<std::string, std::vector<std::string>>> ReadKeysBySection(
    std::string_view bytes) {
  std::vector<std::pair<std::string, std::vector<std::string>>> sections;
  std::unordered_map<std::string, std::size_t> index;
  std::size_t current = SIZE_MAX;  // keys before the first header belong to no section
  ForEachLine(bytes, [&](std::string_view text, std::string_view) {
    std::string_view name;
    std::size_t eq = 0;
    const LineKind kind = ClassifyLine(text, name, eq);
    if (kind == LineKind::Header) {
      std::string folded = FoldProfileName(name);
      const auto [at, added] = index.try_emplace(folded, sections.size());
      if (added) sections.emplace_back(std::move(folded), std::vector<std::string>{});
      current = at->second;
    } else if (kind == LineKind::Key && current != SIZE_MAX) {
      sections[current].second.emplace_back(name);
    }
  });
  return sections;
}

std::string FoldProfileName(std::string_view name) {
  const std::string_view trimmed = Trim(name);
  std::string folded(trimmed);
  for (std::size_t i = 0; i < folded.size();) {
    const std::size_t length = CharLength(folded, i);
    if (length == 1 && folded[i] >= 'A' && folded[i] <= 'Z') {
      folded[i] = static_cast<char>(folded[i] - 'A' + 'a');
    }
    i += length;
  }
  return folded;
}

ProfileFile::ProfileFile(std::string_view bytes) {
  if (bytes.starts_with(kBom)) bom_ = kBom;
  ForEachLine(bytes, [this](std::string_view text, std::string_view end) {
    lines_.push_back(ParseLine(std::string(text), std::string(end)));
  });
}

ProfileFile::Line ProfileFile::ParseLine(std::string text, std::string end) {
  Line line;
  line.text = std::move(text);
  line.end = std::move(end);
  std::string_view name;
  switch (ClassifyLine(line.text, name, line.eq)) {
    case LineKind::Other:
      return line;
    case LineKind::Header:
      line.kind = Kind::Header;
      break;
    case LineKind::Key:
      line.kind = Kind::Key;
      break;
  }
  line.name = std::string(name);
  line.folded = FoldProfileName(line.name);
  return line;
}

std::string ProfileFile::Bytes() const {
  std::size_t size = bom_.size();
  for (const Line& line : lines_) size += line.text.size() + line.end.size();
  std::string bytes = bom_;
  bytes.reserve(size);
  for (const Line& line : lines_) bytes.append(line.text).append(line.end);
  return bytes;
}

std::vector<std::size_t> ProfileFile::Headers(std::string_view folded) const {
  std::vector<std::size_t> headers;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Kind::Header && lines_[i].folded == folded) headers.push_back(i);
  }
  return headers;
}

std::size_t ProfileFile::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && lines_[i].kind != Kind::Header) ++i;
  return i;
}

std::size_t ProfileFile::FindKey(std::string_view foldedSection, std::string_view foldedKey) const {
  for (const std::size_t header : Headers(foldedSection)) {
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
      if (lines_[i].kind == Kind::Key && lines_[i].folded == foldedKey) return i;
    }
  }
  return lines_.size();
}

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key) const {
  const std::size_t at = FindKey(FoldProfileName(section), FoldProfileName(key));
  if (at == lines_.size()) return std::nullopt;
  return std::string(ValueOf(lines_[at]));
}

std::string_view ProfileFile::ValueOf(const Line& line) { return ValueText(line.text, line.eq); }

void ProfileFile::ForEachValue(const ValueVisitor& visit) const {
  const Line* header = nullptr;
  for (const Line& line : lines_) {
    if (line.kind == Kind::Header) {
      header = &line;
    } else if (line.kind == Kind::Key && header != nullptr) {
      visit(header->name, header->folded, line.name, ValueOf(line));
    }
  }
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  std::optional<std::string> value = Find(section, key);
  return value ? std::move(*value) : std::string(defaultValue);
}

std::vector<std::string> ProfileFile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  for (const std::size_t header : Headers(FoldProfileName(section))) {
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
      if (lines_[i].kind == Kind::Key) keys.push_back(lines_[i].name);
    }
  }
  return keys;
}

bool ProfileFile::HasSection(std::string_view section) const {
  return !Headers(FoldProfileName(section)).empty();
}

std::vector<std::string> ProfileFile::Sections() const {
  std::vector<std::string> names;
  std::unordered_set<std::string_view> seen;
  for (const Line& line : lines_) {
    if (line.kind == Kind::Header && seen.insert(line.folded).second) names.push_back(line.name);
  }
  return names;
}

void ProfileFile::Insert(std::size_t at, std::string text) {
  if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = "\r\n";
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                ParseLine(std::move(text), "\r\n"));
}

bool ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  const std::string_view trimmedKey = Trim(key);
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value) ||
      EndsInLoneLeadByte(section) || trimmedKey.empty() || key.find('=') != key.npos ||
      trimmedKey.front() == ';' || trimmedKey.front() == '[') {
    return false;
  }
  const std::string foldedSection = FoldProfileName(section);
  const std::size_t at = FindKey(foldedSection, FoldProfileName(key));
  if (at != lines_.size()) {
    Line& line = lines_[at];
    line.text.resize(line.eq + 1);
    line.text.append(value);
    return true;
  }
  std::string text = std::string(key) + "=" + std::string(value);
  const std::vector<std::size_t> headers = Headers(foldedSection);
  if (headers.empty()) {
    Insert(lines_.size(), "[" + std::string(section) + "]");
    Insert(lines_.size(), std::move(text));
    return true;
  }
  // After the last line of the section that is not blank, so that blank lines separating it from
  // the next section stay where they are.
  std::size_t after = headers.back();
  const std::size_t end = SectionEnd(headers.back());
  for (std::size_t i = after + 1; i < end; ++i) {
    if (!IsBlankLine(lines_[i].text)) after = i;
  }
  Insert(after + 1, std::move(text));
  return true;
}

bool ProfileFile::EraseSection(std::string_view section) {
  const std::vector<std::size_t> headers = Headers(FoldProfileName(section));
  // From the last so that earlier indexes stay valid.
  for (auto it = headers.rbegin(); it != headers.rend(); ++it) {
    const std::size_t end = SectionEnd(*it);
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*it),
                 lines_.begin() + static_cast<std::ptrdiff_t>(end));
  }
  return !headers.empty();
}
