// Cemented silt p-y curves ("Cem Silt"): the frictional resistance of the
// Reese sand wedge and flow mechanisms plus a cohesive resistance of the
// Matlock soft clay form, on the Reese sand curve shape.
#include "soil/cemented_silt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "soil/py_models.h"
#include "soil/py_sweep.h"
#include "soil/soil_coefficients.h"

namespace kavro {

void CementedSiltCurve::complete(double b, double zc) {
  y_m = b / 60.0;
  yu = 3.0 * b / 80.0;
  if (zc >= 0.0) {
    m = (pu - p_m) / (yu - y_m);
    n = p_m / (y_m * m);
    C = n == 0.0 ? 0.0 : p_m / std::pow(y_m, 1.0 / n);
    yk = kz == 0.0 ? 0.0 : std::pow(C / kz, n / (n - 1.0));
  } else {
    // Only a misdefined profile (soil above the pile head) gets here: no
    // power branch, the initial line up to 2b.
    m = 0.0;
    n = 0.0;
    C = 0.0;
    yk = 2.0 * b;
  }
}

double CementedSiltCurve::p(double y) const {
  const double a = std::fabs(y);
  const double line = kz * a;
  double r;
  if (a <= yk)
    r = line;
  else if (a <= y_m)
    r = n != 0.0 ? C * std::pow(a, 1.0 / n) : 0.0;
  else if (a <= yu)
    r = p_m + m * (a - y_m);
  else
    r = pu;
  // The curve never rises above its initial line; a branch left undefined
  // by a degenerate curve (no resistance at all) falls back to it too.
  if (!(r <= line)) r = line;
  return y < 0.0 ? -r : r;
}

double CementedSiltCurve::secant(double y, double pmult, double ymult) const {
  const double a = std::fabs(y);
  if (a < 1e-14) return kz;
  return pmult * p(a) / (a * ymult);
}

double Cemented_Silt_Default_k(double c, double gamma, double phi_deg, bool cyclic, int units) {
  if (units != kUnitsUS && units != kUnitsSI) return 0.0;
  const bool si = units == kUnitsSI;
  // Cohesive part by the strength class (500, 1000 and 2000 psf limits).
  static constexpr double kLimitUS[3] = {6.940000057220459, 13.880000114440918, 27.780000686645508};
  static constexpr double kLimitSI[3] = {47.8927001953125, 95.785400390625, 191.57080078125};
  static constexpr double kStaticUS[4] = {250, 500, 1000, 2000};
  static constexpr double kCyclicUS[4] = {100, 200, 400, 800};
  static constexpr double kStaticSI[4] = {67861.796875, 135723.59375, 271447.1875, 542894.375};
  static constexpr double kCyclicSI[4] = {27144.7109375, 54289.3984375, 108578.8984375, 217157.703125};
  const double* limit = si ? kLimitSI : kLimitUS;
  int cls = 3;
  for (int j = 0; j < 3; ++j) {
    if (c < limit[j]) {
      cls = j;
      break;
    }
  }
  const double kc = si ? (cyclic ? kCyclicSI : kStaticSI)[cls] : (cyclic ? kCyclicUS : kStaticUS)[cls];

  // Frictional part by the friction angle, above or below the water table.
  static constexpr double kDryUS[3] = {25, 90, 225};
  static constexpr double kWetUS[3] = {20, 60, 125};
  static constexpr double kDrySI[3] = {6786.18017578125, 24430.240234375, 61075.6015625};
  static constexpr double kWetSI[3] = {5428.93994140625, 16286.830078125, 33930.8984375};
  const bool dry = gamma > (si ? 12.225000381469727 : 0.04500000178813934);
  const int band = phi_deg <= 30.0 ? 0 : (phi_deg <= 36.0 ? 1 : 2);
  const double kphi = si ? (dry ? kDrySI : kWetSI)[band] : (dry ? kDryUS : kWetUS)[band];
  return kc + kphi;
}

namespace {

using py::Point;

struct CementedSiltSite {
  CementedSiltCurve curve;
  double c = 0, gamma = 0, eps50 = 0, phi = 0;  // phi in degrees
  double k = 0, zc = 0;
  double A = 0, B = 0;  // Reese sand factors at zc / b
  double ps = 0, pc = 0;  // frictional and cohesive ultimate resistance
};

// Strain at 50 % strength when the input gives none (reported only).
double default_eps50(double c, int units) {
  if (units == kUnitsUS) {
    if (c < 3.472222328186035) return double(0.02f);
    if (c < 6.94444465637207) return double(0.01f);
    if (c < 27.77777862548828) return double(0.005f);
    return double(0.004f);
  }
  if (units == kUnitsSI) {
    if (c < 23.94013023376465) return double(0.02f);
    if (c < 47.88020706176758) return double(0.01f);
    if (c < 191.5208282470703) return double(0.005f);
    return double(0.004f);
  }
  return 0.0;
}

// Both output units, the runtime message file first.
template <class Write>
void both_units(Write write) {
  for (OutputUnit* u : {&runtime_unit(), &report_unit()}) write(*u);
}

class CementedSiltModel {
 public:
  using Curve = CementedSiltSite;
  static constexpr bool kChecksNaN = false;
  static constexpr bool kWritesMovementForce = true;

  CementedSiltModel() : theta_(pm.data.EffectiveSlopeAngle) {}

  void build(const Point& pt, CementedSiltSite& S);

  double modulus(const Point& pt, const CementedSiltSite& S) const {
    return S.curve.secant(pt.yrel, pt.pmult, pt.ymult);
  }
  void not_a_number(const Point&, const CementedSiltSite&) {}

  void integrate(const Point& pt, const CementedSiltSite& S) {
    const SoilLayers& s = pm.soil;
    const double pu = S.curve.pu;
    py::add_layer_pu(pt, pu, pu_prev_);
    // The resistance from the last node down to the layer bottom.
    if (pt.i == pyset.CurrentBottomNode) pyset.LayerPuIntegral[pt.L] += (s.XLayerBottom[pt.L] - pt.s) * pu;
    if (s.GroundSurfaceDepth < -9.999999747378752e-6 && pt.L == 1)
      pyset.LayerPuIntegral[1] = (3.0 * S.c * pt.b + pu) * 0.5 * (s.XLayerBottom[1] - s.XLayerTop[1]);
  }

  void print(const Point& pt, const CementedSiltSite& S) const;

 private:
  static void zero_cohesion(const Point& pt, double c);
  static void zero_friction();
  static void slope_steeper_than_friction(int L);
  static void cohesionless_slope_steeper_than_friction(int L);

  double theta_;
  double pu_prev_ = 0.0;
};

void CementedSiltModel::build(const Point& pt, CementedSiltSite& S) {
  SoilLayers& s = pm.soil;
  const int units = pm.options.IUNITS;
  const bool cyclic = pm.options.LoadingIsCyclic;
  const int L = pt.L;
  const double b = pt.b;

  S.c = fn_c(pt.x);
  if (stopped()) return;
  // Zero strength is accepted at the layer top only.
  if (S.c < 1e-10 && pt.x > s.XLayerTop[L]) {
    zero_cohesion(pt, S.c);
    return;
  }
  S.gamma = AverageGammaEff(pt.x);
  if (stopped()) return;
  S.eps50 = Eps50_At_Depth(pt.x);
  if (S.eps50 <= 0.0 && units != kUnitsGeneric) S.eps50 = default_eps50(S.c, units);
  S.phi = Phi_At_Depth(pt.x);
  if (stopped()) return;
  const double phi = S.phi * std::numbers::pi / 180.0;
  if (phi < 1e-10) {
    zero_friction();
    return;
  }

  // Subgrade modulus: from the layer's input, linear over the layer, or the
  // default of the strength and friction classes.
  if (s.kTopOfLayer[L] > 0.0) {
    if (s.kBottomOfLayer[L] == 0.0) s.kBottomOfLayer[L] = s.kTopOfLayer[L];
    const double top = s.XLayerTop[L], thick = s.XLayerBottom[L] - top;
    S.k = s.kTopOfLayer[L];
    if (thick > 0.0) S.k += (pt.x - top) * (s.kBottomOfLayer[L] - s.kTopOfLayer[L]) / thick;
  } else {
    S.k = Cemented_Silt_Default_k(S.c, S.gamma, S.phi, cyclic, units);
  }

  // Earth pressure coefficients; Ka of the sloping ground surface when there is a slope.
  const double alpha = phi / 2.0;
  const double beta = std::numbers::pi / 4.0 + alpha;
  const double K0 = double(0.4f);
  const double theta = theta_, i = std::fabs(theta);
  if (phi < i) {
    slope_steeper_than_friction(L);
    return;
  }
  const double ci = std::cos(i), cp = std::cos(phi);
  const double D0 = ci * ci - cp * cp;
  if (D0 < 1e-10 && S.c <= 0.0) {
    cohesionless_slope_steeper_than_friction(L);
    return;
  }
  const double Kaf = std::pow(std::tan(std::numbers::pi / 4.0 - alpha), 2);
  double Ka = Kaf;
  if (i > 1e-10) Ka = ci * (ci - std::sqrt(D0)) / (ci + std::sqrt(D0));

  // Depth used for the curve: the equivalent depth below the layers above.
  double zc = pt.z;
  if (py::layering_applies(L)) {
    if (py::equivalent_depth_due(pt)) {
      EquivalentDepthInput in;
      in.model = SoilModel::CementedSilt;
      in.b = b;
      in.c = S.c;
      in.gamma = S.gamma;
      in.phi = phi;
      in.K0 = K0;
      in.Ka = Ka;
      in.zn = pt.z;
      Equivalent_Depth_Of_Layer(L, in);
    }
    zc = pt.x - s.XLayerTop[L] + EquivalentTopDepth()[L];
    if (s.XLayerBottom[1] < -1e-8 || s.XLayerBottom[2] < -1e-8) zc = pt.x - s.XLayerTop[1];
  }
  S.zc = zc;
  const double g = S.gamma;
  const double kz = S.k * zc;

  // Frictional resistance: the wedge near the surface (flat ground first)...
  const double tphi = std::tan(phi), ta = std::tan(alpha), tb = std::tan(beta);
  const double sb = std::sin(beta), ca = std::cos(alpha), tbp = std::tan(beta - phi);
  double pst = g * zc *
               (K0 * zc * tphi * sb / (ca * tbp) + tb / tbp * (b + zc * tb * ta) + K0 * zc * tb * (tphi * sb - ta) -
                Ka * b);
  double D = 1.0;
  const double y = pt.y;
  if (i > 1e-20) {
    // ... a wider wedge when the pile moves upslope, a narrower one downslope.
    const double t = std::tan(i) * tb;
    if ((y > 1e-14 && theta > 1e-14) || (y < 1e-14 && theta < 1e-14))
      D = 1.0 + t;
    else if ((y > 1e-14 && theta < 1e-14) || (y < 1e-14 && theta > 1e-14))
      D = 1.0 - t;
    if (D > 1e-20) {
      const double D1 = t / D;
      const double E = 4.0 * D1 * D1 * D1 - 3.0 * D1 * D1 + 1.0;
      pst = g * zc *
            (tb / tbp * (zc * ta * tb / D + b) / D - Ka * b + K0 * zc * tphi * sb * E / (ca * tbp) +
             E * K0 * zc * tb * (tphi * sb - ta));
    }
  }
  // ... and the flow around the pile at depth, with the flat-ground Ka and the true depth.
  const double tb4 = std::pow(tb, 4);
  const double psd = (K0 * tphi * tb4 + Kaf * (tb4 * tb4 - 1.0)) * b * g * pt.z;
  if (D <= 1e-10 && i > 1e-10) pst = psd;
  S.ps = std::min(pst, psd);

  // Cohesive resistance of the soft clay form with J = 0.5. A zero strength
  // (allowed at the layer top) gives no cohesive resistance; its unit-weight
  // term, 0/0 at the ground surface, is dropped.
  double Np = 3.0 + (S.c != 0.0 ? g * zc / S.c : 0.0) + 0.5 * zc / b;
  if (i > 1e-20) {
    const bool same_side = (y > 1e-20 && theta > 1e-20) || (y < 1e-20 && theta < 1e-20);
    Np *= same_side ? 1.0 / (1.0 + std::tan(i)) : ci * 0.7071067690849304 / std::cos(std::numbers::pi / 4.0 + i);
  }
  S.pc = Np < 9.0 ? b * S.c * Np : 9.0 * b * S.c;

  const double r = zc / b;
  S.A = Sand_A(r, cyclic);
  S.B = Sand_B(r, cyclic);
  CementedSiltCurve& cv = S.curve;
  cv.kz = kz;
  cv.pu = S.A * S.ps + S.pc;
  cv.p_m = 1.5 * (S.ps + S.pc);
  cv.complete(b, zc);
}

void CementedSiltModel::zero_cohesion(const Point& pt, double c) {
  both_units([&](OutputUnit& u) {
    u.put("**** Input Data Error No. 48 ****");
    u.blank();
    u.put("Problem: A negative or zero value of cohesion was input for ");
    u.put("a soil defined as a silt.");
    u.blank();
    u.line().text("Layer = ").i0(pt.L).text(", Depth = ").f(13, 8, pt.x).text(", c = ").e(10, 3, c).end();
    u.blank();
    u.put("Solution:  Please revise and correct the input data.  ");
    u.put("Both cohesion and friction angle should be non-zero for silt soils.");
  });
  stop_input_error(48);
}

void CementedSiltModel::zero_friction() {
  both_units([](OutputUnit& u) {
    u.put("**** Input Data Error No. 10 ****");
    u.blank();
    u.put("Problem:  A negative or zero value was input for the friction angle for a silt.");
    u.blank();
    u.put("Solution:  Please revise and correct the input data.  ");
    u.put("Both cohesion and friction angle must be non-zero for the cemented silt soil.");
  });
  stop_input_error(10);
}

void CementedSiltModel::slope_steeper_than_friction(int L) {
  both_units([L](OutputUnit& u) {
    u.put("**** Runtime Error No. 23 ****");
    u.blank();
    u.put("A runtime error occurred due to the ground slope angle being");
    u.line().text("greater than the friction angle for silt for layer ").i0(L).text(".").end();
    u.blank();
    u.put("Problem:  The angle of the ground slope can not be greater ");
    u.put("than the internal friction angle of silt.");
    u.blank();
    u.put("Solution:  Set the value for slope angle to be less than ");
    u.put("the angle of friction or convert the layer into an equivalent");
    u.put("strength clay layer.");
    u.blank();
  });
  stop_runtime_error(23);
}

void CementedSiltModel::cohesionless_slope_steeper_than_friction(int L) {
  both_units([L](OutputUnit& u) {
    u.put("**** Input Data Error No. 11 ****");
    u.blank();
    u.put("An error was detected in the input data when computing a p-y.");
    u.line().text("curve using the criteria for silt for layer ").i0(L).text(".").end();
    u.blank();
    u.put("Problem:  The angle of the ground slope can not be greater ");
    u.put("than the internal friction angle of cohesionless silt.");
    u.blank();
    u.put("Solution:  Set the value for slope angle to be less than ");
    u.put("the angle of friction.");
    u.blank();
  });
  stop_input_error(11);
}

void CementedSiltModel::print(const Point& pt, const CementedSiltSite& S) const {
  using namespace py::out;
  const UnitLabels& u = pm.labels;
  const bool us = us_units();
  const CementedSiltCurve& cv = S.curve;

  title(pm.options.LoadingIsCyclic ? "p-y Curve Computed Using the Cyclic Criteria for Cemented Silt"
                                   : "p-y Curve Computed Using the Static Criteria for Cemented Silt");
  int_line("Soil Layer Number       ", pt.L);
  depth_line("Depth below pile head      ", pt.x);
  depth_line("Depth below ground surface ", pt.z);
  depth_line("Equivalent Depth, x        ", S.zc);
  real_line("Pile Diameter, B               ", pt.b, 3, u.ComputationLength);
  real_line("Cohesion, c                    ", S.c, 3, u.Stress);
  if (us) real_line("Cohesion, c                  ", 144.0 * S.c, 3, u.SoilStress);
  report_unit().line().text("Angle of Friction, phi         ").tab(56).text("= ").f(12, 3, S.phi).text(" deg.").end();
  real_line("Avg. Eff. Unit Weight          ", S.gamma, 5, u.SubgradeModulus);
  if (us) real_line("Avg. Eff. Unit Weight        ", 1728.0 * S.gamma, 5, u.UnitWeight);
  real_line("k (interp. from input)         ", S.k, 3, u.SubgradeModulus);
  real_line("Epsilon50 (interp.)            ", S.eps50, 5);
  real_line("x/B ratio                      ", S.zc / pt.b);
  real_line("A parameter = fn(x/B)          ", S.A, 5);
  real_line("B parameter = fn(x/B)          ", S.B, 5);
  real_line("m                              ", cv.m, 5);
  real_line("n                              ", cv.n, 5);
  real_line("Cbar                           ", cv.C, 5);
  real_line("yk                             ", cv.yk, 5, u.ComputationLength);
  real_line("Pu                             ", S.pc, 3, u.ForcePerLength);
  real_line("Pc                             ", S.ps, 3, u.ForcePerLength);
  real_line("ym = b/60                      ", cv.y_m, 5, u.ComputationLength);
  real_line("pm                             ", cv.p_m, 3, u.ForcePerLength);
  real_line("yu = 3b/80                     ", cv.yu, 5, u.ComputationLength);
  real_line("Pu,c                           ", S.pc, 3, u.ForcePerLength);
  real_line("Pu,phi                         ", S.ps, 3, u.ForcePerLength);
  real_line("p-multiplier                   ", pt.pmult, 5);
  real_line("y-multiplier                   ", pt.ymult, 5);
  OutputUnit& r = report_unit();
  r.blank();
  r.blank();
  r.line()
      .text("        y, ")
      .text(u.ComputationLength)
      .text("             p, ")
      .text(u.Force)
      .text(u.Slash)
      .text(u.ComputationLength)
      .end();
  r.put("----------------    -----------------");

  // 13 points up to y_m, then yu and three steps of 5 % of yu beyond it.
  constexpr int kPoints = 17;
  plot_line7(pt.x, kPoints, "Cem Silt", pt.i);
  double yr = 0.0;
  for (int k = 1; k <= kPoints; ++k) {
    if (k <= 13)
      yr = (k - 1) * cv.y_m / 12.0;
    else if (k == 14)
      yr = cv.yu;
    else
      yr += double(0.05f) * cv.yu;
    const double yp = pt.ymult * yr, p = pt.pmult * cv.p(yr);
    table_row(yp, p);
    plot_line8(k, yp, p, "Cem Silt");
  }
}

}  // namespace

void PY_Cemented_Silt(int L) {
  CementedSiltModel model;
  py::sweep_layer(model, L);
}

}  // namespace kavro
