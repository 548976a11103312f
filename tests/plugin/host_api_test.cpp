#include "plugin/host_api.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "plugin/run_requirements.h"
#include "plugin/version_check.h"

namespace {

// The table viewed as its 184 addresses, in table order.
const void* entryAt(const HostApi& api, int position) {
  const void* address = nullptr;
  std::memcpy(&address, reinterpret_cast<const unsigned char*>(&api) + position * sizeof(void*),
              sizeof address);
  return address;
}

TEST(HostApiTable, HoldsEveryNameOnceInTableOrder) {
  EXPECT_EQ(kHostFunctionCount, 184);
  EXPECT_EQ(sizeof(HostApi), 184 * sizeof(void*));
  std::map<std::string, int> seen;
  for (int i = 0; i < kHostFunctionCount; ++i) {
    std::string name = kHostFunctionNames[i];
    EXPECT_EQ(name.rfind("nz", 0), 0u) << name;
    EXPECT_TRUE(seen.emplace(name, i).second) << name << " twice";
  }
  EXPECT_STREQ(kHostFunctionNames[0], "nzGetVersionOfTarnwickNZ");
  EXPECT_STREQ(kHostFunctionNames[183], "nzLaunchICADialog");
}

TEST(HostApiTable, CalledEntriesStandAtTheirPositions) {
  struct Case {
    int position;
    const char* name;
    std::size_t offset;
  };
  const Case cases[] = {
      {0, "nzGetVersionOfTarnwickNZ", offsetof(HostApi, nzGetVersionOfTarnwickNZ)},
      {4, "nzShowLogTab", offsetof(HostApi, nzShowLogTab)},
      {5, "nzLogText", offsetof(HostApi, nzLogText)},
      {6, "nzMessageBox", offsetof(HostApi, nzMessageBox)},
      {7, "nzYesNoMessageBox", offsetof(HostApi, nzYesNoMessageBox)},
      {9, "nzGetFloatInput", offsetof(HostApi, nzGetFloatInput)},
      {11, "nzGetOpenFileName", offsetof(HostApi, nzGetOpenFileName)},
      {64, "nzGetCurrentVMR", offsetof(HostApi, nzGetCurrentVMR)},
      {95, "nzLinkVTCToCurrentVMR", offsetof(HostApi, nzLinkVTCToCurrentVMR)},
      {97, "nzGetHeaderOfVTCOfCurrentVMR", offsetof(HostApi, nzGetHeaderOfVTCOfCurrentVMR)},
      {98, "nzSetHeaderOfVTCOfCurrentVMR", offsetof(HostApi, nzSetHeaderOfVTCOfCurrentVMR)},
      {103, "nzSaveVTCOfCurrentVMR", offsetof(HostApi, nzSaveVTCOfCurrentVMR)},
      {143, "nzClearProtocol", offsetof(HostApi, nzClearProtocol)},
      {146, "nzGetProtocol", offsetof(HostApi, nzGetProtocol)},
      {148, "nzGetProtocolCondition", offsetof(HostApi, nzGetProtocolCondition)},
      {151, "nzClearDesignMatrix", offsetof(HostApi, nzClearDesignMatrix)},
      {152, "nzAddPredictor", offsetof(HostApi, nzAddPredictor)},
      {154, "nzSetPredictorValuesFromConditionName",
       offsetof(HostApi, nzSetPredictorValuesFromConditionName)},
      {156, "nzApplyTwoGammaHRFToPredictorWithName",
       offsetof(HostApi, nzApplyTwoGammaHRFToPredictorWithName)},
      {158, "nzApplyBoyntonHRFToPredictorWithName",
       offsetof(HostApi, nzApplyBoyntonHRFToPredictorWithName)},
      {159, "nzGetPredictor", offsetof(HostApi, nzGetPredictor)},
      {162, "nzSaveSingleStudyGLMDesignMatrix",
       offsetof(HostApi, nzSaveSingleStudyGLMDesignMatrix)},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(kHostFunctionNames[c.position], c.name);
    EXPECT_EQ(c.offset, c.position * sizeof(void*)) << c.name;
    EXPECT_EQ(static_cast<int>(HostEntry::nzLogText), 5);
  }
}

// A fake loader: one module whose exports are given by a map of names to addresses.
struct FakeModule {
  static inline bool present = true;
  static inline std::map<std::string, void*> exports;
  static inline int lookups = 0;
  static ModuleHandle find(const char* fileName) {
    return present && std::strcmp(fileName, "TarnwickNZ.exe") == 0 ? &exports : nullptr;
  }
  static void* resolve(ModuleHandle, const char* name) {
    ++lookups;
    auto found = exports.find(name);
    return found != exports.end() ? found->second : nullptr;
  }
};

int fakeVersion(int* major, int* minor, int* sub) {
  *major = 2;
  *minor = 8;
  *sub = 0;
  return 1;
}
int fakeText(const char*) {
  return 1;
}

class BindHostApi : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = hostApi;
    hostApi = HostApi{};
    FakeModule::present = true;
    FakeModule::exports.clear();
    FakeModule::lookups = 0;
  }
  void TearDown() override { hostApi = saved_; }
  const ModuleLookup lookup_{FakeModule::find, FakeModule::resolve};
  HostApi saved_;
};

TEST_F(BindHostApi, NoHostModuleLeavesTheTableAsItWas) {
  FakeModule::present = false;
  hostApi.nzLogText = fakeText;
  EXPECT_FALSE(bindHostApi(lookup_));
  EXPECT_EQ(FakeModule::lookups, 0);
  EXPECT_EQ(hostApi.nzLogText, &fakeText);
}

TEST_F(BindHostApi, HostWithoutItsVersionFunctionIsRefused) {
  for (int i = 1; i < kHostFunctionCount; ++i) {
    FakeModule::exports[kHostFunctionNames[i]] = reinterpret_cast<void*>(&fakeText);
  }
  EXPECT_FALSE(bindHostApi(lookup_));
  for (int i = 0; i < kHostFunctionCount; ++i) EXPECT_EQ(entryAt(hostApi, i), nullptr) << i;
}

TEST_F(BindHostApi, OnlyTheVersionFunctionBindsWith183NullEntries) {
  FakeModule::exports["nzGetVersionOfTarnwickNZ"] = reinterpret_cast<void*>(&fakeVersion);
  EXPECT_TRUE(bindHostApi(lookup_));
  EXPECT_EQ(hostApi.nzGetVersionOfTarnwickNZ, &fakeVersion);
  for (int i = 1; i < kHostFunctionCount; ++i) EXPECT_EQ(entryAt(hostApi, i), nullptr) << i;
  EXPECT_STREQ(firstMissingRunFunction(), "nzShowLogTab");
}

TEST_F(BindHostApi, EveryNameLandsInItsOwnEntry) {
  // Give every export a distinct address: the address of the name text itself.
  for (int i = 0; i < kHostFunctionCount; ++i) {
    FakeModule::exports[kHostFunctionNames[i]] =
        const_cast<void*>(static_cast<const void*>(kHostFunctionNames[i]));
  }
  EXPECT_TRUE(bindHostApi(lookup_));
  for (int i = 0; i < kHostFunctionCount; ++i) {
    EXPECT_EQ(entryAt(hostApi, i), kHostFunctionNames[i]) << kHostFunctionNames[i];
  }
  EXPECT_EQ(firstMissingRunFunction(), nullptr);
  FakeModule::exports.erase("nzGetPredictor");
  FakeModule::exports.erase("nzSaveVTCOfCurrentVMR");
  EXPECT_TRUE(bindHostApi(lookup_));
  EXPECT_STREQ(firstMissingRunFunction(), "nzSaveVTCOfCurrentVMR");
}

TEST(IsVersionAtLeast, VersionMatrixAgainst280) {
  struct Case {
    int major, minor, sub;
    bool accepted;
  };
  const Case cases[] = {
      {2, 8, 0, true},    {2, 8, 1, true},   {2, 9, -5, true},  {3, 0, 0, true},
      {3, -1, -1, true},  {2, 7, 0, false},  {2, 7, 99, false}, {2, 7, -3, false},
      {1, 99, 99, false}, {2, 8, -1, false}, {-2, 9, 9, false}, {0, 0, 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isVersionAtLeast(c.major, c.minor, c.sub, 2, 8, 0), c.accepted)
        << c.major << "." << c.minor << "." << c.sub;
  }
}

}  // namespace
