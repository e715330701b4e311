// The OPTIONS section: every rejected line gives its block word for word and
// its status; accepted values are stored as read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/errors.h"
#include "input/readers.h"
#include "model/problem_model.h"
#include "tests/support/run_kgo.h"

using kavro::test::run_kgo;

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The 18 option lines of a valid deck, in order (ComputeInteraction NO).
std::vector<std::string> option_lines() {
  return {"Units USCS",       "UseLRFD NO",         "ComputeKmatrix NO",     "UseTipShear NO",
          "UseSoilMovement NO", "UsePYModifiers NO", "ComputeEIOnly NO",     "Loading STATIC     1",
          "MaxIter 100",      "MaxDefl 100.0",      "Tolerance 1.0E-5",      "Increments 100",
          "PrintSummaryOnly NO", "PrintIncr 1",     "PrintPYCurves NO",      "ComputeInteraction NO",
          "ComputePushover NO", "ComputePileBuckling NO"};
}

std::string deck_with(const std::vector<std::string>& opts) {
  std::string d = "KAVROP7\nTITLE\nOptions check\n\n\n\n\nOPTIONS\n";
  for (const auto& l : opts) d += l + "\n";
  return d + "END\n";
}

struct OptionCase {
  const char* name;
  int line;             // 1-based option line replaced
  const char* text;     // replacement
  int status;
  const char* report;   // text expected in the report
  const char* messages; // text expected in the runtime message file ("" for none)
};

class OptionErrorTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionErrorTest, StopsWithItsBlock) {
  const OptionCase& c = GetParam();
  auto opts = option_lines();
  opts[c.line - 1] = c.text;
  auto r = run_kgo(deck_with(opts));
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, c.status);
  EXPECT_TRUE(contains(r.report, c.report)) << r.report;
  EXPECT_TRUE(contains(r.messages, c.messages)) << r.messages;
  const int n = c.status - 100;
  char code[16];
  std::snprintf(code, sizeof code, "INP%05d", n);
  EXPECT_TRUE(contains(r.report, std::string("\n\nKavro ended prematurely due to input error number ") + code + "\n"));
  EXPECT_TRUE(contains(r.report, "The analysis ended due to input error No. " + std::to_string(n) + "."));
}

const char* const kRecUS = "The recommended value for convergence tolerance is 0.00001 inches.";
const char* const kRecSI = "The recommended value for convergence tolerance is 2.54E-7 meters.";

INSTANTIATE_TEST_SUITE_P(
    Options, OptionErrorTest,
    ::testing::Values(
        OptionCase{"Units", 1, "Units Metric", 199,
                   "\n\n***** INPUT ERROR *****\n\nThe following line is unrecognized or is out-of-order\n\nUnits Metric",
                   "***** INPUT ERROR *****"},
        OptionCase{"LRFD", 2, "UseLRFD yes", 195, "INPUT ERROR - Unrecognized command for LRFD analysis option\n", ""},
        OptionCase{"Kmatrix", 3, "ComputeKmatrix", 195,
                   "INPUT ERROR - Unrecognized command for compute pile-head stiffness matrix option\n", ""},
        OptionCase{"TipShear", 4, "UseTipShear MAYBE", 195, "INPUT ERROR - Unrecognized command for tip shear option\n", ""},
        OptionCase{"SoilMovement", 5, "UseSoilMovement  NO", 195,
                   "INPUT ERROR - Unrecognized command for soil movement option\n", ""},
        OptionCase{"PYModifiers", 6, " UsePYModifiers NO", 195,
                   "INPUT ERROR - Unrecognized command for use of p-y modifiers option\n", ""},
        OptionCase{"EIOnly", 7, "ComputeEIOnly N", 195,
                   "INPUT ERROR - Unrecognized command for compute nonlinear EI only option\n", ""},
        OptionCase{"LoadingType", 8, "Loading STATIK     1", 195,
                   "INPUT ERROR - Unrecognized command for loading type option\n", ""},
        OptionCase{"IterationsLow", 9, "MaxIter 29", 195,
                   "***** Input Data Error No. 95 *****\n\nProblem: Input value for iterations limit = 29 and is less "
                   "than 30 iteractions\nSolution:  Correct input value to be between 30 and 1000 iterations.\n\n\n",
                   ""},
        OptionCase{"IterationsHigh", 9, "MaxIter 1001", 195,
                   "***** Input Data Error No. 95 *****\n\nProblem: Input value for iterations limit = 1001 and is "
                   "more than 1,000 iteractions\nSolution:  Correct input value to be between 30 and 1000 "
                   "iterations.\n\n\n",
                   ""},
        OptionCase{"ToleranceSmallUS", 11, "Tolerance 1.0E-11", 165,
                   "\n**** Input Data Error No. 65 ****\n\nInput value for convergence tolerance is too small (less "
                   "than 1E-10 inches).\nThe recommended value for convergence tolerance is 0.00001 inches.\n\n",
                   "**** Input Data Error No. 65 ****"},
        OptionCase{"ToleranceLargeUS", 11, "Tolerance 0.11", 166,
                   "\n**** Input Data Error No. 66 ****\n\nInput value for convergence tolerance is too large (more "
                   "than 0.1 inches). \nThe recommended value for convergence tolerance is 0.00001 inches.\n\n",
                   "**** Input Data Error No. 66 ****"},
        OptionCase{"Increments39", 12, "Increments 39", 155,
                   "**** Input Data Error No. 55 ****\n\nProblem:  The number of pile increments is less than "
                   "40.\n\nSolution: Increase the number of pile increments to more than 40, preferably more than "
                   "100 increments.\n",
                   "**** Input Data Error No. 55 ****"},
        OptionCase{"Increments501", 12, "Increments 501", 156,
                   "**** Input Data Error No. 56 ****\n\nProblem:  The number of pile increments is more than "
                   "500.\n\nSolution: Limit the number of pile increments to 500 or less.\n",
                   "**** Input Data Error No. 56 ****"},
        OptionCase{"SummaryOnly", 13, "PrintSummaryOnly", 195,
                   "INPUT ERROR - Unrecognized command for print summary only option\n", ""},
        OptionCase{"PYCurves", 15, "PrintPYCurves Yes", 195,
                   "INPUT ERROR - Unrecognized command for p-y curve output depths option\n", ""},
        OptionCase{"Interaction", 16, "ComputeInteraction", 195,
                   "INPUT ERROR - Unrecognized command for compute interaction option\n", ""},
        OptionCase{"InteractionCode", 16, "ComputeInteraction YES\nCode EC2", 195,
                   "INPUT ERROR - Unrecognized command for interaction code option\n", ""},
        OptionCase{"IterationsText", 9, "MaxIter many", 181, "cannot be read as a number", "MaxIter many"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Options, SiToleranceBounds) {
  auto opts = option_lines();
  opts[0] = "Units SI";
  opts[10] = "Tolerance 1.0E-12";
  auto r = run_kgo(deck_with(opts));
  EXPECT_EQ(r.status, 167);
  EXPECT_TRUE(contains(r.report,
                       "\n**** Input Data Error No. 67 ****\n\nInput value for convergence tolerance is too small (less "
                       "than 2.5E-12 meters). \n"));
  EXPECT_TRUE(contains(r.report, kRecSI));
  opts[10] = "Tolerance 0.003";
  r = run_kgo(deck_with(opts));
  EXPECT_EQ(r.status, 168);
  EXPECT_TRUE(contains(r.report,
                       "\n**** Input Data Error No. 68 ****\n\nInput value of convergence tolerance too large (more than "
                       "2.54E-3 meters). \n"));
  // Generic units are not checked.
  opts[0] = "Units GENERAL";
  opts[10] = "Tolerance 5.0";
  EXPECT_EQ(run_kgo(deck_with(opts)).status, 0);
  (void)kRecUS;
}

TEST(Options, AcceptedBoundsAndLenientLines) {
  auto opts = option_lines();
  opts[8] = "MaxIter 30";
  opts[11] = "Increments 40";
  opts[10] = "Tolerance 0.1";  // the single-precision 0.1 bound lets 0.1 itself pass
  opts[16] = "ComputePushover yes";  // lower case leaves push-over off, silently
  EXPECT_EQ(run_kgo(deck_with(opts)).status, 0);
  opts[8] = "MaxIter 1000";
  opts[11] = "Increments 500";
  EXPECT_EQ(run_kgo(deck_with(opts)).status, 0);
  // With ComputeInteraction YES the section has 19 lines.
  opts[15] = "ComputeInteraction YES\nCode AASHTO";
  EXPECT_EQ(run_kgo(deck_with(opts)).status, 0);
}

TEST(Options, DependentSectionWithOptionOffConsumesNoData) {
  // SOIL MOVEMENTS with UseSoilMovement NO: its data line is taken as the
  // next keyword and rejected.
  std::string d = deck_with(option_lines());
  d.insert(d.size() - 4, "SOIL MOVEMENTS\n2\n");
  auto r = run_kgo(d);
  EXPECT_EQ(r.status, 199);
  EXPECT_TRUE(contains(r.report, "out-of-order\n\n2" + std::string(255, ' ') + "\n"));
}

// Reads the option lines directly into the model.
void read_options(const std::vector<std::string>& opts) {
  kavro::reset_problem_model();
  kavro::initialise_run_state();
  std::string text;
  for (const auto& l : opts) text += l + "\n";
  kavro::input::LineSource src;
  src.open_text(text);
  kavro::input::Read_Options(src);
}

TEST(Options, ValuesAreStoredAsRead) {
  const std::vector<std::string> opts = {"Units SI",          "UseLRFD YES",         "ComputeKmatrix YES",   "UseTipShear YES",
          "UseSoilMovement YES", "UsePYModifiers YES", "ComputeEIOnly YES",    "Loading CYCLIC   250",
          "MaxIter 30",        "MaxDefl 2.5",         "Tolerance 2.54E-7",    "Increments 500",
          "PrintSummaryOnly YES", "PrintIncr 5",      "PrintPYCurves YES",    "ComputeInteraction YES",
          "Code       Eurocode2", "ComputePushover YES", "ComputePileBuckling YES"};
  read_options(opts);
  const kavro::RunOptions& o = kavro::pm.options;
  ASSERT_EQ(kavro::pm.FatalErrorValue, 0);
  EXPECT_EQ(o.IUNITS, 2);
  EXPECT_TRUE(o.UseLRFD && o.ComputeKmatrix && o.UseTipShear && o.UseSoilMovement && o.UsePYModifiers);
  EXPECT_EQ(kavro::pm.data.NumPYModifierRows, 1);
  EXPECT_EQ(o.i_Analysis_Type, 2);
  EXPECT_TRUE(o.LoadingIsCyclic);
  EXPECT_EQ(o.NumberOfCycles, 250.0);
  EXPECT_EQ(o.MaxIterations, 30);
  EXPECT_EQ(o.MaxDeflection, 2.5);
  EXPECT_EQ(o.ConvergenceTolerance, 2.54e-7);
  EXPECT_EQ(o.NumIncrements, 500);
  EXPECT_TRUE(o.PrintSummaryOnly);
  EXPECT_EQ(o.PrintIncrement, 5);
  EXPECT_TRUE(o.PrintPYCurves);
  EXPECT_EQ(o.PrintPYCurvesInt, 1);
  EXPECT_TRUE(o.ComputeInteraction);
  EXPECT_EQ(o.InteractionCode, 3);
  EXPECT_TRUE(o.ComputePushover && o.ComputePileBuckling);

  read_options(option_lines());
  EXPECT_EQ(kavro::pm.FatalErrorValue, 0);
  EXPECT_EQ(kavro::pm.options.i_Analysis_Type, 3);
  EXPECT_EQ(kavro::pm.data.NumPYModifierRows, 0);
  EXPECT_EQ(kavro::pm.options.PrintPYCurvesInt, 0);
}

// Line 8: columns 9-14 the loading type, columns 15-20 the number of cycles
// as a real field (blanks ignored).
TEST(Options, NumberOfCyclesField) {
  struct Case {
    const char* line;
    double cycles;  // -1: the field is unreadable (input error 81)
  };
  const Case cases[] = {
      {"Loading CYCLIC   100", 100.0}, {"Loading CYCLIC   2.5", 2.5},    {"Loading CYCLIC 1 0  ", 10.0},
      {"Loading STATIC", 0.0},         {"Loading CYCLIC  1D2", 100.0},   {"Loading CYCLIC 1.5+2", 150.0},
      {"Loading CYCLIC  1e-1", 0.1},   {"Loading CYCLIC   100999", 100.0},  // column 21 on is ignored
      {"Loading CYCLIC  0x10", -1},    {"Loading CYCLIC   inf", -1},     {"Loading CYCLIC 1.5.3", -1},
      {"Loading CYCLIC  many", -1},
  };
  for (const Case& c : cases) {
    auto opts = option_lines();
    opts[7] = c.line;
    read_options(opts);
    if (c.cycles < 0) {
      EXPECT_EQ(kavro::pm.FatalErrorValue, 181) << c.line;
    } else {
      EXPECT_EQ(kavro::pm.FatalErrorValue, 0) << c.line;
      EXPECT_DOUBLE_EQ(kavro::pm.options.NumberOfCycles, c.cycles) << c.line;
    }
  }
}

// Section keywords match exactly: case, leading and inner blanks and other
// characters count; trailing blanks do not. Sections that read with the run
// options are out of order before OPTIONS.
TEST(Driver, KeywordsMatchExactlyAndInOrder) {
  struct Case {
    const char* keyword;
    int status;
  };
  const Case cases[] = {
      {"OPTIONS   ", 0}, {"Options", 199}, {" OPTIONS", 199}, {"OPTIONS\t", 199}, {"OPTION", 199},
  };
  for (const Case& c : cases) {
    std::string d = deck_with(option_lines());
    d.replace(d.find("OPTIONS\n"), 7, c.keyword);
    auto r = run_kgo(d);
    ASSERT_FALSE(r.crashed) << c.keyword;
    EXPECT_EQ(r.status, c.status) << c.keyword;
    if (c.status == 199) {
      std::string echoed(c.keyword);
      echoed.resize(256, ' ');
      EXPECT_TRUE(contains(r.report, "out-of-order\n\n" + echoed + "\n\n\n")) << r.report;
    }
  }
  // Sections that read with the run options come after OPTIONS; the others
  // may come first.
  const std::string head = "KAVROP7\nTITLE\nOrder check\n\n\n\n\n";
  std::string options = deck_with(option_lines());
  options.erase(0, options.find("OPTIONS\n"));
  for (const char* key : {"SECTIONS", "SOIL MOVEMENTS", "DEPTHS OF PRINTED P-Y CURVES", "FOUNDATION STIFFNESS",
                          "PILE PUSHOVER ANALYSIS DATA", "PILE BUCKLING ANALYSIS DATA"}) {
    auto r = run_kgo(head + key + "\n0\n" + options);
    EXPECT_EQ(r.status, 199) << key;
    std::string echoed(key);
    echoed.resize(256, ' ');
    EXPECT_TRUE(contains(r.report, "out-of-order\n\n" + echoed + "\n")) << key << r.report;
  }
  EXPECT_EQ(run_kgo(head + "PILE BATTER AND SLOPE\n0\n0\n" + options).status, 0);
  std::string after = head + options;
  after.insert(after.size() - 4, "SECTIONS\n0\n");
  EXPECT_EQ(run_kgo(after).status, 0);

  // Keywords with inner blanks need them exactly.
  std::string d = deck_with(option_lines());
  d.insert(d.size() - 4, "GROUP  EFFECT FACTORS\n0\n");
  EXPECT_EQ(run_kgo(d).status, 199);
}

}  // namespace
