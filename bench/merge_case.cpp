#include "bench/merge_case.h"

#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "bench/iostream_merge.h"
#include "confounds/merged_writer.h"

namespace bench {
namespace {

std::string contentOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

const MergeCase& mergeCase(std::int64_t rows) {
  static std::map<std::int64_t, std::unique_ptr<MergeCase>> cases;
  auto found = cases.find(rows);
  if (found != cases.end()) return *found->second;
  auto made = std::make_unique<MergeCase>();
  made->input = inputs().designMatrix(rows);
  made->sets = &inputs().mergeSets(rows);
  const MergeSets& sets = *made->sets;
  made->output =
      writeMergedDesignMatrixAll(made->input, sets.motion, sets.heartRate, sets.respiration);
  made->iostreamOutput = inputs().outputPath(std::to_string(rows) + "_iostream.sdm");
  const bool merged = iostreamMerge(made->input, made->iostreamOutput, sets.motion, sets.heartRate,
                                    sets.respiration);
  const std::string written = contentOf(made->output);
  made->sameBytes = merged && !written.empty() && written == contentOf(made->iostreamOutput);
  made->textBytes = fileBytes(made->input) + static_cast<std::int64_t>(written.size());
  return *cases.emplace(rows, std::move(made)).first->second;
}

}  // namespace bench
