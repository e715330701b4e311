// The SECTIONS section's error blocks, word for word, with the status each
// run returns: sequence and option errors, capacity checks, the rejected
// inputs (bundle size 0, undefined bending-curve points, micropiles) and the
// bar-position errors raised while reading. Also the progress lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/run_kgo.h"

namespace kavro {
namespace {

using test::minimal_deck;
using test::run_kgo;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const std::string kConcrete =
    "4000.0\n0.75\nUse default concrete tensile strength\nUse internal stress-strain curve for concrete\n";

std::string shaft(int number) { return std::to_string(number) + "\n1\n10.0\n36.0\n" + kConcrete + "No rebar\n"; }

// Section 1, a drilled shaft of diameter D with the given rebar block.
std::string shaft_with_rebar(const std::string& diameter, const std::string& rebar) {
  return "1\n1\n1\n10.0\n" + diameter + "\n" + kConcrete + "Rebar Arrangement Not Same As Section Above\n" + rebar;
}
std::string circle(const std::string& bundles, const std::string& per_bundle, const std::string& db,
                   const std::string& cover) {
  return "Rebar in circle\n60000\n29000000\n" + bundles + "\n" + per_bundle + "\n" + db + "\n1.0\n" + cover + "\n0\n";
}
std::string prestressed(const std::string& strands) { return "1\n1\n5\n10.0\n24.0\n" + kConcrete + strands; }

struct ErrorCase {
  const char* name;
  std::string sections;  // lines after the SECTIONS keyword
  std::string report;    // expected consecutive report lines
  int status;
};

const std::string k95 = "Kavro ended prematurely due to input error number INP00095";

const std::vector<ErrorCase>& error_cases() {
  static const std::vector<ErrorCase> cases = {
      {"section out of order", "2\n" + shaft(1) + shaft(3),
       "SECTION DATA OUT-OF-ORDER\n\nExpecting section number 2, but section number 3 was found\n\n\n" + k95 + "\n",
       195},
      {"tensile strength option", "1\n1\n1\n10\n36\n4000\n1\nUse default tensile strength\n",
       "\nINPUT ERROR - Unrecognized command for concrete tensile strength option\n\n\n" + k95, 195},
      {"concrete curve sequence",
       "1\n1\n1\n10\n36\n4000\n1\nUse default concrete tensile strength\nInput stress-strain curve for concrete\n3\n"
       "1 0 0\n3 0.001 2000\n",
       "\nINPUT ERROR - Sequence error encountered when reading concrete stress-strain curve\n\n"
       "Expecting line no. 2 but line no. 3 was read\n\n\n\n\n" + k95,
       195},
      {"stress-strain option",
       "1\n1\n1\n10\n36\n4000\n1\nUse default concrete tensile strength\nUse internal curve\n",
       "\nINPUT ERROR - Unrecognized input for concrete stress-strain option\n\n\n" + k95, 195},
      {"rebar continuation option", "1\n1\n1\n10\n36\n" + kConcrete + "Rebar Same As Above\n",
       "\nINPUT ERROR - Unrecognized command for rebar continuation from section above option\n\n\n" + k95, 195},
      {"rebar arrangement option", "1\n1\n1\n10\n36\n" + kConcrete +
           "Rebar Arrangement Same As Section Above\nRebar in spiral\n60000\n",
       "\nINPUT ERROR - Unrecognized command for rebar arrangement option\n\n\n" + k95, 195},
      {"manual strand out of order",
       prestressed("Manually-positioned strands\n1\n3\n1000\n0.1\n1 3 0 0\n3 3 1 1\n2 3 2 2\n"),
       "INPUT ERROR - Input lines out-of-order for strand no. 2\n\n\n" + k95, 195},
      {"strand option", prestressed("Automatic strands\n"),
       "INPUT ERROR - Unrecognized input for strand no. 1\n\n\n\n" + k95, 195},
      {"bars per bundle 0", shaft_with_rebar("36", circle("6", "0", "1.0", "3")),
       "\n**** Input Data Error No. 84 ****\n\nSection 1 has bars in a circle with 0 bars per bundle.\n"
       "The number of bars per bundle must be 1, 2 or 3.\n\n",
       184},
      {"user curve stiffness zero", "1\n1\n13\n10\n24\n1\n0\n2\n0\n1e10\n1e6\n0\n",
       "\n**** Input Data Error No. 86 ****\n\nPoint 2 of user-defined bending curve 1 of section 1 has a bending "
       "stiffness of zero, so its curvature is undefined.\nEvery point of a bending curve needs a nonzero bending "
       "stiffness.\n\n",
       186},
      {"user curve curvature zero", "1\n1\n-13\n10\n24\n1\n0\n2\n0\n0\n",
       "\n**** Input Data Error No. 86 ****\n\nPoint 1 of user-defined bending curve 1 of section 1 has a curvature of "
       "zero, so its bending stiffness is undefined.\nGive points with nonzero curvature; the curve starts from zero "
       "moment by itself.\n\n",
       186},
      {"user curve moment zero at a curvature", "1\n1\n-13\n10\n24\n1\n0\n1\n0\n0.001\n",
       "Point 1 of user-defined bending curve 1 of section 1 has a moment of zero at a nonzero curvature, so its "
       "bending stiffness is zero.\n",
       186},
      {"micropile", "2\n" + shaft(1) + "2\n14\n10.0\n",
       "\n**** Input Data Error No. 87 ****\n\nMicropile sections (section type 14) cannot be analysed: the input "
       "gives no cross-section\nor materials for them. Section 2 is a micropile; describe it with another section "
       "type.\n\n",
       187},
      {"21 sections", "21\n", "\n**** Input Data Error No. 83 ****\n\nThe number of pile sections is 21, more than "
       "the limit of 20.\nReduce the number of entries to the limit or less.\n\n", 183},
      {"negative section count", "-1\n", "The number of pile sections is -1. It cannot be negative.\n", 188},
      {"301 bars in a noncircular pattern",
       shaft_with_rebar("36", "Rebar in noncircular pattern\n60000\n29e6\n301\n"),
       "The number of reinforcing bars is 301, more than the limit of 300.\n", 183},
      {"151 bundles of 2 bars", shaft_with_rebar("36", circle("151", "2", "1.0", "3")),
       "The number of reinforcing bars is 302, more than the limit of 300.\n", 183},
      {"301 autopositioned strands", prestressed("Autoposition strands\n1\n3\n301\n"),
       "The number of prestressing strands is 301, more than the limit of 300.\n", 183},
      {"301 manual strands", prestressed("Manually-positioned strands\n1\n301\n"),
       "The number of prestressing strands is 301, more than the limit of 300.\n", 183},
      {"101 concrete curve points",
       "1\n1\n1\n10\n36\n4000\n1\nUse default concrete tensile strength\nInput stress-strain curve for concrete\n101\n",
       "The number of points of the concrete stress-strain curve is 101, more than the limit of 100.\n", 183},
      {"101 user curves", "1\n1\n13\n10\n24\n101\n",
       "The number of user-defined bending curves is 101, more than the limit of 100.\n", 183},
      {"151 user curve points", "1\n1\n13\n10\n24\n1\n0\n151\n",
       "The number of points of a user-defined bending curve is 151, more than the limit of 150.\n", 183},
      // Bar-position errors end the run with their own values and no error-stop line.
      {"bar larger than the shaft", shaft_with_rebar("1.0", circle("6", "1", "2.0", "3")),
       "**** RUNTIME ERROR NO. 39 ****\n\nPROBLEM:  Input error for calculation of rebar positions.\n"
       "          Rebar diameter is greater than pile diameter.\nSOLUTION: Correct pile geometry data.\n",
       239},
      {"zero shaft diameter", shaft_with_rebar("0.0", circle("6", "1", "0.0", "3")),
       "**** RUNTIME ERROR NO. 40 ****\n\nPROBLEM:  Input error for calculation of rebar positions.\n"
       "          Pile diameter is less than zero.\nSOLUTION: Correct pile geometry data.\n",
       240},
      {"zero cover", shaft_with_rebar("36", circle("6", "1", "1.0", "0")),
       "**** RUNTIME ERROR NO. 41 ****\n\nPROBLEM:  Input error for calculation of rebar positions.\n"
       "          Clear cover over rebar is less than zero.\nSOLUTION: Correct pile geometry data.\n",
       241},
      {"no bundles", shaft_with_rebar("36", circle("0", "1", "1.0", "3")),
       "**** RUNTIME ERROR NO. 42 ****\n\nPROBLEM:  Input error for calculation of rebar positions.\n"
       "          Number of bar bundles is less than zero or greater than 300.\nSOLUTION: Correct pile geometry data.\n",
       242},
      {"4 bars per bundle", shaft_with_rebar("36", circle("6", "4", "1.0", "3")),
       "**** RUNTIME ERROR NO. 43 ****\n\nPROBLEM:  Input error for calculation of rebar positions.\n"
       "          Number of bars per bundle is less than zero or greater than 3.\nSOLUTION: Correct pile geometry data.\n",
       243},
      {"strand circle of zero radius", prestressed("Autoposition strands\n1\n3\n8\n1000\n0.1\n12.0\n0\n"),
       "**** RUNTIME ERROR NO. 44 ****\n\nPROBLEM:  Calculation error for rebar positions.\n"
       "          Computed diameter of rebar circle is less than or equal to zero.\nSOLUTION: Correct pile geometry "
       "data.\n",
       244},
  };
  return cases;
}

class SectionErrorTest : public ::testing::TestWithParam<int> {};

TEST_P(SectionErrorTest, WritesItsBlockAndStops) {
  const ErrorCase& c = error_cases()[GetParam()];
  SCOPED_TRACE(c.name);
  const auto run = run_kgo(minimal_deck("Units USCS", "SECTIONS\n" + c.sections));
  EXPECT_FALSE(run.crashed) << run.stderr_text;
  EXPECT_EQ(run.status, c.status);
  EXPECT_TRUE(contains(run.report, c.report)) << run.report;
  // The sequence and option blocks are the first lines of the report.
  if (c.status == 195) {
    EXPECT_EQ(run.report.rfind(c.report, 0), 0u) << run.report;
  }
  // Bar-position errors set the state without the error-stop line.
  EXPECT_EQ(contains(run.report, "ended prematurely"), c.status < 200) << run.report;
}

INSTANTIATE_TEST_SUITE_P(AllErrors, SectionErrorTest, ::testing::Range(0, int(error_cases().size())));

TEST(SectionsErrors, InputErrorBlocksAlsoGoToTheRuntimeMessages) {
  const auto run = run_kgo(minimal_deck("Units USCS", "SECTIONS\n" + shaft_with_rebar("36", circle("6", "0", "1", "3"))));
  EXPECT_EQ(run.status, 184);
  EXPECT_TRUE(contains(run.messages, "**** Input Data Error No. 84 ****")) << run.messages;
}

TEST(SectionsErrors, EveryBlockWritesItsProgressLine) {
  const std::string deck = minimal_deck(
      "Units USCS",
      "SECTIONS\n4\n" + shaft(1) +
          "2\n5\n10\n24\n" + kConcrete + "Autoposition strands\n1\n3\n8\n1000\n0.1\n3\n0\n" +
          "3\n11\n10\n2\n3e6\n24\n24\n452\n452\n16286\n16286\n" +
          "4\n12\n10\n2\n3e6\n5e6\n5e6\n24\n24\n452\n452\n16286\n16286\n");
  const auto run = run_kgo(deck);
  EXPECT_FALSE(run.crashed);
  EXPECT_TRUE(contains(run.messages,
                       "Reading section properties for Section 1\nReading concrete property data for Section 1\n"
                       "Reading rebar property data for Section 1\nReading section properties for Section 2\n"
                       "Reading concrete property data for Section 2\nReading prestressing strand data for Section 2\n"
                       "Reading section properties for Section 3\nReading elastic section properties for Section 3\n"
                       "Reading section properties for Section 4\n"
                       "Reading elastic-plastic section properties for Section 4\n"))
      << run.messages;
}

}  // namespace
}  // namespace kavro
