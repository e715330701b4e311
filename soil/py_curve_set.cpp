#include "soil/py_curve_set.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/nodes.h"
#include "engine/errors.h"
#include "engine/output_unit.h"
#include "report/plot_records.h"
#include "soil/py_models.h"
#include "soil/py_sweep.h"
#include "soil/soil_coefficients.h"

namespace kavro {

PYCurveSetState pyset;

void Reset_Layering_State() {
  EquivalentTopDepth().fill(kEquivalentDepthUnset);
  LayerBelowExempt().fill(0);
}

namespace {

void call_model(SoilModel m, int L) {
  switch (m) {
    case SoilModel::SoftClay: PY_Soft_Clay(L); break;
    case SoilModel::SoftClayJ: PY_Soft_Clay_J(L); break;
    case SoilModel::StiffClayFreeWater: PY_Stiff_Clay_Free_Water(L); break;
    case SoilModel::StiffClayNoWater: PY_Stiff_Clay_No_Water(L); break;
    case SoilModel::StiffClayNoWaterK: PY_Stiff_Clay_No_Water_K(L); break;
    case SoilModel::SandReese: PY_Sand_Reese(L); break;
    case SoilModel::APISand: PY_API_Sand(L); break;
    case SoilModel::LiquefiedSand: PY_Liquefied_Sand(L); break;
    case SoilModel::CementedSilt: PY_Cemented_Silt(L); break;
    case SoilModel::UserInput: PY_User_Input(L); break;
    case SoilModel::WeakRock: PY_Weak_Rock(L); break;
    case SoilModel::VuggyLimestone: PY_Vuggy_Limestone(L); break;
    case SoilModel::MassiveRock: PY_Massive_Rock(L); break;
    case SoilModel::Loess: PY_Loess(L); break;
    case SoilModel::Piedmont: PY_Piedmont(L); break;
    case SoilModel::ElasticSubgrade: PY_Elastic_Subgrade(L); break;
    case SoilModel::None: break;  // "Frz Soil" and the like: the nodes keep their modulus
  }
}

// Layers of rock (and of Piedmont soil and elastic subgrade) end the
// layering correction for every layer below them.
void update_exemption(SoilModel m, int L) {
  auto& exempt = LayerBelowExempt();
  switch (m) {
    case SoilModel::SoftClay:
    case SoilModel::SoftClayJ:
    case SoilModel::StiffClayFreeWater:
    case SoilModel::StiffClayNoWater:
    case SoilModel::StiffClayNoWaterK:
    case SoilModel::SandReese:
    case SoilModel::APISand:
    case SoilModel::LiquefiedSand:
    case SoilModel::CementedSilt:
    case SoilModel::Loess:
      if (pyset.RockAboveCount > 0) exempt[L] = -1;
      break;
    case SoilModel::WeakRock:
      pyset.RockAboveCount += 1;
      exempt[L] = -1;
      break;
    case SoilModel::VuggyLimestone:
    case SoilModel::MassiveRock:
    case SoilModel::Piedmont:
    case SoilModel::ElasticSubgrade:
      if (pyset.RockAboveCount > 0) exempt[L] = -1;
      pyset.RockAboveCount += 1;
      break;
    case SoilModel::UserInput:
    case SoilModel::None:
      break;
  }
}

void sweep(bool first_pass) {
  pyset.FirstPass = first_pass;
  pyset.RockAboveCount = 0;
  if (first_pass && !pyset.PrintPyMode) {
    // Each solution starts from the same state: a layer whose model writes
    // no integral (frozen soil, loess, ...) adds nothing to the layers below,
    // whatever an earlier run in the process left there.
    pyset.LayerPuIntegral.fill(0.0);
    pyset.LayerPuIntegralLiq.fill(0.0);
  }
  const int nl = std::clamp(pm.soil.i_Number_of_Layers, 0, kMaxLayers);
  for (int L = 1; L <= nl; ++L) {
    const SoilModel m = layer_model(L);
    const int top = layer_nodes.i_TopNodeInLayer[L];
    if (top != 0) {
      pyset.CurrentTopNode = top;
      pyset.CurrentBottomNode = layer_nodes.i_BottomNodeInLayer[L];
      call_model(m, L);
      if (stopped()) return;
    }
    update_exemption(m, L);
    // A layer below the first that holds no node although it starts above
    // the tip cannot take part in the layering correction.
    if (first_pass && !pyset.PrintPyMode && L > 1 && top == 0 && nodes.NumNodes >= 1 &&
        pm.soil.XLayerTop[L] < nodes.xv[nodes.NumNodes] && EquivalentTopDepth()[L] == kEquivalentDepthUnset &&
        LayerBelowExempt()[L] == 0) {
      Report_Layer_Too_Thin(L);
      return;
    }
  }
  if (first_pass && !pyset.PrintPyMode) {
    for (int m = 1; m <= nodes.NumNodes; ++m)
      if (std::isnan(nodes.SoilModulusEs[m])) nodes.SoilModulusEs[m] = 0.0;
  }
}

// Pile deflection at axial position d, linear between the bracketing nodes.
double deflection_at(double d) {
  const int nn = nodes.NumNodes;
  const double h = nodes.h;
  if (nn < 2 || !(h > 0.0)) return nn >= 1 ? nodes.y[1] : 0.0;
  int m = 1;
  if (d > h) m = std::clamp(static_cast<int>(std::min(d / h, 1e6)) + 1, 1, nn - 1);
  const double x0 = (m - 1) * h;
  return nodes.y[m] + (d - x0) * (nodes.y[m + 1] - nodes.y[m]) / h;
}

}  // namespace

void Compute_PY_Curves(bool first_pass) { sweep(first_pass); }

void Print_PY_Curves() {
  pyset.PrintPyMode = true;
  sweep(false);
  pyset.PrintPyMode = false;
}

namespace py {

void load_point(int L, int i, bool first, Point& pt) {
  pt.L = L;
  pt.i = i;
  pt.first = first;
  if (print_mode()) {
    const double d = pm.data.PYOutput[i].PYOutputDepth;
    pt.s = d;
    pt.x = d;
    pt.y = deflection_at(d);
    pt.ys = 0.0;
  } else {
    pt.s = nodes.x[i];
    pt.x = nodes.xv[i];
    pt.y = nodes.y[i];
    pt.ys = nodes.SoilMovementAtNode[i];
  }
  pt.z = pt.x - pm.soil.GroundSurfaceDepth;
  pt.b = PileWidthAtX(pt.s);
  pt.pmult = PMultiplier_At_X(pt.s);
  pt.ymult = YMultiplier_At_X(pt.s);
  pt.yrel = print_mode() ? 0.0 : std::fabs(pt.y - pt.ys) / pt.ymult;
}

double corrected_depth(const Point& pt) {
  if (!layering_applies(pt.L)) return pt.z;
  const SoilLayers& s = pm.soil;
  const double tol = pm.options.IUNITS == kUnitsSI ? -2.54e-10 : -1e-8;
  if (s.XLayerBottom[1] < tol || s.XLayerBottom[2] < tol) return pt.x - s.XLayerTop[1];
  return pt.x - s.XLayerTop[pt.L] + EquivalentTopDepth()[pt.L];
}

void store_modulus(const Point& pt, double Es, bool movement_force) {
  nodes.SoilModulusEs[pt.i] = Es;
  if (!soil_movements_given()) return;
  // A model whose curve ignores the soil movement (vuggy limestone) loads its
  // nodes with the distributed load alone; leaving the load term of the
  // starting modulus (50000 x movement) in place would push the pile with a
  // force no curve of the layer stands for.
  nodes.SoilMovementForce[pt.i] = (movement_force ? pt.ys * Es : 0.0) + nodes.DistributedLoad[pt.i];
}

void add_layer_pu(const Point& pt, double pu, double& pu_prev) {
  if (pt.first)
    pyset.LayerPuIntegral[pt.L] = 0.0;
  else
    pyset.LayerPuIntegral[pt.L] += (pu_prev + pu) * nodes.h / 2.0;
  pu_prev = pu;
}

namespace out {

bool us_units() { return pm.options.IUNITS == kUnitsUS; }

void title(std::string_view text) {
  OutputUnit& r = report_unit();
  r.blank(2);
  r.put(text);
  r.blank();
}

void int_line(std::string_view label, long long v, int width) {
  report_unit().line().text(label).tab(56).text("= ").i(width, v).end();
}

void real_line(std::string_view label, double v, int decimals, std::string_view unit) {
  fmt::Line& l = report_unit().line().text(label).tab(56).text("= ").f(12, decimals, v);
  if (!unit.empty()) l.text(" ").text(unit);
  l.end();
}

void depth_line(std::string_view label, double depth) {
  if (us_units())
    real_line(label, depth / 12.0, 3, pm.labels.LargeLength);
  else
    real_line(label, depth, 3, pm.labels.ComputationLength);
}

void angle_line(std::string_view label, double radians) {
  report_unit().line().text(label).tab(56).text("= ").f(12, 3, radians * 180.0 / std::numbers::pi).text(" degrees").end();
}

void plot_line7(double depth, int points, std::string_view model, int curve) {
  Plot_Line_7(depth, points, model, curve);
}

void plot_line8(int k, double y, double p, std::string_view model) { Plot_Line_8(k, y, p, model); }

void table_header() {
  OutputUnit& r = report_unit();
  r.blank();
  r.line().tab(6).text("y, ").text(pm.labels.ComputationLength).tab(25).text("p, ").text(pm.labels.ForcePerLength).end();
  r.put("----------------    -----------------");
}

void table_row(double y, double p) { report_unit().line().x(3).num(y, 12).x(5).num(p, 12).end(); }

}  // namespace out
}  // namespace py

// ---- equivalent depth ----

namespace {

// Root of a*z + q*z^2 = F: the depth at which a resistance growing linearly
// from 2a (a = 3bc) accumulates F.
double quadratic_depth(double a, double q, double F) { return (std::sqrt(a * a + 4.0 * q * F) - a) / (2.0 * q); }

// Sand wedge coefficients shared by the sand and cemented-silt integrals.
struct SandWedge {
  double C1, C2, C3, xt;
};

SandWedge sand_wedge(const EquivalentDepthInput& in) {
  const double phi = in.phi;
  const double alpha = phi / 2.0;
  const double beta = std::numbers::pi / 4.0 + phi / 2.0;
  const double tb = std::tan(beta), tb2 = tb * tb;
  SandWedge w;
  w.C1 = tb * (std::tan(alpha) * tb2 +
               in.K0 * (std::tan(phi) * std::sin(beta) * (1.0 + 1.0 / std::cos(alpha)) - std::tan(alpha)));
  w.C2 = tb2 - in.Ka;
  const double tb4 = tb2 * tb2;
  w.C3 = tb4 * tb2 + in.K0 * std::tan(phi) * tb4 - in.Ka;
  w.xt = (w.C3 - w.C2) * in.b / w.C1;
  return w;
}

double sand_equivalent_depth(const EquivalentDepthInput& in, double F, bool silt) {
  const bool cyclic = pm.options.LoadingIsCyclic;
  const SandWedge w = sand_wedge(in);
  const double b = in.b, g = in.gamma, c = in.c;
  const double dz = w.xt / 500.0;
  double Fk = 0.0, Fprev = 0.0, pprev = 0.0;
  for (int k = 1; k <= 500; ++k) {
    const double z = k * dz;
    const double r = z / b;
    const double A = Sand_A(r, cyclic);
    const double wedge = A * g * b * b * (w.C1 * r * r + w.C2 * r);
    Fprev = Fk;
    if (silt) {
      const double pk = (g * b + 0.5 * c) * z + wedge + 3.0 * b * c;
      Fk = Fprev + pk * dz;
    } else {
      Fk = Fprev + (pprev + wedge) * dz / 2.0;
      pprev = wedge;
    }
    if (Fk > F) return z - dz * (Fk - F) / (Fk - Fprev);
  }
  const double deep = double(0.88f) * w.C3 * g * b * in.zn;
  return w.xt + (F - Fk) / (silt ? deep + 9.0 * b * c : deep);
}

double stiff_clay_free_water_depth(const EquivalentDepthInput& in, double F) {
  const bool cyclic = pm.options.LoadingIsCyclic;
  const double b = in.b, c = in.c, ca = in.ca, g = in.gamma;
  const double k283 = double(2.83f);
  const double Xr = (11.0 * c - 2.0 * ca) * b / (g * b + k283 * ca);
  const double dz = Xr / 50.0;
  double Fk = 0.0, Fprev = 0.0, f = 0.0;
  for (int k = 1; k <= 50; ++k) {
    const double z = k * dz;
    const double As = Stiff_Clay_As(z / b), Ac = Stiff_Clay_Ac(z / b);
    f = cyclic ? double(0.936f) * Ac - double(0.4182f) * As
               : 0.5 * std::sqrt(6.0 * As) - double(0.411f) - 0.75 * As;
    Fprev = Fk;
    Fk = Fprev + dz * f * ((g * z + 2.0 * ca) * b + k283 * z * ca);
    if (Fk > F) return z - dz * (Fk - F) / (Fk - Fprev);
  }
  return Xr + (F - Fk) / (11.0 * c * f * b);
}

}  // namespace

double Equivalent_Depth_Of_Layer(int L, const EquivalentDepthInput& in) {
  if (L < 1 || L > kMaxLayers) return 0.0;
  // Resistance of all the layers above.
  double F = 0.0;
  for (int k = 1; k < L; ++k) {
    if (pyset.LayerPuIntegral[k] < double(0.01f)) pyset.LayerPuIntegral[k] = pyset.LayerPuIntegralLiq[k];
    F += pyset.LayerPuIntegral[k];
    if (F > 1e20) F = 100.0;
  }

  const bool cyclic = pm.options.LoadingIsCyclic;
  const double b = in.b, c = in.c, g = in.gamma, ca = in.ca;
  double zeq = 0.0;
  switch (in.model) {
    case SoilModel::SoftClay: {
      const double Xr = 6.0 * b * c / (g * b + 0.5 * c);
      double Fr = ((3.0 * c + 0.5 * Xr * g) * b + 0.25 * Xr * c) * Xr;
      if (cyclic) Fr *= double(0.72f);
      if (F <= Fr) {
        const double d = pm.soil.XLayerTop[L] - pm.soil.GroundSurfaceDepth;
        zeq = d <= Xr ? quadratic_depth(3.0 * b * c, (0.5 * c + b * g) / 2.0, F) : d;
      } else {
        zeq = Xr + (F - Fr) / (cyclic ? 6.4901227951049805 * b * c : 9.0 * b * c);
      }
      break;
    }
    case SoilModel::SoftClayJ: {
      const double J = in.J;
      const double Xr = 6.0 * b * c / (J * c + g * b);
      double Fr = ((3.0 * c + J * Xr * g) * b + 0.25 * Xr * c) * Xr;
      if (cyclic) Fr *= double(0.72f);
      if (F <= Fr)
        zeq = quadratic_depth(3.0 * b * c, 0.25 * c + 0.5 * b * g, F);
      else
        zeq = Xr + (F - Fr) / (cyclic ? 9.0 * b * c * double(0.72f) : 9.0 * b * c);
      break;
    }
    case SoilModel::StiffClayNoWater:
    case SoilModel::StiffClayNoWaterK: {
      const double Xr = (9.0 * c - 3.0 * ca) * b / (0.5 * ca + g * b);
      const double Fr = ((0.25 * Xr + 3.0 * b) * ca + 0.5 * g * Xr * b) * Xr;
      if (F <= Fr)
        zeq = quadratic_depth(3.0 * b * ca, 0.25 * ca + 0.5 * g * b, F);
      else
        zeq = Xr + (F - Fr) / (9.0 * b * c);
      break;
    }
    case SoilModel::StiffClayFreeWater:
      zeq = stiff_clay_free_water_depth(in, F);
      break;
    case SoilModel::SandReese:
    case SoilModel::APISand:
      zeq = sand_equivalent_depth(in, F, false);
      break;
    case SoilModel::CementedSilt:
      zeq = sand_equivalent_depth(in, F, true);
      break;
    default:
      return EquivalentTopDepth()[L];  // the other models take no layering correction
  }
  EquivalentTopDepth()[L] = zeq;
  return zeq;
}

}  // namespace kavro
