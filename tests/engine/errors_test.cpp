// The error-termination routine and the stop of an analysis that is not
// provided: their lines in the report and the runtime message file.
#include "engine/errors.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/output_unit.h"

namespace kavro {
namespace {

std::string slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class ErrorsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = testing::TempDir() + std::to_string(getpid()) + "_errors_";
    ASSERT_TRUE(report_unit().open(base_ + "report.txt"));
    ASSERT_TRUE(runtime_unit().open(base_ + "messages.txt"));
    pm.FatalErrorValue = 0;
  }
  void TearDown() override {
    report_unit().close();
    runtime_unit().close();
    std::remove((base_ + "report.txt").c_str());
    std::remove((base_ + "messages.txt").c_str());
    pm.FatalErrorValue = 0;
  }
  std::string report() {
    report_unit().close();
    return slurp(base_ + "report.txt");
  }
  std::string messages() {
    runtime_unit().close();
    return slurp(base_ + "messages.txt");
  }
  std::string base_;
};

TEST_F(ErrorsTest, MessageCodes) {
  EXPECT_EQ(message_code(195), "INP00095");
  EXPECT_EQ(message_code(217), "RUN00017");
  EXPECT_EQ(message_code(999), "RUN00999");
}

TEST_F(ErrorsTest, ErrorStopLinesByValue) {
  Error_Stop("RUN00010", 210);
  EXPECT_EQ(pm.FatalErrorValue, 210);
  EXPECT_EQ(report(), "\n\nKavro ended prematurely due to runtime error number RUN00010\n");
}

TEST_F(ErrorsTest, InternalErrorWritesTheRuntimeLine) {
  Error_Stop("RUN00999", 999);
  EXPECT_EQ(pm.FatalErrorValue, 999);
  EXPECT_EQ(report(), "\n\nKavro ended prematurely due to runtime error number RUN00999\n");
}

TEST_F(ErrorsTest, AnalysisNotAvailableStopsWithRuntimeError98) {
  stop_not_available("p-y model \"Cem Silt\" (PY_Cemented_Silt) of soil layer 2");
  EXPECT_EQ(pm.FatalErrorValue, 298);
  const std::string block =
      "\n**** Runtime Error No. 98 ****\n\nThe p-y model \"Cem Silt\" (PY_Cemented_Silt) of soil layer 2 is not "
      "available in this version of Kavro.\nThe results written before this message are complete; no further "
      "analysis was made.\n";
  EXPECT_EQ(messages(), block);
  EXPECT_EQ(report(), block + "\n\nKavro ended prematurely due to runtime error number RUN00098\n");
}

}  // namespace
}  // namespace kavro
