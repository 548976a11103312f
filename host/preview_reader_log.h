// The log of the plug-in's readers while the preview reads a file. The readers log through the
// host function table (hostApi.nzLogText); in this process that is the stand-in's own copy of
// the table, separate from that of a loaded plug-in library. For its lifetime an object of this
// class takes the lines that reach the table's log entry and restores the entry afterwards.
// Objects nest (the inner one takes the lines while it lives); one thread only.
#pragma once

#include <string>
#include <vector>

#include "host/preview_matrix.h"
#include "plugin/host_api.h"

namespace standin {

class ReaderLog {
 public:
  ReaderLog();
  ~ReaderLog();
  ReaderLog(const ReaderLog&) = delete;
  ReaderLog& operator=(const ReaderLog&) = delete;

  // Every line logged since construction, in order.
  const std::vector<std::string>& lines() const { return lines_; }

  // The values of the last header report logged ("Fileversion: %i\nNr of Predictors: %i\nNr of
  // datapoints: %i\nIncludes constant: %i\nFirst confound: %i"). False when none was logged.
  bool headerReport(PreviewHeader& header) const;

 private:
  static int take(const char* text);

  HostFunction<int(const char*)> savedEntry_;
  ReaderLog* outer_;
  std::vector<std::string> lines_;
};

}  // namespace standin
