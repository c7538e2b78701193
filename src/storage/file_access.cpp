#include "storage/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "storage/file_descriptor.h"

namespace {

// Opens a regular file for reading. O_NONBLOCK keeps a named pipe from blocking the open; it
// has no effect on reading a regular file.
int OpenRegularForReading(const std::string& path, struct stat& info) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(put);
  }
  return true;
}

// The process's umask, read from /proc where it can be: setting it to read it would change it
// for a moment for every thread of the program.
mode_t CurrentUmask() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "Umask:") {
      unsigned value = 0;
      if (status >> std::oct >> value) return static_cast<mode_t>(value & 0777);
      break;
    }
    std::string rest;
    std::getline(status, rest);
  }
  return 022;
}

mode_t DefaultFileMode() { return static_cast<mode_t>(0666 & ~CurrentUmask()); }

// Follows symbolic links from the path to the name they finally stand for, which need not exist
// yet (a link whose file is missing gets that file made). False on a loop, a chain too long, or
// any failure to look at a name other than its not being there: a save in doubt is no save.
bool ResolveLinks(std::filesystem::path& path) {
  constexpr int kMaxLinks = 40;
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT;
    if (!S_ISLNK(info.st_mode)) return true;
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
    if (ec || target.empty()) {
      errno = ec ? ec.value() : ENOENT;
      return false;
    }
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  errno = ELOOP;
  return false;
}

}  // namespace

bool ReadFromDescriptor(int fd, std::size_t maxBytes, std::string& out) {
  std::string data;
  char chunk[16384];
  while (data.size() < maxBytes) {
    const std::size_t want = std::min(sizeof chunk, maxBytes - data.size());
    const ssize_t got = ::read(fd, chunk, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) break;
    data.append(chunk, static_cast<std::size_t>(got));
  }
  out = std::move(data);
  return true;
}

ReadStatus ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
  struct stat info {};
  FileDescriptor fd(OpenRegularForReading(path, info));
  if (fd.get() < 0) return ReadStatus::CannotOpen;
  if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > maxBytes) {
    return ReadStatus::TooLarge;
  }
  // One byte more than allowed tells a file that grew after fstat.
  std::string data;
  if (!ReadFromDescriptor(fd.get(), maxBytes + 1, data)) return ReadStatus::CannotOpen;
  if (data.size() > maxBytes) return ReadStatus::TooLarge;
  bytes = std::move(data);
  return ReadStatus::Ok;
}

bool ReadFirstLine(const std::string& path, std::string& line, std::size_t maxBytes) {
  struct stat info {};
  FileDescriptor fd(OpenRegularForReading(path, info));
  if (fd.get() < 0) return false;
  std::string data;
  if (!ReadFromDescriptor(fd.get(), maxBytes, data)) return false;
  line = data.substr(0, data.find_first_of("\r\n"));
  return true;
}

namespace {

bool Replace(const std::string& path, const std::string& bytes, bool flush, int* error,
             bool* unconfirmed) {
  namespace fs = std::filesystem;
  // Every refusal says why, in the platform's error codes, for the message that follows it.
  const auto fail = [error](int code) {
    if (error != nullptr) *error = code;
    return false;
  };
  fs::path target(path);
  if (target.filename().empty()) return fail(EISDIR);
  // Saving through a symbolic link replaces (or makes) the file it points to, not the link.
  if (!ResolveLinks(target)) return fail(errno);
  if (target.filename().empty()) return fail(EISDIR);

  mode_t mode = DefaultFileMode();
  struct stat old {};
  bool replacing = false;
  if (::stat(target.c_str(), &old) == 0) {
    replacing = true;
    if (!S_ISREG(old.st_mode)) return fail(S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
    // Root may write anything, so a read-only file is told by its permission bits too.
    if ((old.st_mode & 0222) == 0) return fail(EACCES);
    if (::access(target.c_str(), W_OK) != 0) return fail(errno);
    mode = old.st_mode & 0777;
  } else if (errno != ENOENT) {
    return fail(errno);
  }

  const fs::path folder = target.parent_path();
  // A short fixed stem: the temporary name must fit even when the file name is long.
  std::string temp = (folder / ".mvrsave.XXXXXX").string();
  FileDescriptor fd(::mkstemp(temp.data()));
  if (fd.get() < 0) return fail(errno);
  // The new file keeps the old one's group as well as its permissions: in a folder a class
  // shares, the file must stay writable by the group after one pupil's save. A user who is no
  // member of that group cannot give it (EPERM); the file then has the user's group.
  const bool grouped =
      !replacing || ::fchown(fd.get(), static_cast<uid_t>(-1), old.st_gid) == 0 || errno == EPERM;
  const bool written = grouped && ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), bytes) &&
                       (!flush || ::fsync(fd.get()) == 0) && fd.Close();
  if (!written || ::rename(temp.c_str(), target.c_str()) != 0) {
    const int reason = errno;
    fd.Close();
    ::unlink(temp.c_str());
    return fail(reason);
  }
  // The new file is in place: from here on the save has happened, whatever follows. Making the
  // rename durable is asked for; a folder this file system cannot sync (EINVAL) is taken as it
  // is, and a failing disk (EIO) only leaves the save unconfirmed.
  if (!flush) return true;
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const bool synced = dir >= 0 && (::fsync(dir) == 0 || errno == EINVAL);
  if (dir >= 0) ::close(dir);
  if (!synced && dir >= 0 && unconfirmed != nullptr) *unconfirmed = true;
  return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes, int* error,
                           bool* unconfirmed) {
  return Replace(path, bytes, true, error, unconfirmed);
}

bool ReplaceFileUnflushed(const std::string& path, const std::string& bytes) {
  return Replace(path, bytes, false, nullptr, nullptr);
}

bool PathTaken(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

bool MakeFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0777) == 0) return true;
  struct stat info {};
  return errno == EEXIST && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
