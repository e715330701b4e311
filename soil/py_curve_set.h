// The p-y curve set: the soil side of the beam-column solution.
//
// No curve is stored as a table. Every sweep re-evaluates, for each node of
// each soil layer, the closed-form p-y curve of the layer's model at the
// node's current deflection and writes the secant modulus Es = p/y into
// nodes.SoilModulusEs (and, with soil movements, nodes.SoilMovementForce).
// Layers are evaluated from the top down; the layered-soil (equivalent
// depth) correction of a layer uses the ultimate-resistance integrals the
// layers above it wrote in the same sweep.
//
// How to call it (analysis/nodes.h shows the preparation of the node table):
//
//   Reset_Layering_State();     // once at the start of an analysis (run entry does it too)
//   ... per solution:
//   Compute_PY_Curves(true);    // first pass, before the first solve; may stop with
//   if (stopped()) return;      //   Runtime Error No. 29 (a layer too thin for a node)
//   ... per iteration, after each solve:
//   Compute_PY_Curves(false);   // update from nodes.y; a model may stop the run
//   if (stopped()) return;
//
// p-y curves at output depths (print mode):
//
//   Assign_PY_Output_Depths_To_Layers(n);   // soil/soil_profile.h: output depths 1..n
//   Print_PY_Curves();                      // report blocks and plot records 7 and 8
//   Assign_Nodes_To_Layers(nodes.NumNodes); // restore the node assignment
//
// Print mode reads the output depths from pm.data.PYOutput, the converged
// deflections from nodes.y (node positions (m-1)*h) and the equivalent depths
// stored by the last analysis sweep; it writes no modulus.
//
// A sweep allocates nothing.
#pragma once

#include "model/capacities.h"
#include "model/indexed.h"
#include "model/problem_model.h"
#include "soil/soil_profile.h"

namespace kavro {

struct PYCurveSetState {
  // Integral of the layer's static ultimate resistance over its nodes.
  Indexed<double, kMaxLayers> LayerPuIntegral;
  // Substitute integral written by the liquefied-sand model.
  Indexed<double, kMaxLayers> LayerPuIntegralLiq;
  // Layers evaluated so far in this sweep that end the layering correction
  // for the layers below (rock, Piedmont soil, elastic subgrade).
  int RockAboveCount = 0;
  bool PrintPyMode = false;  // true while the curves at output depths are printed
  bool FirstPass = false;    // true during the first sweep of a solution
  // Node range (or output-depth range in print mode) of the layer being evaluated.
  int CurrentTopNode = 0;
  int CurrentBottomNode = 0;
};
extern PYCurveSetState pyset;

// Equivalent depth of each layer top (-10000.0 = not yet computed) and the
// exemption flag of each layer (-1 = evaluated below rock or a similar
// layer). Both live in the problem model's thin-layer tables that run entry
// resets.
inline Indexed<double, kMaxLayers>& EquivalentTopDepth() { return pm.ThinLayerDepth; }
inline Indexed<int, kMaxLayers>& LayerBelowExempt() { return pm.ThinLayerFlag; }
inline constexpr double kEquivalentDepthUnset = -10000.0;

// EquivalentTopDepth := -10000, LayerBelowExempt := 0 for all layers.
void Reset_Layering_State();

// One sweep over all layers. first_pass: the sweep before the first solve
// (layer integrals start from zero; checks for layers without nodes; a
// modulus that is not a number becomes 0).
void Compute_PY_Curves(bool first_pass);

// The same dispatch in print mode: the layer ranges of layer_nodes are
// ranges of p-y output depths.
void Print_PY_Curves();

// What the layer's first node supplies to the equivalent-depth method.
struct EquivalentDepthInput {
  SoilModel model = SoilModel::None;
  double b = 0;      // pile width
  double c = 0;      // undrained shear strength at the node
  double gamma = 0;  // average effective unit weight from the ground surface
  double ca = 0;     // average strength (stiff clays)
  double J = 0;      // Matlock J ("SoftClyJ")
  double phi = 0;    // friction angle in radians (sands, cemented silt)
  double K0 = 0;     // at-rest earth pressure coefficient of the sand routine
  double Ka = 0;     // active earth pressure coefficient of the sand routine
  double zn = 0;     // depth of the node below the ground surface
};

// Equivalent depth of the top of layer L: the depth at which the layer's own
// soil, from the ground surface down, accumulates the ultimate resistance of
// all the layers above it. Stores it in EquivalentTopDepth()(L) and returns it.
double Equivalent_Depth_Of_Layer(int L, const EquivalentDepthInput& in);

}  // namespace kavro
