// The section driver: unit labels, dimension blocks, bar tables, bar
// spacings and the dispatch by section type. Sections are described in
// computation units after the US customary conversion (inches, psi).
#include "section/section_driver.h"

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
#include "section/axial_capacity.h"
#include "section/bar_generator.h"
#include "section/moment_curvature.h"
#include "section/working_section.h"
#include "tests/support/run_kgo.h"

namespace kavro {
namespace {

// Collects what the section code writes to the report (the plot file goes
// to a scratch file).
class ReportCapture {
 public:
  ReportCapture() : path_(testing::TempDir() + std::to_string(getpid()) + "_section_driver_report.txt") {
    report_unit().open(path_);
    plot_unit().open(path_ + ".plot");
  }
  ~ReportCapture() {
    report_unit().close();
    plot_unit().close();
    std::remove(path_.c_str());
    std::remove((path_ + ".plot").c_str());
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

class SectionDriver : public testing::Test {
 protected:
  void SetUp() override { units(kUnitsUS); }
  static void units(int u) {
    reset_problem_model();
    pm.options.IUNITS = u;
    set_unit_labels();
    Set_Section_Unit_Labels();
    ws = WorkingSection{};
  }
  static PileSection& section(int type, double length_in) {
    pm.pile.NumSections = 1;
    PileSection& s = pm.pile.Section[1];
    s.SectionType = type;
    s.SectionLength = length_in;
    return s;
  }
  // A 36-in shaft with 12 bars of 1.0 sq. in. (diameter 1.128) in a circle,
  // cover 3, aggregate 0.75; f'c 4000 psi, bars 60000 psi / 29e6 psi.
  static PileSection& drilled_shaft() {
    PileSection& s = section(1, 360);
    s.SectionDiameter = 36;
    s.ConcreteStrength = 4000;
    s.MaxAggregateSize = 0.75;
    s.RebarYieldStress = 60000;
    s.RebarModulus = 29e6;
    s.b_CircularRebar = true;
    s.NumBundles = 12;
    s.BarsPerBundle = 1;
    s.NumBars = 12;
    s.CageBarDiameter = 1.128;
    s.CageBarArea = 1.0;
    s.ConcreteCover = 3;
    s.CageOffset = 0;
    for (int i = 1; i <= 12; ++i) {
      s.BarDiameter[i] = 1.128;
      s.BarArea[i] = 1.0;
    }
    Place_Circular_Rebar(s);
    return s;
  }
  static void bar(int i, double x, double y, double d, double a = 0.79) {
    ws.BarX[i] = x;
    ws.BarY[i] = y;
    ws.BarDiameter[i] = d;
    ws.BarArea[i] = a;
  }
};

// ---------------------------------------------------------------- labels

TEST_F(SectionDriver, UnitLabelsByUnitSystem) {
  struct Row {
    int units;
    const char *length, *stress, *force, *curvature, *moment, *stiffness, *area, *inertia, *input_stress;
  };
  const Row rows[] = {
      {kUnitsUS, " in     ", " ksi    ", " kips   ", " rad/in ", " in-kip ", "kip-in^2", " sq. in.", " in^4   ", "psi "},
      {kUnitsSI, " m      ", " kPa    ", " kN     ", " rad/m  ", " kN-m   ", "kN-m^2  ", " sq. m  ", " m^4    ", "kPa "},
      {kUnitsGeneric, " L      ", " F/L^2  ", " F      ", " rad/L  ", " F-L    ", "F-L^2   ", " L^2    ", " L^4    ",
       "F/L2"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.units);
    units(r.units);
    const SectionUnitLabels& L = section_labels;
    EXPECT_EQ(L.Length, r.length);
    EXPECT_EQ(L.Stress, r.stress);
    EXPECT_EQ(L.Force, r.force);
    EXPECT_EQ(L.Curvature, r.curvature);
    EXPECT_EQ(L.Moment, r.moment);
    EXPECT_EQ(L.BendingStiffness, r.stiffness);
    EXPECT_EQ(L.Area, r.area);
    EXPECT_EQ(L.Inertia, r.inertia);
    EXPECT_EQ(L.InputStress, r.input_stress);
  }
}

// ---------------------------------------------------------------- dimension blocks

TEST_F(SectionDriver, DrilledShaftBlockWithBarsInACircle) {
  drilled_shaft();
  Setup_Working_Section(1);
  ReportCapture rep;
  Write_Dimension_Block(1);
  const std::vector<std::string> expected = {
      "",
      "Dimensions and Properties of Drilled Shaft (Bored Pile):",
      "--------------------------------------------------------",
      "",
      "Length of Section                                      =     30.00000 ft",
      "Shaft Diameter                                         =     36.00000 in     ",
      "Concrete Cover Thickness                               =      3.00000 in     ",
      "Number of Reinforcing Bars                             =           12 bars",
      "Yield Stress of Reinforcing Bars                       =       60000.psi ",
      "Modulus of Elasticity of Reinforcing Bars              =    29000000.psi ",
      "Gross Area of Shaft                                    =   1017.87602 sq. in.",
      "Total Area of Reinforcing Steel                        =     12.00000 sq. in.",
      "Area Ratio of Steel Reinforcement                      =         1.18 percent",
      "Edge-to-Edge Bar Spacing                               =      6.34462 in     ",
      "Maximum Concrete Aggregate Size                        =      0.75000 in     ",
      "Ratio of Bar Spacing to Aggregate Size                 =         8.46",
      "Offset of Center of Rebar Cage from Center of Pile     =       0.0000 in     ",
  };
  EXPECT_EQ(rep.lines(), expected);
}

TEST_F(SectionDriver, IndividuallyPlacedBarsPrintNoSpacingButTheOffset) {
  PileSection& s = drilled_shaft();
  s.b_CircularRebar = false;
  Setup_Working_Section(1);
  ReportCapture rep;
  Write_Dimension_Block(1);
  const auto out = rep.lines();
  ASSERT_EQ(out.size(), 14u);
  EXPECT_EQ(out[12], "Area Ratio of Steel Reinforcement                      =         1.18 percent");
  EXPECT_EQ(out[13], "Offset of Center of Rebar Cage from Center of Pile     =       0.0000 in     ");
}

TEST_F(SectionDriver, ZeroAggregateSizeHasNoRatioLine) {
  PileSection& s = drilled_shaft();
  s.MaxAggregateSize = 0;
  Setup_Working_Section(1);
  ReportCapture rep;
  Write_Dimension_Block(1);
  const auto out = rep.lines();
  ASSERT_EQ(out.size(), 16u);
  EXPECT_EQ(out[14], "Maximum Concrete Aggregate Size                        =       0.0000 in     ");
  EXPECT_EQ(out[15].substr(0, 18), "Offset of Center o");
}

TEST_F(SectionDriver, SteelPipeBlockInWorkingUnits) {
  PileSection& s = section(4, 480);
  s.SectionDiameter = 24;
  s.CasingWallThickness = 0.5;
  s.CasingYieldStress = 50000;
  s.CasingModulus = 29e6;
  Setup_Working_Section(1);
  ReportCapture rep;
  Write_Dimension_Block(1);
  const std::vector<std::string> expected = {
      "",
      "Dimensions and Properties of Steel Pipe Pile:",
      "---------------------------------------------",
      "",
      "Length of Section                                      =     40.00000 ft",
      "Outer Diameter of Pipe                                 =     24.00000 in     ",
      "Pipe Wall Thickness                                    =      0.50000 in     ",
      "Yield Stress of Pipe                                   =     50.00000 ksi    ",
      "Elastic Modulus                                        =       29000. ksi    ",
      "Cross-sectional Area                                   =     36.91371 sq. in.",
      "Moment of Inertia                                      =   2549.35335 in^4   ",
      "Elastic Bending Stiffness                              =    73931247.kip-in^2",
      "Plastic Modulus, Z                                     =    276.16667 in^3",
      "Plastic Moment Capacity = Fy Z                         =       13808. in-kip ",
  };
  EXPECT_EQ(rep.lines(), expected);
}

TEST_F(SectionDriver, SquarePrestressedBlocksAndTheirBlankLines) {
  for (int type : {7, 8}) {
    SCOPED_TRACE(type);
    SetUp();
    PileSection& s = section(type, 600);
    s.SectionDiameter = 18;
    s.ChamferSize = 1;
    s.VoidDiameter = 9.5;
    ReportCapture rep;
    Write_Dimension_Block(1);
    std::vector<std::string> expected;
    if (type == 7) {
      // The solid square block has no blank line before its title.
      expected = {
          "Dimensions of Square Prestressed Pile Section:",
          "----------------------------------------------",
          "",
          "Length of Section                                      =     50.00000 ft",
          "Pile Width                                             =     18.000 in ",
          "Corner Chamfer                                         =      1.000 in ",
          "",
      };
    } else {
      expected = {
          "",
          "Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:",
          "------------------------------------------------------------------------------",
          "",
          "Length of Section                                      =     50.00000 ft",
          "Pile Width                                             =     18.000 in ",
          "Corner Chamfer                                         =      1.000 in ",
          "",
          "Inside Void Diameter                                   =      9.500 in ",
      };
    }
    EXPECT_EQ(rep.lines(), expected);
  }
}

TEST_F(SectionDriver, PrestressedTitlesAndLastLines) {
  struct Row {
    int type;
    const char* title;
    const char* last;  // last non-blank line label
    bool trailing_blank;
  };
  const Row rows[] = {
      {5, "Dimensions and Properties of Circular Prestressed Pile:", "Diameter", true},
      {6, "Dimensions and Properties of Hollow Core Circular Prestressed Pile:", "Inside Diameter", true},
      {9, "Dimensions and Properties of Octagonal Prestressed Pile:", "Pile Width", false},
      {10, "Dimensions and Properties of Octagonal Prestressed Pile Section with Hollow Core:", "Inside Void Diameter",
       false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.type);
    SetUp();
    PileSection& s = section(r.type, 600);
    s.SectionDiameter = 24;
    s.VoidDiameter = 11;
    ReportCapture rep;
    Write_Dimension_Block(1);
    const auto out = rep.lines();
    ASSERT_GE(out.size(), 6u);
    EXPECT_EQ(out[0], "");
    EXPECT_EQ(out[1], r.title);
    EXPECT_EQ(out[2], std::string(out[1].size(), '-'));
    const std::string& last = r.trailing_blank ? out[out.size() - 2] : out.back();
    EXPECT_EQ(last.substr(0, std::string(r.last).size()), r.last);
    EXPECT_EQ(out.back().empty(), r.trailing_blank);
  }
}

TEST_F(SectionDriver, PrestressedDimensionsInSiAndGenericUnits) {
  struct Row {
    int units;
    const char* length;
    const char* width;
  };
  const Row rows[] = {
      {kUnitsSI, "Length of Section                                      =     12.00000 m",
       "Pile Width                                             =      0.610 m  "},
      {kUnitsGeneric, "Length of Section                                      =     12.00000 L",
       "Pile Width                                             =      0.610 L  "},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.units);
    units(r.units);
    PileSection& s = section(9, 12);
    s.SectionDiameter = 0.61;
    ReportCapture rep;
    Write_Dimension_Block(1);
    const auto out = rep.lines();
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(out[4], r.length);
    EXPECT_EQ(out[5], r.width);
  }
}

TEST_F(SectionDriver, HollowCoreCasingBlock) {
  PileSection& s = section(3, 360);
  s.SectionDiameter = 48;
  s.CasingWallThickness = 0.5;
  s.CasingYieldStress = 36000;
  s.CasingModulus = 29e6;
  s.CoreOuterDiameter = 20;
  s.CoreWallThickness = 0.75;
  s.CoreYieldStress = 50000;
  s.CoreModulus = 29e6;
  s.b_FillCoreWithConcrete = false;
  s.ConcreteStrength = 4000;
  s.RebarYieldStress = 60000;
  s.RebarModulus = 29e6;
  s.NumBars = 0;
  Setup_Working_Section(1);
  ReportCapture rep;
  Write_Dimension_Block(1);
  const auto out = rep.lines();
  ASSERT_GE(out.size(), 4u);
  EXPECT_EQ(out[1], "Dimensions and Properties of Drilled Shaft (Bored Pile) with Casing and Hollow Core:");
  EXPECT_EQ(out[2], std::string(71, '-'));
  EXPECT_EQ(out.back(), "Note that the core is assumed to be void of concrete");
  // Concrete: the shaft minus the casing ring and the whole core.
  const double pi4 = std::numbers::pi / 4;
  const double Ac = pi4 * 48 * 48 - pi4 * (48 * 48 - 47 * 47) - pi4 * 20 * 20;
  char value[32];
  std::snprintf(value, sizeof value, "=  %11.5f", Ac);
  bool found = false;
  for (const std::string& l : out) found |= l.rfind("Area of Concrete", 0) == 0 && l.substr(55, 14) == value;
  EXPECT_TRUE(found) << value;
}

TEST_F(SectionDriver, RectangularBlockWithASingleBar) {
  PileSection& s = section(0, 240);
  s.SectionDepth = s.SectionDiameter = 24;
  s.SectionWidth = 18;
  s.ConcreteStrength = 5000;
  s.RebarYieldStress = 60000;
  s.RebarModulus = 29e6;
  s.NumBars = 1;
  s.BarArea[1] = 0.79;
  s.BarDiameter[1] = 1.0;
  Setup_Working_Section(1);
  ReportCapture rep;
  Write_Dimension_Block(1);
  const auto out = rep.lines();
  ASSERT_EQ(out.size(), 15u);
  EXPECT_EQ(out[1], "Dimensions and Properties of Rectangular Concrete Pile:");
  EXPECT_EQ(out[5], "Depth of Section                                       =     24.00000 in     ");
  EXPECT_EQ(out[6], "Width of Section                                       =     18.00000 in     ");
  EXPECT_EQ(out[7], "Number of Reinforcing Bars                             =            1 bar");
  EXPECT_EQ(out[11], "Modulus of Rupture of Concrete                         =   -530.33009psi ");
  EXPECT_EQ(out[12], "Gross Area of Pile                                     =    432.00000 sq. in.");
}

TEST_F(SectionDriver, ModulusOfRuptureInSiIsSevenAndAHalfRootPsi) {
  units(kUnitsSI);
  PileSection& s = section(0, 6.0);
  s.SectionDepth = s.SectionDiameter = 0.6;
  s.SectionWidth = 0.45;
  s.ConcreteStrength = 27579.0;  // 4000 psi
  s.RebarYieldStress = 413685.0;
  s.RebarModulus = 2.0e8;
  s.NumBars = 1;
  s.BarArea[1] = 0.0005;
  s.BarDiameter[1] = 0.025;
  Setup_Working_Section(1);
  ReportCapture rep;
  Write_Dimension_Block(1);
  const auto out = rep.lines();
  // 7.5 sqrt(4000 psi) = 474.34 psi = 3270.5 kPa.
  bool found = false;
  for (const auto& l : out) {
    if (l.rfind("Modulus of Rupture of Concrete", 0) != 0) continue;
    found = true;
    const double v = std::stod(l.substr(l.find('=') + 1));
    EXPECT_NEAR(v, -7.5 * std::sqrt(4000.0) * 6.894757, 0.5) << l;
  }
  EXPECT_TRUE(found);
}

// ---------------------------------------------------------------- bar tables

TEST_F(SectionDriver, CircularShaftBarTableWithUserPlacedBars) {
  PileSection& s = section(1, 360);
  s.b_CircularRebar = false;
  s.MaxAggregateSize = 0.75;
  ws.NumBars = 3;
  bar(1, 0, 10, 1.0);
  bar(2, 10, 0, 1.0);
  bar(3, -10, -1e-6, 1.0);
  ReportCapture rep;
  Write_Circular_Bar_Table(1);
  const std::vector<std::string> expected = {
      "Reinforcing Bar Dimensions and Positions Used in Computations:",
      "",
      "     Bar          Bar Diam.      Bar Area          X              Y     ",
      "    Number         inches         sq. in.        inches         inches  ",
      "  ----------     ----------     ----------     ----------     ----------",
      "      1             1.00000        0.79000        0.00000       10.00000",
      "      2             1.00000        0.79000       10.00000        0.00000",
      "      3             1.00000        0.79000      -10.00000        0.00000",
      "",
      "",
      "NOTE: The positions of the above rebars were input by the user",
      "",
      "Minimum spacing between any two bars not equal to zero =     13.14214 inches between Bars 1 and 2",
      "",
      "Spacing to aggregate size ratio =     17.52285",
      "",
  };
  EXPECT_EQ(rep.lines(), expected);
}

TEST_F(SectionDriver, BarTableHeaderAndUnitsByUnitSystem) {
  for (int u : {kUnitsUS, kUnitsSI, kUnitsGeneric}) {
    SCOPED_TRACE(u);
    units(u);
    PileSection& s = section(1, 10);
    s.b_CircularRebar = true;
    s.NumBars = 2;
    s.CageBarArea = 0.0005;
    s.MaxAggregateSize = 0;
    ws.NumBars = 2;
    bar(1, 0.3, 0, 0.025, 0.0004);
    bar(2, -0.3, 0, 0.025, 0.0004);
    ReportCapture rep;
    Write_Circular_Bar_Table(1);
    const auto out = rep.lines();
    const std::size_t header = u == kUnitsGeneric ? 0 : 5;
    ASSERT_EQ(out.size(), header + 8);
    if (u == kUnitsSI) {
      EXPECT_EQ(out[3], "    Number         meters         sq. m.         meters         meters  ");
    } else if (u == kUnitsUS) {
      EXPECT_EQ(out[3], "    Number         inches         sq. in.        inches         inches  ");
    }
    // Bars in a circle print the single-bar area.
    EXPECT_EQ(out[header].substr(30, 12), "   0.0005000");
    EXPECT_EQ(out[header + 4], "NOTE: The positions of the above rebars were computed by Kavro");
    // Without an aggregate size the table ends after the minimum spacing.
    EXPECT_EQ(out[header + 6].substr(69), u == kUnitsUS ? " inches between Bars 1 and 2" : " meters between Bars 1 and 2");
  }
}

TEST_F(SectionDriver, NoBarsNoTableAndOneBarNoSpacing) {
  section(1, 360);
  ws.NumBars = 0;
  {
    ReportCapture rep;
    Write_Circular_Bar_Table(1);
    EXPECT_TRUE(rep.lines().empty());
  }
  ws.NumBars = 1;
  bar(1, 0, 0, 1.0);
  ReportCapture rep;
  Write_Circular_Bar_Table(1);
  const auto out = rep.lines();
  ASSERT_EQ(out.size(), 10u);
  EXPECT_EQ(out.back(), "");
  EXPECT_EQ(out[8], "NOTE: The positions of the above rebars were input by the user");
}

TEST_F(SectionDriver, RectangularBarTable) {
  PileSection& s = section(0, 240);
  s.BarSizeIndex[1] = 8;
  s.BarSizeIndex[2] = 10;
  ws.NumBars = 2;
  bar(1, -6.5, 9.25, 1.0, 0.79);
  bar(2, 6.5, -9.25, 1.27, 1.27);
  ReportCapture rep;
  Write_Rectangular_Bar_Table(1);
  const std::vector<std::string> expected = {
      "Reinforcing Bar Details:",
      "",
      "   Bar              Bar           Bar Diam.        Bar Area          Bar X            Bar Y",
      "  Number           Index              in             sq. in.             in              in     ",
      "----------     ------------     ------------     ------------     ------------     ------------",
      "    1                8              1.000000         0.790000        -6.500000         9.250000",
      "    2               10              1.270000         1.270000         6.500000        -9.250000",
  };
  EXPECT_EQ(rep.lines(), expected);
}

// ---------------------------------------------------------------- spacing

TEST_F(SectionDriver, MinimumBarSpacing) {
  struct Case {
    const char* name;
    int n;
    double xy[4][2];
    double d;
    BarSpacing expected;
  };
  // Bars of diameter 1 on a line; clear distance = centre distance - 1.
  const Case cases[] = {
      {"closest pair found", 3, {{0, 0}, {10, 0}, {12, 0}}, 1, {1, 2, 3}},
      {"touching bars 1 and 2 are kept", 3, {{0, 0}, {1, 0}, {5, 0}}, 1, {0, 1, 2}},
      {"touching later bars are skipped", 4, {{0, 0}, {10, 0}, {11.00005, 0}, {14, 0}}, 1, {1.99995, 3, 4}},
      {"first pair wins a tie", 4, {{0, 0}, {20, 0}, {23, 0}, {26, 0}}, 1, {2, 2, 3}},
      {"single bar", 1, {{0, 0}}, 1, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ws.NumBars = c.n;
    for (int i = 1; i <= c.n; ++i) bar(i, c.xy[i - 1][0], c.xy[i - 1][1], c.d);
    const BarSpacing r = fn_Minimum_Bar_Spacing();
    EXPECT_NEAR(r.Minimum, c.expected.Minimum, 1e-9);
    EXPECT_EQ(r.Bar1, c.expected.Bar1);
    EXPECT_EQ(r.Bar2, c.expected.Bar2);
  }
}

// Four bars on a circle are equally spaced; their centre distances differ
// only in the last bits, so the pair reported depends on how the distance
// is computed. As the square root of the sum of the squares no later pair
// comes out below bars 1 and 2 (a correctly rounded hypot reports 2 and 3).
TEST_F(SectionDriver, MinimumSpacingOfEquallySpacedBarsKeepsTheFirstPair) {
  BarCoordinates x, y;
  double db = 0.75;
  ASSERT_TRUE(Generate_Circular_Bar_Positions(30, 3, db, 4, 1, x, y));
  ws.NumBars = 4;
  for (int i = 1; i <= 4; ++i) bar(i, x[i], y[i], db);
  const BarSpacing r = fn_Minimum_Bar_Spacing();
  EXPECT_EQ(r.Bar1, 1);
  EXPECT_EQ(r.Bar2, 2);
  EXPECT_NEAR(r.Minimum, std::sqrt(2.0) * 11.625 - 0.75, 1e-12);  // R = (30 - 0.75)/2 - 3
}

TEST_F(SectionDriver, EdgeToEdgeSpacingBetweenNeighbouringBundles) {
  // 8 bundles on a 30-in pile, cover 2, bars of 1 in: bundle centres on a
  // circle of radius R = (30 - 1)/2 - 2, 45 degrees apart.
  const double R = 12.5, db = 1.0, pi = std::numbers::pi;
  for (int m = 1; m <= 3; ++m) {
    SCOPED_TRACE(m);
    BarCoordinates x, y;
    double d = db;
    ASSERT_TRUE(Generate_Circular_Bar_Positions(30, 2, d, 8, m, x, y));
    ws.NumBars = 8 * m;
    for (int i = 1; i <= ws.NumBars; ++i) bar(i, x[i], y[i], db);
    // Angle between the facing bars of two bundles: 45 degrees less the
    // bundle's own angle db/R for bundles of two or three bars.
    const double angle = pi / 4 - (m == 1 ? 0.0 : db / R);
    EXPECT_NEAR(fn_Edge_To_Edge_Bar_Spacing(m, db), 2 * R * std::sin(angle / 2) - db, 1e-9);
  }
  ws.NumBars = 1;
  EXPECT_EQ(fn_Edge_To_Edge_Bar_Spacing(1, db), 0.0);
}

// ---------------------------------------------------------------- dispatch

TEST_F(SectionDriver, MicropileStopsWithInternalError999) {
  section(14, 120);
  ReportCapture rep;
  Section_Driver(1);
  EXPECT_EQ(pm.FatalErrorValue, 999);
  const std::vector<std::string> expected = {
      "",
      "**** Internal Error No. 999 ****",
      "",
      "Section 1 is a micropile (section type 14), which cannot be analysed.",
      "No bending properties are computed for a section without a defined working section.",
      "",
      "",
      "Kavro ended prematurely due to runtime error number RUN00999",
  };
  EXPECT_EQ(rep.lines(), expected);
}

TEST_F(SectionDriver, UnknownSectionTypeStops) {
  for (int type : {-2, 15, 99}) {
    SCOPED_TRACE(type);
    SetUp();
    section(type, 120);
    ReportCapture rep;
    Section_Driver(1);
    EXPECT_EQ(pm.FatalErrorValue, 999);
    const auto out = rep.lines();
    ASSERT_GE(out.size(), 4u);
    EXPECT_EQ(out[3], "Section 1 has section type " + std::to_string(type) + ", which cannot be set up for analysis.");
  }
}

TEST_F(SectionDriver, SectionNumberOutsideTheTableStops) {
  ReportCapture rep;
  Section_Driver(21);
  EXPECT_EQ(pm.FatalErrorValue, 999);
  const auto out = rep.lines();
  ASSERT_GE(out.size(), 4u);
  EXPECT_EQ(out[3], "Section number 21 lies outside 1 to 20.");
}

TEST_F(SectionDriver, UnslicedTypesPrintNoDimensionBlock) {
  for (int type : {11, 12, 13}) {
    SCOPED_TRACE(type);
    SetUp();
    section(type, 120);
    ReportCapture rep;
    Section_Driver(1);
    EXPECT_EQ(pm.FatalErrorValue, 0);
    for (const std::string& l : rep.lines()) EXPECT_NE(l.rfind("Dimensions", 0), 0u) << l;
  }
}

// The whole order of a drilled shaft in a properties-only run: the bars are
// placed again from the cage data (with the cage offset), the block, the
// capacities and the bar table are printed, the capacities are stored in
// pounds, and the moment-curvature analysis follows.
TEST_F(SectionDriver, DrilledShaftFromSetUpToCurves) {
  PileSection& s = drilled_shaft();
  s.CageOffset = 2;
  for (int i = 1; i <= 12; ++i) s.BarX[i] = s.BarY[i] = 99;  // stale positions
  pm.options.i_Analysis_Type = kAnalysisEIOnly;
  pm.loads.NumEIThrusts = 1;
  pm.loads.EIThrustList[1] = 0;
  prestress.b_PrestressPrinted = true;
  ReportCapture rep;
  Section_Driver(1);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(pm.pile.CurrentSection, 1);
  EXPECT_FALSE(prestress.b_PrestressPrinted);
  // Bar 1 sits at angle 0 on the circle of radius 14.436, raised by the offset.
  EXPECT_NEAR(ws.BarX[1], 14.436, 1e-12);
  EXPECT_NEAR(ws.BarY[1], 2.0, 1e-12);
  EXPECT_NEAR(mct.SectionPn[1], 4139978.5631223285, 1e-6);
  EXPECT_NEAR(mct.SectionNt[1], -720000.0, 1e-6);
  EXPECT_GT(mct.NumPoints[1][1], 1);

  const auto out = rep.lines();
  auto find = [&out](const std::string& head) {
    for (std::size_t i = 0; i < out.size(); ++i)
      if (out[i].rfind(head, 0) == 0) return static_cast<long>(i);
    return -1L;
  };
  const long block = find("Dimensions and Properties of Drilled Shaft (Bored Pile):");
  const long capacity = find("Axial Structural Capacities:");
  const long table = find("Reinforcing Bar Dimensions and Positions Used in Computations:");
  const long thrust = find("Axial Thrust Force = ");
  EXPECT_GE(block, 0);
  EXPECT_LT(block, capacity);
  EXPECT_LT(capacity, table);
  EXPECT_LT(table, thrust);
  EXPECT_GE(find("NOTE: The positions of the above rebars were computed by Kavro"), 0);
}

// ---------------------------------------------------------------- whole runs

// A properties-only run of an 18-in square prestressed pile with twelve
// PCI 270 strands of 0.153 sq. in. (Pi = 372 kips, 20 % loss), f'c 6000 psi,
// at the thrusts given in pounds.
std::string square_pile_deck(const std::string& strands, const std::string& thrusts) {
  std::string body =
      "SECTIONS\n1\n1\n7\n10.0\n18.0\n0.75\n6000.0\n0.75\n"
      "Use default concrete tensile strength\nUse internal stress-strain curve for concrete\n" +
      strands + "AXIAL THRUST LOADS\n" + thrusts;
  std::string deck = test::minimal_deck("Units USCS", body);
  const std::string off = "ComputeEIOnly NO", on = "ComputeEIOnly YES";
  deck.replace(deck.find(off), off.size(), on);
  return deck;
}

const char* const kAutoStrands = "Autoposition strands\n1\n3\n12\n372000.0\n0.20\n2.5\n1\n";

// The first run message of the first curvature point of each thrust.
std::vector<char> first_point_messages(const std::string& report) {
  std::vector<char> msgs;
  std::istringstream in(report);
  std::string line;
  bool next_row = false;
  while (std::getline(in, line)) {
    if (line.rfind(" -------------", 0) == 0) {
      next_row = true;
      continue;
    }
    if (next_row && line.size() > 114) msgs.push_back(line[114]);
    next_row = false;
  }
  return msgs;
}

// Axial tension relieves the precompression first: the section cracks only
// when the tension exceeds Tcr = (eps_t - eps_pc)·(Ec·Ac + Es·As), about
// -397 kips here, well beyond the -90 kips that would crack it without
// prestress; the strands' capacity Nt = -495.72 kips bounds the range.
TEST(SectionDriverRun, PrestressedPileUnderAxialTension) {
  const auto run = test::run_kgo(square_pile_deck(kAutoStrands, "2\n1 -100000.0\n2 -450000.0\n"));
  ASSERT_FALSE(run.crashed) << run.stderr_text;
  ASSERT_GE(run.status, -400) << run.report;
  ASSERT_LE(run.status, 0) << run.report;
  EXPECT_NE(run.report.find("Axial Capacity in Tension, Nt = As fpu                 =     -495.720 kips  "),
            std::string::npos);
  EXPECT_NE(run.report.find("Axial Thrust Force =   -100.000 kips"), std::string::npos);
  EXPECT_NE(run.report.find("Axial Thrust Force =   -450.000 kips"), std::string::npos);
  // Thrusts in ascending order: -450 kips cracks the section from the first
  // point on, -100 kips leaves it uncracked.
  const std::vector<char> msgs = first_point_messages(run.report);
  ASSERT_EQ(msgs.size(), 2u) << run.report;
  EXPECT_EQ(msgs[0], 'C');
  EXPECT_EQ(msgs[1], ' ');
}

TEST(SectionDriverRun, PrestressedPileWithoutStrandsStopsWithRuntimeError15) {
  const auto run = test::run_kgo(
      square_pile_deck("Manually-positioned strands\n1\n0\n372000.0\n0.20\n", "1\n1 0.0\n"));
  ASSERT_FALSE(run.crashed) << run.stderr_text;
  EXPECT_EQ(run.status, 215);
  EXPECT_NE(run.report.find("**** Runtime Error No. 15 ****\n\nAn error occurred in prestressing computations\n"
                            "The computed area of steel in the section is less than 0.0 =         0.00000\n"),
            std::string::npos)
      << run.report;
  EXPECT_EQ(run.report.find("Computation of Loss of Prestress:"), std::string::npos);
}

}  // namespace
}  // namespace kavro
