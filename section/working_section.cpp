// The working section: set-up from a pile section, slice grid and the area
// of every material component inside every slice.
#include "section/working_section.h"

#include <cmath>
#include <numbers>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "section/materials.h"

namespace kavro {

WorkingSection ws;

namespace {

constexpr double kPi = std::numbers::pi;

// Copies the bars (or strands) of the section record into the working
// section; `dy` is added to every y (rebar-cage offset).
void copy_bars(const PileSection& s, int count, double dy) {
  if (count < 0) count = 0;
  if (count > kMaxSectionBars) count = kMaxSectionBars;
  ws.NumBars = count;
  for (int i = 1; i <= count; ++i) {
    ws.BarX[i] = s.BarX[i];
    ws.BarY[i] = s.BarY[i] + dy;
    ws.BarDiameter[i] = s.BarDiameter[i];
    ws.BarArea[i] = s.BarArea[i];
  }
}

void add_centre_core(double d, double wall) {
  ws.NumCores = 1;
  ws.CoreX[1] = 0;
  ws.CoreY[1] = 0;
  ws.CoreDiameter[1] = d;
  ws.CoreWall[1] = wall;
}

int strand_class(int strand_type) {
  switch (strand_type) {
    case 0: return kClassPCI250;
    case 1: return kClassPCI270;
    case 2: return kClassPCI300;
    case 3: return kClassSmooth145;
    case 4: return kClassSmooth160;
    case 5: return kClassDeformedBars;
    default: return kClassMildBars;
  }
}

// Distributes the area of a circle of diameter de over the slices it
// crosses: its top lies at `top` and its bottom at `top - d` (d the stated
// diameter); each slice from the top slice down to the one above the bottom
// slice gets the increase of the circular segment across it, the bottom
// slice the remainder. sign +1 adds, -1 subtracts.
void cut_circle(double de, double d, double top, double area, SliceArray<double>& out, double sign) {
  const int k_top = fn_FindSliceY(top);
  const int k_bot = fn_FindSliceY(top - d);
  if (k_top >= k_bot) {
    out[k_bot] += sign * area;
    return;
  }
  double prev = 0;
  for (int k = k_top; k < k_bot; ++k) {
    const double cur = fn_CircularSegmentArea(de, top - ws.B[k]);
    out[k] += sign * (cur - prev);
    prev = cur;
  }
  out[k_bot] += sign * (area - prev);
}

// Area below y0 of the polygon (x, y) of n vertices, by clipping against the
// half-plane y <= y0.
double clipped_area_below(const double* px, const double* py, int n, double y0) {
  if (n < 3) return 0;
  constexpr int kCap = 2 * kMaxOutlineVertices + 2;
  double cx[kCap], cy[kCap];
  int m = 0;
  // A vertex closer than 1e-4 to the next one is dropped: the earlier of
  // the two gives way.
  auto emit = [&](double x, double y) {
    if (m > 0) {
      const double dx = x - cx[m - 1], dy = y - cy[m - 1];
      if (dx * dx + dy * dy < 1e-8) {
        cx[m - 1] = x;
        cy[m - 1] = y;
        return;
      }
    }
    if (m < kCap) {
      cx[m] = x;
      cy[m] = y;
      ++m;
    }
  };
  for (int j = 0; j < n; ++j) {
    const int p = (j + n - 1) % n;  // previous vertex
    const bool in_p = py[p] <= y0;
    const bool in_c = py[j] <= y0;
    if (in_c != in_p) {
      const double t = (y0 - py[p]) / (py[j] - py[p]);
      emit(px[p] + t * (px[j] - px[p]), y0);
    }
    if (in_c) emit(px[j], py[j]);
  }
  while (m > 1) {
    const double dx = cx[m - 1] - cx[0], dy = cy[m - 1] - cy[0];
    if (dx * dx + dy * dy < 1e-8)
      --m;
    else
      break;
  }
  if (m < 3 || m > kMaxClipVertices) return 0;
  double a = 0;
  for (int j = 0; j < m; ++j) {
    const int q = (j + 1) % m;
    a += cx[j] * cy[q] - cx[q] * cy[j];
  }
  return 0.5 * a;
}

}  // namespace

// ---------------------------------------------------------------- set-up

void Setup_Working_Section(int n) {
  const int us = pm.options.IUNITS == kUnitsUS;
  ws = WorkingSection{};
  if (n < 1 || n > kMaxSections) return;
  const PileSection& s = pm.pile.Section[n];
  ws.SectionNumber = n;
  ws.SectionType = s.SectionType;
  const double k = us ? 1000.0 : 1.0;  // psi to ksi in US customary runs

  ws.fc = s.ConcreteStrength / k;
  ws.fy = s.RebarYieldStress / k;
  ws.Es = s.RebarModulus / k;
  ws.AggregateSize = s.MaxAggregateSize;
  ws.ConcreteLaw = kConcreteStandard;
  ws.CoreConcreteLaw = kConcreteNone;
  ws.ReinforcementClass = kClassMildBars;
  ws.D = s.SectionDiameter;
  ws.W = s.SectionDiameter;

  const bool drilled_shaft = s.SectionType >= 1 && s.SectionType <= 3;
  const double cage_dy = drilled_shaft && s.b_CircularRebar ? s.CageOffset : 0.0;

  switch (s.SectionType) {
    case 0:
      ws.Layout = kLayoutRectangle;
      ws.D = s.SectionDepth;
      ws.W = s.SectionWidth;
      break;
    case 1:
      ws.Layout = kLayoutCircle;
      break;
    case 2:
      ws.Layout = kLayoutCircleCasing;
      break;
    case 3:
      ws.Layout = kLayoutCircleCasingCore;
      add_centre_core(s.CoreOuterDiameter, s.CoreWallThickness);
      ws.b_FillCoreWithConcrete = s.b_FillCoreWithConcrete;
      ws.CoreModulus = s.CoreModulus / k;
      ws.CoreYield = s.CoreYieldStress / k;
      ws.CoreConcreteLaw = kConcreteStandard;
      break;
    case 4:
      ws.Layout = kLayoutPipe;
      ws.ReinforcementClass = kClassSteelPipe;
      ws.ConcreteLaw = kConcreteNone;
      break;
    case 5: ws.Layout = kLayoutCircle; break;
    case 6:
      ws.Layout = kLayoutCircleCore;
      add_centre_core(s.VoidDiameter, 0);
      break;
    case 7:
      if (s.ChamferSize != 0) {
        ws.Layout = kLayoutPolygon;
        Build_Chamfered_Square(s.SectionDiameter, s.ChamferSize);
      } else {
        ws.Layout = kLayoutRectangle;
      }
      break;
    case 8:
      if (s.ChamferSize != 0) {
        ws.Layout = kLayoutPolygonCores;
        Build_Chamfered_Square(s.SectionDiameter, s.ChamferSize);
      } else {
        ws.Layout = kLayoutRectangleCore;
      }
      add_centre_core(s.VoidDiameter, 0);
      break;
    case 9:
      ws.Layout = kLayoutPolygon;
      Build_Octagon(s.SectionDiameter);
      break;
    case 10:
      ws.Layout = kLayoutPolygonCores;
      Build_Octagon(s.SectionDiameter);
      add_centre_core(s.VoidDiameter, 0);
      break;
    default:
      ws.Layout = kLayoutNone;  // not sliced
      return;
  }

  if (s.SectionType >= 2 && s.SectionType <= 4) {
    ws.CasingWall = s.CasingWallThickness;
    ws.CasingModulus = s.CasingModulus / k;
    ws.CasingYield = s.CasingYieldStress / k;
  }
  if (s.SectionType <= 3) {
    copy_bars(s, s.NumBars, cage_dy);
  } else if (s.SectionType >= 5) {
    // Strands: class by grade, modulus as catalogued (ksi in US customary
    // runs), fpu from psi.
    copy_bars(s, s.NumStrands, 0.0);
    ws.ReinforcementClass = strand_class(s.StrandType);
    ws.Es = s.RebarModulus;
    ws.fpu = us ? s.StrandUltimateStrength / 1000.0
                : s.StrandUltimateStrength * 6894.75732421875 / 1000.0;
    ws.FirstStrandSizeCode = s.StrandSizeCodes[1];
  }
}

// ---------------------------------------------------------------- outlines

void Build_Chamfered_Square(double B, double hc) {
  const double b = B / 2;
  const double x[8] = {b - hc, b, b, b - hc, -b + hc, -b, -b, -b + hc};
  const double y[8] = {-b, -b + hc, b - hc, b, b, b - hc, -b + hc, -b};
  ws.NumVertices = 8;
  for (int i = 0; i < 8; ++i) {
    ws.PolyX[i + 1] = x[i];
    ws.PolyY[i + 1] = y[i];
  }
}

void Build_Octagon(double B) {
  const double a = double(0.2071f) * B;
  const double b = B / 2;
  const double x[8] = {a, b, b, a, -a, -b, -b, -a};
  const double y[8] = {-b, -a, a, b, b, a, -a, -b};
  ws.NumVertices = 8;
  for (int i = 0; i < 8; ++i) {
    ws.PolyX[i + 1] = x[i];
    ws.PolyY[i + 1] = y[i];
  }
}

// ---------------------------------------------------------------- geometry

double fn_CircularSegmentArea(double d, double t) {
  if (d <= 0) return 0;
  double c = 1 - t / (d / 2);
  // Chords beyond the circle give an empty or a full circle.
  if (c > 1) c = 1;
  if (c < -1) c = -1;
  double phi;
  if (std::fabs(c) < 1e-12)
    phi = kPi / 2;
  else if (c > 0)
    phi = std::atan(std::sqrt(1 - c * c) / c);
  else
    phi = std::atan(std::sqrt(1 - c * c) / c) + kPi;
  return d * d / 8 * (2 * phi - std::sin(2 * phi));
}

double fn_PolygonAreaBelow(double y0) {
  int n = ws.NumVertices;
  if (n > kMaxOutlineVertices) n = kMaxOutlineVertices;
  return clipped_area_below(&ws.PolyX[1], &ws.PolyY[1], n, y0);
}

double fn_PolygonStripArea(double yhi, double ylo) { return fn_PolygonAreaBelow(yhi) - fn_PolygonAreaBelow(ylo); }

double fn_PolygonMinY() {
  double v = 0;
  for (int i = 1; i <= ws.NumVertices && i <= kMaxOutlineVertices; ++i)
    if (i == 1 || ws.PolyY[i] < v) v = ws.PolyY[i];
  return v;
}

double fn_PolygonMaxY() {
  double v = 0;
  for (int i = 1; i <= ws.NumVertices && i <= kMaxOutlineVertices; ++i)
    if (i == 1 || ws.PolyY[i] > v) v = ws.PolyY[i];
  return v;
}

int fn_FindSliceY(double y) {
  for (int i = 1; i <= ws.N; ++i)
    if (ws.B[i - 1] >= y && y > ws.B[i]) return i;
  return ws.N;
}

// ---------------------------------------------------------------- slicing

void Build_Slice_Grid() {
  ws.N = kNumSlices;
  ws.RealN = 100.0;
  switch (ws.Layout) {
    case kLayoutRectangle:
    case kLayoutRectangleCore:
      ws.ymax = ws.D / 2;
      ws.ymin = -ws.D / 2;
      ws.h = std::fabs(ws.ymax - ws.ymin) / ws.RealN;
      break;
    case kLayoutPolygon:
    case kLayoutPolygonCores:
      ws.ymin = fn_PolygonMinY();
      ws.ymax = fn_PolygonMaxY();
      ws.D = ws.ymax - ws.ymin;
      ws.W = ws.D;
      ws.h = std::fabs(ws.ymax - ws.ymin) / ws.RealN;
      break;
    default:  // circles
      ws.W = ws.D;
      ws.ymax = ws.D / 2;
      ws.ymin = -ws.D / 2;
      ws.h = ws.D / ws.RealN;
      break;
  }
  for (int k = 0; k <= ws.N; ++k) ws.B[k] = ws.ymax - k * ws.h;
}

void Calculate_Rebar_Slice_Areas() {
  if (ws.NumBars > kMaxSectionBars || ws.NumBars < 0) {
    report_unit()
        .line()
        .text("Error in Calculate_Rebar_Slice_Areas - NumBars out of valid range = ")
        .i0(ws.NumBars)
        .text(" (more than ")
        .i0(kMaxSectionBars)
        .text(" bars)")
        .end();
    return;
  }
  for (int b = 1; b <= ws.NumBars; ++b) {
    const double a = ws.BarArea[b];
    const double d = ws.BarDiameter[b];
    const double de = a > 0 ? std::sqrt(4 * a / kPi) : 0.0;
    cut_circle(de, d, ws.BarY[b] + d / 2, a, ws.BarSliceArea, +1);
  }
  for (int i = 1; i <= ws.N; ++i) ws.ConcreteArea[i] -= ws.BarSliceArea[i];
}

void Calculate_Casing_Slice_Areas() {
  const double D = ws.D, t = ws.CasingWall;
  for (int i = 1; i <= ws.N; ++i)
    ws.CasingSliceArea[i] = fn_CircularSegmentArea(D, i * ws.h) - fn_CircularSegmentArea(D, (i - 1) * ws.h);
  if (t > 0) {
    const double di = D - 2 * t;
    if (di > 0) cut_circle(di, di, D / 2 - t, kPi / 4 * di * di, ws.CasingSliceArea, -1);
  }
  if (ws.Layout != kLayoutPipe)
    for (int i = 1; i <= ws.N; ++i) ws.ConcreteArea[i] -= ws.CasingSliceArea[i];
}

void Calculate_Core_Slice_Areas() {
  ws.CoreTopSlice = ws.N + 1;
  ws.CoreBottomSlice = 0;
  const int cores = ws.NumCores < kMaxCores ? ws.NumCores : kMaxCores;
  for (int c = 1; c <= cores; ++c) {
    const double d = ws.CoreDiameter[c];
    if (d <= 0) continue;
    const double top = ws.CoreY[c] + d / 2;
    const int kt = fn_FindSliceY(top), kb = fn_FindSliceY(top - d);
    if (kt < ws.CoreTopSlice) ws.CoreTopSlice = kt;
    if (kb > ws.CoreBottomSlice) ws.CoreBottomSlice = kb;
    // Outer circle: removed from the concrete, counted as core steel.
    SliceArray<double> outer{};
    cut_circle(d, d, top, kPi / 4 * d * d, outer, +1);
    for (int i = 1; i <= ws.N; ++i) ws.ConcreteArea[i] -= outer[i];
    const double t = ws.CoreWall[c];
    if (t > 0 || ws.b_FillCoreWithConcrete) {
      SliceArray<double> inner{};
      const double di = d - 2 * t;
      if (di > 0) cut_circle(di, di, top - t, kPi / 4 * di * di, inner, +1);
      for (int i = 1; i <= ws.N; ++i) {
        ws.CoreSteelArea[i] += outer[i] - inner[i];
        if (ws.b_FillCoreWithConcrete) ws.CoreConcreteArea[i] += inner[i];
      }
    }
  }
  if (ws.CoreTopSlice > ws.CoreBottomSlice) {  // no core
    ws.CoreTopSlice = 1;
    ws.CoreBottomSlice = 0;
  }
}

void Calculate_Slice_Areas() {
  ws.ConcreteArea.fill(0);
  ws.BarSliceArea.fill(0);
  ws.CasingSliceArea.fill(0);
  ws.CoreSteelArea.fill(0);
  ws.CoreConcreteArea.fill(0);
  const int L = ws.Layout;
  const int N = ws.N;
  switch (L) {
    case kLayoutRectangle:
    case kLayoutRectangleCore:
      for (int i = 1; i <= N; ++i) ws.ConcreteArea[i] = ws.D * ws.W / ws.RealN;
      break;
    case kLayoutPolygon:
    case kLayoutPolygonCores:
      for (int i = 1; i <= N; ++i) ws.ConcreteArea[i] = fn_PolygonAreaBelow(ws.B[i - 1]) - fn_PolygonAreaBelow(ws.B[i]);
      break;
    case kLayoutCircle:
    case kLayoutCircleCore:
    case kLayoutCircleCasing:
    case kLayoutCircleCasingCore:
      for (int i = 1; i <= N; ++i)
        ws.ConcreteArea[i] = fn_CircularSegmentArea(ws.D, i * ws.h) - fn_CircularSegmentArea(ws.D, (i - 1) * ws.h);
      break;
    default:
      break;
  }
  if (L != kLayoutPipe && L != kLayoutNone) Calculate_Rebar_Slice_Areas();
  if (L == kLayoutCircleCasing || L == kLayoutCircleCasingCore || L == kLayoutPipe) Calculate_Casing_Slice_Areas();
  if (L == kLayoutRectangleCore || L == kLayoutCircleCore || L == kLayoutCircleCasingCore || L == kLayoutPolygonCores)
    Calculate_Core_Slice_Areas();
  ws.NetConcreteArea = 0;
  ws.TotalBarArea = 0;
  for (int i = 1; i <= N; ++i) {
    ws.NetConcreteArea += ws.ConcreteArea[i];
    ws.TotalBarArea += ws.BarSliceArea[i];
  }
}

void Calculate_Slice_Centroids() {
  ws.y[1] = ws.D / (2 * ws.RealN);
  for (int i = 1; i < ws.N; ++i) ws.y[i + 1] = ws.y[i] + ws.D / ws.RealN;
}

void Initialize_EI_Vars() {
  if (ws.Layout == kLayoutNone) return;
  Build_Slice_Grid();
  Calculate_Slice_Areas();
  if (stopped()) return;
  Calculate_Slice_Centroids();
  Set_Material_Parameters();
  if (stopped()) return;
  ws.eps_ps = 0;
  ws.eps_pc = 0;
  if (ws.ReinforcementClass >= 3) Calculate_Strains_Due_To_Prestressing();
}

}  // namespace kavro
