// Matlock soft clay: the worked example, the curve branches, default strain,
// sloping ground, multipliers, soil movement, the error blocks and the
// printed curve.
#include <cmath>
#include <numbers>

#include "soil/soft_clay.h"
#include "tests/soil/soil_fixture.h"

namespace kavro::test {
namespace {

constexpr double kThird = double(1.0f / 3.0f);

// Worked example: c = 10 psi, unit weight 0.02 pci, b = 12 in, J = 0.5,
// node at 24 in below a flat ground surface at the pile head.
class SoftClay : public SoilTest {
 protected:
  void example(int code = kSoftClay) {
    pile(480, 12);
    clay(0, 480, 10, 0.02, 0.01, code);
    if (code == kSoftClyJ) pm.soil.JFactor[1] = pm.soil.JFactor[2] = 0.5;
    discretise(40);
    Compute_PY_Curves(true);
    ASSERT_EQ(pm.FatalErrorValue, 0);
  }
  static constexpr double kPu = 485.76;  // (0.048 + 3 + 1.0) * 10 * 12
  static constexpr double kY50 = 0.3;
};

TEST_F(SoftClay, WorkedExampleGivesTheUltimateResistanceAndHalfOfItAtY50) {
  for (int code : {kSoftClay, kSoftClyJ}) {
    SetUp();
    example(code);
    const int m = node_at(24);
    EXPECT_NEAR(modulus_at(m, kY50) * kY50, 0.5 * kPu, 1e-9) << code;
    EXPECT_NEAR(modulus_at(m, 3.0) * 3.0, kPu, 1e-9) << code;   // beyond 8 y50
    EXPECT_NEAR(modulus_at(m, -3.0) * 3.0, kPu, 1e-9) << code;  // the curve is symmetric
    TearDown();
  }
  const SoftClayCurve cv = SoftClayCurve::make(kPu, kY50, 720.0 / 5.24, 24, false, false);
  EXPECT_NEAR(cv.Xr, 137.4, 0.01);
  EXPECT_DOUBLE_EQ(cv.p(kY50), 0.5 * kPu);
  EXPECT_DOUBLE_EQ(cv.p(2.41), kPu);
  EXPECT_NEAR(cv.p(2.4), kPu, 2e-5);  // 0.5 * 8^(1/3) in single precision
}

TEST_F(SoftClay, ZeroDeflectionAndZeroRelativeDisplacementGiveTheLimitingModulus) {
  example();
  const int m = node_at(24);
  const double ekmax = kPu * 0.01077217236161232 / (2.9999999242136255e-5 * kY50);
  EXPECT_NEAR(nodes.SoilModulusEs[m], ekmax, 1e-9 * ekmax);  // first pass, y = 0
  // At the ground surface pu = 3 c b: a finite limiting modulus, no 0/0.
  const double ekmax0 = 3 * 10 * 12 * 0.01077217236161232 / (2.9999999242136255e-5 * kY50);
  EXPECT_NEAR(nodes.SoilModulusEs[1], ekmax0, 1e-9 * ekmax0);

  pm.options.UseSoilMovement = true;
  pm.data.NumSoilMovementPoints = 2;
  pm.data.SoilMovementX[1] = 0;
  pm.data.SoilMovementX[2] = 480;
  pm.data.SoilMovementValue[1] = pm.data.SoilMovementValue[2] = 0.1;
  Compute_Soil_Movements();
  EXPECT_NEAR(modulus_at(m, 0.1), ekmax, 1e-9 * ekmax);
  EXPECT_NEAR(nodes.SoilMovementForce[m], 0.1 * ekmax, 1e-9 * ekmax);
}

TEST_F(SoftClay, MultipliersScaleResistanceAndStretchDeflection) {
  AnalysisData& d = pm.data;
  d.NumPYModifierRows = 2;
  d.PMultiplierX[1] = 0;
  d.PMultiplierX[2] = 480;
  d.PMultiplier[1] = d.PMultiplier[2] = 0.5;
  d.YMultiplier[1] = d.YMultiplier[2] = 2.0;
  example();
  const SoftClayCurve cv = SoftClayCurve::make(kPu, kY50, 137.4, 24, false, false);
  const double y = 1.2;
  EXPECT_NEAR(modulus_at(node_at(24), y), 0.5 * cv.p(y / 2) / y, 1e-12);
}

TEST_F(SoftClay, StaticCurveRisesWithTheCubeRootUpTo8Y50) {
  const SoftClayCurve cv = SoftClayCurve::make(1000, 0.5, 100, 50, false, false);
  for (double r : {0.01, 0.2, 1.0, 2.9, 3.0, 3.1, 5.0, 7.99}) {
    EXPECT_DOUBLE_EQ(cv.p(r * 0.5), 0.5 * 1000 * std::pow(r, kThird)) << r;
    EXPECT_DOUBLE_EQ(cv.secant(r * 0.5, 1, 1), cv.p(r * 0.5) / (r * 0.5)) << r;
  }
  EXPECT_DOUBLE_EQ(cv.p(8.01 * 0.5), 1000);
  EXPECT_DOUBLE_EQ(cv.p(0.0), 0.0);
  EXPECT_DOUBLE_EQ(cv.secant(0.0, 1, 1), cv.Ekmax);
}

TEST_F(SoftClay, CyclicCurveHoldsAtDepthAndDegradesAboveTheTransitionDepth) {
  const double pu = 1000, y50 = 0.3;
  const SoftClayCurve deep = SoftClayCurve::make(pu, y50, 100, 150, true, false);
  EXPECT_DOUBLE_EQ(deep.pcr, 0.7211247682571411 * pu);
  EXPECT_NEAR(deep.p(3 * y50), deep.pcr, 1e-4);  // continuous with the static branch
  for (double r : {3.01, 9.0, 15.0, 100.0}) EXPECT_DOUBLE_EQ(deep.p(r * y50), deep.pcr) << r;

  const SoftClayCurve shallow = SoftClayCurve::make(pu, y50, 100, 50, true, false);
  EXPECT_DOUBLE_EQ(shallow.pcx, 0.5 * shallow.pcr);
  EXPECT_NEAR(shallow.p(15 * y50), 0.3606 * pu, 5e-5 * pu);
  EXPECT_NEAR(shallow.p(9 * y50), 0.75 * shallow.pcr, 1e-9);
  EXPECT_DOUBLE_EQ(shallow.p(20 * y50), shallow.pcx);
  EXPECT_DOUBLE_EQ(shallow.p(y50), 0.5 * pu);  // identical to static up to 3 y50
}

TEST_F(SoftClay, CyclicLoadingOfTheWorkedExampleDegradesByDepthOverXr) {
  pm.options.LoadingIsCyclic = true;
  example();
  const double Xr = 720.0 / 5.24, pcr = 0.7211247682571411 * kPu;
  const int m = node_at(24);
  EXPECT_NEAR(modulus_at(m, 3 * kY50) * 3 * kY50, pcr, 1e-4);
  EXPECT_NEAR(modulus_at(m, 15 * kY50) * 15 * kY50, 24 / Xr * pcr, 1e-9);
  EXPECT_NEAR(modulus_at(m, -30 * kY50) * 30 * kY50, 24 / Xr * pcr, 1e-9);
}

TEST_F(SoftClay, SlopingGroundReducesDownslopeAndRaisesUpslopeResistance) {
  const double ten = 10.0 * std::numbers::pi / 180.0;
  const double A = 1.0 / (1.0 + std::tan(ten));
  const double B = std::cos(ten) * 0.7071067690849304 / std::cos(std::numbers::pi / 4 + ten);
  EXPECT_NEAR(A, 0.8501, 1e-4);
  struct Case {
    double theta, y, factor;
  };
  const Case cases[] = {{ten, 3.0, A}, {ten, -3.0, B}, {-ten, 3.0, B}, {-ten, -3.0, A}, {0.0, 3.0, 1.0}};
  for (const Case& k : cases) {
    SetUp();
    pm.data.EffectiveSlopeAngle = k.theta;
    example();
    const double pu = 4.048 * k.factor * 10 * 12;
    EXPECT_NEAR(modulus_at(node_at(24), k.y) * 3.0, pu, 1e-9) << k.theta << " " << k.y;
    TearDown();
  }
}

TEST_F(SoftClay, PrintedCurveTakesTheSlopeSideFromTheDeflectionAtItsDepth) {
  const double ten = 10.0 * std::numbers::pi / 180.0;
  const double A = 1.0 / (1.0 + std::tan(ten));
  const double B = std::cos(ten) * 0.7071067690849304 / std::cos(std::numbers::pi / 4 + ten);
  pm.data.EffectiveSlopeAngle = ten;
  example();
  // Deflection changes sign between the nodes at 24 and 36; at 26 it is still positive.
  for (int m = 1; m <= nodes.NumNodes; ++m) nodes.y[m] = 30.0 - nodes.x[m];
  pm.data.NumPYOutputDepths = 2;
  pm.data.PYOutput[1].PYOutputDepth = 26;
  pm.data.PYOutput[2].PYOutputDepth = 34;
  Assign_PY_Output_Depths_To_Layers(2);
  Print_PY_Curves();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const std::string lead = "Sloping Ground Factor" + std::string(34, ' ') + "= ";
  const std::string r = report();
  const auto first = r.find(lead), second = r.find(lead, first + 1);
  ASSERT_NE(second, std::string::npos);
  EXPECT_EQ(r.substr(first + lead.size(), 12), fmt::F(12, 3, A));
  EXPECT_EQ(r.substr(second + lead.size(), 12), fmt::F(12, 3, B));
}

struct Eps50Case {
  int units;
  double c;
  const char* field;  // F12.4 of the chosen strain
};

TEST_F(SoftClay, DefaultStrainFollowsTheShearStrength) {
  const Eps50Case cases[] = {
      {kUnitsUS, 2, "      0.0200"},   {kUnitsUS, 5, "      0.0100"},   {kUnitsUS, 10, "      0.0050"},
      {kUnitsUS, 30, "      0.0040"},  {kUnitsSI, 20, "      0.0200"},   {kUnitsSI, 30, "      0.0100"},
      {kUnitsSI, 100, "      0.0050"}, {kUnitsSI, 200, "      0.0040"},
  };
  for (const Eps50Case& k : cases) {
    SetUp();
    units(k.units);
    pile(480, 12);
    clay(0, 480, k.c, 0.02, 0.0);
    discretise(40);
    Compute_PY_Curves(true);
    pm.data.NumPYOutputDepths = 1;
    pm.data.PYOutput[1].PYOutputDepth = 24;
    Assign_PY_Output_Depths_To_Layers(1);
    Print_PY_Curves();
    const std::string line = std::string("Epsilon50 parameter            ") + std::string(24, ' ') + "= " + k.field;
    EXPECT_TRUE(contains(report(), line + "\n")) << k.units << " " << k.c << "\n" << report();
    TearDown();
  }
}

TEST_F(SoftClay, GenericUnitsHaveNoDefaultStrain) {
  for (int code : {kSoftClay, kSoftClyJ}) {
    SetUp();
    units(kUnitsGeneric);
    pile(480, 12);
    clay(0, 480, 10, 0.02, 0.0, code);
    discretise(40);
    Compute_PY_Curves(true);
    EXPECT_EQ(pm.FatalErrorValue, code == kSoftClay ? 237 : 238);
    EXPECT_EQ(report(), "");
    TearDown();
  }
}

TEST_F(SoftClay, ZeroCohesionPassesAtTheFirstNodeOfALayerOnly) {
  pile(480, 12);
  add_layer({kSoftClay, 0, 480, 0.02, 0.02, 0.0, 0.0, 0.01, 0.01});
  discretise(40);
  Compute_PY_Curves(true);
  EXPECT_EQ(pm.FatalErrorValue, 112);
  const std::string block =
      "**** Input Data Error No. 12 ****\n"
      "\n"
      "An error was detected that is related to an incompatibility between the input \n"
      "data defining soil layering and soil shear strength values when computing a \n"
      "p-y curve using the Matlock soft clay criteria.\n"
      "\n"
      "Problem:  A negative or zero value of cohesion was input for a soft clay soil.\n"
      "\n"
      "Solution:  Please compare the depth values for soil layering and soil shear \n"
      "strength values and revise the input data.\n"
      "Layer no. = 1, Node no. = 2, Top node in layer = 1, Elevation =     12.000, c(x) =      0.000";
  EXPECT_TRUE(contains(report(), block + ", Pile length =    480.000\n, ITOP = 1, IBOT = 41\n")) << report();
  EXPECT_TRUE(contains(messages(), block + "\n")) << messages();
  EXPECT_TRUE(contains(report(), "Kavro ended prematurely due to input error number INP00012"));

  SetUp();
  pile(480, 12);
  add_layer({kSoftClyJ, 0, 480, 0.02, 0.02, 0.0, 0.0, 0.01, 0.01});
  discretise(40);
  Compute_PY_Curves(true);
  EXPECT_EQ(pm.FatalErrorValue, 171);
  EXPECT_TRUE(contains(report(), "**** Input Data Error No. 71 ****\n"));
  EXPECT_TRUE(contains(report(), "Problem:  A negative or zero value of cohesion was input for a soft clay soil with J.\n"));
}

TEST_F(SoftClay, ZeroCohesionAtTheGroundSurfaceGivesNoResistanceThere) {
  // c rising from 0 at the surface: the surface node has pu = 0, not 0/0.
  for (int code : {kSoftClay, kSoftClyJ}) {
    SetUp();
    pile(480, 12);
    add_layer({code, 0, 480, 0.02, 0.02, 0.0, 10.0, 0.01, 0.01});
    if (code == kSoftClyJ) pm.soil.JFactor[1] = pm.soil.JFactor[2] = 0.5;
    discretise(40);
    Compute_PY_Curves(true);
    ASSERT_EQ(pm.FatalErrorValue, 0) << code;
    EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[1], 0.0) << code;
    for (int m = 1; m <= nodes.NumNodes; ++m) nodes.y[m] = 0.5;
    Compute_PY_Curves(false);
    EXPECT_EQ(pm.FatalErrorValue, 0) << code;
    EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[1], 0.0) << code;
    EXPECT_GT(nodes.SoilModulusEs[2], 0.0) << code;
    TearDown();
  }
}

TEST_F(SoftClay, AModulusThatIsNotANumberStopsTheIterationButNotTheFirstPass) {
  AnalysisData& d = pm.data;
  d.NumPYModifierRows = 2;
  d.PMultiplierX[1] = 0;
  d.PMultiplierX[2] = 480;
  d.PMultiplier[1] = d.PMultiplier[2] = 1.0;
  d.YMultiplier[1] = d.YMultiplier[2] = 0.0;
  example();
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[1], 0.0);  // replaced after the first pass
  Compute_PY_Curves(false);
  EXPECT_EQ(pm.FatalErrorValue, 234);
  EXPECT_TRUE(contains(report(),
                       "**** Runtime Error No. 34 ****\n"
                       "The computed value of soil modulus computed in soft clay is not-a-number for node number 1\n"
                       "This problem is usually due to a required soil property or a y-multiplier equal to zero.\n"));
}

TEST_F(SoftClay, HighStrengthWarningOnlyAwayFromDepthPoints) {
  pile(480, 12);
  clay(0, 120, 10);
  clay(120, 480, 10);
  discretise(40);
  Compute_PY_Curves(true);
  EXPECT_EQ(warning_counter(-3041), 40);  // every node but the one on the interface

  SetUp();
  pile(480, 12);
  clay(0, 480, 8);
  discretise(40);
  Compute_PY_Curves(true);
  EXPECT_EQ(warning_counter(-3041), 0);
}

TEST_F(SoftClay, PrintedCurveFollowsTheCubeRootLawUpTo8Y50ThenStaysAtPu) {
  example();
  pm.data.NumPYOutputDepths = 1;
  pm.data.PYOutput[1].PYOutputDepth = 24;
  Assign_PY_Output_Depths_To_Layers(1);
  Print_PY_Curves();
  ASSERT_EQ(pm.FatalErrorValue, 0);

  const auto plot_lines = lines_of(plot());
  ASSERT_EQ(plot_lines.size(), 18u);
  const std::string label = "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1";
  EXPECT_EQ(plot_lines[0], "  0.2400000E+02   17" + std::string(84, ' ') + label);
  for (int k = 1; k <= 17; ++k) {
    const std::string& l = plot_lines[k];
    const double y = std::stod(l.substr(0, 15)), p = std::stod(l.substr(15, 15));
    EXPECT_EQ(l.substr(104), "Line 8(" + std::to_string(k) + "): y(in), p(lb/in), for soft clay");
    const double r = y / kY50;
    if (k == 1) {
      EXPECT_EQ(y, 0.0);
      EXPECT_EQ(p, 0.0);
    } else if (r <= 8.0 + 1e-6) {
      EXPECT_NEAR(p, 0.5 * kPu * std::pow(r, 1.0 / 3.0), 2e-4) << k;
    } else {
      EXPECT_NEAR(p, kPu, 2e-4) << k;
    }
  }
  EXPECT_NEAR(std::stod(plot_lines[16].substr(0, 15)), 8 * kY50, 1e-6);
  EXPECT_NEAR(std::stod(plot_lines[17].substr(0, 15)), 8.5 * kY50, 1e-6);

  const std::string r = report();
  auto prop = [](const std::string& label_text, const std::string& value) {
    return label_text + std::string(55 - label_text.size(), ' ') + "= " + value + "\n";
  };
  EXPECT_TRUE(contains(r, "\n\np-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions\n\n"));
  EXPECT_TRUE(contains(r, prop("Soil Layer Number        ", "           1")));
  EXPECT_TRUE(contains(r, prop("Depth below pile head        ", "       2.000 ft")));
  EXPECT_TRUE(contains(r, prop("Transition Depth Xr          ", "      11.450 ft")));
  EXPECT_TRUE(contains(r, prop("Avg. Eff. Unit Weight          ", "     0.02000 pci  ")));
  EXPECT_TRUE(contains(r, prop("Avg. Eff. Unit Weight          ", "    34.56000 pcf")));
  EXPECT_TRUE(contains(r, prop("Cohesion, c                  ", "    1440.000 psf")));
  EXPECT_TRUE(contains(r, prop("Static pu_s for flat ground    ", "     485.760 lb/in")));
  EXPECT_TRUE(contains(r, prop("Positive-y, static pu           ", "     485.760 lb/in")));
  EXPECT_TRUE(contains(r, "\n     y, in " + std::string(13, ' ') + "p, lb/in\n----------------    -----------------\n"));
}

TEST_F(SoftClay, PrintedCurveUsesTheOutputDepthsOwnDeflections) {
  example();
  PYOutputDepthRecord& rec = pm.data.PYOutput[1];
  pm.data.NumPYOutputDepths = 1;
  rec.PYOutputDepth = 24;
  rec.NumYValues = 3;
  rec.HasYValues = true;
  rec.YValue[1] = 1e-7;  // below 1e-5 y50: the limiting line, with a warning
  rec.YValue[2] = 0.3;
  rec.YValue[3] = 3.0;
  Assign_PY_Output_Depths_To_Layers(1);
  Print_PY_Curves();
  const auto plot_lines = lines_of(plot());
  ASSERT_EQ(plot_lines.size(), 4u);
  EXPECT_NEAR(std::stod(plot_lines[2].substr(15, 15)), 0.5 * kPu, 1e-4);
  EXPECT_NEAR(std::stod(plot_lines[3].substr(15, 15)), kPu, 1e-4);
  EXPECT_TRUE(contains(report(), "\n**** Warning ****\n\nThe pile deflection is less than 0.00001*Y50.\n"
                                 "Kavro used the limiting value of soil modulus (=   0.5814E+06 psi ) when "
                                 "computing the p-y curve for soft clay.\n"))
      << report();
}

// c = 70 kPa (above the SI high-strength limit), unit weight 9 kN/m3,
// b = 0.3 m, curve at 1.5 m; p-multiplier 0.5 and y-multiplier 2 over the pile.
struct UnitsCase {
  int units;
  const char* length;     // computation-length label as printed
  const char* stress;     // stress label
  const char* weight;     // unit-weight label
  const char* force_len;  // force-per-length label
  int warning;            // high-strength warning code, 0 = none
};

TEST_F(SoftClay, PrintedBlockInSIAndGenericUnits) {
  const UnitsCase cases[] = {
      {kUnitsSI, "m  ", "kPa ", "kN/m3", "kN/m ", -3042},
      {kUnitsGeneric, "L  ", "F/L2", "F/L3 ", "F/L  ", 0},
  };
  for (const UnitsCase& k : cases) {
    SetUp();
    units(k.units);
    AnalysisData& d = pm.data;
    d.NumPYModifierRows = 2;
    d.PMultiplierX[1] = 0;
    d.PMultiplierX[2] = 12;
    d.PMultiplier[1] = d.PMultiplier[2] = 0.5;
    d.YMultiplier[1] = d.YMultiplier[2] = 2.0;
    pile(12, 0.3);
    clay(0, 12, 70, 9, 0.01);
    discretise(40);
    Compute_PY_Curves(true);
    ASSERT_EQ(pm.FatalErrorValue, 0) << k.units;
    EXPECT_EQ(warning_counter(-3042), k.warning ? 41 : 0) << k.units;  // every node: no interior depth point
    EXPECT_EQ(warning_counter(-3041), 0) << k.units;

    PYOutputDepthRecord& rec = d.PYOutput[1];
    d.NumPYOutputDepths = 1;
    rec.PYOutputDepth = 1.5;
    rec.NumYValues = 2;
    rec.YValue[1] = 1e-9;    // below 1e-5 y50: the limiting line, with a warning
    rec.YValue[2] = 0.0075;  // y50
    Assign_PY_Output_Depths_To_Layers(1);
    Print_PY_Curves();
    ASSERT_EQ(pm.FatalErrorValue, 0) << k.units;

    const double pu = (9 * 1.5 / 70 + 3 + 0.5 * 1.5 / 0.3) * 70 * 0.3;
    double ekmax = pu * 0.01077217236161232 / (2.9999999242136255e-5 * 0.0075);
    if (k.units == kUnitsSI) ekmax *= 0.1751268059015274;
    const auto plot_lines = lines_of(plot());
    ASSERT_EQ(plot_lines.size(), 3u) << k.units;
    EXPECT_EQ(plot_lines[2].substr(104), "Line 8(2): y(m), p(kN/m), for soft clay") << k.units;
    // The printed point is (2 y', 0.5 p(y')).
    EXPECT_NEAR(std::stod(plot_lines[2].substr(0, 15)), 0.015, 1e-9) << k.units;
    EXPECT_NEAR(std::stod(plot_lines[2].substr(15, 15)), 0.5 * 0.5 * pu, 1e-5) << k.units;

    const std::string r = report();
    auto prop = [](const std::string& label, const std::string& value) {
      return label + std::string(55 - label.size(), ' ') + "= " + value + "\n";
    };
    const std::string len = k.length, fl = k.force_len;
    EXPECT_TRUE(contains(r, prop("Depth below pile head        ", "       1.500 " + len))) << r;
    EXPECT_TRUE(contains(r, prop("Pile Diameter                  ", "       0.300 " + len)));
    EXPECT_TRUE(contains(r, prop("Avg. Eff. Unit Weight          ", "     9.00000 " + std::string(k.weight))));
    EXPECT_TRUE(contains(r, prop("Cohesion, c                    ", "      70.000 " + std::string(k.stress))));
    EXPECT_FALSE(contains(r, "pcf") || contains(r, "psf") || contains(r, " ft")) << k.units;
    EXPECT_TRUE(contains(r, prop("Static pu_d for flat ground    ", "     189.000 " + fl)));
    EXPECT_TRUE(contains(r, prop("y_50                           ", "     0.00750 " + len)));
    EXPECT_TRUE(contains(r, prop("p-multiplier                   ", "       0.500")));
    EXPECT_TRUE(contains(r, prop("y-multiplier                   ", "       2.000")));
    EXPECT_TRUE(contains(r, "\n     y, " + len + std::string(13, ' ') + "p, " + fl +
                                "\n----------------    -----------------\n"));
    EXPECT_TRUE(contains(r, "Kavro used the limiting value of soil modulus (= " + fmt::E(12, 4, ekmax) + " " +
                                k.stress + ") when computing the p-y curve for soft clay.\n"))
        << r;
    TearDown();
  }
}

TEST_F(SoftClay, SoftClayWithJPrintsItsOwnBlockAndAlwaysSeventeenPoints) {
  pm.options.LoadingIsCyclic = true;
  pm.options.NumberOfCycles = 100;
  example(kSoftClyJ);
  PYOutputDepthRecord& rec = pm.data.PYOutput[1];
  pm.data.NumPYOutputDepths = 1;
  rec.PYOutputDepth = 24;
  rec.NumYValues = 2;
  rec.YValue[1] = 0.1;
  rec.YValue[2] = 0.2;
  Assign_PY_Output_Depths_To_Layers(1);
  Print_PY_Curves();
  const auto plot_lines = lines_of(plot());
  ASSERT_EQ(plot_lines.size(), 18u);
  EXPECT_EQ(plot_lines[0].substr(104),
            "Line 7:  p-y curve depth in API soft clay with J, no. points on p-y curve no. 1");
  EXPECT_EQ(plot_lines[17].substr(104), "Line 8(17): y(in), p(lb/in), for API soft clay");
  EXPECT_NEAR(std::stod(plot_lines[17].substr(0, 15)), 16 * kY50, 1e-6);  // cyclic points end at 16 y50
  const std::string r = report();
  EXPECT_TRUE(contains(r, "\n\np-y Curve Computed Using the Soft Clay Criteria with J for Cyclic Loading Conditions\n\n"));
  EXPECT_TRUE(contains(r, "J parameter                " + std::string(28, ' ') + "=        0.500\n"));
  EXPECT_TRUE(contains(r, "Number of cycles of loading" + std::string(28, ' ') + "=         100.\n"));
  EXPECT_TRUE(contains(r, "pu_cyclic          " + std::string(36, ' ') + "=      350.294 lb/in\n")) << r;
}

}  // namespace
}  // namespace kavro::test
