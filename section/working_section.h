// The working section: the one pile section being analysed for bending,
// cut into 100 horizontal slices of equal thickness across the bending
// direction, with the area of every material component inside every slice.
//
// Bending is about the horizontal axis with the compression edge at the top.
// Units are those of the section computations: inches, kips and ksi in US
// customary runs, metres, kN and kPa otherwise.
//
// Order of work for one pile section n:
//   1. Setup_Working_Section(n): slice layout, reinforcement class, concrete
//      law codes, dimensions, casing, core, outline polygon, bars (with the
//      rebar-cage offset of drilled shafts added to every bar's y) and the
//      material values (psi to ksi in US customary runs).
//   2. The section driver may then replace the bar list and the
//      reinforcement class (prestressing strands of types 5 to 10).
//   3. Initialize_EI_Vars(): slice grid, slice areas, centroid depths,
//      material parameters, and the prestress state of prestressed sections.
//      The moment-curvature computation calls it again whenever the thrust
//      changes.
#pragma once

#include "model/indexed.h"

namespace kavro {

inline constexpr int kNumSlices = 100;
inline constexpr int kMaxSectionBars = 300;
inline constexpr int kMaxOutlineVertices = 300;
inline constexpr int kMaxClipVertices = 100;  // clipped polygons with more vertices have area 0
inline constexpr int kMaxCores = 10;

// Slice layouts.
inline constexpr int kLayoutNone = 0;           // not sliced (types 11 to 14)
inline constexpr int kLayoutRectangle = 1;
inline constexpr int kLayoutRectangleCore = 2;
inline constexpr int kLayoutCircle = 3;
inline constexpr int kLayoutCircleCore = 5;
inline constexpr int kLayoutCircleCasing = 6;
inline constexpr int kLayoutCircleCasingCore = 7;
inline constexpr int kLayoutPipe = 9;
inline constexpr int kLayoutPolygon = 10;
inline constexpr int kLayoutPolygonCores = 11;

// Reinforcement classes (steel law); 3 or more marks a prestressed section.
inline constexpr int kClassSteelPipe = 1;
inline constexpr int kClassMildBars = 2;
inline constexpr int kClassPCI250 = 4;
inline constexpr int kClassPCI270 = 5;
inline constexpr int kClassPCI300 = 6;
inline constexpr int kClassSmooth145 = 7;
inline constexpr int kClassSmooth160 = 8;
inline constexpr int kClassDeformedBars = 9;

// Concrete law codes.
inline constexpr int kConcreteNone = 1;
inline constexpr int kConcreteStandard = 2;

template <class T>
using SliceArray = Indexed<T, kNumSlices>;

struct WorkingSection {
  // Codes written by the section set-up.
  int SectionNumber = 0;
  int SectionType = 0;
  int Layout = kLayoutNone;
  int ReinforcementClass = kClassMildBars;
  int ConcreteLaw = kConcreteStandard;      // concrete outside the core
  int CoreConcreteLaw = kConcreteNone;      // concrete inside a core (2 for type 3)

  // Dimensions. D is the depth in the bending direction (for polygons the
  // height of the outline), W the width (rectangles; D otherwise).
  double D = 0;
  double W = 0;
  int N = kNumSlices;
  double RealN = 100.0;
  double h = 0;      // slice thickness D / N
  double ymax = 0;   // height of the compression edge above the centre
  double ymin = 0;

  // Slice boundaries B(0..N), heights above the centre; B(0) is the
  // compression edge. Slice i lies between B(i-1) and B(i).
  Indexed<double, kNumSlices + 1, 0> B;
  // Slice centroid depths below the compression edge.
  SliceArray<double> y;

  // Per-slice areas.
  SliceArray<double> ConcreteArea;      // net concrete
  SliceArray<double> BarSliceArea;      // bars or strands
  SliceArray<double> CasingSliceArea;   // casing or pipe wall
  SliceArray<double> CoreSteelArea;     // steel core wall
  SliceArray<double> CoreConcreteArea;  // concrete inside the core
  double NetConcreteArea = 0;  // sum of ConcreteArea
  double TotalBarArea = 0;     // sum of BarSliceArea

  // Bars (or strands): position from the centre (y up), stated diameter, area.
  int NumBars = 0;
  Indexed<double, kMaxSectionBars> BarX, BarY, BarDiameter, BarArea;

  // Outline polygon of layouts 10 and 11, counter-clockwise about the centre.
  int NumVertices = 0;
  Indexed<double, kMaxOutlineVertices> PolyX, PolyY;

  // Cores: centre, outer diameter, wall thickness (0 for a void).
  int NumCores = 0;
  Indexed<double, kMaxCores> CoreX, CoreY, CoreDiameter, CoreWall;
  bool b_FillCoreWithConcrete = false;
  int CoreTopSlice = 1;      // slice range of the cores (set with the slice areas)
  int CoreBottomSlice = 0;
  double CoreModulus = 0;
  double CoreYield = 0;

  // Casing (or the steel pipe): outer diameter D.
  double CasingWall = 0;
  double CasingModulus = 0;
  double CasingYield = 0;

  // Materials (ksi in US customary runs, kPa otherwise).
  double fc = 0;       // concrete compressive strength f'c
  double fy = 0;       // bar yield stress
  double Es = 0;       // bar or strand modulus
  double fpu = 0;      // strand ultimate strength
  int FirstStrandSizeCode = 0;  // selects fpy of deformed prestressing bars
  double AggregateSize = 0;

  // Derived concrete parameters (material set-up).
  double Ec = 0;     // modulus
  double fr = 0;     // modulus of rupture (negative)
  double eps0 = 0;   // strain at peak stress
  double epst = 0;   // tensile strain at fracture (negative)

  // Prestress state (0 without prestress): steel prestrain (negative) and
  // concrete prestrain (positive).
  double eps_ps = 0;
  double eps_pc = 0;

  // Axial limits of the current section, set by the axial-capacity steps or
  // the prestress computation: nominal compression Pn (positive), nominal
  // tension Nt (negative), tensile cracking load Tcr (negative).
  double Pn = 0;
  double Nt = 0;
  double Tcr = 0;

  // Section-state flags of the current curvature point.
  bool b_Cracked = false;
  bool b_Yielded = false;
  bool b_TensionCracked = false;
  bool b_NegativeMoment = false;
};

// The process-wide working section.
extern WorkingSection ws;

// Fills the codes, dimensions, components and material values of the
// working section from pile section n (types 0 to 10; any other type gets
// layout 0 and is not sliced). Resets everything else.
void Setup_Working_Section(int n);

// Rebuilds the slice grid and slice areas of the working section, the
// centroid depths, the material parameters and, for prestressed sections,
// the prestress state. Returns at once when a step stops the run.
void Initialize_EI_Vars();

// Steps of Initialize_EI_Vars, usable on their own.
void Build_Slice_Grid();
void Calculate_Slice_Areas();      // dispatch on the layout, then the totals
void Calculate_Rebar_Slice_Areas();
void Calculate_Casing_Slice_Areas();
void Calculate_Core_Slice_Areas();
void Calculate_Slice_Centroids();

// Outlines built by the section set-up (B = width across flats).
void Build_Chamfered_Square(double B, double chamfer);
void Build_Octagon(double B);

// Geometry.
// Area of a circle of diameter d above a chord at distance t below its top.
double fn_CircularSegmentArea(double d, double t);
// Area of the outline polygon below the line y = y0.
double fn_PolygonAreaBelow(double y0);
// Area of the outline polygon between y = ylo and y = yhi.
double fn_PolygonStripArea(double yhi, double ylo);
double fn_PolygonMinY();
double fn_PolygonMaxY();
// First slice i with B(i-1) >= y > B(i); N when there is none (a position
// below or above the grid).
int fn_FindSliceY(double y);

// Defined by the prestress computation (axial capacities and prestressing):
// derives the prestrains and the PCI capacity estimates of the fresh working
// section; may stop the run.
void Calculate_Strains_Due_To_Prestressing();

}  // namespace kavro
