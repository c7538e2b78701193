#include "storage/help_file.h"

#include <charconv>
#include <fstream>
#include <iterator>

namespace {

constexpr std::string_view kTopicMark = "#topic ";
// A help file is a few pages of text; anything far larger is not one.
constexpr std::streamoff kMaxHelpBytes = 4 * 1024 * 1024;

}  // namespace

std::map<int32_t, HelpTopic> ParseHelpFile(std::string_view bytes) {
  std::map<int32_t, HelpTopic> topics;
  HelpTopic* current = nullptr;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = bytes.substr(pos, end - pos);
    pos = end;
    if (pos < bytes.size()) {
      // CR LF, LF or CR ends a line.
      pos += (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ? 2 : 1;
    }
    if (line.substr(0, kTopicMark.size()) == kTopicMark) {
      const std::string_view rest = line.substr(kTopicMark.size());
      int32_t number = 0;
      const auto [ptr, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
      if (ec == std::errc()) {
        std::string_view title(ptr, static_cast<std::size_t>(rest.data() + rest.size() - ptr));
        while (!title.empty() && title.front() == ' ') title.remove_prefix(1);
        current = &topics[number];
        current->title = std::string(title);
        current->text.clear();
        continue;
      }
    }
    if (current != nullptr) {
      current->text.append(line);
      current->text.push_back('\n');
    }
  }
  return topics;
}

std::optional<std::map<int32_t, HelpTopic>> LoadHelpFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0 || size > kMaxHelpBytes) return std::nullopt;
  in.seekg(0);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!in.read(bytes.data(), size)) return std::nullopt;
  auto topics = ParseHelpFile(bytes);
  if (topics.empty()) return std::nullopt;
  return topics;
}
