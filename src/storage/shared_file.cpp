#include "storage/shared_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include "storage/file_access.h"
#include "storage/file_descriptor.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

// Reads the open regular file whole; an errno value when it is larger than maxBytes or a read
// fails, 0 when read.
int ReadOpenFile(int fd, const struct stat& info, std::size_t maxBytes, std::string& bytes) {
  if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > maxBytes) return EFBIG;
  std::string data;
  if (::lseek(fd, 0, SEEK_SET) != 0 || !ReadFromDescriptor(fd, maxBytes + 1, data)) return errno;
  if (data.size() > maxBytes) return EFBIG;
  bytes = std::move(data);
  return 0;
}

// Takes a lock of the type on the whole file, trying again until the deadline; 0 when taken,
// else an errno value (EBUSY when another program held it all the while).
//
// These are POSIX record locks (fcntl), not flock: NFS carries them to the server and the SMB
// client to the share, so copies of the program on different machines of a class exclude each
// other as copies on one machine do. They are polled rather than waited for, so that a lock
// another program never gives up costs a bounded wait, not a frozen window. They belong to
// the process, and closing any descriptor of the file lets them go: while a change holds the
// lock nothing else of this program opens the file.
int LockWholeFile(int fd, short type, SteadyClock::time_point deadline) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = 0;
  std::chrono::milliseconds pause{1};
  for (;;) {
    if (::fcntl(fd, F_SETLK, &lock) == 0) return 0;
    if (errno == EINTR) continue;
    if (errno != EACCES && errno != EAGAIN) return errno;
    if (SteadyClock::now() >= deadline) return EBUSY;
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::milliseconds{8});
  }
}

std::filesystem::path FolderOf(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

// The group and permissions a file written into the folder gets: those it has, and when the
// folder lets its group write (a class folder, usually setgid so that new files take its
// group) the same group with read and write, so that every pupil of the group can add records
// after the first. Never more than the folder gives: others gain nothing.
struct Access {
  gid_t group;
  mode_t mode;
};
Access SharedAccess(const struct stat& file, const std::filesystem::path& folder) {
  Access access{file.st_gid, static_cast<mode_t>(file.st_mode & 0777)};
  struct stat dir {};
  if (::stat(folder.c_str(), &dir) == 0 && (dir.st_mode & S_IWGRP) != 0) {
    access.group = dir.st_gid;
    access.mode |= S_IRGRP | S_IWGRP;
  }
  return access;
}

// Gives the open file (of the group it has now) the access. A group the user is no member of
// cannot be given (EPERM); the file then gets the permissions to keep instead.
bool GiveAccess(int fd, gid_t group, mode_t keep, const Access& access) {
  if (access.group != group && ::fchown(fd, static_cast<uid_t>(-1), access.group) != 0) {
    return errno == EPERM && ::fchmod(fd, keep) == 0;
  }
  return ::fchmod(fd, access.mode) == 0;
}

// Opens the file and takes the write lock on it. Another copy may have replaced the file while
// this one waited, leaving it with the lock of a file no longer in place; then it opens the new
// one and waits again. A missing file is made (created is then true), open to the folder's
// group as a shared file is. A descriptor below 0, with error set, when the file cannot be
// opened or locked.
int OpenLocked(const std::string& path, SteadyClock::time_point deadline, struct stat& info,
               bool& created, int& error) {
  for (;;) {
    created = false;
    // O_RDWR: a write lock needs it. O_NONBLOCK keeps a named pipe in the file's place from
    // blocking.
    int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
      fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NONBLOCK | O_CLOEXEC, 0666);
      created = fd >= 0;
      // Made by another copy meanwhile (or a link to nothing, which the wait bounds).
      if (fd < 0 && errno == EEXIST && SteadyClock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds{1});
        continue;
      }
    }
    if (fd < 0) {
      error = errno;
      return -1;
    }
    FileDescriptor opened(fd);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      error = S_ISREG(info.st_mode) ? errno : EINVAL;
      return -1;
    }
    if (created) {
      GiveAccess(fd, info.st_gid, info.st_mode & 0777, SharedAccess(info, FolderOf(path)));
    }
    error = LockWholeFile(fd, F_WRLCK, deadline);
    // A file this call made but could not lock stays: the program that holds its lock may be
    // writing it.
    if (error != 0) return -1;
    struct stat current {};
    const bool inPlace = ::stat(path.c_str(), &current) == 0 && current.st_dev == info.st_dev &&
                         current.st_ino == info.st_ino;
    if (!inPlace) {
      if (SteadyClock::now() < deadline) continue;  // replaced or removed meanwhile
      error = EBUSY;
      return -1;
    }
    // The lock was taken after the last replace; fstat again for the size now.
    if (::fstat(fd, &info) != 0) {
      error = errno;
      return -1;
    }
    return opened.Release();
  }
}

bool WriteAllAt(int fd, const std::string& bytes, std::size_t from) {
  std::size_t done = from;
  while (done < bytes.size()) {
    const ssize_t put =
        ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(put);
  }
  return true;
}

// Temporary files of a change of this file are named after it, so that those a writer killed
// mid-write left behind are known and removed by the next change.
std::string TempPrefix(const std::string& path) {
  const std::filesystem::path p(path);
  return (FolderOf(path) / ("." + p.filename().string() + ".")).string();
}
constexpr std::size_t kTempSuffix = 6;  // mkstemp's XXXXXX

// Under the lock of the file in place no other writer has a temporary file of it: every one
// there is left from a writer that died.
void RemoveStaleTemps(const std::string& path) {
  const std::string prefix = std::filesystem::path(TempPrefix(path)).filename().string();
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(FolderOf(path), ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() == prefix.size() + kTempSuffix && name.starts_with(prefix)) {
      ::unlink(entry.path().c_str());
    }
  }
}

// Writes the bytes to a temporary file beside the file and renames it over the file. 0 once
// renamed; else an errno value, nothing changed and the temporary file gone. noTemp is set when
// no temporary file could be made there at all.
int ReplaceWithTemp(const std::string& path, const struct stat& old, const std::string& bytes,
                    bool& noTemp) {
  std::string temp = TempPrefix(path) + std::string(kTempSuffix, 'X');
  FileDescriptor fd(::mkstemp(temp.data()));
  if (fd.get() < 0) {
    noTemp = true;
    return errno;
  }
  // The new file keeps the old one's group and permissions, opened to the folder's group as a
  // new file is. The user may be no member of the old file's group; then it has the user's.
  struct stat made {};
  const bool placed =
      (::fchown(fd.get(), static_cast<uid_t>(-1), old.st_gid) == 0 || errno == EPERM) &&
      ::fstat(fd.get(), &made) == 0 &&
      GiveAccess(fd.get(), made.st_gid, old.st_mode & 0777, SharedAccess(old, FolderOf(path)));
  const bool written =
      placed && WriteAllAt(fd.get(), bytes, 0) && ::fsync(fd.get()) == 0 && fd.Close();
  if (!written || ::rename(temp.c_str(), path.c_str()) != 0) {
    const int reason = errno;
    fd.Close();
    ::unlink(temp.c_str());
    return reason;
  }
  // The new file is in place: the change is made. Making the rename durable is tried, but its
  // failure is no failure of the change; telling the pupil the record was lost would only make
  // them note it down and enter it twice.
  const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    (void)::fsync(dir);
    ::close(dir);
  }
  return 0;
}

// Rewrites the locked file where it stands, for a folder that takes no new file. Only the bytes
// from the first that differs are written (a record added at the end touches nothing before
// it). When the write fails, the old bytes are put back. 0 when written, else an errno value.
int RewriteInPlace(int fd, const std::string& old, const std::string& bytes) {
  const std::size_t same = static_cast<std::size_t>(
      std::mismatch(old.begin(),
                    old.begin() + static_cast<std::ptrdiff_t>(std::min(old.size(), bytes.size())),
                    bytes.begin())
          .first -
      old.begin());
  if (WriteAllAt(fd, bytes, same) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
      ::fsync(fd) == 0) {
    return 0;
  }
  const int reason = errno;
  (void)(WriteAllAt(fd, old, same) && ::ftruncate(fd, static_cast<off_t>(old.size())) == 0 &&
         ::fsync(fd) == 0);
  return reason;
}

// The path with symbolic links followed, so that a Record.ini linked elsewhere is changed
// where it is and the link stays; the path itself when it cannot be followed (missing).
std::string Resolved(const std::string& path) {
  const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                         &std::free);
  return real ? std::string(real.get()) : path;
}

}  // namespace

SharedReadStatus ReadSharedFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? SharedReadStatus::Missing : SharedReadStatus::Failed;
  FileDescriptor file(fd);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return SharedReadStatus::Failed;
  // A writer that rewrites the file in place holds its lock meanwhile; one that replaces it
  // leaves this file whole. Should the lock not come (a program that keeps it, a file system
  // without locks), the file is read all the same.
  (void)LockWholeFile(fd, F_RDLCK, SteadyClock::now() + kSharedLockWait);
  if (::fstat(fd, &info) != 0) return SharedReadStatus::Failed;
  return ReadOpenFile(fd, info, maxBytes, bytes) == 0 ? SharedReadStatus::Ok
                                                      : SharedReadStatus::Failed;
}

bool UpdateSharedFile(const std::string& path, std::size_t maxBytes,
                      const std::function<SharedChange(std::string& bytes)>& change, int* error,
                      std::chrono::milliseconds lockWait) {
  const auto fail = [error](int code) {
    if (error != nullptr) *error = code;
    return false;
  };
  const std::string target = Resolved(path);
  struct stat info {};
  bool created = false;
  int reason = 0;
  FileDescriptor lock(OpenLocked(target, SteadyClock::now() + lockWait, info, created, reason));
  if (lock.get() < 0) return fail(reason);
  // A file this change made goes again unless the change lands in it: a first record that
  // fails leaves no empty file behind. Others that opened it meanwhile find it gone once they
  // hold its lock and start again.
  const auto undo = [&]() {
    if (created) ::unlink(target.c_str());
  };
  // Root may write anything, so a read-only file is told by its permission bits too.
  if ((info.st_mode & 0222) == 0) return fail(EACCES);
  std::string old;
  reason = ReadOpenFile(lock.get(), info, maxBytes, old);
  if (reason != 0) {
    undo();
    return fail(reason);
  }
  std::string bytes = old;
  switch (change(bytes)) {
    case SharedChange::Nothing:
      undo();
      return true;
    case SharedChange::Refuse:
      undo();
      return fail(0);
    case SharedChange::Write:
      break;
  }
  RemoveStaleTemps(target);
  bool noTemp = false;
  reason = ReplaceWithTemp(target, info, bytes, noTemp);
  if (reason == 0) return true;
  if (noTemp) {
    reason = RewriteInPlace(lock.get(), old, bytes);
    if (reason == 0) return true;
  }
  undo();
  // The lock is released when the descriptor closes, after the new file is in place.
  return fail(reason);
}
