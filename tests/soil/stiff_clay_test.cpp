// Stiff clay without free water (with and without k) and with free water:
// the worked examples, the curve branches, defaults, sloping ground, the
// layer integral, the error blocks and the printed curves.
#include <cmath>
#include <numbers>

#include "soil/soil_coefficients.h"
#include "soil/stiff_clay.h"
#include "tests/soil/soil_fixture.h"
#include "tests/support/run_kgo.h"

namespace kavro::test {
namespace {

constexpr int kStfClyAW = 3, kStfClyAK = 4;

// c = 20 psi, unit weight 0.03 pci, b = 24 in; nodes every 12 in, the one at
// 48 in lies 48 in below a flat ground surface at the pile head.
class StiffClay : public SoilTest {
 protected:
  void example(int code, double k = 0.0, double eps = 0.005) {
    pile(480, 24);
    clay(0, 480, 20, 0.03, eps, code);
    pm.soil.kTopOfLayer[1] = pm.soil.kBottomOfLayer[1] = k;
    discretise(40);
    Compute_PY_Curves(true);
    ASSERT_EQ(pm.FatalErrorValue, 0);
  }
  // p at deflection y of the node at 48 in, from its secant modulus.
  double p48(double y) { return modulus_at(node_at(48), y) * y; }

  void print_at(double depth) {
    pm.data.NumPYOutputDepths = 1;
    pm.data.PYOutput[1].PYOutputDepth = depth;
    Assign_PY_Output_Depths_To_Layers(1);
    Print_PY_Curves();
    ASSERT_EQ(pm.FatalErrorValue, 0);
  }
  static std::string prop(const std::string& label, const std::string& value) {
    return label + std::string(55 - label.size(), ' ') + "= " + value + "\n";
  }

  static constexpr double kPu = 1954.56;  // (0.72 + 10) * 48 + 1440
  static constexpr double kY50 = 0.3;     // 2.5 * 0.005 * 24
};

TEST_F(StiffClay, WorkedExampleWithoutFreeWater) {
  example(kStfClyAW);
  // Below 2e-5 b the modulus is the static secant at 2e-5 b (first pass: y = 0).
  const double y0 = 2e-5 * 24;
  const double limit = 0.5 * kPu * std::pow(kY50 / y0, 0.75) / kY50;
  EXPECT_NEAR(nodes.SoilModulusEs[node_at(48)], limit, 1e-9 * limit);
  EXPECT_NEAR(modulus_at(node_at(48), y0 / 2), limit, 1e-9 * limit);
  EXPECT_NEAR(modulus_at(node_at(48), y0), limit, 1e-9 * limit);
  EXPECT_NEAR(p48(kY50), 0.5 * kPu, 1e-9);
  EXPECT_NEAR(p48(4.8), kPu, 1e-9);  // 16 y50
  EXPECT_NEAR(p48(1.2), 0.5 * kPu * std::pow(4.0, 0.25), 1e-9);
  EXPECT_NEAR(p48(4.79), 0.5 * kPu * std::pow(4.79 / kY50, 0.25), 1e-9);
  EXPECT_NEAR(-p48(-10.0), kPu, 1e-9);  // the curve is symmetric
  // Deep nodes reach the cap 9 b c.
  EXPECT_NEAR(modulus_at(node_at(360), 10.0) * 10.0, 9 * 24 * 20, 1e-9);
}

TEST_F(StiffClay, CyclicLoadingStretchesTheDeflectionAxisByTheNumberOfCycles) {
  pm.options.LoadingIsCyclic = true;
  pm.options.NumberOfCycles = 100;
  example(kStfClyAW);
  const double scale = 1.0 + double(0.6f) * 2.0;  // 2.2
  EXPECT_NEAR(p48(scale * kY50), 0.5 * kPu, 1e-9);
  EXPECT_LT(p48(16 * scale * kY50 * 0.99), kPu);
  EXPECT_NEAR(p48(16 * scale * kY50), kPu, 1e-9);
  EXPECT_NEAR(p48(30.0), kPu, 1e-9);

  const StiffClayCurve cv{kPu, kY50, 24, 0, scale, true, false};
  EXPECT_NEAR(cv.p(4.8 * scale), kPu, 1e-9);
  EXPECT_NEAR(cv.p(4.8), 0.5 * kPu * std::pow(16.0 / scale, 0.25), 1e-9);
}

TEST_F(StiffClay, NumberOfCyclesIsRaisedToOneByTheModelsWithoutFreeWater) {
  struct Case {
    int code;
    double before, after;
  };
  const Case cases[] = {{kStfClyAW, 0.0, 1.0}, {kStfClyAW, 0.5, 1.0}, {kStfClyAW, 10.0, 10.0},
                        {kStfClyAK, 0.0, 1.0}, {kStfClyAK, 0.5, 0.5}, {kStfClyBW, 0.0, 0.0}};
  for (const Case& k : cases) {
    SetUp();
    pm.options.NumberOfCycles = k.before;
    example(k.code, 1000);
    EXPECT_DOUBLE_EQ(pm.options.NumberOfCycles, k.after) << k.code << " " << k.before;
    TearDown();
  }
}

TEST_F(StiffClay, InitialModulusLimitsTheCurveWithK) {
  example(kStfClyAK, 1000);
  const int m = node_at(48);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[m], 48000.0);  // k zc at zero deflection
  EXPECT_NEAR(modulus_at(m, 1e-4), 48000.0, 1e-6);     // the straight line k zc y
  EXPECT_NEAR(p48(kY50), 0.5 * kPu, 1e-9);             // the clay curve beyond it
  EXPECT_NEAR(p48(5.0), kPu, 1e-9);
  // The intersection: 48000 y = 0.5 pu (y / y50)^0.25.
  const double yi = std::pow(0.5 * kPu / (48000.0 * std::pow(kY50, 0.25)), 1.0 / 0.75);
  EXPECT_NEAR(p48(0.9 * yi), 48000.0 * 0.9 * yi, 1e-9);
  EXPECT_NEAR(p48(1.1 * yi), 0.5 * kPu * std::pow(1.1 * yi / kY50, 0.25), 1e-9);
}

TEST_F(StiffClay, SubgradeModulusIsInterpolatedOverTheLayerOrTakenFromTheStrength) {
  struct Case {
    int code;
    double k_top, k_bottom;
    bool cyclic;
    double expected;  // k at 48 in
  };
  const Case cases[] = {
      {kStfClyAK, 1000, 2000, false, 1100}, {kStfClyAK, 1000, 0, false, 1000},   // bottom <= 0 takes the top
      {kStfClyBW, 1000, -5, false, 1000},   {kStfClyAK, 0, 0, false, 1000},      // c = 20 psi: class 3
      {kStfClyAK, 0, 0, true, 400},         {kStfClyBW, 0, 0, false, 1000},
      {kStfClyBW, -1, 0, true, 400},
  };
  for (const Case& k : cases) {
    SetUp();
    pm.options.LoadingIsCyclic = k.cyclic;
    pile(480, 24);
    clay(0, 480, 20, 0.03, 0.005, k.code);
    pm.soil.kTopOfLayer[1] = k.k_top;
    pm.soil.kBottomOfLayer[1] = k.k_bottom;
    discretise(40);
    Compute_PY_Curves(true);
    ASSERT_EQ(pm.FatalErrorValue, 0);
    EXPECT_NEAR(nodes.SoilModulusEs[node_at(48)], k.expected * 48, 1e-6) << k.code << " " << k.k_top;
    TearDown();
  }
  // The worked example: a static free-water layer of c = 10 psi without k.
  SetUp();
  pile(480, 24);
  clay(0, 480, 10, 0.03, 0.005, kStfClyBW);
  discretise(40);
  Compute_PY_Curves(true);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[node_at(48)], 500.0 * 48);
}

TEST_F(StiffClay, SIDefaultModulusAndStrainFollowTheModelsOwnClasses) {
  // 47.885 kPa lies between the free-water (47.880) and the no-water
  // (47.893) class limits.
  struct Case {
    int code;
    bool cyclic;
    double k;
    const char* eps;  // the printed strain
  };
  const Case cases[] = {
      {kStfClyAK, false, 67861.796875, "     0.01100"},
      {kStfClyAK, true, 27144.7109375, "     0.01100"},
      {kStfClyBW, false, 135723.5625, "      0.0070"},
      {kStfClyBW, true, 54289.421875, "      0.0070"},
  };
  for (const Case& k : cases) {
    SetUp();
    units(kUnitsSI);
    pm.options.LoadingIsCyclic = k.cyclic;
    pile(12, 0.6);
    clay(0, 12, 47.885, 9, 0.0, k.code);
    discretise(40);
    Compute_PY_Curves(true);
    ASSERT_EQ(pm.FatalErrorValue, 0);
    const int m = node_at(1.5);
    EXPECT_NEAR(nodes.SoilModulusEs[m], k.k * 1.5, 1e-6 * k.k) << k.code << " " << k.cyclic;
    print_at(1.5);
    const std::string label = k.code == kStfClyAK ? "Epsilon-50                " : "Epsilon50               ";
    EXPECT_TRUE(contains(report(), prop(label, k.eps))) << report();
    TearDown();
  }
}

struct Eps50Case {
  int code;
  double c;     // psi
  double eps;   // expected strain
};

TEST_F(StiffClay, DefaultStrainFollowsTheShearStrength) {
  const Eps50Case cases[] = {
      {kStfClyAW, 5, 0.011f},    {kStfClyAW, 6.942, 0.007f}, {kStfClyBW, 6.942, 0.011f},
      {kStfClyAW, 13.885, 0.005f}, {kStfClyBW, 13.885, 0.007f}, {kStfClyAW, 27.779, 0.005f},
      {kStfClyBW, 27.779, 0.004f}, {kStfClyAK, 40, 0.004f},     {kStfClyBW, 40, 0.004f},
  };
  for (const Eps50Case& k : cases) {
    SetUp();
    pile(480, 24);
    clay(0, 480, k.c, 0.03, 0.0, k.code);
    pm.soil.kTopOfLayer[1] = pm.soil.kBottomOfLayer[1] = 1e9;  // no k limit in the range checked
    discretise(40);
    Compute_PY_Curves(true);
    ASSERT_EQ(pm.FatalErrorValue, 0);
    // At y50 / 100: 0.5 pu 0.01^0.25 without free water, 0.5 pc 0.1 with it.
    const double y50 = (k.code == kStfClyBW ? 1.0 : 2.5) * k.eps * 24;
    const double g = 0.03, b = 24, c = k.c, z = 48;
    double ref;
    if (k.code == kStfClyBW)
      ref = std::min((g * b + double(2.83f) * c) * z + 2 * c * b, 11 * c * b);  // ca = c in a uniform layer
    else
      ref = std::min((g * b + 0.5 * c) * z + 3 * b * c, 9 * b * c);
    const double factor = k.code == kStfClyBW ? 0.1 : std::pow(0.01, 0.25);
    EXPECT_NEAR(p48(y50 / 100), 0.5 * ref * factor, 1e-9 * ref) << k.code << " " << k.c;
    TearDown();
  }
}

TEST_F(StiffClay, GenericUnitsHaveNoDefaultStrainOrModulus) {
  struct Case {
    int code;
    double eps, k;
    const char* what;
  };
  const Case cases[] = {{kStfClyAW, 0.0, 0, "Epsilon-50"}, {kStfClyAK, 0.01, 0, "k"}, {kStfClyBW, 0.01, -1, "k"},
                        {kStfClyBW, -0.01, 100, "Epsilon-50"}};
  for (const Case& k : cases) {
    SetUp();
    units(kUnitsGeneric);
    pile(480, 24);
    clay(0, 480, 20, 0.03, k.eps, k.code);
    pm.soil.kTopOfLayer[1] = k.k;
    discretise(40);
    Compute_PY_Curves(true);
    EXPECT_EQ(pm.FatalErrorValue, 193) << k.code;
    EXPECT_TRUE(contains(report(), "**** Input Data Error No. 93 ****")) << report();
    EXPECT_TRUE(contains(messages(), std::string("no default value of ") + k.what + " exists in generic units."))
        << messages();
    TearDown();
  }
  // With the values given, generic units run.
  SetUp();
  units(kUnitsGeneric);
  example(kStfClyAK, 1000);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[node_at(48)], 48000.0);
}

TEST_F(StiffClay, StrengthWarningsAwayFromDepthPoints) {
  struct Case {
    int units, code;
    double c;
    int warning;
  };
  const Case cases[] = {
      {kUnitsUS, kStfClyAW, 3.0, -3061},        {kUnitsUS, kStfClyAW, 56.0, -3062},
      {kUnitsSI, kStfClyAW, 20.0, -3063},       {kUnitsSI, kStfClyAW, 384.0, -3064},
      {kUnitsUS, kStfClyAK, 3.0, -3261},        {kUnitsSI, kStfClyAK, 384.0, -3264},
      {kUnitsUS, kStfClyBW, 56.0, -3052},       {kUnitsSI, kStfClyBW, 23.94005, -3053},
      {kUnitsSI, kStfClyBW, 383.0410, 0},       {kUnitsSI, kStfClyAW, 23.94005, 0},
      {kUnitsSI, kStfClyAW, 383.0410, -3064},   {kUnitsGeneric, kStfClyAW, 1.0, 0},
  };
  for (const Case& k : cases) {
    SetUp();
    units(k.units);
    pile(480, 24);
    clay(0, 120, k.c, 0.03, 0.005, k.code);
    clay(120, 480, k.c, 0.03, 0.005, k.code);
    for (int L = 1; L <= 2; ++L) pm.soil.kTopOfLayer[L] = pm.soil.kBottomOfLayer[L] = 1000;
    discretise(40);
    Compute_PY_Curves(true);
    ASSERT_EQ(pm.FatalErrorValue, 0) << k.code;
    int total = 0;
    for (int w : {3051, 3052, 3053, 3054, 3061, 3062, 3063, 3064, 3261, 3262, 3263, 3264})
      total += warning_counter(-w);
    if (k.warning) {
      EXPECT_EQ(warning_counter(k.warning), 40) << k.code << " " << k.c;  // not the node on the interface
      EXPECT_EQ(total, 40) << k.code << " " << k.c;
    } else {
      EXPECT_EQ(total, 0) << k.code << " " << k.c;
    }
    TearDown();
  }
}

TEST_F(StiffClay, ZeroCohesionStopsAfterTheFirstNodeOfALayer) {
  struct Case {
    int code, value;
    const char* block;
  };
  const Case cases[] = {
      {kStfClyAW, 113,
       "**** Input Data Error No. 13 ****\n\nAn error was detected in the input data.\n"
       "Problem:  Zero was input for cohesion of stiff clay without free water.\n\n"
       "Solution:  Please check the values of soil shear strength and revise the input data.\n"},
      {kStfClyAK, 113,
       "**** Input Data Error No. 13 ****\n\nAn error was detected in the input data.\n"
       "Problem:  Zero was input for cohesion of stiff clay without free water.\n\n"
       "Solution:  Please check the values of soil shear strength and revise \nthe input data.\n"},
      {kStfClyBW, 114,
       "**** Input Data Error No. 14 ****\n\n"
       "An error was detected in the input data used to compute p-y curves in \n"
       "stiff clay with free water.\n\n"
       "Problem:  Zero was input for the cohesion of a stiff clay. \n\n"
       "Solution:  Check and compare the values of shear strength and revise the \n"
       "input so that the strength values are correct for the soil types specified.\n"},
  };
  for (const Case& k : cases) {
    SetUp();
    pile(480, 24);
    clay(0, 480, 0.0, 0.03, 0.005, k.code);
    pm.soil.kTopOfLayer[1] = 1000;
    discretise(40);
    Compute_PY_Curves(true);
    EXPECT_EQ(pm.FatalErrorValue, k.value) << k.code;
    EXPECT_TRUE(contains(report(), k.block)) << report();
    EXPECT_TRUE(contains(messages(), k.block)) << messages();
    TearDown();
  }
  // c rising from zero at the ground surface passes.
  SetUp();
  pile(480, 24);
  add_layer({kStfClyAW, 0, 480, 0.03, 0.03, 0.0, 20.0, 0.005, 0.005});
  discretise(40);
  Compute_PY_Curves(true);
  EXPECT_EQ(pm.FatalErrorValue, 0);
}

TEST_F(StiffClay, FreeWaterCoefficientsAtTheirLimits) {
  EXPECT_DOUBLE_EQ(Stiff_Clay_As(0.0), double(0.2345f));
  EXPECT_DOUBLE_EQ(Stiff_Clay_Ac(0.0), double(0.2f));
  EXPECT_DOUBLE_EQ(Stiff_Clay_As(3.31), double(0.6f));
  EXPECT_DOUBLE_EQ(Stiff_Clay_As(10.0), double(0.6f));
  EXPECT_DOUBLE_EQ(Stiff_Clay_Ac(1.51), double(0.3f));
  EXPECT_DOUBLE_EQ(Stiff_Clay_Ac(5.0), double(0.3f));
}

TEST_F(StiffClay, FreeWaterStaticCurveRisesToItsPeakAndFallsToTheResidual) {
  const double pc = 1000, y50 = 0.1, As = 0.4;
  const StiffClayWaterCurve cv{pc, y50, As, 0.25, 1e12, false};
  const double ya = As * y50;
  const double peak6 = 0.5 * std::sqrt(6 * As) * pc - double(0.411f) * pc;
  EXPECT_DOUBLE_EQ(cv.p(0.0), 0.0);
  EXPECT_DOUBLE_EQ(cv.p(ya), 0.5 * pc * std::sqrt(As));
  EXPECT_DOUBLE_EQ(cv.p(ya / 4), 0.5 * pc * std::sqrt(As / 4));
  EXPECT_NEAR(cv.p(3 * ya), pc * (0.5 * std::sqrt(3 * As) - double(0.055f) * std::pow(2.0, 1.25)), 1e-9);
  EXPECT_NEAR(cv.p(6 * ya), pc * (0.5 * std::sqrt(6 * As) - double(0.055f) * std::pow(5.0, 1.25)), 1e-9);
  EXPECT_NEAR(cv.p(6 * ya * (1 + 1e-12)), peak6, 1e-6);
  EXPECT_NEAR(cv.p(12 * ya), peak6 - 0.0625 * pc * 6 * As, 1e-9);
  EXPECT_NEAR(cv.p(18 * ya), cv.pr(), 1e-9);  // continuous into the residual
  EXPECT_DOUBLE_EQ(cv.p(100 * ya), 0.5 * std::sqrt(6 * As) * pc - 0.75 * As * pc - double(0.411f) * pc);
  EXPECT_DOUBLE_EQ(cv.residual_factor(), 0.5 * std::sqrt(6 * As) - double(0.411f) - 0.75 * As);
  // The initial modulus caps the rising branch; below 1e-14 the modulus is kz.
  const StiffClayWaterCurve stiff{pc, y50, As, 0.25, 2000, false};
  EXPECT_DOUBLE_EQ(stiff.p(0.01), 20.0);
  EXPECT_DOUBLE_EQ(stiff.secant(0.0, 0.5, 2.0), 2000.0);
  EXPECT_DOUBLE_EQ(stiff.secant(0.01, 0.5, 2.0), 0.5 * 20.0 / (0.01 * 2.0));
}

TEST_F(StiffClay, FreeWaterCyclicCurvePeaksAtAcPcAndDegrades) {
  const double pc = 1000, y50 = 0.1, As = 0.4, Ac = 0.25;
  const StiffClayWaterCurve cv{pc, y50, As, Ac, 1e12, true};
  const double yp = double(4.1f) * As * y50;
  EXPECT_DOUBLE_EQ(cv.yp(), yp);
  EXPECT_NEAR(cv.p(0.0), 0.0, 1e-12);
  EXPECT_DOUBLE_EQ(cv.p(double(0.45f) * yp), Ac * pc);
  EXPECT_NEAR(cv.p(0.6 * yp), Ac * pc * (1 - std::pow(1.0 / 3.0, 2.5)), 1e-4);
  EXPECT_NEAR(cv.p(1.2 * yp), double(0.936f) * Ac * pc - double(0.085f) * pc * 0.6 * yp / y50, 1e-4);
  EXPECT_NEAR(cv.p(1.8 * yp), cv.p(5 * yp), 1e-3);  // continuous into the residual
  EXPECT_DOUBLE_EQ(cv.p(5 * yp), double(0.936f) * Ac * pc - double(0.102f) * pc * yp / y50);
  EXPECT_DOUBLE_EQ(cv.residual_factor(), double(0.936f) * Ac - double(0.4182f) * As);
}

TEST_F(StiffClay, FreeWaterNodeUsesTheCoefficientsAtItsDepthRatio) {
  example(kStfClyBW, 1e9);
  // Node at 48 in: r = 2, As from the cubic, Ac = 0.3; pc = pct (shallow).
  const double r = 2.0, As = Stiff_Clay_As(r);
  const double pc = (0.03 * 24 + double(2.83f) * 20) * 48 + 2 * 20 * 24;
  const StiffClayWaterCurve cv{pc, 0.005 * 24, As, 0.3, 1e9 * 48, false};
  for (double y : {0.01, 0.1, 0.5, 1.0, 3.0}) EXPECT_NEAR(p48(y), cv.p(y), 1e-9 * pc) << y;
  // Deep nodes are capped at 11 c b.
  const StiffClayWaterCurve deep{11 * 20 * 24, 0.12, 0.6f, 0.3f, 1e9 * 360, false};
  EXPECT_NEAR(modulus_at(node_at(360), 0.5) * 0.5, deep.p(0.5), 1e-9 * deep.pc);
}

TEST_F(StiffClay, FreeWaterAverageStrengthRunsOverTheLayerBelowTheFirst) {
  // Layer 2 from 120 in with c rising from 10 to 40 psi: ca at 144 in is the
  // mean over 120..144, printed as the average cohesion.
  pile(480, 24);
  clay(0, 120, 10, 0.03, 0.005, kStfClyBW);
  add_layer({kStfClyBW, 120, 480, 0.03, 0.03, 10, 40, 0.005, 0.005});
  for (int L = 1; L <= 2; ++L) pm.soil.kTopOfLayer[L] = 1e9;
  discretise(40);
  Compute_PY_Curves(true);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  pm.data.NumPYOutputDepths = 3;
  pm.data.PYOutput[1].PYOutputDepth = 120;
  pm.data.PYOutput[2].PYOutputDepth = 132;
  pm.data.PYOutput[3].PYOutputDepth = 144;
  Assign_PY_Output_Depths_To_Layers(3);
  Print_PY_Curves();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const std::string r = report();
  const double c144 = 10 + 24 * 30.0 / 360;
  EXPECT_TRUE(contains(r, prop("c (at curve depth)      ", fmt::F(12, 3, c144) + " psi ")));
  EXPECT_TRUE(contains(r, prop("Average cohesion, c     ", fmt::F(12, 3, (10 + c144) / 2) + " psi "))) << r;
}

TEST_F(StiffClay, SlopingGroundFactorBySideOfTheDeflection) {
  const double ten = 10.0 * std::numbers::pi / 180.0;
  const double A = 1.0 / (1.0 + std::tan(ten));
  struct Case {
    int code;
    double theta, y;
    bool upslope;  // B rather than A
  };
  const Case cases[] = {{kStfClyAW, ten, 10.0, false}, {kStfClyAW, ten, -10.0, true}, {kStfClyAW, -ten, 10.0, true},
                        {kStfClyAW, -ten, -10.0, false}, {kStfClyAK, ten, 10.0, false}, {kStfClyBW, ten, -10.0, true},
                        {kStfClyBW, -ten, 10.0, true}};
  for (const Case& k : cases) {
    SetUp();
    pm.data.EffectiveSlopeAngle = k.theta;
    example(k.code, 1e9);
    const double s = k.code == kStfClyBW ? 0.7071067811865476 : 0.7071067690849304;
    const double B = std::cos(ten) * s / std::cos(std::numbers::pi / 4 + ten);
    const double f = k.upslope ? B : A;
    const int m = node_at(48);
    const double p = modulus_at(m, k.y) * std::fabs(k.y);
    if (k.code == kStfClyBW) {
      const double pc = f * ((0.03 * 24 + double(2.83f) * 20) * 48 + 2 * 20 * 24);
      const StiffClayWaterCurve cv{pc, 0.12, Stiff_Clay_As(2.0), 0.3, 1e9 * 48, false};
      EXPECT_NEAR(p, cv.p(10.0), 1e-9 * pc) << k.theta << " " << k.y;
    } else {
      EXPECT_NEAR(p, f * kPu, 1e-9) << k.code << " " << k.theta << " " << k.y;
    }
    TearDown();
  }
  // At zero deflection a positive slope takes the upslope factor.
  SetUp();
  pm.data.EffectiveSlopeAngle = ten;
  example(kStfClyAW);
  const double B = std::cos(ten) * 0.7071067690849304 / std::cos(std::numbers::pi / 4 + ten);
  const double limit = 0.5 * B * kPu * std::pow(kY50 / (2e-5 * 24), 0.75) / kY50;
  EXPECT_NEAR(nodes.SoilModulusEs[node_at(48)], limit, 1e-9 * limit);
}

TEST_F(StiffClay, LayerIntegralAddsTheRestOfTheLayerBelowItsLastNode) {
  pile(480, 24);
  clay(0, 126, 20, 0.03, 0.005, kStfClyAW);
  clay(126, 480, 20, 0.03, 0.005, kStfClyAW);
  discretise(40);
  Compute_PY_Curves(true);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  auto pu = [](double z) { return std::min((0.03 * 24 + 10) * z + 1440, 4320.0); };
  double expected = 0;
  for (int j = 1; j <= 10; ++j) expected += 6.0 * (pu(12.0 * (j - 1)) + pu(12.0 * j));
  expected += 6.0 * pu(120);
  EXPECT_NEAR(pyset.LayerPuIntegral[1], expected, 1e-9 * expected);

  // Ground surface above the pile head: layer 1 takes the trapezoid of 3 cavg b and pu.
  SetUp();
  pile(480, 24);
  clay(-24, 480, 20, 0.03, 0.005, kStfClyAW);
  discretise(40);
  Compute_PY_Curves(true);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const double pu_tip = std::min((0.03 * 24 + 10) * 504 + 1440, 4320.0);
  EXPECT_NEAR(pyset.LayerPuIntegral[1], 504 * 0.5 * (3 * 20 * 24 + pu_tip), 1e-6);
}

TEST_F(StiffClay, FreeWaterModulusThatIsNotANumberIsReportedAndTheRunGoesOn) {
  AnalysisData& d = pm.data;
  d.NumPYModifierRows = 2;
  d.PMultiplierX[1] = 0;
  d.PMultiplierX[2] = 480;
  d.PMultiplier[1] = d.PMultiplier[2] = 1.0;
  d.YMultiplier[1] = d.YMultiplier[2] = 0.0;
  example(kStfClyBW, 1000);
  for (int m = 1; m <= nodes.NumNodes; ++m) nodes.y[m] = 1.0;
  Compute_PY_Curves(false);
  EXPECT_EQ(pm.FatalErrorValue, 0);
  EXPECT_TRUE(std::isnan(nodes.SoilModulusEs[node_at(48)]));
  EXPECT_TRUE(contains(messages(), "Error in stiff clay with water at line 502\n"));
}

TEST_F(StiffClay, PrintedCurveWithoutFreeWater) {
  example(kStfClyAW);
  print_at(48);
  const auto plot_lines = lines_of(plot());
  ASSERT_EQ(plot_lines.size(), 18u);
  EXPECT_EQ(plot_lines[0], "  0.4800000E+02   17" + std::string(84, ' ') +
                               "Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. 1");
  const double ys16 = 16 * kY50, ye = double(16.8f) * kY50;
  const double expected_y[17] = {0,           1e-5 * ys16,  5e-5 * ys16,  1e-4 * ys16, 5e-4 * ys16, 0.001 * ys16,
                                 0.005 * ys16, 0.01 * ys16, 0.025 * ys16, 0.05 * ys16, 0.075 * ys16, 0.1 * ys16,
                                 0.25 * ys16, 0.5 * ys16,   ys16,         (ys16 + ye) / 2, ye};
  for (int k = 1; k <= 17; ++k) {
    const std::string& l = plot_lines[k];
    EXPECT_EQ(l.substr(104), "Line 8(" + std::to_string(k) + "): y(in), p(lb/in), for stiff clay w/o water");
    const double y = std::stod(l.substr(0, 15)), p = std::stod(l.substr(15, 15));
    EXPECT_NEAR(y, expected_y[k - 1], 1e-6 * ys16) << k;
    const double ref = y <= ys16 * (1 + 1e-6) ? 0.5 * kPu * std::pow(y / kY50, 0.25) : kPu;
    EXPECT_NEAR(p, ref, 1e-6 * kPu) << k;
  }
  const std::string r = report();
  EXPECT_TRUE(contains(r, "\n\np-y Curve Computed Using Static Criteria for Stiff Clay without Free Water\n\n"));
  EXPECT_TRUE(contains(r, prop("Soil Layer Number         ", "           1")));
  EXPECT_TRUE(contains(r, prop("Depth below pile head      ", "       4.000 ft")));
  EXPECT_TRUE(contains(r, prop("Equivalent Depth           ", "       4.000 ft")));
  EXPECT_TRUE(contains(r, prop("Pile Batter Angle         ", "       0.000 degrees")));
  EXPECT_TRUE(contains(r, prop("Diameter                  ", "      24.000 in ")));
  EXPECT_TRUE(contains(r, prop("Undrained cohesion, c     ", "    20.00000 psi ")));
  EXPECT_TRUE(contains(r, prop("Undrained cohesion, c     ", "  2880.00000 psf")));
  EXPECT_TRUE(contains(r, prop("Average Eff. Unit Weight  ", "    51.84000 pcf")));
  EXPECT_TRUE(contains(r, prop("Epsilon-50                ", "     0.00500")));
  EXPECT_TRUE(contains(r, prop("Pct                       ", "    1954.560 lb/in")));
  EXPECT_TRUE(contains(r, prop("Pcd                       ", "    4320.000 lb/in")));
  EXPECT_TRUE(contains(r, prop("Pu                        ", "    1954.560 lb/in")));
  EXPECT_TRUE(contains(r, prop("y50                       ", "     0.30000 in ")));
  EXPECT_TRUE(contains(r, prop("p-multiplier              ", "     1.00000")));
  EXPECT_FALSE(contains(r, "Number of cycles"));
  EXPECT_TRUE(contains(r, "\n        y, in " + std::string(12, ' ') + "p, lb/in\n----------------    -----------------\n")) << r;
}

TEST_F(StiffClay, PrintedCurvesOfTheOtherModelsAndCyclicLoading) {
  struct Case {
    int code;
    bool cyclic;
    const char* title;
    const char* line7;
    const char* line8;
    const char* cycles;
  };
  const Case cases[] = {
      {kStfClyAK, true,
       "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water\nwith Option of Defining Initial k\n",
       "Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points on curve no. 1",
       "): y(m), p(kN/m), for stiff clay w/o water with k", "Number of Cycles of Loading"},
      {kStfClyAW, true, "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water\n",
       "Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. 1",
       "): y(m), p(kN/m), for stiff clay w/o water", "Number of cycles of loading "},
      {kStfClyBW, false, "p-y Curve Computed Using Static Criteria for Stiff Clay with Free Water\n",
       "Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. 1",
       "): y(m), p(kN/m), for stiff clay with free water", nullptr},
      {kStfClyBW, true, "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water\n",
       "Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. 1",
       "): y(m), p(kN/m), for stiff clay with free water", "Number of Cycles of Loading"},
  };
  for (const Case& k : cases) {
    SetUp();
    units(kUnitsSI);
    pm.options.LoadingIsCyclic = k.cyclic;
    pm.options.NumberOfCycles = 10;
    pile(12, 0.6);
    clay(0, 12, 100, 9, 0.005, k.code);
    pm.soil.kTopOfLayer[1] = pm.soil.kBottomOfLayer[1] = 1e9;
    discretise(40);
    Compute_PY_Curves(true);
    ASSERT_EQ(pm.FatalErrorValue, 0);
    print_at(1.5);
    const auto plot_lines = lines_of(plot());
    ASSERT_EQ(plot_lines.size(), 18u) << k.code;
    EXPECT_EQ(plot_lines[0].substr(104), k.line7);
    EXPECT_EQ(plot_lines[17].substr(104), std::string("Line 8(17") + k.line8);
    const std::string r = report();
    EXPECT_TRUE(contains(r, std::string("\n\n") + k.title + "\n")) << r;
    if (k.cycles)
      EXPECT_TRUE(contains(r, prop(k.cycles, "      10.000"))) << r;
    else
      EXPECT_FALSE(contains(r, "Cycles"));
    EXPECT_FALSE(contains(r, "psf") || contains(r, "pcf") || contains(r, " ft"));
    // The models without free water have their own column header; the
    // free-water model the common one (y at column 6, p at column 25).
    const std::string own = "\n        y, m  " + std::string(12, ' ') + "p, kN/m \n";
    const std::string common = "\n     y, m  " + std::string(13, ' ') + "p, kN/m \n----------------    -----------------\n";
    EXPECT_EQ(contains(r, own), k.code != kStfClyBW) << r;
    EXPECT_EQ(contains(r, common), k.code == kStfClyBW) << r;
    if (k.code == kStfClyBW) {
      // The last point lies at 19 As y50 (static) or 1.9 yp (cyclic).
      const double As = Stiff_Clay_As(1.5 / 0.6), y50 = 0.005 * 0.6;
      const double last = k.cyclic ? double(1.9f) * double(4.1f) * As * y50 : 19 * As * y50;
      EXPECT_NEAR(std::stod(plot_lines[17].substr(0, 15)), last, 1e-6 * last);
      EXPECT_TRUE(contains(r, k.cyclic ? "Ac                       " : "Ac (not used)           "));
    } else {
      // Cyclic: the last point at 18.75 (16 + 9.6 log10 N) y50 / 15.
      const double y50 = 2.5 * 0.005 * 0.6, last = 18.75 * (16 + double(9.6f)) * y50 / 15;
      EXPECT_NEAR(std::stod(plot_lines[17].substr(0, 15)), last, 1e-6 * last);
      EXPECT_EQ(contains(r, "Ground Slope Angle"), k.code == kStfClyAW);
      EXPECT_EQ(contains(r, prop("k                         ", " 1000000000. kN/m3")), k.code == kStfClyAK) << r;
    }
    TearDown();
  }
}

// The example shaft in stiff clay crust (without water, then with k), soft
// clay with J and stiff clay with free water, as a conventional analysis of
// two load cases, static and cyclic.
TEST(StiffClayRun, ExampleProfileRunsToANormalEnd) {
  std::string deck = read_source_file("examples/drilled_shaft_stiff_clay_lrfd.inp");
  auto replace = [&deck](const std::string& from, const std::string& to) {
    const auto at = deck.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    deck.replace(at, from.size(), to);
  };
  replace("UseLRFD YES", "UseLRFD NO");
  replace("PrintPYCurves YES", "PrintPYCurves NO");
  const auto lrfd = deck.find("LRFD LOADS");
  ASSERT_NE(lrfd, std::string::npos);
  deck = deck.substr(0, lrfd) + "LOADING\n2\n1 1 30000.0 0.0 450000.0 1\n2 1 80000.0 0.0 450000.0 1\n0\nEND\n";
  for (const char* loading : {"Loading STATIC     1", "Loading CYCLIC   100"}) {
    std::string d = deck;
    d.replace(d.find("Loading STATIC     1"), 20, loading);
    const KgoRun run = run_kgo(d);
    EXPECT_FALSE(run.crashed) << loading;
    EXPECT_LE(run.status, 0) << loading << "\n" << run.messages;
    EXPECT_NE(run.messages.find("Analysis Case 2"), std::string::npos) << loading;
    EXPECT_NE(run.messages.find("The analysis ended normally."), std::string::npos) << loading << "\n" << run.messages;
  }
}

}  // namespace
}  // namespace kavro::test
