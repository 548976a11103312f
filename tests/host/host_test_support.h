// Helpers of the stand-in host's tests: a folder of their own and a quiet host.
#pragma once

#include <filesystem>
#include <string>

#include "host/standin_host.h"

namespace hosttest {

// A fresh folder for one test, removed with its content at the end.
class Folder {
 public:
  Folder();
  ~Folder();
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of name (which may hold subfolders) inside the folder, as text.
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  // Writes content to name, making its subfolders, and returns its path.
  std::string write(const std::string& name, const std::string& content) const;

 private:
  std::filesystem::path path_;
};

// The bytes of a file; empty when it cannot be read.
std::string readBytes(const std::string& path);

// For the lifetime of the object the host prints nothing and journals to callsFile (or not at
// all); the host's configuration and answers are restored afterwards (configureHost again).
class QuietHost {
 public:
  explicit QuietHost(const std::string& callsFile = "");
  ~QuietHost();
  QuietHost(const QuietHost&) = delete;
  QuietHost& operator=(const QuietHost&) = delete;

 private:
  standin::HostConfig savedConfig_;
  standin::AnswerScript savedAnswers_;
};

}  // namespace hosttest
