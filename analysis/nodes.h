// The node table of the pile: the pile divided into n equal increments,
// node 1 at the head and node n+1 at the tip, with the properties the
// finite-difference solver and the load-case iteration need at every node.
//
// How to use it (one load case, or one solution of an analysis mode):
//
//   Build_Node_Table(pm.pile.PileLength);   // geometry, sections, EI, W, soil movement
//   Assign_Nodes_To_Layers(nodes.NumNodes); // soil/soil_profile.h
//   Set_Starting_Soil_Moduli();             // Es = 0 above ground, 50000 below, y = 0;
//                                           // evaluates the "Vuggy LS" layers once
//   if (stopped()) return;
//   Compute_PY_Curves(true);                // soil/py_curve_set.h: first pass
//   if (stopped()) return;
//   loop: solve with nodes.EI, nodes.SoilModulusEs and solver_load(m),
//         then Compute_PY_Curves(false) and the bending-stiffness update.
//
// An LRFD load combination overwrites nodes.DistributedLoad after
// Build_Node_Table with its factored distributed loads; everything else
// reads the load through solver_load(), which adds the soil-movement term.
//
// All lengths are in computation units (inches, metres or the generic unit).
#pragma once

#include "model/capacities.h"
#include "model/indexed.h"
#include "model/problem_model.h"

namespace kavro {

inline constexpr int kMaxNodes = kMaxIncrements + 1;  // 501 real nodes
inline constexpr int kNodeArraySize = 505;            // real nodes plus the node below the tip

struct NodeTable {
  int NumIncrements = 0;   // n
  int NumNodes = 0;        // n + 1
  double PileLength = 0;   // current pile length L (the pile-length mode varies it)
  double h = 0;            // increment length L / n

  Indexed<double, kNodeArraySize> x;        // position along the pile axis from the head
  Indexed<double, kNodeArraySize> xv;       // vertical depth: x * cos(batter)
  Indexed<int, kNodeArraySize> Section;     // pile section containing the node (1-based)
  Indexed<double, kNodeArraySize> EI;       // bending stiffness used by the solver
  Indexed<double, kNodeArraySize> SoilModulusEs;       // secant soil modulus p/y (force/length^2)
  Indexed<double, kNodeArraySize> DistributedLoad;     // lateral load from the input profile (force/length)
  Indexed<double, kNodeArraySize> SoilMovementAtNode;  // lateral soil movement at the node
  // Es * soil movement + distributed load: the nodal load when soil
  // movements are given (written by the p-y models at every sweep).
  Indexed<double, kNodeArraySize> SoilMovementForce;

  // Deflections, nodes -1 and 0 above the head and n+2 below the tip are
  // fictitious nodes of the difference equations.
  Indexed<double, kNodeArraySize + 2, -1> y;
  // Results (moment, shear, slope, soil reaction).
  Indexed<double, kNodeArraySize> M, V, S, p;

  // Second width returned by the last call of Pile_Properties_At_X (a call
  // that lands exactly on a property point keeps it unchanged).
  double LastSecondWidth = 0;
};

// The process-wide node table.
extern NodeTable nodes;

// Pile properties at a position along the pile.
struct PileProperties {
  double Width = 0;        // pile width (diameter)
  double SecondWidth = 0;  // second width of non-circular and pole shapes
  double Inertia = 0;      // moment of inertia I
  double Area = 0;         // cross-sectional area A
  double EI = 0;           // bending stiffness E*I
};

// True when soil movements act on the pile (option set and at least two points).
bool soil_movements_given();

// Builds the node table for pile length L: node positions and vertical
// depths, node sections, elastic EI, the distributed load of the input
// profile and the soil movements. Does not touch Es or the deflections.
void Build_Node_Table(double pile_length);

// Section index of a node position (top < x <= bottom, last match wins, 1 otherwise).
int Section_At_X(double x);

// Pile properties at axial position z from the section property points;
// elastic and elastic-plastic sections are recomputed from their tapered
// dimensions.
PileProperties Pile_Properties_At_X(double z);

// Pile width at axial position z (the soil models' b).
inline double PileWidthAtX(double z) { return Pile_Properties_At_X(z).Width; }

// Distributed lateral load at a node at axial position x: the input profile
// averaged over the node's tributary window [x - h/2, x + h/2] clipped to
// the pile (divided by h, or by h/2 at the head and tip).
double Distributed_Load_At_Node(double x);

// Soil movements at all nodes (zero without at least two movement points).
void Compute_Soil_Movements();

// Starting soil modulus of every node (0 above the ground surface, 50000
// below), zero deflections, and one evaluation of every "Vuggy LS" layer.
// Needs the node-to-layer assignment. May stop the run.
void Set_Starting_Soil_Moduli();

// Load term of node m in the difference equation.
inline double solver_load(int m) {
  return soil_movements_given() ? nodes.SoilMovementForce[m] : nodes.DistributedLoad[m];
}

// Runtime Error No. 29: soil layer L holds no node. Writes the message to
// the report and the runtime message file and sets the error state.
void Report_Layer_Too_Thin(int L);

}  // namespace kavro
