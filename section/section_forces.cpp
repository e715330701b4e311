// Section forces, neutral-axis search and bending moment.
#include "section/section_forces.h"

#include <cmath>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "section/materials.h"
#include "section/moment_curvature.h"

namespace kavro {

SectionForceState sf;

namespace {

double sum_force(const SliceArray<double>& sig, const SliceArray<double>& area, int k1, int k2) {
  double f = 0;
  for (int i = k1; i <= k2; ++i) f += sig[i] * area[i];
  return f;
}

double sum_moment(const SliceArray<double>& sig, const SliceArray<double>& area, int k1, int k2) {
  const double half = ws.D / 2;
  double m = 0;
  for (int i = k1; i <= k2; ++i) m += sig[i] * area[i] * (half - ws.y[i]);
  return m;
}

bool has_casing(int L) { return L == kLayoutCircleCasing || L == kLayoutCircleCasingCore || L == kLayoutPipe; }
bool has_core(int L) {
  return L == kLayoutRectangleCore || L == kLayoutCircleCore || L == kLayoutCircleCasingCore ||
         L == kLayoutPolygonCores;
}
bool core_present() { return ws.NumCores >= 1 && ws.CoreDiameter[1] > 0; }
bool core_concrete_present() {
  return ws.Layout == kLayoutCircleCasingCore && ws.CoreConcreteLaw == kConcreteStandard &&
         ws.b_FillCoreWithConcrete;
}

}  // namespace

double Compute_Concrete_Force(double c) {
  Concrete_Stresses(c, sf.phi, sf.eps, sf.sigConcrete);
  return sum_force(sf.sigConcrete, ws.ConcreteArea, 1, ws.N);
}

double Compute_Rebar_Force() {
  Bar_Stresses(sf.eps, sf.sigBar);
  return sum_force(sf.sigBar, ws.BarSliceArea, 1, ws.N);
}

double Compute_Casing_Force() {
  Casing_Stresses(sf.eps, sf.sigCasing);
  if (ws.CasingWall <= 0) return 0;
  return sum_force(sf.sigCasing, ws.CasingSliceArea, 1, ws.N);
}

double Compute_Core_Force() {
  Core_Steel_Stresses(sf.eps, sf.sigCore);
  if (!core_present()) return 0;
  return sum_force(sf.sigCore, ws.CoreSteelArea, ws.CoreTopSlice, ws.CoreBottomSlice);
}

double Compute_Concrete_Force_Inside_Core(double c) {
  Core_Concrete_Stresses(c, sf.phi, sf.eps, sf.sigCoreConcrete);
  if (!core_concrete_present()) return 0;
  return sum_force(sf.sigCoreConcrete, ws.CoreConcreteArea, 1, ws.N);
}

double Compute_Axial_Thrust_Force(double c) {
  ++sf.Evaluations;
  const int N = ws.N;
  const double phi = sf.phi;
  for (int i = 1; i <= N; ++i) sf.eps[i] = (c - ws.y[i]) * phi;
  const int L = ws.Layout;
  sf.Fconcrete = sf.Fbar = sf.Fcasing = sf.Fcore = sf.FcoreConcrete = 0;
  if (L != kLayoutPipe) {
    sf.Fconcrete = Compute_Concrete_Force(c);
    sf.Fbar = Compute_Rebar_Force();
  }
  if (has_casing(L)) sf.Fcasing = Compute_Casing_Force();
  if (has_core(L)) sf.Fcore = Compute_Core_Force();
  if (L == kLayoutCircleCasingCore) sf.FcoreConcrete = Compute_Concrete_Force_Inside_Core(c);
  sf.Ftotal = sf.Fconcrete + sf.Fbar + sf.Fcasing + sf.Fcore + sf.FcoreConcrete;
  return sf.Ftotal;
}

void Find_Neutral_Axis(int j) {
  const int k = mc_point;
  const bool us = pm.options.IUNITS == kUnitsUS;
  const double h = us ? 1e-7 : 2.54e-9;
  const double tol = us ? 1e-6 : 2.54e-8;
  const double P = mc.Thrust[j];
  const double D = ws.D;
  sf.phi = mc.Curvature[j][k];
  ++sf.Searches;

  double x = sf.CarriedC;
  if (std::fabs(x) > D) x = D / 2;
  double best_x = x, best_w = 0;
  for (int it = 1;; ++it) {
    ++sf.Iterations;
    const double w = Compute_Axial_Thrust_Force(x) - P;
    const double fm = Compute_Axial_Thrust_Force(x - h);
    const double fp = Compute_Axial_Thrust_Force(x + h);
    const double s = (fp - fm) / (2 * h);
    if (it == 1 || std::fabs(w) < std::fabs(best_w)) {
      best_x = x;
      best_w = w;
    }
    const double delta = s == 0 ? 1e-8 : -w / s;
    const double x_new = x + delta;
    sf.CarriedC = x_new;
    if (it >= 1000) {
      OutputUnit& r = report_unit();
      r.put("**** Runtime Error No. 16 ****");
      r.blank();
      r.put("Location of neutral axis was not found within 1,000 iterations.");
      stop_runtime_error(16);
      return;
    }
    if (std::fabs(delta) > tol) {
      x = x_new;
      continue;
    }
    if (std::fabs(w) > std::fabs(best_w)) {
      x = best_x;
      sf.CarriedC = best_x;
      continue;
    }
    mc.NeutralAxis[j][k] = x_new;
    return;
  }
}

double Compute_Section_Moment() {
  const int N = ws.N;
  sf.Mconcrete = sum_moment(sf.sigConcrete, ws.ConcreteArea, 1, N);
  sf.Mbar = sum_moment(sf.sigBar, ws.BarSliceArea, 1, N);
  sf.Mcasing = ws.CasingWall > 0 ? sum_moment(sf.sigCasing, ws.CasingSliceArea, 1, N) : 0.0;
  sf.Mcore = core_present() ? sum_moment(sf.sigCore, ws.CoreSteelArea, ws.CoreTopSlice, ws.CoreBottomSlice) : 0.0;
  sf.McoreConcrete = core_concrete_present() ? sum_moment(sf.sigCoreConcrete, ws.CoreConcreteArea, 1, N) : 0.0;
  double m = 0;
  switch (ws.Layout) {
    case kLayoutRectangleCore: m = sf.Mconcrete + sf.Mbar + sf.Mcore; break;
    case kLayoutCircleCore: m = sf.Mconcrete + sf.Mbar + sf.Mcore + sf.McoreConcrete; break;
    case kLayoutCircleCasingCore: m = sf.Mconcrete + sf.Mbar + sf.Mcore + sf.McoreConcrete + sf.Mcasing; break;
    case kLayoutCircleCasing: m = sf.Mconcrete + sf.Mbar + sf.Mcasing; break;
    case kLayoutPipe: m = sf.Mcasing; break;
    default: m = sf.Mconcrete + sf.Mbar; break;  // 1, 3, 10, 11
  }
  sf.Mtotal = m;
  return m;
}

void Compute_Moment(int j) {
  const int k = mc_point;
  double m = Compute_Section_Moment();
  const bool pipe = ws.Layout == kLayoutPipe;
  if (!pipe && k >= 2 && mc.M[j][k - 1] > m) m = mc.M[j][k - 1];
  const double phi = mc.Curvature[j][k];
  const double c = mc.NeutralAxis[j][k];
  mc.M[j][k] = m;
  mc.EI[j][k] = phi != 0 ? m / phi : 0.0;
  mc.MaxCompStrain[j][k] = pipe ? phi * c : phi * c + ws.eps_pc;
  mc.MaxTensStrain[j][k] = phi * (c - ws.D);
}

}  // namespace kavro
