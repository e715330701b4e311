// Soil properties at a depth below the pile head, with the rules that decide
// which value applies on a layer interface and at the pile tip, the averages
// from the ground surface down, the p- and y-multipliers, and the assignment
// of pile nodes (or p-y output depths) to soil layers.
//
// Depths are vertical depths below the pile head in computation units; the
// multipliers take the position along the pile. Every function that can fail
// writes its message block, stops the run and returns 0.0; the caller tests
// stopped() at once. The pile length and increment length used by the tip
// and tolerance rules are those of the node table (analysis/nodes.h).
#pragma once

#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {

// Layer-to-node map: first and last node (or output depth) of each layer,
// 0 when the layer holds none.
struct LayerNodeMap {
  Indexed<int, kMaxLayers> i_TopNodeInLayer;
  Indexed<int, kMaxLayers> i_BottomNodeInLayer;
};
extern LayerNodeMap layer_nodes;

// Set by every call of fn_c: true when the depth lies on an interior soil
// depth point (a layer interface), read by the models right after the call.
extern bool b_AtNode;

// Model family of a layer, from the first 8 characters of its model name.
enum class SoilModel {
  None,  // "Frz Soil", "Undefined" or anything else: no p-y curve
  SoftClay, SoftClayJ, StiffClayFreeWater, StiffClayNoWater, StiffClayNoWaterK,
  SandReese, APISand, LiquefiedSand, CementedSilt, UserInput, WeakRock,
  VuggyLimestone, MassiveRock, Loess, Piedmont, ElasticSubgrade,
};
SoilModel layer_model(int L);

// Undrained shear strength c (or rock qu) at depth x, with the interface
// rules; sets b_AtNode. Stops with INP00005, INP00060, RUN00024 or RUN00999.
double fn_c(double x);
// The same procedure for the massive-rock model.
double fn_HB_qu_at_DepthX(double x);

double Phi_At_Depth(double x);    // friction angle (degrees); INP00004 below the data
double RQD_At_Depth(double x);    // percent; INP00031 below the data, INP00049 outside 0..100
double Eps50_At_Depth(double x);  // 0.0 below the data
double J_At_Depth(double x);      // 0.0 below the data

// Average effective unit weight between the ground surface and depth x
// (vertical effective stress / depth below ground). INP00015 below the data.
double AverageGammaEff(double x);
// Average undrained shear strength between the ground surface and depth x.
// INP00003 below the data.
double AverageStrengthC(double x);

// Property of layer L interpolated linearly between its top (point 2L-1)
// and bottom (point 2L) at depth x.
double Interpolate_In_Layer(const Indexed<double, kMaxSoilDepthPoints>& v, int L, double x);

// p- and y-multipliers at axial position s (1.0 outside the table).
double PMultiplier_At_X(double s);
double YMultiplier_At_X(double s);

// Fills layer_nodes from the vertical depths of nodes 1..N of the node table.
void Assign_Nodes_To_Layers(int Num_Nodes_To_Assign);
// The same for the p-y output depths 1..N (pm.data.PYOutput).
void Assign_PY_Output_Depths_To_Layers(int Num_Depths_To_Assign);

}  // namespace kavro
