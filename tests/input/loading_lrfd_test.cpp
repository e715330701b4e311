// LRFD LOADS and LRFD FACTORS AND CASES: values stored, the default
// resistance factor, the full tables, and every error block word for word
// with its status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/errors.h"
#include "input/list_reader.h"
#include "input/readers.h"
#include "model/problem_model.h"
#include "tests/support/run_kgo.h"

namespace kavro {
namespace {

using input::LineSource;
using test::minimal_deck;
using test::run_kgo;

void reset_model() {
  initialise_run_state();
  pm.options = RunOptions{};
  pm.options.IUNITS = kUnitsUS;
  pm.lrfd = LRFDData{};
}

std::string read_section(void (*reader)(LineSource&), const std::string& body) {
  LineSource src;
  src.open_text(body + "NEXT SECTION\n");
  reader(src);
  std::string line;
  return src.next(line) ? line : "<end of file>";
}

// The lines as they appear in a file: each followed by a line end, the
// first one at the start of a line.
std::string block(const std::vector<std::string>& lines) {
  std::string s = "\n";
  for (const auto& l : lines) s += l + "\n";
  return s;
}

// A file's text holds `part`; a part that starts with a line end may also
// start the file.
bool contains(const std::string& text, const std::string& part) {
  return ("\n" + text).find(part) != std::string::npos;
}

// 13 load factors, then the moment and shear resistance factors.
std::string factors_line(int n, double f1, double rm, double rv) {
  std::string s = std::to_string(n) + " " + std::to_string(f1);
  for (int t = 2; t <= 13; ++t) s += " 0";
  return s + " " + std::to_string(rm) + " " + std::to_string(rv);
}

// ---------------------------------------------------------------------------

TEST(LRFDLoads, StoresLoadsAndDistributedPoints) {
  reset_model();
  const std::string body =
      "2\n"
      "1 1 1000.0 5000.0 -20000.0 0\n"
      "2 5 250.0 0.0 0.0 3\n"
      "1 0.0 1.5\n2 10.0 2.5\n3 20.0 0.0\n";
  ASSERT_EQ(read_section(input::Read_LRFD_Loads, body), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const LRFDData& d = pm.lrfd;
  EXPECT_EQ(d.NumLRFDLoads, 2);
  EXPECT_EQ(d.LRFDLoadType[1], 1);
  EXPECT_EQ(d.LRFDShear[1], 1000.0);
  EXPECT_EQ(d.LRFDMoment[1], 5000.0);
  EXPECT_EQ(d.LRFDAxial[1], -20000.0);
  EXPECT_EQ(d.NumLRFDDistPoints[1], 0);
  EXPECT_EQ(d.LRFDLoadType[2], 5);
  EXPECT_EQ(d.NumLRFDDistPoints[2], 3);
  EXPECT_EQ(d.LRFDDistX[2][2], 10.0);
  EXPECT_EQ(d.LRFDDistLoad[2][2], 2.5);
  EXPECT_EQ(d.LRFDDistX[2][3], 20.0);
}

TEST(LRFDLoads, FullTableOf100LoadsWith100PointsEach) {
  reset_model();
  std::string body = "100\n";
  for (int j = 1; j <= 100; ++j) {
    body += std::to_string(j) + " 13 1 2 " + std::to_string(j) + " 100\n";
    for (int k = 1; k <= 100; ++k) body += std::to_string(k) + " " + std::to_string(k) + " " + std::to_string(j) + "\n";
  }
  ASSERT_EQ(read_section(input::Read_LRFD_Loads, body), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(pm.lrfd.NumLRFDLoads, 100);
  EXPECT_EQ(pm.lrfd.LRFDAxial[100], 100.0);
  EXPECT_EQ(pm.lrfd.LRFDDistX[100][100], 100.0);
  EXPECT_EQ(pm.lrfd.LRFDDistLoad[100][100], 100.0);
  EXPECT_EQ(pm.lrfd.LRFDDistLoad[37][1], 37.0);
}

TEST(LRFDCombinations, StoresFactorsNamesAndDefaultResistanceFactors) {
  reset_model();
  std::string line1 = "1 1.25 1.75";
  for (int t = 3; t <= 13; ++t) line1 += " 0." + std::to_string(t);
  line1 += " 0.9 0.85";
  const std::string body = "3\n" + line1 + "\nStrength I  (with blanks)\n" + factors_line(2, 1.0, -1.0, 0.0) +
                           "\nService\n" + factors_line(3, 0.5, 0.0, 0.7) + "\n\n";
  ASSERT_EQ(read_section(input::Read_LRFD_Factors_And_Cases, body), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const LRFDData& d = pm.lrfd;
  EXPECT_EQ(d.NumLRFDCombinations, 3);
  EXPECT_EQ(d.LRFDFactor[1][1], 1.25);
  EXPECT_EQ(d.LRFDFactor[1][2], 1.75);
  EXPECT_EQ(d.LRFDFactor[1][13], 0.13);
  EXPECT_EQ(d.LRFDResistanceFactorM[1], 0.9);
  EXPECT_EQ(d.LRFDResistanceFactorV[1], 0.85);
  EXPECT_EQ(d.LRFDCombinationName[1].size(), 256u);
  EXPECT_EQ(input::trim_right(d.LRFDCombinationName[1]), "Strength I  (with blanks)");
  EXPECT_EQ(input::trim_right(d.LRFDCombinationName[2]), "Service");
  EXPECT_EQ(input::trim_right(d.LRFDCombinationName[3]), "");
  // Not positive: 0.75, each factor on its own.
  EXPECT_EQ(d.LRFDResistanceFactorM[2], 0.75);
  EXPECT_EQ(d.LRFDResistanceFactorV[2], 0.75);
  EXPECT_EQ(d.LRFDResistanceFactorM[3], 0.75);
  EXPECT_EQ(d.LRFDResistanceFactorV[3], 0.7);
}

TEST(LRFDCombinations, OneHundredCombinationsLoad) {
  reset_model();
  std::string body = "100\n";
  for (int i = 1; i <= 100; ++i) body += factors_line(i, 1.0, 0.9, 0.9) + "\nCase " + std::to_string(i) + "\n";
  ASSERT_EQ(read_section(input::Read_LRFD_Factors_And_Cases, body), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(input::trim_right(pm.lrfd.LRFDCombinationName[100]), "Case 100");
}

// ---------------------------------------------------------------------------
// Error blocks: report only, two empty lines, heading, empty line, the
// lines, two empty lines, then the ending lines of the stop.

struct ErrorCase {
  const char* name;
  std::string body;  // keyword and data lines
  int status;
  std::vector<std::string> lines;  // the block, without the two empty lines before and after
};

std::string loads(const std::string& rows) { return "LRFD LOADS\n" + rows; }
std::string combos(const std::string& rows) { return "LRFD FACTORS AND CASES\n" + rows; }

std::vector<ErrorCase> error_cases() {
  const std::string h94 = "***** Input Data Error No. 94 *****";
  const std::string h98 = "***** Input Data Error No. 98 *****";
  const std::string h95 = "***** Input Data Error No. 95 *****";
  return {
      {"CombinationCount0", combos("0\n"), 194,
       {h94, "", "Number of LRFD load combinations outside of the valid range of 1 to 100.", "",
        "Number of LRFD load combinations input is 0"}},
      {"CombinationCount101", combos("101\n"), 194,
       {h94, "", "Number of LRFD load combinations outside of the valid range of 1 to 100.", "",
        "Number of LRFD load combinations input is 101"}},
      {"AllFactorsZero", combos("2\n" + factors_line(1, 1.0, 0.9, 0.9) + "\nA\n" + factors_line(2, 0.0, 0.9, 0.9) + "\nB\n"),
       172,
       {"***** Input Data Error No. 72 *****", "", "All input load factors for LRFD analysis are zero.", "",
        "The number of the LRFD load combination in error is 2"}},
      {"LoadCount0", loads("0\n"), 198,
       {h98, "", "Number of LRFD loads specified is 0", "This is outside of the valid range to 1 to 100"}},
      {"LoadCountMinus3", loads("-3\n"), 198,
       {h98, "", "Number of LRFD loads specified is -3", "This is outside of the valid range to 1 to 100"}},
      {"LoadCount101", loads("101\n"), 198,
       {h98, "", "Number of LRFD loads specified is 101", "This is outside of the valid range to 1 to 100"}},
      {"LoadOutOfOrder", loads("2\n1 1 10 0 0 0\n3 2 10 0 0 0\n"), 197,
       {"***** Input Data Error No. 97 *****", "", "Input appears to be out-of-order for LRFD loading",
        "Input load number is 3 and the expected load number is 2"}},
      {"DistributedPointOutOfOrder", loads("1\n1 1 10 0 0 3\n1 0 1\n3 5 1\n"), 196,
       {"***** Input Data Error No. 96 *****", "", "Input appears to be out-of-order for LRFD distributed load 1", "",
        "Input distributed load point is 3", " and the expected point number is 2"}},
      {"OneDistributedPoint", loads("2\n1 1 10 0 0 0\n2 1 10 0 0 1\n1 0 1\n"), 195,
       {h95, "", "Number of distributed load points for LRFD load number 2 is outside of the valid range of 0 or 2 to 100.",
        "", "The input number of distributed load points is 1"}},
      {"DistributedPoints101", loads("1\n1 1 10 0 0 101\n"), 195,
       {h95, "", "Number of distributed load points for LRFD load number 1 is outside of the valid range of 0 or 2 to 100.",
        "", "The input number of distributed load points is 101"}},
      {"NegativeDistributedPoints", loads("1\n1 1 10 0 0 -2\n"), 195,
       {h95, "", "Number of distributed load points for LRFD load number 1 is outside of the valid range of 0 or 2 to 100.",
        "", "The input number of distributed load points is -2"}},
  };
}

class LRFDErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(LRFDErrorTest, StopsWithItsBlockInTheReport) {
  const ErrorCase& c = GetParam();
  auto r = run_kgo(minimal_deck("Units USCS", c.body));
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, c.status);
  std::vector<std::string> lines{"", ""};
  lines.insert(lines.end(), c.lines.begin(), c.lines.end());
  for (const char* tail : {"", "", "", ""}) lines.push_back(tail);  // two of the block, two of the stop
  char code[16];
  std::snprintf(code, sizeof code, "INP%05d", c.status - 100);
  lines.push_back(std::string("Kavro ended prematurely due to input error number ") + code);
  EXPECT_TRUE(contains(r.report, block(lines))) << r.report;
  // The block is the report's alone.
  EXPECT_FALSE(contains(r.messages, c.lines.front())) << r.messages;
}

INSTANTIATE_TEST_SUITE_P(EveryBlock, LRFDErrorTest, ::testing::ValuesIn(error_cases()),
                         [](const ::testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });

TEST(LRFDLoads, LoadTypeOutside1To13IsRejected) {
  for (const char* type : {"0", "14"}) {
    auto r = run_kgo(minimal_deck("Units USCS", loads(std::string("1\n1 ") + type + " 10 0 0 0\n")));
    ASSERT_FALSE(r.crashed);
    EXPECT_EQ(r.status, 189) << type;
    EXPECT_TRUE(contains(r.report, "The load type of LRFD load number 1 is " + std::string(type) + ".")) << r.report;
  }
}

TEST(LRFDSections, ValidDataRunsCleanlyWithTheirProgressLines) {
  const std::string body = loads("1\n1 1 10 0 0 2\n1 0 1\n2 10 1\n") +
                           combos("1\n" + factors_line(1, 1.2, -1, 0.9) + "\nStrength\n");
  auto r = run_kgo(minimal_deck("Units SI", body));
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 0) << r.report;
  EXPECT_TRUE(contains(r.messages, "\nReading LRFD unfactored load data\nReading LRFD load and resistance factor data \n"))
      << r.messages;
}

}  // namespace
}  // namespace kavro
