// Material laws: derived concrete parameters, concrete in compression and
// tension with cracking, prestressing steel grades, mild steel, casing and
// core, and the cracked and yielded flags.
#include "section/materials.h"

#include <gtest/gtest.h>

#include <cmath>

#include "section_test_support.h"

namespace kavro {
namespace {

constexpr double kKsiToKPa = double(6894.757f);

// A bare working section of 100 slices with the given concrete and steel.
void bare_section(int units, double fc, int cls = kClassMildBars) {
  pm.options.IUNITS = units;
  ws = WorkingSection{};
  ws.Layout = kLayoutCircle;
  ws.D = 10;
  ws.fc = fc;
  ws.ReinforcementClass = cls;
}

TEST(ConcreteParameters, FourKsiConcreteInUsCustomaryUnits) {
  struct Case {
    int cls;
    double fr;
  };
  for (const Case c : {Case{kClassMildBars, -0.474342}, Case{kClassPCI270, -0.252982}}) {
    bare_section(kUnitsUS, 4.0, c.cls);
    Set_Material_Parameters();
    EXPECT_DOUBLE_EQ(ws.Ec, 57.0 * std::sqrt(4000.0));  // 3604.9965
    EXPECT_NEAR(ws.eps0, 0.001886, 5e-7);
    EXPECT_NEAR(ws.fr, c.fr, 5e-7);
    EXPECT_DOUBLE_EQ(ws.epst, -(1 - std::sqrt(1 + ws.fr / 4.0)) * ws.eps0);
    EXPECT_LT(ws.epst, 0.0);
  }
}

TEST(ConcreteParameters, SiValuesAreTheKsiValuesInKilopascals) {
  bare_section(kUnitsSI, 4.0 * kKsiToKPa);
  ws.fy = 60.0 * kKsiToKPa;
  Set_Material_Parameters();
  EXPECT_NEAR(ws.Ec, 3604.996 * kKsiToKPa, 5);
  EXPECT_NEAR(ws.fr, -0.474342 * kKsiToKPa, 0.01);
  EXPECT_NEAR(ws.eps0, 0.001886, 5e-7);
  EXPECT_NEAR(ws.fc, 4.0 * kKsiToKPa, 1e-9);
  EXPECT_NEAR(ws.fy, 60.0 * kKsiToKPa, 1e-8);
}

TEST(ConcreteParameters, SectionWithoutConcreteOnlyClearsTheModulus) {
  bare_section(kUnitsUS, 4.0, kClassSteelPipe);
  ws.ConcreteLaw = kConcreteNone;
  ws.Ec = 99;
  Set_Material_Parameters();
  EXPECT_EQ(ws.Ec, 0.0);
}

TEST(ConcreteLaw, CompressionBranches) {
  const double fc = 4.0, e0 = 0.002;
  struct Case {
    double eps;
    bool inside;
    double sigma;
  };
  const Case cases[] = {
      {0.001, false, 3.0},                       // parabola, x = 0.5
      {0.002, false, 4.0},                       // peak
      {double(0.0038f), false, fc * (1 - double(0.15f))},  // 0.85 f'c at the crushing strain
      {0.0039, false, double(0.001f)},           // crushed
      {0.003, false, fc - (0.001 / (double(0.0038f) - e0)) * double(0.15f) * fc},
      {0.003, true, fc * (2 * 1.5 - 1.5 * 1.5)},  // inside a core the parabola goes on
      {0.0039, true, double(0.001f)},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(fn_Concrete_Compression_Stress(fc, e0, c.eps, c.inside), c.sigma, 1e-12) << c.eps << c.inside;
  EXPECT_NEAR(fn_Concrete_Compression_Stress(fc, e0, double(0.0038f), false), 0.85 * fc, 1e-6);
}

TEST(ConcreteLaw, TensionCracksAtTheModulusOfRuptureAndStaysCracked) {
  bare_section(kUnitsUS, 4.0);
  Set_Material_Parameters();
  SliceArray<double> eps{}, sig{};
  // Slices 1-10 in compression, 11-20 in tension within the rupture strain,
  // 21 beyond it, 22 back within it.
  const double small_tension = 0.2 * ws.epst;
  for (int i = 1; i <= 100; ++i) eps[i] = i <= 10 ? 0.0005 : small_tension;
  eps[21] = -0.6 * ws.eps0;  // stress -0.84 f'c, far below fr
  const double c = 50, phi = 0;  // extreme fibre not beyond the fracture strain
  Concrete_Stresses(c, phi, eps, sig);
  const double x = small_tension / ws.eps0;
  EXPECT_NEAR(sig[15], -4.0 * (2 * std::fabs(x) - x * x), 1e-12);
  EXPECT_LT(sig[15], 0.0);
  EXPECT_EQ(sig[21], 0.0);
  EXPECT_EQ(sig[22], 0.0);  // within fr itself, but below the first cracked slice
  EXPECT_EQ(sig[100], 0.0);
  EXPECT_GT(sig[5], 0.0);
  EXPECT_TRUE(ws.b_Cracked);

  // Once cracked, the next evaluation carries no tension anywhere.
  Concrete_Stresses(c, phi, eps, sig);
  EXPECT_EQ(sig[15], 0.0);
}

TEST(ConcreteLaw, ExtremeFibreBeyondFractureOrAxialTensionCrackingDropTension) {
  SliceArray<double> eps{}, sig{};
  for (int i = 1; i <= 100; ++i) eps[i] = i <= 50 ? 1e-5 : -1e-5;
  // Extreme tension fibre strain (c - D) phi below the fracture strain.
  bare_section(kUnitsUS, 4.0);
  Set_Material_Parameters();
  Concrete_Stresses(5.0, 1e-3, eps, sig);
  EXPECT_TRUE(ws.b_Cracked);
  EXPECT_EQ(sig[60], 0.0);
  // Section cracked by axial tension.
  bare_section(kUnitsUS, 4.0);
  Set_Material_Parameters();
  ws.b_TensionCracked = true;
  Concrete_Stresses(5.0, 0.0, eps, sig);
  EXPECT_EQ(sig[60], 0.0);
  EXPECT_GT(sig[10], 0.0);
  // Neither: tension is carried.
  bare_section(kUnitsUS, 4.0);
  Set_Material_Parameters();
  Concrete_Stresses(5.0, 0.0, eps, sig);
  EXPECT_FALSE(ws.b_Cracked);
  EXPECT_LT(sig[60], 0.0);
  EXPECT_DOUBLE_EQ(sig[60], -sig[10]);  // the tension parabola mirrors compression
}

TEST(ConcreteLaw, ConcretePrestrainOnlyEntersTheCrackingTest) {
  bare_section(kUnitsUS, 4.0, kClassPCI270);
  Set_Material_Parameters();
  SliceArray<double> eps{}, sig{};
  for (int i = 1; i <= 100; ++i) eps[i] = 4e-5 * (50.5 - i) / 49.5;  // within the rupture stress
  // Extreme fibre strain (c - D) phi = -5e-4, beyond the fracture strain,
  // but lifted above it by the precompression: the section is not cracked.
  ws.eps_pc = 0.0005;
  Concrete_Stresses(5.0, 1e-4, eps, sig);
  EXPECT_FALSE(ws.b_Cracked);
  const double x = eps[1] / ws.eps0;
  EXPECT_NEAR(sig[1], 4.0 * (2 * x - x * x), 1e-12);  // stresses from the slice strains alone
  EXPECT_LT(sig[100], 0.0);
  ws.eps_pc = 0;
  Concrete_Stresses(5.0, 1e-4, eps, sig);
  EXPECT_TRUE(ws.b_Cracked);
  EXPECT_EQ(sig[100], 0.0);
}

TEST(PrestressingSteel, GradesAtTheirCharacteristicStrains) {
  struct Case {
    int cls;
    double eps;
    double sigma;
    double tol;
  };
  const Case cases[] = {
      {kClassPCI270, -0.0086, -245.1, 1e-9},
      {kClassPCI270, -0.01, -(270 - double(0.04f) / (0.01 - double(0.007f))), 1e-12},
      {kClassPCI270, -0.01, -256.7, 0.05},
      {kClassPCI270, 0.5, 270 - double(0.04f) / (0.5 - double(0.007f)), 1e-12},
      {kClassPCI250, 0.01, 238.9, 0.05},
      {kClassPCI250, -0.01, -238.9, 0.05},
      {kClassPCI250, 0.0076, 28500 * 0.0076, 1e-9},
      {kClassPCI300, 0.008, 28500 * 0.008, 1e-9},
      {kClassPCI300, 0.02, 300 - double(0.0835f) / (0.02 - double(0.0071f)), 1e-12},
      {kClassSmooth145, 0.004, 116.0, 1e-9},
      {kClassSmooth145, -0.006, -145.0, 0},
      {kClassSmooth160, 160.0 / 29000.0, 160.0, 1e-9},
      {kClassSmooth160, 0.006, 160.0, 0},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(fn_Prestressing_Steel_Stress_ksi(c.cls, c.eps, 0), c.sigma, c.tol) << c.cls << " " << c.eps;
  for (int cls : {kClassPCI250, kClassPCI270, kClassPCI300})
    for (double e : {0.009, 0.02, 0.1, 10.0}) {
      const double cap = cls == kClassPCI250 ? 250 : cls == kClassPCI270 ? 270 : 300;
      EXPECT_LE(std::fabs(fn_Prestressing_Steel_Stress_ksi(cls, -e, 0)), cap);
    }
}

TEST(PrestressingSteel, DeformedBarsYieldByTheSizeOfTheFirstStrand) {
  const double fpy[] = {157, 150, 160, 150, 160, 150, 150, 150};
  for (int code = 0; code < 8; ++code) {
    EXPECT_EQ(fn_Deformed_Bar_Fpy(code), fpy[code]);
    EXPECT_EQ(fn_Prestressing_Steel_Stress_ksi(kClassDeformedBars, 0.01, code), fpy[code]);
    EXPECT_NEAR(fn_Prestressing_Steel_Stress_ksi(kClassDeformedBars, -0.5 * fpy[code] / 29000, code),
                -0.5 * fpy[code], 1e-9);
  }
}

TEST(BarLaw, StrandsCarryTheirPrestrainAndSiStressesAreInKilopascals) {
  SliceArray<double> eps{}, sig{};
  for (int units : {kUnitsUS, kUnitsSI}) {
    bare_section(units, 4.0, kClassPCI270);
    ws.NumBars = 4;
    ws.eps_ps = -0.005;
    Bar_Stresses(eps, sig);
    EXPECT_NEAR(sig[30], -142.5 * (units == kUnitsUS ? 1.0 : kKsiToKPa), 1e-9);
    EXPECT_FALSE(ws.b_Yielded);  // prestressing steel never sets Y
  }
}

TEST(BarLaw, MildSteelYieldsOnlyInASectionWithBars) {
  SliceArray<double> eps{}, sig{};
  eps[100] = -0.01;
  eps[1] = 0.001;
  for (int bars : {0, 1}) {
    bare_section(kUnitsUS, 4.0);
    ws.Es = 29000;
    ws.fy = 60;
    ws.NumBars = bars;
    Bar_Stresses(eps, sig);
    EXPECT_EQ(sig[100], -60.0);
    EXPECT_EQ(sig[1], 29.0);
    EXPECT_EQ(ws.b_Yielded, bars == 1);
  }
}

TEST(SteelLaws, CasingYieldsAnywhereAndTheCoreOnlyInItsSlices) {
  SliceArray<double> eps{}, sig{};
  for (int i = 1; i <= 100; ++i) eps[i] = 0.002 * (50.5 - i) / 49.5;
  bare_section(kUnitsUS, 4.0);
  ws.Layout = kLayoutCircleCasingCore;
  ws.CasingModulus = 29000;
  ws.CasingYield = 36;
  Casing_Stresses(eps, sig);
  EXPECT_EQ(sig[1], 36.0);
  EXPECT_NEAR(sig[50], 29000 * eps[50], 1e-12);
  EXPECT_TRUE(ws.b_Yielded);

  ws.b_Yielded = false;
  ws.NumCores = 1;
  ws.CoreDiameter[1] = 4;
  ws.CoreWall[1] = 0.5;
  ws.CoreModulus = 29000;
  ws.CoreYield = 50;
  ws.CoreTopSlice = 30;
  ws.CoreBottomSlice = 71;
  Core_Steel_Stresses(eps, sig);
  EXPECT_EQ(sig[29], 0.0);
  EXPECT_EQ(sig[72], 0.0);
  EXPECT_NEAR(sig[30], 29000 * eps[30], 1e-12);
  EXPECT_FALSE(ws.b_Yielded);  // eps[30] = 0.00083 stays elastic
  ws.CoreYield = 10;
  Core_Steel_Stresses(eps, sig);
  EXPECT_EQ(sig[30], 10.0);
  EXPECT_TRUE(ws.b_Yielded);
}

}  // namespace
}  // namespace kavro
