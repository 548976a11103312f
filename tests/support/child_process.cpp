
#ifndef _WIN32
#include "tests/support/child_process.h"

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <exception>

namespace {

// The unprivileged user and group of Debian systems.
constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

bool writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t count = write(fd, bytes.data() + done, bytes.size() - done);
    if (count <= 0) return false;
    done += static_cast<std::size_t>(count);
  }
  return true;
}

// Runs in the child: applies the conditions, runs body, writes "ok" and the lines (each ended
// by a NUL) or "problem" and a reason.
[[noreturn]] void childMain(int fd, const ChildConditions& conditions,
                            const std::function<std::vector<std::string>()>& body) {
  std::string report;
  if (conditions.asOrdinaryUser && geteuid() == 0) {
    if (setgroups(0, nullptr) != 0 || setgid(kNoGroup) != 0 || setuid(kNobody) != 0) {
      writeAll(fd, "problem: could not become an ordinary user");
      _exit(1);
    }
  }
  if (conditions.fileSizeLimit >= 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(conditions.fileSizeLimit),
                       static_cast<rlim_t>(conditions.fileSizeLimit)};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
      writeAll(fd, "problem: could not set the file-size limit");
      _exit(1);
    }
  }
  try {
    report = "ok";
    report.push_back('\0');
    for (const std::string& line : body()) {
      report += line;
      report.push_back('\0');
    }
  } catch (const std::exception& error) {
    report = std::string("problem: exception ") + error.what();
  } catch (...) {
    report = "problem: exception";
  }
  // The report goes through a pipe, which no file-size limit touches.
  _exit(writeAll(fd, report) ? 0 : 1);
}

}  // namespace

ChildOutcome runInChild(const ChildConditions& conditions,
                        const std::function<std::vector<std::string>()>& body) {
  ChildOutcome outcome;
  int fds[2];
  if (pipe(fds) != 0) {
    outcome.problem = "no pipe";
    return outcome;
  }
  const pid_t child = fork();
  if (child < 0) {
    close(fds[0]);
    close(fds[1]);
    outcome.problem = "no child process";
    return outcome;
  }
  if (child == 0) {
    close(fds[0]);
    childMain(fds[1], conditions, body);
  }
  close(fds[1]);
  std::string report;
  char block[4096];
  ssize_t count;
  while ((count = read(fds[0], block, sizeof block)) > 0) {
    report.append(block, static_cast<std::size_t>(count));
  }
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    outcome.problem = "the child did not exit normally: " + report;
    return outcome;
  }
  if (report.compare(0, 3, std::string("ok\0", 3)) != 0) {
    outcome.problem = report;
    return outcome;
  }
  std::size_t start = 3;
  for (std::size_t end; (end = report.find('\0', start)) != std::string::npos; start = end + 1) {
    outcome.lines.push_back(report.substr(start, end - start));
  }
  outcome.completed = start == report.size();
  if (!outcome.completed) outcome.problem = "the lines arrived cut";
  return outcome;
}

bool permissionsCanBeEnforced() {
  if (geteuid() != 0) return true;
  const ChildOutcome probe = runInChild({-1, true}, [] {
    return std::vector<std::string>{geteuid() == kNobody ? "nobody" : "still root"};
  });
  return probe.completed && probe.lines == std::vector<std::string>{"nobody"};
}

#endif  // _WIN32
