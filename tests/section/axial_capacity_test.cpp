// Axial capacities of reinforced-concrete and steel-pipe sections, the
// strand step and the prestress state of prestressed piles. Expected values
// are hand calculations of the capacity formulas with their single-precision
// coefficients (0.85 acts as 0.8500000238418579; US customary: kips, inches,
// ksi).
#include "section/axial_capacity.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "section/materials.h"
#include "section/section_driver.h"
#include "section/working_section.h"

namespace kavro {
namespace {

constexpr double kPi = std::numbers::pi;

// Collects what the section code writes to the report.
class ReportCapture {
 public:
  ReportCapture() : path_(testing::TempDir() + std::to_string(getpid()) + "_axial_capacity_report.txt") { report_unit().open(path_); }
  ~ReportCapture() {
    report_unit().close();
    std::remove(path_.c_str());
  }
  std::vector<std::string> lines() {
    report_unit().close();
    std::ifstream in(path_);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
  }

 private:
  std::string path_;
};

class AxialCapacity : public testing::Test {
 protected:
  void SetUp() override {
    reset_problem_model();
    pm.options.IUNITS = kUnitsUS;
    set_unit_labels();
    Set_Section_Unit_Labels();
    ws = WorkingSection{};
    prestress = PrestressState{};
  }
  // n bars of area a on a circle of radius r (positions do not matter here).
  static void bars(int n, double a) {
    ws.NumBars = n;
    for (int i = 1; i <= n; ++i) {
      ws.BarArea[i] = a;
      ws.BarDiameter[i] = std::sqrt(4 * a / kPi);
    }
  }
  static void concrete(double fc, double fy, double Es) {
    ws.fc = fc;
    ws.fy = fy;
    ws.Es = Es;
  }
};

// ---------------------------------------------------------------- types 0 to 4

struct CapacityCase {
  const char* name;
  int type;
  bool filled_core;
  double Pn, Nt, Tcr;
};

// Shared geometry: rectangle 18 x 24 with 8 bars of 0.79; shaft D = 36 with
// 12 bars of 1.0; cased shafts D = 48, wall 0.5 (fy 36), 16 bars of 1.27,
// core 20 x 0.75 (fy 50); pipe 24 x 0.5 (fy 50). f'c 4 ksi (5 for the
// rectangle), fy 60, Es 29000.
const CapacityCase kCapacityCases[] = {
    {"rectangle", 0, false, 2188.3400507450106, -379.2, -218.33851473007215},
    {"drilled shaft", 1, false, 4139.9785631223285, -720.0, -458.50234025792224},
    {"cased shaft", 2, false, 9734.985328351488, -3905.2617188192735, -1030.7492349218358},
    {"filled core", 3, true, 11848.609591452972, -6173.0989156294045, -1163.636761299626},
    {"void core", 3, false, 10934.680992980528, -6173.0989156294045, -1051.8392179357909},
    {"steel pipe", 4, false, 1845.6856839840036, -1845.6856839840036, 0.0},
};

TEST_F(AxialCapacity, CompressionTensionAndCrackingLoadsByType) {
  for (const CapacityCase& c : kCapacityCases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ReportCapture rep;
    ws.SectionType = c.type;
    switch (c.type) {
      case 0:
        ws.D = 24, ws.W = 18;
        concrete(5, 60, 29000);
        bars(8, 0.79);
        break;
      case 1:
        ws.D = ws.W = 36;
        concrete(4, 60, 29000);
        bars(12, 1.0);
        break;
      case 2:
      case 3:
        ws.D = ws.W = 48;
        ws.CasingWall = 0.5, ws.CasingYield = 36, ws.CasingModulus = 29000;
        concrete(4, 60, 29000);
        bars(16, 1.27);
        if (c.type == 3) {
          ws.NumCores = 1;
          ws.CoreDiameter[1] = 20, ws.CoreWall[1] = 0.75, ws.CoreYield = 50, ws.CoreModulus = 29000;
          ws.b_FillCoreWithConcrete = c.filled_core;
        }
        break;
      case 4:
        ws.D = ws.W = 24;
        ws.CasingWall = 0.5, ws.CasingYield = 50, ws.CasingModulus = 29000;
        break;
    }
    Compute_Axial_Structural_Capacity();
    Compute_Axial_Tension_Capacity();
    EXPECT_NEAR(ws.Pn, c.Pn, 1e-9 * std::fabs(c.Pn));
    EXPECT_NEAR(ws.Nt, c.Nt, 1e-9 * std::fabs(c.Nt));
    EXPECT_NEAR(ws.Tcr, c.Tcr, 1e-9 * std::fabs(c.Tcr) + 1e-12);
  }
}

TEST_F(AxialCapacity, ShaftWithoutBarsCarriesNoTension) {
  ReportCapture rep;
  ws.SectionType = 1;
  ws.D = ws.W = 30;
  concrete(4, 60, 29000);
  Compute_Axial_Structural_Capacity();
  Compute_Axial_Tension_Capacity();
  EXPECT_NEAR(ws.Pn, double(0.85f) * 4 * (kPi / 4 * 900), 1e-9);
  EXPECT_EQ(ws.Nt, 0.0);
  // Tcr = eps_t·Ec·pi/4·D² with Ec = 57·sqrt(4000) ksi.
  EXPECT_NEAR(ws.Tcr, -293.98915712915027, 1e-9);
  EXPECT_NEAR(ws.Ec, 3604.9965325919525, 1e-9);
  EXPECT_NEAR(ws.epst, -0.00011537031302590544, 1e-16);
}

// The cracking load uses the concrete parameters that the material set-up
// later derives for reinforcing bars, to the last bit.
TEST_F(AxialCapacity, CrackingLoadConcreteParametersAreThoseOfTheMaterialLaw) {
  ReportCapture rep;
  ws.SectionType = 1;
  ws.D = ws.W = 36;
  concrete(4.5, 60, 29000);
  bars(12, 1.0);
  Compute_Axial_Structural_Capacity();
  Compute_Axial_Tension_Capacity();
  const double Ec = ws.Ec, fr = ws.fr, eps0 = ws.eps0, epst = ws.epst;
  Set_Material_Parameters();
  EXPECT_EQ(Ec, ws.Ec);
  EXPECT_EQ(fr, ws.fr);
  EXPECT_EQ(eps0, ws.eps0);
  EXPECT_EQ(epst, ws.epst);
}

TEST_F(AxialCapacity, SiShaftUsesKilopascalConcreteParameters) {
  pm.options.IUNITS = kUnitsSI;
  set_unit_labels();
  Set_Section_Unit_Labels();
  ReportCapture rep;
  ws.SectionType = 1;
  ws.D = ws.W = 0.9;
  concrete(27600, 414000, 200e6);
  bars(12, 0.00051);
  Compute_Axial_Structural_Capacity();
  Compute_Axial_Tension_Capacity();
  EXPECT_NEAR(ws.Pn, 17314.712354373132, 1e-8);
  EXPECT_NEAR(ws.Nt, -2533.68, 1e-9);
  EXPECT_NEAR(ws.Tcr, -1948.6117946416307, 1e-8);
  EXPECT_NEAR(ws.Ec, 24865024.46331928, 1e-4);
  const auto out = rep.lines();
  ASSERT_GE(out.size(), 5u);
  EXPECT_EQ(out[4], "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As    =    17314.712 kN     ");
}

TEST_F(AxialCapacity, ReportLinesOfADrilledShaft) {
  ReportCapture rep;
  ws.SectionType = 1;
  ws.D = ws.W = 36;
  concrete(4, 60, 29000);
  bars(12, 1.0);
  Compute_Axial_Structural_Capacity();
  Compute_Axial_Tension_Capacity();
  const std::vector<std::string> expected = {
      "",
      "Axial Structural Capacities:",
      "----------------------------",
      "",
      "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As    =     4139.979 kips   ",  // 0.85 as single precision shows here
      "Tensile Load for Cracking of Concrete                  =     -458.502 kips   ",
      "Nominal Axial Tensile Capacity                         =     -720.000 kips   ",
      "",
      "",
  };
  EXPECT_EQ(rep.lines(), expected);
}

TEST_F(AxialCapacity, SteelPipePrintsOnlyTheTensileCapacityAfterItsCapacity) {
  ReportCapture rep;
  ws.SectionType = 4;
  ws.D = ws.W = 24;
  ws.CasingWall = 0.5, ws.CasingYield = 50, ws.CasingModulus = 29000;
  Compute_Axial_Structural_Capacity();
  Compute_Axial_Tension_Capacity();
  const std::vector<std::string> expected = {
      "",
      "Axial Structural Capacities:",
      "----------------------------",
      "",
      "Nom. Axial Structural Capacity = Fy As                 =     1845.686 kips   ",
      "Nominal Axial Tensile Capacity                         =    -1845.686 kips   ",
      "",
      "",
  };
  EXPECT_EQ(rep.lines(), expected);
}

// ---------------------------------------------------------------- strand step

class StrandStep : public AxialCapacity {
 protected:
  // Section 1: type 5, four PCI 270 strands of 0.5 in (0.153 sq. in.) at
  // radius 6, cover 3.
  void section(int strand_type) {
    pm.pile.NumSections = 1;
    PileSection& s = pm.pile.Section[1];
    s.SectionType = 5;
    s.SectionDiameter = 18;
    s.StrandType = strand_type;
    s.NumStrands = 4;
    s.StrandUltimateStrength = 270000;
    s.RebarModulus = 28000;
    s.InitialPrestressForce = 100000;
    s.PrestressLossFraction = 0.15;
    s.StrandCover = 3;
    s.StrandArea = 0.153;
    s.StrandDiameter = 0.5;
    const double xy[4][2] = {{6, 0}, {0, 6}, {-6, 0}, {0, -6}};
    for (int i = 1; i <= 4; ++i) {
      s.BarDiameter[i] = 0.5;
      s.BarArea[i] = 0.153;
      s.BarX[i] = xy[i - 1][0];
      s.BarY[i] = xy[i - 1][1];
      s.StrandSizeCodes[i] = 3;
    }
    ws.SectionNumber = 1;
    ws.SectionType = 5;
  }
};

TEST_F(StrandStep, ClassFollowsTheStrandType) {
  const int expected[6] = {kClassPCI250, kClassPCI270, kClassPCI300, kClassSmooth145, kClassSmooth160,
                           kClassDeformedBars};
  for (int t = 0; t <= 5; ++t) EXPECT_EQ(fn_Strand_Reinforcement_Class(t), expected[t]) << t;
  EXPECT_EQ(fn_Strand_Reinforcement_Class(6), 0);
  EXPECT_EQ(fn_Strand_Reinforcement_Class(-1), 0);
}

TEST_F(StrandStep, LoadsStrandsAsBarsAndPrintsTheirDetails) {
  section(1);
  ReportCapture rep;
  Load_Prestressing_Strands(1);
  EXPECT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(ws.ReinforcementClass, kClassPCI270);
  EXPECT_DOUBLE_EQ(ws.fpu, 270.0);
  EXPECT_DOUBLE_EQ(ws.Es, 28000.0);
  EXPECT_DOUBLE_EQ(prestress.Pi, 100000.0);
  EXPECT_DOUBLE_EQ(prestress.Loss, 0.15);
  ASSERT_EQ(ws.NumBars, 4);
  EXPECT_DOUBLE_EQ(ws.BarY[2], 6.0);
  EXPECT_DOUBLE_EQ(ws.BarArea[3], 0.153);
  EXPECT_EQ(ws.FirstStrandSizeCode, 3);
  const std::vector<std::string> expected = {
      "",
      "Prestressing Strand Details:",
      "----------------------------",
      "",
      "Strand Type                                            =    PCI 270",
      "Yield Stress, fpu                                      =       270.  ksi",
      "Stress-strain curve for reinforcement defined ssing PCI 270 Lo-lax equation",
      "If eps > 0.008 fpu = 268 - 0.075/(eps-0.0065) < 0.98 fpu (ksi)",
      "Number of Reinforcing Strands                          =          4",
      "Cross-sectional Area of Single Strand                  =      0.153 sq. in.",
      "Concrete Cover Thickness Over Strands                  =      3.000 in",
      "",
      "Prestressing Strand Geometry:",
      "-----------------------------",
      "",
      "Strand     Diameter       Area            X             Y",
      "  No.      in               Sq. in        in            in",
      "------    ---------    ----------    ----------    ----------",
      "   1         0.500         0.153         6.000         0.000",
      "   2         0.500         0.153         0.000         6.000",
      "   3         0.500         0.153        -6.000         0.000",
      "   4         0.500         0.153         0.000        -6.000",
  };
  EXPECT_EQ(rep.lines(), expected);
}

TEST_F(StrandStep, GradeLinesOnlyForThePciGrades) {
  const char* first_grade_line[6] = {
      "Stress-strain curve for reinforcement defined using PCI 250 Lo-lax equation",
      "Stress-strain curve for reinforcement defined ssing PCI 270 Lo-lax equation",
      "Stress-strain curve for reinforcement defined using grade 300 equation", nullptr, nullptr, nullptr};
  const char* names[6] = {"=    PCI 250", "=    PCI 270", "=    PCI 300", "= Smooth 145 ksi bars",
                          "= Smooth 160 ksi bars", "= Deformed bars (150-160 ksi)"};
  for (int t = 0; t <= 5; ++t) {
    SCOPED_TRACE(t);
    SetUp();
    section(t);
    ReportCapture rep;
    Load_Prestressing_Strands(1);
    const auto out = rep.lines();
    ASSERT_GE(out.size(), 8u);
    EXPECT_EQ(out[4].substr(55), names[t]);
    if (first_grade_line[t])
      EXPECT_EQ(out[6], first_grade_line[t]);
    else
      EXPECT_EQ(out[6].substr(0, 29), "Number of Reinforcing Strands");
  }
}

TEST_F(StrandStep, ManuallyPlacedStrandsKeepTheirOwnAreas) {
  section(1);
  pm.pile.Section[1].BarArea[2] = 0.217;
  pm.pile.Section[1].BarDiameter[2] = 0.6;
  ReportCapture rep;
  Load_Prestressing_Strands(1);
  EXPECT_DOUBLE_EQ(ws.BarArea[1], 0.153);
  EXPECT_DOUBLE_EQ(ws.BarArea[2], 0.217);
  EXPECT_DOUBLE_EQ(ws.BarDiameter[2], 0.6);
}

TEST_F(StrandStep, SiStrengthIsConvertedToKilopascals) {
  pm.options.IUNITS = kUnitsSI;
  Set_Section_Unit_Labels();
  section(1);
  pm.pile.Section[1].RebarModulus = 193053200;
  ReportCapture rep;
  Load_Prestressing_Strands(1);
  EXPECT_DOUBLE_EQ(ws.fpu, 270000 * 6894.75732421875 / 1000);
  EXPECT_DOUBLE_EQ(ws.Es, 193053200.0);
}

TEST_F(StrandStep, UnknownStrandTypeStopsWithoutASteelLaw) {
  section(7);
  ReportCapture rep;
  Load_Prestressing_Strands(1);
  EXPECT_EQ(pm.FatalErrorValue, 999);
  const auto out = rep.lines();
  // Neither the type nor the yield-stress line is printed.
  for (const std::string& l : out) {
    EXPECT_NE(l.rfind("Strand Type", 0), 0u) << l;
    EXPECT_NE(l.rfind("Yield Stress, fpu", 0), 0u) << l;
  }
  bool block = false;
  for (const std::string& l : out) block |= l == "**** Internal Error No. 999 ****";
  EXPECT_TRUE(block);
  EXPECT_EQ(out.back(), "Kavro ended prematurely due to runtime error number RUN00999");
}

// ---------------------------------------------------------------- prestress

class Prestress : public AxialCapacity {
 protected:
  // A hollow circular pile of 24 in: net concrete 300 sq. in. and strands of
  // 1.836 sq. in. spread evenly over the slices; f'c 6 ksi with the
  // parameters of prestressed concrete (fr = -0.004·sqrt(1000 f'c)).
  void section(int type, double Pi, double loss) {
    ws.SectionType = type;
    ws.SectionNumber = 1;
    ws.D = ws.W = 24;
    ws.ReinforcementClass = kClassPCI270;
    ws.fc = 6;
    ws.Es = 28000;
    ws.fpu = 270;
    ws.Ec = 57 * std::sqrt(6000.0);
    const double fr = -0.004 * std::sqrt(6000.0);
    ws.eps0 = 1.7 * 6 / ws.Ec;
    ws.epst = -ws.eps0 * (1 - std::sqrt(1 + fr / 6));
    for (int i = 1; i <= kNumSlices; ++i) {
      ws.ConcreteArea[i] = 3.0;
      ws.BarSliceArea[i] = 0.01836;
    }
    prestress.Pi = Pi;
    prestress.Loss = loss;
  }
};

TEST_F(Prestress, StrainsAndPciCapacities) {
  section(6, 350000, 0.2);
  ReportCapture rep;
  Calculate_Strains_Due_To_Prestressing();
  EXPECT_EQ(pm.FatalErrorValue, 0);
  EXPECT_NEAR(prestress.Pe, 280000, 1e-9);
  EXPECT_NEAR(prestress.Ac, 300, 1e-9);
  EXPECT_NEAR(prestress.As, 1.836, 1e-12);
  EXPECT_NEAR(ws.eps_ps, -0.0054466230936819175, 1e-15);
  EXPECT_NEAR(ws.eps_pc, 0.00021139090388656466, 1e-16);
  EXPECT_NEAR(prestress.fpc, 0.9333333333333332, 1e-12);
  EXPECT_NEAR(ws.Pn, 1370.3354764614107, 1e-8);
  EXPECT_NEAR(ws.Nt, -495.72, 1e-9);
  EXPECT_NEAR(prestress.N, 521.5726287254333, 1e-8);
  EXPECT_NEAR(prestress.Mn, 4045.075242547989, 1e-8);
  EXPECT_EQ(prestress.MnText, "Mn = 0.34 D As fpu");
}

TEST_F(Prestress, NoPrestressGivesGrossCapacities) {
  section(6, 0, 0.2);
  ReportCapture rep;
  Calculate_Strains_Due_To_Prestressing();
  EXPECT_EQ(ws.eps_ps, 0.0);
  EXPECT_EQ(ws.eps_pc, 0.0);
  EXPECT_NEAR(ws.Pn, double(0.85f) * 6 * 301.836, 1e-9);
  EXPECT_NEAR(ws.Nt, -1.836 * 270, 1e-9);
  // Without precompression the cracking load is that of a reinforced
  // section: eps_t·(Es·As + Ec·Ac).
  EXPECT_NEAR(ws.Tcr, ws.epst * (28000 * 1.836 + ws.Ec * 300), 1e-9);
}

// Axial tension on a prestressed pile first removes the precompression of
// the concrete; the concrete cracks when the strain the thrust adds uniformly
// to the uncracked section brings it to its tensile strain at fracture.
TEST_F(Prestress, CrackingLoadUnderAxialTensionAccountsForThePrecompression) {
  section(6, 350000, 0.2);
  ReportCapture rep;
  Calculate_Strains_Due_To_Prestressing();
  EXPECT_NEAR(ws.Tcr, -374.0303481827498, 1e-9);
  const double stiffness = ws.Ec * 300 + ws.Es * 1.836;
  EXPECT_NEAR(ws.eps_pc + ws.Tcr / stiffness, ws.epst, 1e-15);
  // A prestressed section takes more tension than the plain one before it
  // cracks, and less than its strands' capacity.
  const double plain = ws.epst * stiffness;
  EXPECT_LT(ws.Tcr, plain);
  EXPECT_LT(ws.Nt, ws.Tcr);
  EXPECT_LT(ws.Tcr, 0.0);
}

TEST_F(Prestress, MomentEquationByPileShape) {
  struct Row {
    int type;
    double Q;
    const char* text;
  };
  const Row rows[] = {{5, 0.32, "Mn = 0.32 D As fpu "}, {6, 0.34, "Mn = 0.34 D As fpu"},
                      {7, 0.37, "Mn = 0.37 D As fpu"},  {8, 0.38, "Mn = 0.38 D As fpu"},
                      {9, 0.32, "Mn = 0.32 D As fpu"},  {10, 0.34, "Mn = 0.34 D As fpu"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.type);
    SetUp();
    section(r.type, 350000, 0.2);
    ReportCapture rep;
    Calculate_Strains_Due_To_Prestressing();
    EXPECT_EQ(prestress.MnText, r.text);
    EXPECT_NEAR(prestress.Mn, double(float(r.Q)) * 24 * 1.836 * 270, 1e-9);
    const auto out = rep.lines();
    // The equation is printed without trailing blanks.
    std::string eq = r.text;
    while (eq.back() == ' ') eq.pop_back();
    bool found = false;
    for (const std::string& l : out) found |= l.rfind("Nom. Moment Capacity, " + eq + " ", 0) == 0;
    EXPECT_TRUE(found);
  }
}

TEST_F(Prestress, BlockIsPrintedOncePerSection) {
  section(6, 350000, 0.2);
  ReportCapture rep;
  Calculate_Strains_Due_To_Prestressing();
  const std::vector<std::string> expected = {
      "",
      "Computation of Loss of Prestress:",
      "---------------------------------",
      "",
      "Initial Prestressing Force                             =      350.000 kips",
      "Fraction of Loss of Prestress                          =        0.200",
      "Effective Prestressing Force                           =      280.000 kips",
      "Area of Concrete, Ac                                   =      300.000 Sq. in  ",
      "Area of Steel, As                                      =        1.836 Sq. in  ",
      "Stress in Concrete After Losses, f_pc                  =        0.933 ksi",
      "Stress in Steel After Losses                           =     -152.505 ksi",
      "Compressive Strain in Concrete                         =    0.0002114",
      "Tensile Strain in Steel                                =   -0.0054466",
      "",
      "Estimated Structural Capacities Computed Using PCI Equations:",
      "-------------------------------------------------------------",
      "",
      "Nom. Axial Cap., Pn = (0.85 f'c - 0.60 f_pc) Ag        =     1370.335 kips",
      "Unfac. Axial Load Cap. N  = (0.33 f'c - 0.27 f_pc) Ag  =      521.573 kips",
      "Axial Capacity in Tension, Nt = As fpu                 =     -495.720 kips  ",
      "Nom. Moment Capacity, Mn = 0.34 D As fpu               =     4045.075 in-kip",
      "",
      "Note:  The estimate of nominal moment capacity is based on equations that    ",
      "assume compressive strength of concrete is 6,000 psi (41.4 MPa), the value   ",
      "of prestress after losses is 700 psi (4.83 MPa), and axial thrust force is   ",
      "zero. When input values for these factors are different, the estimated value ",
      "of nominal moment capacity will differ from the capacity computed by Kavro   ",
      "and should be considered only as an approximate check.",
      "",
  };
  // A rebuild of the working section (new thrust) recomputes the state but
  // prints nothing more.
  ws.eps_ps = ws.eps_pc = 0;
  Calculate_Strains_Due_To_Prestressing();
  EXPECT_NEAR(ws.eps_pc, 0.00021139090388656466, 1e-16);
  EXPECT_EQ(rep.lines(), expected);
}

TEST_F(Prestress, NoConcreteStopsWithRuntimeError14) {
  section(6, 350000, 0.2);
  for (int i = 1; i <= kNumSlices; ++i) ws.ConcreteArea[i] = 0;
  ws.ConcreteArea[7] = -1.25;
  ReportCapture rep;
  Calculate_Strains_Due_To_Prestressing();
  EXPECT_EQ(pm.FatalErrorValue, 214);
  const std::vector<std::string> expected = {
      "**** Runtime Error No. 14 ****",
      "",
      "An error occurred in prestressing computations",
      "The computed area of concrete in the section is less than 0.0 =        -1.25000",
      "",
      "",
      "Kavro ended prematurely due to runtime error number RUN00014",
  };
  EXPECT_EQ(rep.lines(), expected);
}

TEST_F(Prestress, NoStrandsStopsWithRuntimeError15BeforeTheBlock) {
  section(6, 350000, 0.2);
  for (int i = 1; i <= kNumSlices; ++i) ws.BarSliceArea[i] = 0;
  ReportCapture rep;
  Calculate_Strains_Due_To_Prestressing();
  EXPECT_EQ(pm.FatalErrorValue, 215);
  EXPECT_FALSE(prestress.b_PrestressPrinted);
  const std::vector<std::string> expected = {
      "**** Runtime Error No. 15 ****",
      "",
      "An error occurred in prestressing computations",
      "The computed area of steel in the section is less than 0.0 =         0.00000",
      "",
      "",
      "Kavro ended prematurely due to runtime error number RUN00015",
  };
  EXPECT_EQ(rep.lines(), expected);
}

TEST_F(Prestress, ConcreteIsTestedBeforeSteel) {
  section(6, 350000, 0.2);
  for (int i = 1; i <= kNumSlices; ++i) ws.ConcreteArea[i] = ws.BarSliceArea[i] = 0;
  ReportCapture rep;
  Calculate_Strains_Due_To_Prestressing();
  EXPECT_EQ(pm.FatalErrorValue, 214);
}

TEST_F(Prestress, SiForcesAreNotScaled) {
  pm.options.IUNITS = kUnitsSI;
  set_unit_labels();
  Set_Section_Unit_Labels();
  section(6, 1000, 0.1);
  ws.Es = 193053200;
  ws.Ec = 30e6;
  for (int i = 1; i <= kNumSlices; ++i) {
    ws.ConcreteArea[i] = 0.002;
    ws.BarSliceArea[i] = 0.00001;
  }
  ReportCapture rep;
  Calculate_Strains_Due_To_Prestressing();
  EXPECT_NEAR(ws.eps_ps, -900 / (193053200 * 0.001), 1e-15);
  EXPECT_NEAR(ws.eps_pc, 900 / (30e6 * 0.2), 1e-15);
  const auto out = rep.lines();
  ASSERT_GE(out.size(), 8u);
  EXPECT_EQ(out[4], "Initial Prestressing Force                             =     1000.000 kN  ");
  EXPECT_EQ(out[7], "Area of Concrete, Ac                                   =     0.200000 Sq. m   ");
}

}  // namespace
}  // namespace kavro
