// Elastic subgrade and user-input p-y curves: moduli, layer integral and
// the printed curves.
#include "tests/soil/soil_fixture.h"

namespace kavro::test {
namespace {

class LinearAndUser : public SoilTest {
 protected:
  // Elastic subgrade from 0 to 120 in, E 100 -> 200 pci, under a 12 in pile.
  void elastic_profile() {
    pile(120, 12);
    add_layer({kElastSG, 0, 120, 0.02, 0.02, 0, 0, 0, 0});
    pm.soil.ElasticSubgradeModulus[1] = 100;
    pm.soil.ElasticSubgradeModulus[2] = 200;
    discretise(40);
    Compute_PY_Curves(true);
    ASSERT_EQ(pm.FatalErrorValue, 0);
  }
  // User curves top (0,0) (1,100) (2,150), bottom (0,0) (1,200) (2,300).
  void user_profile(double top_depth = 0, double bottom_depth = 120) {
    pile(120, 12);
    add_layer({kUserPY, 0, 120, 0.02, 0.02, 0, 0, 0, 0});
    SoilLayers& s = pm.soil;
    s.UserPYDepth[1] = top_depth;
    s.UserPYDepth[2] = bottom_depth;
    const double y[] = {0, 1, 2}, pt[] = {0, 100, 150}, pb[] = {0, 200, 300};
    for (int i = 1; i <= 2; ++i) {
      s.NumUserPYPoints[i] = 3;
      for (int k = 1; k <= 3; ++k) {
        s.UserPY_y[i][k] = y[k - 1];
        s.UserPY_p[i][k] = i == 1 ? pt[k - 1] : pb[k - 1];
      }
    }
    discretise(40);
    Compute_PY_Curves(true);
    ASSERT_EQ(pm.FatalErrorValue, 0);
  }
  void print_at(double depth) {
    pm.data.NumPYOutputDepths = 1;
    pm.data.PYOutput[1].PYOutputDepth = depth;
    Assign_PY_Output_Depths_To_Layers(1);
    Print_PY_Curves();
    ASSERT_EQ(pm.FatalErrorValue, 0);
  }
};

TEST_F(LinearAndUser, ElasticSubgradeModulusIsIndependentOfDeflection) {
  elastic_profile();
  const int m = node_at(60);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[m], 1800.0);
  for (double y : {0.01, 0.5, -4.0}) EXPECT_DOUBLE_EQ(modulus_at(m, y), 1800.0) << y;
  EXPECT_DOUBLE_EQ(pyset.LayerPuIntegral[1], 0.0);  // no layer integral
}

TEST_F(LinearAndUser, ElasticSubgradeWithMultipliersAndSoilMovement) {
  AnalysisData& d = pm.data;
  d.NumPYModifierRows = 2;
  d.PMultiplierX[1] = 0;
  d.PMultiplierX[2] = 120;
  d.PMultiplier[1] = d.PMultiplier[2] = 0.5;
  d.YMultiplier[1] = d.YMultiplier[2] = 2.0;
  pm.options.UseSoilMovement = true;
  d.NumSoilMovementPoints = 2;
  d.SoilMovementX[1] = 0;
  d.SoilMovementX[2] = 120;
  d.SoilMovementValue[1] = d.SoilMovementValue[2] = 0.2;
  elastic_profile();
  const int m = node_at(60);
  EXPECT_DOUBLE_EQ(modulus_at(m, 1.0), 0.5 * 1800.0 / 2.0);
  EXPECT_DOUBLE_EQ(nodes.SoilMovementForce[m], 0.2 * 450.0);
}

TEST_F(LinearAndUser, ElasticSubgradePrintsSeventeenPointsUpToTwiceTheWidth) {
  elastic_profile();
  print_at(60);
  const auto lines = lines_of(plot());
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0].substr(104), "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. 1");
  EXPECT_EQ(lines[17].substr(0, 30), "  0.2400000E+02  0.4320000E+05");
  EXPECT_EQ(lines[17].substr(104), "Line 8(17): y(in), p(lb/in), for elastic subgrade");
  const std::string r = report();
  EXPECT_TRUE(contains(r, "\n\np-y Curve for Elastic Subgrade\n\n"));
  EXPECT_TRUE(contains(r, "Soil Layer Number               " + std::string(23, ' ') + "=          1\n"));
  EXPECT_TRUE(contains(r, "Elastic Subgrade Modulus" + std::string(31, ' ') + "=      150.000 lbs/in **3\n"));
  EXPECT_TRUE(contains(r, "        y, in " + std::string(7, ' ') + "p, lbs/in \n---------------   ---------------\n"));
}

TEST_F(LinearAndUser, UserCurvesInterpolateAlongTheCurveAndBetweenTheirDepths) {
  user_profile();
  const int m = node_at(60);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[m], 150.0);  // initial slope at zero deflection
  EXPECT_DOUBLE_EQ(modulus_at(m, 0.5) * 0.5, 75.0);
  EXPECT_DOUBLE_EQ(modulus_at(m, 3.0) * 3.0, 225.0);  // beyond the last point
  EXPECT_DOUBLE_EQ(modulus_at(m, 1.5) * 1.5, 187.5);
  EXPECT_DOUBLE_EQ(modulus_at(node_at(0), 1.0), 100.0);
  EXPECT_DOUBLE_EQ(modulus_at(node_at(120), 1.0), 200.0);
  // Between the curves to the bit: p_top + (p_bottom - p_top) (s - dt) / (db - dt).
  const double pt = 0.07 * 100.0, pb = 0.07 * 200.0;
  EXPECT_EQ(modulus_at(node_at(6), 0.07), (pt + (pb - pt) * 6.0 / 120.0) / 0.07);
}

TEST_F(LinearAndUser, UserCurvesGiveNoResistanceOutsideTheirDepths) {
  user_profile(30, 90);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[node_at(12)], 0.0);
  EXPECT_DOUBLE_EQ(modulus_at(node_at(12), 1.0), 0.0);
  EXPECT_DOUBLE_EQ(modulus_at(node_at(60), 1.0), 150.0);
}

TEST_F(LinearAndUser, UserCurvesStartingAboveZeroDeflectionRiseFromTheOrigin) {
  // Both curves (0.5, 50), (1, 100), (2, 150): below the first point the
  // curve is the line from the origin, not the last segment extended back.
  user_profile();
  SoilLayers& s = pm.soil;
  const double y[] = {0.5, 1, 2}, p[] = {50, 100, 150};
  for (int i = 1; i <= 2; ++i)
    for (int k = 1; k <= 3; ++k) {
      s.UserPY_y[i][k] = y[k - 1];
      s.UserPY_p[i][k] = p[k - 1];
    }
  const int m = node_at(60);
  EXPECT_DOUBLE_EQ(modulus_at(m, 0.25) * 0.25, 25.0);
  EXPECT_DOUBLE_EQ(modulus_at(m, 0.5) * 0.5, 50.0);
  EXPECT_DOUBLE_EQ(modulus_at(m, 1.5) * 1.5, 125.0);
}

TEST_F(LinearAndUser, UserLayerIntegralAddsTheLastPointResistanceAtEveryNode) {
  user_profile();
  // p_last runs linearly from 150 at the top to 300 at the bottom over the 41 nodes.
  double expected = 0.0;
  for (int m = 1; m <= 41; ++m) expected += 3.0 * (150.0 + 150.0 * nodes.x[m] / 120.0);
  EXPECT_NEAR(pyset.LayerPuIntegral[1], expected, 1e-9);
  Compute_PY_Curves(false);
  EXPECT_NEAR(pyset.LayerPuIntegral[1], expected, 1e-9);  // reset at every sweep
}

TEST_F(LinearAndUser, UserCurvePrintsTheInterpolatedCurveInFixedColumns) {
  user_profile();
  print_at(60);
  const auto lines = lines_of(plot());
  ASSERT_EQ(lines.size(), 18u);
  // y = 0.1 b = 1.2 on the mid-depth curve (0, 0), (1, 150), (2, 225)
  EXPECT_EQ(lines[17].substr(0, 30), "  0.1200000E+01  0.1650000E+03");
  const std::string r = report();
  EXPECT_TRUE(contains(r, "\n\np-y Curve Computed by Interpolation Between User-input Curves\n\n"));
  EXPECT_TRUE(contains(r, "\n      y, in " + std::string(12, ' ') + "p, lbs/in \n----------------    ----------------\n"));
  EXPECT_TRUE(contains(r, "         1.2000     " + std::string(7, ' ') + "165.0000\n"));
}

}  // namespace
}  // namespace kavro::test
