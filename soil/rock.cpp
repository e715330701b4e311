// Rock p-y curves: weak rock ("WeakRock", Reese's weak-rock criteria),
// strong vuggy limestone ("Vuggy LS") and massive rock ("MassRock").
#include "soil/rock.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "report/warnings.h"
#include "soil/py_models.h"
#include "soil/py_sweep.h"

namespace kavro {

// ---- curves ----

WeakRockCurve WeakRockCurve::make(double pur, double Kir, double yrm) {
  WeakRockCurve c;
  c.pur = pur;
  c.Kir = Kir;
  c.yrm = yrm;
  // Kir ya = 0.5 pur (ya / yrm)^0.25, solved for ya (exponent 4/3 in single precision).
  c.ya = std::pow(pur / (2.0 * std::pow(yrm, 0.25) * Kir), 1.3329999446868896);
  return c;
}

double WeakRockCurve::p(double y) const {
  const double a = std::fabs(y);
  const double r = a < ya ? Kir * a : std::min(pur, 0.5 * pur * std::pow(a / yrm, 0.25));
  return y < 0.0 ? -r : r;
}

double WeakRockCurve::secant(double y, double pmult, double ymult) const {
  if (std::fabs(y) < ya) return Kir;
  // ya = 0 only when the rock has no resistance (pur = 0): the curve is
  // p = 0 throughout, so is its secant at zero deflection.
  if (y == 0.0) return 0.0;
  return pmult * p(y) / (y * ymult);
}

WeakRockResistance Weak_Rock_Resistance(double alpha_r, double qur, double b, double xr, double Eir) {
  WeakRockResistance r;
  if (xr <= 3.0 * b) {
    r.pur = alpha_r * qur * b * (1.0 + double(1.4f) * xr / b);
    r.Kir = Eir * (100.0 + 400.0 * xr / (3.0 * b));
  } else {
    r.pur = double(5.2f) * alpha_r * qur * b;
    r.Kir = 500.0 * Eir;
  }
  return r;
}

VuggyLimestoneCurve VuggyLimestoneCurve::make(double su, double b, double residual) {
  VuggyLimestoneCurve c;
  c.su = su;
  c.y1 = double(0.0004f) * b;
  c.p1 = double(0.8f) * b * su;
  c.k1 = 2000.0 * su;
  c.y2 = (b * su - c.p1) / (100.0 * su) + c.y1;
  c.residual = residual;
  return c;
}

double VuggyLimestoneCurve::p(double y) const {
  const double a = std::fabs(y);
  double r;
  if (a < y1)
    r = k1 * a;
  else if (a <= y2)
    r = p1 + 100.0 * su * (a - y1);
  else
    r = residual;
  return y < 0.0 ? -r : r;
}

double VuggyLimestoneCurve::secant(double y, double pmult, double ymult) const {
  const double a = std::fabs(y);
  if (a >= 1e-14) return pmult * p(a) / (a * ymult);
  return k1 / ymult;
}

// ---- weak-rock properties at a depth ----

double Krm_At_Depth(double x) {
  const SoilLayers& s = pm.soil;
  const auto& D = s.SoilDepthPoint;
  const auto& V = s.Eps50;
  const int ndp = std::clamp(s.NumSoilDepthPoints, 0, kMaxSoilDepthPoints);
  for (int i = 2; i <= ndp; ++i) {
    if (!(D[i - 1] <= x && x <= D[i])) continue;
    int k = i;
    // On an interface the rock below it; at the pile tip the layer above.
    if (x == D[i] && i < ndp && D[i + 1] == D[i] && x != nodes.PileLength) k = i + 1;
    if (x == D[k] || x == D[ndp]) return V[k];
    return V[k - 1] + (x - D[k - 1]) * (V[k] - V[k - 1]) / (D[k] - D[k - 1]);
  }
  return 0.0;
}

namespace {

void to_both(std::initializer_list<std::string> lines) {
  for (OutputUnit* u : {&report_unit(), &runtime_unit()})
    for (const std::string& t : lines) u->put(t);
}

std::string layer_text(int L) { return std::to_string(L); }

}  // namespace

double Eir_At_Depth(int L, double x) {
  if (L < 1 || L > kMaxLayers) return 0.0;
  const SoilLayers& s = pm.soil;
  const double top = s.XLayerTop[L], bottom = s.XLayerBottom[L];
  if (bottom == top) {
    to_both({"**** Runtime Error No. 20 ****", "",
             "Problem:  The top and bottom elevations for weak rock layer are equal.",
             "Solution: Correct the input data for elevations defining weak rock layer."});
    Error_Stop("RUN00020", 220);
    return 0.0;
  }
  const double Et = s.kTopOfLayer[L], Eb = s.kBottomOfLayer[L];
  return Et + (x - top) * (Eb - Et) / (bottom - top);
}

double Depth_Into_Rock(int L, double x) {
  if (L < 1 || L > kMaxLayers) return 0.0;
  const SoilLayers& s = pm.soil;
  double xr = x + 9.99999993922529e-9 - s.XLayerTop[L];
  for (int k = L - 1; k >= 1; --k) {
    const SoilModel m = layer_model(k);
    if (m != SoilModel::WeakRock && m != SoilModel::VuggyLimestone) break;
    xr += s.XLayerBottom[k] - s.XLayerTop[k];
  }
  return xr;
}

namespace {

using py::Point;

// A line "label ... = " with the value in E12.5 and its unit.
void exp_line(std::string_view label, double v, std::string_view unit) {
  report_unit().line().text(label).tab(56).text("= ").e(12, 5, v).text(" ").text(unit).end();
}

// Header of a rock point table: y at column 9, p at column `p_column`.
void rock_table_header(int p_column, std::string_view dashes) {
  const UnitLabels& u = pm.labels;
  OutputUnit& r = report_unit();
  r.blank();
  r.line().text("        y, ").text(u.ComputationLength).tab(p_column).text("p, ").text(u.ForcePerLength).end();
  r.put(dashes);
}

// ---- weak rock ----

struct WeakRockSite {
  WeakRockCurve curve;
  double qur = 0;    // uniaxial compressive strength
  double gamma = 0;  // average effective unit weight from the ground surface
  double rqd = 0;    // rock quality designation, percent
  double Eir = 0;    // initial rock modulus
  double alpha = 0;  // strength reduction for fractured rock, 1 - RQD/150
  double krm = 0;
  double xr = 0;     // depth into the rock
};

class WeakRockModel {
 public:
  using Curve = WeakRockSite;
  static constexpr bool kChecksNaN = false;
  static constexpr bool kWritesMovementForce = true;

  void build(const Point& pt, WeakRockSite& S) {
    RunOptions& o = pm.options;
    if (o.NumberOfCycles <= 0.0) o.NumberOfCycles = 1.0;
    const int units = o.IUNITS;
    S.gamma = AverageGammaEff(pt.x);
    if (stopped()) return;
    S.qur = fn_c(pt.x);
    if (stopped()) return;
    if (!b_AtNode) {
      if (units == kUnitsUS) {
        if (S.qur < 100.0) Register_Warning(-3071);
        if (S.qur > 1000.0) Register_Warning(-3072);
      } else if (units == kUnitsSI) {
        if (S.qur < 689.5) Register_Warning(-3073);
        if (S.qur > 6895.0) Register_Warning(-3074);
      }
      if (S.qur <= 0.0) {
        to_both({"**** Input Data Error No. 62 ****", "",
                 "Problem:   The input value for compressive strength is less than or equal to zero.", "",
                 "Solution:  Check the input values for layer " + layer_text(pt.L)});
        stop_input_error(62);
        return;
      }
    }
    S.rqd = RQD_At_Depth(pt.x);
    if (stopped()) return;
    S.Eir = Eir_At_Depth(pt.L, pt.x);
    if (stopped()) return;
    S.alpha = 1.0 - S.rqd * 0.006666666828095913;

    if (!pt.first && S.qur < 1e-10) {
      to_both({"**** Input Data Error No. 16 ****", "",
               "An error was detected when computing the p-y curve for weak rock.",
               "Problem:   The input value for the compressive strength of a weak rock was ",
               "           input as negative or zero (0).", "",
               "Solution:  Check the depth values for soil layering and soil shear strength values of layer " +
                   layer_text(pt.L)});
      stop_input_error(16);
      return;
    }

    S.krm = Krm_At_Depth(pt.x);
    if (S.krm <= 0.0) {
      to_both({"**** Input Data Error No. 63 ****", "",
               "Problem:  The input value for k_rm for weak rock is less than or equal to zero.", "",
               "Solution: Check the input values for layer " + layer_text(pt.L)});
      stop_input_error(63);
      return;
    }
    if (S.krm < double(5e-5f)) Register_Warning(-316);
    if (S.krm > double(5e-4f)) Register_Warning(-317);

    S.xr = Depth_Into_Rock(pt.L, pt.x);
    const WeakRockResistance r = Weak_Rock_Resistance(S.alpha, S.qur, pt.b, S.xr, S.Eir);
    const double yrm = S.krm * pt.b;
    if (!(yrm > 0.0)) {
      to_both({"**** Runtime Error No. 22 ****", "",
               "An error was detected when computing the p-y curve for weak rock.     ",
               "Problem:  The input value for k_rm is less than or equal to 0. ", "",
               "Solution:  Check the input values for the week rock properties in the soil layer " +
                   layer_text(pt.L)});
      Error_Stop("RUN00022", 222);
      return;
    }
    S.curve = WeakRockCurve::make(r.pur, r.Kir, yrm);
  }

  double modulus(const Point& pt, const WeakRockSite& S) const {
    return S.curve.secant(pt.yrel, pt.pmult, pt.ymult);
  }
  void not_a_number(const Point&, const WeakRockSite&) {}
  // Written for completeness: the layers below rock take their true depth.
  void integrate(const Point& pt, const WeakRockSite& S) { py::add_layer_pu(pt, S.curve.pur, pu_prev_); }
  void print(const Point& pt, const WeakRockSite& S) const;

 private:
  double pu_prev_ = 0.0;
};

void WeakRockModel::print(const Point& pt, const WeakRockSite& S) const {
  using namespace py::out;
  const UnitLabels& u = pm.labels;
  const WeakRockCurve& cv = S.curve;
  const double b = pt.b;
  title("p-y Curve Computed Using Weak Rock Criteria");
  int_line("Soil Layer Number              ", pt.L);
  depth_line("Depth below pile head      ", pt.x);
  depth_line("Depth below ground surface ", pt.z);
  real_line("Diameter                       ", b, 3, u.ComputationLength);
  real_line("Unconfined Compressive Strength", S.qur, 3, u.Stress);
  real_line("Avg. Eff. Unit Weight          ", S.gamma, 5, u.SubgradeModulus);
  if (us_units()) real_line("Avg. Eff. Unit Weight          ", S.gamma * 1728.0, 5, "pcf");
  depth_line("Xr                             ", S.xr);
  real_line("RQD                            ", S.rqd, 3, "%");
  real_line("Eir                            ", S.Eir, 0, u.Stress);
  real_line("Pu                             ", cv.pur, 3, u.ForcePerLength);
  real_line("k_rm                           ", S.krm, 5);
  exp_line("K_ir                           ", cv.Kir, u.Stress);
  real_line("Alpha_r                        ", S.alpha);
  real_line("Yu                             ", 3.0 * b / 80.0, 3, u.ComputationLength);
  real_line("Yrm                            ", cv.yrm, 3, u.ComputationLength);
  exp_line("Y_A                            ", cv.ya, u.ComputationLength);
  real_line("p-multiplier                   ", pt.pmult);
  real_line("y-multiplier                   ", pt.ymult);
  rock_table_header(30, "----------------    -----------------");

  // 0, ya, then towards 16 yrm in steps of the span, 16 yrm and 20 yrm.
  static constexpr float kFraction[13] = {0.02f, 0.04f, 0.06f, 0.08f, 0.1f, 0.2f, 0.3f,
                                          0.4f,  0.5f,  0.6f,  0.7f,  0.8f, 0.9f};
  constexpr int kPoints = 17;
  plot_line7(pt.x, kPoints, "WeakRock", pt.i);
  for (int k = 1; k <= kPoints; ++k) {
    double yr;
    if (k == 1)
      yr = 0.0;
    else if (k == 2)
      yr = cv.ya;
    else if (k <= 15)
      yr = cv.ya + double(kFraction[k - 3]) * (16.0 * cv.yrm - cv.ya);
    else
      yr = (k == 16 ? 16.0 : 20.0) * cv.yrm;
    const double y = pt.ymult * yr, p = pt.pmult * cv.p(yr);
    table_row(y, p);
    plot_line8(k, y, p, "WeakRock");
  }
}

// ---- vuggy limestone ----

struct VuggySite {
  VuggyLimestoneCurve curve;
};

class VuggyLimestoneModel {
 public:
  using Curve = VuggySite;
  static constexpr bool kChecksNaN = false;
  static constexpr bool kWritesMovementForce = false;

  void build(const Point& pt, VuggySite& S) const {
    const double su = 0.5 * fn_c(pt.x);
    if (stopped()) return;
    if (pt.x > pm.soil.XLayerTop[pt.L]) {
      const int units = pm.options.IUNITS;
      if (units == kUnitsUS && (su < 500.0 || su > 2500.0)) Register_Warning(-308);
      if (units == kUnitsSI && (su < 3447.3798828125 || su > 17236.890625)) Register_Warning(-308);
    }
    const double gamma = AverageGammaEff(pt.x);
    if (stopped()) return;
    S.curve = VuggyLimestoneCurve::make(su, pt.b, 0.5 * gamma * pt.b * pt.z);
  }

  // The curve follows the pile deflection itself: soil movement is not
  // subtracted for this rock.
  double modulus(const Point& pt, const VuggySite& S) const {
    return S.curve.secant(std::fabs(pt.y) / pt.ymult, pt.pmult, pt.ymult);
  }
  void not_a_number(const Point&, const VuggySite&) {}
  void integrate(const Point&, const VuggySite&) {}
  void print(const Point& pt, const VuggySite& S) const;
};

void VuggyLimestoneModel::print(const Point& pt, const VuggySite& S) const {
  using namespace py::out;
  const UnitLabels& u = pm.labels;
  const VuggyLimestoneCurve& cv = S.curve;
  title("p-y Curve for Vuggy Limestone (Strong Rock) Criteria");
  int_line("Soil Layer Number           ", pt.L);
  depth_line("Depth below pile head      ", pt.x);
  depth_line("Depth below ground surface ", pt.z);
  real_line("Shaft Diameter               ", pt.b, 3, u.ComputationLength);
  real_line("Uniaxial Compressive Strength", 2.0 * cv.su, 3, u.Stress);
  real_line("p-multiplier                 ", pt.pmult);
  real_line("y-multiplier                 ", pt.ymult);
  rock_table_header(22, "---------------   ---------------");

  // 0, y1, fifteenths of the rising branch, y2.
  constexpr int kPoints = 17;
  plot_line7(pt.x, kPoints, "Vuggy LS", pt.i);
  for (int k = 1; k <= kPoints; ++k) {
    double yr;
    if (k == 1)
      yr = 0.0;
    else if (k == 2)
      yr = cv.y1;
    else if (k <= 16)
      yr = cv.y1 + (k - 2) * (cv.y2 - cv.y1) / 15.0;
    else
      yr = cv.y2;
    const double y = pt.ymult * yr, p = pt.pmult * cv.p(yr);
    table_row(y, p);
    plot_line8(k, y, p, "Vuggy LS");
  }
}

}  // namespace

void PY_Weak_Rock(int L) {
  WeakRockModel model;
  py::sweep_layer(model, L);
}

void PY_Vuggy_Limestone(int L) {
  VuggyLimestoneModel model;
  py::sweep_layer(model, L);
}

// Massive rock has no p-y curve. At the layer's first node (or output
// depth) the pile width, unit weight, multipliers and rock strength are
// evaluated, so that an error in the data is reported as such; then the
// analysis ends with status 99 and a message saying why.
void PY_Massive_Rock(int L) {
  const int top = pyset.CurrentTopNode;
  if (top < 1) return;
  Point pt;
  py::load_point(L, top, true, pt);
  AverageGammaEff(pt.x);
  if (stopped()) return;
  fn_HB_qu_at_DepthX(pt.x);
  if (stopped()) return;

  const bool us = pm.options.IUNITS == kUnitsUS;
  const std::string depth = fmt::F(12, 3, us ? pt.x / 12.0 : pt.x);
  const std::string& unit = us ? pm.labels.LargeLength : pm.labels.ComputationLength;
  std::string at = depth.substr(std::min(depth.find_first_not_of(' '), depth.size()));
  at.append(" ").append(unit);
  for (OutputUnit* u : {&report_unit(), &runtime_unit()}) {
    u->blank();
    u->put("**** Massive Rock p-y Curves Not Available ****");
    u->blank();
    u->put("Problem:   Soil layer " + layer_text(L) + " is massive rock (MassRock) and contains the depth " + at);
    u->put("           below the pile head, where a p-y curve is required.  Kavro computes no");
    u->put("           p-y curves for massive rock, so the analysis cannot continue.");
    u->put("Solution:  Describe the rock of this layer as weak rock or vuggy limestone,");
    u->put("           or end the pile above the top of the layer.");
    u->blank();
    u->put("The analysis ended with status 99.");
  }
  pm.FatalErrorValue = 99;
}

}  // namespace kavro
