// Nonlinear bending stiffness of the pile nodes: the secant stiffness M/phi
// of the moment-curvature tables at the node's current moment and
// curvature, interpolated between the two tables that bracket the axial
// thrust; elastic-plastic nodes turn plastic at their moment capacity.
#pragma once

#include "analysis/fd_solver.h"

namespace kavro {

// Index j of the moment-curvature tables for thrust q (kips in US customary
// units, kN otherwise): 1 at or below the first table thrust, the last at or
// above the last one, else T(j) <= q < T(j+1). 0 when there are no tables.
int fn_Thrust_Index(double q);

// Thrust q of the tables for an axial load Q in computation units.
double fn_Table_Thrust(double Q);

// Keeps the elastic EI the node table was built with (the stiffness the
// elastic and elastic-plastic nodes return to), then updates every node from
// the current deflections. Call once per solution series, after the node
// table is built and before the first solve.
void Initialize_Bending_Stiffness(const BeamColumnProblem& p);

// Recomputes EI of every node 1 .. n+1 in order from the deflections of
// p.y (p.Q selects the tables). Elastic sections keep their EI.
void Update_Bending_Stiffness(const BeamColumnProblem& p);

// Secant stiffness of section s on the table of thrust j at moment |M| and
// curvature phi (table units: kip-in and kip-in2 in US customary runs).
double fn_Table_EI(int s, int j, double M_table, double phi);

}  // namespace kavro
