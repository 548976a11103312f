// The confound stage of one protocol group: picks the group's confound files and has them
// merged with the group's saved design matrix.
#pragma once

#include <span>
#include <string>

#include "batch/list_entry.h"

// confoundEntries: the group's entries after its VTC (may be empty); sdmName: the design matrix
// just saved; applyZTransform: the run's answer. The last motion, heart-rate and respiration
// entry each count ("Adding %s for SDM..." is logged for every one); entries of other kinds are
// passed over. All three kinds: mergeAllConfounds; some: mergeConfounds; none (or no name):
// "No confounds found for this protocol.". Never throws.
void runConfoundStage(std::span<const ListEntry> confoundEntries, const std::string& sdmName,
                      bool applyZTransform);
