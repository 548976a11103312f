// How the stand-in host exports its host functions: by name, with C linkage, from the
// executable, so that the plug-in finds them as it finds the real host's.
#pragma once

#if defined(_WIN32)
#define STANDIN_EXPORT extern "C" __declspec(dllexport)
#else
#define STANDIN_EXPORT extern "C" __attribute__((visibility("default")))
#endif
