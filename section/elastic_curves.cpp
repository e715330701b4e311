// Bending curves of the sections that are not sliced: elastic, elastic with
// a specified moment capacity, and input moment-stiffness curves. Each fills
// the moment-curvature tables of its section for every thrust, as the
// moment-curvature analysis does for sliced sections.
//
// Table units: kips and inches in US customary runs (section input in pound
// units is divided by 1000), kN and m otherwise.
#include "section/elastic_curves.h"

#include <cmath>
#include <numbers>

#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "report/plot_records.h"
#include "section/moment_curvature.h"
#include "section/user_curves.h"

namespace kavro {

Indexed<double, kMaxIncrements + 5> Mcap;

namespace {

bool us_units() { return pm.options.IUNITS == kUnitsUS; }
double to_table(double v) { return us_units() ? v / 1000.0 : v; }  // pound to kip units

// Stores a thrust's curve count and capacity (x1000 in US customary units).
void store_thrust(int n, int j, int np, double Mn_table) {
  mct.NumPoints[n][j] = np;
  mct.Mn[n][j] = us_units() ? Mn_table * 1000.0 : Mn_table;
  mct.Thrust[j] = mc.Thrust[j];
}

void write_curve_records(CurveRecordKind kind, int n, int j) {
  const int np = mct.NumPoints[n][j];
  Plot_Line_4(kind, np, mct.Thrust[j], us_units() ? mct.Mn[n][j] / 1000.0 : mct.Mn[n][j], n);
  for (int k = 1; k <= np; ++k) Plot_Line_5(kind, mct.M[n][j][k], mct.EI[n][j][k], mct.Curvature[n][j][k], n, j, k);
}

// Thrust list of the elastic curves: the LRFD thrusts or the thrust list.
int elastic_thrusts() {
  Copy_Thrust_List();
  mct.NumThrusts = mc.NumThrusts;
  return mc.NumThrusts;
}

// Section modulus of an elastic-plastic shape at position x along the pile,
// from its dimensions interpolated between the top and bottom of section s
// (0 for the shapes given by area and inertia).
double section_modulus_at(const PileSection& s, double x) {
  const double len = s.SectionBottomX - s.SectionTopX;
  const double f = len > 0 ? (x - s.SectionTopX) / len : 0.0;
  auto lerp = [f](double top, double bottom) { return top + (bottom - top) * f; };
  constexpr double pi = std::numbers::pi;
  switch (s.SectionShape) {
    case 1: {  // rectangle, depth in the bending direction
      const double b = lerp(s.TopWidth, s.BottomWidth), d = lerp(s.TopDepth, s.BottomDepth);
      return d > 0 ? (b * d * d * d / 12.0) / (d / 2.0) : 0.0;
    }
    case 2:
    case 6: {
      const double d = lerp(s.TopWidth, s.BottomWidth);
      return d > 0 ? (pi / 64.0 * d * d * d * d) / (d / 2.0) : 0.0;
    }
    case 3: {
      const double d = lerp(s.TopWidth, s.BottomWidth), t = lerp(s.TopDepth, s.BottomDepth);
      const double di = d - 2.0 * t;
      return d > 0 ? (pi / 64.0 * (d * d * d * d - di * di * di * di)) / (d / 2.0) : 0.0;
    }
    default:
      return 0.0;
  }
}

// Moment capacity of the nodes inside elastic-plastic section n. The yield
// stress comes from the plastic moment and the section modulus at the top
// (the bending-direction dimension: depth of a rectangle, diameter
// otherwise), so the capacity at the top is the specified one and falls or
// grows with the section modulus of a tapered section. H shapes keep the
// top value. The head node belongs to the first section and takes its top
// capacity from that section only: an elastic-plastic section further down
// must not give the head its own capacity.
void assign_node_capacities(int n) {
  const PileSection& s = pm.pile.Section[n];
  const double Mp = s.TopMomentCapacity;
  if (n == 1) Mcap[1] = Mp;
  const int num_nodes = pm.NumNodes;
  if (num_nodes < 2 || num_nodes > kMaxIncrements + 1) return;
  double h_top = s.SectionShape == 1 ? s.TopDepth : s.TopWidth;
  const double sigma_y = s.TopInertia != 0.0 ? Mp * (h_top / 2.0) / s.TopInertia : 0.0;
  const bool h_shape = s.SectionShape == 4 || s.SectionShape == 5;
  for (int m = 2; m <= num_nodes; ++m) {
    const double x = pm.PileStation[m - 1];
    if (!(x > s.SectionTopX && x <= s.SectionBottomX)) continue;
    Mcap[m] = h_shape ? Mp : sigma_y * section_modulus_at(s, x);
    runtime_unit().line().text("Node ").i(3, m).text("   Mcap = ").f(15, 1, Mcap[m]).end();
  }
}

}  // namespace

void Compute_Elastic_EI_Curves(int n) {
  if (n < 1 || n > kMaxSections) return;
  const PileSection& s = pm.pile.Section[n];
  const double EIt = to_table(s.ElasticModulus * s.TopInertia);
  const int NT = elastic_thrusts();
  if (n == 1) Plot_Line_3(CurveRecordKind::Elastic, NT);
  for (int j = 1; j <= NT; ++j) {
    for (int k = 1; k <= kMaxCurvePoints; ++k) {
      const double phi = 10.0 * k;
      double M = phi * EIt;
      if (std::fabs(M) < 9.9999e-99) M = 0.0;
      mct.Curvature[n][j][k] = phi;
      mct.EI[n][j][k] = EIt;
      mct.M[n][j][k] = M;
    }
    // A straight line has no capacity of its own: recorded as 0.
    store_thrust(n, j, kMaxCurvePoints, 0.0);
    write_curve_records(CurveRecordKind::Elastic, n, j);
  }
  report_unit().put("Moment-curvature properties were derived from elastic section properties");
  report_unit().blank(2);
}

void Compute_Elastic_Plastic_EI_Curves(int n) {
  if (n < 1 || n > kMaxSections) return;
  const PileSection& s = pm.pile.Section[n];
  const double EIt = s.ElasticModulus * s.TopInertia;
  const double Mp = s.TopMomentCapacity;
  const double Y = EIt != 0.0 ? Mp / EIt / 100.0 : 0.0;
  const int NT = elastic_thrusts();
  if (n == 1) Plot_Line_3(CurveRecordKind::ElasticPlastic, NT);
  for (int j = 1; j <= NT; ++j) {
    for (int k = 1; k <= 100; ++k) {
      const double phi = k * Y;
      mct.Curvature[n][j][k] = phi;
      mct.M[n][j][k] = to_table(EIt * phi);
      mct.EI[n][j][k] = to_table(EIt);
    }
    for (int l = 1; l <= 50; ++l) {
      const double phi = 100.0 * Y + 20.0 * Y * l;
      const double M = (1.0 + l * 2e-8) * Mp;
      mct.Curvature[n][j][100 + l] = phi;
      mct.M[n][j][100 + l] = to_table(M);
      mct.EI[n][j][100 + l] = phi != 0.0 ? to_table(M / phi) : to_table(EIt);
    }
    store_thrust(n, j, kMaxCurvePoints, mct.M[n][j][kMaxCurvePoints]);
    write_curve_records(CurveRecordKind::ElasticPlastic, n, j);
  }
  report_unit().put("Moment-curvature properties were derived from elastic-plastic section properties");
  report_unit().blank(2);
  assign_node_capacities(n);
}

void Compute_User_EI_Curves(int n) {
  if (n < 1 || n > kMaxSections) return;
  const PileSection& s = pm.pile.Section[n];
  const bool us = us_units();
  // The section's curves replace the thrust list for it and every later
  // section. Curve thrusts are input in the force unit (pounds in US
  // customary runs, as the echo labels them); the list holds kips.
  int NT = s.NumUserEIThrusts;
  if (NT < 0) NT = 0;
  if (NT > kMaxCurveThrusts) NT = kMaxCurveThrusts;
  pm.loads.NumEIThrusts = NT;
  for (int j = 1; j <= NT; ++j) pm.loads.EIThrustList[j] = us ? s.UserEIThrust[j] / 1000.0 : s.UserEIThrust[j];
  mc.NumThrusts = NT;
  for (int j = 1; j <= NT; ++j) mc.Thrust[j] = pm.loads.EIThrustList[j];
  mct.NumThrusts = NT;
  if (n == 1) Plot_Line_3(CurveRecordKind::UserMEI, NT);

  for (int j = 1; j <= NT; ++j) {
    int u = s.NumUserEIPoints[j];
    if (u < 0) u = 0;
    if (u > kMaxUserEIPoints) u = kMaxUserEIPoints;
    // Input points, with a zero-moment point in front when the curve does
    // not start at zero moment.
    double PM[kMaxUserEIPoints + 1], PEI[kMaxUserEIPoints + 1];
    int np_in = 0;
    if (u > 0 && s.UserEI_M[j][1] != 0.0) {
      PM[np_in] = 0.0, PEI[np_in] = s.UserEI_EI[j][1];
      ++np_in;
    }
    const int t = np_in;
    for (int k = 1; k <= u; ++k) PM[np_in] = s.UserEI_M[j][k], PEI[np_in] = s.UserEI_EI[j][k], ++np_in;
    const int segments = t + u - 1;
    const int S = segments > 0 ? (kMaxCurvePoints - u) / segments : 0;

    int np = 0;
    auto add = [&](double M, double EI) {
      ++np;
      mct.M[n][j][np] = M;
      mct.EI[n][j][np] = EI;
      mct.Curvature[n][j][np] = EI != 0.0 ? M / EI : 0.0;
    };
    if (S >= 1) {
      for (int k = 0; k + 1 < np_in; ++k) {
        add(PM[k], PEI[k]);
        for (int v = 1; v <= S - 1; ++v)
          add(PM[k] + v * (PM[k + 1] - PM[k]) / S, PEI[k] + v * (PEI[k + 1] - PEI[k]) / S);
      }
      add(PM[np_in - 1], PEI[np_in - 1]);
    } else {
      // Too many input points to refine: the points as given, the zero point
      // kept only when the table holds it.
      const int first = np_in > kMaxCurvePoints ? np_in - kMaxCurvePoints : 0;
      for (int k = first; k < np_in; ++k) add(PM[k], PEI[k]);
    }
    double Mn = 0.0;
    for (int k = 1; k <= np; ++k) {
      if (us) {
        mct.M[n][j][k] /= 1000.0;
        mct.EI[n][j][k] /= 1000.0;
      }
      if (k == 1 || mct.M[n][j][k] > Mn) Mn = mct.M[n][j][k];
    }
    store_thrust(n, j, np, Mn);
    write_curve_records(CurveRecordKind::UserMEI, n, j);
    if (j == 1) {
      OutputUnit& r = report_unit();
      r.line().text("Moment-Curvature properties for Section ").i0(n).text(" were determined from input nonlinear ").end();
      r.put("M-EI properties. Bending stiffness values for computations will be determined by ");
      r.put("interpolation along and in between curves using curvature and axial thrust values. ");
      r.blank();
    }
  }
}

}  // namespace kavro
