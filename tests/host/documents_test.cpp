// The documents through the host functions, as a plug-in calls them.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "host/document_functions.h"
#include "host/documents.h"
#include "host/protocol_records.h"
#include "host/standin_host.h"
#include "host/vtc_file.h"
#include "tests/host/host_test_support.h"
#include "tests/host/protocol_fixtures.h"

namespace {

class Documents : public testing::Test {
 protected:
  void SetUp() override {
    standin::closeAllDocuments();
    anatomy_ = folder_.write("anat/subject01.vmr", "anatomical document\n");
    vtc_ = writeVtc("run1/run1.vtc", 40, 2000.0f);
    std::string error;
    ASSERT_TRUE(standin::openAnatomicalDocument(anatomy_, error)) << error;
  }
  void TearDown() override { standin::closeAllDocuments(); }

  std::string writeVtc(const std::string& name, std::int32_t volumes, float repetitionTime) {
    standin::VtcFile vtc;
    vtc.header = standin::makeVtcHeader(volumes, repetitionTime);
    vtc.data = "data";
    std::string error;
    std::filesystem::create_directories(folder_.path() / std::filesystem::path(name).parent_path());
    EXPECT_TRUE(standin::writeVtcFile(folder_.file(name), vtc, error)) << error;
    return folder_.file(name);
  }

  // Links vtc and hands its header back naming protocol, as the plug-in does.
  void linkWithProtocol(const std::string& vtc, const std::string& protocol) {
    ASSERT_EQ(nzLinkVTCToCurrentVMR(vtc.c_str(), 1), 1);
    ASSERT_NE(nzGetHeaderOfVTCOfCurrentVMR(header_), 0);
    std::memset(header_ + 324, 0, 256);
    std::memcpy(header_ + 324, protocol.c_str(), protocol.size());
    ASSERT_NE(nzSetHeaderOfVTCOfCurrentVMR(header_), 0);
  }

  // Builds one predictor per condition and the constant, as the plug-in does.
  void buildDesignMatrix(bool twoGamma) {
    standin::ProtocolInfo info;
    ASSERT_EQ(nzGetProtocol(&info), 1);
    nzClearDesignMatrix();
    for (int k = 0; k < info.nrOfConditions; ++k) {
      standin::ProtocolCondition condition;
      ASSERT_NE(nzGetProtocolCondition(k, &condition), 0);
      ASSERT_EQ(nzAddPredictor(condition.name), 1);
      ASSERT_EQ(nzSetPredictorValuesFromConditionName(condition.name, condition.name, 1.0f), 1);
      ASSERT_EQ(twoGamma ? nzApplyTwoGammaHRFToPredictorWithName(condition.name)
                         : nzApplyBoyntonHRFToPredictorWithName(condition.name),
                1);
    }
    ASSERT_EQ(nzAddPredictor("Constant"), 1);
    float* constant = nzGetPredictor(info.nrOfConditions);
    ASSERT_NE(constant, nullptr);
    for (int i = 0; i < 40; ++i) constant[i] = 1.0f;
  }

  hosttest::QuietHost host_;
  hosttest::Folder folder_;
  std::string anatomy_;
  std::string vtc_;
  unsigned char header_[848] = {};
};

TEST_F(Documents, AnatomicalDocumentMustExistBeforeAVtcCanBeLinked) {
  int x = -1, y = -1, z = -1;
  EXPECT_NE(nzGetCurrentVMR(&x, &y, &z), nullptr);
  std::string error;
  EXPECT_FALSE(standin::openAnatomicalDocument(folder_.file("anat/missing.vmr"), error));
  EXPECT_NE(error.find("missing.vmr"), std::string::npos);

  standin::closeAllDocuments();
  EXPECT_EQ(nzGetCurrentVMR(&x, &y, &z), nullptr);
  EXPECT_EQ(nzLinkVTCToCurrentVMR(vtc_.c_str(), 1), 0);
  EXPECT_EQ(nzGetHeaderOfVTCOfCurrentVMR(header_), 0);
}

TEST_F(Documents, FailedLinkLeavesNoVtcLinked) {
  ASSERT_EQ(nzLinkVTCToCurrentVMR(vtc_.c_str(), 1), 1);
  std::string notVtc = folder_.write("run1/notes.vtc", std::string(900, 'x'));
  for (const std::string& path : {notVtc, folder_.file("run1/missing.vtc")}) {
    EXPECT_EQ(nzLinkVTCToCurrentVMR(path.c_str(), 1), 0);
    EXPECT_EQ(nzGetHeaderOfVTCOfCurrentVMR(header_), 0);
    EXPECT_EQ(nzAddPredictor("Task"), 0);
    EXPECT_EQ(nzSaveVTCOfCurrentVMR(folder_.file("run1/saved.vtc").c_str()), 0);
  }
  EXPECT_EQ(nzLinkVTCToCurrentVMR(nullptr, 1), 0);
}

TEST_F(Documents, HeaderComesOutWithVolumesAndGoesBackWithTheProtocolName) {
  folder_.write("run1/task.prt", hosttest::kVolumeProtocol);
  linkWithProtocol(vtc_, "task.prt");
  std::int32_t volumes;
  std::memcpy(&volumes, header_ + 4, 4);
  EXPECT_EQ(volumes, 40);

  const std::string saved = folder_.file("run1/saved.vtc");
  ASSERT_EQ(nzSaveVTCOfCurrentVMR(saved.c_str()), 1);
  standin::VtcFile vtc;
  std::string error;
  ASSERT_TRUE(standin::readVtcFile(saved, vtc, error)) << error;
  EXPECT_EQ(standin::vtcProtocolName(vtc.header), "task.prt");
  EXPECT_EQ(vtc.data, "data");
}

TEST_F(Documents, ProtocolIsFoundBesideTheVtcThenBesideTheAnatomicalDocument) {
  folder_.write("anat/task.prt", hosttest::kMsecProtocol);
  standin::ProtocolInfo info;
  linkWithProtocol(vtc_, "task.prt");
  ASSERT_EQ(nzGetProtocol(&info), 1);
  EXPECT_EQ(info.timeResolution, 0);

  folder_.write("run1/task.prt", hosttest::kVolumeProtocol);
  linkWithProtocol(vtc_, "task.prt");
  ASSERT_EQ(nzGetProtocol(&info), 1);
  EXPECT_EQ(info.timeResolution, 1);
  EXPECT_STREQ(info.fileName, "task.prt");
  EXPECT_EQ(info.nrOfConditions, 2);

  standin::ProtocolCondition condition;
  ASSERT_EQ(nzGetProtocolCondition(1, &condition), 1);
  EXPECT_STREQ(condition.name, "Face trials");
  ASSERT_EQ(condition.nrOfIntervals, 1);
  EXPECT_EQ(condition.intervalStarts[0], 11);
  EXPECT_EQ(condition.intervalEnds[0], 20);
  EXPECT_EQ(condition.color, 0xFF0000);
  for (int index : {-1, 2}) EXPECT_EQ(nzGetProtocolCondition(index, &condition), 0);

  nzClearProtocol();
  EXPECT_EQ(nzGetProtocol(&info), 0);
  EXPECT_EQ(nzGetProtocolCondition(0, &condition), 0);
}

TEST_F(Documents, MissingOrDamagedProtocolLeavesNoneCurrent) {
  folder_.write("run1/task.prt", hosttest::kVolumeProtocol);
  folder_.write("run1/damaged.prt", hosttest::kVolumeProtocol.substr(0, 300));
  // The damaged file beside the VTC is the one named; a good one beside the anatomical
  // document does not stand in for it.
  folder_.write("anat/damaged.prt", hosttest::kVolumeProtocol);
  standin::ProtocolInfo info;
  for (const char* name : {"missing.prt", "damaged.prt", ""}) {
    linkWithProtocol(vtc_, "task.prt");
    ASSERT_EQ(nzGetProtocol(&info), 1);
    linkWithProtocol(vtc_, name);
    EXPECT_EQ(nzGetProtocol(&info), 0) << name;
  }
}

TEST_F(Documents, RefusedHeaderChangesNothing) {
  folder_.write("run1/task.prt", hosttest::kVolumeProtocol);
  linkWithProtocol(vtc_, "task.prt");
  unsigned char broken[848];
  std::memcpy(broken, header_, sizeof broken);
  std::memcpy(broken, "XXXX", 4);
  EXPECT_EQ(nzSetHeaderOfVTCOfCurrentVMR(broken), 0);
  standin::ProtocolInfo info;
  EXPECT_EQ(nzGetProtocol(&info), 1);
  unsigned char after[848];
  ASSERT_EQ(nzGetHeaderOfVTCOfCurrentVMR(after), 1);
  EXPECT_EQ(std::memcmp(after, header_, sizeof after), 0);
}

TEST_F(Documents, WholeRunSavesTheDesignMatrixWithTheValuesWritten) {
  folder_.write("run1/task.prt", hosttest::kVolumeProtocol);
  linkWithProtocol(vtc_, "task.prt");
  buildDesignMatrix(true);
  const std::vector<float> face(nzGetPredictor(1), nzGetPredictor(1) + 40);
  const std::string sdm = folder_.file("run1/run1_task.sdm");
  ASSERT_EQ(nzSaveSingleStudyGLMDesignMatrix(sdm.c_str()), 1);

  std::istringstream text(hosttest::readBytes(sdm));
  std::string line;
  std::vector<std::string> lines;
  while (std::getline(text, line)) lines.push_back(line);
  ASSERT_EQ(lines.size(), 9u + 40u);
  EXPECT_EQ(lines[2], "NrOfPredictors: 3");
  EXPECT_EQ(lines[3], "NrOfDataPoints: 40");
  EXPECT_EQ(lines[4], "IncludesConstant: 1");
  EXPECT_EQ(lines[5], "FirstConfoundPredictor: 3");
  EXPECT_EQ(lines[7], "64 64 64   255 0 0   255 255 255");
  EXPECT_EQ(lines[8], "\"Fixation\" \"Face trials\" \"Constant\"");
  for (std::size_t row = 0; row < 40; ++row) {
    std::istringstream values(lines[9 + row]);
    double fixation, faceValue, constant;
    values >> fixation >> faceValue >> constant;
    EXPECT_FLOAT_EQ(static_cast<float>(faceValue), face[row]) << "row " << row;
    EXPECT_EQ(constant, 1.0) << "row " << row;
  }
  // The face block (volumes 11-20) has risen well before its end and fallen after it.
  EXPECT_GT(face[18], 0.9f);
  EXPECT_LT(face[2], 0.01f);
}

TEST_F(Documents, ConvolvingAgainStartsFromTheBoxcar) {
  folder_.write("run1/task.prt", hosttest::kVolumeProtocol);
  linkWithProtocol(vtc_, "task.prt");
  buildDesignMatrix(false);
  const std::vector<float> once(nzGetPredictor(1), nzGetPredictor(1) + 40);
  ASSERT_EQ(nzApplyBoyntonHRFToPredictorWithName("Face trials"), 1);
  EXPECT_EQ(std::vector<float>(nzGetPredictor(1), nzGetPredictor(1) + 40), once);

  ASSERT_EQ(nzSetPredictorValuesFromConditionName("Face trials", "Face trials", 2.0f), 1);
  const float* boxcar = nzGetPredictor(1);
  EXPECT_EQ(boxcar[9], 0.0f);
  EXPECT_EQ(boxcar[10], 2.0f);
  EXPECT_EQ(boxcar[19], 2.0f);
  EXPECT_EQ(boxcar[20], 0.0f);
}

TEST_F(Documents, DesignMatrixRefusesWhatItDoesNotHold) {
  folder_.write("run1/task.prt", hosttest::kVolumeProtocol);
  linkWithProtocol(vtc_, "task.prt");
  nzClearDesignMatrix();
  EXPECT_EQ(nzSaveSingleStudyGLMDesignMatrix(folder_.file("run1/empty.sdm").c_str()), 0);
  EXPECT_FALSE(std::filesystem::exists(folder_.file("run1/empty.sdm")));
  ASSERT_EQ(nzAddPredictor("Fixation"), 1);
  EXPECT_EQ(nzSetPredictorValuesFromConditionName("Fixation", "Rest", 1.0f), 0);
  EXPECT_EQ(nzSetPredictorValuesFromConditionName("Faces", "Fixation", 1.0f), 0);
  EXPECT_EQ(nzApplyTwoGammaHRFToPredictorWithName("Fixation"), 0);  // never filled
  EXPECT_EQ(nzApplyBoyntonHRFToPredictorWithName(nullptr), 0);
  EXPECT_EQ(nzGetPredictor(-1), nullptr);
  EXPECT_EQ(nzGetPredictor(1), nullptr);
  EXPECT_EQ(nzSaveSingleStudyGLMDesignMatrix(folder_.file("missing/x.sdm").c_str()), 0);
  EXPECT_EQ(nzSaveSingleStudyGLMDesignMatrix(nullptr), 0);
  nzClearDesignMatrix();
  EXPECT_EQ(nzGetPredictor(0), nullptr);
}

TEST_F(Documents, EveryCallIsJournalledWithItsArgumentsAndResult) {
  const std::string calls = folder_.file("calls.txt");
  hosttest::QuietHost journalling(calls);
  nzLinkVTCToCurrentVMR(vtc_.c_str(), 1);
  nzAddPredictor("Face trials");
  nzSetPredictorValuesFromConditionName("Face trials", "Face trials", 1.5f);
  nzGetPredictor(3);
  EXPECT_EQ(hosttest::readBytes(calls),
            "nzLinkVTCToCurrentVMR\t" + standin::escapeLine(vtc_) +
                "\t1\t1\n"
                "nzAddPredictor\tFace trials\t1\n"
                "nzSetPredictorValuesFromConditionName\tFace trials\tFace trials\t1.5\t0\n"
                "nzGetPredictor\t3\tnull\n");
}

}  // namespace
