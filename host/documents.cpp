// Placeholder documents: no anatomical document, every document function fails.
#include "host/documents.h"

#include "host/standin_export.h"
#include "host/standin_host.h"

namespace standin {

bool openAnatomicalDocument(const std::string& vmrPath, std::string& error) {
  if (vmrPath.empty()) return true;
  error = "documents are not implemented yet";
  return false;
}

int makeVtcCommand(int, char**) { return 1; }

}  // namespace standin

STANDIN_EXPORT void* nzGetCurrentVMR(int*, int*, int*) { return nullptr; }
STANDIN_EXPORT int nzLinkVTCToCurrentVMR(const char*, int) { return 0; }
STANDIN_EXPORT int nzGetHeaderOfVTCOfCurrentVMR(void*) { return 0; }
STANDIN_EXPORT int nzSetHeaderOfVTCOfCurrentVMR(void*) { return 0; }
STANDIN_EXPORT int nzSaveVTCOfCurrentVMR(const char*) { return 0; }
STANDIN_EXPORT int nzClearProtocol() { return 0; }
STANDIN_EXPORT int nzGetProtocol(void*) { return 0; }
STANDIN_EXPORT int nzGetProtocolCondition(int, void*) { return 0; }
STANDIN_EXPORT int nzClearDesignMatrix() { return 0; }
STANDIN_EXPORT int nzAddPredictor(const char*) { return 0; }
STANDIN_EXPORT int nzSetPredictorValuesFromConditionName(const char*, const char*, float) {
  return 0;
}
STANDIN_EXPORT int nzApplyTwoGammaHRFToPredictorWithName(const char*) { return 0; }
STANDIN_EXPORT int nzApplyBoyntonHRFToPredictorWithName(const char*) { return 0; }
STANDIN_EXPORT float* nzGetPredictor(int) { return nullptr; }
STANDIN_EXPORT int nzSaveSingleStudyGLMDesignMatrix(const char*) { return 0; }
