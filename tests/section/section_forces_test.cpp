// Section forces, the neutral-axis search and the moment of the balanced
// state.
#include "section/section_forces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "section/moment_curvature.h"
#include "section_test_support.h"

namespace kavro {
namespace {

constexpr double kPi = std::numbers::pi;

// Solves one point of thrust 1 at curvature phi and thrust P, starting from
// the carried depth c0.
double solve(double phi, double P, double c0) {
  mc.Thrust[1] = P;
  mc.Curvature[1][1] = phi;
  mc_point = 1;
  sf.CarriedC = c0;
  Find_Neutral_Axis(1);
  return mc.NeutralAxis[1][1];
}

// 36-in shaft whose 12 bars have the area of their stated diameter, so that
// the slicing is symmetric about mid-depth.
void symmetric_shaft() {
  test::drilled_shaft(1, 36, 12, 1.128, kPi / 4 * 1.128 * 1.128, 3.0);
  Setup_Working_Section(1);
  Initialize_EI_Vars();
}

TEST(NeutralAxis, SymmetricSectionsBendAboutMidDepthWithoutThrust) {
  symmetric_shaft();
  EXPECT_NEAR(solve(6.25e-7, 0, 18), 18.0, 1e-7);
  EXPECT_NEAR(solve(6.25e-7, 0, 1e6), 18.0, 1e-7);  // a carried depth beyond D restarts at D/2
  test::steel_pipe(1, 24, 0.5);
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  EXPECT_NEAR(solve(1e-5, 0, 12), 12.0, 1e-7);
  EXPECT_EQ(pm.FatalErrorValue, 0);
}

TEST(NeutralAxis, BalancesTheThrustInFewIterations) {
  symmetric_shaft();
  struct Case {
    double phi, P;
  };
  for (const Case c : {Case{1e-5, 0}, Case{1e-4, 500}, Case{2e-4, -300}, Case{5e-5, 2000}}) {
    const long it0 = sf.Iterations;
    const double x = solve(c.phi, c.P, 18);
    EXPECT_LE(sf.Iterations - it0, 12) << c.phi << " " << c.P;
    sf.phi = c.phi;
    const double F = Compute_Axial_Thrust_Force(x);
    // The residual at the stored depth is within the depth tolerance times the slope.
    const double slope = (Compute_Axial_Thrust_Force(x + 1e-4) - Compute_Axial_Thrust_Force(x - 1e-4)) / 2e-4;
    EXPECT_NEAR(F, c.P, 2e-6 * std::fabs(slope) + 1e-9) << c.phi << " " << c.P;
  }
}

// A fully yielded pipe (every slice beyond the yield strain at the carried
// depth D) has a zero slope: the depth moves by 1e-8 in every unit system,
// which is within the tolerance, and the search ends with the moved depth.
TEST(NeutralAxis, ZeroSlopeMovesTheDepthBy1e8) {
  struct Case {
    int units;
    double D, t, fy, E, phi;
  };
  for (const Case c : {Case{kUnitsUS, 24, 0.5, 36000, 29e6, 1.0}, Case{kUnitsSI, 0.6096, 0.0127, 248000, 2e8, 10.0}}) {
    test::steel_pipe(1, c.D, c.t, c.fy, c.E);
    pm.options.IUNITS = c.units;
    Setup_Working_Section(1);
    Initialize_EI_Vars();
    const double squash = c.fy / (c.units == kUnitsUS ? 1000 : 1) * kPi / 4 * (c.D * c.D - (c.D - 2 * c.t) * (c.D - 2 * c.t));
    const long it0 = sf.Iterations;
    EXPECT_EQ(solve(c.phi, 2 * squash, c.D), c.D + 1e-8) << c.units;
    EXPECT_EQ(sf.Iterations - it0, 1);
    EXPECT_EQ(pm.FatalErrorValue, 0);
  }
}

TEST(NeutralAxis, RuntimeError16WhenNoDepthBalancesTheThrust) {
  test::drilled_shaft(1, 36, 0, 1.128, 1.0, 3.0);  // plain concrete
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  test::UnitCapture report;
  const long it0 = sf.Iterations;
  solve(1e-4, 1e5, 18);  // far above the squash load
  const std::string text = report.text();
  EXPECT_EQ(pm.FatalErrorValue, 216);
  EXPECT_EQ(sf.Iterations - it0, 1000);
  EXPECT_NE(text.find("**** Runtime Error No. 16 ****\n\nLocation of neutral axis was not found within 1,000 "
                      "iterations.\n"),
            std::string::npos)
      << text;
  pm.FatalErrorValue = 0;
}

TEST(AxialForce, FullyCompressedSectionsCarryTheirPlateaus) {
  // Whole section far beyond the crushing strain: crushed concrete carries
  // 0.001 ksi, bars and pipe their yield stress.
  test::drilled_shaft(1, 36, 12, 1.128, 1.0, 3.0);
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  sf.phi = 1e-3;
  EXPECT_NEAR(Compute_Axial_Thrust_Force(1000), double(0.001f) * ws.NetConcreteArea + 60.0 * 12, 1e-9);
  test::steel_pipe(1, 24, 0.5);
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  sf.phi = 1e-3;
  const double A = kPi / 4 * (24 * 24 - 23 * 23);
  EXPECT_NEAR(Compute_Axial_Thrust_Force(1000), 36.0 * A, 1e-9);
  EXPECT_NEAR(Compute_Axial_Thrust_Force(-1000), -36.0 * A, 1e-9);
  EXPECT_NEAR(sf.Fcasing, sf.Ftotal, 0);
}

TEST(AxialForce, CasingAndFilledCoreContribute) {
  PileSection& s = test::fresh_section(1);
  s.SectionType = 3;
  s.SectionDiameter = 48;
  s.ConcreteStrength = 4000;
  s.CasingWallThickness = 0.5;
  s.CasingYieldStress = 36000;
  s.CasingModulus = 29e6;
  s.CoreOuterDiameter = 20;
  s.CoreWallThickness = 0.75;
  s.CoreYieldStress = 50000;
  s.CoreModulus = 29e6;
  s.b_FillCoreWithConcrete = true;
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  sf.phi = 1e-3;
  Compute_Axial_Thrust_Force(1000);
  const double ring = kPi / 4 * (48 * 48 - 47 * 47), core_ring = kPi / 4 * (400 - 18.5 * 18.5);
  EXPECT_NEAR(sf.Fcasing, 36 * ring, 1e-9);
  EXPECT_NEAR(sf.Fcore, 50 * core_ring, 1e-9);
  EXPECT_NEAR(sf.FcoreConcrete, double(0.001f) * kPi / 4 * 18.5 * 18.5, 1e-9);
}

TEST(Moment, NeverDecreasesAlongTheCurveExceptForThePipe) {
  symmetric_shaft();
  mc.Curvature[1][1] = 1e-5;
  mc.Curvature[1][2] = 2e-5;
  mc.NeutralAxis[1][2] = 18;
  mc_point = 2;
  sf.phi = 2e-5;
  Compute_Axial_Thrust_Force(18);
  const double m = Compute_Section_Moment();
  mc.M[1][1] = m + 100;
  Compute_Moment(1);
  EXPECT_EQ(mc.M[1][2], m + 100);
  EXPECT_EQ(mc.EI[1][2], (m + 100) / 2e-5);
  mc.M[1][1] = m - 100;
  Compute_Moment(1);
  EXPECT_EQ(mc.M[1][2], m);
  EXPECT_DOUBLE_EQ(mc.MaxCompStrain[1][2], 2e-5 * 18);
  EXPECT_DOUBLE_EQ(mc.MaxTensStrain[1][2], 2e-5 * (18 - 36));

  test::steel_pipe(1, 24, 0.5);
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  sf.phi = 2e-5;
  Compute_Axial_Thrust_Force(12);
  const double mp = Compute_Section_Moment();
  mc.M[1][1] = mp + 100;
  mc.NeutralAxis[1][2] = 12;
  Compute_Moment(1);
  EXPECT_EQ(mc.M[1][2], mp);
}

// The concrete prestrain of a prestressed section adds to the maximum
// compressive strain (not to the tensile one); the steel pipe has none.
TEST(Moment, MaximumCompressiveStrainCarriesTheConcretePrestrain) {
  symmetric_shaft();
  ws.eps_pc = 2e-4;
  mc.Curvature[1][1] = 2e-5;
  mc.NeutralAxis[1][1] = 15;
  mc_point = 1;
  sf.phi = 2e-5;
  Compute_Axial_Thrust_Force(15);
  Compute_Moment(1);
  EXPECT_DOUBLE_EQ(mc.MaxCompStrain[1][1], 2e-5 * 15 + 2e-4);
  EXPECT_DOUBLE_EQ(mc.MaxTensStrain[1][1], 2e-5 * (15 - 36));

  test::steel_pipe(1, 24, 0.5);
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  ws.eps_pc = 2e-4;
  Compute_Axial_Thrust_Force(15);
  Compute_Moment(1);
  EXPECT_DOUBLE_EQ(mc.MaxCompStrain[1][1], 2e-5 * 15);
}

TEST(Moment, ElasticPipeMomentIsEIPhi) {
  test::steel_pipe(1, 24, 0.5);
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  const double phi = 1e-5;  // extreme strain 1.2e-4, elastic
  const double c = solve(phi, 0, 12);
  sf.phi = phi;
  Compute_Axial_Thrust_Force(c);
  const double I = kPi / 64 * (std::pow(24.0, 4) - std::pow(23.0, 4));
  // Slicing at the slice centroids: within 0.1 percent of E I phi.
  EXPECT_NEAR(Compute_Section_Moment(), 29000 * I * phi, 1e-3 * 29000 * I * phi);
}

}  // namespace
}  // namespace kavro
