// The p-y set: dispatch, the layer-too-thin check and its exemption, layers
// without a curve, the equivalent depth of layered soil and the shared
// coefficient tables.
#include <cmath>

#include "soil/soil_coefficients.h"
#include "tests/soil/soil_fixture.h"

namespace kavro::test {
namespace {

class PYCurveSet : public SoilTest {
 protected:
  // 480 in pile of width 12, 40 increments of 12 in.
  void run_first_pass() {
    pile(480, 12);
    discretise(40);
    Compute_PY_Curves(true);
  }
};

TEST_F(PYCurveSet, ALayerWithoutNodesStopsTheFirstPassWithRuntimeError29) {
  clay(0, 121, 10);
  clay(121, 125, 10);  // between the nodes at 120 and 132
  clay(125, 480, 10);
  run_first_pass();
  EXPECT_EQ(pm.FatalErrorValue, 229);
  const std::string thickness_line =
      "          The thickness of layer 2 is     4.000 in  and the pile increment length is    12.000 in \n"
      "          The current number of pile increments is 40.\n"
      "          The estimated minimum number of increments needed to get at least one nodal point in the layer "
      "is 120.\n";
  EXPECT_TRUE(contains(report(), "Problem:  The thickness of layer 2 was too thin to contain a nodal point.\n"));
  EXPECT_TRUE(contains(report(), thickness_line)) << report();
  EXPECT_TRUE(contains(messages(), thickness_line));
  // The layers below the thin one are not evaluated.
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[nodes.NumNodes], 50000.0);

  // A later iteration does not repeat the check.
  SetUp();
  clay(0, 121, 10);
  clay(121, 125, 10);
  clay(125, 480, 10);
  pile(480, 12);
  discretise(40);
  Compute_PY_Curves(false);
  EXPECT_EQ(pm.FatalErrorValue, 0);
}

TEST_F(PYCurveSet, AThinLayerEndingOnANodeStopsTheFirstPassToo) {
  clay(0, 115, 10);
  clay(115, 120, 10);  // its only node, at 120, belongs to the layer below
  clay(120, 480, 10);
  run_first_pass();
  EXPECT_EQ(pm.FatalErrorValue, 229);
  EXPECT_TRUE(contains(report(), "Problem:  The thickness of layer 2 was too thin to contain a nodal point.\n"));
}

TEST_F(PYCurveSet, AThinLayerBelowWeakRockIsExempt) {
  clay(0, 121, 10);
  add_layer({kWeakRock, 121, 123, 0.02, 0.02, 1000, 1000, 0, 0});
  clay(123, 125, 10);
  clay(125, 480, 10);
  run_first_pass();
  EXPECT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(LayerBelowExempt()[3], -1);
  EXPECT_EQ(LayerBelowExempt()[4], -1);
  EXPECT_EQ(pyset.RockAboveCount, 1);
  // Below rock the true depth is used: no equivalent depth is computed.
  EXPECT_EQ(EquivalentTopDepth()[4], kEquivalentDepthUnset);
}

TEST_F(PYCurveSet, FrozenSoilKeepsTheStartingModulusAndAClayNodeOnItsTopStops) {
  pm.soil.GroundSurfaceDepth = 0;
  clay(0, 126, 10);
  add_layer({kFrzSoil, 126, 246, 0.02, 0.02, 0, 0, 0, 0});
  clay(246, 480, 10);
  run_first_pass();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  for (int m = 1; m <= nodes.NumNodes; ++m) nodes.y[m] = 0.5;
  Compute_PY_Curves(false);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  for (int m = node_at(132); m <= node_at(240); ++m) EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[m], 50000.0) << m;
  EXPECT_NE(nodes.SoilModulusEs[node_at(120)], 50000.0);
  EXPECT_NE(nodes.SoilModulusEs[node_at(252)], 50000.0);

  SetUp();
  clay(0, 120, 10);
  add_layer({kFrzSoil, 120, 240, 0.02, 0.02, 0, 0, 0, 0});
  clay(240, 480, 10);
  run_first_pass();
  EXPECT_EQ(pm.FatalErrorValue, 224);  // the clay node at 240 lies on the frozen layer's bottom
}

TEST_F(PYCurveSet, NodesAboveTheGroundKeepZeroModulus) {
  clay(24, 480, 10);
  run_first_pass();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(layer_nodes.i_TopNodeInLayer[1], node_at(24));
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[node_at(12)], 0.0);
  EXPECT_GT(nodes.SoilModulusEs[node_at(24)], 0.0);
}

TEST_F(PYCurveSet, EquivalentDepthOfALayerOfTheSameClayIsTheDepthItsResistanceWasIntegratedTo) {
  clay(0, 120, 10);
  clay(120, 480, 10);
  run_first_pass();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  // Layer 1 holds the nodes 0..108: its integral is exact for the linear pu.
  const double b = 12, c = 10, g = 0.02, z = 108;
  EXPECT_NEAR(pyset.LayerPuIntegral[1], 3 * b * c * z + (g * b + 0.5 * c) * z * z / 2, 1e-8);
  EXPECT_NEAR(EquivalentTopDepth()[2], 108.0, 1e-9);
  // The first node of layer 2 is evaluated at depth 108.
  const double pu = 3 * b * c + (g * b + 0.5 * c) * 108;
  EXPECT_NEAR(modulus_at(node_at(120), 3.0) * 3.0, pu, 1e-9);

  // A stronger clay above reaches the same resistance deeper in the weaker clay below.
  SetUp();
  clay(0, 120, 20);
  clay(120, 480, 10);
  run_first_pass();
  EXPECT_GT(EquivalentTopDepth()[2], 120.0);
}

TEST_F(PYCurveSet, ASolutionDoesNotInheritLayerIntegralsOfAnEarlierRun) {
  // Frozen soil above soft clay adds no resistance, whatever an earlier run
  // in the same process left in its integral.
  pyset.LayerPuIntegral[1] = 5000.0;
  pyset.LayerPuIntegralLiq[1] = 5000.0;
  add_layer({kFrzSoil, 0, 126, 0.02, 0.02, 0, 0, 0, 0});
  clay(126, 480, 10);
  run_first_pass();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_DOUBLE_EQ(EquivalentTopDepth()[2], 0.0);
}

TEST_F(PYCurveSet, EquivalentDepthOfTheOtherFamiliesSolvesTheSameIntegral) {
  // F = 0 above gives zero depth for every family; a large F is reached
  // beyond the transition depth on the deep resistance.
  clay(0, 120, 10);
  clay(120, 480, 10);
  pile(480, 12);
  nodes.h = 12;
  EquivalentDepthInput in;
  in.b = 12;
  in.c = 10;
  in.ca = 10;
  in.gamma = 0.02;
  in.J = 0.5;
  in.phi = 35.0 * 3.141592653589793 / 180.0;
  in.K0 = 0.4;
  in.Ka = std::pow(std::tan(3.141592653589793 / 4 - in.phi / 2), 2);
  in.zn = 120;
  const SoilModel families[] = {SoilModel::SoftClay,          SoilModel::SoftClayJ, SoilModel::StiffClayNoWater,
                                SoilModel::StiffClayFreeWater, SoilModel::SandReese, SoilModel::CementedSilt};
  for (SoilModel m : families) {
    in.model = m;
    pyset.LayerPuIntegral[1] = 0.0;
    pyset.LayerPuIntegralLiq[1] = 0.0;
    EXPECT_NEAR(Equivalent_Depth_Of_Layer(2, in), 0.0, 1e-9) << int(m);
    EXPECT_DOUBLE_EQ(EquivalentTopDepth()[2], Equivalent_Depth_Of_Layer(2, in));
  }
  // Soft clay beyond Xr: the deep resistance 9cb carries the rest.
  in.model = SoilModel::SoftClay;
  const double Xr = 6 * 12 * 10 / (0.02 * 12 + 0.5 * 10);
  const double Fr = ((3 * 10 + 0.5 * Xr * 0.02) * 12 + 0.25 * Xr * 10) * Xr;
  pyset.LayerPuIntegral[1] = Fr + 9 * 10 * 12 * 50;
  EXPECT_NEAR(Equivalent_Depth_Of_Layer(2, in), Xr + 50, 1e-9);
  // An integral below 0.01 is replaced by the liquefied-sand substitute.
  pyset.LayerPuIntegral[1] = 0.0;
  pyset.LayerPuIntegralLiq[1] = Fr + 9 * 10 * 12 * 50;
  EXPECT_NEAR(Equivalent_Depth_Of_Layer(2, in), Xr + 50, 1e-9);
  EXPECT_DOUBLE_EQ(pyset.LayerPuIntegral[1], pyset.LayerPuIntegralLiq[1]);
  // A running sum beyond 1e20 restarts at 100.
  pyset.LayerPuIntegral[1] = 1e21;
  const double at100 = Equivalent_Depth_Of_Layer(2, in);
  pyset.LayerPuIntegral[1] = 100.0;
  EXPECT_DOUBLE_EQ(at100, Equivalent_Depth_Of_Layer(2, in));
}

TEST(SoilCoefficients, SandTablesInterpolateBetweenTheRatiosAndHoldBeyondSix) {
  EXPECT_DOUBLE_EQ(Sand_A_Static(0.0), double(2.83f));
  EXPECT_NEAR(Sand_A_Static(0.25), (double(2.83f) + double(2.48f)) / 2, 1e-15);
  EXPECT_NEAR(Sand_B_Static(3.5), (double(0.71f) + double(0.53f)) / 2, 1e-15);
  EXPECT_DOUBLE_EQ(Sand_A_Cyclic(1.5), double(1.11f));
  EXPECT_DOUBLE_EQ(Sand_B_Cyclic(6.0), double(0.55f));
  EXPECT_DOUBLE_EQ(Sand_A_Static(10.0), double(0.88f));
  EXPECT_DOUBLE_EQ(Sand_A(2.0, true), double(1.03f));
}

TEST(SoilCoefficients, StiffClayFactorsStartFromTheirSurfaceValuesAndCap) {
  EXPECT_DOUBLE_EQ(Stiff_Clay_As(0.0), double(0.2345f));
  EXPECT_DOUBLE_EQ(Stiff_Clay_Ac(0.0), double(0.2f));
  EXPECT_DOUBLE_EQ(Stiff_Clay_As(3.3), double(0.6f));
  EXPECT_DOUBLE_EQ(Stiff_Clay_As(5.0), double(0.6f));
  EXPECT_DOUBLE_EQ(Stiff_Clay_Ac(1.5), double(0.3f));
  EXPECT_DOUBLE_EQ(Stiff_Clay_Ac(2.0), double(0.3f));
  EXPECT_LT(Stiff_Clay_As(1.0), double(0.6f));
  // To the bit as written, coefficient times the power of r.
  for (double r : {1.11, 1.21, 1.55}) {
    const double as = double(0.2345f) + double(0.2958796f) * r - double(0.0786111f) * (r * r) +
                      double(0.0068981f) * (r * r * r);
    EXPECT_EQ(Stiff_Clay_As(r), as) << r;
  }
  for (double r : {0.62, 0.65, 1.12}) {
    const double ac =
        double(0.2f) + double(0.153333f) * r - double(0.075f) * (r * r) + double(0.011667f) * (r * r * r);
    EXPECT_EQ(Stiff_Clay_Ac(r), ac) << r;
  }
}

}  // namespace
}  // namespace kavro::test
