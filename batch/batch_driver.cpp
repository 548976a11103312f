#include "batch/batch_driver.h"

bool runBatch() { return true; }
