// Sand p-y curves: Reese, Cox and Koop ("Sand    "), API ("API Sand") and
// liquefied sand after Rollins et al. ("Liq Sand").
#include "soil/sand.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "report/warnings.h"
#include "soil/py_models.h"
#include "soil/py_sweep.h"
#include "soil/soil_coefficients.h"

namespace kavro {

namespace {
constexpr double kQuarterPi = std::numbers::pi / 4.0;
constexpr double kDeg = 180.0 / std::numbers::pi;
constexpr double kInchToMetre = 0.02539999969303608;  // single-precision 0.0254
constexpr double kNPerMToLbPerIn = 5.710147380828857;
}  // namespace

// ---- default subgrade modulus ----

double fn_Default_k(double phi, double gamma, int units) {
  const double deg = phi * kDeg;
  if (units == kUnitsUS) return deg <= 40.0 ? 1.2098290369522147e-7 * std::pow(deg, 5.694468021392822) : 160.54745483398438;
  if (units == kUnitsSI) {
    if (gamma > 12.225000381469727)  // above the water table
      return deg <= 40.0 ? 4.14174883189844e-6 * std::pow(deg, 6.416118144989014) : 78739.0078125;
    return deg <= 40.0 ? 3.284046397311613e-5 * std::pow(deg, 5.694468021392822) : 43580.1484375;
  }
  for (OutputUnit* u : {&report_unit(), &runtime_unit()}) {
    u->blank(2);
    u->put("**** Runtime Error No. 13 ****");
    u->blank();
    u->put("Problem:  General units have been selected for use in computations in      ");
    u->put("combination with default values of k for a layer classified as API sand    ");
    u->put("criteria. This combination of data cannot be used because Kavro cannot     ");
    u->put("compute default values of subgrade modulus in general units.               ");
    u->blank();
    u->put("Solution:  You must select either US customary for SI units for the        ");
    u->put("units of computation to use a default value for subgrade subgrade modulus  ");
    u->put("for the API sand criteria or enter an appropriate proper value by entering ");
    u->put("a non-zero for k.");
  }
  stop_runtime_error(13);
  return 0.0;
}

// ---- Reese sand curve ----

ReeseSandCurve ReeseSandCurve::make(double ps, double A, double B, double b, double kz, double zc) {
  ReeseSandCurve c;
  // A depth at or above the ground surface (zero, or negative with layers
  // above the pile head) has no resistance.
  if (!(zc > 0.0)) ps = 0.0;
  c.kz = kz;
  c.pu = A * ps;
  c.pm = B * ps;
  c.yu = 3.0 * b / 80.0;
  c.ym = b / 60.0;
  c.m = (c.pu - c.pm) / (c.yu - c.ym);
  if (zc > 0.0) {
    c.n = c.pm / (c.m * c.ym);
    c.C = c.pm / std::pow(c.ym, 1.0 / c.n);
    c.yk = std::pow(c.C / kz, c.n / (c.n - 1.0));
    c.pk = c.C * std::pow(c.yk, 1.0 / c.n);
  }
  return c;
}

double ReeseSandCurve::p(double y, bool* initial) const {
  const double line = kz * y;
  double r;
  bool lin = false;
  if (y <= yk && y < ym) {
    r = line;
    lin = true;
  } else if (y <= ym) {
    r = n == 0.0 ? 0.0 : C * std::pow(y, 1.0 / n);
  } else if (y <= yu) {
    r = pm + m * (y - ym);
  } else {
    r = pu;
  }
  if (line <= r) {
    r = line;
    lin = true;
  }
  if (initial) *initial = lin;
  return r;
}

int ReeseSandCurve::shape() const {
  if (yk < ym) return 1;
  if (ym < yk && yk < yu) return 2;
  if (yk > yu) return 3;
  return 0;
}

// ---- API sand curve ----

double APISandCurve::p(double y) const {
  if (zc < 1e-10 || !(pu > 0.0)) return 0.0;
  return pu * std::tanh(kz * y / pu);
}

// ---- liquefied sand curve ----

LiquefiedSandCurve LiquefiedSandCurve::make(double zl, double bm, int units) {
  LiquefiedSandCurve c;
  if (units != kUnitsUS && units != kUnitsSI) return c;  // no factors in generic units
  const bool us = units == kUnitsUS;
  c.to_mm = us ? 25.4 : 1000.0;
  c.to_force = us ? kNPerMToLbPerIn : 1.0;
  c.Pd = bm <= double(0.3f) ? bm / double(0.3f) : double(3.81f) * std::log(bm) + double(5.6f);
  const double w = zl + 1.0;
  c.A = double(3e-7f) * std::pow(w, double(6.05f));
  c.B = double(2.8f) * std::pow(w, double(0.11f));
  c.C = double(2.85f) * std::pow(w, -double(0.41f));
  c.p150 = c.A * std::pow(150.0 * c.B, c.C);
  c.pu = c.Pd * std::min(15.0, c.p150) * c.to_force;
  const double y15mm = c.p150 >= 15.0 ? std::pow(15.0 / c.A, 1.0 / c.C) / c.B : 150.0;
  c.y15 = y15mm / c.to_mm;
  return c;
}

double LiquefiedSandCurve::p(double y) const {
  if (to_mm == 0.0) return 0.0;
  return std::min(pu, Pd * A * std::pow(B * y * to_mm, C) * to_force);
}

namespace {

using py::Point;

// k of a Reese or API layer at depth x: linear between the layer's top and
// bottom values, or the default (the layer's values are then cleared).
double layer_k(int L, double x, double phi, double gamma, bool& defaulted) {
  SoilLayers& s = pm.soil;
  defaulted = false;
  if (s.kTopOfLayer[L] > 0.0) {
    const double t = s.XLayerTop[L], h = s.XLayerBottom[L] - t;
    if (!(std::fabs(h) > 0.0)) return s.kTopOfLayer[L];
    return s.kTopOfLayer[L] + (s.kBottomOfLayer[L] - s.kTopOfLayer[L]) * (x - t) / h;
  }
  defaulted = true;
  s.kTopOfLayer[L] = 0.0;
  s.kBottomOfLayer[L] = 0.0;
  return fn_Default_k(phi, gamma, pm.options.IUNITS);
}

// Active coefficient of a Rankine wedge behind ground sloping at i.
double sloping_Ka(double i, double phi) {
  const double ci = std::cos(i), cp = std::cos(phi);
  const double r = std::sqrt(ci * ci - cp * cp);
  return ci * (ci - r) / (ci + r);
}

bool slope_steeper_than_phi(double i, double phi) {
  const double ci = std::cos(i), cp = std::cos(phi);
  return ci * ci - cp * cp < 1e-10;
}

// Shallow wedge resistance on sloping ground (D = 1 on flat ground).
double sloping_pst(double g, double zc, double b, double phi, double alpha, double beta, double K0, double Ka,
                   double t, double D) {
  const double D1 = t / D;
  const double E = 4.0 * D1 * D1 * D1 - 3.0 * D1 * D1 + 1.0;
  const double tb = std::tan(beta), tbp = std::tan(beta - phi), ta = std::tan(alpha), tp = std::tan(phi);
  const double sb = std::sin(beta);
  return g * zc *
         (tb / tbp * (zc * tb * ta / D + b) / D - Ka * b + K0 * zc * tp * sb * E / (std::cos(alpha) * tbp) +
          E * K0 * zc * tb * (tp * sb - ta));
}

// Layer integral shared by the Reese and API models: trapezoids, the tail
// to the layer bottom at the last node, and layer 1 above the pile head.
void sand_layer_integral(const Point& pt, double pu, double& pu_prev) {
  py::add_layer_pu(pt, pu, pu_prev);
  const SoilLayers& s = pm.soil;
  if (pt.i == pyset.CurrentBottomNode) pyset.LayerPuIntegral[pt.L] += (s.XLayerBottom[pt.L] - pt.s) * pu;
  if (pt.L == 1 && s.GroundSurfaceDepth < -9.999999747378752e-6)
    pyset.LayerPuIntegral[1] = pu * 0.5 * (s.XLayerBottom[1] - s.XLayerTop[1]);
}

void write_block(std::initializer_list<const char*> lines, bool report_too) {
  for (OutputUnit* u : {&runtime_unit(), &report_unit()}) {
    if (u == &report_unit() && !report_too) break;
    for (const char* l : lines) {
      if (*l)
        u->put(l);
      else
        u->blank();
    }
  }
}

// ================= Reese sand =================

struct ReeseSite {
  ReeseSandCurve curve;
  double phi = 0, gamma = 0, k = 0, zc = 0;
  double Ka = 0, Kp = 0;
  double pst = 0, psd = 0, ps = 0, A = 0, B = 0;
  bool k_default = false;
};

class ReeseModel {
 public:
  using Curve = ReeseSite;
  static constexpr bool kChecksNaN = true;
  static constexpr bool kWritesMovementForce = true;

  ReeseModel() : theta_(pm.data.EffectiveSlopeAngle) {}

  void build(const Point& pt, ReeseSite& S) {
    const double deg = Phi_At_Depth(pt.x);
    if (stopped()) return;
    if (deg < 1e-10) {
      write_block({"**** Input Data Error No. 8 ****", "", "An error was detected in the input data for friction angle.",
                   "Problem:  Zero was input for the friction angle for a sand when computing ",
                   "          a p-y curve using the Reese et al. criteria.", "",
                   "Solution: Check values of soil strength values and revise the input data."},
                  true);
      stop_input_error(8);
      return;
    }
    if (deg < 20.0 || deg > 48.0) {
      Register_Warning(-302);
      if (!py::print_mode() && pyset.FirstPass && !warned_) {
        warned_ = true;
        write_block({"", "**** Warning ****", "",
                     "An unreasonable value for friction angle was input for a Reese sand layer. ",
                     "The input value is either smaller than 20 degrees or higher than 48 degrees.",
                     "The input data should be checked for correctness.", "",
                     "The input value for friction angle was used in computations."},
                    false);
      }
    }
    S.gamma = AverageGammaEff(pt.x);
    if (stopped()) return;
    const double phi = deg / kDeg;
    S.phi = phi;
    const double alpha = phi / 2.0, beta = kQuarterPi + alpha, K0 = 0.4;
    const double tb = std::tan(beta), tb2 = tb * tb;
    double Ka = std::pow(std::tan(kQuarterPi - alpha), 2);
    const double i = std::fabs(theta_);
    if (slope_steeper_than_phi(i, phi)) {
      if (pt.L == 1) {
        slope_error(pt.L);
        return;
      }
    } else if (i > 1e-10) {
      Ka = sloping_Ka(i, phi);
    }

    const double b = pt.b, g = S.gamma;
    if (py::equivalent_depth_due(pt) && EquivalentTopDepth()[pt.L] == kEquivalentDepthUnset) {
      EquivalentDepthInput in;
      in.model = SoilModel::SandReese;
      in.b = b;
      in.gamma = g;
      in.phi = phi;
      in.K0 = K0;
      in.Ka = Ka;
      in.zn = pt.z;
      Equivalent_Depth_Of_Layer(pt.L, in);
    }
    const double zc = py::corrected_depth(pt);
    S.zc = zc;

    // Shallow wedge.
    double D = 1.0;
    const double tbp = std::tan(beta - phi), ta = std::tan(alpha), tp = std::tan(phi), sb = std::sin(beta);
    S.pst = g * zc *
            (K0 * zc * tp * sb / (std::cos(alpha) * tbp) + tb / tbp * (b + zc * tb * ta) +
             K0 * zc * tb * (tp * sb - ta) - Ka * b);
    if (i > 1e-15) {
      const double t = std::tan(i) * tb;
      const bool plus = (pt.y > 1e-14 && theta_ > 1e-14) || (pt.y < 1e-14 && theta_ <= 1e-14);
      D = plus ? 1.0 + t : 1.0 - t;
      if (D > 1e-20) S.pst = sloping_pst(g, zc, b, phi, alpha, beta, K0, Ka, t, D);
    }
    // Flow around the pile at the true depth.
    Ka = std::pow(std::tan(kQuarterPi - alpha), 2);
    const double tb4 = tb2 * tb2;
    S.psd = (K0 * tp * tb4 + Ka * (tb4 * tb4 - 1.0)) * b * g * pt.z;
    if (D <= 1e-10 && i > 1e-10) S.pst = S.psd;
    S.ps = std::min(S.pst, S.psd);
    S.Ka = Ka;
    S.Kp = tb2;

    const bool cyclic = pm.options.LoadingIsCyclic;
    const double r = zc / b;
    S.A = Sand_A(r, cyclic);
    S.B = Sand_B(r, cyclic);
    S.k = layer_k(pt.L, pt.x, phi, g, S.k_default);
    if (stopped()) return;
    S.curve = ReeseSandCurve::make(S.ps, S.A, S.B, b, S.k * std::max(0.0, zc), zc);
  }

  double modulus(const Point& pt, const ReeseSite& S) const {
    if (pt.yrel < 1e-14) return S.curve.kz;
    return pt.pmult * S.curve.p(pt.yrel) / (std::fabs(pt.yrel) * pt.ymult);
  }

  void not_a_number(const Point& pt, const ReeseSite&) {
    const bool limit = pt.yrel < 1e-14;
    OutputUnit& r = report_unit();
    r.put(limit ? "**** Runtime Error No. 32 ****" : "**** Runtime Error No. 31 ****");
    r.blank();
    r.line()
        .text(limit ? "The default value of soil modulus computed in Reese Sand is not-a-number for node number "
                    : "The computed value of soil modulus computed in Reese Sand is not-a-number for node number ")
        .i0(pt.i)
        .end();
    r.put("This problem is usually due to a required soil property being left equal to zero.");
    pm.FatalErrorValue = limit ? 232 : 231;
  }

  void integrate(const Point& pt, const ReeseSite& S) { sand_layer_integral(pt, S.curve.pu, pu_prev_); }

  void print(const Point& pt, const ReeseSite& S);

 private:
  void slope_error(int L) {
    for (OutputUnit* u : {&runtime_unit(), &report_unit()}) {
      u->put("**** Input Data Error No. 9 ****");
      u->blank();
      u->put("An error was found in the input data when computing a p-y curve using ");
      u->line().text("the Reese sand criteria for layer ").i0(L).text(".").end();
      u->blank();
      u->put("Problem:  The angle of the ground slope can not be greater than the ");
      u->put("internal friction angle of the sand.");
      u->blank();
      u->put("Solution:  Set the value for slope angle to be less than the angle of friction.");
    }
    stop_input_error(9);
  }

  double theta_;
  double pu_prev_ = 0.0;
  bool warned_ = false;
};

// Note on the depth used, printed by the Reese and API blocks.
void depth_note(int L) {
  OutputUnit& r = report_unit();
  if (pyset.RockAboveCount > 0) {
    r.put("This layer is below one or more layers of rock.  In this case, the ");
    r.put("layering correction is not used and the true depth below the ground ");
    r.put("surface is used when computing the p-y curve.  ");
  } else if (L > 1) {
    r.put("This p-y curve is computed using the equivalent depth.");
  }
}

void ReeseModel::print(const Point& pt, const ReeseSite& S) {
  using namespace py::out;
  const AnalysisData& d = pm.data;
  const UnitLabels& u = pm.labels;
  const bool cyclic = pm.options.LoadingIsCyclic;
  const ReeseSandCurve& cv = S.curve;
  title(cyclic ? "p-y Curve in Sand Computed Using Reese Criteria for Cyclic Loading Conditions"
               : "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions");
  int_line("Soil Layer Number          ", pt.L);
  depth_line("Depth below pile head      ", pt.x);
  depth_line("Depth below ground surface ", pt.z);
  depth_line("Equivalent Depth (see note)", S.zc);
  angle_line("Ground Slope Angle         ", d.GroundSlopeAngle);
  angle_line("Pile Batter                ", d.BatterAngle);
  angle_line("Effective Slope            ", d.EffectiveSlopeAngle);
  real_line("Pile Diameter, b           ", pt.b, 3, u.ComputationLength);
  angle_line("Angle of Friction          ", S.phi);
  real_line("Avg. Eff. Unit Weight      ", S.gamma, 5, u.SubgradeModulus);
  if (us_units()) real_line("Avg. Eff. Unit Weight      ", S.gamma * 1728.0, 5, "pcf");
  real_line("kpy                        ", S.k, 3, u.SubgradeModulus);
  real_line("K active                   ", S.Ka);
  real_line("K passive                  ", S.Kp);
  real_line("K0                         ", 0.4);
  real_line("Pst                        ", S.pst, 3, u.ForcePerLength);
  real_line("Psd                        ", S.psd, 3, u.ForcePerLength);
  real_line(S.pst <= S.psd ? "Ps = Pst (shallow controls)" : "Ps = Psd (deep controls)   ", S.ps, 3, u.ForcePerLength);
  real_line(cyclic ? "A (cyclic)       " : "A (static)       ", S.A, 4);
  real_line(cyclic ? "B (cyclic)       " : "B (static)       ", S.B, 4);
  real_line("C = Pm/(Ym^(1/n))      ", cv.C);
  real_line("n = Pm/(m Ym)          ", cv.n);
  real_line("m = (Pu-Pm)/(Yu-Ym)    ", cv.m, 3, u.Stress);
  real_line("Yk = [c/(kx)]^(n/(n-1))", cv.yk, 3, u.ComputationLength);
  real_line("Pk                     ", cv.pk, 3, u.ForcePerLength);
  real_line("Ym = b/60              ", cv.ym, 3, u.ComputationLength);
  real_line("Pm = B ps              ", cv.pm, 3, u.ForcePerLength);
  real_line("Yu = 3b/80             ", cv.yu, 3, u.ComputationLength);
  real_line("Pu = A Ps              ", cv.pu, 3, u.ForcePerLength);
  real_line("Es,lim                 ", cv.kz, 3, u.Stress);
  real_line("p-multiplier           ", pt.pmult);
  real_line("y-multiplier           ", pt.ymult);
  depth_note(pt.L);

  OutputUnit& r = report_unit();
  const int shape = cv.shape();
  const int n = shape == 0 ? 0 : 17;
  plot_line7(pt.x, n, "Sand    ", pt.i);
  if (shape == 1) r.put("This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu.");
  if (shape == 2) r.put("This curve has a tri-linear shape for a Reese sand p-y curve because Ym < Yk < Yu.");
  if (shape == 3) r.put("This curve has a bi-linear shape for a Reese sand p-y curve because Ym < Yu < Yk.");

  const double k1025 = 1.0 + double(0.025f);
  const double s = (cv.pu - cv.pk) / (cv.yu - cv.yk);
  const double yi = (cv.pu - cv.yu * s) / (cv.kz - s);
  const double yl = cv.pu / cv.kz;  // end of the initial line in the bi-linear shape
  bool any_initial = false;
  for (int k = 1; k <= n; ++k) {
    double yr = 0.0;
    if (k == 1) {
      yr = 0.0;
    } else if (shape == 1) {
      if (k == 2) yr = cv.yk;
      else if (k <= 12) yr = cv.yk + (k - 2) * (cv.ym - cv.yk) / 11.0;
      else if (k == 13) yr = cv.ym;
      else if (k == 14) yr = 13.0 * pt.b / 480.0;
      else if (k == 15) yr = cv.yu;
      else yr = (k == 16 ? k1025 : 1.05) * cv.yu;
    } else if (shape == 2) {
      if (k == 2) yr = yi;
      else if (k <= 14) yr = yi + (k - 2) * (cv.yu - yi) / 13.0;
      else if (k == 15) yr = cv.yu;
      else yr = (k == 16 ? k1025 : 1.05) * cv.yu;
    } else {
      if (k <= 15) yr = (k - 1) * yl / 14.0;
      else yr = (k == 16 ? k1025 : 1.05) * yl;
    }
    bool initial = false;
    const double y = pt.ymult * yr, p = pt.pmult * cv.p(yr, &initial);
    if (k == 1) {
      r.blank();
      r.line().tab(10).text("y, ").text(u.ComputationLength).tab(26).text("p, ").text(u.ForcePerLength).end();
      r.put("----------------    -----------------");
    }
    fmt::Line& l = r.line().x(3).num(y, 12).x(5).num(p, 12);
    if (initial) l.text("   *");
    l.end();
    any_initial = any_initial || initial;
    plot_line8(k, y, p, "Sand    ");
  }
  if (any_initial) {
    r.blank();
    r.put("* p value(s) computed using p = k * Eff x * y ");
  }
  if (S.k_default) r.put("The above p-y curve was computed using internal default values of k.");
}

// ================= API sand =================

struct APISite {
  APISandCurve curve;
  double phi = 0, gamma = 0, k = 0, A = 0;
  double C1 = 0, C2 = 0, C3 = 0, pst = 0, psd = 0, ps = 0;
  bool k_default = false;
};

class APIModel {
 public:
  using Curve = APISite;
  static constexpr bool kChecksNaN = false;
  static constexpr bool kWritesMovementForce = true;

  APIModel() : theta_(pm.data.EffectiveSlopeAngle) {}

  void build(const Point& pt, APISite& S) {
    const double deg = Phi_At_Depth(pt.x);
    if (stopped()) return;
    if (!pt.first && deg < 1e-10) {
      for (OutputUnit* u : {&runtime_unit(), &report_unit()}) {
        u->put("**** Input Data Error No. 1 ****");
        u->blank();
        u->put("An error was detected in the input data when computing a p-y.");
        u->line().text("curve using the API sand criteria for layer ").i0(pt.L).text(".").end();
        u->blank();
        u->put("Problem:  A zero was input for the friction angle for sand.");
        u->blank();
        u->put("Solution:  Check the friction angle values and revise the ");
        u->put("data to correct this problem.");
      }
      stop_input_error(1);
      return;
    }
    if (deg < 20.0 || deg > 48.0) Register_Warning(-303);
    S.gamma = AverageGammaEff(pt.x);
    if (stopped()) return;
    const double phi = deg / kDeg;
    S.phi = phi;
    const double alpha = phi / 2.0, beta = kQuarterPi + alpha, K0 = double(0.4f);
    const double tb = std::tan(beta), tb2 = tb * tb, ta = std::tan(alpha), tp = std::tan(phi);
    const double Ka = std::pow(std::tan(kQuarterPi - alpha), 2);
    const double i = std::fabs(theta_);
    const double b = pt.b, g = S.gamma;

    if (py::equivalent_depth_due(pt)) {
      EquivalentDepthInput in;
      in.model = SoilModel::APISand;
      in.b = b;
      in.gamma = g;
      in.phi = phi;
      in.K0 = K0;
      in.Ka = Ka;
      in.zn = pt.z;
      Equivalent_Depth_Of_Layer(pt.L, in);
    }
    const double zc = py::corrected_depth(pt);

    S.C1 = tb * (K0 * (std::sin(beta) * tp * (1.0 + 1.0 / std::cos(alpha)) - ta) + ta * tb2);
    S.C2 = tb2 - Ka;
    S.C3 = tb2 * tb2 * (K0 * tp + tb2) - Ka;
    S.pst = (zc * S.C1 + b * S.C2) * zc * g;
    if (i <= 1e-10) {
      S.psd = pt.z * S.C3 * b * g;
    } else {
      double Kas = Ka;
      if (slope_steeper_than_phi(i, phi)) {
        if (pt.L == 1) {
          slope_error(pt.L);
          return;
        }
        // Deeper layers keep the level-ground value, as the Reese routine does.
      } else {
        Kas = sloping_Ka(i, phi);
      }
      const double t = std::tan(i) * tb;
      double D = 1.0;
      const int ys = py::sign_of(pt.y, 1e-14);
      const bool up = theta_ > 1e-14;
      bool sided = true;
      if ((ys > 0 && up) || (ys < 0 && !up) || (pt.y == 0.0 && up))
        D = 1.0 + t;
      else if ((ys > 0 && !up) || (ys < 0 && up))
        D = 1.0 - t;
      else
        sided = false;
      if (sided && D > 1e-20) S.pst = sloping_pst(g, zc, b, phi, alpha, beta, K0, Kas, t, D);
      S.psd = (K0 * tb2 * tb2 * tp + (tb2 * tb2 * tb2 * tb2 - 1.0) * Ka) * g * b * zc;
      if (sided && D <= 1e-10) S.pst = S.psd;
    }
    S.ps = std::min(S.pst, S.psd);

    S.k = layer_k(pt.L, pt.x, phi, g, S.k_default);
    if (stopped()) return;
    S.A = pm.options.LoadingIsCyclic ? double(0.9f) : std::max(double(0.9f), 3.0 - double(0.8f) * zc / b);
    S.curve.pu = S.A * S.ps;
    S.curve.kz = S.k * std::max(0.0, pyset.RockAboveCount > 0 ? pt.z : zc);
    S.curve.zc = zc;
  }

  double modulus(const Point& pt, const APISite& S) const {
    if (pt.yrel >= 1e-14) return pt.pmult * S.curve.p(pt.yrel) / (pt.yrel * pt.ymult);
    return S.curve.kz;
  }

  void not_a_number(const Point&, const APISite&) {}

  void integrate(const Point& pt, const APISite& S) {
    sand_layer_integral(pt, S.curve.p(3.0 * pt.b / 80.0), pu_prev_);
  }

  void print(const Point& pt, const APISite& S);

 private:
  void slope_error(int L) {
    for (OutputUnit* u : {&runtime_unit(), &report_unit()}) {
      u->put("**** Input Data Error No. 2 ****");
      u->blank();
      u->put("An error was detected in the input data when computing a p-y.");
      u->line().text("curve using the API criteria for sand for layer ").i0(L).text(".").end();
      u->blank();
      u->put("Problem:  The angle of the ground slope can not be greater ");
      u->put("than the internal friction angle of the sand.");
      u->blank();
      u->put("Solution:  Set the value for slope angle to be less than ");
      u->put("the angle of friction.");
    }
    stop_input_error(2);
  }

  double theta_;
  double pu_prev_ = 0.0;
};

void APIModel::print(const Point& pt, const APISite& S) {
  using namespace py::out;
  const AnalysisData& d = pm.data;
  const UnitLabels& u = pm.labels;
  const bool cyclic = pm.options.LoadingIsCyclic;
  title(cyclic ? "p-y Curve Computed Using API Sand Criteria for Cyclic Loading"
               : "p-y Curve Computed Using API Sand Criteria for Static Loading");
  int_line("Soil Layer Number        ", pt.L);
  depth_line("Depth below pile head      ", pt.x);
  depth_line("Depth below ground surface ", pt.z);
  depth_line("Equivalent Depth (see note)", S.curve.zc);
  angle_line("Ground Slope Angle         ", d.GroundSlopeAngle);
  angle_line("Pile Batter                ", d.BatterAngle);
  angle_line("Effective Slope            ", d.EffectiveSlopeAngle);
  real_line("Diameter                   ", pt.b, 3, u.ComputationLength);
  report_unit().line().text("Friction Angle phi         ").tab(56).text("= ").f(12, 3, S.phi * kDeg).text(" deg.").end();
  real_line("Avg. Eff. Unit Weight      ", S.gamma, 5, u.SubgradeModulus);
  real_line("A                          ", S.A);
  real_line("k                          ", S.k, 3, u.SubgradeModulus);
  real_line("C1", S.C1, 5);
  real_line("C2", S.C2, 5);
  real_line("C3", S.C3, 5);
  real_line("Pus", S.pst, 3, u.ForcePerLength);
  real_line("Pud", S.psd, 3, u.ForcePerLength);
  real_line("Pu", S.ps, 3, u.ForcePerLength);
  real_line("p-multiplier", pt.pmult);
  real_line("y-multiplier", pt.ymult);
  depth_note(pt.L);

  plot_line7(pt.x, 17, "API Sand", pt.i);
  const double zk = S.curve.zc * S.k;
  const double step = zk != 0.0 ? 0.19634954084936207 * S.ps * S.A / zk
                                : (pm.options.IUNITS == kUnitsSI ? 0.00127 : 0.05);
  OutputUnit& r = report_unit();
  for (int k = 1; k <= 17; ++k) {
    const double yr = (k - 1) * step;
    const double y = pt.ymult * yr, p = pt.pmult * S.curve.p(yr);
    if (k == 1) {
      r.blank();
      r.put(us_units() ? "    y, inches           p, lb/inch   " : "    y, meter           p, kN/meter   ");
      r.put("----------------    -----------------");
    }
    table_row(y, p);
    plot_line8(k, y, p, "API Sand");
  }
  if (S.k_default) r.put("The above p-y curve was computed using the internal default value of k.");
}

// ================= liquefied sand =================

struct LiqSite {
  LiquefiedSandCurve curve;
  double gamma = 0, bm = 0, zl = 0;
};

class LiquefiedModel {
 public:
  using Curve = LiqSite;
  static constexpr bool kChecksNaN = false;
  static constexpr bool kWritesMovementForce = true;

  LiquefiedModel() {
    if (pm.options.NumberOfCycles <= 0.0) pm.options.NumberOfCycles = 1.0;
  }

  void build(const Point& pt, LiqSite& S) {
    S.gamma = AverageGammaEff(pt.x);
    if (stopped()) return;
    const int units = pm.options.IUNITS;
    const bool us = units == kUnitsUS, si = units == kUnitsSI;
    S.bm = us ? pt.b * kInchToMetre : (si ? pt.b : 0.0);
    if (pt.L == 1)
      S.zl = us ? pt.z * kInchToMetre : (si ? pt.z : 0.0);
    else
      S.zl = us ? pt.z * S.gamma / 0.036839600652456284 * kInchToMetre : (si ? pt.z * S.gamma / 10.0 : 0.0);
    S.curve = LiquefiedSandCurve::make(S.zl, S.bm, units);
  }

  double modulus(const Point& pt, const LiqSite& S) const {
    if (pt.yrel == 0.0) return 0.0;
    return (pt.pmult / pt.ymult) * S.curve.p(pt.yrel) / pt.yrel;
  }

  void not_a_number(const Point&, const LiqSite&) {}

  void integrate(const Point& pt, const LiqSite& S) {
    py::add_layer_pu(pt, S.curve.pu, pu_prev_);
    if (pt.i == pyset.CurrentBottomNode)
      pyset.LayerPuIntegral[pt.L] += (pm.soil.XLayerBottom[pt.L] - pt.s) * S.curve.pu;
    pyset.LayerPuIntegralLiq[pt.L] = pyset.LayerPuIntegral[pt.L];
  }

  void print(const Point& pt, const LiqSite& S);

 private:
  double pu_prev_ = 0.0;
};

void LiquefiedModel::print(const Point& pt, const LiqSite& S) {
  using namespace py::out;
  const UnitLabels& u = pm.labels;
  const LiquefiedSandCurve& cv = S.curve;
  title("p-y Curve Computed Using Liquefied Sand Criteria");
  depth_line("Depth below pile head      ", pt.x);
  depth_line("Depth below ground surface ", pt.z);
  if (pt.L > 1) real_line("Normalized depth below ground surface in meters*", S.zl);
  real_line("Pile Diameter", pt.b, 3, u.ComputationLength);
  real_line("Pile Diameter in meters ", S.bm);
  real_line("Avg. Eff. Unit Weight          ", S.gamma, 5, u.SubgradeModulus);
  if (us_units()) real_line("Avg. Eff. Unit Weight          ", S.gamma * 1728.0, 5, "pcf");
  real_line("A", cv.A, 5);
  real_line("B", cv.B, 5);
  real_line("C", cv.C, 5);
  real_line("Pd", cv.Pd, 5);
  real_line("Upper limit Pu", cv.pu, 3, u.ForcePerLength);
  real_line("p-multiplier", pt.pmult);
  real_line("y-multiplier", pt.ymult);
  OutputUnit& r = report_unit();
  if (pt.L > 1) {
    r.put("The depth of the p-y curve was equated to the initial vertical stress divided ");
    r.put("by 10 kN/m3, as recommended by Rollins, et al. (2005)");
  }
  if (S.zl > 6.0) {
    r.put("NOTE: The normalized depth of the p-y curve is deeper than the depth of ");
    r.put("6.0 meters recommended by Rollins, et al. (2005)");
  }

  static constexpr double kSI[17] = {0,    0.003, 0.0065, 0.01,  0.0125, 0.015, 0.03, 0.045, 0.06,
                                     0.075, 0.09, 0.1,    0.115, 0.125,  0.14,  0.15, 0.1575};
  static constexpr double kUS[17] = {0,   0.125, 0.25, 0.375, 0.5, 1.0, 1.5, 2.0, 2.5,
                                     3.0, 3.5,   4.0,  4.5,   5.0, 5.5, 5.905511856079102, 6.200787544250488};
  plot_line7(pt.x, 17, "Liq Sand", pt.i);
  for (int k = 1; k <= 17; ++k) {
    double yr;
    if (cv.p150 >= 15.0)
      yr = k <= 15 ? (k - 1) * cv.y15 / 15.0 : (k == 16 ? cv.y15 : 1.05 * cv.y15);
    else
      yr = us_units() ? kUS[k - 1] : kSI[k - 1];
    const double y = pt.ymult * yr, p = pt.pmult * cv.p(yr);
    if (k == 1) {
      r.blank();
      r.line().text("        y, ").text(u.ComputationLength).text("            p, ").text(u.ForcePerLength).end();
      r.put("----------------    -----------------");
    }
    table_row(y, p);
    plot_line8(k, y, p, "Liq Sand");
  }
}

}  // namespace

void PY_Sand_Reese(int L) {
  ReeseModel model;
  py::sweep_layer(model, L);
}

void PY_API_Sand(int L) {
  APIModel model;
  py::sweep_layer(model, L);
}

void PY_Liquefied_Sand(int L) {
  LiquefiedModel model;
  py::sweep_layer(model, L);
}

}  // namespace kavro
