// Sand p-y curves: the default subgrade modulus, the Reese curve at its
// characteristic points (static, cyclic, sloping ground), the API and
// liquefied-sand curves, the input errors and warnings, and the printed curves.
#include <cmath>
#include <numbers>

#include "soil/sand.h"
#include "tests/soil/soil_fixture.h"

namespace kavro::test {
namespace {

constexpr int kAPISand = 6, kLiqSand = 7;
constexpr double kDegree = std::numbers::pi / 180.0;

// Worked site: b = 24 in, phi = 35 degrees, unit weight 0.04 pci, k = 100 pci,
// flat ground at the pile head; the node at 48 in has zc/b = 2.
class Sand : public SoilTest {
 protected:
  void site(int code = kSand, double phi_top = 35, double phi_bottom = 35, double k = 100, double bottom = 480) {
    pile(480, 24);
    add_layer({code, 0, bottom, 0.04, 0.04, 0, 0, 0, 0});
    pm.soil.PhiDeg[1] = phi_top;
    pm.soil.PhiDeg[2] = phi_bottom;
    pm.soil.kTopOfLayer[1] = pm.soil.kBottomOfLayer[1] = k;
    discretise(40);
    Compute_PY_Curves(true);
  }
  void print_at(double depth) {
    pm.data.NumPYOutputDepths = 1;
    pm.data.PYOutput[1].PYOutputDepth = depth;
    Assign_PY_Output_Depths_To_Layers(1);
    Print_PY_Curves();
  }
  // Resistance of node m at deflection y.
  double p_at(int m, double y) { return modulus_at(m, y) * std::fabs(y); }

  // Hand values of the worked site at 48 in.
  static constexpr double kPst = 431.31236262004927;  // wedge: controls
  static constexpr double kPsd = 2478.80232876227;
  static constexpr double kYm = 0.4, kYu = 0.9, kKz = 4800;
};

TEST(SandDefaultK, FollowsTheUnitSystemAndWaterTable) {
  struct Case {
    int units;
    double phi, gamma, k, tol;
  };
  const Case cases[] = {
      {kUnitsUS, 35, 0.04, 75.05335405086237, 1e-9},  {kUnitsUS, 45, 0.04, 160.54745483398438, 0},
      {kUnitsUS, 40, 0.04, 160.5474, 1e-3},           {kUnitsSI, 30, 9, 8468.939550279862, 1e-6},
      {kUnitsSI, 30, 18, 12432.779839131503, 1e-6},   {kUnitsSI, 45, 9, 43580.1484375, 0},
      {kUnitsSI, 45, 18, 78739.0078125, 0},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(fn_Default_k(c.phi * kDegree, c.gamma, c.units), c.k, c.tol) << c.units << " " << c.phi;
}

TEST_F(Sand, GenericUnitsCannotDefaultK) {
  units(kUnitsGeneric);
  site(kSand, 35, 35, 0.0);
  EXPECT_EQ(pm.FatalErrorValue, 213);
  for (const std::string& text : {report(), messages()}) {
    EXPECT_TRUE(contains(text, "\n\n**** Runtime Error No. 13 ****\n\nProblem:  General units have been selected for use in "
                               "computations in      \n"));
    EXPECT_TRUE(contains(text, "for the API sand criteria or enter an appropriate proper value by entering \na non-zero for k.\n"));
  }
}

TEST_F(Sand, ReeseCurvePassesThroughItsCharacteristicPoints) {
  site();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const int m = node_at(48);
  const double pu = double(1.48f) * kPst, pmid = double(1.05f) * kPst;
  EXPECT_NEAR(p_at(m, kYm), pmid, 1e-9);
  EXPECT_NEAR(p_at(m, kYu), pu, 1e-9);
  EXPECT_NEAR(p_at(m, 0.65), 0.5 * (pu + pmid), 1e-9);  // straight between ym and yu
  EXPECT_NEAR(p_at(m, -2 * kYu), pu, 1e-9);             // constant beyond yu, symmetric
  EXPECT_NEAR(modulus_at(m, 0.03), kKz, 1e-9);          // initial line below yk
  EXPECT_NEAR(modulus_at(m, 0.0), kKz, 0.0);            // limiting modulus, no 0/0

  // The parabola meets the initial line at yk and reaches B ps at ym.
  const ReeseSandCurve cv = ReeseSandCurve::make(kPst, double(1.48f), double(1.05f), 24, kKz, 48);
  EXPECT_NEAR(cv.n, 3.0523255813953494, 1e-6);
  EXPECT_NEAR(cv.yk, 0.04667420764473042, 1e-7);
  EXPECT_NEAR(cv.pk, kKz * cv.yk, 1e-9);
  EXPECT_NEAR(cv.p(0.2), cv.C * std::pow(0.2, 1.0 / cv.n), 1e-12);
  EXPECT_EQ(cv.shape(), 1);
  // A surface node has no resistance and no modulus.
  EXPECT_EQ(modulus_at(1, 0.5), 0.0);
}

TEST_F(Sand, CyclicReeseCurveUsesTheCyclicFactors) {
  pm.options.LoadingIsCyclic = true;
  site();
  const int m = node_at(48);
  EXPECT_NEAR(p_at(m, kYu), double(1.03f) * kPst, 1e-9);
  EXPECT_NEAR(p_at(m, kYm), double(0.82f) * kPst, 1e-9);
}

TEST_F(Sand, ReeseSlopingGroundWedgeFollowsTheSideThePileMovesTo) {
  // Wedge of the worked site with a 10 degree slope: D = 1 + t and D = 1 - t.
  const double low = 288.1185903637957, high = 766.0675632983055;
  struct Case {
    double theta, y, pst;
  };
  const Case cases[] = {{10, 2, low}, {10, -2, high}, {-10, 2, high}, {-10, -2, low}};
  for (const Case& c : cases) {
    SetUp();
    pm.data.EffectiveSlopeAngle = c.theta * kDegree;
    site();
    ASSERT_EQ(pm.FatalErrorValue, 0);
    EXPECT_NEAR(p_at(node_at(48), c.y), double(1.48f) * c.pst, 1e-9) << c.theta << " " << c.y;
    TearDown();
  }
}

TEST_F(Sand, FrictionAngleErrorsAndWarnings) {
  struct Case {
    int code;
    double phi_top, phi_bottom, slope;
    int fatal;
  };
  const Case cases[] = {
      {kSand, 0, 0, 0, 108}, {kSand, 0, 35, 0, 108},  // Reese: any node
      {kAPISand, 0, 35, 0, 0}, {kAPISand, 0, 0, 0, 101},  // API: not the layer's first node
      {kSand, 35, 35, 40, 109}, {kAPISand, 35, 35, 40, 102},  // slope steeper than phi
  };
  for (const Case& c : cases) {
    SetUp();
    pm.data.EffectiveSlopeAngle = c.slope * kDegree;
    site(c.code, c.phi_top, c.phi_bottom);
    EXPECT_EQ(pm.FatalErrorValue, c.fatal) << c.code << " " << c.phi_top << " " << c.slope;
    TearDown();
  }

  SetUp();
  site(kSand, 0, 0);
  EXPECT_TRUE(contains(messages(),
                       "**** Input Data Error No. 8 ****\n\nAn error was detected in the input data for friction angle.\n"
                       "Problem:  Zero was input for the friction angle for a sand when computing \n"
                       "          a p-y curve using the Reese et al. criteria.\n\n"
                       "Solution: Check values of soil strength values and revise the input data.\n"));
  TearDown();

  SetUp();
  pm.data.EffectiveSlopeAngle = 40 * kDegree;
  site(kSand);
  EXPECT_TRUE(contains(report(),
                       "**** Input Data Error No. 9 ****\n\nAn error was found in the input data when computing a p-y "
                       "curve using \nthe Reese sand criteria for layer 1.\n\nProblem:  The angle of the ground slope "
                       "can not be greater than the \ninternal friction angle of the sand.\n\nSolution:  Set the value "
                       "for slope angle to be less than the angle of friction.\n"));
  TearDown();

  SetUp();
  site(kAPISand, 0, 0);
  EXPECT_TRUE(contains(messages(), "**** Input Data Error No. 1 ****\n\nAn error was detected in the input data when "
                                   "computing a p-y.\ncurve using the API sand criteria for layer 1.\n\nProblem:  A zero "
                                   "was input for the friction angle for sand.\n"));
  TearDown();

  // An angle outside 20..48 degrees is used, with a warning.
  SetUp();
  site(kSand, 50, 50);
  EXPECT_EQ(pm.FatalErrorValue, 0);
  EXPECT_GT(warning_counter(-302), 0);
  EXPECT_EQ(messages(),
            "\n**** Warning ****\n\nAn unreasonable value for friction angle was input for a Reese sand layer. \n"
            "The input value is either smaller than 20 degrees or higher than 48 degrees.\n"
            "The input data should be checked for correctness.\n\n"
            "The input value for friction angle was used in computations.\n");
  TearDown();

  SetUp();
  site(kAPISand, 15, 15);
  EXPECT_EQ(pm.FatalErrorValue, 0);
  EXPECT_GT(warning_counter(-303), 0);
  EXPECT_EQ(messages(), "");
}

TEST_F(Sand, PrintedReeseCurveOfNormalShape) {
  site();
  print_at(48);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const std::string r = report();
  const std::string eq = "= ";
  auto labelled = [&](const std::string& label, const std::string& rest) {
    return label + std::string(55 - label.size(), ' ') + eq + rest + "\n";
  };
  EXPECT_TRUE(contains(r, "\n\np-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions\n\n"));
  EXPECT_TRUE(contains(r, labelled("Soil Layer Number", "           1")));
  EXPECT_TRUE(contains(r, labelled("Depth below pile head", "       4.000 ft")));
  EXPECT_TRUE(contains(r, labelled("Pst", "     431.312 lb/in")));
  EXPECT_TRUE(contains(r, labelled("Ps = Pst (shallow controls)", "     431.312 lb/in")));
  EXPECT_TRUE(contains(r, labelled("A (static)", "      1.4800")));
  EXPECT_TRUE(contains(r, labelled("Es,lim", "    4800.000 " + pm.labels.Stress)));
  EXPECT_TRUE(contains(r, "This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu.\n"));
  EXPECT_TRUE(contains(r, "----------------    -----------------\n"));
  EXPECT_TRUE(contains(r, "* p value(s) computed using p = k * Eff x * y \n"));
  EXPECT_FALSE(contains(r, "internal default values of k"));

  // 17 points ending at 1.05 yu, the first two on the initial line.
  const std::string p = plot();
  EXPECT_TRUE(contains(p, "Line 7:  p-y curve depth in sand, no. p-y points on curve no. "));
  EXPECT_TRUE(contains(p, "Line 8(17): y(in), p(lb/in), for sand\n"));
  EXPECT_FALSE(contains(p, "Line 8(18)"));
  const auto rows = lines_of(r);
  int starred = 0;
  for (const std::string& l : rows)
    if (l.size() > 4 && l.substr(l.size() - 4) == "   *") ++starred;
  EXPECT_EQ(starred, 2);
  const std::string last = fmt::E(15, 7, 1.05 * kYu) + fmt::E(15, 7, double(1.48f) * kPst);
  EXPECT_TRUE(contains(p, last));
}

TEST_F(Sand, PrintedReeseCurveOfBiLinearShapeWithDefaultNote) {
  site(kSand, 35, 35, 1.0);  // a very soft k: the initial line reaches pu beyond yu
  print_at(48);
  const std::string r = report();
  EXPECT_TRUE(contains(r, "This curve has a bi-linear shape for a Reese sand p-y curve because Ym < Yu < Yk.\n"));
  const double yl = double(1.48f) * kPst / 48.0;
  EXPECT_TRUE(contains(plot(), fmt::E(15, 7, 1.05 * yl) + fmt::E(15, 7, double(1.48f) * kPst)));

  SetUp();
  site(kSand, 35, 35, 0.0);
  EXPECT_EQ(pm.soil.kTopOfLayer[1], 0.0);
  const int m = node_at(48);
  EXPECT_NEAR(modulus_at(m, 0.0), 75.05335405086237 * 48, 1e-6);
  print_at(48);
  EXPECT_TRUE(contains(report(), "The above p-y curve was computed using internal default values of k.\n"));
}

TEST_F(Sand, APICurveIsAHyperbolicTangentWithDepthFactorA) {
  site(kAPISand);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const double pst = 431.31236362992877;  // with the single-precision K0
  const int m = node_at(48);
  const double pu = (3.0 - double(0.8f) * 2.0) * pst;
  for (double y : {0.01, 0.1, 0.5, 3.0}) EXPECT_NEAR(p_at(m, y), pu * std::tanh(kKz * y / pu), 1e-9) << y;
  EXPECT_NEAR(modulus_at(m, 0.0), kKz, 0.0);
  EXPECT_EQ(modulus_at(1, 0.5), 0.0);  // zc = 0 at the surface

  // A = max(0.9, 3 - 0.8 zc/b): 1.0 at zc/b = 2.5, 0.9 from 3 on; 0.9 cyclic.
  struct Case {
    bool cyclic;
    double depth, A;
  };
  const Case cases[] = {{false, 60, 3.0 - double(0.8f) * 2.5}, {false, 72, double(0.9f)}, {true, 60, double(0.9f)}};
  for (const Case& c : cases) {
    SetUp();
    pm.options.LoadingIsCyclic = c.cyclic;
    site(kAPISand);
    print_at(c.depth);
    EXPECT_TRUE(contains(report(), "A" + std::string(54, ' ') + "= " + fmt::F(12, 3, c.A) + "\n")) << c.depth;
    EXPECT_TRUE(contains(report(), c.cyclic ? "p-y Curve Computed Using API Sand Criteria for Cyclic Loading\n"
                                            : "p-y Curve Computed Using API Sand Criteria for Static Loading\n"));
    EXPECT_TRUE(contains(report(), "    y, inches           p, lb/inch   \n"));
    EXPECT_TRUE(contains(plot(), "Line 8(17): y(in), p(lb/in), for API sand\n"));
    TearDown();
  }
}

TEST_F(Sand, APISlopingGroundWedgeFollowsTheSideThePileMovesTo) {
  // Worked site with a 10 degree slope, single-precision K0: D = 1 + t, D = 1 - t,
  // and the level-ground wedge when the deflection leaves the side open.
  const double low = 288.118591245154, high = 766.0675640561748, level = 431.31236362992877;
  struct Case {
    double theta, y, pst;
  };
  const Case cases[] = {{10, 2, low}, {10, -2, high}, {-10, -2, low}, {-10, 2, high}, {-10, 0, level}};
  for (const Case& c : cases) {
    SetUp();
    pm.data.EffectiveSlopeAngle = c.theta * kDegree;
    site(kAPISand);
    ASSERT_EQ(pm.FatalErrorValue, 0);
    const double pu = (3.0 - double(0.8f) * 2.0) * c.pst;
    const double y = c.y == 0 ? 0.5 : std::fabs(c.y);
    nodes.y[node_at(48)] = c.y;
    Compute_PY_Curves(false);
    // The side is chosen by the node's own deflection; evaluate the curve there.
    const double Es = nodes.SoilModulusEs[node_at(48)];
    const double expected = c.y == 0 ? kKz : pu * std::tanh(kKz * y / pu) / y;
    EXPECT_NEAR(Es, expected, 1e-9 * expected) << c.theta << " " << c.y;
    if (c.y == 0) {
      print_at(48);  // zero deflection at the output depth: level-ground wedge
      EXPECT_TRUE(contains(report(), "Pus" + std::string(52, ' ') + "= " + fmt::F(12, 3, c.pst) + " lb/in\n"));
    }
    TearDown();
  }
}

TEST_F(Sand, LiquefiedSandBelowTheFirstLayerTakesTheStressNormalisedDepth) {
  // US customary: zl = z * gamma / (10 kN/m3 in pci) in metres; 20 ft in a
  // 0.04 pci sand gives 6.619 m, deeper than the 6 m of the recommendation.
  pile(480, 24);
  add_layer({kSand, 0, 120, 0.04, 0.04, 0, 0, 0, 0});
  add_layer({kLiqSand, 120, 480, 0.04, 0.04, 0, 0, 0, 0});
  pm.soil.PhiDeg[1] = pm.soil.PhiDeg[2] = 35;
  pm.soil.kTopOfLayer[1] = pm.soil.kBottomOfLayer[1] = 100;
  discretise(40);
  Compute_PY_Curves(true);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const double zl = 6.618964178073637;
  const LiquefiedSandCurve cv = LiquefiedSandCurve::make(zl, 24 * 0.02539999969303608, kUnitsUS);
  EXPECT_NEAR(modulus_at(node_at(240), 1.0), cv.p(1.0), 1e-9 * cv.p(1.0));
  print_at(240);
  const std::string r = report();
  EXPECT_TRUE(contains(r, "Normalized depth below ground surface in meters*       = " + fmt::F(12, 3, zl) + "\n"));
  EXPECT_TRUE(contains(r, "The depth of the p-y curve was equated to the initial vertical stress divided \n"
                          "by 10 kN/m3, as recommended by Rollins, et al. (2005)\n"
                          "NOTE: The normalized depth of the p-y curve is deeper than the depth of \n"
                          "6.0 meters recommended by Rollins, et al. (2005)\n"));
}

TEST_F(Sand, LiquefiedSandCurve) {
  // Diameter factor and the cap: 150 mm at the surface, 15 kN/m deeper.
  const LiquefiedSandCurve top = LiquefiedSandCurve::make(0.0, 0.6, kUnitsSI);
  EXPECT_NEAR(top.Pd, 3.6537543734515747, 1e-6);
  EXPECT_LT(top.p150, 15.0);
  EXPECT_NEAR(top.y15, 0.15, 1e-15);
  EXPECT_NEAR(top.p(0.15), top.pu, 1e-12);
  EXPECT_NEAR(top.p(0.3), top.pu, 1e-12);
  EXPECT_NEAR(top.p(0.075), top.Pd * top.A * std::pow(top.B * 75.0, top.C), 1e-12);
  EXPECT_EQ(LiquefiedSandCurve::make(0.0, 0.15, kUnitsSI).Pd, 0.15 / double(0.3f));

  const LiquefiedSandCurve deep = LiquefiedSandCurve::make(3.0, 0.6, kUnitsSI);
  EXPECT_GT(deep.p150, 15.0);
  EXPECT_NEAR(deep.pu, 15.0 * deep.Pd, 1e-12);
  EXPECT_NEAR(deep.p(deep.y15), deep.pu, 1e-9);
  EXPECT_LT(deep.p(0.5 * deep.y15), deep.pu);
  // US customary: the same curve in inches and lb/in.
  const LiquefiedSandCurve us = LiquefiedSandCurve::make(3.0, 0.6, kUnitsUS);
  EXPECT_NEAR(us.pu, deep.pu * 5.710147380828857, 1e-9);
  EXPECT_NEAR(us.y15 * 0.0254, deep.y15, 1e-12);
  EXPECT_NEAR(us.p(1.0), deep.p(0.0254) * 5.710147380828857, 1e-9);
  // No factors in generic units.
  EXPECT_EQ(LiquefiedSandCurve::make(3.0, 0.6, kUnitsGeneric).p(1.0), 0.0);

  units(kUnitsSI);
  pile(20, 0.6);
  add_layer({kLiqSand, 0, 20, 9, 9, 0, 0, 0, 0});
  discretise(40);
  Compute_PY_Curves(true);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const int m = node_at(3);
  EXPECT_EQ(modulus_at(m, 0.0), 0.0);  // zero relative displacement
  EXPECT_NEAR(modulus_at(m, 1.0), deep.pu, 1e-9);
  EXPECT_EQ(pyset.LayerPuIntegralLiq[1], pyset.LayerPuIntegral[1]);
  EXPECT_GT(pyset.LayerPuIntegral[1], 0.0);
  print_at(3);
  const std::string r = report();
  EXPECT_TRUE(contains(r, "\n\np-y Curve Computed Using Liquefied Sand Criteria\n\n"));
  EXPECT_TRUE(contains(r, "Pd" + std::string(53, ' ') + "= " + fmt::F(12, 5, deep.Pd) + "\n"));
  EXPECT_TRUE(contains(plot(), "Line 8(17): y, p, for liquefied sand\n"));
  EXPECT_TRUE(contains(plot(), "Line 8( 1): y, p, for liquefied sand\n"));
  EXPECT_TRUE(contains(plot(), fmt::E(15, 7, double(1.05f) * deep.y15) + fmt::E(15, 7, deep.pu)));
}

}  // namespace
}  // namespace kavro::test

namespace kavro::test {
namespace {

TEST_F(Sand, LayerIntegralRunsToTheLayerBottomBelowTheTip) {
  units(kUnitsSI);
  pile(20, 0.6);
  add_layer({kLiqSand, 0, 25, 9, 9, 0, 0, 0, 0});
  discretise(40);
  Compute_PY_Curves(true);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  double expected = 0.0, prev = 0.0;
  for (int m = 1; m <= nodes.NumNodes; ++m) {
    const double pu = LiquefiedSandCurve::make(nodes.xv[m], 0.6, kUnitsSI).pu;
    if (m > 1) expected += (prev + pu) * nodes.h / 2.0;
    prev = pu;
  }
  expected += 5.0 * prev;  // from the tip at 20 m to the layer bottom at 25 m
  EXPECT_NEAR(pyset.LayerPuIntegral[1], expected, 1e-9 * expected);
  EXPECT_EQ(pyset.LayerPuIntegralLiq[1], pyset.LayerPuIntegral[1]);
}

TEST_F(Sand, ReeseKeepsItsFirstEquivalentDepthWhileAPIRecomputesIt) {
  for (int code : {int(kSand), kAPISand}) {
    SetUp();
    pile(480, 24);
    add_layer({code, 0, 120, 0.04, 0.04, 0, 0, 0, 0});
    add_layer({code, 120, 480, 0.04, 0.04, 0, 0, 0, 0});
    for (int p = 1; p <= 4; ++p) pm.soil.PhiDeg[p] = 35;
    for (int L = 1; L <= 2; ++L) pm.soil.kTopOfLayer[L] = pm.soil.kBottomOfLayer[L] = 100;
    discretise(40);
    Compute_PY_Curves(true);
    ASSERT_EQ(pm.FatalErrorValue, 0);
    // Same sand above and below: the equivalent depth is the true depth.
    const double zeq = EquivalentTopDepth()[2];
    EXPECT_NEAR(zeq, 120.0, 6.0) << code;  // within the integration of the layer above
    EquivalentTopDepth()[2] = 60.0;
    Compute_PY_Curves(false);
    EXPECT_EQ(EquivalentTopDepth()[2], code == kSand ? 60.0 : zeq) << code;
    TearDown();
  }
}

}  // namespace
}  // namespace kavro::test
