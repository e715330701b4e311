// Bending curves of elastic, elastic-plastic and user-defined sections.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>

#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "section/elastic_curves.h"
#include "section/moment_curvature.h"
#include "section/user_curves.h"

namespace kavro {
namespace {

std::string slurp(const std::string& path) {
  std::ifstream f(path);
  std::stringstream ss;
  ss << f.rdbuf();
  std::remove(path.c_str());  // read once
  return ss.str();
}

int count_of(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
  return n;
}

class ElasticCurves : public testing::Test {
 protected:
  void SetUp() override {
    reset_problem_model();
    pm.options.IUNITS = kUnitsUS;
    pm.options.i_Analysis_Type = kAnalysisConventional;
    pm.loads.NumEIThrusts = 2;
    pm.loads.EIThrustList[1] = 0.0;
    pm.loads.EIThrustList[2] = 100.0;
    dir_ = testing::TempDir() + std::to_string(getpid()) + "_";
    ASSERT_TRUE(report_unit().open(dir_ + "ec_report.txt"));
    ASSERT_TRUE(plot_unit().open(dir_ + "ec_plot.txt"));
    ASSERT_TRUE(runtime_unit().open(dir_ + "ec_messages.txt"));
  }
  void finish() {
    report_unit().close();
    plot_unit().close();
    runtime_unit().close();
    report_ = slurp(dir_ + "ec_report.txt");
    plot_ = slurp(dir_ + "ec_plot.txt");
    messages_ = slurp(dir_ + "ec_messages.txt");
  }
  void TearDown() override {
    if (report_unit().is_open()) finish();
  }
  std::string dir_, report_, plot_, messages_;
};

TEST_F(ElasticCurves, ElasticLineForEveryThrust) {
  PileSection& s = pm.pile.Section[1];
  s.SectionType = 11;
  s.ElasticModulus = 29.0e6;
  s.TopInertia = 2000.0;
  Compute_Elastic_EI_Curves(1);
  finish();
  const double EIt = 29.0e6 * 2000.0 / 1000.0;  // kip-in2
  EXPECT_EQ(mct.NumThrusts, 2);
  for (int j = 1; j <= 2; ++j) {
    EXPECT_EQ(mct.NumPoints[1][j], 150);
    for (int k : {1, 75, 150}) {
      EXPECT_DOUBLE_EQ(mct.M[1][j][k] / mct.Curvature[1][j][k], EIt);
      EXPECT_EQ(mct.EI[1][j][k], EIt);
    }
    EXPECT_EQ(mct.Curvature[1][j][150], 1500.0);
    EXPECT_EQ(mct.Mn[1][j], 0.0);
  }
  EXPECT_EQ(mct.Thrust[2], 100.0);
  EXPECT_EQ(count_of(plot_, "Line 3d : Total number of axial thrusts for elastic section"), 1);
  EXPECT_EQ(count_of(plot_, "Line 4 : Num. Elas. M-EI-Crv Points"), 2);
  EXPECT_EQ(count_of(plot_, "Line 5 : Elastic Moment (in-kips)"), 300);
  EXPECT_NE(plot_.find("for Sect#=1, AxLd#=2, CurvPnt#=150\n"), std::string::npos);
  EXPECT_EQ(report_, "Moment-curvature properties were derived from elastic section properties\n\n\n");
}

TEST_F(ElasticCurves, ZeroModulusGivesZeroMoments) {
  pm.options.IUNITS = kUnitsSI;
  PileSection& s = pm.pile.Section[1];
  s.TopInertia = 0.01;
  Compute_Elastic_EI_Curves(1);
  finish();
  EXPECT_EQ(mct.M[1][1][150], 0.0);
  EXPECT_NE(plot_.find("Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1"),
            std::string::npos);
}

TEST_F(ElasticCurves, ElasticPlasticCurve) {
  PileSection& s = pm.pile.Section[1];
  s.SectionType = 12;
  s.SectionShape = 2;
  s.ElasticModulus = 4.0e6;
  s.TopWidth = s.BottomWidth = 24.0;
  s.TopInertia = std::numbers::pi / 64.0 * std::pow(24.0, 4);
  s.TopMomentCapacity = 5.0e6;  // in-lb
  Compute_Elastic_Plastic_EI_Curves(1);
  finish();
  const double EIt = 4.0e6 * s.TopInertia, Mp = 5.0e6;
  const int j = 2;
  EXPECT_EQ(mct.NumPoints[1][j], 150);
  EXPECT_DOUBLE_EQ(mct.Curvature[1][j][100], Mp / EIt);
  EXPECT_DOUBLE_EQ(mct.M[1][j][100], Mp / 1000.0);
  EXPECT_DOUBLE_EQ(mct.EI[1][j][50], EIt / 1000.0);
  EXPECT_DOUBLE_EQ(mct.M[1][j][101], (1 + 2e-8) * Mp / 1000.0);
  EXPECT_DOUBLE_EQ(mct.Curvature[1][j][150], 11.0 * Mp / EIt);
  EXPECT_DOUBLE_EQ(mct.EI[1][j][150], mct.M[1][j][150] / mct.Curvature[1][j][150]);
  EXPECT_DOUBLE_EQ(mct.Mn[1][j], mct.M[1][j][150] * 1000.0);  // stored in in-lb
  EXPECT_EQ(Mcap[1], Mp);
  EXPECT_EQ(count_of(plot_, "Line 3a : "), 1);
  EXPECT_EQ(count_of(plot_, "Line 4a : "), 2);
  EXPECT_EQ(count_of(plot_, "Line 5a : Elas-Plas Moment (in-kip)"), 300);
  EXPECT_NE(plot_.find(", Pnt#=101\n"), std::string::npos);
  EXPECT_EQ(report_, "Moment-curvature properties were derived from elastic-plastic section properties\n\n\n");
}

TEST_F(ElasticCurves, NodeCapacitiesFollowTheSectionModulus) {
  // Two sections of 40 in each; the second, elastic-plastic, tapers from a
  // 24-in to a 12-in solid circle. Nodes every 8 in.
  pm.NumNodes = 11;
  for (int i = 0; i <= 10; ++i) pm.PileStation[i] = 8.0 * i;
  PileSection& s = pm.pile.Section[2];
  s.SectionType = 12;
  s.SectionShape = 2;
  s.SectionTopX = 40.0;
  s.SectionBottomX = 80.0;
  s.ElasticModulus = 4.0e6;
  s.TopWidth = 24.0;
  s.BottomWidth = 12.0;
  s.TopInertia = std::numbers::pi / 64.0 * std::pow(24.0, 4);
  s.TopMomentCapacity = 8.0e6;
  // The first section, above it, is elastic-plastic too, with its own capacity.
  PileSection& s1 = pm.pile.Section[1];
  s1 = s;
  s1.SectionTopX = 0.0;
  s1.SectionBottomX = 40.0;
  s1.BottomWidth = 24.0;
  s1.TopMomentCapacity = 9.0e6;
  Mcap.fill(0.0);
  Compute_Elastic_Plastic_EI_Curves(1);
  Compute_Elastic_Plastic_EI_Curves(2);
  finish();
  EXPECT_EQ(Mcap[1], 9.0e6);  // the head keeps the capacity of its own section
  EXPECT_EQ(Mcap[6], 9.0e6);  // x = 40, the bottom of the first section
  // x = 80: diameter 12, an eighth of the top's section modulus.
  EXPECT_NEAR(Mcap[11], 1.0e6, 1e-6);
  const double d = 24.0 - 12.0 * (48.0 - 40.0) / 40.0;
  EXPECT_NEAR(Mcap[7], 8.0e6 * std::pow(d / 24.0, 3), 1e-6);
  EXPECT_EQ(count_of(messages_, "   Mcap = "), 10);  // nodes 2 to 6, then 7 to 11
  EXPECT_NE(messages_.find("Node  11   Mcap =       1000000.0\n"), std::string::npos) << messages_;
  EXPECT_EQ(count_of(plot_, "Line 3a"), 1);  // record 3 only for the first section
}

TEST_F(ElasticCurves, HPileCapacityIsUniform) {
  pm.NumNodes = 6;
  for (int i = 0; i <= 5; ++i) pm.PileStation[i] = 10.0 * i;
  PileSection& s = pm.pile.Section[1];
  s.SectionShape = 4;
  s.SectionTopX = 0.0;
  s.SectionBottomX = 50.0;
  s.ElasticModulus = 29.0e6;
  s.TopInertia = 1000.0;
  s.TopMomentCapacity = 3.0e6;
  Compute_Elastic_Plastic_EI_Curves(1);
  finish();
  for (int m = 1; m <= 6; ++m) EXPECT_EQ(Mcap[m], 3.0e6) << m;
}

struct UserCase {
  const char* what;
  std::vector<double> M, EI;
  int points;            // expected table points
  double first_M, first_EI;
};

TEST_F(ElasticCurves, UserCurvesRefinedToTheTable) {
  const UserCase cases[] = {
      {"4 points from zero moment: 3 segments of 48 steps", {0, 1e6, 2e6, 2.5e6}, {4e9, 3e9, 1e9, 2e8}, 145, 0, 4e9},
      // S = (150 - 3) div (1 + 3 - 1) = 49 steps on each of 3 segments.
      {"a zero-moment point is put in front", {1e6, 2e6, 2.5e6}, {4e9, 3e9, 1e9}, 3 * 49 + 1, 0, 4e9},
      // One input point: refined between the zero point and it (S = 149).
      {"a single point after the zero point", {1e6}, {4e9}, 150, 0, 4e9},
  };
  PileSection& s = pm.pile.Section[1];
  s.SectionType = 13;
  s.NumUserEIThrusts = 3;
  for (int j = 1; j <= 3; ++j) {
    const UserCase& c = cases[j - 1];
    s.UserEIThrust[j] = 1000.0 * j;  // pounds
    s.NumUserEIPoints[j] = static_cast<int>(c.M.size());
    for (std::size_t k = 0; k < c.M.size(); ++k) {
      s.UserEI_M[j][k + 1] = c.M[k];
      s.UserEI_EI[j][k + 1] = c.EI[k];
    }
  }
  Compute_User_EI_Curves(1);
  finish();
  // The curve thrusts replace the thrust list, in kips.
  EXPECT_EQ(pm.loads.NumEIThrusts, 3);
  EXPECT_EQ(pm.loads.EIThrustList[2], 2.0);
  EXPECT_EQ(mct.NumThrusts, 3);
  EXPECT_EQ(mct.Thrust[3], 3.0);
  for (int j = 1; j <= 3; ++j) {
    const UserCase& c = cases[j - 1];
    SCOPED_TRACE(c.what);
    const int np = mct.NumPoints[1][j];
    EXPECT_EQ(np, c.points);
    EXPECT_EQ(mct.M[1][j][1], c.first_M / 1000.0);
    EXPECT_EQ(mct.EI[1][j][1], c.first_EI / 1000.0);
    EXPECT_DOUBLE_EQ(mct.M[1][j][np], c.M.back() / 1000.0);
    EXPECT_DOUBLE_EQ(mct.Mn[1][j], *std::max_element(c.M.begin(), c.M.end()));
    for (int k = 1; k <= np; ++k)
      EXPECT_DOUBLE_EQ(mct.Curvature[1][j][k], mct.M[1][j][k] / mct.EI[1][j][k]);
  }
  // Segment points of the first curve: M(2) one 48th of the first segment.
  EXPECT_DOUBLE_EQ(mct.M[1][1][2], 1e6 / 48 / 1000.0);
  EXPECT_DOUBLE_EQ(mct.M[1][1][49], 1e6 / 1000.0);
  EXPECT_EQ(count_of(plot_, "Line 3 : Total number of axial thrusts for input M-EI section"), 1);
  EXPECT_NE(plot_.find("    3"), std::string::npos);
  EXPECT_EQ(count_of(plot_, "for input M-EI pile, Section 1\n"), 3);
  EXPECT_EQ(count_of(plot_, "Line 5 : Moment, EI, Curvature for Sect#=1"), 145 + 148 + 150);
  EXPECT_EQ(report_,
            "Moment-Curvature properties for Section 1 were determined from input nonlinear \n"
            "M-EI properties. Bending stiffness values for computations will be determined by \n"
            "interpolation along and in between curves using curvature and axial thrust values. \n\n");
}

TEST_F(ElasticCurves, LongUserCurveKeptAsGiven) {
  PileSection& s = pm.pile.Section[1];
  s.NumUserEIThrusts = 1;
  s.NumUserEIPoints[1] = 150;
  for (int k = 1; k <= 150; ++k) {
    s.UserEI_M[1][k] = 1000.0 * k;
    s.UserEI_EI[1][k] = 1e9 - 1e6 * k;
  }
  pm.options.IUNITS = kUnitsSI;
  Compute_User_EI_Curves(1);
  finish();
  // No room for refinement nor for a zero point: the 150 points as given.
  EXPECT_EQ(mct.NumPoints[1][1], 150);
  EXPECT_EQ(mct.M[1][1][1], 1000.0);
  EXPECT_EQ(mct.M[1][1][150], 150000.0);
  EXPECT_EQ(mct.Mn[1][1], 150000.0);
}

}  // namespace
}  // namespace kavro
