// What the fuzz targets share: a private folder for the files they hand to the plug-in, a check
// that ends the run with a message (libFuzzer records the input), and a log that the host
// function table writes into.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Ends the process with what when ok is false: the fuzzer saves the input as a crash.
void fuzzCheck(bool ok, const char* what);

// A folder of this process under the temporary folder, emptied of everything but what the
// target writes, and removed at exit.
class FuzzFolder {
 public:
  static FuzzFolder& instance();

  const std::string& path() const { return path_; }
  // The path of name in the folder.
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  // Writes the bytes to name in the folder (replacing it); returns its path.
  std::string write(const std::string& name, std::string_view bytes) const;
  // Removes every entry of the folder.
  void clear() const;
  // The names of the folder's entries, sorted.
  std::vector<std::string> entries() const;

 private:
  FuzzFolder();
  ~FuzzFolder();
  std::string path_;
};

// The bytes as a reader of files in 64 KiB blocks should see them in both halves of the inputs:
// for an input of odd size, white space in front, so that its middle falls on the end of the
// first block and items run over a block's end. Leading white space changes no item.
std::string straddlingBlocks(std::string_view bytes);

// The whole content of the file at path; false when it cannot be read.
bool readWholeFile(const std::string& path, std::string& content);

// Installs a host log (and message box) that records into fuzzLog(), in place of the host.
void installRecordingLog();
std::vector<std::string>& fuzzLog();
