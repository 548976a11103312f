// An entry of the file list and its class.
#pragma once

#include <string>

// What an entry of the file list names, by the first of these texts it contains.
enum ListEntryKind : int {
  OtherEntry = 0,        // none of them: not used by the run
  ProtocolEntry = 1,     // ".prt": a stimulation protocol; opens a protocol group
  VtcEntry = 2,          // ".vtc": functional data
  MotionEntry = 3,       // "_3DMC": 3D motion correction estimates
  HeartRateEntry = 4,    // "_HR": heart-rate confound
  RespirationEntry = 5,  // "_RVT": respiration confound
};

struct ListEntry {
  std::string path;  // at most 511 characters
  ListEntryKind kind = OtherEntry;
};
