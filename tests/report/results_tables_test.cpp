// Results of the load cases, the summaries and the warning summary.
#include "report/results_tables.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "analysis/load_cases.h"
#include "analysis/nodes.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "report/warnings.h"
#include "section/moment_curvature.h"
#include "tests/support/run_kgo.h"

namespace kavro {
namespace {

// A scratch file of this test process (test cases run as parallel processes).
std::string scratch(const std::string& name) { return testing::TempDir() + std::to_string(getpid()) + "_" + name; }

using test::KgoRun;
using test::run_kgo;

int count_of(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
  return n;
}

std::string slurp(const std::string& path) {
  std::ifstream f(path);
  std::stringstream ss;
  ss << f.rdbuf();
  std::remove(path.c_str());  // read once
  return ss.str();
}

// An elastic 24-in pipe, 60 ft, in a uniform elastic subgrade.
std::string deck(const std::string& units, const std::string& loads, int print_increment = 5,
                 bool summary_only = false) {
  std::ostringstream d;
  d << "KAVROP7\nTITLE\nResults test\n\n\n\n\nOPTIONS\nUnits " << units
    << "\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
       "ComputeEIOnly NO\nLoading STATIC     1\nMaxIter 100\nMaxDefl 100.0\nTolerance "
    << (units == "SI" ? "2.54E-7" : "1.0E-5") << "\nIncrements 100\nPrintSummaryOnly " << (summary_only ? "YES" : "NO")
    << "\nPrintIncr " << print_increment
    << "\nPrintPYCurves NO\nComputeInteraction NO\nComputePushover NO\nComputePileBuckling NO\n";
  if (units == "SI")
    d << "SECTIONS\n1\n1\n11\n18.0\n3\n200000000.0\n610.0\n610.0\n12.7\n12.7\n23800.0\n23800.0\n1.06e9\n1.06e9\n"
         "SOIL LAYERS\n1\n13 0.0 18.0\n 9.0 13000.0\n 9.0 13000.0\n";
  else
    d << "SECTIONS\n1\n1\n11\n60.0\n3\n29000000.0\n24.0\n24.0\n0.5\n0.5\n36.914\n36.914\n2549.35\n2549.35\n"
         "SOIL LAYERS\n1\n13 0.0 60.0\n 55.0 50.0\n 55.0 50.0\n";
  d << "LOADING\n" << loads << "END\n";
  return d.str();
}

const std::string kFiveCases =
    "5\n1 1 10000.0 50000.0 1000.0 1\n2 2 10000.0 0.0 1000.0 1\n3 3 10000.0 1.0E9 1000.0 1\n"
    "4 4 0.25 0.0 1000.0 1\n5 5 0.25 0.0 1000.0 1\n0\n";

TEST(ResultsTables, BlocksOfEveryLoadType) {
  const KgoRun r = run_kgo(deck("USCS", kFiveCases));
  ASSERT_EQ(r.status, 0) << r.report;
  const std::string heading =
      "\n\n--------------------------------------------------------------------------------\n"
      "                 Computed Values of Pile Loading and Deflection\n"
      "                   for Lateral Loading for Load Case Number 3\n"
      "--------------------------------------------------------------------------------\n\n";
  EXPECT_NE(r.report.find(heading), std::string::npos);
  const char* lines[] = {
      "Pile-head conditions are Shear and Moment (Loading Type 1)\n\n"
      "Shear force at pile head                               =      10000.0 lbs\n"
      "Applied moment at pile head                            =      50000.0 in-lbs\n"
      "Axial thrust load on pile head                         =       1000.0 lbs\n\n",
      "Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)\n\n"
      "Shear force at pile head                               =      10000.0 lbs\n"
      "Rotation of pile head                                  =    0.000E+00 radians\n"
      "Axial load at pile head                                =       1000.0 lbs\n\n"
      "(Zero slope for this load indicates fixed-head conditions)\n\n",
      "Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)\n",
      "Rotational stiffness                                   = 1000000000.0 in-lb/rad\n",
      "Pile-head conditions are Displacement and Moment (Loading Type 4)\n",
      "Displacement of pile head                              =     0.250000 inches\n",
      "Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)\n",
      "Axial load on pile head                                =       1000.0 lbs\n",
      "   feet      inches     in-lbs      lbs       radians     psi*      lb-in^2    lb/in      lb/inch    lb/inch \n"
      "---------- ---------- ---------- ---------- ---------- ---------- ---------- ---------- ---------- ----------\n"
      "      0.00",
      "* The above values of total stress are combined axial and bending stresses. \n",
      "Output Verification: Computed forces and moments are within specified convergence limits.\n",
      "Output Summary for Load Case No. 5:\n\nPile-head deflection             =      0.2500000 inches\n",
      "Number of iterations             =              6\n",
  };
  for (const char* l : lines) EXPECT_NE(r.report.find(l), std::string::npos) << l;
  // The converged solution of every head condition satisfies the segment
  // equilibrium, the head segment included.
  EXPECT_EQ(count_of(r.report, "Output Verification: Computed forces and moments are within specified convergence limits.\n"), 5);
  EXPECT_EQ(r.report.find("POSSIBLE SOLUTION ERROR"), std::string::npos);
  // Every fifth node of 101: 21 rows per case.
  EXPECT_EQ(count_of(r.report, "\n      0.00 "), 5);
  EXPECT_EQ(count_of(r.report, "\n    60.000 "), 5);
  // Plot records: 9 once, 10 for every node of every case, 13 per case.
  EXPECT_EQ(count_of(r.plot, "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI"), 1);
  EXPECT_NE(r.plot.find("    5  101    1"), std::string::npos);
  EXPECT_EQ(count_of(r.plot, ") : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)"), 505);
  EXPECT_EQ(count_of(r.plot, "Line 13: TopV(lbs), TopY(in)"), 5);
  EXPECT_LT(r.plot.find("Line 10(101)"), r.plot.find("Line 11:"));
}

// A tapered elastic pile (36 in at the head to 12 in at the tip): the
// stiffness of node 2 differs from the head's, and the head segment still
// balances. Every head condition, in US and SI units.
TEST(ResultsTables, TaperedPileSatisfiesSegmentEquilibrium) {
  for (const char* units : {"USCS", "SI"}) {
    SCOPED_TRACE(units);
    std::string d = deck(units, units == std::string("SI") ? "5\n1 1 100.0 50.0 5.0 1\n2 2 100.0 0.0 5.0 1\n"
                                                             "3 3 100.0 1.0E5 5.0 1\n4 4 0.01 0.0 5.0 1\n"
                                                             "5 5 0.01 0.001 5.0 1\n0\n"
                                                           : kFiveCases);
    const std::string top = units == std::string("SI") ? "\n610.0\n610.0\n" : "\n24.0\n24.0\n";
    d.replace(d.find(top), top.size(), units == std::string("SI") ? "\n900.0\n300.0\n" : "\n36.0\n12.0\n");
    const KgoRun r = run_kgo(d);
    ASSERT_EQ(r.status, 0) << r.report;
    EXPECT_EQ(count_of(r.report, "Output Verification: Computed forces and moments are within specified convergence "
                                 "limits.\n"),
              5);
    EXPECT_EQ(r.report.find("POSSIBLE SOLUTION ERROR"), std::string::npos) << r.report.substr(r.report.find("POSSIBLE"), 400);
  }
}

// Total stress of a rectangular elastic pile, 12 in wide and 36 in deep in
// the bending direction, under a head moment: Q/A + M (d/2)/I at the head.
TEST(ResultsTables, RectangularSectionStressAtHalfTheDepth) {
  std::string d = deck("USCS", "1\n1 1 0.0 1.0E6 10000.0 1\n0\n");
  const std::string pipe = "\n3\n29000000.0\n24.0\n24.0\n0.5\n0.5\n36.914\n36.914\n2549.35\n2549.35\n";
  d.replace(d.find(pipe), pipe.size(), "\n1\n29000000.0\n12.0\n12.0\n36.0\n36.0\n432.0\n432.0\n46656.0\n46656.0\n");
  const KgoRun r = run_kgo(d);
  ASSERT_EQ(r.status, 0) << r.report;
  const auto t = r.report.find("---------- ---------- ");
  ASSERT_NE(t, std::string::npos);
  std::istringstream row(r.report.substr(r.report.find('\n', t) + 1));
  double depth, y, M, V, S, stress;
  row >> depth >> y >> M >> V >> S >> stress;
  EXPECT_NEAR(M, 1.0e6, 1.0);
  EXPECT_NEAR(stress, 10000.0 / 432.0 + 1.0e6 * 18.0 / 46656.0, 1e-3);
}

TEST(ResultsTables, SummaryOfPileResponses) {
  const KgoRun r = run_kgo(deck("USCS", kFiveCases));
  ASSERT_EQ(r.status, 0);
  const std::string head =
      "\n\n\n--------------------------------------------------------------------------------\n"
      "                           Summary of Pile Response(s)\n"
      "--------------------------------------------------------------------------------\n\n"
      "Definitions of Pile-head Loading Conditions:\n\n"
      "Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs\n";
  EXPECT_NE(r.report.find(head), std::string::npos);
  EXPECT_NE(r.report.find("----  ----  --------------  --------------  -------------  -------------  -------------  "
                          "-------------  -------------\n  1     1   V = 10000.0000  M =     50000."),
            std::string::npos);
  for (const char* t : {"\n  2     2   V = ", "\n  3     3   V = ", "\n  4     4   y =     0.2500  M =      0.000",
                        "\n  5     5   y =     0.2500  S =      0.000"})
    EXPECT_NE(r.report.find(t), std::string::npos) << t;
  // For imposed deflections the computed head shear goes to record 13.
  const auto p13 = r.plot.rfind("Line 13:");
  const std::string last = r.plot.substr(r.plot.rfind('\n', p13) + 1, 15);
  EXPECT_NE(std::stod(last), 0.0);
}

TEST(ResultsTables, PrintIncrementBeyondThePileShowsTheHeadOnly) {
  const KgoRun r = run_kgo(deck("USCS", "1\n1 1 10000.0 0.0 0.0 1\n0\n", 500));
  ASSERT_EQ(r.status, 0);
  const auto t = r.report.find("---------- ---------- ");
  ASSERT_NE(t, std::string::npos);
  const std::string after = r.report.substr(r.report.find('\n', t) + 1);
  EXPECT_EQ(after.substr(0, 10), "      0.00");
  EXPECT_EQ(after.substr(after.find('\n') + 1, 1), "\n");  // one row, then the blank line of the note
}

TEST(ResultsTables, SummaryOnlyKeepsSummariesAndPlotRecords) {
  const KgoRun r = run_kgo(deck("USCS", kFiveCases, 5, true));
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.report.find("Computed Values of Pile Loading and Deflection"), std::string::npos);
  EXPECT_EQ(r.report.find("Output Verification"), std::string::npos);
  EXPECT_NE(r.report.find("Summary of Pile Response(s)"), std::string::npos);
  EXPECT_EQ(count_of(r.plot, ") : nodal depth"), 505);
  EXPECT_EQ(count_of(r.plot, "Line 13:"), 5);
}

TEST(ResultsTables, SIUnits) {
  const KgoRun r = run_kgo(deck("SI", "1\n1 1 40.0 0.0 0.0 1\n0\n"));
  ASSERT_EQ(r.status, 0) << r.report;
  for (const char* t :
       {"Shear force at pile head                               =       40.000 kN\n",
        "   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     kN/m        kN/m      kN/m    \n",
        " meters\n", " kN-m\n", " meters below pile head\n", "Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m \n",
        "Case  Type    V(kN) or       kN-m, rad.,       Loading"})
    EXPECT_NE(r.report.find(t), std::string::npos) << t;
  EXPECT_NE(r.plot.find(") : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)"), std::string::npos);
}

TEST(ResultsTables, GenericUnitsOmitTheUnitBlocks) {
  std::string d = deck("USCS", "1\n1 1 10000.0 0.0 0.0 1\n0\n");
  d.replace(d.find("Units USCS"), 10, "Units GENERAL");
  const KgoRun r = run_kgo(d);
  ASSERT_EQ(r.status, 0) << r.report;
  EXPECT_EQ(r.report.find("Pile-head conditions are"), std::string::npos);
  EXPECT_EQ(r.report.find("Definitions of Pile-head Loading Conditions"), std::string::npos);
  EXPECT_EQ(r.report.find("Condition 1    Condition 2"), std::string::npos);
  EXPECT_NE(r.report.find("Output Summary for Load Case No. 1:"), std::string::npos);
  EXPECT_NE(r.report.find("----  ----  ------"), std::string::npos);
  EXPECT_NE(r.report.find("\n  1     1   V = "), std::string::npos);
}

// ---------------------------------------------------------------- pieces

class ResultsPieces : public testing::Test {
 protected:
  void SetUp() override {
    reset_problem_model();
    pm.options.IUNITS = kUnitsUS;
    set_unit_labels();
    pm.pile.NumSections = 2;
    pm.pile.Section[1].SectionType = 11;
    pm.pile.Section[2].SectionType = 1;
    pm.loads.NumLoadCases = 1;
    nodes.NumIncrements = 4;
    nodes.NumNodes = 5;
    nodes.h = 10.0;
    nodes.y.fill(0.0);
    for (int m = 1; m <= 5; ++m) {
      nodes.x[m] = 10.0 * (m - 1);
      nodes.Section[m] = m <= 2 ? 1 : 2;
      nodes.M[m] = nodes.V[m] = nodes.S[m] = nodes.p[m] = 0.0;
      nodes.SoilModulusEs[m] = nodes.DistributedLoad[m] = 0.0;
      nodes.EI[m] = 1e9;
    }
    load_case = LoadCaseState{};
    load_case.k = 1;
    load_case.hc = {1, 100.0, 0.0, 0.0};
    ASSERT_TRUE(report_unit().open(scratch("results_pieces.txt")));
    ASSERT_TRUE(plot_unit().open(scratch("results_pieces_plot.txt")));
  }
  std::string report() {
    report_unit().close();
    plot_unit().close();
    std::remove(scratch("results_pieces_plot.txt").c_str());
    return slurp(scratch("results_pieces.txt"));
  }
  void TearDown() override {
    if (report_unit().is_open()) report();
  }
};

TEST_F(ResultsPieces, ZeroDeflectionPointsAndMaxima) {
  const double y[] = {0.5, 1e-22, 0.2, -0.1, 0.0};  // +, (0), +, -, 0
  for (int m = 1; m <= 5; ++m) nodes.y[m] = y[m - 1];
  const double M[] = {0.0, 30.0, -30.0, 10.0, 0.0};
  const double V[] = {100.0, -100.0, 50.0, 0.0, 0.0};
  for (int m = 1; m <= 5; ++m) nodes.M[m] = M[m - 1], nodes.V[m] = V[m - 1];
  Record_Load_Case_Results(1, false);
  const CaseResults& c = case_results[1];
  EXPECT_EQ(c.ZeroDeflectionPoints, 1);  // touching zero is no sign change
  EXPECT_EQ(c.MaxMoment, 30.0);          // ties keep the shallowest node
  EXPECT_EQ(c.MaxMomentDepth, 10.0);
  EXPECT_EQ(c.MaxShear, 100.0);
  EXPECT_EQ(c.MaxShearDepth, 0.0);
  EXPECT_EQ(c.SectionMaxMoment[1], 30.0);
  EXPECT_EQ(c.SectionMaxMoment[2], -30.0);
  EXPECT_EQ(c.SectionMaxShear[2], 50.0);
  EXPECT_EQ(c.HeadShear, 100.0);  // the applied shear for a force-controlled head
}

TEST_F(ResultsPieces, EquilibriumFailureIsReported) {
  // A moment at node 3 that no shear or load carries.
  nodes.M[3] = 500.0;
  Record_Load_Case_Results(1, true);
  EXPECT_FALSE(fn_Equilibrium_Verified(1));
  EXPECT_EQ(case_results[1].MomentImbalance, 500.0);
  EXPECT_EQ(case_results[1].MomentImbalanceNode, 4);  // segment (2, 3) reported as node j + 2
  const std::string r = report();
  EXPECT_NE(r.find("\n**** Warning - POSSIBLE SOLUTION ERROR 5501 ****\n"), std::string::npos) << r;
  EXPECT_NE(r.find("Maximum moment imbalance of a pile segment = "), std::string::npos);
  EXPECT_EQ(r.find("Output Verification"), std::string::npos);
  EXPECT_NE(r.find("* This analysis computed pile response using nonlinear moment-curvature relationships.  "),
            std::string::npos);
}

TEST_F(ResultsPieces, WarningSummary) {
  Reset_Warning_Registry();
  Write_Warning_Summary();
  Register_Warning(-3041);
  Register_Warning(-3041);
  Register_Warning(-305);
  Register_Warning(-1234);
  Register_Warning(-353);
  Register_Warning(-356);
  Write_Warning_Summary();
  Reset_Warning_Registry();
  const std::string r = report();
  EXPECT_EQ(r.find("\n\nNo error or warning messages were generated by this analysis.\n\n"), 0u) << r;
  const std::string summary =
      "\n\n--------------------------------------------------------------------------------\n"
      "                          Summary of Warning Messages\n"
      "--------------------------------------------------------------------------------\n\n"
      "The following warning was reported 1 times\n\n"
      "***** Warning *****\nToo many values were calculated for moment-curvature.\n"
      "This usually indicates that the pile is too weak or is under-reinforced, where all reinforcing steel has "
      "yielded.\n"
      "The input data should be examined and the amount of steel reinforcement should be increased if necessary.\n\n"
      "The following warning was reported 1 times\n\n"
      "Values of effective unit weight cannot be checked because \ngeneral units have been selected.\n\n"
      "The following warning was reported 1 times\n\n"
      "WARNING:  The maximum compression loading specified for the pile buckling \n"
      "          analysis exceeds the structural capacity of the pile. The maximum \n"
      "          compression loading has been reduced to the axial compression \n"
      "          capacity of the pile.\n\n"
      "The following warning was reported 1 times\n\nWarning No. 1234\n\n"
      "The following warning was reported 2 times\n\n"
      "The undrained shear strength of soft clay is greater than 8.68 psi (1,250 psf).\n\n";
  EXPECT_NE(r.find(summary), std::string::npos) << r;
}

TEST_F(ResultsPieces, LRFDPerformanceTable) {
  pm.options.UseLRFD = true;
  pm.lrfd.NumLRFDCombinations = 2;
  pm.loads.NumLoadCases = 2;
  pm.lrfd.LRFDResistanceFactorM[1] = pm.lrfd.LRFDResistanceFactorM[2] = 0.9;
  pm.lrfd.LRFDCombinationName[1] = "Strength I";
  pm.lrfd.LRFDCombinationName[2] = "Extreme";
  mct.NumThrusts = 1;
  mct.Thrust[1] = 0.0;
  mct.Mn[2][1] = 1.0e6;  // in-lb
  for (int k = 1; k <= 2; ++k) {
    CaseResults& c = case_results[k];
    c = CaseResults{};
    c.LoadType = 1;
    c.SectionMaxMoment[1] = 2.0e6;                 // elastic section: no capacity
    c.SectionMaxMoment[2] = k == 1 ? -5.0e5 : 9.5e5;  // 0.9e6 capacity: pass, then fail
  }
  Write_Results_Summaries();
  const std::string r = report();
  EXPECT_NE(r.find("LRFD Performance by Load Case Combination"), std::string::npos);
  EXPECT_EQ(count_of(r, " Infinite "), 2);
  EXPECT_EQ(count_of(r, "   Pass      "), 1);
  EXPECT_EQ(count_of(r, " > FAIL <    "), 1);
  EXPECT_NE(r.find("1 LRFD load combinations have failed."), std::string::npos);
  EXPECT_NE(r.find("The load case and pile section with the greatest level of developed moment capacity is:\n"
                   "LRFD Load Case No. 2\nPile Section No.   2\n"),
            std::string::npos)
      << r;
  EXPECT_NE(r.find("Strength I"), std::string::npos);
  EXPECT_EQ(warning_counter(400), 1);
  EXPECT_EQ(r.find("Definitions of Pile-head Loading Conditions"), std::string::npos);
  Reset_Warning_Registry();
}

}  // namespace
}  // namespace kavro
