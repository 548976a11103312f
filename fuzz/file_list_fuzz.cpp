// Fuzz target of the file list: the input is written to a file that a whole run of the batch
// driver reads, through an in-process host that answers every dialog and saves nothing (so the
// run writes no file and merges nothing). Checked: the list's entries as readFileList returns
// them (each fits a path buffer, is logged whole, and is classified by the text the host is
// handed), and the grouping of the run: one link per protocol entry followed by its VTC, the
// protocol's file name in each header, and the design-matrix name of each group.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_driver.h"
#include "batch/file_list.h"
#include "design/path_names.h"
#include "fuzz/fuzz_support.h"
#include "tests/support/scripted_host.h"

namespace {

// The entries of the list as the reader returns them, with their checks.
std::vector<std::string> checkedEntries(const std::string& path) {
  installRecordingLog();
  fuzzLog().clear();
  int declared = 0;
  std::vector<std::string> entries;
  fuzzCheck(readFileList(path.c_str(), declared, entries), "a readable list was not read");
  const std::vector<std::string>& log = fuzzLog();
  fuzzCheck(log.size() >= 3 && log[0] == "Number of PRT-VTC pairs: " + std::to_string(declared) &&
                log[1] == "Reading filenames...",
            "opening lines of the list");
  // After the opening lines: every word, skipped ones as their line, then the end. An entry may
  // read like a skip line, so each line is first taken as the next entry.
  std::size_t next = 0;
  for (std::size_t i = 2; i + 1 < log.size(); ++i) {
    if (next < entries.size() && log[i] == entries[next]) {
      ++next;
      continue;
    }
    fuzzCheck(log[i] == "Entry too long (more than 511 characters), skipped." ||
                  log[i] == "Entry holds a NUL character, skipped.",
              "an entry not logged whole");
  }
  fuzzCheck(next == entries.size(), "entries and their log lines differ");
  fuzzCheck(log.back() == "^" || log.back().size() < 2, "last line of the list");
  for (const std::string& entry : entries) {
    fuzzCheck(entry.size() >= 2 && entry.size() <= 511, "entry length");
    fuzzCheck(classifyListEntry(entry) == classifyListEntry(entry.c_str()),
              "an entry classified by text the host is not handed");
  }
  return entries;
}

// The design-matrix name of a group whose protocol is task.prt: the VTC path and the protocol's
// name composed, without the composed extension, then ".sdm".
std::string designMatrixName(const std::string& vtcPath) {
  return removeExtension(composeTargetName(vtcPath, "task", '_').c_str()) + ".sdm";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string path = FuzzFolder::instance().write("filelist.txt", text);
  const std::vector<std::string> entries = checkedEntries(path);

  std::vector<ListEntryKind> kinds;
  for (const std::string& entry : entries) kinds.push_back(classifyListEntry(entry));
  std::vector<std::string> links;
  std::vector<std::string> headerNames;
  std::vector<std::string> saved;
  for (std::size_t p = 0; p < entries.size(); ++p) {
    if (kinds[p] != ProtocolEntry) continue;
    if (p + 1 >= entries.size() || kinds[p + 1] != VtcEntry) continue;
    links.push_back("nzLinkVTCToCurrentVMR(" + entries[p + 1] + ",1)");
    const std::string name = extractFileName(entries[p].c_str(), false, false).value_or("");
    if (name.size() > 255) continue;
    headerNames.push_back(name);
    const std::string sdm = designMatrixName(entries[p + 1]);
    if (sdm.size() <= 511) saved.push_back(sdm);
  }

  ScriptedHost host;
  host.yesNoAnswers = {1, 0, 1};
  host.fileAnswer = path;
  host.saveResult = 0;
  fuzzCheck(runBatch(), "the run returned false");
  fuzzCheck(host.callsOf("nzLinkVTCToCurrentVMR") == links, "linked VTCs");
  fuzzCheck(host.headerProtocolNames == headerNames, "protocol names in the headers");
  fuzzCheck(host.savedNames == saved, "design-matrix names");
  fuzzCheck(!host.log.empty() && host.log.back() == "Finished.\n", "last line of the run");
  return 0;
}
