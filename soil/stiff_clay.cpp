// Stiff clay p-y curves: "StfClyAW" (without free water, Welch and Reese),
// "StfClyAK" (the same curve limited by an initial modulus k z) and
// "StfClyBW" (with free water, Reese, Cox and Koop).
#include "soil/stiff_clay.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "input/input_errors.h"
#include "report/warnings.h"
#include "soil/py_models.h"
#include "soil/py_sweep.h"
#include "soil/soil_coefficients.h"

namespace kavro {

namespace {
constexpr double kSmallAW = 2e-5;    // small-deflection limit of "StfClyAW", in pile widths
constexpr double kSmallY = 1e-14;    // below this deflection the modulus is k zc
}  // namespace

// ---- stiff clay without free water ----

double StiffClayCurve::p(double y) const {
  double r;
  if (!cyclic)
    r = y <= 16.0 * y50 ? 0.5 * pu * std::pow(y / y50, 0.25) : pu;
  else
    r = std::min(pu, 0.5 * pu * std::pow(y / (cycle_scale * y50), 0.25));
  if (with_k) r = std::min(r, kz * y);
  return r;
}

double StiffClayCurve::secant(double y, double pmult, double ymult) const {
  if (with_k) return y >= kSmallY ? pmult * p(y) / (std::fabs(y) * ymult) : kz;
  if (y >= kSmallAW * b) return pmult * p(y) / (std::fabs(y) * ymult);
  // The static curve's secant at 2e-5 b: finite at zero deflection.
  return (pmult / ymult) * 0.5 * pu * std::pow(y50 / (kSmallAW * b), 0.75) / y50;
}

// ---- stiff clay with free water ----

double StiffClayWaterCurve::residual_factor() const {
  if (cyclic) return double(0.936f) * Ac - double(0.4182f) * As;
  return 0.5 * std::sqrt(6.0 * As) - double(0.411f) - 0.75 * As;
}

double StiffClayWaterCurve::yp() const { return double(4.1f) * As * y50; }

double StiffClayWaterCurve::p(double y) const {
  double r;
  if (!cyclic) {
    const double a = ya();
    const double peak = 0.5 * std::sqrt(6.0 * As) * pc - double(0.411f) * pc;
    if (y <= a)
      r = 0.5 * pc * std::sqrt(y / y50);
    else if (y <= 6.0 * a)
      r = pc * (0.5 * std::sqrt(y / y50) - double(0.055f) * std::pow(y / a - 1.0, 1.25));
    else if (y <= 18.0 * a)
      r = peak - 0.0625 * pc * (y - 6.0 * a) / y50;
    else
      r = 0.5 * std::sqrt(6.0 * As) * pc - 0.75 * As * pc - double(0.411f) * pc;
  } else {
    const double q = yp();
    const double mid = double(0.45f) * q;
    if (y <= double(0.6f) * q)
      r = Ac * pc * (1.0 - std::pow(std::fabs((y - mid) / mid), 2.5));
    else if (y <= double(1.8f) * q)
      r = double(0.936f) * Ac * pc - double(0.085f) * pc * (y - double(0.6f) * q) / y50;
    else
      r = double(0.936f) * Ac * pc - double(0.102f) * pc * q / y50;
  }
  return std::min(r, kz * y);
}

double StiffClayWaterCurve::secant(double y, double pmult, double ymult) const {
  if (y >= kSmallY) return pmult * p(y) / (std::fabs(y) * ymult);
  return kz;
}

namespace {

using py::Point;

enum class Kind { NoWater, NoWaterK, FreeWater };

const char* model_name(Kind k) {
  switch (k) {
    case Kind::NoWater: return "StfClyAW";
    case Kind::NoWaterK: return "StfClyAK";
    case Kind::FreeWater: return "StfClyBW";
  }
  return "";
}

// Class 0..3 of the shear strength for the default strain and modulus.
int strength_class(Kind kind, double c, bool si) {
  static constexpr double kNoWater[2][3] = {{6.940000057220459, 13.880000114440918, 27.780000686645508},
                                            {47.8927001953125, 95.785400390625, 191.57080078125}};
  static constexpr double kFreeWater[2][3] = {{6.94444465637207, 13.88888931274414, 27.77777862548828},
                                              {47.8802604675293, 95.7605209350586, 191.5210418701172}};
  const double* t = kind == Kind::FreeWater ? kFreeWater[si ? 1 : 0] : kNoWater[si ? 1 : 0];
  int n = 0;
  while (n < 3 && !(c < t[n])) ++n;
  return n;
}

double default_eps50(Kind kind, double c, bool si) {
  static constexpr float kEps[4] = {0.011f, 0.007f, 0.005f, 0.004f};
  return double(kEps[strength_class(kind, c, si)]);
}

double default_k(Kind kind, double c, bool si, bool cyclic) {
  static constexpr double kUS[2][4] = {{250, 500, 1000, 2000}, {100, 200, 400, 800}};
  static constexpr double kSINoWater[2][4] = {{67861.796875, 135723.59375, 271447.1875, 542894.375},
                                              {27144.7109375, 54289.3984375, 108578.8984375, 217157.703125}};
  static constexpr double kSIFreeWater[2][4] = {{67861.78125, 135723.5625, 271447.125, 542894.25},
                                                {27144.7109375, 54289.421875, 108578.84375, 217157.6875}};
  const int n = strength_class(kind, c, si), l = cyclic ? 1 : 0;
  if (!si) return kUS[l][n];
  return kind == Kind::FreeWater ? kSIFreeWater[l][n] : kSINoWater[l][n];
}

// Strength outside 500..8000 psf (or the same pressures in kPa).
void strength_warnings(Kind kind, double c) {
  const int units = pm.options.IUNITS;
  const int base = kind == Kind::NoWater ? 3061 : kind == Kind::NoWaterK ? 3261 : 3051;
  if (units == kUnitsUS) {
    if (c < 3.472222328186035) Register_Warning(-base);
    if (c > 55.55555725097656) Register_Warning(-(base + 1));
  } else if (units == kUnitsSI) {
    const bool bw = kind == Kind::FreeWater;
    if (c < (bw ? 23.940128326416016 : 23.940000534057617)) Register_Warning(-(base + 2));
    if (c > (bw ? 383.04205322265625 : 383.0400085449219)) Register_Warning(-(base + 3));
  }
}

// Generic units have no default strain or modulus: the curve would be
// built from a zero or negative value, so the run stops instead.
void no_default_value(Kind kind, int L, const char* what) {
  const char* soil = kind == Kind::FreeWater ? "stiff clay with free water" : "stiff clay without free water";
  const std::string a = std::string("Problem:  Soil layer ") + std::to_string(L) + " (" + soil + ") has no positive value of " +
                        what + ",";
  const std::string b = std::string("          and no default value of ") + what + " exists in generic units.";
  const std::string c = std::string("Solution:  Input a positive value of ") + what +
                        " at the top and the bottom of the layer.";
  input::input_error_block(input::kErrNoStiffClayDefault, {a, b, c});
}

// k of the layer at depth x: interpolated between its top and bottom values
// (a bottom value <= 0 takes the top value), or the default by strength and
// loading. Sets `missing` in generic units when the default is needed.
double layer_k(Kind kind, int L, double x, double c, bool& missing) {
  SoilLayers& s = pm.soil;
  missing = false;
  if (s.kBottomOfLayer[L] <= 0.0) s.kBottomOfLayer[L] = s.kTopOfLayer[L];
  const double kt = s.kTopOfLayer[L], kb = s.kBottomOfLayer[L];
  const bool use_default = kind == Kind::FreeWater ? kt <= 0.0 : kt == 0.0;
  if (use_default) {
    const int units = pm.options.IUNITS;
    if (units != kUnitsUS && units != kUnitsSI) {
      missing = true;
      return 0.0;
    }
    return default_k(kind, c, units == kUnitsSI, pm.options.LoadingIsCyclic);
  }
  const double thickness = s.XLayerBottom[L] - s.XLayerTop[L];
  if (!(thickness > 0.0)) return kt;
  return kt + (x - s.XLayerTop[L]) * (kb - kt) / thickness;
}

// What the three models share per point.
struct StiffClaySite {
  double c = 0, gamma = 0, eps50 = 0, cavg = 0, ca = 0, k = 0, zc = 0, f = 1;
  double pct = 0, pcd = 0;
  StiffClayCurve dry;       // "StfClyAW", "StfClyAK"
  StiffClayWaterCurve wet;  // "StfClyBW"
};

class StiffClayModel {
 public:
  using Curve = StiffClaySite;
  static constexpr bool kChecksNaN = false;  // the free-water model only reports it
  static constexpr bool kWritesMovementForce = true;

  explicit StiffClayModel(Kind kind) : kind_(kind), theta_(pm.data.EffectiveSlopeAngle) {
    double& N = pm.options.NumberOfCycles;
    if (kind == Kind::NoWater) N = std::max(1.0, N);
    if (kind == Kind::NoWaterK && N == 0.0) N = 1.0;
    const double t = std::fabs(theta_);
    const double s = kind == Kind::FreeWater ? 0.7071067811865476 : 0.7071067690849304;
    slope_A_ = 1.0 / (1.0 + std::tan(t));
    slope_B_ = std::cos(t) * s / std::cos(std::numbers::pi / 4.0 + t);
  }

  void build(const Point& pt, StiffClaySite& S);

  double modulus(const Point& pt, const StiffClaySite& S) const {
    if (kind_ != Kind::FreeWater) return S.dry.secant(pt.yrel, pt.pmult, pt.ymult);
    const double Es = S.wet.secant(pt.yrel, pt.pmult, pt.ymult);
    if (std::isnan(Es) && !S.wet.cyclic) runtime_unit().put("Error in stiff clay with water at line 502");
    return Es;
  }

  void not_a_number(const Point&, const StiffClaySite&) {}

  void integrate(const Point& pt, const StiffClaySite& S) {
    const bool wet = kind_ == Kind::FreeWater;
    const double pu = wet ? S.wet.pr() : S.dry.pu;
    py::add_layer_pu(pt, pu, pu_prev_);
    const SoilLayers& s = pm.soil;
    if (pt.i == pyset.CurrentBottomNode) pyset.LayerPuIntegral[pt.L] += (s.XLayerBottom[pt.L] - pt.s) * pu;
    if (s.GroundSurfaceDepth < -9.999999747378752e-6 && pt.L == 1) {
      const double head = wet ? 2.0 * S.ca * pt.b + S.wet.pc : 3.0 * S.cavg * pt.b + S.dry.pu;
      pyset.LayerPuIntegral[1] = (s.XLayerBottom[1] - s.XLayerTop[1]) * 0.5 * head;
    }
  }

  void print(const Point& pt, const StiffClaySite& S);

 private:
  void zero_cohesion();
  void print_no_water(const Point& pt, const StiffClaySite& S);
  void print_free_water(const Point& pt, const StiffClaySite& S);

  Kind kind_;
  double theta_, slope_A_ = 1.0, slope_B_ = 1.0;
  double pu_prev_ = 0.0;
  // Running average of c over the points of the layer (free water).
  double c_sum_ = 0.0, x_first_ = 0.0, x_prev_ = 0.0, c_prev_ = 0.0;
};

void StiffClayModel::build(const Point& pt, StiffClaySite& S) {
  const int units = pm.options.IUNITS;
  const bool generic = units != kUnitsUS && units != kUnitsSI;
  const bool wet = kind_ == Kind::FreeWater;
  S.c = fn_c(pt.x);
  if (stopped()) return;
  if (!pt.first && S.c < 1e-10) {
    zero_cohesion();
    return;
  }
  if (!b_AtNode) strength_warnings(kind_, S.c);
  S.gamma = AverageGammaEff(pt.x);
  if (stopped()) return;
  S.cavg = AverageStrengthC(pt.x);
  if (stopped()) return;
  S.eps50 = Eps50_At_Depth(pt.x);
  if (S.eps50 <= 0.0) {
    if (generic) {
      no_default_value(kind_, pt.L, "Epsilon-50");
      return;
    }
    S.eps50 = default_eps50(kind_, S.c, units == kUnitsSI);
  }

  // Average strength of the layer down to this point (vertical depths).
  if (pt.first) {
    c_sum_ = 0.0;
    x_first_ = pt.x;
    S.ca = S.c;
  } else {
    c_sum_ += 0.5 * (c_prev_ + S.c) * (pt.x - x_prev_);
    S.ca = pt.x > x_first_ ? c_sum_ / (pt.x - x_first_) : S.c;
  }
  c_prev_ = S.c;
  x_prev_ = pt.x;
  if (wet && pt.L == 1) S.ca = S.cavg;

  const double b = pt.b, c = S.c;
  S.zc = pt.z;
  if (py::layering_applies(pt.L)) {
    if (py::equivalent_depth_due(pt)) {
      EquivalentDepthInput in;
      in.model = wet ? SoilModel::StiffClayFreeWater
                     : (kind_ == Kind::NoWater ? SoilModel::StiffClayNoWater : SoilModel::StiffClayNoWaterK);
      in.b = b;
      in.c = c;
      in.gamma = S.gamma;
      in.ca = wet ? S.ca : c;  // the first point of the layer: ca = c
      Equivalent_Depth_Of_Layer(pt.L, in);
    }
    S.zc = py::corrected_depth(pt);
  }
  const double zc = S.zc;

  if (kind_ != Kind::NoWater) {
    bool missing = false;
    S.k = layer_k(kind_, pt.L, pt.x, c, missing);
    if (missing) {
      no_default_value(kind_, pt.L, "k");
      return;
    }
  }

  // Sloping ground: less resistance when the pile moves downslope, more upslope.
  S.f = 1.0;
  if (std::fabs(theta_) > 1e-20) {
    const bool downhill = theta_ > 1e-20;
    S.f = pt.y > 1e-20 ? (downhill ? slope_A_ : slope_B_) : (downhill ? slope_B_ : slope_A_);
  }

  const bool cyclic = pm.options.LoadingIsCyclic;
  if (!wet) {
    S.pct = S.f * ((S.gamma * b + 0.5 * c) * zc + 3.0 * b * c);
    S.pcd = 9.0 * b * c;
    StiffClayCurve& d = S.dry;
    d.pu = std::min(S.pct, S.pcd);
    d.y50 = 2.5 * S.eps50 * b;
    d.b = b;
    d.kz = S.k * zc;
    d.cyclic = cyclic;
    d.with_k = kind_ == Kind::NoWaterK;
    d.cycle_scale = cyclic ? 1.0 + double(0.6f) * std::log10(pm.options.NumberOfCycles) : 1.0;
  } else {
    const double ca = S.ca;
    S.pct = ((S.gamma * b + double(2.83f) * ca) * zc + 2.0 * ca * b) * S.f;
    S.pcd = 11.0 * c * b;
    StiffClayWaterCurve& w = S.wet;
    w.pc = std::min(S.pct, S.pcd);
    w.y50 = S.eps50 * b;
    w.As = Stiff_Clay_As(zc / b);
    w.Ac = Stiff_Clay_Ac(zc / b);
    w.kz = S.k * zc;
    w.cyclic = cyclic;
  }
}

void StiffClayModel::zero_cohesion() {
  const bool wet = kind_ == Kind::FreeWater;
  for (OutputUnit* u : {&runtime_unit(), &report_unit()}) {
    if (wet) {
      u->put("**** Input Data Error No. 14 ****");
      u->blank();
      u->put("An error was detected in the input data used to compute p-y curves in ");
      u->put("stiff clay with free water.");
      u->blank();
      u->put("Problem:  Zero was input for the cohesion of a stiff clay. ");
      u->blank();
      u->put("Solution:  Check and compare the values of shear strength and revise the ");
      u->put("input so that the strength values are correct for the soil types specified.");
    } else {
      u->put("**** Input Data Error No. 13 ****");
      u->blank();
      u->put("An error was detected in the input data.");
      u->put("Problem:  Zero was input for cohesion of stiff clay without free water.");
      u->blank();
      if (kind_ == Kind::NoWaterK) {
        u->put("Solution:  Please check the values of soil shear strength and revise ");
        u->put("the input data.");
      } else {
        u->put("Solution:  Please check the values of soil shear strength and revise the input data.");
      }
    }
  }
  stop_input_error(wet ? 14 : 13);
}

void StiffClayModel::print(const Point& pt, const StiffClaySite& S) {
  if (kind_ == Kind::FreeWater)
    print_free_water(pt, S);
  else
    print_no_water(pt, S);
}

// Column header of the printed points.
void point_header() {
  OutputUnit& r = report_unit();
  r.blank();
  r.line().text("        y, ").text(pm.labels.ComputationLength).text("            p, ").text(pm.labels.ForcePerLength).end();
  r.put("----------------    -----------------");
}

// The models without free water print their own column header; the
// free-water model the common one of the clay blocks.
void print_points(const Point& pt, const char* name, int k, double yr, double p, bool own_header = true) {
  const double y = pt.ymult * yr, pp = pt.pmult * p;
  if (k == 1) {
    if (own_header)
      point_header();
    else
      py::out::table_header();
  }
  py::out::table_row(y, pp);
  py::out::plot_line8(k, y, pp, name);
}

void StiffClayModel::print_no_water(const Point& pt, const StiffClaySite& S) {
  const AnalysisData& d = pm.data;
  const UnitLabels& u = pm.labels;
  const bool us = py::out::us_units();
  const bool cyclic = pm.options.LoadingIsCyclic;
  const bool with_k = kind_ == Kind::NoWaterK;
  const StiffClayCurve& cv = S.dry;
  using namespace py::out;

  OutputUnit& r = report_unit();
  r.blank(2);
  r.put(cyclic ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water"
               : "p-y Curve Computed Using Static Criteria for Stiff Clay without Free Water");
  if (with_k) r.put("with Option of Defining Initial k");
  r.blank();
  int_line("Soil Layer Number         ", pt.L);
  depth_line("Depth below pile head      ", pt.x);
  depth_line("Depth below ground surface ", pt.z);
  depth_line("Equivalent Depth           ", S.zc);
  if (!with_k) {
    angle_line("Ground Slope Angle        ", d.GroundSlopeAngle);
    angle_line("Pile Batter Angle         ", d.BatterAngle);
    angle_line("Effective Slope           ", d.EffectiveSlopeAngle);
  }
  real_line("Diameter                  ", pt.b, 3, u.ComputationLength);
  real_line("Undrained cohesion, c     ", S.c, 5, u.Stress);
  if (us) real_line("Undrained cohesion, c     ", S.c * 144.0, 5, "psf");
  real_line("Average Eff. Unit Weight  ", S.gamma, 5, u.SubgradeModulus);
  if (us) real_line("Average Eff. Unit Weight  ", S.gamma * 1728.0, 5, "pcf");
  if (with_k) real_line("k                         ", S.k, 0, u.SubgradeModulus);
  real_line("Epsilon-50                ", S.eps50, 5);
  real_line("Pct                       ", S.pct, 3, u.ForcePerLength);
  real_line("Pcd                       ", S.pcd, 3, u.ForcePerLength);
  real_line("Pu                        ", cv.pu, 3, u.ForcePerLength);
  real_line("y50                       ", cv.y50, 5, u.ComputationLength);
  real_line("p-multiplier              ", pt.pmult, 5);
  real_line("y-multiplier              ", pt.ymult, 5);
  if (cyclic)
    real_line(with_k ? "Number of Cycles of Loading" : "Number of cycles of loading ", pm.options.NumberOfCycles);

  const char* name = model_name(kind_);
  plot_line7(pt.x, 17, name, pt.i);
  // Fractions of 16 y50, then two points beyond.
  static constexpr float kFraction[14] = {1e-5f,  5e-5f, 1e-4f,  5e-4f, 0.001f, 0.005f, 0.01f,
                                          0.025f, 0.05f, 0.075f, 0.1f,  0.25f,  0.5f,   1.0f};
  const double ys16 = 16.0 * cv.y50;
  const double ye = cyclic ? 18.75 * (16.0 + double(9.6f) * std::log10(pm.options.NumberOfCycles)) * cv.y50 / 15.0
                           : double(16.8f) * cv.y50;
  for (int k = 1; k <= 17; ++k) {
    double yr;
    if (k == 1)
      yr = 0.0;
    else if (k <= 15)
      yr = ys16 * double(kFraction[k - 2]);
    else if (k == 16)
      yr = (ys16 + ye) / 2.0;
    else
      yr = ye;
    print_points(pt, name, k, yr, cv.p(yr));
  }
}

void StiffClayModel::print_free_water(const Point& pt, const StiffClaySite& S) {
  const UnitLabels& u = pm.labels;
  const bool cyclic = pm.options.LoadingIsCyclic;
  const StiffClayWaterCurve& cv = S.wet;
  using namespace py::out;

  title(cyclic ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water"
               : "p-y Curve Computed Using Static Criteria for Stiff Clay with Free Water");
  int_line("Soil Layer Number       ", pt.L);
  depth_line("Depth below pile head      ", pt.x);
  depth_line("Depth below ground surface ", pt.z);
  depth_line("Equivalent Depth           ", S.zc);
  real_line("Diameter                ", pt.b, 3, u.ComputationLength);
  real_line("c (at curve depth)      ", S.c, 3, u.Stress);
  real_line("Average cohesion, c     ", S.ca, 3, u.Stress);
  real_line("Average Eff. Unit Weight  ", S.gamma, 5, u.SubgradeModulus);
  real_line("k                       ", S.k, 3, u.SubgradeModulus);
  real_line("Epsilon50               ", S.eps50, 4);
  real_line("y50                     ", cv.y50, 5, u.ComputationLength);
  real_line("As                      ", cv.As);
  real_line(cyclic ? "Ac                       " : "Ac (not used)           ", cv.Ac);
  real_line("pct                     ", S.pct, 3, u.ForcePerLength);
  real_line("pcd                     ", S.pcd, 3, u.ForcePerLength);
  real_line("pc                      ", cv.pc, 3, u.ForcePerLength);
  real_line("pu                      ", cv.pr(), 3, u.ForcePerLength);
  real_line("p-multiplier            ", pt.pmult);
  real_line("y-multiplier            ", pt.ymult);
  if (cyclic) real_line("Number of Cycles of Loading", pm.options.NumberOfCycles);

  const char* name = model_name(kind_);
  plot_line7(pt.x, 17, name, pt.i);
  // Static: steps of As y50 / 2 up to 6 As y50, then 10, 14, 18 and 19 As y50.
  // Cyclic: steps of yp / 20 up to 0.6 yp, then 1.0, 1.4, 1.8 and 1.9 yp.
  const double unit = cyclic ? cv.yp() : cv.ya();
  static constexpr float kStaticTail[4] = {10.0f, 14.0f, 18.0f, 19.0f};
  static constexpr float kCyclicTail[4] = {1.0f, 1.4f, 1.8f, 1.9f};
  for (int k = 1; k <= 17; ++k) {
    double yr;
    if (k <= 13)
      yr = (cyclic ? double(0.05f) : 0.5) * unit * (k - 1);
    else
      yr = double(cyclic ? kCyclicTail[k - 14] : kStaticTail[k - 14]) * unit;
    print_points(pt, name, k, yr, cv.p(yr), false);
  }
}

}  // namespace

void PY_Stiff_Clay_Free_Water(int L) {
  StiffClayModel model(Kind::FreeWater);
  py::sweep_layer(model, L);
}

void PY_Stiff_Clay_No_Water(int L) {
  StiffClayModel model(Kind::NoWater);
  py::sweep_layer(model, L);
}

void PY_Stiff_Clay_No_Water_K(int L) {
  StiffClayModel model(Kind::NoWaterK);
  py::sweep_layer(model, L);
}

}  // namespace kavro
