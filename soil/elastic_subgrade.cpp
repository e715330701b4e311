// Elastic subgrade ("Elast SG"): a linear p-y curve p = E b y with the
// subgrade modulus E interpolated within the layer.
#include <string>

#include "soil/py_models.h"
#include "soil/py_sweep.h"

namespace kavro {
namespace {

using py::Point;

struct ElasticSubgradeCurve {
  double E = 0;  // subgrade modulus at the depth
  double b = 0;  // pile width
  double p(double y) const { return E * b * y; }
};

class ElasticSubgradeModel {
 public:
  using Curve = ElasticSubgradeCurve;
  static constexpr bool kChecksNaN = false;
  static constexpr bool kWritesMovementForce = true;

  void build(const Point& pt, Curve& c) const {
    c.E = Interpolate_In_Layer(pm.soil.ElasticSubgradeModulus, pt.L, pt.x);
    c.b = pt.b;
  }
  // Independent of the deflection.
  double modulus(const Point& pt, const Curve& c) const { return pt.pmult * c.E * c.b / pt.ymult; }
  void not_a_number(const Point&, const Curve&) {}
  void integrate(const Point&, const Curve&) {}  // no layering correction below this model
  void print(const Point& pt, const Curve& c) const;
};

void ElasticSubgradeModel::print(const Point& pt, const Curve& c) const {
  using namespace py::out;
  const UnitLabels& u = pm.labels;
  title("p-y Curve for Elastic Subgrade");
  int_line("Soil Layer Number               ", pt.L, 10);
  depth_line("Depth below pile head      ", pt.x);
  depth_line("Depth below ground surface ", pt.z);
  real_line("Shaft Diameter                  ", pt.b, 3, u.ComputationLength);
  std::string modulus_unit = u.Force;  // force / length**3
  modulus_unit.append(u.Slash).append(u.ComputationLength).append(u.Power).append(u.Three);
  real_line("Elastic Subgrade Modulus", c.E, 3, modulus_unit);
  real_line("p-multiplier                    ", pt.pmult, 5);
  real_line("y-multiplier                    ", pt.ymult, 5);
  OutputUnit& r = report_unit();
  r.blank();
  r.line().text("        y, ").text(u.ComputationLength).tab(22).text("p, ").text(u.Force).text(u.Slash).text(u.ComputationLength).end();
  r.put("---------------   ---------------");

  constexpr int kPoints = 17;
  plot_line7(pt.x, kPoints, "Elast SG", pt.i);
  for (int k = 1; k <= kPoints; ++k) {
    const double yr = (k - 1) * pt.b / 8.0;
    const double y = pt.ymult * yr, p = pt.pmult * c.p(yr);
    table_row(y, p);
    plot_line8(k, y, p, "Elast SG");
  }
}

}  // namespace

void PY_Elastic_Subgrade(int L) {
  ElasticSubgradeModel model;
  py::sweep_layer(model, L);
}

}  // namespace kavro
