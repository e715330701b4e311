// Plot output file records: fields, label columns and label texts.
#include "report/plot_records.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "tests/support/run_kgo.h"

namespace kavro {
namespace {

// A scratch file of this test process (test cases run as parallel processes).
std::string scratch(const std::string& name) { return testing::TempDir() + std::to_string(getpid()) + "_" + name; }

// Text written to the plot file by `write`.
std::string plot_text(const std::function<void()>& write) {
  const std::string path = scratch("plot_records.txt");
  EXPECT_TRUE(plot_unit().open(path));
  write();
  plot_unit().close();
  std::ifstream f(path);
  std::stringstream ss;
  ss << f.rdbuf();
  std::remove(path.c_str());  // read once
  return ss.str();
}

// `fields` padded to column c - 1, then the label and the line end.
std::string rec(const std::string& fields, int c, const std::string& label) {
  std::string s = fields;
  s.resize(static_cast<std::size_t>(c - 1), ' ');
  return s + label + "\n";
}

const std::string kOne = "  0.1000000E+01", kTwo = "  0.2000000E+01", kHalf = "  0.5000000E+00",
                  kZero = "  0.0000000E+00", kMinus3 = " -0.3000000E+01";

struct Case {
  const char* what;
  int units;
  std::function<void()> write;
  std::string expected;
};

class PlotRecords : public testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    saved_ = pm.options;
    pm.options.i_Analysis_Type = kAnalysisConventional;
    pm.options.UseLRFD = false;
    pm.options.ComputeKmatrix = false;
    pm.pile.NumSections = 3;
  }
  void TearDown() override { pm.options = saved_; }
  RunOptions saved_;
};

TEST_P(PlotRecords, WritesTheRecord) {
  const Case& c = GetParam();
  pm.options.IUNITS = c.units;
  EXPECT_EQ(plot_text(c.write), c.expected) << c.what;
}

const Case kCases[] = {
    {"1", 1, [] { pm.options.ComputeKmatrix = true; Plot_Line_1(); },
     rec("    3    1    0    1", 105, "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F")},
    {"2", 2, [] { Plot_Line_2(); }, rec("    3", 105, "Line 2 : Total number of sections")},
    {"3 nonlinear", 1, [] { Plot_Line_3(CurveRecordKind::Nonlinear, 4); },
     rec("    4", 81, "Line 3 : Total number of axial thrusts")},
    {"3 EI only", 1,
     [] {
       pm.options.i_Analysis_Type = kAnalysisEIOnly;
       Plot_Line_3(CurveRecordKind::Nonlinear, 4);
     },
     rec("    4", 105, "Line 3 : Total number of axial thrusts for EI-only computations")},
    {"3 LRFD", 1,
     [] {
       pm.options.UseLRFD = true;
       Plot_Line_3(CurveRecordKind::Nonlinear, 4);
     },
     rec("    4", 105, "Line 3 : Total number of axial thrusts for LRFD")},
    {"3 M-EI", 1, [] { Plot_Line_3(CurveRecordKind::UserMEI, 2); },
     rec("    2", 81, "Line 3 : Total number of axial thrusts for input M-EI section")},
    {"3a", 2, [] { Plot_Line_3(CurveRecordKind::ElasticPlastic, 1); },
     rec("    1", 105, "Line 3a : Total number of axial thrusts for elastic-plastic section")},
    {"3d", 3, [] { Plot_Line_3(CurveRecordKind::Elastic, 1); },
     rec("    1", 105, "Line 3d : Total number of axial thrusts for elastic section")},
    {"4b US", 1, [] { Plot_Line_4(CurveRecordKind::Nonlinear, 150, 1.0, 2.0, 7); },
     rec("  150          " + kOne + kTwo, 105,
         "Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 7")},
    {"4b SI", 2, [] { Plot_Line_4(CurveRecordKind::Nonlinear, 150, 1.0, 2.0, 7); },
     rec("  150          " + kOne + kTwo, 105,
         "Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m), Section 7")},
    {"4 M-EI US", 1, [] { Plot_Line_4(CurveRecordKind::UserMEI, 145, 1.0, 2.0, 2); },
     rec("  145          " + kOne + kTwo, 81,
         "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for input M-EI pile, "
         "Section 2")},
    {"4 M-EI generic", 3, [] { Plot_Line_4(CurveRecordKind::UserMEI, 145, 1.0, 2.0, 2); },
     rec("  145          " + kOne + kTwo, 81,
         "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) for input M-EI pile, "
         "Section 2")},
    {"4a US", 1, [] { Plot_Line_4(CurveRecordKind::ElasticPlastic, 150, 1.0, 2.0, 1); },
     rec("  150          " + kOne + kTwo, 105,
         "Line 4a : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kip) for elastic-plastic EI "
         "at top of section")},
    {"4 elastic SI", 2, [] { Plot_Line_4(CurveRecordKind::Elastic, 150, 1.0, 2.0, 1); },
     rec("  150          " + kOne + kTwo, 105,
         "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. (kN-m) for linear EI pile at "
         "top of section")},
    {"4 elastic US", 1, [] { Plot_Line_4(CurveRecordKind::Elastic, 150, 1.0, 2.0, 1); },
     rec("  150          " + kOne + kTwo, 105,
         "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile "
         "at top of section")},
    {"5 US", 1, [] { Plot_Line_5(CurveRecordKind::Nonlinear, 1.0, 2.0, 0.5, 3, 12, 140); },
     rec(kOne + kTwo + kHalf, 105,
         "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=12, CurvPnt#=140")},
    {"5 SI", 2, [] { Plot_Line_5(CurveRecordKind::Nonlinear, 1.0, 2.0, 0.5, 3, 12, 140); },
     rec(kOne + kTwo + kHalf, 105,
         "Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=3, AxLd#=12, CurvPnt#=140")},
    {"5 M-EI", 1, [] { Plot_Line_5(CurveRecordKind::UserMEI, 1.0, 2.0, 0.5, 1, 2, 3); },
     rec(kOne + kTwo + kHalf, 81, "Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=3")},
    {"5a SI", 2, [] { Plot_Line_5(CurveRecordKind::ElasticPlastic, 1.0, 2.0, 0.5, 1, 1, 101); },
     rec(kOne + kTwo + kHalf, 105,
         "Line 5a : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, Pnt#=101")},
    {"5 elastic US", 1, [] { Plot_Line_5(CurveRecordKind::Elastic, 1.0, 2.0, 0.5, 1, 1, 150); },
     rec(kOne + kTwo + kHalf, 105,
         "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150")},
    {"6", 1, [] { Plot_Line_6(12); }, rec("   12", 81, "Line 6 : number of output p-y curves")},
    {"6 none", 1, [] { Plot_Line_6_None(); }, rec("    0", 105, "Line 6 : number of output p-y curves")},
    {"7 soft clay", 1, [] { Plot_Line_7(2.0, 17, "SoftClay", 3); },
     rec(kTwo + "   17", 105, "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 3")},
    {"7 cemented silt US", 1, [] { Plot_Line_7(2.0, 17, "Cem Silt", 1); },
     rec(kTwo + "   17", 105, "Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. 1")},
    {"7 cemented silt SI", 2, [] { Plot_Line_7(2.0, 17, "Cem Silt", 1); },
     rec(kTwo + "   17", 105, "Line 7:  p-y curve depth in cemented silt (m), no. p-y points on curve no. 1")},
    {"7 output depth", 1, [] { Plot_Line_7_Output_Depth(2.0, 0); },
     rec(kTwo + "    0", 105, "Line 7:  p-y curve depth, no. p-y points")},
    {"8 US", 1, [] { Plot_Line_8(4, 1.0, -3.0, "API Sand"); },
     rec(kOne + kMinus3, 105, "Line 8(4): y(in), p(lb/in), for API sand")},
    {"8 SI", 2, [] { Plot_Line_8(12, 1.0, -3.0, "StfClyAK"); },
     rec(kOne + kMinus3, 105, "Line 8(12): y(m), p(kN/m), for stiff clay w/o water with k")},
    {"8 liquefied sand", 1, [] { Plot_Line_8(4, 1.0, -3.0, "Liq Sand"); },
     rec(kOne + kMinus3, 105, "Line 8( 4): y, p, for liquefied sand")},
    {"9", 2, [] { Plot_Line_9(10, 501); },
     rec("   10  501    2", 105, "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI")},
    {"10 US", 1, [] { Plot_Line_10(7, 1.0, 2.0, 0.5, 0.0, -3.0, 1.0); },
     rec(kOne + kTwo + kHalf + kZero + kMinus3 + kOne, 105,
         "Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)")},
    {"10 SI", 2, [] { Plot_Line_10(501, 1.0, 2.0, 0.5, 0.0, -3.0, 1.0); },
     rec(kOne + kTwo + kHalf + kZero + kMinus3 + kOne, 105,
         "Line 10(501) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)")},
    {"11", 1, [] { Plot_Line_11(20, 3); },
     rec("   20", 105, "Line 11: Num. points on Ytop vs. pile length curve for load case 3")},
    {"11 none", 1, [] { Plot_Line_11_None(3); },
     rec("    0", 105, "Line 11: Num. points on Ytop vs. Length curve for load case 3")},
    {"11 none LRFD", 1,
     [] {
       pm.options.UseLRFD = true;
       Plot_Line_11_None(3);
     },
     rec("    0", 105, "Line 11: Num. points on Ytop vs. Length curve for LRFD load case 3")},
    {"12 US", 1, [] { Plot_Line_12(1.0, 2.0, 0.5, -3.0); },
     rec(kOne + kTwo + kHalf + kMinus3, 105, "Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)")},
    {"12 SI", 2, [] { Plot_Line_12(1.0, 2.0, 0.5, -3.0); },
     rec(kOne + kTwo + kHalf + kMinus3, 105, "Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)")},
    {"13 US", 1, [] { Plot_Line_13(1.0, 2.0, 0.5, -3.0, 0.0); },
     rec(kOne + kTwo + kHalf + kMinus3 + kZero, 105,
         "Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)")},
    {"13 SI", 2, [] { Plot_Line_13(1.0, 2.0, 0.5, -3.0, 0.0); },
     rec(kOne + kTwo + kHalf + kMinus3 + kZero, 105,
         "Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)")},
    {"14", 1, [] { Plot_Line_14(5); }, rec("    5", 105, "Line 14: Number of stiffness matrix K-values computed")},
    {"15", 1, [] { Plot_Line_15(1.0, 2.0, 0.5, 0.0, -3.0, 1.0, 2.0, 0.5); },
     kOne + kTwo + kHalf + kZero + kMinus3 + kOne + kTwo + kHalf +
         "  Line 15: V, M, K22, K23, K32, K33, ytop, theta\n"},
    {"16", 1, [] { Plot_Line_16(10, 9, 2); },
     rec("   10    9    2", 105,
         "Line 16: # free-head pushover steps computed, # fixed-head pushover steps computed, pushover BC type")},
    {"16 none", 1, [] { Plot_Line_16_None(); },
     rec("    0    0    0", 105, "Line 16: Number pushover steps computed, pushover BC type")},
    {"17 push-over", 1, [] { Plot_Line_17_Pushover(3, 5, 1.0, 2.0, 0.5, 0.0, -3.0, 1.0); },
     rec("    3    5" + kOne + kTwo + kHalf + kZero + kMinus3 + kOne, 105,
         "Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax")},
    {"17 buckling US", 1, [] { Plot_Line_17_Buckling(8, 1.0, 2.0, 0.5); },
     rec("    8" + kOne + kTwo + kHalf, 105,
         "Line 17: Num. Buckling points, Buckling capacity (lbs), a slope, b intercept")},
    {"17 buckling SI", 2, [] { Plot_Line_17_Buckling(8, 1.0, 2.0, 0.5); },
     rec("    8" + kOne + kTwo + kHalf, 105, "Line 17: Num. Buckling points, Buckling capacity (kN), a slope, b intercept")},
    {"18 US", 1, [] { Plot_Line_18(1.0, 2.0, 0.5, -3.0); },
     rec(kOne + kTwo + kHalf + kMinus3, 105,
         "Line 18: axial thrust (lbs), Ytop (in), Max Moment(in-lb), Max Shear(lbs)")},
    {"18 SI", 2, [] { Plot_Line_18(1.0, 2.0, 0.5, -3.0); },
     rec(kOne + kTwo + kHalf + kMinus3, 105, "Line 18: axial thrust (kN), Ytop (m), Max Moment(kN-m), Max Shear(kN)")},
    {"18 none", 1, [] { Plot_Line_18_None(); },
     rec("    0" + kZero + kZero, 105, "Line 18: Number of buckling points computed, Vtop, Mtop")},
    {"18 no trials", 1, [] { Plot_Line_18_No_Trials(); },
     rec("    0", 105, "Line 11: Num. points on Ytop vs. pile length curve for load case 0")},
};

INSTANTIATE_TEST_SUITE_P(Catalogue, PlotRecords, testing::ValuesIn(kCases));

TEST(PlotRecordTexts, EveryModelWithCurvesHasBothTexts) {
  pm.options.IUNITS = kUnitsUS;
  for (const char* m : {"SoftClay", "SoftClyJ", "StfClyBW", "StfClyAW", "StfClyAK", "Sand    ", "API Sand", "Liq Sand",
                        "WeakRock", "Vuggy LS", "Cem Silt", "Piedmont", "KS Loess", "Elast SG", "User p-y"}) {
    EXPECT_EQ(plot_line7_text(m).substr(0, 28), "Line 7:  p-y curve depth in ") << m;
    EXPECT_EQ(plot_line8_text(m).substr(0, 3), "): ") << m;
  }
  // Massive rock and frozen soil write no curve records; a name is matched
  // on its first 8 characters (model names are stored 10 wide).
  EXPECT_TRUE(plot_line7_text("MassRock").empty());
  EXPECT_TRUE(plot_line8_text("Frz Soil").empty());
  EXPECT_EQ(plot_line8_text("Vuggy LS  "), "): y(in), p(lb/in), for vuggy limestone rock");
  pm.options.IUNITS = kUnitsSI;
  EXPECT_EQ(plot_line8_text("KS Loess"), "): y(m), p(kN/m), for Loess");
}

// The records of a whole conventional run, in order: the section records,
// then per load case the node records, then the summary and the empty
// records of the modes that were not requested.
TEST(PlotFileOrder, ConventionalRunWritesTheCatalogueInOrder) {
  const std::string deck =
      "KAVROP7\nTITLE\nPlot file order\n\n\n\n\nOPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\n"
      "UseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     1\nMaxIter 100\nMaxDefl 100.0\n"
      "Tolerance 1.0E-5\nIncrements 60\nPrintSummaryOnly NO\nPrintIncr 5\nPrintPYCurves NO\nComputeInteraction NO\n"
      "ComputePushover NO\nComputePileBuckling NO\n"
      "SECTIONS\n1\n1\n11\n60.0\n3\n29000000.0\n24.0\n24.0\n0.5\n0.5\n36.914\n36.914\n2549.35\n2549.35\n"
      "SOIL LAYERS\n1\n1 0.0 60.0\n 50.0 300.0 0.020\n 52.0 900.0 0.010\n"
      "LOADING\n2\n1 1 10000.0 0.0 1000.0 1\n2 2 20000.0 0.0 1000.0 1\n0\nEND\n";
  const test::KgoRun r = test::run_kgo(deck);
  ASSERT_EQ(r.status, 0) << r.report;
  // Record names in file order, runs of the same record counted.
  std::vector<std::pair<std::string, int>> runs;
  std::istringstream in(r.plot);
  const std::regex name("Line ([0-9]+[a-z]?) ?[:(]");
  for (std::string line; std::getline(in, line);) {
    std::smatch m;
    ASSERT_TRUE(std::regex_search(line, m, name)) << line;
    const std::string rec = m[1];
    if (runs.empty() || runs.back().first != rec)
      runs.emplace_back(rec, 1);
    else
      ++runs.back().second;
  }
  const std::vector<std::pair<std::string, int>> expected = {
      {"1", 1},  {"2", 1},  {"3d", 1}, {"4", 1},  {"5", 150}, {"6", 1},  {"9", 1},  {"10", 61},
      {"11", 1}, {"10", 61}, {"11", 1}, {"13", 2}, {"16", 1},  {"18", 1},
  };
  EXPECT_EQ(runs, expected);
}

}  // namespace
}  // namespace kavro
