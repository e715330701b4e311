// Whole decks with the loading and analysis-option sections: their progress
// lines, the soil-movement error block word for word, capacity and
// end-of-file stops, and the sections that depend on an option.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/run_kgo.h"

namespace kavro {
namespace {

using test::minimal_deck;
using test::run_kgo;

// A file's text holds `part`; a part that starts with a line end may also
// start the file.
bool contains(const std::string& text, const std::string& part) {
  return ("\n" + text).find(part) != std::string::npos;
}

std::string block(const std::vector<std::string>& lines) {
  std::string s = "\n";
  for (const auto& l : lines) s += l + "\n";
  return s;
}

// A minimal deck with some option lines switched, e.g. {"UseSoilMovement NO", "UseSoilMovement YES"}.
std::string deck(const std::string& units, const std::string& body,
                 const std::vector<std::pair<std::string, std::string>>& switches = {}) {
  std::string d = minimal_deck(units, body);
  for (const auto& [from, to] : switches) {
    const auto at = d.find("\n" + from + "\n");
    if (at != std::string::npos) d.replace(at + 1, from.size(), to);
  }
  return d;
}

// Decks with load cases but no pile or soil are read as bending-property
// runs, so that the status reflects the reading alone: with no sections
// nothing is analysed after the input.
const std::pair<std::string, std::string> kEIOnly = {"ComputeEIOnly NO", "ComputeEIOnly YES"};

const std::vector<std::pair<std::string, std::string>> kAllModesOn = {
    {"UseSoilMovement NO", "UseSoilMovement YES"},   {"PrintPYCurves NO", "PrintPYCurves YES"},
    {"ComputeKmatrix NO", "ComputeKmatrix YES"},     {"ComputePushover NO", "ComputePushover YES"},
    {"ComputePileBuckling NO", "ComputePileBuckling YES"}, kEIOnly};

// Every section once, with data.
const char* const kAllSections =
    "AXIAL THRUST LOADS\n2\n1 100\n2 50\n"
    "TIP SHEAR\n2\n1 0 0\n2 0.5 100\n"
    "PILE BATTER AND SLOPE\n0\n5\n"
    "GROUPEFF\n1\n1 0 1 1\n"
    "LRFD LOADS\n1\n1 1 10 0 0 0\n"
    "LRFD FACTORS AND CASES\n1\n1 1 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nName\n"
    "LOADING\n1\n1 1 100 0 0 1\n0\n"
    "SOIL MOVEMENTS\n2\n1 0 1\n2 10 0\n"
    "DEPTHS OF PRINTED P-Y CURVES\n1\n1 5\n"
    "FOUNDATION STIFFNESS\n0\n5\n0\n"
    "PILE PUSHOVER ANALYSIS DATA\n0\n1\n10\n2.0\n0.1\n0\n"
    "PILE BUCKLING ANALYSIS DATA\n0\n10\n100\n0\n0\n0\n50000\n";

TEST(LoadingDeck, EverySectionWritesItsProgressLine) {
  auto r = run_kgo(deck("Units USCS", kAllSections, kAllModesOn));
  ASSERT_FALSE(r.crashed);
  ASSERT_EQ(r.status, 0) << r.report;
  EXPECT_TRUE(contains(r.messages, block({"Reading analysis options",
                                          "Reading axial thrust force data for EI-only computations",
                                          "Reading tip shear data",
                                          "Reading pile batter and ground slope angles",
                                          "Reading p-y multiplier data",
                                          "Reading LRFD unfactored load data",
                                          "Reading LRFD load and resistance factor data ",
                                          "Reading pile head loading data",
                                          "Reading soil movement data",
                                          "Reading p-y output depths and optional y-values data",
                                          "Input of data completed"})))
      << r.messages;
}

// Counts of zero read nothing and write no progress line.
TEST(LoadingDeck, EmptyCountsWriteNoProgressLine) {
  auto r = run_kgo(deck("Units SI", "AXIAL THRUST LOADS\n0\nTIP SHEAR\n0\nGROUP EFFECT FACTORS\n0\n", {kEIOnly}));
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 0) << r.report;
  EXPECT_FALSE(contains(r.messages, "Reading axial thrust"));
  EXPECT_FALSE(contains(r.messages, "Reading tip shear"));
  EXPECT_FALSE(contains(r.messages, "Reading p-y multiplier"));
}

TEST(LoadingDeck, GroupEffectFactorsIsGroupeff) {
  for (const char* key : {"GROUPEFF", "GROUP EFFECT FACTORS"}) {
    auto r = run_kgo(deck("Units USCS", std::string(key) + "\n2\n1 0 0.5 1\n2 30 1 1\n"));
    ASSERT_FALSE(r.crashed);
    EXPECT_LT(r.status, 100) << key << r.report;
    EXPECT_TRUE(contains(r.messages, "\nReading p-y multiplier data\n")) << key;
  }
}

// Sections whose option is off take no data lines: a data line left in the
// file is then an unrecognised keyword line.
TEST(LoadingDeck, SectionsOfOptionsThatAreOffReadNoData) {
  for (const char* key : {"SOIL MOVEMENTS", "DEPTHS OF PRINTED P-Y CURVES", "FOUNDATION STIFFNESS",
                          "PILE PUSHOVER ANALYSIS DATA", "PILE BUCKLING ANALYSIS DATA"}) {
    auto bare = run_kgo(deck("Units USCS", std::string(key) + "\n"));
    ASSERT_FALSE(bare.crashed);
    EXPECT_LT(bare.status, 100) << key;
    auto with_data = run_kgo(deck("Units USCS", std::string(key) + "\n2\n"));
    EXPECT_EQ(with_data.status, 199) << key;
  }
}

TEST(LoadingDeck, SoilMovementCountError53InBothFiles) {
  for (int n : {1, 101}) {
    const std::string count = std::to_string(n);
    auto r = run_kgo(deck("Units USCS", "SOIL MOVEMENTS\n" + count + "\n1 0 1\n",
                          {{"UseSoilMovement NO", "UseSoilMovement YES"}}));
    ASSERT_FALSE(r.crashed);
    EXPECT_EQ(r.status, 153);
    const std::string b = block({"**** Input Data Error No. 53 ****", "",
                                 "Number of lines specified for soil movement data = " + count,
                                 "The number of lines of soil movement data cannot be less than 2 or exceed 100.", ""});
    EXPECT_TRUE(contains(r.messages, "\nReading soil movement data" + b)) << r.messages;
    EXPECT_TRUE(contains(r.report, b + "\n\nKavro ended prematurely due to input error number INP00053\n")) << r.report;
  }
}

TEST(LoadingDeck, CountAboveCapacityStopsWith83) {
  std::string body = "TIP SHEAR\n52\n";
  for (int k = 1; k <= 52; ++k) body += std::to_string(k) + " " + std::to_string(k) + " 1\n";
  auto r = run_kgo(deck("Units USCS", body));
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 183);
  EXPECT_TRUE(contains(r.report, "The number of tip shear points is 52, more than the limit of 51.")) << r.report;
  EXPECT_FALSE(contains(r.messages, "Reading tip shear data"));
}

// Truncated and garbled sections stop with a clear input error.
TEST(LoadingDeck, TruncatedOrUnreadableDataStops) {
  struct Case {
    std::string tail;  // replaces the end of the deck, including END
    int status;
  };
  const Case cases[] = {
      {"LOADING\n3\n1 1 100 0 0 1\n", 180},
      {"LRFD FACTORS AND CASES\n1\n1 1 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\n", 180},
      {"PILE BATTER AND SLOPE\n0\n", 180},
      {"LOADING\ntwo\n", 181},
      {"LRFD LOADS\n1\n1 DL 10 0 0 0\nEND\n", 181},
      {"TIP SHEAR\n1\n1 0.0 x\nEND\n", 181},
  };
  for (const Case& c : cases) {
    std::string d = minimal_deck("Units USCS");
    d.erase(d.size() - 4);  // "END\n"
    auto r = run_kgo(d + c.tail);
    ASSERT_FALSE(r.crashed) << c.tail;
    EXPECT_EQ(r.status, c.status) << c.tail << r.report;
  }
}

}  // namespace
}  // namespace kavro
