// Cemented silt: the curve at its characteristic points, the default
// subgrade modulus, cyclic loading, sloping ground, the layer integral and
// the equivalent depth, the error blocks and the printed curve.
#include <cmath>
#include <numbers>

#include "engine/errors.h"
#include "report/fortran_format.h"
#include "soil/cemented_silt.h"
#include "tests/soil/soil_fixture.h"

namespace kavro::test {
namespace {

constexpr int kCemSilt = 11;
constexpr double kDeg = std::numbers::pi / 180.0;

// Worked example: b = 12 in, c = 10 psi, unit weight 0.06 pci, phi = 32 deg,
// node at 24 in below a flat ground surface at the pile head (zc / b = 2).
// Values from the wedge, flow and cohesive resistance formulas:
constexpr double kPc = 497.28;               // (3 + 0.06*24/10 + 0.5*24/12) * 10 * 12
constexpr double kPs = 129.77302419227024;   // wedge; the flow value is 636.146
constexpr double kPu = 689.344078279784;     // 1.48 ps + pc (A in single precision)
constexpr double kPm = 940.5795362884055;    // 1.5 (ps + pc)
constexpr double kM = -1004.9418320344862;   // (pu - pm) / (yu - ym)
constexpr double kN = -4.6797710390074;      // pm / (ym m)
constexpr double kC = 666.8615132349105;     // pm / ym^(1/n)
constexpr double kYk = 0.08065168365374006;  // (C / kz)^(n / (n - 1))
constexpr double kK = 590.0;                 // default: 500 (c) + 90 (phi, above the water table)

class CementedSilt : public SoilTest {
 protected:
  // A uniform cemented silt layer; k = 0 asks for the default.
  void silt(double top, double bottom, double c, double gamma, double phi, double eps = 0.0, double k = 0.0) {
    add_layer({kCemSilt, top, bottom, gamma, gamma, c, c, eps, eps});
    const int L = pm.soil.i_Number_of_Layers;
    pm.soil.PhiDeg[2 * L - 1] = pm.soil.PhiDeg[2 * L] = phi;
    pm.soil.kTopOfLayer[L] = pm.soil.kBottomOfLayer[L] = k;
  }
  void example(double length = 480, double bottom = 480) {
    pile(length, 12);
    silt(0, bottom, 10, 0.06, 32);
    discretise(40);
    Compute_PY_Curves(true);
  }
  void print_at(std::initializer_list<double> depths) {
    int n = 0;
    for (double d : depths) pm.data.PYOutput[++n].PYOutputDepth = d;
    pm.data.NumPYOutputDepths = n;
    Assign_PY_Output_Depths_To_Layers(n);
    Print_PY_Curves();
  }
  static std::string prop(const std::string& label, const std::string& value) {
    return label + std::string(55 - label.size(), ' ') + "= " + value;
  }
};

TEST_F(CementedSilt, CurveRisesOnItsInitialLineThenSoftensFromYkToPuAtYu) {
  example();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const int m = node_at(24);
  const double kz = kK * 24;
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[m], kz);  // zero deflection
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[1], 0.0);  // the ground surface: kz = 0

  struct Case {
    double y, p;
  };
  const Case cases[] = {
      {0.05, kz * 0.05},                             // initial line below yk
      {0.1, kC * std::pow(0.1, 1.0 / kN)},           // power branch, falling from its peak at yk
      {0.2, kPm},                                    // y_m = b/60
      {0.3, kPm + kM * 0.1},                         // linear branch
      {0.45, kPu},                                   // yu = 3b/80
      {1.0, kPu},  {-1.0, kPu},                      // constant beyond yu, symmetric
  };
  for (const Case& k : cases) EXPECT_NEAR(modulus_at(m, k.y) * std::fabs(k.y), k.p, 1e-9 * k.p) << k.y;

  // The initial line and the power branch meet at yk, the peak of the curve.
  EXPECT_NEAR(kz * kYk, kC * std::pow(kYk, 1.0 / kN), 1e-9 * kz * kYk);
  EXPECT_GT(kz * kYk, kPm);
}

TEST_F(CementedSilt, MultipliersScaleTheCurveAndSoilMovementIsSubtracted) {
  AnalysisData& d = pm.data;
  d.NumPYModifierRows = 2;
  d.PMultiplierX[1] = 0;
  d.PMultiplierX[2] = 480;
  d.PMultiplier[1] = d.PMultiplier[2] = 0.5;
  d.YMultiplier[1] = d.YMultiplier[2] = 2.0;
  pm.options.UseSoilMovement = true;
  d.NumSoilMovementPoints = 2;
  d.SoilMovementX[1] = 0;
  d.SoilMovementX[2] = 480;
  d.SoilMovementValue[1] = d.SoilMovementValue[2] = 0.1;
  example();
  Compute_Soil_Movements();
  const int m = node_at(24);
  // y' = |0.5 - 0.1| / 2 = 0.2 = y_m: p = 0.5 pm.
  EXPECT_NEAR(modulus_at(m, 0.5), 0.5 * kPm / (2 * 0.2), 1e-9);
  EXPECT_NEAR(nodes.SoilMovementForce[m], 0.1 * 0.5 * kPm / 0.4, 1e-9);
  EXPECT_DOUBLE_EQ(modulus_at(m, 0.1), kK * 24);  // no relative displacement
}

struct DefaultKCase {
  int units;
  double c, gamma, phi;
  bool cyclic;
  double k;
};

TEST_F(CementedSilt, DefaultSubgradeModulusByStrengthFrictionAndWaterTable) {
  const DefaultKCase cases[] = {
      {kUnitsUS, 10, 0.06, 32, false, 590},  {kUnitsUS, 10, 0.06, 32, true, 290},
      {kUnitsUS, 10, 0.04, 32, false, 560},  {kUnitsUS, 6.9, 0.06, 30, false, 275},
      {kUnitsUS, 6.940000057220459, 0.04500000178813934, 36, false, 560},
      {kUnitsUS, 27.780000686645508, 0.05, 37, true, 1025},
      {kUnitsSI, 47.8927001953125, 18, 20, false, 135723.59375 + 6786.18017578125},
      {kUnitsSI, 200, 12.225000381469727, 40, true, 217157.703125 + 33930.8984375},
      {kUnitsSI, 10, 9, 33, false, 67861.796875 + 16286.830078125},
      {kUnitsGeneric, 10, 0.06, 32, false, 0},
  };
  for (const DefaultKCase& k : cases)
    EXPECT_DOUBLE_EQ(Cemented_Silt_Default_k(k.c, k.gamma, k.phi, k.cyclic, k.units), k.k)
        << k.units << " " << k.c << " " << k.gamma << " " << k.phi << " " << k.cyclic;
}

TEST_F(CementedSilt, InputSubgradeModulusIsInterpolatedAndAZeroBottomValueTakesTheTop) {
  pile(480, 12);
  silt(0, 480, 10, 0.06, 32, 0, 400);
  pm.soil.kBottomOfLayer[1] = 0;
  discretise(40);
  Compute_PY_Curves(true);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_DOUBLE_EQ(pm.soil.kBottomOfLayer[1], 400);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[node_at(240)], 400 * 240);

  pm.soil.kBottomOfLayer[1] = 800;
  Compute_PY_Curves(false);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[node_at(240)], 600 * 240);
}

TEST_F(CementedSilt, CyclicLoadingTakesTheCyclicFactorAndSubgradeModulus) {
  pm.options.LoadingIsCyclic = true;
  example();
  const int m = node_at(24);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[m], 290.0 * 24);
  EXPECT_NEAR(modulus_at(m, 1.0), double(1.03f) * kPs + kPc, 1e-9);
}

TEST_F(CementedSilt, SlopingGroundNarrowsTheWedgeDownslopeAndWidensItUpslope) {
  // pu at deflection beyond yu with an effective slope of +-10 degrees;
  // down- and upslope from the sloping wedge and the soft clay factors
  // 1/(1 + tan i) and cos i cos 45 / cos(45 + i) on Np.
  constexpr double kDown = 1.4800000190734863 * 88.82028447632297 + 422.7396023004622;
  constexpr double kUp = 1.4800000190734863 * 217.6221845608627 + 603.7347100638797;
  EXPECT_NEAR(422.7396023004622, kPc / (1 + std::tan(10 * kDeg)), 1e-9);
  struct Case {
    double theta, y, pu;
  };
  const Case cases[] = {{10, 1, kDown}, {10, -1, kUp}, {-10, -1, kDown}, {-10, 1, kUp}};
  for (const Case& k : cases) {
    SetUp();
    pm.data.EffectiveSlopeAngle = k.theta * kDeg;
    example();
    EXPECT_NEAR(modulus_at(node_at(24), k.y), k.pu, 1e-9 * k.pu) << k.theta << " " << k.y;
    TearDown();
  }
}

TEST_F(CementedSilt, LayerIntegralAddsTheRestOfTheLayerBelowTheTipAndTheRuleForABuriedHead) {
  example(480, 600);
  const double with_tail = pyset.LayerPuIntegral[1];
  const double pu_tip = modulus_at(nodes.NumNodes, 1.0);
  SetUp();
  example(480, 480);
  EXPECT_NEAR(with_tail - pyset.LayerPuIntegral[1], 120 * pu_tip, 1e-9 * with_tail);

  // Ground surface 2 ft above the pile head.
  SetUp();
  pile(480, 12);
  silt(-24, 480, 10, 0.06, 32, 0, 590);
  discretise(40);
  Compute_PY_Curves(true);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const double I = pyset.LayerPuIntegral[1];
  const double pu_deep = modulus_at(nodes.NumNodes, 1.0);
  EXPECT_NEAR(I, (3 * 10 * 12 + pu_deep) * 0.5 * 504, 1e-9 * I);
}

TEST_F(CementedSilt, DeeperLayerUsesTheEquivalentDepth) {
  // Below the same soil the equivalent depth of the layer top is close to its true depth.
  pile(480, 12);
  silt(0, 120, 10, 0.06, 32, 0, 590);
  silt(120, 480, 10, 0.06, 32, 0, 590);
  discretise(40);
  Compute_PY_Curves(true);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const double zeq = EquivalentTopDepth()[2];
  EXPECT_NEAR(zeq, 120, 1.5);
  EXPECT_NE(zeq, 120);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[node_at(240)], 590 * (240 - 120 + zeq));
  print_at({240});
  EXPECT_TRUE(contains(report(), prop("Equivalent Depth, x        ", fmt::F(12, 3, (120 + zeq) / 12) + " ft\n")));

  // A layer 1 wholly above the pile head: depth from the top of layer 1.
  SetUp();
  pile(480, 12);
  silt(-48, -24, 10, 0.06, 32, 0, 590);
  silt(-24, 480, 10, 0.06, 32, 0, 590);
  discretise(40);
  Compute_PY_Curves(true);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[node_at(24)], 590 * 72.0);
}

TEST_F(CementedSilt, ZeroCohesionPassesAtTheLayerTopOnly) {
  pile(480, 12);
  add_layer({kCemSilt, 0, 480, 0.06, 0.06, 0, 10, 0, 0});
  pm.soil.PhiDeg[1] = pm.soil.PhiDeg[2] = 32;
  discretise(40);
  Compute_PY_Curves(true);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  for (int m = 1; m <= nodes.NumNodes; ++m) nodes.y[m] = 0.3;
  Compute_PY_Curves(false);
  EXPECT_EQ(pm.FatalErrorValue, 0);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[1], 0.0);

  SetUp();
  pile(480, 12);
  silt(0, 480, 0, 0.06, 32);
  discretise(40);
  Compute_PY_Curves(true);
  EXPECT_EQ(pm.FatalErrorValue, 148);
  const std::string block =
      "**** Input Data Error No. 48 ****\n"
      "\n"
      "Problem: A negative or zero value of cohesion was input for \n"
      "a soil defined as a silt.\n"
      "\n"
      "Layer = 1, Depth =   12.00000000, c =  0.000E+00\n"
      "\n"
      "Solution:  Please revise and correct the input data.  \n"
      "Both cohesion and friction angle should be non-zero for silt soils.\n";
  EXPECT_TRUE(contains(messages(), block)) << messages();
  EXPECT_TRUE(contains(report(), block)) << report();
  EXPECT_TRUE(contains(report(), "Kavro ended prematurely due to input error number INP00048"));
}

struct ErrorCase {
  double phi, slope, c_top;
  int value;
  const char* block;
};

TEST_F(CementedSilt, FrictionAngleAndGroundSlopeErrors) {
  const ErrorCase cases[] = {
      {0, 0, 10, 110,
       "**** Input Data Error No. 10 ****\n"
       "\n"
       "Problem:  A negative or zero value was input for the friction angle for a silt.\n"
       "\n"
       "Solution:  Please revise and correct the input data.  \n"
       "Both cohesion and friction angle must be non-zero for the cemented silt soil.\n"},
      {10, 15, 10, 223,
       "**** Runtime Error No. 23 ****\n"
       "\n"
       "A runtime error occurred due to the ground slope angle being\n"
       "greater than the friction angle for silt for layer 1.\n"
       "\n"
       "Problem:  The angle of the ground slope can not be greater \n"
       "than the internal friction angle of silt.\n"
       "\n"
       "Solution:  Set the value for slope angle to be less than \n"
       "the angle of friction or convert the layer into an equivalent\n"
       "strength clay layer.\n"
       "\n"},
      {10, 15, 0, 223, "**** Runtime Error No. 23 ****\n"},  // checked before the cohesionless case
      {20, 20, 0, 111,
       "**** Input Data Error No. 11 ****\n"
       "\n"
       "An error was detected in the input data when computing a p-y.\n"
       "curve using the criteria for silt for layer 1.\n"
       "\n"
       "Problem:  The angle of the ground slope can not be greater \n"
       "than the internal friction angle of cohesionless silt.\n"
       "\n"
       "Solution:  Set the value for slope angle to be less than \n"
       "the angle of friction.\n"
       "\n"},
  };
  for (const ErrorCase& k : cases) {
    SetUp();
    pile(480, 12);
    add_layer({kCemSilt, 0, 480, 0.06, 0.06, k.c_top, 10, 0, 0});
    pm.soil.PhiDeg[1] = pm.soil.PhiDeg[2] = k.phi;
    pm.data.EffectiveSlopeAngle = k.slope * std::numbers::pi / 180.0;
    discretise(40);
    Compute_PY_Curves(true);
    EXPECT_EQ(pm.FatalErrorValue, k.value) << k.phi << " " << k.slope;
    EXPECT_TRUE(contains(messages(), k.block)) << messages();
    EXPECT_TRUE(contains(report(), k.block)) << report();
    EXPECT_TRUE(contains(report(), "Kavro ended prematurely due to " +
                                       std::string(k.value > 200 ? "runtime" : "input") + " error number " +
                                       message_code(k.value)))
        << report();
    TearDown();
  }
}

TEST_F(CementedSilt, PrintedCurveUSStatic) {
  example();
  print_at({24});
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const std::string expected =
      "\n\np-y Curve Computed Using the Static Criteria for Cemented Silt\n\n" +
      prop("Soil Layer Number       ", "           1\n") +
      prop("Depth below pile head      ", "       2.000 ft\n") +
      prop("Depth below ground surface ", "       2.000 ft\n") +
      prop("Equivalent Depth, x        ", "       2.000 ft\n") +
      prop("Pile Diameter, B               ", "      12.000 in \n") +
      prop("Cohesion, c                    ", "      10.000 psi \n") +
      prop("Cohesion, c                  ", "    1440.000 psf \n") +
      prop("Angle of Friction, phi         ", "      32.000 deg.\n") +
      prop("Avg. Eff. Unit Weight          ", "     0.06000 pci  \n") +
      prop("Avg. Eff. Unit Weight        ", "   103.68000 pcf  \n") +
      prop("k (interp. from input)         ", "     590.000 pci  \n") +
      prop("Epsilon50 (interp.)            ", "     0.00500\n") +
      prop("x/B ratio                      ", "       2.000\n") +
      prop("A parameter = fn(x/B)          ", "     1.48000\n") +
      prop("B parameter = fn(x/B)          ", "     1.05000\n") +
      prop("m                              ", " -1004.94183\n") +
      prop("n                              ", "    -4.67977\n") +
      prop("Cbar                           ", "   666.86151\n") +
      prop("yk                             ", "     0.08065 in \n") +
      prop("Pu                             ", "     497.280 lb/in\n") +
      prop("Pc                             ", "     129.773 lb/in\n") +
      prop("ym = b/60                      ", "     0.20000 in \n") +
      prop("pm                             ", "     940.580 lb/in\n") +
      prop("yu = 3b/80                     ", "     0.45000 in \n") +
      prop("Pu,c                           ", "     497.280 lb/in\n") +
      prop("Pu,phi                         ", "     129.773 lb/in\n") +
      prop("p-multiplier                   ", "     1.00000\n") +
      prop("y-multiplier                   ", "     1.00000\n") +
      "\n\n        y, in              p, lbs/in \n----------------    -----------------\n";
  const std::string r = report();
  EXPECT_TRUE(contains(r, expected)) << r;

  const auto plot_lines = lines_of(plot());
  ASSERT_EQ(plot_lines.size(), 18u);
  EXPECT_EQ(plot_lines[0], "  0.2400000E+02   17" + std::string(84, ' ') +
                               "Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. 1");
  const double ym = 0.2, yu = 0.45;
  const double y_of[17] = {0,          ym / 12,    2 * ym / 12, 3 * ym / 12, 4 * ym / 12,      5 * ym / 12,
                           6 * ym / 12, 7 * ym / 12, 8 * ym / 12, 9 * ym / 12, 10 * ym / 12,  11 * ym / 12,
                           ym,          yu,          1.05 * yu,   1.10 * yu,   1.15 * yu};
  CementedSiltCurve cv;
  cv.kz = kK * 24;
  cv.pu = kPu;
  cv.p_m = kPm;
  cv.complete(12, 24);
  for (int k = 1; k <= 17; ++k) {
    const std::string& l = plot_lines[k];
    const double y = std::stod(l.substr(0, 15)), p = std::stod(l.substr(15, 15));
    EXPECT_EQ(l.substr(104), "Line 8(" + std::to_string(k) + "): y(in), p(lb/in), for cemented c-phi");
    EXPECT_NEAR(y, y_of[k - 1], 1e-7) << k;
    EXPECT_NEAR(p, cv.p(y_of[k - 1]), 5e-7 * p + 1e-12) << k;  // E15.7
  }
  EXPECT_NEAR(std::stod(plot_lines[13].substr(15, 15)), kPm, 1e-4);
  for (int k = 14; k <= 17; ++k) EXPECT_NEAR(std::stod(plot_lines[k].substr(15, 15)), kPu, 1e-4) << k;
  // Report rows: 3 blanks, y, 5 blanks, p.
  EXPECT_TRUE(contains(r, "\n   " + fmt::adaptive(ym, 12) + "     " + fmt::adaptive(cv.p(ym), 12) + "\n"));
}

struct PrintUnitsCase {
  int units;
  const char* line7;
  const char* line8;
  std::string header;
  const char* eps50;
  const char* k;
};

TEST_F(CementedSilt, PrintedCurveCyclicInSIAndGenericUnits) {
  // c = 70 kPa, 9 kN/m3, phi 30, no k and no strain; b = 0.3 m, curve at 1.5 m.
  const PrintUnitsCase cases[] = {
      {kUnitsSI, "Line 7:  p-y curve depth in cemented silt (m), no. p-y points on curve no. 1",
       "): y(m), p(kN/m), for cemented c-phi", "        y, m  " + std::string(13, ' ') + "p, kN /m  \n",
       "     0.00500", "   59718.338 kN/m3"},
      {kUnitsGeneric, "Line 7:  p-y curve depth in cemented silt (m), no. p-y points on curve no. 1",
       "): y(m), p(kN/m), for cemented c-phi", "        y, L  " + std::string(13, ' ') + "p, F  /L  \n",
       "     0.00000", "       0.000 F/L3 "},
  };
  for (const PrintUnitsCase& k : cases) {
    SetUp();
    units(k.units);
    pm.options.LoadingIsCyclic = true;
    pile(12, 0.3);
    silt(0, 12, 70, 9, 30);
    discretise(40);
    Compute_PY_Curves(true);
    ASSERT_EQ(pm.FatalErrorValue, 0) << k.units;
    print_at({1.5});
    ASSERT_EQ(pm.FatalErrorValue, 0) << k.units;
    const std::string r = report();
    EXPECT_TRUE(contains(r, "\n\np-y Curve Computed Using the Cyclic Criteria for Cemented Silt\n\n")) << r;
    EXPECT_TRUE(contains(r, prop("Epsilon50 (interp.)            ", k.eps50) + "\n")) << r;
    EXPECT_TRUE(contains(r, prop("k (interp. from input)         ", k.k) + "\n")) << r;
    EXPECT_TRUE(contains(r, k.header)) << r;
    // No second (psf, pcf) lines outside US customary units.
    EXPECT_EQ(r.find("Cohesion, c"), r.rfind("Cohesion, c")) << r;
    EXPECT_EQ(r.find("Avg. Eff. Unit Weight"), r.rfind("Avg. Eff. Unit Weight")) << r;
    const auto plot_lines = lines_of(plot());
    ASSERT_EQ(plot_lines.size(), 18u) << k.units;
    EXPECT_EQ(plot_lines[0].substr(104), k.line7);
    EXPECT_EQ(plot_lines[17].substr(104), std::string("Line 8(17") + k.line8);
    TearDown();
  }
}

}  // namespace
}  // namespace kavro::test
