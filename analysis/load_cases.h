// The load-case iteration: for each pile-head load case, repeated linear
// solutions of the beam-column with the soil moduli of the p-y curves and
// the bending stiffness of the moment-curvature tables updated from the
// deflections between solutions, until the deflections stop changing.
//
// The analysis modes that solve the pile again (stiffness matrix, push-over,
// buckling, pile length) use the same steps:
//
//   HeadCondition hc{type, value1, value2, Q};
//   Prepare_Solution(L);                         // node table, layers, starting moduli,
//   if (stopped()) return;                       //   first p-y sweep
//   IterationResult r = Iterate_Solution(hc, k);  // solve, p-y and EI updates
//   if (stopped()) return;                       // Runtime Errors 11, 28 (when asked), model errors
//   if (r.end == IterationEnd::Converged) ...    // results: Compute_Node_Results()
#pragma once

#include "analysis/fd_solver.h"

namespace kavro {

// Pile-head condition and axial thrust of one solution series.
struct HeadCondition {
  int LoadType = 1;
  double Value1 = 0;  // V or Yt
  double Value2 = 0;  // M, S or k_theta
  double Q = 0;       // axial thrust, compression positive
};

enum class IterationEnd {
  Converged,         // |dYmax| <= tolerance after at least six solutions
  IterationLimit,    // the limit was reached first
  ExcessDeflection,  // |y(1)| reached the limit after iteration 10 without convergence
  NotANumber,        // y(1) or dYmax is not a number
  Stopped,           // a called routine stopped the run
};

struct IterationResult {
  IterationEnd end = IterationEnd::Stopped;
  int iterations = 0;  // solutions made
};

// How Iterate_Solution reports.
struct IterationReporting {
  int case_number = 0;     // > 0: progress lines "Analysis Case k, Iteration ..." as in a load case
  bool nan_is_error = true;  // write Runtime Error 28 and stop on a not-a-number result
};

// The solver problem over the node table for a head condition: EI, soil
// moduli, the load term (soil-movement force when soil movements act),
// deflections, head soil movement, tip shear curve and head EI rule.
BeamColumnProblem Node_Table_Problem(const HeadCondition& hc);

// Node table for pile length L, node-to-layer assignment, cleared
// deflections and solver state, starting soil moduli and the first p-y
// sweep. May stop the run.
void Prepare_Solution(double pile_length);

// Convergence tolerance in use: the input value, or for a value that is not
// positive 0.000001 (US customary and generic units) or 2.54E-8 m (SI).
double fn_Convergence_Tolerance();

// Iterates one solution series from the prepared node table: selects the
// thrust index and initialises the bending stiffness, then solves, checks,
// updates the p-y moduli and the bending stiffness until convergence or a
// limit. Writes no failure message besides Runtime Error 28 (when asked).
IterationResult Iterate_Solution(const HeadCondition& hc, const IterationReporting& rep);

// Slope, moment, shear and soil reaction at every node of the node table
// from the converged deflections.
void Compute_Node_Results(const HeadCondition& hc);

// The load case being analysed, for the results writer.
struct LoadCaseState {
  int k = 0;
  HeadCondition hc;
  int iterations = 0;
  bool converged = false;
};
extern LoadCaseState load_case;

// Head condition of load case k of the load-case table.
HeadCondition Load_Case_Head_Condition(int k);

// Runtime Error 10 report: the limit, the last change measures and the
// tolerance, then the analysis of convergence performance (estimated
// iterations needed and advice on the iteration limit and tolerance).
void Write_Convergence_Failure(int Nmax, double dYmax, double delta, double tol);

// Load case k of the conventional analysis (or LRFD combination k): the
// iteration with its progress lines and Runtime Errors 9 and 10, the
// convergence line, and the node results. A case of load type 4 that ends
// on the iteration limit writes its results before the run ends.
void Run_Load_Case(int k);

}  // namespace kavro
