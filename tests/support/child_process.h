// Runs part of a test in a child process under conditions the test process must not take on
// itself: a file-size limit (the disk fills up) or the rights of an ordinary user (folders that
// cannot be read or written even when the tests run as root). POSIX only.
#pragma once

#ifndef _WIN32

#include <functional>
#include <string>
#include <vector>

struct ChildConditions {
  // Largest file the child may write, in bytes; SIGXFSZ is ignored, so a write past it fails
  // with an error instead of ending the child. Negative: no limit.
  long long fileSizeLimit = -1;
  // Run as the unprivileged user "nobody" when the tests run as root (as a clean CI machine
  // does), so that permissions hold for the child.
  bool asOrdinaryUser = false;
};

struct ChildOutcome {
  bool completed = false;          // the body returned and its lines arrived whole
  std::vector<std::string> lines;  // what the body returned
  std::string problem;             // why it did not complete
};

// Runs body in a forked child under conditions and hands back the lines it returned (each may
// hold any character but NUL), typically the host log of the plug-in call it made.
ChildOutcome runInChild(const ChildConditions& conditions,
                        const std::function<std::vector<std::string>()>& body);

// True when the process can be kept from reading or writing a folder by its permissions: it is
// not root, or as root it can become the unprivileged user.
bool permissionsCanBeEnforced();

#endif  // _WIN32
