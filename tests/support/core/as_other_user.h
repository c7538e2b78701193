// Runs a piece of a test as an ordinary user. Root may read and write files whatever their
// permissions say, so a test of an unreadable file or a read-only folder runs in a child process
// that has given up root for the user nobody, and hands back a text for the test to check.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

// What fn returns, run as nobody when this process is root and in this process otherwise;
// nothing when the child could not give up root or did not finish.
inline std::optional<std::string> AsOrdinaryUser(const std::function<std::string()>& fn) {
  if (::geteuid() != 0) return fn();
  int channel[2];
  if (::pipe(channel) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    ::close(channel[0]);
    constexpr uid_t kNobody = 65534;
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
      ::_exit(2);
    }
    const std::string result = fn();
    std::size_t done = 0;
    while (done < result.size()) {
      const ssize_t put = ::write(channel[1], result.data() + done, result.size() - done);
      if (put <= 0) ::_exit(3);
      done += static_cast<std::size_t>(put);
    }
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string result;
  char chunk[4096];
  for (ssize_t got; (got = ::read(channel[0], chunk, sizeof chunk)) > 0;) {
    result.append(chunk, static_cast<std::size_t>(got));
  }
  ::close(channel[0]);
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  return result;
}
