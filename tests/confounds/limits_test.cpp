// The log lines of the readers and the writer are composed in 256-byte buffers: a path of 241
// characters fills "Reading file: %s" or "New filename: %s" exactly, one of 242 is cut by one
// character. The files themselves are read and written whole either way.

// Windows opens paths this long only with long-path support enabled.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "confounds/confound_readers.h"
#include "confounds/merged_writer.h"
#include "tests/confounds/temp_folder.h"
#include "tests/support/fake_host.h"
#include "tests/support/long_paths.h"

namespace {

const char* const kMotionRtc =
    "V 1 K x P 6 R 2\n\"Tx\" \"Ty\" \"Tz\" \"Rx\" \"Ry\" \"Rz\"\n1 2 3 4 5 6\n2 3 4 5 6 7\n";
const char* const kDesignMatrix = "V 1\nP 2\nR 2\nC 1\nF 2\n\n1 2 3 4 5 6\nA B\n0.5 1\n0.25 1\n";

TEST(LogLineLimits, NamesOf241And242CharactersInTheReaderAndWriterLines) {
  for (std::size_t length : {241u, 242u}) {
    TempFolder folder;
    FakeHost host;
    const std::string motion = pathOfLength(folder.file("m"), length, "_3DMC.rtc");
    std::ofstream(motion, std::ios::binary) << kMotionRtc;
    ConfoundSet set = readMotionRtc(motion.c_str());
    EXPECT_TRUE(set.readOk && set.fileOpened) << length;
    EXPECT_EQ(set.motionColumns[5], (std::vector<double>{6, 7})) << length;
    ASSERT_FALSE(FakeHost::log().empty());
    const std::string reading = "Reading file: " + motion;
    EXPECT_EQ(FakeHost::log().front(), reading.substr(0, 255)) << length;
    EXPECT_EQ(FakeHost::log().front().size(), 255u) << length;

    // The output name is the input's with "_3DMC" before its extension.
    FakeHost::clear();
    const std::string input = pathOfLength(folder.file("s"), length - 5, ".sdm");
    std::ofstream(input, std::ios::binary) << kDesignMatrix;
    const std::string output =
        writeMergedDesignMatrix(input, &set, nullptr, nullptr, true, false, false);
    ASSERT_EQ(output.size(), length);
    EXPECT_EQ(FakeHost::log(),
              std::vector<std::string>{("New filename: " + output).substr(0, 255)});
    EXPECT_NE(readFileText(output).find("0.25\t2\t3\t4\t5\t6\t7\t1.000000"), std::string::npos)
        << length;
    releaseConfoundSet(set);
  }
}

}  // namespace

#endif  // _WIN32
