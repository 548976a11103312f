#pragma once

// One run of the batch conversion over the host function table: the run's questions, the file
// list, every protocol group and the closing lines. False only when no anatomical document is
// current in the host; true otherwise. Expects every entry the run calls to be bound.
bool runBatch();
