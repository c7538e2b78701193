#include "storage/program_folder.h"

#include <filesystem>
#include <system_error>

#if defined(__linux__)
#include <sys/statfs.h>
#include <sys/statvfs.h>
#endif

std::string WithTrailingSeparator(std::string folder, char separator) {
  if (folder.empty() || folder.back() != separator) folder.push_back(separator);
  return folder;
}

std::string CurrentProgramFolder() {
  std::error_code ec;
  const std::filesystem::path cwd = std::filesystem::current_path(ec);
  return WithTrailingSeparator(ec ? std::string(".") : cwd.string(),
                               static_cast<char>(std::filesystem::path::preferred_separator));
}

bool IsOnReadOnlyMedium(const std::string& folder) {
#if defined(__linux__)
  constexpr long kIso9660Magic = 0x9660;
  constexpr long kUdfMagic = 0x15013346;
  struct statfs fs {};
  if (statfs(folder.c_str(), &fs) == 0) {
    const long type = static_cast<long>(fs.f_type);
    if (type == kIso9660Magic || type == kUdfMagic) return true;
  }
  struct statvfs vfs {};
  if (statvfs(folder.c_str(), &vfs) == 0 && (vfs.f_flag & ST_RDONLY) != 0) return true;
  return false;
#else
  (void)folder;
  return false;
#endif
}
