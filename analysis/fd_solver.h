// Finite-difference solution of the laterally loaded beam-column.
//
// The pile is a beam-column with bending stiffness EI(m), axial thrust Q and
// discrete linear springs Es(m) at the nodes m = 1 (head) .. n+1 (tip), h
// apart, loaded by the distributed lateral load W(m). One solve gives the
// deflections y(-1) .. y(n+2) (nodes -1, 0 above the head and n+2 below the
// tip are fictitious) for one of the five pile-head conditions:
//
//   type 1  shear V and moment M          type 4  deflection Yt and moment M
//   type 2  shear V and slope S           type 5  deflection Yt and slope S
//   type 3  shear V and rotational stiffness k_theta (M = k_theta * S)
//
// Sign conventions: x downward from the head, S = dy/dx, M = EI d2y/dx2,
// V = EI d3y/dx3 + Q dy/dx, Q positive in compression.
//
// The equations are reduced from the tip upward to three-term relations
// y(m) = a(m) y(m-1) - b(m) y(m-2) + c(m) + d(m) (c: distributed load,
// d: tip shear); the head conditions and the relations of nodes 1 to 3 form
// a small system solved by Gaussian elimination without pivoting; the
// deflections then follow by back substitution down the pile. The solve
// allocates nothing: all work arrays are fixed-size members of the state.
#pragma once
#include <type_traits>

#include "analysis/nodes.h"
#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {

// Deflections of nodes -1 .. n+2 (the node table's layout).
using DeflectionArray = decltype(NodeTable::y);

// View of a per-node array: v[m] is the value at node m (1 = head).
template <class T>
struct NodeArrayRef {
  T* first = nullptr;  // element of node 1
  T& operator[](int m) const { return first[m - 1]; }
  explicit operator bool() const { return first != nullptr; }
  operator NodeArrayRef<const T>() const requires(!std::is_const_v<T>) { return {first}; }
};

// View of an Indexed table whose entry 1 is node 1.
template <class T, int N>
NodeArrayRef<T> node_ref(Indexed<T, N>& a) { return {&a[1]}; }
template <class T, int N>
NodeArrayRef<const T> node_ref(const Indexed<T, N>& a) { return {&a[1]}; }

// Everything one linear solution reads.
struct BeamColumnProblem {
  int n = 0;       // number of increments; real nodes 1 .. n+1
  double h = 0;    // increment length
  double Q = 0;    // axial thrust, compression positive
  int LoadType = 1;
  double LoadValue1 = 0;  // V (types 1-3) or Yt (types 4, 5)
  double LoadValue2 = 0;  // M (1, 4), S (2, 5) or k_theta (3)
  double HeadSoilMovement = 0;  // soil movement at the head, added to Yt of type 5
  // EI(2) is set to EI(1) before a solve unless node 2 lies in an elastic or
  // elastic-plastic section (the fictitious stiffness above the head then
  // matches the second node).
  bool AdjustHeadEI = true;
  DeflectionArray* y = nullptr;   // in: previous deflections; out: the new ones
  NodeArrayRef<double> EI;        // written only by the head adjustment
  NodeArrayRef<const double> Es;  // soil spring modulus (force/length^2)
  NodeArrayRef<const double> W;   // distributed load (force/length)
  // Tip shear resistance curve (displacements increasing); points 1..count.
  int NumTipShearPoints = 0;
  const double* TipShearDisplacement = nullptr;  // element of point 1
  const double* TipShearForce = nullptr;
};

// The solver's own state, kept between the calls of one solution series (a
// load case): relation coefficients, change measure, tip shear, and the head
// system as last assembled (for the error dump).
struct BeamColumnState {
  Indexed<double, kMaxNodes + 1> a{}, b{}, c{}, d{};
  double dYmax = 0;        // largest |change of deflection| of the last solve
  int dYmaxNode = 0;
  double DeltadYmax = 0;   // |dYmax - previous dYmax|
  double PrevdYmax = 0;
  double Vt = 0;           // tip shear of the last solve (signed)
  double VtMagnitude = 0;  // kept when a single-point curve is not mobilised
  // Head system: A(i, j) stored as A[j][i] (by columns), right side, solution.
  double A[5][5]{};
  double rhs[5]{};
  double x[5]{};
  int SystemSize = 0;
};

extern BeamColumnState fd;

// Clears the change measure and the tip shear: the start of a load case
// (the caller clears the deflections).
void Reset_Beam_Column(BeamColumnState& s = fd);

// One linear solution. `iteration` 1 resets the stored previous dYmax.
// On a vanishing pivot of the head system writes Runtime Error 11 with its
// matrix dump and stops the run (the deflections are then left as they were).
void Solve_Beam_Column(const BeamColumnProblem& p, int iteration, BeamColumnState& s = fd);

// Tip shear force for the tip deflection of the previous solve (sign of y).
double fn_Tip_Shear(const BeamColumnProblem& p, BeamColumnState& s);

// Results at the nodes, from the deflections of the last solve.
double fn_Node_Moment(const BeamColumnProblem& p, int m);
double fn_Node_Slope(const BeamColumnProblem& p, int m);
// Computes slope, moment and shear at every node 1 .. n+1 (head rules of
// the load type included; the head EI adjustment is applied first).
void Recover_Node_Results(const BeamColumnProblem& p, const BeamColumnState& s, NodeArrayRef<double> S,
                          NodeArrayRef<double> M, NodeArrayRef<double> V);

}  // namespace kavro
