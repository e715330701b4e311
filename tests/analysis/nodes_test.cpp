// The node table: geometry, sections and pile properties at a depth,
// tapered elastic sections, distributed load, soil movement, starting
// modulus and the layer-too-thin message.
#include <cmath>
#include <numbers>

#include "tests/soil/soil_fixture.h"

namespace kavro::test {
namespace {

class Nodes : public SoilTest {
 protected:
  // Two sections of 240 in: widths 12 and 24 (moduli 1e6, 4e6, I = 1).
  void two_sections() {
    PileSections& p = pm.pile;
    p.NumSections = 2;
    p.NumSectionBoundaries = 4;
    p.PileLength = 480;
    const double x[] = {0, 240, 240, 480}, w[] = {12, 12, 24, 24}, e[] = {1e6, 1e6, 4e6, 4e6};
    for (int k = 1; k <= 4; ++k) {
      p.SectionBoundaryX[k] = x[k - 1];
      p.PropertyPoint[k].Width = w[k - 1];
      p.PropertyPoint[k].SecondWidth = 0;
      p.PropertyPoint[k].MomentOfInertia = 1.0;
      p.PropertyPoint[k].Area = 2.0;
      p.PropertyPoint[k].Modulus = e[k - 1];
    }
    for (int s = 1; s <= 2; ++s) {
      p.Section[s].SectionType = 1;
      p.Section[s].SectionTopX = 240.0 * (s - 1);
      p.Section[s].SectionBottomX = 240.0 * s;
      p.Section[s].SectionLength = 240;
    }
  }
  void distributed(std::initializer_list<std::pair<double, double>> pts) {
    Loading& l = pm.loads;
    l.NumDistLoadPoints = 0;
    for (auto [x, w] : pts) {
      ++l.NumDistLoadPoints;
      l.DistLoadX[l.NumDistLoadPoints] = x;
      l.DistLoadIntensity[l.NumDistLoadPoints] = w;
    }
  }
};

TEST_F(Nodes, GeometryEndsExactlyAtThePileTipAndFollowsTheBatter) {
  pile(100.0 / 3.0, 12);
  pm.data.BatterAngle = 0.1;
  pm.options.NumIncrements = 49;
  Build_Node_Table(pm.pile.PileLength);
  EXPECT_EQ(nodes.NumNodes, 50);
  EXPECT_EQ(nodes.x[50], 100.0 / 3.0);
  EXPECT_DOUBLE_EQ(nodes.h, 100.0 / 3.0 / 49);
  EXPECT_DOUBLE_EQ(nodes.xv[11], 10 * nodes.h * std::cos(0.1));
}

TEST_F(Nodes, ANodeOnASectionBoundaryBelongsToTheUpperSection) {
  two_sections();
  pm.options.NumIncrements = 40;
  Build_Node_Table(480);
  const int m = node_at(240);
  EXPECT_EQ(nodes.Section[1], 1);
  EXPECT_EQ(nodes.Section[m], 1);
  EXPECT_EQ(nodes.Section[m + 1], 2);
  EXPECT_DOUBLE_EQ(nodes.EI[m], 1e6);
  EXPECT_DOUBLE_EQ(nodes.EI[m + 1], 4e6);
  EXPECT_DOUBLE_EQ(PileWidthAtX(240), 12);
  EXPECT_DOUBLE_EQ(PileWidthAtX(480), 24);
  EXPECT_DOUBLE_EQ(PileWidthAtX(600), 24);  // below the tip: the last point
}

TEST_F(Nodes, PropertiesInterpolateBetweenPointsWithTheStiffnessAsAProduct) {
  two_sections();
  PileSections& p = pm.pile;
  p.PropertyPoint[3].Width = 20;
  p.PropertyPoint[3].MomentOfInertia = 2.0;  // EI 8e6 at the top of section 2
  const PileProperties r = Pile_Properties_At_X(360);
  EXPECT_DOUBLE_EQ(r.Width, 22);
  EXPECT_DOUBLE_EQ(r.Inertia, 1.5);
  EXPECT_DOUBLE_EQ(r.Area, 2.0);
  EXPECT_DOUBLE_EQ(r.EI, 6e6);  // between E*I = 8e6 and 4e6, not E(360) * I(360)
}

struct TaperCase {
  int shape;
  double top_width, bottom_width, top_depth, bottom_depth;
  double width, area, inertia;  // at mid-length
};

TEST_F(Nodes, TaperedElasticSectionsAreRecomputedFromTheirShape) {
  constexpr double pi = std::numbers::pi;
  const TaperCase cases[] = {
      {1, 10, 20, 30, 10, 15, 15 * 20, 15 * 20 * 20 * 20 / 12.0},
      {2, 24, 12, 0, 0, 18, pi / 4 * 18 * 18, pi / 64 * std::pow(18.0, 4)},
      {3, 24, 24, 1, 0.5, 24, pi / 4 * (24 * 24 - 22.5 * 22.5), pi / 64 * (std::pow(24.0, 4) - std::pow(22.5, 4))},
  };
  for (const TaperCase& k : cases) {
    SetUp();
    pile(480, 99);
    PileSection& s = pm.pile.Section[1];
    s.SectionType = 11;
    s.SectionShape = k.shape;
    s.ElasticModulus = 29e6;
    s.TopWidth = k.top_width;
    s.BottomWidth = k.bottom_width;
    s.TopDepth = k.top_depth;
    s.BottomDepth = k.bottom_depth;
    const PileProperties r = Pile_Properties_At_X(240);
    EXPECT_DOUBLE_EQ(r.Width, k.width) << k.shape;
    EXPECT_NEAR(r.Area, k.area, 1e-9 * k.area) << k.shape;
    EXPECT_NEAR(r.Inertia, k.inertia, 1e-9 * k.inertia) << k.shape;
    EXPECT_NEAR(r.EI, 29e6 * k.inertia, 1e-9 * 29e6 * k.inertia) << k.shape;
    TearDown();
  }
  // An embedded pole keeps the drilled hole as width and carries the section on the pole.
  pile(480, 36);
  PileSection& s = pm.pile.Section[1];
  s.SectionType = 12;
  s.SectionShape = 6;
  s.ElasticModulus = 1.6e6;
  s.TopWidth = 16;
  s.BottomWidth = 12;
  const PileProperties r = Pile_Properties_At_X(120);
  EXPECT_DOUBLE_EQ(r.Width, 36);
  EXPECT_DOUBLE_EQ(r.SecondWidth, 15);
  EXPECT_NEAR(r.Inertia, pi / 64 * std::pow(15.0, 4), 1e-9);
}

TEST_F(Nodes, DistributedLoadIsAveragedOverEachNodesTributaryWindow) {
  pile(480, 12);
  pm.options.NumIncrements = 40;
  distributed({{0, 10}, {480, 10}});
  Build_Node_Table(480);
  for (int m = 1; m <= nodes.NumNodes; ++m) EXPECT_DOUBLE_EQ(nodes.DistributedLoad[m], 10.0) << m;

  distributed({{120, 5}, {240, 5}});
  Build_Node_Table(480);
  EXPECT_DOUBLE_EQ(nodes.DistributedLoad[node_at(108)], 0.0);
  EXPECT_DOUBLE_EQ(nodes.DistributedLoad[node_at(120)], 2.5);  // half the window is loaded
  EXPECT_DOUBLE_EQ(nodes.DistributedLoad[node_at(180)], 5.0);
  EXPECT_DOUBLE_EQ(nodes.DistributedLoad[node_at(252)], 0.0);

  distributed({{0, 0}, {480, 48}});  // linear: the average over a window is the value at its middle
  Build_Node_Table(480);
  EXPECT_DOUBLE_EQ(nodes.DistributedLoad[node_at(240)], 24.0);
  EXPECT_NEAR(nodes.DistributedLoad[1], 0.3, 1e-12);    // head window [0, 6]
  EXPECT_NEAR(nodes.DistributedLoad[41], 47.7, 1e-12);  // tip window [474, 480]

  pm.loads.NumDistLoadPoints = 0;
  Build_Node_Table(480);
  EXPECT_DOUBLE_EQ(nodes.DistributedLoad[node_at(240)], 0.0);
}

TEST_F(Nodes, SoilMovementInterpolatesBetweenItsPointsOnly) {
  pile(480, 12);
  pm.options.NumIncrements = 40;
  AnalysisData& d = pm.data;
  pm.options.UseSoilMovement = true;
  d.NumSoilMovementPoints = 4;
  const double x[] = {24, 120, 120, 240}, v[] = {1.0, 0.2, 0.4, 0.0};
  for (int k = 1; k <= 4; ++k) {
    d.SoilMovementX[k] = x[k - 1];
    d.SoilMovementValue[k] = v[k - 1];
  }
  Build_Node_Table(480);
  EXPECT_DOUBLE_EQ(nodes.SoilMovementAtNode[node_at(12)], 0.0);
  EXPECT_DOUBLE_EQ(nodes.SoilMovementAtNode[node_at(72)], 0.6);
  EXPECT_NEAR(nodes.SoilMovementAtNode[node_at(120)], 0.2, 1e-15);  // the upper bracket at a step
  EXPECT_DOUBLE_EQ(nodes.SoilMovementAtNode[node_at(180)], 0.2);
  EXPECT_DOUBLE_EQ(nodes.SoilMovementAtNode[node_at(252)], 0.0);

  d.NumSoilMovementPoints = 1;
  Build_Node_Table(480);
  EXPECT_DOUBLE_EQ(nodes.SoilMovementAtNode[node_at(72)], 0.0);
  d.NumSoilMovementPoints = 4;
  pm.options.UseSoilMovement = false;
  Build_Node_Table(480);
  EXPECT_DOUBLE_EQ(nodes.SoilMovementAtNode[node_at(72)], 0.0);
}

TEST_F(Nodes, StartingModulusIsZeroAboveTheGroundSurface) {
  pile(480, 12);
  clay(24, 480, 10);
  discretise(40);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[node_at(12)], 0.0);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[node_at(24)], 50000.0);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[41], 50000.0);
  EXPECT_DOUBLE_EQ(nodes.y[-1], 0.0);
  EXPECT_DOUBLE_EQ(nodes.y[42], 0.0);
}

TEST_F(Nodes, LayerTooThinMessageWordForWord) {
  pile(480, 12);
  clay(0, 121, 10);
  clay(121, 125, 10);
  clay(125, 480, 10);
  pm.options.NumIncrements = 40;
  Build_Node_Table(480);
  Report_Layer_Too_Thin(2);
  EXPECT_EQ(pm.FatalErrorValue, 229);
  const std::string head =
      "\n\n**** Runtime Error No. 29 ****\n\n"
      "Problem:  The thickness of layer 2 was too thin to contain a nodal point.\n";
  const std::string tail =
      "          The thickness of layer 2 is     4.000 in  and the pile increment length is    12.000 in \n"
      "          The current number of pile increments is 40.\n"
      "          The estimated minimum number of increments needed to get at least one nodal point in the layer is "
      "120.\n"
      "\n"
      "Solution: Increase the number of pile increments. Up to 500 pile increments are allowed in Kavro.\n"
      "          If this error occurs with the maximum number of pile increments, you will need to combine the "
      "thinnest\n"
      "          soil layer with an adjacent layer.\n\n\n";
  EXPECT_EQ(report(), head +
                          "          This layer lacks a nodal point and this prevents the correct computation of p-y "
                          "curves for the layer . \n" +
                          tail);
  EXPECT_EQ(messages(), head +
                            "          This layer lacks a nodal point and this prevents the correct computation of "
                            "the layer's p-y curves. \n" +
                            tail);
}

}  // namespace
}  // namespace kavro::test
