// What every p-y model shares: the point a curve is built for (a pile node
// in analysis mode, an output depth in print mode), the depth used for the
// curve, storing the modulus, the layer integral, and the report and plot
// pieces of print mode. A model supplies a small curve type answering p(y)
// and a model type that builds it for one point; sweep_layer() runs the
// per-point procedure over the current range of a layer.
//
// A model type M provides
//   using Curve = ...;                                 // built per point
//   void build(const Point&, Curve&);                  // may stop the run
//   double modulus(const Point&, const Curve&) const;  // secant Es at pt.yrel
//   void not_a_number(const Point&, const Curve&);     // stops with the model's error
//   void integrate(const Point&, const Curve&);        // layer integral, per node
//   void print(const Point&, const Curve&);            // print mode block
//   static constexpr bool kChecksNaN, kWritesMovementForce;
#pragma once

#include <cmath>
#include <string_view>

#include "analysis/nodes.h"
#include "engine/errors.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "soil/py_curve_set.h"
#include "soil/soil_profile.h"

namespace kavro::py {

struct Point {
  int L = 0;           // soil layer
  int i = 0;           // node number, or output-depth number (the curve number) in print mode
  bool first = false;  // first point of the layer's range
  double s = 0;        // position along the pile axis
  double x = 0;        // vertical depth below the pile head
  double z = 0;        // depth below the ground surface
  double b = 0;        // pile width
  double pmult = 1.0;  // p-multiplier
  double ymult = 1.0;  // y-multiplier
  double y = 0;        // pile deflection (its sign picks the sloping-ground side)
  double ys = 0;       // soil movement
  double yrel = 0;     // |y - ys| / ymult, where the curve is evaluated
};

inline bool print_mode() { return pyset.PrintPyMode; }

// Fills a point of layer L: node i in analysis mode, output depth i in print mode.
void load_point(int L, int i, bool first, Point& pt);

// The layering correction applies to layers below the first while no rock
// (or similar) layer lies above in this sweep.
inline bool layering_applies(int L) { return L > 1 && pyset.RockAboveCount == 0; }
// The equivalent depth is recomputed at the first node of such a layer in
// analysis mode; print mode uses the stored value.
inline bool equivalent_depth_due(const Point& pt) {
  return !print_mode() && pt.first && layering_applies(pt.L);
}
// Depth used for the curve by a model with the layering correction, from
// the stored equivalent depth of the layer top (true depth when it does
// not apply).
double corrected_depth(const Point& pt);

// Sign of v with a dead band: +1, -1 or 0.
inline int sign_of(double v, double tol) { return v > tol ? 1 : (v < -tol ? -1 : 0); }

// Writes Es of the node and, with soil movements, its load term.
void store_modulus(const Point& pt, double Es, bool movement_force);

// Standard layer integral of the static ultimate resistance: reset at the
// first node, trapezoids of width h after it. pu_prev carries the previous
// node's value.
void add_layer_pu(const Point& pt, double pu, double& pu_prev);

template <class Model>
void sweep_layer(Model& model, int L) {
  const int top = pyset.CurrentTopNode, bottom = pyset.CurrentBottomNode;
  const int cap = print_mode() ? kMaxPYOutputDepths : kNodeArraySize;
  if (top < 1) return;
  for (int i = top; i <= bottom && i <= cap; ++i) {
    Point pt;
    load_point(L, i, i == top, pt);
    typename Model::Curve curve;
    model.build(pt, curve);
    if (stopped()) return;
    if (print_mode()) {
      model.print(pt, curve);
      if (stopped()) return;
      continue;
    }
    const double Es = model.modulus(pt, curve);
    if constexpr (Model::kChecksNaN) {
      if (std::isnan(Es) && !pyset.FirstPass) {
        model.not_a_number(pt, curve);
        return;
      }
    }
    store_modulus(pt, Es, Model::kWritesMovementForce);
    model.integrate(pt, curve);
  }
}

// ---- print mode: report block and plot records ----
namespace out {

bool us_units();
// Two blank lines, the title, one blank line.
void title(std::string_view text);
// "label" ... "= " at column 56, then the value field and the unit.
void int_line(std::string_view label, long long v, int width = 12);
void real_line(std::string_view label, double v, int decimals = 3, std::string_view unit = {});
// A depth: feet in US customary units, the computation length otherwise.
void depth_line(std::string_view label, double depth);
// An angle given in radians, printed in degrees.
void angle_line(std::string_view label, double radians);
// Plot record 7 of a curve (depth, number of points, curve number) and
// record 8 of its point k, labelled for the 8-character model name.
void plot_line7(double depth, int points, std::string_view model, int curve);
void plot_line8(int k, double y, double p, std::string_view model);
// The point-table header of the clay models and its dashed line.
void table_header();
// A row: 3 blanks, y, 5 blanks, p (adaptive fields of width 12).
void table_row(double y, double p);

}  // namespace out
}  // namespace kavro::py
