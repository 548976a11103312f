#include "bench/bench_inputs.h"

#include <stdexcept>

#include "confounds/confound_readers.h"
#include "confounds/z_transform.h"

namespace bench {
namespace {

std::uint32_t seedOf(int kind, std::int64_t rows) {
  return static_cast<std::uint32_t>(kind * 7919 + rows);
}

}  // namespace

BenchInputs& inputs() {
  static BenchInputs instance;
  return instance;
}

const std::string& BenchInputs::confoundFile(ConfoundFile kind, std::int64_t rows) {
  const auto key = std::make_pair(static_cast<int>(kind), rows);
  auto found = files_.find(key);
  if (found != files_.end()) return found->second;
  const char* names[] = {"run_3DMC.sdm", "run_3DMC.rtc", "run_HR.sdm", "run_HR.rtc"};
  std::string path = folder_.file(std::to_string(rows) + "_" + names[static_cast<int>(kind)]);
  const std::uint32_t seed = seedOf(static_cast<int>(kind), rows);
  switch (kind) {
    case ConfoundFile::MotionSdm:
      writeMotionFile(path, Form::Sdm, rows, seed);
      break;
    case ConfoundFile::MotionRtc:
      writeMotionFile(path, Form::Rtc, rows, seed);
      break;
    case ConfoundFile::HeartRateSdm:
      writeHeartRateFile(path, Form::Sdm, rows, seed);
      break;
    case ConfoundFile::HeartRateRtc:
      writeHeartRateFile(path, Form::Rtc, rows, seed);
      break;
  }
  return files_.emplace(key, std::move(path)).first->second;
}

const std::string& BenchInputs::designMatrix(std::int64_t rows) {
  const auto key = std::make_pair(100, rows);
  auto found = files_.find(key);
  if (found != files_.end()) return found->second;
  std::string path = folder_.file(std::to_string(rows) + "_task.sdm");
  writeDesignMatrix(path, kDesignPredictors, rows, seedOf(100, rows));
  return files_.emplace(key, std::move(path)).first->second;
}

const MergeSets& BenchInputs::mergeSets(std::int64_t rows) {
  auto found = sets_.find(rows);
  if (found != sets_.end()) return *found->second;
  auto sets = std::make_unique<MergeSets>();
  const std::string respirationPath = folder_.file(std::to_string(rows) + "_run_RVT.sdm");
  writeRespirationFile(respirationPath, rows, seedOf(200, rows));
  sets->motion = readMotionSdm(confoundFile(ConfoundFile::MotionSdm, rows).c_str());
  sets->heartRate = readConfoundRtc(confoundFile(ConfoundFile::HeartRateRtc, rows).c_str(),
                                    ConfoundKind::HeartRate);
  sets->respiration = readConfoundSdm(respirationPath.c_str(), ConfoundKind::Respiration);
  for (const ConfoundSet* set : {&sets->motion, &sets->heartRate, &sets->respiration}) {
    if (!set->readOk || set->nrOfDataPoints != rows) {
      throw std::runtime_error("a confound file of the benchmark did not read back");
    }
  }
  zTransformMotion(sets->motion);
  zTransformConfounds(sets->heartRate);
  zTransformConfounds(sets->respiration);
  return *sets_.emplace(rows, std::move(sets)).first->second;
}

const std::string& BenchInputs::fileList(int entries) {
  const auto key = std::make_pair(300, static_cast<std::int64_t>(entries));
  auto found = files_.find(key);
  if (found != files_.end()) return found->second;
  std::string path = folder_.file("filelist_" + std::to_string(entries) + ".txt");
  writeFileList(path, entries / 4);
  return files_.emplace(key, std::move(path)).first->second;
}

}  // namespace bench
