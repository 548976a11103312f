// A shared object named TarnwickNZ.exe that plays a host module lacking functions: loaded into
// a process that is not the host, it is the only module of the host's file name there.
//   FAKE_HOST_VERSION          exports the version function (reporting 2.8.0)
//   FAKE_HOST_MESSAGE_BOX      exports nzMessageBox, which prints its text
//   FAKE_HOST_ALL_BUT_VERSION  exports every other host function as a stub
#include <cstdio>

#include "plugin/host_functions.h"

#if defined(_WIN32)
#define FAKE_EXPORT extern "C" __declspec(dllexport)
#else
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

#ifdef FAKE_HOST_VERSION
FAKE_EXPORT int nzGetVersionOfTarnwickNZ(int* major, int* minor, int* sub) {
  *major = 2;
  *minor = 8;
  *sub = 0;
  return 1;
}
#endif

#ifdef FAKE_HOST_MESSAGE_BOX
FAKE_EXPORT int nzMessageBox(const char* text) {
  std::printf("[message box] %s\n", text);
  std::fflush(stdout);
  return 1;
}
#endif

#ifdef FAKE_HOST_ALL_BUT_VERSION
// The version function's stub is exported under another name, so the module lacks it.
#define nzGetVersionOfTarnwickNZ nzGetVersionOfTarnwickNZ_absent
#define FAKE_STUB(name, ...)     \
  FAKE_EXPORT long long name() { \
    return 0;                    \
  }
FOLWYN_HOST_FUNCTIONS(FAKE_STUB, FAKE_STUB)
#endif
