// User-input p-y curves ("User p-y"): two curves per layer, given point by
// point at the layer's top and bottom, interpolated linearly in between.
#include <algorithm>
#include <cmath>

#include "soil/py_models.h"
#include "soil/py_sweep.h"

namespace kavro {
namespace {

using py::Point;

int num_curve_points(int i) { return std::clamp(pm.soil.NumUserPYPoints[i], 0, kMaxUserPYPoints); }

// Resistance of input curve i at deflection y: linear between its points,
// the last value beyond the last point. A curve whose first point lies above
// zero deflection starts with the line from the origin to that point.
double curve_p(int i, double y) {
  const int n = num_curve_points(i);
  if (n == 0) return 0.0;
  const auto& Y = pm.soil.UserPY_y[i];
  const auto& P = pm.soil.UserPY_p[i];
  if (y == Y[1]) return P[1];
  if (y > Y[n]) return P[n];
  if (0.0 <= y && y < Y[1]) return P[1] * y / Y[1];
  if (n == 1) return P[1];
  int k = n;
  for (int j = 2; j <= n - 1; ++j) {
    if (Y[j - 1] < y && y <= Y[j]) {
      k = j;
      break;
    }
  }
  return P[k - 1] + (y - Y[k - 1]) * (P[k] - P[k - 1]) / (Y[k] - Y[k - 1]);
}

// Initial slope of input curve i: its second point's p / y.
double curve_slope(int i) {
  if (num_curve_points(i) < 2) return 0.0;
  return pm.soil.UserPY_p[i][2] / pm.soil.UserPY_y[i][2];
}

struct UserPYCurve {
  int top = 0, bottom = 0;  // depth points of the two input curves
  bool inside = false;      // the position lies between the two curve depths
  double ds = 0;            // position below the top curve
  double span = 0;          // distance between the curves (0: the top curve alone)
  double K = 0;             // initial slope, the modulus at zero deflection

  // Linear in the position between the top and the bottom value.
  double blend(double vt, double vb) const { return span != 0.0 ? vt + (vb - vt) * ds / span : vt; }
  double p(double y) const { return inside ? blend(curve_p(top, y), curve_p(bottom, y)) : 0.0; }
};

class UserPYModel {
 public:
  using Curve = UserPYCurve;
  static constexpr bool kChecksNaN = false;
  static constexpr bool kWritesMovementForce = true;

  void build(const Point& pt, Curve& c) const {
    const SoilLayers& s = pm.soil;
    c.top = 2 * pt.L - 1;
    c.bottom = 2 * pt.L;
    const double dt = s.UserPYDepth[c.top], db = s.UserPYDepth[c.bottom];
    c.inside = dt <= pt.s && pt.s <= db;
    c.ds = pt.s - dt;
    c.span = std::fabs(db - dt) > 1e-6 ? db - dt : 0.0;
    if (c.inside) c.K = c.blend(curve_slope(c.top), curve_slope(c.bottom));
  }

  double modulus(const Point& pt, const Curve& c) const {
    if (std::fabs(pt.yrel) < 1e-14) return c.K;
    return pt.pmult * c.p(pt.yrel) / (pt.ymult * pt.yrel);
  }
  void not_a_number(const Point&, const Curve&) {}

  // Every node adds h times the last-point resistance of the curves.
  void integrate(const Point& pt, const Curve& c) const {
    const SoilLayers& s = pm.soil;
    if (pt.first) pyset.LayerPuIntegral[pt.L] = 0.0;
    const int nt = num_curve_points(c.top), nb = num_curve_points(c.bottom);
    const double pt_last = nt > 0 ? s.UserPY_p[c.top][nt] : 0.0;
    const double pb_last = nb > 0 ? s.UserPY_p[c.bottom][nb] : 0.0;
    const double dt = s.UserPYDepth[c.top], db = s.UserPYDepth[c.bottom];
    double p_last = pt_last;
    if (std::fabs(db - dt) > 1e-6) p_last = pt_last + (pb_last - pt_last) * (pt.s - dt) / (db - dt);
    pyset.LayerPuIntegral[pt.L] += nodes.h * p_last;
  }

  void print(const Point& pt, const Curve& c) const;
};

void UserPYModel::print(const Point& pt, const Curve& c) const {
  using namespace py::out;
  const UnitLabels& u = pm.labels;
  title("p-y Curve Computed by Interpolation Between User-input Curves");
  int_line("Soil Layer Number           ", pt.L, 12);
  depth_line("Depth below pile head       ", pt.x);
  depth_line("Depth below ground surface  ", pt.z);
  real_line("Pile diameter               ", pt.b, 3, u.ComputationLength);
  real_line("p-multiplier                ", pt.pmult, 3);
  real_line("y-multiplier                ", pt.ymult, 3);
  OutputUnit& r = report_unit();
  r.blank();
  r.line().tab(7).text("y, ").text(u.ComputationLength).tab(25).text("p, ").text(u.Force).text(u.Slash).text(u.ComputationLength).end();
  r.put("----------------    ----------------");

  static constexpr float kFactor[17] = {0.0f,     0.0002f,  0.00125f, 0.0025f, 0.00375f, 0.005f,
                                        0.00625f, 0.0075f,  0.00875f, 0.01f,   0.01125f, 0.0125f,
                                        0.01375f, 0.015f,   0.04f,    0.075f,  0.1f};
  plot_line7(pt.x, 17, "User p-y", pt.i);
  for (int k = 1; k <= 17; ++k) {
    const double yr = pt.b * double(kFactor[k - 1]);
    const double y = pt.ymult * yr, p = pt.pmult * c.p(yr);
    r.line().f(15, 4, y).x(5).f(15, 4, p).end();
    plot_line8(k, y, p, "User p-y");
  }
}

}  // namespace

void PY_User_Input(int L) {
  UserPYModel model;
  py::sweep_layer(model, L);
}

}  // namespace kavro
