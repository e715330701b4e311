// Moment-curvature analysis: curvature schedule, thrust selection and its
// error blocks, nominal moment capacity, whole curves against closed-form
// and independent solutions, report blocks, tables, plot records and curve
// files.
#include "section/moment_curvature.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <numbers>
#include <sstream>

#include "section/axial_capacity.h"
#include "section/section_forces.h"
#include "section_test_support.h"
#include "tests/support/run_kgo.h"

// Heap allocations of the process, to check that the curvature loop makes
// none. (The replacement pair uses malloc and free throughout; GCC cannot
// see that and warns.)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
static long g_allocations = 0;
void* operator new(std::size_t n) {
  ++g_allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace kavro {
namespace {

constexpr double kPi = std::numbers::pi;

void set_thrusts(std::initializer_list<double> t) {
  pm.loads.NumEIThrusts = 0;
  for (double v : t) pm.loads.EIThrustList[++pm.loads.NumEIThrusts] = v;
}

// Working section, capacities and curves of section 1 as the section driver
// runs them; returns the report.
std::string run_curves(int analysis_type = kAnalysisEIOnly) {
  pm.options.i_Analysis_Type = analysis_type;
  test::UnitCapture report;
  test::UnitCapture plot(plot_unit());
  Setup_Working_Section(1);
  Compute_Axial_Structural_Capacity();
  Compute_Axial_Tension_Capacity();
  Compute_Moment_Curvature(1);
  return report.text();
}

bool contains(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

std::string file_text(const std::string& path) {
  std::ifstream in(path);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// ---------------------------------------------------------------- schedule

TEST(CurvatureSchedule, FirstIncrementByDiameterAndUnitSystem) {
  struct Case {
    int units, type;
    double D, dphi;
  };
  const Case cases[] = {
      {kUnitsUS, 1, 36, 6.25e-7},  // nint(1.5) = 2
      {kUnitsUS, 1, 30, 1.25e-6},  // nint(1.25) = 1
      {kUnitsUS, 1, 60, 1.25e-6 / 3},  // nint(2.5) = 3: halves away from zero
      {kUnitsUS, 1, 10, 1.25e-6},  // at least 1
      {kUnitsUS, 0, 96, 1.25e-6},  // rectangles have no diameter
      {kUnitsUS, 9, 48, 6.25e-7},  // octagon: width across flats
      {kUnitsSI, 1, 0.9144, 4.921259901994065e-5 / 2},
      {kUnitsSI, 0, 2.0, 4.921259901994065e-5},
      {kUnitsGeneric, 1, 1.2192, 4.921259901994065e-5 / 2},  // generic units take the SI rule
  };
  for (const Case& c : cases) {
    PileSection& s = test::fresh_section(1, c.units);
    s.SectionType = c.type;
    s.SectionDiameter = c.D;
    EXPECT_DOUBLE_EQ(fn_First_Curvature_Increment(1), c.dphi) << c.units << " " << c.D;
  }
}

TEST(CurvatureSchedule, IncrementGrowsAtPoints40And80And120) {
  const double d = 6.25e-7;
  Set_Curvature_Schedule(1, d);
  const struct {
    int k;
    double n;
  } points[] = {{1, 1}, {39, 39}, {40, 41}, {41, 43}, {79, 119}, {80, 127}, {119, 439}, {120, 487}, {150, 1927}};
  for (const auto& p : points) EXPECT_NEAR(mc.Curvature[1][p.k], p.n * d, 1e-18) << p.k;
}

TEST(CurvatureSchedule, SteelPipeIncrementDependsOnTheThrust) {
  test::steel_pipe(1, 24, 0.5, 42000, 29.5e6);
  Setup_Working_Section(1);
  // (1.7 Fy / E - P / (A E)) / (D/2) / 80, evaluated left to right (with
  // these values 1.7 (Fy / E) differs in the last bit).
  const double A = kPi / 4 * (576 - 529), ey17 = double(1.7f) * 42.0 / 29500;
  EXPECT_EQ(fn_Pipe_Curvature_Increment(0), ey17 / 12 / 80);
  EXPECT_EQ(fn_Pipe_Curvature_Increment(300), (ey17 - 300 / (A * 29500)) / 12 / 80);
}

// ---------------------------------------------------------------- capacity

// Synthetic curve of thrust 1: strain a*k and moment 100*k at point k.
void synthetic_curve(int np, double a) {
  for (int k = 1; k <= kMaxCurvePoints; ++k) {
    mc.MaxCompStrain[1][k] = k <= np ? a * k : 0;
    mc.M[1][k] = k <= np ? 100.0 * k : 0;
    mc.EI[1][k] = k <= np ? 1e6 - 1000.0 * k : 0;
  }
  mc.NumPoints[1] = np;
}

TEST(NominalMoment, InterpolatedAtTheStrainOf0003) {
  test::fresh_section(1);
  ws.Layout = kLayoutCircle;
  synthetic_curve(20, 0.00024);  // 0.003 lies between points 12 and 13
  mc.Thrust[1] = 100;
  Compute_Nominal_Moment(1);
  const double e3 = double(0.003f);
  EXPECT_NEAR(mc.Mn[1], 1200 + 100 * (e3 - 12 * 0.00024) / 0.00024, 1e-9);
  EXPECT_EQ(mc.StrainAtMn[1], e3);
}

TEST(NominalMoment, CurveThatNeverReaches0003KeepsTheLastMomentAndWarnsUnderCompression) {
  test::fresh_section(1);
  ws.Layout = kLayoutCircle;
  for (double P : {100.0, 0.0, -50.0}) {
    Reset_Warning_Registry();
    synthetic_curve(10, 0.0002);
    mc.Thrust[1] = P;
    Compute_Nominal_Moment(1);
    EXPECT_EQ(mc.Mn[1], 900.0) << P;  // point NP - 1
    EXPECT_NEAR(mc.StrainAtMn[1], 0.0018, 1e-15);
    EXPECT_EQ(warning_counter(355), P > 0 ? 1 : 0) << P;
  }
  // The steel pipe takes the moment of its last point.
  ws.Layout = kLayoutPipe;
  synthetic_curve(10, 0.0002);
  Compute_Nominal_Moment(1);
  EXPECT_EQ(mc.Mn[1], 1000.0);
}

TEST(NominalMoment, BendingStiffnessAtAFactoredMoment) {
  synthetic_curve(20, 0.00024);
  EXPECT_DOUBLE_EQ(fn_EI_At_Moment(1, 550), 1e6 - 5500);  // between points 5 and 6
  EXPECT_DOUBLE_EQ(fn_EI_At_Moment(1, 150), 1e6 - 1500);  // on the first segment
  EXPECT_DOUBLE_EQ(fn_EI_At_Moment(1, 50), 1e6 - 500);    // extended below M(1)
  EXPECT_DOUBLE_EQ(fn_EI_At_Moment(1, 600), 1e6 - 6000);  // exactly a point's moment
}

// ---------------------------------------------------------------- thrusts

struct ThrustCheck {
  bool lrfd;
  double P;
  int error;
  const char* block;
};

TEST(ThrustChecks, ThrustsOutsideTheAxialCapacitiesStopAConventionalRun) {
  const ThrustCheck cases[] = {
      {false, 1200, 224,
       "\n**** Runtime Error No. 24 ****\n\n"
       "PROBLEM:  The axial thrust load for load case no. 2 exceeds the axial structural capacity in compression.\n"
       "          Axial thrust load                  =        1200.000 kips   \n"
       "          Nominal axial compressive capacity =        1000.000 kips   \n\n"
       "SOLUTION: Change the properties of the section to increase the axial structural capacity.\n\n"},
      {false, -600, 225,
       "\n**** Runtime Error No. 25 ****\n\n"
       "PROBLEM:  The axial thrust load for load case no. 2 exceeds the axial structural capacity in tension.\n"
       "          Axial thrust load              =        -600.000 kips   \n"
       "          Nominal axial tensile capacity =        -500.000 kips   \n\n"
       "SOLUTION: Change the properties of the section to increase the axial structural capacity.\n\n"},
      {true, 1200, 226,
       "\n**** Runtime Error No. 26 ****\n\n"
       "PROBLEM:  The axial thrust loading for LRFD load case no. 2 exceeds the nominal axial compression "
       "capacity.\n"
       "          Factored axial thrust loading      =        1200.000 kips   \n"
       "          Nominal axial compression capacity =        1000.000 kips   \n\n"
       "SOLUTION: Change the properties of the section to increase the axial structural capacity.\n\n"},
      {true, -600, 227,
       "\n**** Runtime Error No. 27 ****\n\n"
       "PROBLEM:  The axial thrust load for LRFD load case no. 2 exceeds the nominal axial tension capacity.\n"
       "          Factored axial thrust load     =        -600.000 kips   \n"
       "          Nominal axial tensile capacity =        -500.000 kips   \n\n"
       "SOLUTION: Change the properties of the section to increase the axial structural capacity.\n\n"},
  };
  for (const ThrustCheck& c : cases) {
    test::fresh_section(1);
    pm.options.i_Analysis_Type = kAnalysisConventional;
    pm.options.UseLRFD = c.lrfd;
    ws.Pn = 1000;
    ws.Nt = -500;
    mc.NumThrusts = 3;
    mc.Thrust[1] = 0;
    mc.Thrust[2] = c.P;
    mc.Thrust[3] = 5000;  // never reached: the first failing thrust stops the run
    test::UnitCapture report;
    Select_And_Check_Thrusts(1);
    const std::string text = report.text();
    EXPECT_EQ(pm.FatalErrorValue, c.error);
    EXPECT_EQ(text.substr(0, std::string(c.block).size()), c.block) << text;
  }
  pm.FatalErrorValue = 0;
  pm.options.UseLRFD = false;
}

TEST(ThrustChecks, CapacitiesThemselvesAreAcceptedInAConventionalRun) {
  for (bool lrfd : {false, true}) {
    test::fresh_section(1);
    pm.options.i_Analysis_Type = kAnalysisConventional;
    pm.options.UseLRFD = lrfd;
    ws.Pn = 1000;
    ws.Nt = -500;
    mc.NumThrusts = 2;
    mc.Thrust[1] = -500;
    mc.Thrust[2] = 1000;
    test::UnitCapture report;
    test::UnitCapture plot(plot_unit());
    Select_And_Check_Thrusts(1);
    EXPECT_EQ(pm.FatalErrorValue, 0);
    EXPECT_EQ(mc.NumThrusts, 2);
    EXPECT_EQ(plot.text(), lrfd ? "    2" + std::string(99, ' ') + "Line 3 : Total number of axial thrusts for LRFD\n"
                                : "    2" + std::string(75, ' ') + "Line 3 : Total number of axial thrusts\n");
    EXPECT_TRUE(contains(report.text(),
                         lrfd ? "\nNumber of Axial Thrust Force Values Determined from LRFD Pile-head Loadings = 2\n\n"
                              : "\nNumber of Axial Thrust Force Values Determined from Pile-head Loadings = 2\n\n"));
  }
  pm.options.UseLRFD = false;
}

TEST(ThrustChecks, PropertiesOnlyRunKeepsThrustsStrictlyInsideTheCapacities) {
  test::fresh_section(1);
  ws.Pn = 1000;
  ws.Nt = -500;
  const double t[] = {-600, -500, 0, 999, 1000, 1200};
  mc.NumThrusts = 6;
  for (int i = 1; i <= 6; ++i) mc.Thrust[i] = t[i - 1];
  test::UnitCapture report;
  test::UnitCapture plot(plot_unit());
  Select_And_Check_Thrusts(2);  // not the first section: no record 3
  EXPECT_EQ(mc.NumThrusts, 2);
  EXPECT_EQ(mc.Thrust[1], 0.0);
  EXPECT_EQ(mc.Thrust[2], 999.0);
  EXPECT_EQ(plot.text(), "");
  EXPECT_EQ(report.text(),
            "\n"
            "The following computations were performed only for the axial thrust values in the valid range.\n"
            "\n"
            "Input Axial Thrust Forces:\n"
            "--------------------------\n"
            "\n"
            "Number of Axial Thrust Force Values Determined from Input Data = 2\n"
            "\n"
            "   Number     Axial Thrust Force\n"
            "                    kips   \n"
            "   ------     ------------------\n"
            "      1                0.000\n"
            "      2              999.000\n");
}

// ---------------------------------------------------------------- curves

TEST(Curves, DrilledShaftCurveStopsAtCrushingWithItsMessages) {
  test::drilled_shaft(1, 36, 12, 1.128, 1.0, 3.0);
  set_thrusts({0, 500});
  const long it0 = sf.Iterations, s0 = sf.Searches;
  const std::string text = run_curves();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  ASSERT_EQ(mc.NumThrusts, 2);
  EXPECT_LT(double(sf.Iterations - it0) / double(sf.Searches - s0), 6.0);
  for (int j = 1; j <= 2; ++j) {
    const int np = mc.NumPoints[j];
    ASSERT_GT(np, 40);
    ASSERT_LT(np, 150);
    EXPECT_GE(mc.MaxCompStrain[j][np], double(0.0038f));
    EXPECT_LT(mc.MaxCompStrain[j][np - 1], double(0.0038f));
    for (int k = 2; k <= np; ++k) EXPECT_GE(mc.M[j][k], mc.M[j][k - 1]);
    EXPECT_EQ(mc.Msg1[j][1], ' ');
    EXPECT_EQ(mc.Msg1[j][np], 'C');
    EXPECT_EQ(mc.Msg3[j][np], 'Y');
    EXPECT_EQ(mc.StrainAtMn[j], double(0.003f));
    // Tables handed to the pile analysis.
    EXPECT_EQ(mct.NumPoints[1][j], np);
    EXPECT_EQ(mct.M[1][j][np], mc.M[j][np]);
    EXPECT_EQ(mct.Curvature[1][j][7], mc.Curvature[j][7]);
    EXPECT_DOUBLE_EQ(mct.Mn[1][j], 1000 * mc.Mn[j]);
  }
  EXPECT_EQ(mc.Curvature[1][1], 6.25e-7);
  EXPECT_GT(mc.Mn[2], mc.Mn[1]);  // compression raises the capacity of an under-reinforced shaft
  // A tension-controlled shaft without thrust shows T near the end.
  EXPECT_EQ(mc.Msg2[1][mc.NumPoints[1]], 'T');
  EXPECT_TRUE(contains(text, "\n\nAxial Thrust Force =    500.000 kips   \n\n"
                             "    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    "
                             "Max Concrete   Max Steel    Run\n"));
  EXPECT_TRUE(contains(text, "\nConcrete Properties:\n--------------------\n\n"
                             "Compressive Strength of Concrete                       =   4000.00000psi \n"));
  EXPECT_TRUE(contains(text, "   Summary of Results for Nominal (Unfactored) Moment Capacity for Section 1\n"));
}

TEST(Curves, SteelPipeApproachesThePlasticMomentOfAThinRing) {
  // Thin-walled ring of mean radius R and wall t, elastic-perfectly plastic:
  // M = E phi pi R^3 t while the extreme fibre is elastic, then with the
  // elastic core ye = eps_y/phi = R sin(a):
  // M = 4 t R^2 fy ((a/2 - sin(2a)/4)/sin(a) + cos(a)), tending to 4 R^2 t fy.
  test::steel_pipe(1, 24, 0.25);
  set_thrusts({0});
  const std::string text = run_curves();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const double R = (24 - 0.25) / 2, t = 0.25, fy = 36, E = 29000, ey = fy / E;
  const int np = mc.NumPoints[1];
  ASSERT_GT(np, 60);
  for (int k = 1; k <= np; ++k) {
    const double phi = mc.Curvature[1][k], ye = ey / phi;
    double M;
    if (ye >= R) {
      M = E * phi * kPi * R * R * R * t;
    } else {
      const double a = std::asin(ye / R);
      M = 4 * t * R * R * fy * ((a / 2 - std::sin(2 * a) / 4) / std::sin(a) + std::cos(a));
    }
    EXPECT_NEAR(mc.M[1][k], M, 1e-3 * M) << k;
    EXPECT_EQ(mc.Msg1[1][k], ' ');
    EXPECT_EQ(mc.Msg2[1][k], ' ');
  }
  // The curve stops at five times the yield strain, close to Fy Z.
  const double Z = (std::pow(24.0, 3) - std::pow(23.5, 3)) / 6;
  EXPECT_GE(std::fabs(mc.MaxCompStrain[1][np]), 5 * ey * (1 - 1e-12));
  EXPECT_NEAR(mc.M[1][np] / (fy * Z), 1.0, 0.01);
  EXPECT_LT(mc.M[1][np], fy * Z);
  EXPECT_EQ(mc.Msg3[1][np], 'Y');
  EXPECT_EQ(mc.Mn[1], mc.M[1][np]);
  EXPECT_TRUE(contains(text, "\nDefinition of Run Messages:\n\n   Y = part of pipe section has yielded.\n"));
  EXPECT_FALSE(contains(text, "Concrete Properties:"));
  EXPECT_TRUE(contains(text, " Load           Axial Thrust        Nominal Mom. Cap.\n"
                             "  No.               kips                  in-kip \n"));
}

// Independent strain-compatibility solution of a rectangular section at an
// extreme compressive strain of 0.003: 20000 strips of the same concrete law
// (tension neglected), bars as points displacing concrete, elastic-perfectly
// plastic steel; the depth found by bisection on the force balance.
double hand_nominal_moment(double b, double h, const double* bar_y, int nb, double bar_area, double P) {
  const double fc = 4, Ec = 57 * std::sqrt(4000.0), e0 = double(1.7f) * fc / Ec, ec = double(0.003f);
  auto conc = [&](double e) {
    if (e <= 0) return 0.0;
    if (e > double(0.0038f)) return double(0.001f);
    const double x = e / e0;
    return x < 1 ? fc * (2 * x - x * x) : fc - (e - e0) / (double(0.0038f) - e0) * double(0.15f) * fc;
  };
  auto steel = [](double e) { return std::clamp(29000 * e, -60.0, 60.0); };
  auto balance = [&](double c, double& M) {
    const int n = 20000;
    const double dz = h / n;
    double F = 0;
    M = 0;
    for (int i = 0; i < n; ++i) {
      const double z = (i + 0.5) * dz, s = conc(ec * (c - z) / c);
      F += s * b * dz;
      M += s * b * dz * (h / 2 - z);
    }
    for (int i = 0; i < nb; ++i) {
      const double e = ec * (c - (h / 2 - bar_y[i])) / c;
      const double f = bar_area * (steel(e) - conc(e));
      F += f;
      M += f * bar_y[i];
    }
    return F;
  };
  double lo = 0.1, hi = 3 * h, M = 0;
  for (int it = 0; it < 200; ++it) {
    const double mid = (lo + hi) / 2;
    (balance(mid, M) > P ? hi : lo) = mid;
  }
  balance(lo, M);
  return M;
}

TEST(Curves, RectangularSectionNominalMomentAgreesWithStrainCompatibility) {
  const double xs[6] = {-4.5, -1.5, 1.5, 4.5, -4.5, 4.5}, ys[6] = {-9.5, -9.5, -9.5, -9.5, 9.5, 9.5};
  for (double P : {0.0, 200.0}) {
    PileSection& s = test::fresh_section(1);
    s.SectionType = 0;
    s.SectionDepth = s.SectionDiameter = 24;
    s.SectionWidth = 12;
    s.ConcreteStrength = 4000;
    s.RebarYieldStress = 60000;
    s.RebarModulus = 29e6;
    s.NumBars = 6;
    for (int i = 1; i <= 6; ++i) {
      s.BarDiameter[i] = 1.0;
      s.BarArea[i] = 0.79;
      s.BarX[i] = xs[i - 1];
      s.BarY[i] = ys[i - 1];
    }
    set_thrusts({P});
    run_curves();
    ASSERT_EQ(pm.FatalErrorValue, 0);
    const double hand = hand_nominal_moment(12, 24, ys, 6, 0.79, P);
    // 100 slices and the interpolation between curvature points: within 0.3 %.
    EXPECT_NEAR(mc.Mn[1], hand, 3e-3 * hand) << P;
  }
}

TEST(Curves, LightlyReinforcedShaftRunsTo150PointsAndWarns) {
  test::drilled_shaft(1, 36, 4, 0.5, 0.2, 3.0);
  set_thrusts({0});
  Reset_Warning_Registry();
  const std::string text = run_curves();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(mc.NumPoints[1], 150);
  EXPECT_NEAR(mc.Curvature[1][150], 1927 * 6.25e-7, 1e-15);
  EXPECT_EQ(warning_counter(305), 1);
  EXPECT_TRUE(contains(text,
                       "\nWarning: 150 values were calculated for moment-curvature.\n"
                       "This usually indicates that the pile is too weak or is under-reinforced, where all "
                       "reinforcing steel has yielded.\n\n"
                       "The input data should be examined and the amount of steel reinforcement should be "
                       "increased if necessary.\n\n"));
}

TEST(Curves, TensionBeyondTheCrackingLoadCracksTheSectionFromTheStart) {
  test::drilled_shaft(1, 36, 12, 1.128, 1.0, 3.0);
  set_thrusts({-600, -100});
  run_curves();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  ASSERT_LT(-600, ws.Tcr);
  EXPECT_EQ(mc.Msg1[1][1], 'C');  // below the cracking load (about -459 kips)
  EXPECT_EQ(mc.Msg1[2][1], ' ');
}

TEST(Curves, CurveFilesAreWrittenForNamedEntriesOnly) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "kavro_mc_files";
  fs::create_directories(dir);
  const std::string a = (dir / "s1t1.txt").string(), b = (dir / "s1t2.txt").string();
  fs::remove(a);
  fs::remove(b);
  test::drilled_shaft(1, 36, 12, 1.128, 1.0, 3.0);
  set_thrusts({0, 500});
  pm.run.NumMvsEIReportNames = 1;  // a name for the first thrust only
  pm.run.MvsEIReportName[1] = a + "   ";
  pm.run.MvsEIReportName[2] = b;  // left over from an earlier run: not used
  run_curves();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  ASSERT_TRUE(fs::exists(a));
  EXPECT_FALSE(fs::exists(b));
  const std::string text = file_text(a);
  std::istringstream lines(text);
  std::string line;
  int n = 0;
  while (std::getline(lines, line)) {
    ++n;
    ASSERT_EQ(line.size(), 30u) << line;
    EXPECT_EQ(line, fmt::E(15, 8, 1000 * mc.M[1][n]) + fmt::E(15, 8, mc.Curvature[1][n]));
  }
  EXPECT_EQ(n, mc.NumPoints[1]);
  pm.run.NumMvsEIReportNames = 0;
  fs::remove_all(dir);
}

TEST(Curves, PlotRecordsOfEveryThrust) {
  test::drilled_shaft(1, 36, 12, 1.128, 1.0, 3.0);
  set_thrusts({0});
  pm.options.i_Analysis_Type = kAnalysisEIOnly;
  test::UnitCapture report;
  test::UnitCapture plot(plot_unit());
  Setup_Working_Section(1);
  Compute_Axial_Structural_Capacity();
  Compute_Axial_Tension_Capacity();
  Compute_Moment_Curvature(1);
  const std::string p = plot.text();
  std::istringstream lines(p);
  std::string first, second, third;
  std::getline(lines, first);
  std::getline(lines, second);
  std::getline(lines, third);
  EXPECT_EQ(first, "    1" + std::string(99, ' ') + "Line 3 : Total number of axial thrusts for EI-only computations");
  EXPECT_EQ(second, fmt::I(5, mc.NumPoints[1]) + std::string(10, ' ') + fmt::E(15, 7, 0.0) + fmt::E(15, 7, mc.Mn[1]) +
                        std::string(59, ' ') +
                        "Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 1");
  EXPECT_EQ(third, fmt::E(15, 7, mc.M[1][1]) + fmt::E(15, 7, mc.EI[1][1]) + fmt::E(15, 7, mc.Curvature[1][1]) +
                       std::string(59, ' ') +
                       "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1");
  int line5 = 1;
  std::string line;
  while (std::getline(lines, line)) line5 += line.find("Line 5 :") != std::string::npos;
  EXPECT_EQ(line5, mc.NumPoints[1]);
}

TEST(Curves, TheCurvatureLoopAllocatesNothing) {
  test::drilled_shaft(1, 36, 12, 1.128, 1.0, 3.0);
  test::UnitCapture report;
  Setup_Working_Section(1);
  Compute_Axial_Structural_Capacity();
  Compute_Axial_Tension_Capacity();
  Initialize_EI_Vars();
  mc.Thrust[1] = 200;
  sf.CarriedC = ws.D / 2;
  Set_Curvature_Schedule(1, fn_First_Curvature_Increment(1));
  const long a0 = g_allocations;
  Compute_Curve(1);
  Compute_Nominal_Moment(1);
  EXPECT_EQ(g_allocations - a0, 0);
  EXPECT_GT(mc.NumPoints[1], 100);
}

TEST(Curves, SectionsWithoutSlicesGetNoCurves) {
  PileSection& s = test::fresh_section(1);
  s.SectionType = 14;
  Setup_Working_Section(1);
  mct.NumPoints[1][1] = 77;
  test::UnitCapture report;
  Compute_Moment_Curvature(1);
  EXPECT_EQ(mct.NumPoints[1][1], 0);
  EXPECT_EQ(report.text(), "");
}

// ---------------------------------------------------------------- whole run

TEST(EndToEnd, BendingPropertiesOnlyRunOfADrilledShaft) {
  const std::string body =
      "SECTIONS\n1\n1\n1\n50.0\n36.0\n4000.0\n0.75\n"
      "Use default concrete tensile strength\nUse internal stress-strain curve for concrete\n"
      "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
      "60000.0\n29000000.0\n12\n1\n1.128\n1.0\n3.0\n0.0\n"
      "AXIAL THRUST LOADS\n3\n1 500000.0\n2 0.0\n3 9000000.0\n";
  std::string deck = test::minimal_deck("Units USCS", body);
  const std::string key = "ComputeEIOnly NO";
  deck.replace(deck.find(key), key.size(), "ComputeEIOnly YES");
  test::KgoOptions opt;
  opt.files.push_back({"M_vs_EI_report_names.txt", "curve_1.txt\ncurve_2.txt\n"});
  opt.keep_dir = true;
  const test::KgoRun run = test::run_kgo(deck, opt);
  ASSERT_FALSE(run.crashed) << run.stderr_text;
  EXPECT_GE(run.status, -400) << run.report;
  EXPECT_LE(run.status, 0) << run.report;
  // 9000 kips lies above the axial capacity and is dropped.
  EXPECT_TRUE(contains(run.report, "The following computations were performed only for the axial thrust values in "
                                   "the valid range.\n"));
  EXPECT_TRUE(contains(run.report, "Number of Axial Thrust Force Values Determined from Input Data = 2\n"));
  EXPECT_TRUE(contains(run.report, "\n\nAxial Thrust Force =      0.000 kips   \n"));
  EXPECT_TRUE(contains(run.report, "\n\nAxial Thrust Force =    500.000 kips   \n"));
  EXPECT_TRUE(contains(run.report, "   Summary of Results for Nominal (Unfactored) Moment Capacity for Section 1\n"));
  EXPECT_TRUE(contains(run.plot, "Line 3 : Total number of axial thrusts for EI-only computations"));
  EXPECT_TRUE(contains(run.plot, "Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                                 "(in-kips), Section 1\n"));
  namespace fs = std::filesystem;
  for (const char* f : {"curve_1.txt", "curve_2.txt"}) {
    const fs::path p = fs::path(run.dir) / f;
    ASSERT_TRUE(fs::exists(p)) << f;
    EXPECT_GT(fs::file_size(p), 30u * 40);
  }
  fs::remove_all(run.dir);
}

}  // namespace
}  // namespace kavro
