// The warning registry and the status a run without errors returns.
#include <gtest/gtest.h>

#include "report/warnings.h"

namespace kavro {
namespace {

class Warnings : public ::testing::Test {
 protected:
  void SetUp() override { Reset_Warning_Registry(); }
};

TEST_F(Warnings, CountsByAbsoluteCode) {
  Register_Warning(-302);
  Register_Warning(-302);
  EXPECT_EQ(warning_counter(302), 2);
  EXPECT_EQ(warning_counter(-302), 2);
  EXPECT_EQ(warning_status_count(), 2);
  Register_Warning(-3041);
  EXPECT_EQ(warning_status_count(), 1);  // the counter value of the latest registration
}

TEST_F(Warnings, RunStatusNamesOneDistinctCodeOrSays300) {
  EXPECT_EQ(warning_run_status(), 0);
  EXPECT_FALSE(any_warning_registered());
  Register_Warning(-302);
  EXPECT_EQ(warning_run_status(), -302);
  // The same warning again (another load case) still names it.
  Clear_Warning_Counters();
  Register_Warning(-302);
  Register_Warning(-302);
  EXPECT_EQ(warning_run_status(), -302);
  Register_Warning(-355);
  EXPECT_EQ(warning_run_status(), -300);
  EXPECT_EQ(num_distinct_warnings(), 2);
  EXPECT_EQ(distinct_warning(2), -355);
}

TEST_F(Warnings, ClearingCountersKeepsTheRunsWarnings) {
  Register_Warning(-302);
  Clear_Warning_Counters();
  EXPECT_EQ(warning_counter(302), 0);
  EXPECT_TRUE(any_warning_registered());
  EXPECT_EQ(warning_status_count(), 1);
}

TEST_F(Warnings, CounterStopsAt4000AndBadCodesAreIgnored) {
  for (int k = 0; k < 4100; ++k) Register_Warning(-7);
  EXPECT_EQ(warning_counter(7), 4000);
  Register_Warning(0);
  Register_Warning(-4001);
  EXPECT_EQ(num_distinct_warnings(), 1);
}

}  // namespace
}  // namespace kavro
