#include "analysis/nodes.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "soil/py_curve_set.h"
#include "soil/py_models.h"
#include "soil/soil_profile.h"

namespace kavro {

NodeTable nodes;

namespace {

double lerp(double a, double b, double t) { return a + (b - a) * t; }

// Number of pile property points actually defined.
int num_property_points() {
  const PileSections& p = pm.pile;
  int n = p.NumSectionBoundaries > 0 ? p.NumSectionBoundaries : 2 * p.NumSections;
  return std::clamp(n, 0, kMaxSectionBoundaries);
}

PileProperties point_properties(int k) {
  const PilePropertyPoint& q = pm.pile.PropertyPoint[k];
  PileProperties r;
  r.Width = q.Width;
  r.SecondWidth = q.SecondWidth;
  r.Inertia = q.MomentOfInertia;
  r.Area = q.Area;
  r.EI = q.Modulus * q.MomentOfInertia;
  return r;
}

// Elastic and elastic-plastic sections may taper: their properties follow
// from the shape and the dimensions interpolated at z.
void recompute_elastic(const PileSection& sec, double z, PileProperties& r) {
  constexpr double pi = std::numbers::pi;
  const double len = sec.SectionBottomX - sec.SectionTopX;
  const double t = len > 0.0 ? std::clamp((z - sec.SectionTopX) / len, 0.0, 1.0) : 0.0;
  const double w = lerp(sec.TopWidth, sec.BottomWidth, t);
  const double d = lerp(sec.TopDepth, sec.BottomDepth, t);
  switch (sec.SectionShape) {
    case 1:  // rectangular
      r.Width = w;
      r.Area = w * d;
      r.Inertia = w * d * d * d / 12.0;
      break;
    case 2:  // solid circular
      r.Width = w;
      r.Area = pi / 4.0 * w * w;
      r.Inertia = pi / 64.0 * w * w * w * w;
      break;
    case 3: {  // pipe: outside diameter w, wall d
      const double di = w - 2.0 * d;
      r.Width = w;
      r.Area = pi / 4.0 * (w * w - di * di);
      r.Inertia = pi / 64.0 * (w * w * w * w - di * di * di * di);
      break;
    }
    case 6:  // embedded pole: width is the drilled hole, the pole diameter carries the section
      r.SecondWidth = w;
      r.Area = pi / 4.0 * w * w;
      r.Inertia = pi / 64.0 * w * w * w * w;
      break;
    default:  // H shapes are given by area and moment of inertia
      break;
  }
  r.EI = sec.ElasticModulus * r.Inertia;
}

}  // namespace

bool soil_movements_given() {
  return pm.options.UseSoilMovement && pm.data.NumSoilMovementPoints >= 2;
}

int Section_At_X(double x) {
  const int ns = std::clamp(pm.pile.NumSections, 0, kMaxSections);
  int found = 1;
  for (int s = 1; s <= ns; ++s) {
    const PileSection& sec = pm.pile.Section[s];
    if (sec.SectionTopX < x && x <= sec.SectionBottomX) found = s;
  }
  return found;
}

PileProperties Pile_Properties_At_X(double z) {
  const int np = num_property_points();
  if (np == 0) return PileProperties{};
  const auto& D = pm.pile.SectionBoundaryX;

  int seg = 0;
  for (int k = 1; k < np; ++k) {
    if (z <= D[k + 1]) {
      seg = k;
      break;
    }
  }
  PileProperties r;
  int sec = 0;
  if (z == D[np] || seg == 0) {
    r = point_properties(np);
    sec = (np + 1) / 2;
  } else if (z == D[seg + 1]) {
    r = point_properties(seg + 1);
    r.SecondWidth = nodes.LastSecondWidth;
    sec = (seg + 2) / 2;
  } else {
    const PileProperties a = point_properties(seg), b = point_properties(seg + 1);
    const double t = (z - D[seg]) / (D[seg + 1] - D[seg]);
    r.Width = lerp(a.Width, b.Width, t);
    r.SecondWidth = lerp(a.SecondWidth, b.SecondWidth, t);
    r.Inertia = lerp(a.Inertia, b.Inertia, t);
    r.Area = lerp(a.Area, b.Area, t);
    r.EI = a.EI + (b.EI - a.EI) * (z - D[seg]) / (D[seg + 1] - D[seg]);
    sec = (seg + 1) / 2;
  }
  if (sec >= 1 && sec <= std::min(pm.pile.NumSections, kMaxSections)) {
    const PileSection& s = pm.pile.Section[sec];
    if (s.SectionType == 11 || s.SectionType == 12) recompute_elastic(s, z, r);
  }
  nodes.LastSecondWidth = r.SecondWidth;
  return r;
}

double Distributed_Load_At_Node(double x) {
  const Loading& ld = pm.loads;
  const int np = std::min(ld.NumDistLoadPoints, kMaxDistLoadPoints);
  const double L = nodes.PileLength, h = nodes.h;
  if (np < 2 || !(h > 0.0)) return 0.0;
  const auto& X = ld.DistLoadX;
  const auto& w = ld.DistLoadIntensity;

  double a = std::max(0.0, x - h / 2.0);
  const double b = std::min(L, x + h / 2.0);
  if (b <= X[1] || a >= X[np]) return 0.0;
  if (a < X[1]) a = X[1];

  double sum = 0.0;
  for (int k = 1; k < np; ++k) {
    const double x0 = X[k], x1 = X[k + 1];
    if (!(x1 > x0)) continue;
    const double lo = std::max(a, x0), hi = std::min(b, x1);
    if (!(hi > lo)) continue;
    const double wlo = w[k] + (w[k + 1] - w[k]) * (lo - x0) / (x1 - x0);
    const double whi = w[k] + (w[k + 1] - w[k]) * (hi - x0) / (x1 - x0);
    sum += 0.5 * (wlo + whi) * (hi - lo);
  }
  const double span = (x == 0.0 || x == L) ? h / 2.0 : h;
  return sum / span;
}

void Compute_Soil_Movements() {
  const int nn = nodes.NumNodes;
  for (int m = 1; m <= nn; ++m) nodes.SoilMovementAtNode[m] = 0.0;
  if (!soil_movements_given()) return;
  const AnalysisData& d = pm.data;
  const int np = std::min(d.NumSoilMovementPoints, kMaxSoilMovementPoints);
  const auto& X = d.SoilMovementX;
  const auto& v = d.SoilMovementValue;
  int j = 2;  // scan position, carried from node to node
  for (int m = 1; m <= nn; ++m) {
    const double xm = nodes.x[m];
    if (xm < X[1] || xm > X[np]) continue;
    while (j < np && xm > X[j]) ++j;
    const double dx = X[j] - X[j - 1];
    nodes.SoilMovementAtNode[m] =
        dx < 1e-5 ? 0.5 * (v[j] + v[j - 1]) : v[j - 1] + (xm - X[j - 1]) * (v[j] - v[j - 1]) / dx;
  }
}

void Build_Node_Table(double pile_length) {
  const int n = std::clamp(pm.options.NumIncrements, 1, kMaxIncrements);
  nodes.NumIncrements = n;
  nodes.NumNodes = n + 1;
  nodes.PileLength = pile_length;
  nodes.h = pile_length / n;
  const double cb = std::cos(pm.data.BatterAngle);
  for (int m = 1; m <= n + 1; ++m) {
    nodes.x[m] = (m - 1) * nodes.h;
    nodes.xv[m] = nodes.x[m] * cb;
  }
  if (nodes.x[n + 1] != pile_length) nodes.x[n + 1] = pile_length;

  for (int m = 1; m <= n + 1; ++m) {
    nodes.Section[m] = m == 1 ? 1 : Section_At_X(nodes.x[m]);
    nodes.EI[m] = Pile_Properties_At_X(nodes.x[m]).EI;
    nodes.DistributedLoad[m] = Distributed_Load_At_Node(nodes.x[m]);
    nodes.SoilMovementForce[m] = nodes.DistributedLoad[m];
  }
  Compute_Soil_Movements();
}

void Set_Starting_Soil_Moduli() {
  const double ground = pm.soil.GroundSurfaceDepth;
  nodes.y.fill(0.0);
  for (int m = 1; m <= nodes.NumNodes; ++m) {
    nodes.SoilModulusEs[m] = ground > nodes.xv[m] ? 0.0 : 50000.0;
    nodes.SoilMovementForce[m] = nodes.SoilModulusEs[m] * nodes.SoilMovementAtNode[m] + nodes.DistributedLoad[m];
  }
  const int nl = std::clamp(pm.soil.i_Number_of_Layers, 0, kMaxLayers);
  for (int L = 1; L <= nl; ++L) {
    if (layer_model(L) != SoilModel::VuggyLimestone || layer_nodes.i_TopNodeInLayer[L] == 0) continue;
    pyset.CurrentTopNode = layer_nodes.i_TopNodeInLayer[L];
    pyset.CurrentBottomNode = layer_nodes.i_BottomNodeInLayer[L];
    PY_Vuggy_Limestone(L);
    if (stopped()) return;
  }
}

void Report_Layer_Too_Thin(int L) {
  const double thickness = pm.soil.XLayerBottom[L] - pm.soil.XLayerTop[L];
  const double length = nodes.PileLength;
  const int increments = nodes.NumNodes - 1;
  const double increment = increments > 0 ? length / increments : 0.0;
  const double estimate = std::trunc(length / thickness);
  const long long minimum =
      std::isfinite(estimate) && std::fabs(estimate) < double(INT_MAX) ? static_cast<long long>(estimate) : INT_MAX;
  const std::string& unit = pm.labels.ComputationLength;

  for (OutputUnit* u : {&report_unit(), &runtime_unit()}) {
    const bool report = u == &report_unit();
    u->blank(2);
    u->put("**** Runtime Error No. 29 ****");
    u->blank();
    u->line().text("Problem:  The thickness of layer ").i0(L).text(" was too thin to contain a nodal point.").end();
    if (report)
      u->put("          This layer lacks a nodal point and this prevents the correct computation of p-y curves "
             "for the layer . ");
    else
      u->put("          This layer lacks a nodal point and this prevents the correct computation of the layer's "
             "p-y curves. ");
    u->line()
        .text("          The thickness of layer ")
        .i0(L)
        .text(" is ")
        .f(9, 3, thickness)
        .text(" ")
        .text(unit)
        .text(" and the pile increment length is ")
        .f(9, 3, increment)
        .text(" ")
        .text(unit)
        .end();
    u->line().text("          The current number of pile increments is ").i0(increments).text(".").end();
    u->line()
        .text("          The estimated minimum number of increments needed to get at least one nodal point in "
              "the layer is ")
        .i0(minimum)
        .text(".")
        .end();
    u->blank();
    u->put("Solution: Increase the number of pile increments. Up to 500 pile increments are allowed in Kavro.");
    u->put("          If this error occurs with the maximum number of pile increments, you will need to combine "
           "the thinnest");
    u->put("          soil layer with an adjacent layer.");
    u->blank(2);
  }
  pm.FatalErrorValue = 229;
}

}  // namespace kavro
