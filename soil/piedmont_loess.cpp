// Piedmont residual soil ("Piedmont") and loess ("KS Loess") p-y curves.
// Neither model applies the layered-soil correction, writes a layer
// integral or a soil-movement load term, or checks its modulus for
// not-a-number values.
#include "soil/piedmont_loess.h"

#include <cmath>
#include <string>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "soil/py_models.h"
#include "soil/py_sweep.h"

namespace kavro {

namespace {
constexpr double kTiny = double(1e-14f);  // below this relative deflection the initial slope is used
}  // namespace

// ---- Piedmont residual soil ----

double PiedmontCurve::initial_modulus(int type, double v, int units) {
  // SI: the US coefficients with psi -> kPa (6.894757) and in -> m (0.0254).
  constexpr double kPa = 6.894757270812988, kInch = 0.02539999969303608;
  if (units == kUnitsUS) {
    switch (type) {
      case 1: return 22.0 * v;                  // SPT N60, blows/ft
      case 2: return 0.8135813628874473 * v;    // CPT qc, psi
      case 3: return 0.07599999755620956 * v;   // dilatometer modulus, psi
      case 4: return 0.23499999940395355 * v;   // pressuremeter modulus, psi
      default: return 0.0;
    }
  }
  if (units == kUnitsSI) {
    switch (type) {
      case 1: return 151.68465995788574 * v / kInch;
      case 2: return 0.8135813628874473 * v / kInch;
      case 3: return v / kPa * 0.5240015357324452 / kInch;
      case 4: return v / kPa * 1.6202679545314567 / kInch;
      default: return 0.0;
    }
  }
  return 0.0;  // generic units: no correlation, no resistance
}

PiedmontCurve PiedmontCurve::make(double q, double b) {
  PiedmontCurve c;
  c.q = q;
  c.b = b;
  c.y1 = double(0.001f) * b;
  c.y2 = double(0.0375f) * b;
  return c;
}

double PiedmontCurve::p(double y) const {
  const double a = std::fabs(y);
  double r;
  if (a < y1)
    r = q * b * a;
  else if (a < y2)
    r = q * b * a * (1.0 - 0.21624703162973105 * std::log(1000.0 * a / b));
  else
    r = 0.008112028136109242 * (b * b) * q;
  return y < 0.0 ? -r : r;
}

double PiedmontCurve::secant(double y, double pmult, double ymult) const {
  if (y >= kTiny) return p(y) / y * pmult / ymult;
  return q * b / ymult;  // the p-multiplier is not applied to the initial slope
}

// ---- loess ----

double Loess_Cycles(double N) {
  const double a = std::fabs(N);
  return a >= 1.0 ? a : 1.0;
}

double LoessCurve::reference_deflection(int units) {
  return units == kUnitsUS ? 0.11699999868869781 : 0.0029718000441789627;
}

double LoessCurve::depth_adjusted(double qc, double s, double b) {
  if (s < 2.0 * b) return qc * (s / (2.0 * b) + 0.5);
  return qc;
}

LoessCurve LoessCurve::make(double qc_adjusted, double b, double cycles, int units) {
  LoessCurve c;
  c.yref = reference_deflection(units);
  c.pu0 = double(0.409f) * qc_adjusted;
  c.pu = b * c.pu0 / (1.0 + double(0.24f) * std::log(cycles));
  c.Ki = c.pu / c.yref;
  return c;
}

double LoessCurve::p(double y) const {
  const double a = std::fabs(y);
  const double r = Ki * a / (1.0 + (1.0 + double(0.1f) * std::exp(-a / yref)) * a / yref);
  return y < 0.0 ? -r : r;
}

double LoessCurve::secant(double y, double pmult, double ymult) const {
  if (std::fabs(y) < kTiny) return pmult / ymult * Ki;  // the limit of p / y at the origin
  return pmult / ymult * (p(y) / y);
}

namespace {

using py::Point;

// "force/length" and "stress/length" unit labels of the report blocks.
std::string per_length(const std::string& unit) {
  std::string s = unit;
  s.append(UnitLabels::Slash).append(pm.labels.ComputationLength);
  return s;
}

// Column header of the point table, shared by both models.
void point_table_header() {
  OutputUnit& r = report_unit();
  r.blank();
  r.line().text("        y, ").text(pm.labels.ComputationLength).tab(22).text("p, ").text(per_length(pm.labels.Force)).end();
  r.put("---------------   ---------------");
}

// ---- Piedmont model ----

struct PiedmontSite {
  PiedmontCurve curve;
  int type = 0;   // field test of the layer
  double v = 0;   // test value at the depth
};

class PiedmontModel {
 public:
  using Curve = PiedmontSite;
  static constexpr bool kChecksNaN = false;
  // The curve is read at the deflection relative to the moving soil, so the
  // soil movement loads the node with this curve's own modulus.
  static constexpr bool kWritesMovementForce = true;

  void build(const Point& pt, PiedmontSite& S) const {
    const SoilLayers& s = pm.soil;
    S.type = s.PiedmontTestType[2 * pt.L - 1];
    S.v = 0.0;
    switch (S.type) {
      case 1: S.v = Interpolate_In_Layer(s.SPTN60, pt.L, pt.x); break;
      case 2: S.v = Interpolate_In_Layer(s.ConeTipResistance, pt.L, pt.x); break;
      case 3: S.v = Interpolate_In_Layer(s.DilatometerModulus, pt.L, pt.x); break;
      case 4: S.v = Interpolate_In_Layer(s.PressuremeterModulus, pt.L, pt.x); break;
      default: break;
    }
    S.curve = PiedmontCurve::make(PiedmontCurve::initial_modulus(S.type, S.v, pm.options.IUNITS), pt.b);
  }
  double modulus(const Point& pt, const PiedmontSite& S) const {
    return S.curve.secant(pt.yrel, pt.pmult, pt.ymult);
  }
  void not_a_number(const Point&, const PiedmontSite&) {}
  void integrate(const Point&, const PiedmontSite&) {}
  void print(const Point& pt, const PiedmontSite& S) const;
};

void PiedmontModel::print(const Point& pt, const PiedmontSite& S) const {
  using namespace py::out;
  const UnitLabels& u = pm.labels;
  const int units = pm.options.IUNITS;
  const bool si = units == kUnitsSI, with_value = units == kUnitsUS || si;
  title("p-y Curve Computed Using the Piedmont Residual Soil Criteria");
  int_line("Soil Layer Number               ", pt.L, 10);
  depth_line("Depth below pile head      ", pt.x);
  depth_line("Depth below ground surface ", pt.z);
  real_line("Shaft Diameter                  ", pt.b, 3, u.ComputationLength);

  const char* test = nullptr;
  const char* label = nullptr;
  const char* unit = si ? "kPa" : "psi";
  switch (S.type) {
    case 1:
      test = "Standard Penetration Test";
      label = "SPT  N60-value";
      unit = si ? "blows/0.3 m" : "blows/ft";
      break;
    case 2: test = "Cone Penetration Test"; label = "CPT qc"; break;
    case 3: test = "Dilatometer Test"; label = "DMT Edmt"; break;
    case 4: test = "Pressuremeter Test"; label = "DMT Epmt    "; break;
    default: break;
  }
  if (test != nullptr) {
    report_unit().line().text("Type of Field Test").tab(56).text("= ").text(test).end();
    if (with_value) real_line(label, S.v, 3, unit);
  }
  real_line("Initial p-y Modulus from Field Tests", S.curve.q, 3, per_length(u.Stress));
  real_line("p-multiplier                        ", pt.pmult, 5);
  real_line("y-multiplier                        ", pt.ymult, 5);
  point_table_header();

  // The origin, y1, thirteen equal steps to y2, y2 and a point beyond it.
  constexpr int kPoints = 17;
  const PiedmontCurve& c = S.curve;
  plot_line7(pt.x, kPoints, "Piedmont", pt.i);
  for (int k = 1; k <= kPoints; ++k) {
    double yr;
    if (k == 1)
      yr = 0.0;
    else if (k == 2)
      yr = c.y1;
    else if (k <= 15)
      yr = c.y1 + (k - 2) * (c.y2 - c.y1) / 14.0;
    else if (k == 16)
      yr = c.y2;
    else
      yr = double(1.05f) * c.y2;
    const double y = pt.ymult * yr, p = pt.pmult * c.p(yr);
    table_row(y, p);
    plot_line8(k, y, p, "Piedmont");
  }
}

// ---- loess model ----

struct LoessSite {
  LoessCurve curve;
  double qc = 0;  // cone tip resistance used, after the adjustment near the head
  bool adjusted = false;
};

class LoessModel {
 public:
  using Curve = LoessSite;
  static constexpr bool kChecksNaN = false;
  // The curve is read at the deflection relative to the moving soil, so the
  // soil movement loads the node with this curve's own modulus.
  static constexpr bool kWritesMovementForce = true;

  explicit LoessModel(double cycles) : cycles_(cycles) {}

  void build(const Point& pt, LoessSite& S) const {
    const double qc = Interpolate_In_Layer(pm.soil.ConeTipResistance, pt.L, pt.x);
    S.adjusted = pt.s < 2.0 * pt.b;
    S.qc = LoessCurve::depth_adjusted(qc, pt.s, pt.b);
    S.curve = LoessCurve::make(S.qc, pt.b, cycles_, pm.options.IUNITS);
  }
  double modulus(const Point& pt, const LoessSite& S) const { return S.curve.secant(pt.yrel, pt.pmult, pt.ymult); }
  void not_a_number(const Point&, const LoessSite&) {}
  void integrate(const Point&, const LoessSite&) {}
  void print(const Point& pt, const LoessSite& S) const;

 private:
  double cycles_;
};

void LoessModel::print(const Point& pt, const LoessSite& S) const {
  using namespace py::out;
  const UnitLabels& u = pm.labels;
  const LoessCurve& c = S.curve;
  title("p-y Curve for Loess");
  int_line("Soil Layer Number               ", pt.L, 10);
  depth_line("Depth below pile head      ", pt.x);
  depth_line("Depth below ground surface ", pt.z);
  real_line("Shaft Diameter                  ", pt.b, 3, u.ComputationLength);
  real_line(S.adjusted ? "Depth Adj. Cone tip resistance  " : "Cone tip resistance             ", S.qc, 3, u.Stress);
  real_line("Initial Modulus, Ei             ", c.Ki, 3, u.Stress);
  real_line("p_u0                            ", c.pu0, 3, u.Stress);
  real_line("p_u                             ", c.pu, 3, per_length(u.Force));
  report_unit().line().text("Number of Cycles of Loading     ").tab(56).text("= ").f(12, 0, cycles_).text(" cycles").end();
  real_line("p-multiplier                    ", pt.pmult, 5);
  real_line("y-multiplier                    ", pt.ymult, 5);
  point_table_header();

  static constexpr double kFactor[17] = {0, 0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4, 6, 8, 12, 16, 23, 30, 40, 50};
  plot_line7(pt.x, 17, "KS Loess", pt.i);
  for (int k = 1; k <= 17; ++k) {
    const double yr = c.yref * kFactor[k - 1];
    const double y = pt.ymult * yr, p = pt.pmult * c.p(yr);
    table_row(y, p);
    plot_line8(k, y, p, "KS Loess");
  }
}

// The loess correlation holds for 1 to 10 cycles of loading.
void too_many_cycles(int L, double N) {
  OutputUnit& r = report_unit();
  r.blank();
  r.put("**** Input Data Error No. 70 ****");
  r.blank();
  r.line()
      .text("PROBLEM: Soil layer ")
      .i0(L)
      .text(" is a loess and the input value for the number of cycles of loading = ")
      .f(12, 1, N)
      .end();
  r.put("This value is greater than 10. The soil model for loess is valid only for 1 to 10 cycles of loading. ");
  r.put("SOLUTION: Revise the input data so that the number of cycles of loading is in the range of 1 to 10.");
  r.blank();
  // Input error 70 (value 170), whose message code carries the value.
  Error_Stop("INP00170", 170);
}

}  // namespace

void PY_Piedmont(int L) {
  PiedmontModel model;
  py::sweep_layer(model, L);
}

void PY_Loess(int L) {
  const double N = pm.options.NumberOfCycles;
  if (std::fabs(N) > double(10.1f)) {
    too_many_cycles(L, N);
    return;
  }
  LoessModel model(Loess_Cycles(N));
  py::sweep_layer(model, L);
}

}  // namespace kavro
