// Soft clay p-y curves by the Matlock criteria: "SoftClay" (J = 0.5) and
// "SoftClyJ" (J given with depth).
#include "soil/soft_clay.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "report/warnings.h"
#include "soil/py_models.h"
#include "soil/py_sweep.h"

namespace kavro {

namespace {
constexpr double kThird = double(1.0f / 3.0f);   // exponent of the curve
constexpr double kSmall = double(1e-5f);         // limiting-branch threshold, in y50
}  // namespace

SoftClayCurve SoftClayCurve::make(double pu, double y50, double Xr, double zc, bool cyclic, bool si) {
  SoftClayCurve c;
  c.pu = pu;
  c.y50 = y50;
  c.Xr = Xr;
  c.zc = zc;
  c.cyclic = cyclic;
  c.pcr = 0.7211247682571411 * pu;  // the static curve's value at 3 y50
  c.pcx = std::min(c.pcr, (zc / Xr) * c.pcr);
  c.Ekmax = pu * 0.01077217236161232 / (2.9999999242136255e-5 * y50);
  if (si) c.Ekmax *= 0.1751268059015274;
  return c;
}

bool SoftClayCurve::limiting(double y) const { return std::fabs(y) < kSmall * y50; }

double SoftClayCurve::p(double y) const {
  if (limiting(y)) return y * Ekmax;
  const double a = std::fabs(y);
  double r;
  if (a <= 3.0 * y50) {
    r = 0.5 * pu * std::pow(a / y50, kThird);
  } else if (!cyclic) {
    r = a > 8.0 * y50 ? pu : 0.5 * pu * std::pow(a / y50, kThird);
  } else if (zc >= Xr) {
    r = pcr;
  } else if (a <= 15.0 * y50) {
    r = pcr + (a - 3.0 * y50) * (pcx - pcr) / (12.0 * y50);
  } else {
    r = pcx;
  }
  return y < 0.0 ? -r : r;
}

double SoftClayCurve::secant(double y, double pmult, double ymult) const {
  if (limiting(y)) return Ekmax;
  return p(y) * pmult / (ymult * y);
}

namespace {

using py::Point;

struct SoftClaySite {
  SoftClayCurve curve;
  double c = 0, gamma = 0, eps50 = 0, J = 0;
  double pu_flat = 0;  // ultimate resistance before the sloping-ground factor and the cap
  double fA = 1, fB = 1, f = 1;
};

// Default strain at 50 % strength by the shear strength.
double default_eps50(double c, bool si) {
  if (si) {
    if (c < 23.940128326416016) return double(0.02f);
    if (c < 47.88025665283203) return double(0.01f);
    if (c < 191.52102661132812) return double(0.005f);
    return double(0.004f);
  }
  if (c < 3.472222328186035) return double(0.02f);
  if (c < 6.94444465637207) return double(0.01f);
  if (c < 27.77777862548828) return double(0.005f);
  return double(0.004f);
}

class SoftClayModel {
 public:
  using Curve = SoftClaySite;
  static constexpr bool kChecksNaN = true;
  static constexpr bool kWritesMovementForce = true;

  // The sloping-ground factors depend on the effective slope only.
  explicit SoftClayModel(bool with_j) : with_j_(with_j), theta_(pm.data.EffectiveSlopeAngle) {
    const double t = std::fabs(theta_);
    slope_A_ = 1.0 / (1.0 + std::tan(t));
    slope_B_ = std::cos(t) * 0.7071067690849304 / std::cos(std::numbers::pi / 4.0 + t);
  }

  void build(const Point& pt, SoftClaySite& S) {
    const int units = pm.options.IUNITS;
    S.c = fn_c(pt.x);
    if (stopped()) return;
    if (!b_AtNode) {
      if (units == kUnitsUS && S.c > 8.68055534362793) Register_Warning(-3041);
      if (units == kUnitsSI && S.c > 59.85032272338867) Register_Warning(-3042);
    }
    S.gamma = AverageGammaEff(pt.x);
    if (stopped()) return;
    S.eps50 = Eps50_At_Depth(pt.x);
    S.J = with_j_ ? J_At_Depth(pt.x) : 0.5;

    if (!pt.first && S.c < 1e-10) {
      zero_cohesion(pt, S.c);
      return;
    }
    if (S.eps50 <= 0.0) {
      if (units != kUnitsUS && units != kUnitsSI) {
        pm.FatalErrorValue = with_j_ ? 238 : 237;  // no default strain in generic units
        return;
      }
      S.eps50 = default_eps50(S.c, units == kUnitsSI);
    }

    const double b = pt.b, c = S.c, J = S.J;
    double Xr = 6.0 * b * c / (S.gamma * b + J * c);
    Xr = std::max(2.5 * b, Xr);

    double zc = pt.z;
    if (py::layering_applies(pt.L)) {
      if (py::equivalent_depth_due(pt)) {
        EquivalentDepthInput in;
        in.model = with_j_ ? SoilModel::SoftClayJ : SoilModel::SoftClay;
        in.b = b;
        in.c = c;
        in.gamma = S.gamma;
        in.J = J;
        Equivalent_Depth_Of_Layer(pt.L, in);
      }
      zc = py::corrected_depth(pt);
    }
    if (!with_j_ && pt.x > Xr) zc = pt.z;

    // The first node of a layer may have c = 0 (strength rising from zero at
    // the ground surface): its resistance is zero, so the unit-weight term of
    // Np, 0/0 at the surface, is dropped rather than spoiling pu.
    double Np = (c != 0.0 ? S.gamma * zc / c : 0.0) + 3.0 + J * zc / b;
    // As printed: c b Np for "SoftClay", b Np c for "SoftClyJ".
    S.pu_flat = with_j_ ? b * Np * c : c * b * Np;

    // Sloping ground: less resistance when the pile moves downslope, more upslope.
    S.fA = slope_A_;
    S.fB = slope_B_;
    const int ys = py::sign_of(pt.y, 1e-20), ts = py::sign_of(theta_, 1e-20);
    S.f = 1.0;
    if (ys != 0 && ts != 0) S.f = ys == ts ? S.fA : S.fB;
    if (std::fabs(theta_) > 1e-20) Np *= S.f;

    const double pu = Np >= 9.0 ? 9.0 * c * b : Np * c * b;
    const double y50 = 2.5 * S.eps50 * b;
    S.curve = SoftClayCurve::make(pu, y50, Xr, zc, pm.options.LoadingIsCyclic, units == kUnitsSI);
  }

  double modulus(const Point& pt, const SoftClaySite& S) const {
    return S.curve.secant(pt.yrel, pt.pmult, pt.ymult);
  }

  void not_a_number(const Point& pt, const SoftClaySite& S) {
    const bool limit = S.curve.limiting(pt.yrel);
    const char* where = with_j_ ? "API soft clay" : "soft clay";
    OutputUnit& r = report_unit();
    std::string heading;
    if (with_j_)
      heading = limit ? "**** Runtime Error No. 35 ****" : "**** Runtime Error No 36. ****";
    else
      heading = limit ? "**** Runtime Error No. 33 ****" : "**** Runtime Error No. 34 ****";
    r.put(heading);
    r.line()
        .text(limit ? "The default value of soil modulus computed in " : "The computed value of soil modulus computed in ")
        .text(where)
        .text(" is not-a-number for node number ")
        .i0(pt.i)
        .end();
    r.put("This problem is usually due to a required soil property or a y-multiplier equal to zero.");
    pm.FatalErrorValue = (with_j_ ? 235 : 233) + (limit ? 0 : 1);
  }

  void integrate(const Point& pt, const SoftClaySite& S) {
    py::add_layer_pu(pt, S.curve.pu, pu_prev_);
    const SoilLayers& s = pm.soil;
    if (s.GroundSurfaceDepth < -9.999999747378752e-6 && pt.L == 1)
      pyset.LayerPuIntegral[1] = (3.0 * S.c * pt.b + S.curve.pu) * 0.5 * (s.XLayerBottom[1] - s.XLayerTop[1]);
  }

  void print(const Point& pt, const SoftClaySite& S);

 private:
  void zero_cohesion(const Point& pt, double c);
  const char* model_name() const { return with_j_ ? "SoftClyJ" : "SoftClay"; }

  bool with_j_;
  double theta_, slope_A_ = 1.0, slope_B_ = 1.0;
  double pu_prev_ = 0.0;
};

void SoftClayModel::zero_cohesion(const Point& pt, double c) {
  const int number = with_j_ ? 71 : 12;
  for (OutputUnit* u : {&runtime_unit(), &report_unit()}) {
    const bool report = u == &report_unit();
    u->line().text("**** Input Data Error No. ").i0(number).text(" ****").end();
    u->blank();
    u->put("An error was detected that is related to an incompatibility between the input ");
    u->put("data defining soil layering and soil shear strength values when computing a ");
    u->put("p-y curve using the Matlock soft clay criteria.");
    u->blank();
    u->put(with_j_ ? "Problem:  A negative or zero value of cohesion was input for a soft clay soil with J."
                   : "Problem:  A negative or zero value of cohesion was input for a soft clay soil.");
    u->blank();
    u->put("Solution:  Please compare the depth values for soil layering and soil shear ");
    u->put("strength values and revise the input data.");
    fmt::Line& l = u->line()
                       .text("Layer no. = ")
                       .i0(pt.L)
                       .text(", Node no. = ")
                       .i0(pt.i)
                       .text(", Top node in layer = ")
                       .i0(pyset.CurrentTopNode)
                       .text(", Elevation = ")
                       .f(10, 3, report ? pt.x : pt.s)
                       .text(", c(x) = ")
                       .f(10, 3, c);
    if (report) l.text(", Pile length = ").f(10, 3, nodes.PileLength);
    l.end();
    if (report)
      u->line().text(", ITOP = ").i0(pyset.CurrentTopNode).text(", IBOT = ").i0(pyset.CurrentBottomNode).end();
  }
  stop_input_error(number);
}

// Relative deflections of the printed points, in units of y50.
double default_point(int k, bool cyclic) {
  static constexpr float kCyclic[17] = {0.0f, 0.05f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.8f,
                                        1.0f, 1.5f,  2.0f, 2.5f, 3.0f, 9.0f, 15.0f, 16.0f};
  if (cyclic) return double(kCyclic[k - 1]);
  if (k == 1) return 0.0;
  if (k == 17) return 8.5;
  const float r = 2.0f * float(k - 1) / 15.0f;
  return double(r * r * r);
}

void SoftClayModel::print(const Point& pt, const SoftClaySite& S) {
  const AnalysisData& d = pm.data;
  const UnitLabels& u = pm.labels;
  const bool us = py::out::us_units();
  const bool many_cycles = pm.options.NumberOfCycles >= 2.0;
  const SoftClayCurve& cv = S.curve;
  const double b = pt.b, c = S.c;
  using namespace py::out;

  if (!with_j_) {
    title(many_cycles ? "p-y Curve Computed Using the Soft Clay Criteria for Cyclic Loading Conditions"
                      : "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions");
    int_line("Soil Layer Number        ", pt.L);
    depth_line("Depth below pile head        ", pt.x);
    depth_line("Depth below ground surface   ", pt.z);
    depth_line("Transition Depth Xr          ", cv.Xr);
    depth_line("Equivalent Depth of p-y curve", cv.zc);
    angle_line("Ground Slope Angle             ", d.GroundSlopeAngle);
    angle_line("Pile Batter                    ", d.BatterAngle);
    angle_line("Effective Slope                ", d.EffectiveSlopeAngle);
    real_line("Pile Diameter                  ", b, 3, u.ComputationLength);
    real_line("Avg. Eff. Unit Weight          ", S.gamma, 5, u.SubgradeModulus);
    if (us) real_line("Avg. Eff. Unit Weight          ", S.gamma * 1728.0, 5, "pcf");
    real_line("Cohesion, c                    ", c, 3, u.Stress);
    if (us) real_line("Cohesion, c                  ", c * 144.0, 3, "psf");
    real_line("Epsilon50 parameter            ", S.eps50, 4);
    real_line("J (default value)              ", S.J, 4);
    real_line("Static pu_s for flat ground    ", S.pu_flat, 3, u.ForcePerLength);
    real_line("Static pu_d for flat ground    ", 9.0 * c * b, 3, u.ForcePerLength);
    real_line("y_50                           ", cv.y50, 5, u.ComputationLength);
    real_line("p-multiplier                   ", pt.pmult);
    real_line("y-multiplier                   ", pt.ymult);
    if (many_cycles)
      report_unit()
          .line()
          .text("Number of cycles of loading  ")
          .tab(56)
          .text("= ")
          .f(12, 0, pm.options.NumberOfCycles)
          .text(" cycles")
          .end();
  } else {
    title(many_cycles ? "p-y Curve Computed Using the Soft Clay Criteria with J for Cyclic Loading Conditions"
                      : "p-y Curve Computed Using the Soft Clay Criteria with J for Static Loading Conditions");
    int_line("Soil Layer Number            ", pt.L);
    depth_line("Depth below pile head        ", pt.x);
    depth_line("Depth below ground surface   ", pt.z);
    depth_line("Transition depth Xr          ", cv.Xr);
    depth_line("Equivalent depth of p-y curve", cv.zc);
    angle_line("Ground Slope Angle         ", d.GroundSlopeAngle);
    angle_line("Pile Batter                ", d.BatterAngle);
    angle_line("Effective Slope            ", d.EffectiveSlopeAngle);
    real_line("Pile Diameter              ", b, 3, u.ComputationLength);
    real_line("Avg. Eff. Unit Weight      ", S.gamma, 5, u.SubgradeModulus);
    if (us) real_line("Avg. Eff. Unit Weight      ", S.gamma * 1728.0, 5, "pcf");
    real_line("Cohesion, c                ", c, 3, u.Stress);
    if (us) real_line("Cohesion, c                ", c * 144.0, 3, "psf");
    real_line("Epsilon50 parameter        ", S.eps50, 3);
    real_line("J parameter                ", S.J, 3);
    real_line("pu_s                       ", S.pu_flat, 3, u.ForcePerLength);
    real_line("pu_d                       ", 9.0 * c * b, 3, u.ForcePerLength);
    real_line("y_50                       ", cv.y50, 5, u.ComputationLength);
    real_line("p-multiplier               ", pt.pmult);
    real_line("y-multiplier               ", pt.ymult);
    if (many_cycles) real_line("Number of cycles of loading", pm.options.NumberOfCycles, 0);
  }

  // The soft-clay model alone honours an output depth's own deflection list.
  const PYOutputDepthRecord& rec = d.PYOutput[pt.i];
  const bool own_list = !with_j_ && rec.NumYValues > 0;
  const int n = own_list ? std::min(rec.NumYValues, kMaxPYOutputYValues) : 17;
  plot_line7(pt.x, n, model_name(), pt.i);

  const bool positive_first = pm.data.EffectiveSlopeAngle > 0.0;
  real_line("Positive-y Sloping Ground Factor", positive_first ? S.fA : S.fB);
  real_line("Negative-y Sloping Ground Factor", positive_first ? S.fB : S.fA);
  real_line("Sloping Ground Factor", S.f);
  real_line(with_j_ ? "pu_static            " : "Positive-y, static pu           ", cv.pu, 3, u.ForcePerLength);
  if (many_cycles)
    real_line(with_j_ ? "pu_cyclic          " : "Positive-y, cyclic pu        ", cv.pcr, 3, u.ForcePerLength);

  const bool cyclic_points = pm.options.LoadingIsCyclic;
  for (int k = 1; k <= n; ++k) {
    const double yr = own_list ? rec.YValue[k] : default_point(k, cyclic_points) * cv.y50;
    const double y = pt.ymult * yr, p = pt.pmult * cv.p(yr);
    if (k == 1) table_header();
    table_row(y, p);
    plot_line8(k, y, p, model_name());
    if (yr != 0.0 && cv.limiting(yr)) {
      OutputUnit& r = report_unit();
      r.blank();
      r.put("**** Warning ****");
      r.blank();
      r.put("The pile deflection is less than 0.00001*Y50.");
      r.line()
          .text("Kavro used the limiting value of soil modulus (= ")
          .e(12, 4, cv.Ekmax)
          .text(" ")
          .text(u.Stress)
          .text(with_j_ ? ") when computing the p-y curve for soft clay with J."
                        : ") when computing the p-y curve for soft clay.")
          .end();
    }
  }
}

}  // namespace

void PY_Soft_Clay(int L) {
  SoftClayModel model(false);
  py::sweep_layer(model, L);
}

void PY_Soft_Clay_J(int L) {
  SoftClayModel model(true);
  py::sweep_layer(model, L);
}

}  // namespace kavro
