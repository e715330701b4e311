// Working section: set-up by section type, slice grid, and the areas of
// every component in every slice.
#include "section/working_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "section_test_support.h"

namespace kavro {
namespace {

constexpr double kPi = std::numbers::pi;

double slice_sum(const SliceArray<double>& a) {
  double s = 0;
  for (int i = 1; i <= kNumSlices; ++i) s += a[i];
  return s;
}

TEST(CircularSegment, AreasAboveChordsAgreeWithTheClosedForm) {
  struct Case {
    double d, t, area;
  };
  const double r = 5;
  const Case cases[] = {
      {10, 0, 0},
      {10, 2.5, r * r * std::acos(0.5) - 2.5 * std::sqrt(2 * r * 2.5 - 2.5 * 2.5)},
      {10, 5, kPi * r * r / 2},
      {10, 7.5, kPi * r * r - (r * r * std::acos(0.5) - 2.5 * std::sqrt(2 * r * 2.5 - 2.5 * 2.5))},
      {10, 10, kPi * r * r},
      {10, 12, kPi * r * r},  // chord below the circle: the whole circle
      {10, -1, 0},            // chord above the circle: nothing
  };
  for (const Case& c : cases) EXPECT_NEAR(fn_CircularSegmentArea(c.d, c.t), c.area, 1e-12 * 100) << c.t;
}

TEST(SetUp, LayoutAndReinforcementClassFollowTheSectionType) {
  struct Case {
    int type;
    double chamfer;
    int strand_type;
    int layout, cls;
  };
  const Case cases[] = {
      {0, 0, 0, kLayoutRectangle, kClassMildBars},   {1, 0, 0, kLayoutCircle, kClassMildBars},
      {2, 0, 0, kLayoutCircleCasing, kClassMildBars}, {3, 0, 0, kLayoutCircleCasingCore, kClassMildBars},
      {4, 0, 0, kLayoutPipe, kClassSteelPipe},        {5, 0, 1, kLayoutCircle, kClassPCI270},
      {6, 0, 0, kLayoutCircleCore, kClassPCI250},     {7, 1, 2, kLayoutPolygon, kClassPCI300},
      {7, 0, 3, kLayoutRectangle, kClassSmooth145},   {8, 1, 4, kLayoutPolygonCores, kClassSmooth160},
      {8, 0, 5, kLayoutRectangleCore, kClassDeformedBars}, {9, 0, 1, kLayoutPolygon, kClassPCI270},
      {10, 0, 1, kLayoutPolygonCores, kClassPCI270},  {11, 0, 0, kLayoutNone, kClassMildBars},
      {12, 0, 0, kLayoutNone, kClassMildBars},        {13, 0, 0, kLayoutNone, kClassMildBars},
      {14, 0, 0, kLayoutNone, kClassMildBars},
  };
  for (const Case& c : cases) {
    PileSection& s = test::fresh_section(1);
    s.SectionType = c.type;
    s.SectionDiameter = 20;
    s.SectionDepth = 20;
    s.SectionWidth = 10;
    s.ChamferSize = c.chamfer;
    s.VoidDiameter = 8;
    s.StrandType = c.strand_type;
    Setup_Working_Section(1);
    EXPECT_EQ(ws.Layout, c.layout) << "type " << c.type;
    EXPECT_EQ(ws.ReinforcementClass, c.cls) << "type " << c.type;
    EXPECT_EQ(ws.ConcreteLaw, c.type == 4 ? kConcreteNone : kConcreteStandard) << "type " << c.type;
    EXPECT_EQ(ws.CoreConcreteLaw, c.type == 3 ? kConcreteStandard : kConcreteNone) << "type " << c.type;
  }
}

TEST(SetUp, UsCustomaryStressesBecomeKsiAndTheCageOffsetMovesTheBars) {
  PileSection& s = test::drilled_shaft(1, 36, 12, 1.0, 0.79, 3.0);
  s.CageOffset = 1.5;
  Setup_Working_Section(1);
  EXPECT_DOUBLE_EQ(ws.fc, 4.0);
  EXPECT_DOUBLE_EQ(ws.fy, 60.0);
  EXPECT_DOUBLE_EQ(ws.Es, 29000.0);
  ASSERT_EQ(ws.NumBars, 12);
  for (int i = 1; i <= 12; ++i) {
    EXPECT_DOUBLE_EQ(ws.BarY[i], s.BarY[i] + 1.5);
    EXPECT_DOUBLE_EQ(ws.BarX[i], s.BarX[i]);
  }
  // Bars placed individually keep their input y.
  s.b_CircularRebar = false;
  Setup_Working_Section(1);
  EXPECT_DOUBLE_EQ(ws.BarY[4], s.BarY[4]);
}

TEST(Slicing, RectangleSlicesAreEqualAndBarsAreSplitExactly) {
  PileSection& s = test::fresh_section(1);
  s.SectionType = 0;
  s.SectionDepth = s.SectionDiameter = 24;
  s.SectionWidth = 12;
  s.NumBars = 4;
  const double ab = kPi / 4;  // equivalent diameter equals the stated 1 in
  const double xs[4] = {-4, 4, -4, 4}, ys[4] = {9.48, 9.48, -9.5, -9.62};
  for (int i = 1; i <= 4; ++i) {
    s.BarDiameter[i] = 1.0;
    s.BarArea[i] = ab;
    s.BarX[i] = xs[i - 1];
    s.BarY[i] = ys[i - 1];
  }
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  EXPECT_DOUBLE_EQ(ws.h, 0.24);
  EXPECT_DOUBLE_EQ(ws.B[0], 12.0);
  for (int i = 1; i <= kNumSlices; ++i)
    EXPECT_NEAR(ws.ConcreteArea[i] + ws.BarSliceArea[i], 24.0 * 12.0 / 100.0, 1e-12) << i;
  EXPECT_NEAR(ws.TotalBarArea, 4 * ab, 1e-12);
  EXPECT_NEAR(ws.NetConcreteArea + ws.TotalBarArea, 288.0, 1e-10);
  // The two top bars, centred in slice 11, span slices 9 to 13 (top 9.98,
  // bottom 8.98) and their pieces are symmetric about the bar centre.
  EXPECT_DOUBLE_EQ(ws.BarSliceArea[8], 0.0);
  EXPECT_DOUBLE_EQ(ws.BarSliceArea[14], 0.0);
  EXPECT_NEAR(ws.BarSliceArea[9], ws.BarSliceArea[13], 1e-12);
  EXPECT_NEAR(ws.BarSliceArea[10], ws.BarSliceArea[12], 1e-12);
  double top = 0;
  for (int i = 9; i <= 13; ++i) top += ws.BarSliceArea[i];
  EXPECT_NEAR(top, 2 * ab, 1e-13);
}

// The bar spans its stated diameter; its area is cut as a circle of the
// equivalent diameter 1.1284, larger or smaller than the stated one. When
// it is smaller, the lowest chords lie below that circle and count it whole.
TEST(Slicing, BarWithEquivalentDiameterOtherThanStatedKeepsItsArea) {
  for (double stated : {1.128, 1.41}) {
    PileSection& s = test::fresh_section(1);
    s.SectionType = 0;
    s.SectionDepth = s.SectionDiameter = 20;
    s.SectionWidth = 20;
    s.NumBars = 1;
    s.BarDiameter[1] = stated;
    s.BarArea[1] = 1.0;
    s.BarY[1] = 3.17;
    Setup_Working_Section(1);
    Initialize_EI_Vars();
    EXPECT_NEAR(ws.TotalBarArea, 1.0, 1e-14) << stated;
    for (int i = 1; i <= kNumSlices; ++i) EXPECT_GE(ws.BarSliceArea[i], 0.0) << stated << " " << i;
  }
}

TEST(Slicing, FullCircleSumsToItsAreaAndIsSymmetric) {
  test::drilled_shaft(1, 36, 0, 1.0, 0.79, 3.0);
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  EXPECT_NEAR(ws.NetConcreteArea, kPi / 4 * 36 * 36, 1e-9);
  for (int i = 1; i <= 50; ++i) EXPECT_NEAR(ws.ConcreteArea[i], ws.ConcreteArea[101 - i], 1e-9) << i;
  EXPECT_NEAR(ws.y[1], 0.18, 1e-15);
  EXPECT_NEAR(ws.y[100], 36 - 0.18, 1e-12);
}

TEST(Slicing, ShaftWithBarsKeepsTheGrossArea) {
  test::drilled_shaft(1, 36, 12, 1.128, 1.0, 3.0);
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  EXPECT_NEAR(ws.TotalBarArea, 12.0, 1e-12);
  EXPECT_NEAR(ws.NetConcreteArea + ws.TotalBarArea, kPi / 4 * 36 * 36, 1e-9);
}

TEST(Slicing, PolygonOutlinesHaveTheirExactAreas) {
  struct Case {
    int type;
    double B, chamfer, area;
  };
  const double a = double(0.2071f) * 20;
  const Case cases[] = {
      {9, 20, 0, 400 - 2 * (10 - a) * (10 - a)},  // octagon
      {7, 20, 2.5, 400 - 2 * 2.5 * 2.5},          // chamfered square
      {7, 20, 0, 400},                            // square: rectangle layout
  };
  test::UnitCapture report;
  for (const Case& c : cases) {
    PileSection& s = test::fresh_section(1);
    s.SectionType = c.type;
    s.SectionDiameter = c.B;
    s.ChamferSize = c.chamfer;
    s.StrandType = 1;
    Setup_Working_Section(1);
    Initialize_EI_Vars();
    EXPECT_NEAR(ws.NetConcreteArea, c.area, 1e-9) << c.type << " " << c.chamfer;
    EXPECT_DOUBLE_EQ(ws.D, c.B);
    if (ws.Layout == kLayoutPolygon) {
      EXPECT_NEAR(fn_PolygonAreaBelow(0.0), c.area / 2, 1e-9);
      EXPECT_NEAR(fn_PolygonStripArea(ws.B[0], ws.B[100]), c.area, 1e-9);
      EXPECT_DOUBLE_EQ(fn_PolygonAreaBelow(-11.0), 0.0);
      for (int i = 1; i <= 50; ++i) EXPECT_NEAR(ws.ConcreteArea[i], ws.ConcreteArea[101 - i], 1e-9) << i;
    }
  }
}

// Clipping below y = 1 puts the crossing of the edge V-W 5e-5 from the
// inside vertex V = (1, 0.99995): V is closer than 1e-4 to the next vertex
// and is dropped, so the clipped outline ends at the crossing, (1, 1) to
// 2.5e-11.
TEST(Slicing, ClippedVertexCloseToTheNextOneGivesWay) {
  ws = WorkingSection{};
  const double px[4] = {0, 2, 1, 1.000001}, py[4] = {0, 0, 0.99995, 3};
  ws.NumVertices = 4;
  for (int i = 0; i < 4; ++i) {
    ws.PolyX[i + 1] = px[i];
    ws.PolyY[i + 1] = py[i];
  }
  // Outline kept: (x1, 1) on the edge W-A, A = (0, 0), B = (2, 0), (1, 1).
  const double x1 = 1.000001 / 3;
  EXPECT_NEAR(fn_PolygonAreaBelow(1.0), (3 - x1) / 2, 1e-10);  // keeping V instead: 4e-5 less
}

TEST(Slicing, HollowPrestressedSectionsOnlyLoseTheVoid) {
  struct Case {
    int type;
    double outline;
  };
  const double a = double(0.2071f) * 24;
  const Case cases[] = {
      {6, kPi / 4 * 24 * 24},             // circle with a void
      {8, 24.0 * 24.0},                   // square (no chamfer) with a void
      {10, 576 - 2 * (12 - a) * (12 - a)},  // octagon with a void
  };
  test::UnitCapture report;
  for (const Case& c : cases) {
    PileSection& s = test::fresh_section(1);
    s.SectionType = c.type;
    s.SectionDiameter = 24;
    s.VoidDiameter = 12;
    s.StrandType = 1;
    s.NumStrands = 8;
    for (int i = 1; i <= 8; ++i) {
      s.BarDiameter[i] = 0.5;
      s.BarArea[i] = 0.153;
      s.BarX[i] = 9 * std::cos(i * kPi / 4);
      s.BarY[i] = 9 * std::sin(i * kPi / 4);
    }
    Setup_Working_Section(1);
    Initialize_EI_Vars();
    EXPECT_DOUBLE_EQ(slice_sum(ws.CoreSteelArea), 0.0) << c.type;
    EXPECT_DOUBLE_EQ(slice_sum(ws.CoreConcreteArea), 0.0) << c.type;
    EXPECT_NEAR(ws.TotalBarArea, 8 * 0.153, 1e-12) << c.type;
    EXPECT_NEAR(ws.NetConcreteArea, c.outline - kPi / 4 * 144 - 8 * 0.153, 1e-9) << c.type;
  }
}

TEST(Slicing, CasingAndCoreRingsAndTheConcreteInsideTheCore) {
  for (bool filled : {true, false}) {
    PileSection& s = test::fresh_section(1);
    s.SectionType = 3;
    s.SectionDiameter = 48;
    s.CasingWallThickness = 0.5;
    s.CoreOuterDiameter = 20;
    s.CoreWallThickness = 0.75;
    s.b_FillCoreWithConcrete = filled;
    Setup_Working_Section(1);
    Initialize_EI_Vars();
    const double ring = kPi / 4 * (48 * 48 - 47 * 47);
    const double core_ring = kPi / 4 * (20 * 20 - 18.5 * 18.5);
    EXPECT_NEAR(slice_sum(ws.CasingSliceArea), ring, 1e-9);
    EXPECT_NEAR(slice_sum(ws.CoreSteelArea), core_ring, 1e-9);
    EXPECT_NEAR(slice_sum(ws.CoreConcreteArea), filled ? kPi / 4 * 18.5 * 18.5 : 0.0, 1e-9);
    EXPECT_NEAR(ws.NetConcreteArea, kPi / 4 * 48 * 48 - ring - kPi / 4 * 400, 1e-9);
    // The core spans slices 30 to 71 of the 0.48 in slices (top 10 below the edge at 24).
    EXPECT_EQ(ws.CoreTopSlice, 30);
    EXPECT_EQ(ws.CoreBottomSlice, 71);
  }
}

TEST(Slicing, SteelPipeHasOnlyItsWall) {
  test::steel_pipe(1, 24, 0.5);
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  EXPECT_NEAR(slice_sum(ws.CasingSliceArea), kPi / 4 * (576 - 23 * 23), 1e-9);
  EXPECT_DOUBLE_EQ(ws.NetConcreteArea, 0.0);
  EXPECT_DOUBLE_EQ(ws.TotalBarArea, 0.0);
  for (int i = 1; i <= 50; ++i) EXPECT_NEAR(ws.CasingSliceArea[i], ws.CasingSliceArea[101 - i], 1e-10) << i;
}

TEST(Slicing, FindSliceYTakesTheSliceBelowABoundary) {
  test::drilled_shaft(1, 10, 0, 1.0, 0.79, 3.0);
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  EXPECT_EQ(fn_FindSliceY(5.0), 1);
  EXPECT_EQ(fn_FindSliceY(4.95), 1);
  EXPECT_EQ(fn_FindSliceY(ws.B[1]), 2);  // on a boundary: the slice below it
  EXPECT_EQ(fn_FindSliceY(0.05), 50);
  EXPECT_EQ(fn_FindSliceY(-4.999), 100);
  EXPECT_EQ(fn_FindSliceY(-6.0), 100);  // below the grid
  EXPECT_EQ(fn_FindSliceY(6.0), 100);   // above the grid
}

TEST(Slicing, MoreThan300BarsAreRejectedWithAMessage) {
  test::drilled_shaft(1, 36, 0, 1.0, 0.79, 3.0);
  Setup_Working_Section(1);
  Build_Slice_Grid();
  ws.NumBars = 301;
  test::UnitCapture report;
  Calculate_Rebar_Slice_Areas();
  EXPECT_EQ(report.text(),
            "Error in Calculate_Rebar_Slice_Areas - NumBars out of valid range = 301 (more than 300 bars)\n");
  EXPECT_DOUBLE_EQ(slice_sum(ws.BarSliceArea), 0.0);
}

TEST(Slicing, ZeroDepthGivesZeroAreas) {
  PileSection& s = test::fresh_section(1);
  s.SectionType = 1;
  Setup_Working_Section(1);
  Initialize_EI_Vars();
  EXPECT_DOUBLE_EQ(ws.h, 0.0);
  EXPECT_DOUBLE_EQ(ws.NetConcreteArea, 0.0);
}

}  // namespace
}  // namespace kavro
