// A study of many protocol groups for the whole-batch benchmark, laid out as a user's study is:
// per group a folder with its protocol, its VTC (the stand-in's format) and three confound files
// (motion in the SDM form, heart rate in the RTC form, respiration in the SDM form), then a file
// list of all groups and an answer script that runs the plug-in on it.
#pragma once

#include <string>

namespace bench {

struct StudyPaths {
  std::string anatomical;  // the anatomical document
  std::string answers;     // the answer script: two-gamma, 1, skip the first condition, z-transform
  std::string fileList;
};

// Writes the study of groups groups of volumes volumes each (repetition time 2 s, five
// conditions) into folder; the answer script holds the answers of runs runs.
StudyPaths writeStudy(const std::string& folder, int groups, int volumes, int runs);

}  // namespace bench
