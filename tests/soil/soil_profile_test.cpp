// Soil properties at a depth: interface and tip rules, averages from the
// ground surface, multipliers, node-to-layer assignment and the error blocks.
#include "tests/soil/soil_fixture.h"

namespace kavro::test {
namespace {

class SoilProfile : public SoilTest {};

struct InterfaceCase {
  const char* what;
  int above;
  double ca;
  int below;
  double cb;
  double expected;
};

TEST_F(SoilProfile, StrengthOnAnInterfaceFollowsTheSoilClassesOfBothLayers) {
  const InterfaceCase cases[] = {
      {"clay over clay", kSoftClay, 20, kSoftClay, 40, 30},
      {"clay over weak rock", kSoftClay, 20, kWeakRock, 1000, 520},
      {"weak rock over clay", kWeakRock, 1000, kSoftClay, 40, 540},
      {"rock over rock", kWeakRock, 1000, kWeakRock, 2000, 1500},
      {"sand over clay", kSand, 5, kSoftClay, 40, 40},
      {"clay over sand", kSoftClay, 20, kSand, 0, 20},
      {"rock over user curves", kWeakRock, 1000, kUserPY, 3, 1000},
      {"elastic subgrade over rock", kElastSG, 0, kWeakRock, 800, 800},
      {"cohesive cemented silt over clay", 11, 30, kSoftClay, 50, 40},
      {"cemented silt without c over clay", 11, 0, kSoftClay, 50, 50},
  };
  for (const InterfaceCase& k : cases) {
    SetUp();
    pile(480, 12);
    add_layer({k.above, 0, 120, 0.02, 0.02, k.ca, k.ca, 0, 0});
    add_layer({k.below, 120, 480, 0.02, 0.02, k.cb, k.cb, 0, 0});
    EXPECT_DOUBLE_EQ(fn_c(120.0), k.expected) << k.what;
    EXPECT_TRUE(b_AtNode) << k.what;
    EXPECT_EQ(pm.FatalErrorValue, 0) << k.what;
    EXPECT_DOUBLE_EQ(fn_c(60.0), k.ca) << k.what;
    EXPECT_FALSE(b_AtNode) << k.what;
    TearDown();
  }
}

TEST_F(SoilProfile, StrengthInterpolatesInsideALayerAndTakesTheUpperValueAtTheTip) {
  pile(120, 12);
  add_layer({kSoftClay, 0, 120, 0.02, 0.02, 10, 20, 0, 0});
  add_layer({kSoftClay, 120, 480, 0.02, 0.02, 40, 40, 0, 0});
  EXPECT_DOUBLE_EQ(fn_c(30.0), 12.5);
  EXPECT_DOUBLE_EQ(fn_c(120.0), 20.0);  // interface at the pile tip
  nodes.PileLength = 480;
  EXPECT_DOUBLE_EQ(fn_c(120.0), 30.0);
}

TEST_F(SoilProfile, StrengthAcceptsADepthJustBelowTheDataAndStopsFurtherDown) {
  pile(480, 12);
  clay(0, 120, 10);
  EXPECT_DOUBLE_EQ(fn_c(120.0 + 1e-7), 10.0);
  EXPECT_EQ(pm.FatalErrorValue, 0);
  EXPECT_DOUBLE_EQ(fn_c(120.0 + 1e-5), 0.0);
  EXPECT_EQ(pm.FatalErrorValue, 105);
  const std::string expected =
      "**** Input Data Error No. 5 ****\n"
      "An error was detected that is related to an incompatibility between \n"
      "the input data defining pile embedment depth and values of shear \n"
      "strength of soil versus depth.\n"
      "Problem:  The value for a pile station depth is 120.000 in \n"
      "This depth is below the deepest extent of the input curve for \n"
      "shear strength of soil versus depth at 120.000 in \n"
      "Solution:  Please revise the input data by either extending the \n"
      "maximum depth for shear strength of soil or shorten the \n"
      "pile to be entirely within the defined soil layers.\n";
  EXPECT_TRUE(contains(report(), expected)) << report();
  EXPECT_TRUE(contains(messages(), expected));
  EXPECT_TRUE(contains(report(), "Kavro ended prematurely due to input error number INP00005"));
}

TEST_F(SoilProfile, StrengthErrorsOfBrokenProfiles) {
  // Two layers that do not touch: the depth is on a depth point but no interface pair matches.
  pile(480, 12);
  clay(0, 100, 10);
  clay(110, 480, 10);
  fn_c(100.0);
  EXPECT_EQ(pm.FatalErrorValue, 999);
  EXPECT_TRUE(contains(report(), "Internal error in function C (undrained shear strength)\n"
                                 "The layer interface cannot be located\n"
                                 "Please contact Orvinet for support\n"));

  // No rule joins two cohesionless layers.
  SetUp();
  pile(480, 12);
  add_layer({kSand, 0, 120, 0.02, 0.02, 0, 0, 0, 0});
  add_layer({kSand, 120, 480, 0.02, 0.02, 0, 0, 0, 0});
  fn_c(120.0);
  EXPECT_EQ(pm.FatalErrorValue, 224);
  const std::string r = report();
  EXPECT_TRUE(contains(r, "Error in fn_c, please report by email to support@kavro.example\n"
                          " Soil types: 1 = cohesive, 2 = cohesionless, 3 = rock, 4= user input)\n"
                          " ***** Runtime Error No. 30 *****\n"
                          " X value for f(c) = 120.000\n"
                          " Soil type above        = 2\n"
                          " Soil type below        = 2\n"));
  EXPECT_TRUE(contains(r, " JBOT index             = 2 = index number of strength value below depth in question\n"
                          " At tip condition       = F, T = true, F = false\n"
                          " i_SoilLayer_py_Type(JBOT/2)          = 5\n"));
  EXPECT_TRUE(contains(r, "Kavro ended prematurely due to runtime error number RUN00024"));
  EXPECT_FALSE(contains(messages(), "Runtime Error No. 30"));

  // A frozen-soil neighbour has no class at all.
  SetUp();
  pile(480, 12);
  clay(0, 120, 10);
  add_layer({kFrzSoil, 120, 480, 0.02, 0.02, 0, 0, 0, 0});
  fn_c(120.0);
  EXPECT_EQ(pm.FatalErrorValue, 224);

  // A layer of zero thickness cannot be interpolated.
  SetUp();
  pile(480, 12);
  clay(10, 10, 10);
  fn_c(5.0);
  EXPECT_EQ(pm.FatalErrorValue, 160);
  EXPECT_TRUE(contains(report(), "layer is zero.  The depth of computation is 5.000 in \n"));
}

TEST_F(SoilProfile, MassiveRockStrengthUsesTheRockWordingAndItsOwnValueAtTheTip) {
  pile(120, 12);
  add_layer({16, 0, 120, 0.02, 0.02, 900, 1000, 0, 0});  // "MassRock"
  add_layer({16, 120, 480, 0.02, 0.02, 2000, 2000, 0, 0});
  pm.soil.HBqu[2] = 1234;
  EXPECT_DOUBLE_EQ(fn_HB_qu_at_DepthX(60), 950);
  EXPECT_DOUBLE_EQ(fn_HB_qu_at_DepthX(120), 1234);
  nodes.PileLength = 480;
  EXPECT_DOUBLE_EQ(fn_HB_qu_at_DepthX(120), 1500);
  fn_HB_qu_at_DepthX(500);
  EXPECT_EQ(pm.FatalErrorValue, 105);
  EXPECT_TRUE(contains(report(), "the input data defining pile embedment depth and values of uniaxial \n"
                                 "compressive strength of rock versus depth.\n"));
  EXPECT_TRUE(contains(report(), "uniaxial compressive strength versus depth at 480.000 in \n"
                                 "Solution:  Please revise the input data by either extending the \n"
                                 "maximum depth for uniaxial compressive strength or shorten the \n"));
}

TEST_F(SoilProfile, PointPropertiesOnInterfacesAtTheTipAndBelowTheData) {
  pile(480, 12);
  add_layer({kSand, 0, 120, 0.02, 0.02, 0, 0, 0, 0});
  add_layer({kSand, 120, 240, 0.02, 0.02, 0, 0, 0.01, 0.01});
  SoilLayers& s = pm.soil;
  s.PhiDeg[1] = s.PhiDeg[2] = 30;
  s.PhiDeg[3] = s.PhiDeg[4] = 36;
  s.RQD[1] = s.RQD[2] = 50;
  s.RQD[3] = 60;
  s.RQD[4] = 150;

  EXPECT_DOUBLE_EQ(Phi_At_Depth(60), 30);
  EXPECT_DOUBLE_EQ(Phi_At_Depth(120), 33);
  EXPECT_DOUBLE_EQ(Eps50_At_Depth(120), 0.01);  // the upper side has none: the lower value
  EXPECT_DOUBLE_EQ(Eps50_At_Depth(300), 0.0);   // below the data
  nodes.PileLength = 120;
  EXPECT_DOUBLE_EQ(Phi_At_Depth(120), 30);  // the tip takes the upper layer
  EXPECT_DOUBLE_EQ(RQD_At_Depth(120), 55);  // RQD has no tip rule
  EXPECT_EQ(pm.FatalErrorValue, 0);

  Phi_At_Depth(300);
  EXPECT_EQ(pm.FatalErrorValue, 104);
  EXPECT_TRUE(contains(report(), "**** Input Data Error No. 4 ****\n"));
  EXPECT_TRUE(contains(report(), "soil friction angle versus depth.\n"
                                 "Solution:  Please revise the input data by either extending \n"));

  pm.FatalErrorValue = 0;
  RQD_At_Depth(230);
  EXPECT_EQ(pm.FatalErrorValue, 149);
  EXPECT_TRUE(contains(report(), "100 percent.\nSolution:  Check your input data and revise in the data for RQD.\n"
                                 "The interpolated value of RQD = 142.500\n"));
}

TEST_F(SoilProfile, AverageUnitWeightIsTheDepthWeightedMeanFromTheGroundSurface) {
  pile(480, 12);
  pm.options.NumIncrements = 40;
  Build_Node_Table(480);
  add_layer({kSoftClay, 0, 120, 0.0, 0.0, 10, 10, 0, 0});
  add_layer({kSoftClay, 120, 240, 0.02, 0.02, 10, 10, 0, 0});
  EXPECT_DOUBLE_EQ(AverageGammaEff(0.0), 0.02);  // first positive value at the surface
  EXPECT_DOUBLE_EQ(AverageGammaEff(240.0), 0.01);
  EXPECT_NEAR(AverageGammaEff(180.0), 0.02 * 60 / 180, 1e-15);
  EXPECT_NEAR(AverageGammaEff(240.0 + 1e-6), 0.01, 1e-9);  // within a millionth of an increment
  EXPECT_EQ(pm.FatalErrorValue, 0);
  AverageGammaEff(241.0);
  EXPECT_EQ(pm.FatalErrorValue, 115);
  EXPECT_TRUE(contains(messages(), "**** Input Data Error No. 15 ****\n"
                                   "An error was detected related to an incompatibility between \n"));

  SetUp();
  pile(480, 12);
  add_layer({kSoftClay, 24, 240, 0.02, 0.02, 10, 20, 0, 0});
  EXPECT_DOUBLE_EQ(AverageGammaEff(12.0), 0.0);  // above the ground surface
  EXPECT_DOUBLE_EQ(AverageStrengthC(24.0), 10.0);
  EXPECT_DOUBLE_EQ(AverageStrengthC(132.0), 12.5);
  AverageStrengthC(300.0);
  EXPECT_EQ(pm.FatalErrorValue, 103);
  EXPECT_TRUE(contains(report(), "This depth is 60.000 in  below the deepest extent of the input data for\n"));
}

struct MultiplierCase {
  std::vector<std::vector<double>> rows;  // position, p-multiplier, y-multiplier
  double s;
  double p, y;
};

TEST_F(SoilProfile, MultipliersInterpolateInTheTableAndStepAtRepeatedDepths) {
  const MultiplierCase cases[] = {
      {{{0, 0.5, 2.0}, {120, 1.0, 1.0}}, 60, 0.75, 1.5},
      {{{0, 0.5, 2.0}, {120, 1.0, 1.0}}, 150, 1.0, 1.0},
      {{{0, 0.5, 2.0}, {60, 0.5, 2.0}, {60, 1.0, 1.0}}, 60, 1.0, 1.0},
      {{{0, 0.5, 2.0}, {60, 0.5, 2.0}, {60, 1.0, 1.0}, {120, 1.0, 1.0}}, 60, 1.0, 1.0},
      {{{0, 0.5, 2.0}, {60, 0.5, 2.0}, {60, 1.0, 1.0}, {120, 1.0, 1.0}}, 30, 0.5, 2.0},
      {{{12, 0.5, 2.0}, {120, 1.0, 1.0}}, 6, 1.0, 1.0},
      {{{0, 0.5, 2.0}}, 0, 1.0, 1.0},
      {{}, 50, 1.0, 1.0},
  };
  for (const MultiplierCase& k : cases) {
    AnalysisData& d = pm.data;
    d.NumPYModifierRows = static_cast<int>(k.rows.size());
    for (int r = 0; r < d.NumPYModifierRows; ++r) {
      d.PMultiplierX[r + 1] = k.rows[r][0];
      d.PMultiplier[r + 1] = k.rows[r][1];
      d.YMultiplier[r + 1] = k.rows[r][2];
    }
    EXPECT_DOUBLE_EQ(PMultiplier_At_X(k.s), k.p) << k.rows.size() << " rows at " << k.s;
    EXPECT_DOUBLE_EQ(YMultiplier_At_X(k.s), k.y) << k.rows.size() << " rows at " << k.s;
  }
}

TEST_F(SoilProfile, NodesOnAnInterfaceBelongToTheLowerLayer) {
  clay(0, 120, 10);
  clay(120, 240, 20);
  nodes.NumNodes = 21;
  for (int m = 1; m <= 21; ++m) nodes.xv[m] = (m - 1) * 12.0;
  Assign_Nodes_To_Layers(21);
  EXPECT_EQ(layer_nodes.i_TopNodeInLayer[1], 1);
  EXPECT_EQ(layer_nodes.i_BottomNodeInLayer[1], 10);
  EXPECT_EQ(layer_nodes.i_TopNodeInLayer[2], 11);
  EXPECT_EQ(layer_nodes.i_BottomNodeInLayer[2], 21);
}

TEST_F(SoilProfile, ALayerWhoseOnlyNodeLiesOnItsBottomHoldsNoNode) {
  // Layer 2 (115..120) reaches no node but the one on its interface with
  // layer 3, and that node belongs to layer 3.
  clay(0, 115, 10);
  clay(115, 120, 20);
  clay(120, 240, 20);
  nodes.NumNodes = 21;
  for (int m = 1; m <= 21; ++m) nodes.xv[m] = (m - 1) * 12.0;
  Assign_Nodes_To_Layers(21);
  EXPECT_EQ(layer_nodes.i_TopNodeInLayer[1], 1);
  EXPECT_EQ(layer_nodes.i_BottomNodeInLayer[1], 10);
  EXPECT_EQ(layer_nodes.i_TopNodeInLayer[2], 0);
  EXPECT_EQ(layer_nodes.i_BottomNodeInLayer[2], 0);
  EXPECT_EQ(layer_nodes.i_TopNodeInLayer[3], 11);
  EXPECT_EQ(layer_nodes.i_BottomNodeInLayer[3], 21);

  // The last layer keeps the tip node on its bottom.
  SetUp();
  clay(0, 115, 10);
  clay(115, 240, 20);
  nodes.NumNodes = 21;
  for (int m = 1; m <= 21; ++m) nodes.xv[m] = (m - 1) * 12.0;
  Assign_Nodes_To_Layers(21);
  EXPECT_EQ(layer_nodes.i_TopNodeInLayer[2], 11);
  EXPECT_EQ(layer_nodes.i_BottomNodeInLayer[2], 21);
}

TEST_F(SoilProfile, ALayerThinnerThanTheNodeSpacingHoldsNoNode) {
  // Ground surface 3 below the head; layer 1 ends before the second node.
  clay(3, 8, 10);
  clay(8, 120, 20);
  clay(120, 400, 20);
  nodes.NumNodes = 21;
  for (int m = 1; m <= 21; ++m) nodes.xv[m] = (m - 1) * 12.0;
  Assign_Nodes_To_Layers(21);
  EXPECT_EQ(layer_nodes.i_TopNodeInLayer[1], 0);  // node 1 is above the ground
  EXPECT_EQ(layer_nodes.i_TopNodeInLayer[2], 2);
  EXPECT_EQ(layer_nodes.i_BottomNodeInLayer[2], 10);
  EXPECT_EQ(layer_nodes.i_TopNodeInLayer[3], 11);
  EXPECT_EQ(layer_nodes.i_BottomNodeInLayer[3], 21);
}

TEST_F(SoilProfile, OutputDepthsAreAssignedLikeNodes) {
  clay(0, 120, 10);
  clay(120, 240, 20);
  const double depths[] = {0, 60, 120, 200};
  pm.data.NumPYOutputDepths = 4;
  for (int i = 1; i <= 4; ++i) pm.data.PYOutput[i].PYOutputDepth = depths[i - 1];
  Assign_PY_Output_Depths_To_Layers(4);
  EXPECT_EQ(layer_nodes.i_TopNodeInLayer[1], 1);
  EXPECT_EQ(layer_nodes.i_BottomNodeInLayer[1], 2);
  EXPECT_EQ(layer_nodes.i_TopNodeInLayer[2], 3);
  EXPECT_EQ(layer_nodes.i_BottomNodeInLayer[2], 4);
}

}  // namespace
}  // namespace kavro::test
