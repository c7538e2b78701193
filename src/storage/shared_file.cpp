#include "storage/shared_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "storage/file_access.h"
#include "storage/file_descriptor.h"

namespace {

// Reads the open regular file whole; false when it is larger than maxBytes or a read fails.
bool ReadOpenFile(int fd, const struct stat& info, std::size_t maxBytes, std::string& bytes) {
  if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > maxBytes) return false;
  std::string data;
  if (!ReadFromDescriptor(fd, maxBytes + 1, data) || data.size() > maxBytes) return false;
  bytes = std::move(data);
  return true;
}

// Opens the file (creating it empty when missing) and takes an exclusive lock on it. Another
// copy may have replaced the file while this one waited for the lock, leaving it with the lock
// of a file no longer in place; then it opens the new one and waits again. A descriptor below 0
// when the file cannot be opened or locked.
int OpenLocked(const std::string& path, struct stat& info) {
  for (;;) {
    // O_RDWR also makes the lock work on network file systems, which emulate it with a write
    // lock; O_NONBLOCK keeps a named pipe in the file's place from blocking.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    FileDescriptor opened(fd);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    int locked;
    do {
      locked = ::flock(fd, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) return -1;
    struct stat current {};
    if (::stat(path.c_str(), &current) != 0) {
      if (errno == ENOENT) continue;  // removed meanwhile: create it again
      return -1;
    }
    if (current.st_dev != info.st_dev || current.st_ino != info.st_ino) continue;
    // The lock was taken after the last replace; fstat again for the size now.
    if (::fstat(fd, &info) != 0) return -1;
    return opened.Release();
  }
}

}  // namespace

SharedReadStatus ReadSharedFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? SharedReadStatus::Missing : SharedReadStatus::Failed;
  FileDescriptor file(fd);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return SharedReadStatus::Failed;
  return ReadOpenFile(fd, info, maxBytes, bytes) ? SharedReadStatus::Ok : SharedReadStatus::Failed;
}

bool UpdateSharedFile(const std::string& path, std::size_t maxBytes,
                      const std::function<SharedChange(std::string& bytes)>& change) {
  struct stat info {};
  FileDescriptor lock(OpenLocked(path, info));
  if (lock.get() < 0) return false;
  std::string bytes;
  if (!ReadOpenFile(lock.get(), info, maxBytes, bytes)) return false;
  switch (change(bytes)) {
    case SharedChange::Nothing:
      return true;
    case SharedChange::Refuse:
      return false;
    case SharedChange::Write:
      break;
  }
  // The lock is released when the descriptor closes, after the new file is in place.
  return ReplaceFileAtomically(path, bytes);
}
