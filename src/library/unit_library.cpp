#include "library/unit_library.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "storage/work_file.h"

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) { return LowerAscii(c); });
  return text;
}

// The order a file list shows names in: letters without case, then the bytes themselves.
bool NameBefore(const std::string& a, const std::string& b) {
  const std::string la = LowerAscii(a);
  const std::string lb = LowerAscii(b);
  return la != lb ? la < lb : a < b;
}

}  // namespace

std::string UnitLibraryPath(const std::string& progDirPath) {
  return progDirPath + "DATA" + static_cast<char>(std::filesystem::path::preferred_separator);
}

bool MatchesMask(const std::string& fileName, UnitMask mask) {
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string::npos || dot == 0) return false;
  const std::string extension = LowerAscii(fileName.substr(dot + 1));
  switch (mask) {
    case UnitMask::DrawingAndTest:
      return extension == "mvr" || extension == "tst";
    case UnitMask::TestOnly:
      return extension == "tst";
    case UnitMask::DrawingOnly:
      return extension == "mvr";
  }
  return false;
}

std::vector<UnitEntry> ListUnits(const std::string& folderPath, UnitMask mask) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folderPath, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = it->path().filename().string();
    if (MatchesMask(name, mask)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), NameBefore);
  const fs::path folder(folderPath);
  std::vector<UnitEntry> units;
  units.reserve(names.size());
  for (std::string& name : names) {
    std::string title = ReadUnitTitle((folder / name).string());
    units.push_back({std::move(name), std::move(title)});
  }
  return units;
}
