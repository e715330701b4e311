// Rock p-y curves: weak rock (resistance with depth into rock, the curve's
// two branches, krm and Eir at a depth, warnings and error blocks, the
// printed curve), vuggy limestone (curve, soil movement, warnings, printed
// block) and massive rock (the run ends with status 99).
#include <cmath>
#include <string>

#include "soil/py_models.h"
#include "soil/rock.h"
#include "tests/soil/soil_fixture.h"
#include "tests/support/run_kgo.h"

namespace kavro::test {
namespace {

constexpr int kVuggyLS = 9, kMassRock = 16;

class Rock : public SoilTest {
 protected:
  // A weak-rock layer with uniform properties.
  void weak_rock(double top, double bottom, double qu, double Eir, double rqd, double krm, double gamma = 0.02) {
    add_layer({kWeakRock, top, bottom, gamma, gamma, qu, qu, krm, krm});
    const int c = pm.soil.i_Number_of_Layers;
    pm.soil.kTopOfLayer[c] = pm.soil.kBottomOfLayer[c] = Eir;
    pm.soil.RQD[2 * c - 1] = pm.soil.RQD[2 * c] = rqd;
  }
  void vuggy(double top, double bottom, double qu, double gamma = 0.02) {
    add_layer({kVuggyLS, top, bottom, gamma, gamma, qu, qu, 0, 0});
  }
  // 480 in pile of width b in a single weak-rock layer, nodes every 12 in.
  void rock_pile(double b, double qu = 1000, double rqd = 0, double krm = 0.0005, double Eir = 50000) {
    pile(480, b);
    weak_rock(0, 480, qu, Eir, rqd, krm);
    discretise(40);
    Compute_PY_Curves(true);
  }
  // Curves at the given output depths (print mode).
  void print_at(std::initializer_list<double> depths) {
    int n = 0;
    for (double d : depths) pm.data.PYOutput[++n].PYOutputDepth = d;
    pm.data.NumPYOutputDepths = n;
    Assign_PY_Output_Depths_To_Layers(n);
    Print_PY_Curves();
  }
  static std::string property(const std::string& label, const std::string& value) {
    return label + std::string(55 - label.size(), ' ') + "= " + value;
  }
};

TEST_F(Rock, WeakRockResistanceGrowsDownToThreeWidthsIntoTheRock) {
  struct Case {
    double rqd, xr, pur, Kir;
  };
  const double alpha30 = 1.0 - 30 * 0.006666666828095913;  // 0.8
  const Case cases[] = {
      {0, 0.0, 36000, 5e6},
      {0, 54.0, 36000 * (1 + double(1.4f) * 1.5), 50000 * (100 + 200.0)},
      {0, 108.0, 36000 * (1 + double(1.4f) * 3), 50000 * 500.0},
      {0, 108.001, 36000 * double(5.2f), 50000 * 500.0},
      {0, 400.0, 187200 * double(5.2f) / 5.2, 50000 * 500.0},
      {30, 0.0, 36000 * alpha30, 5e6},
  };
  for (const Case& k : cases) {
    const double alpha = 1.0 - k.rqd * 0.006666666828095913;
    const WeakRockResistance r = Weak_Rock_Resistance(alpha, 1000, 36, k.xr, 50000);
    EXPECT_NEAR(r.pur, k.pur, 1e-6 * k.pur) << k.xr;
    EXPECT_NEAR(r.Kir, k.Kir, 1e-9 * k.Kir) << k.xr;
  }
  EXPECT_NEAR(alpha30, 0.8, 1e-8);
}

TEST_F(Rock, WeakRockNodesTakeTheUltimateResistanceAtLargeDeflection) {
  rock_pile(36);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  // At the rock surface (xr = 1e-8) and below 3 b = 108 in.
  EXPECT_NEAR(modulus_at(node_at(0), 1.0), 36000, 1e-3);
  EXPECT_NEAR(modulus_at(node_at(120), 1.0), 187200 * double(5.2f) / 5.2, 1e-6);
  EXPECT_NEAR(modulus_at(node_at(120), -2.0) * 2.0, 187200 * double(5.2f) / 5.2, 1e-6);
  EXPECT_EQ(warning_counter(316) + warning_counter(317) + warning_counter(3071) + warning_counter(3072), 0);
}

TEST_F(Rock, WeakRockCurveIsStraightUpToYaThenRisesWithTheQuarterPower) {
  const double yrm = 0.0005 * 36;
  const WeakRockCurve cv = WeakRockCurve::make(36000, 5e6, yrm);
  EXPECT_NEAR(yrm, 0.018, 1e-15);
  // The branches meet at ya, to the 0.1 % the single-precision exponent
  // 1.333 (for 4/3) leaves.
  EXPECT_NEAR(cv.Kir * cv.ya, 0.5 * cv.pur * std::pow(cv.ya / yrm, 0.25), 2e-3 * cv.Kir * cv.ya);
  EXPECT_NEAR(cv.ya, std::pow(36000 / (2 * std::pow(yrm, 0.25) * 5e6), 1.3329999446868896), 1e-15);
  EXPECT_DOUBLE_EQ(cv.p(0.5 * cv.ya), cv.Kir * 0.5 * cv.ya);
  EXPECT_DOUBLE_EQ(cv.p(yrm), 0.5 * cv.pur);
  EXPECT_DOUBLE_EQ(cv.p(16 * yrm), cv.pur);
  EXPECT_DOUBLE_EQ(cv.p(100 * yrm), cv.pur);
  EXPECT_DOUBLE_EQ(cv.p(-yrm), -0.5 * cv.pur);
  // Secant: Kir on the straight line (multipliers do not enter there).
  EXPECT_DOUBLE_EQ(cv.secant(0.0, 0.5, 2.0), cv.Kir);
  EXPECT_DOUBLE_EQ(cv.secant(0.5 * cv.ya, 0.5, 2.0), cv.Kir);
  EXPECT_DOUBLE_EQ(cv.secant(yrm, 0.5, 2.0), 0.5 * cv.p(yrm) / (yrm * 2.0));
  // No resistance at all (zero strength at the top of a layer): no 0/0.
  const WeakRockCurve none = WeakRockCurve::make(0.0, 5e6, yrm);
  EXPECT_DOUBLE_EQ(none.secant(0.0, 1, 1), 0.0);
  EXPECT_DOUBLE_EQ(none.secant(0.1, 1, 1), 0.0);
}

TEST_F(Rock, WeakRockModulusWithMultipliersAndSoilMovement) {
  AnalysisData& d = pm.data;
  d.NumPYModifierRows = 2;
  d.PMultiplierX[1] = 0;
  d.PMultiplierX[2] = 480;
  d.PMultiplier[1] = d.PMultiplier[2] = 0.5;
  d.YMultiplier[1] = d.YMultiplier[2] = 2.0;
  rock_pile(36);
  const int m = node_at(120);
  const WeakRockCurve cv = WeakRockCurve::make(187200 * double(5.2f) / 5.2, 500 * 50000.0, 0.018);
  EXPECT_NEAR(modulus_at(m, 0.1), 0.5 * cv.p(0.05) / 0.1, 1e-9 * cv.Kir);
  EXPECT_DOUBLE_EQ(modulus_at(m, 0.0), 500 * 50000.0);

  pm.options.UseSoilMovement = true;
  d.NumSoilMovementPoints = 2;
  d.SoilMovementX[1] = 0;
  d.SoilMovementX[2] = 480;
  d.SoilMovementValue[1] = d.SoilMovementValue[2] = 0.1;
  Compute_Soil_Movements();
  const double Es = modulus_at(m, 0.3);
  EXPECT_NEAR(Es, 0.5 * cv.p(0.1) / 0.2, 1e-9 * cv.Kir);  // at y - ys = 0.2
  EXPECT_NEAR(nodes.SoilMovementForce[m], 0.1 * Es, 1e-9 * Es);
}

TEST_F(Rock, DepthIntoRockCountsTheRockLayersDirectlyAbove) {
  pile(480, 36);
  clay(0, 100, 10);
  weak_rock(100, 150, 1000, 50000, 0, 0.0005);
  vuggy(150, 200, 3000);
  weak_rock(200, 480, 1000, 50000, 0, 0.0005);
  EXPECT_NEAR(Depth_Into_Rock(2, 100), 1e-8, 1e-12);          // below clay: from its own top
  EXPECT_NEAR(Depth_Into_Rock(2, 130), 30 + 1e-8, 1e-12);
  EXPECT_NEAR(Depth_Into_Rock(3, 150), 50 + 1e-8, 1e-12);     // below 50 in of weak rock
  EXPECT_NEAR(Depth_Into_Rock(4, 200), 100 + 1e-8, 1e-12);    // weak rock and vuggy limestone above
  EXPECT_NEAR(Depth_Into_Rock(4, 260), 160 + 1e-8, 1e-12);
}

TEST_F(Rock, KrmIsInterpolatedAndTakesTheLowerRockOnAnInterface) {
  pile(240, 36);
  weak_rock(0, 120, 1000, 50000, 0, 0.0002);
  weak_rock(120, 240, 1000, 50000, 0, 0.0004);
  pm.soil.Eps50[2] = 0.0003;  // bottom of the upper layer
  nodes.PileLength = 240;
  EXPECT_DOUBLE_EQ(Krm_At_Depth(0), 0.0002);
  EXPECT_DOUBLE_EQ(Krm_At_Depth(60), 0.00025);
  EXPECT_DOUBLE_EQ(Krm_At_Depth(120), 0.0004);  // interface: the rock below
  EXPECT_DOUBLE_EQ(Krm_At_Depth(240), 0.0004);
  EXPECT_DOUBLE_EQ(Krm_At_Depth(241), 0.0);
  nodes.PileLength = 120;                        // interface at the pile tip: the rock above
  EXPECT_DOUBLE_EQ(Krm_At_Depth(120), 0.0003);
}

TEST_F(Rock, WeakRockWarningsOnStrengthAndKrm) {
  struct Case {
    int units;
    double qu, krm;
    int warning;  // 0: none
  };
  const Case cases[] = {
      {kUnitsUS, 99, 0.0002, 3071},     {kUnitsUS, 1001, 0.0002, 3072},  {kUnitsUS, 1000, 0.0002, 0},
      {kUnitsUS, 100, 0.0002, 0},       {kUnitsSI, 689, 0.0002, 3073},   {kUnitsSI, 6896, 0.0002, 3074},
      {kUnitsSI, 689.5, 0.0002, 0},     {kUnitsGeneric, 5, 0.0002, 0},   {kUnitsUS, 500, 0.00004, 316},
      {kUnitsUS, 500, 0.0006, 317},     {kUnitsUS, 500, 0.00005, 0},     {kUnitsUS, 500, 0.0005, 0},
  };
  for (const Case& k : cases) {
    SetUp();
    units(k.units);
    rock_pile(36, k.qu, 0, k.krm);
    EXPECT_EQ(pm.FatalErrorValue, 0);
    for (int w : {3071, 3072, 3073, 3074, 316, 317})
      EXPECT_EQ(warning_counter(w) > 0, w == k.warning) << k.units << " " << k.qu << " " << k.krm << " " << w;
    TearDown();
  }
}

TEST_F(Rock, WeakRockInputErrors) {
  // Zero strength at a depth inside a layer.
  rock_pile(36, 0.0);
  EXPECT_EQ(pm.FatalErrorValue, 162);
  const std::string e62 =
      "**** Input Data Error No. 62 ****\n\n"
      "Problem:   The input value for compressive strength is less than or equal to zero.\n\n"
      "Solution:  Check the input values for layer 1\n";
  EXPECT_TRUE(contains(report(), e62 + "\n\nKavro ended prematurely due to input error number INP00062\n")) << report();
  EXPECT_TRUE(contains(messages(), e62)) << messages();

  // A strength that is positive but next to nothing passes the first node only.
  SetUp();
  rock_pile(36, 1e-11);
  EXPECT_EQ(pm.FatalErrorValue, 116);
  EXPECT_TRUE(contains(report(),
                       "**** Input Data Error No. 16 ****\n\n"
                       "An error was detected when computing the p-y curve for weak rock.\n"
                       "Problem:   The input value for the compressive strength of a weak rock was \n"
                       "           input as negative or zero (0).\n\n"
                       "Solution:  Check the depth values for soil layering and soil shear strength "))
      << report();

  SetUp();
  rock_pile(36, 1000, 0, 0.0);
  EXPECT_EQ(pm.FatalErrorValue, 163);
  const std::string e63 =
      "**** Input Data Error No. 63 ****\n\n"
      "Problem:  The input value for k_rm for weak rock is less than or equal to zero.\n\n"
      "Solution: Check the input values for layer 1\n";
  EXPECT_TRUE(contains(report(), e63)) << report();
  EXPECT_TRUE(contains(messages(), e63));

  SetUp();
  rock_pile(36, 1000, 120);  // RQD above 100 percent
  EXPECT_EQ(pm.FatalErrorValue, 149);
}

TEST_F(Rock, WeakRockRuntimeErrors) {
  // A pile of no width has yrm = 0.
  rock_pile(0.0);
  EXPECT_EQ(pm.FatalErrorValue, 222);
  EXPECT_TRUE(contains(report(),
                       "**** Runtime Error No. 22 ****\n\n"
                       "An error was detected when computing the p-y curve for weak rock.     \n"
                       "Problem:  The input value for k_rm is less than or equal to 0. \n\n"
                       "Solution:  Check the input values for the week rock properties in the soil layer 1\n"
                       "\n\nKavro ended prematurely due to runtime error number RUN00022\n"))
      << report();

  // Eir in a layer of zero thickness.
  SetUp();
  weak_rock(0, 240, 1000, 40000, 0, 0.0005);
  pm.soil.kBottomOfLayer[1] = 80000;
  EXPECT_DOUBLE_EQ(Eir_At_Depth(1, 60), 50000);
  weak_rock(240, 240, 1000, 40000, 0, 0.0005);
  EXPECT_DOUBLE_EQ(Eir_At_Depth(2, 240), 0.0);
  EXPECT_EQ(pm.FatalErrorValue, 220);
  EXPECT_TRUE(contains(report(),
                       "**** Runtime Error No. 20 ****\n\n"
                       "Problem:  The top and bottom elevations for weak rock layer are equal.\n"
                       "Solution: Correct the input data for elevations defining weak rock layer.\n"))
      << report();
}

TEST_F(Rock, WeakRockPrintedCurveEndsAtTwentyYrm) {
  pm.options.NumberOfCycles = 0;
  rock_pile(36);
  EXPECT_DOUBLE_EQ(pm.options.NumberOfCycles, 1.0);
  print_at({120});
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const std::string r = report();
  for (const std::string& line : {
           std::string("p-y Curve Computed Using Weak Rock Criteria\n"),
           property("Soil Layer Number              ", "           1\n"),
           property("Depth below pile head      ", "      10.000 ft\n"),
           property("Avg. Eff. Unit Weight          ", "    34.56000 pcf\n"),
           property("Xr                             ", "      10.000 ft\n"),
           property("RQD                            ", "       0.000 %\n"),
           property("Eir                            ", "      50000. psi \n"),
           property("k_rm                           ", "     0.00050\n"),
           property("K_ir                           ", " 0.25000E+08 psi \n"),
           property("Yu                             ", "       1.350 in \n"),
           property("Yrm                            ", "       0.018 in \n"),
       })
    EXPECT_TRUE(contains(r, line)) << line << r;
  const auto lines = lines_of(r);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.back(), "   " + fmt::adaptive(0.36, 12) + "     " + fmt::adaptive(187200 * double(5.2f) / 5.2, 12));
  const std::string p = plot();
  EXPECT_TRUE(contains(p, "Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. 1")) << p;
  EXPECT_TRUE(contains(p, "Line 8(17): y(in), p(lb/in), for weak rock")) << p;
}

TEST_F(Rock, VuggyLimestoneCurveOfTheWorkedExample) {
  const VuggyLimestoneCurve cv = VuggyLimestoneCurve::make(1500, 36, 25.0);
  EXPECT_NEAR(cv.y1, 0.0144, 1e-9);
  EXPECT_NEAR(cv.p1, 43200, 1e-3);
  EXPECT_NEAR(cv.y2, 0.0144 + 10800.0 / 150000.0, 1e-8);
  EXPECT_NEAR(cv.p(cv.y2), 54000, 1e-6);
  EXPECT_NEAR(cv.p(0.5 * cv.y1), 0.5 * cv.p1, 1e-3);
  EXPECT_DOUBLE_EQ(cv.p(1.001 * cv.y2), 25.0);  // fractured: overburden term only
  EXPECT_DOUBLE_EQ(cv.p(-cv.y2), -cv.p(cv.y2));
  EXPECT_DOUBLE_EQ(cv.secant(0.0, 0.5, 2.0), 3e6 / 2.0);
  EXPECT_DOUBLE_EQ(cv.secant(0.05, 0.5, 2.0), 0.5 * cv.p(0.05) / (0.05 * 2.0));
}

TEST_F(Rock, VuggyLimestoneFollowsThePileDeflectionAndTheMovementDoesNotLoadIt) {
  pile(480, 36);
  vuggy(0, 480, 3000);
  pm.options.UseSoilMovement = true;
  AnalysisData& d = pm.data;
  d.NumSoilMovementPoints = 2;
  d.SoilMovementX[1] = 0;
  d.SoilMovementX[2] = 480;
  d.SoilMovementValue[1] = d.SoilMovementValue[2] = 0.05;
  discretise(40);  // evaluates the limestone once: y = 0 gives k1
  const int m = node_at(120);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[m], 3e6);
  const double force = nodes.SoilMovementForce[m];
  const VuggyLimestoneCurve cv = VuggyLimestoneCurve::make(1500, 36, 0.5 * 0.02 * 36 * 120);
  EXPECT_NEAR(modulus_at(m, 0.05), cv.p(0.05) / 0.05, 1e-6);  // not at y - ys = 0
  EXPECT_NEAR(modulus_at(m, 0.2) * 0.2, 0.5 * 0.02 * 36 * 120, 1e-9);
  // The curve ignores the movement, so the node carries the distributed load alone.
  EXPECT_DOUBLE_EQ(nodes.SoilMovementForce[m], nodes.DistributedLoad[m]);
  (void)force;
}

TEST_F(Rock, VuggyLimestoneStrengthWarningBelowTheLayerTop) {
  struct Case {
    int units;
    double qu;
    bool warned;
  };
  const Case cases[] = {{kUnitsUS, 900, true},     {kUnitsUS, 3000, false}, {kUnitsUS, 5200, true},
                        {kUnitsSI, 6000, true},    {kUnitsSI, 20000, false}, {kUnitsSI, 36000, true},
                        {kUnitsGeneric, 1, false}};
  for (const Case& k : cases) {
    SetUp();
    units(k.units);
    pile(480, 36);
    vuggy(0, 480, k.qu);
    discretise(40);
    EXPECT_EQ(warning_counter(308) > 0, k.warned) << k.units << " " << k.qu;
    TearDown();
  }
  // The node at the layer top alone raises none.
  SetUp();
  pile(480, 36);
  vuggy(0, 480, 900);
  pm.options.NumIncrements = 40;
  Build_Node_Table(480);
  Assign_Nodes_To_Layers(nodes.NumNodes);
  pyset.CurrentTopNode = pyset.CurrentBottomNode = 1;
  PY_Vuggy_Limestone(1);
  EXPECT_EQ(warning_counter(308), 0);
}

TEST_F(Rock, VuggyLimestonePrintedBlock) {
  pile(480, 36);
  clay(0, 60, 10);
  vuggy(60, 480, 3000);
  discretise(40);
  Compute_PY_Curves(true);
  print_at({120});
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const VuggyLimestoneCurve cv = VuggyLimestoneCurve::make(1500, 36, 0.5 * 0.02 * 36 * 120);
  std::string expected =
      "\n\np-y Curve for Vuggy Limestone (Strong Rock) Criteria\n\n" +
      property("Soil Layer Number           ", "           2\n") +
      property("Depth below pile head      ", "      10.000 ft\n") +
      property("Depth below ground surface ", "      10.000 ft\n") +
      property("Shaft Diameter               ", "      36.000 in \n") +
      property("Uniaxial Compressive Strength", "    3000.000 psi \n") +
      property("p-multiplier                 ", "       1.000\n") +
      property("y-multiplier                 ", "       1.000\n") +
      "\n        y, in        p, lb/in\n"
      "---------------   ---------------\n";
  for (int k = 1; k <= 17; ++k) {
    const double y = k == 1 ? 0.0 : k == 2 ? cv.y1 : k == 17 ? cv.y2 : cv.y1 + (k - 2) * (cv.y2 - cv.y1) / 15.0;
    expected += "   " + fmt::adaptive(y, 12) + "     " + fmt::adaptive(cv.p(y), 12) + "\n";
  }
  EXPECT_EQ(report(), expected);
  const auto p = lines_of(plot());
  ASSERT_EQ(p.size(), 18u);
  EXPECT_EQ(p[0].substr(104), "Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. 1");
  EXPECT_EQ(p[17].substr(104), "Line 8(17): y(in), p(lb/in), for vuggy limestone rock");
}

TEST_F(Rock, MassiveRockHoldingANodeEndsTheRunWithStatus99) {
  pile(480, 36);
  clay(0, 240, 10);
  add_layer({kMassRock, 240, 480, 0.02, 0.02, 8000, 8000, 0, 0});
  discretise(40);
  Compute_PY_Curves(true);
  EXPECT_EQ(pm.FatalErrorValue, 99);
  EXPECT_GT(nodes.SoilModulusEs[node_at(120)], 0.0);  // the clay above was evaluated
  const std::string block =
      "**** Massive Rock p-y Curves Not Available ****\n\n"
      "Problem:   Soil layer 2 is massive rock (MassRock) and contains the depth 20.000 ft\n";
  EXPECT_TRUE(contains(report(), block)) << report();
  EXPECT_TRUE(contains(messages(), block)) << messages();

  // Below the pile tip it holds no node and stops nothing.
  SetUp();
  pile(240, 36);
  clay(0, 240, 10);
  add_layer({kMassRock, 240, 480, 0.02, 0.02, 8000, 8000, 0, 0});
  discretise(40);
  Compute_PY_Curves(true);
  EXPECT_EQ(pm.FatalErrorValue, 0);
}

TEST_F(Rock, ExampleDeckWithTheShaftReachingMassiveRockReturns99) {
  std::string deck = read_source_file("examples/rock_socket_shaft_stiffness.inp");
  const auto replace = [&deck](const std::string& from, const std::string& to) {
    const auto k = deck.find(from);
    ASSERT_NE(k, std::string::npos) << from;
    deck.replace(k, from.size(), to);
  };
  replace("9 30.0 60.0", "9 30.0 45.0");
  replace("16 60.0 80.0", "16 45.0 80.0");
  const KgoRun run = run_kgo(deck);
  EXPECT_FALSE(run.crashed) << run.stderr_text;
  EXPECT_EQ(run.status, 99);
  EXPECT_TRUE(contains(run.messages, "Soil layer 4 is massive rock (MassRock)")) << run.messages;
  EXPECT_FALSE(contains(run.messages, "The analysis ended normally."));
}

}  // namespace
}  // namespace kavro::test
