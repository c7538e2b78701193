// Runs part of a test in a forked child process, for what only a whole process can change: its
// user (root writes into read-only folders, an ordinary user cannot) or its limits (a file size
// limit stands in for a full disk).
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

// What check returned in the child; false when the child did not end normally.
inline bool RunInChild(const std::function<bool()>& check) {
  const pid_t pid = ::fork();
  if (pid < 0) return false;
  if (pid == 0) ::_exit(check() ? 0 : 1);
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The check as the unprivileged user "nobody" (65534) when the tests run as root, in a child
// either way; false when the child cannot give up root.
inline bool RunAsUnprivileged(const std::function<bool()>& check) {
  return RunInChild([&check] {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return false;
    return check();
  });
}

// The check with every file write limited to this many bytes: writes beyond fail as on a full
// disk (EFBIG), without the signal that would end the process.
inline bool RunWithFileSizeLimit(rlim_t bytes, const std::function<bool()>& check) {
  return RunInChild([bytes, &check] {
    std::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limit { bytes, bytes };
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
    return check();
  });
}
