// Results of the load cases: the report block of each case (pile-head
// conditions, node table, output summary, equilibrium verification), the
// plot records of its nodes, the summary of all cases with the LRFD
// performance table, and the summary of warning messages at the end of a
// run.
#pragma once

#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {

// What the summaries keep of a converged solution.
struct CaseResults {
  int LoadType = 0;
  double Value1 = 0, Value2 = 0, Axial = 0;  // the load case as analysed
  double HeadShear = 0;       // computed for load types 4 and 5, else the input shear
  double HeadMoment = 0;      // computed for load types 2, 3 and 5, else the input moment
  double HeadDeflection = 0;  // y(1)
  double HeadRotation = 0;    // S(1)
  double MaxMoment = 0, MaxMomentDepth = 0;  // signed value of largest magnitude, its depth
  double MaxShear = 0, MaxShearDepth = 0;
  double MaxStress = 0;       // combined axial and bending stress of largest magnitude
  int Iterations = 0;
  int ZeroDeflectionPoints = 0;
  // Largest-magnitude moment and shear developed in each pile section.
  Indexed<double, kMaxSections> SectionMaxMoment, SectionMaxShear;
  // Equilibrium check over every segment: largest moment and force
  // imbalance and the node numbers (j + 2 of the segment j, j+1).
  double MomentImbalance = 0, ForceImbalance = 0;
  int MomentImbalanceNode = 0, ForceImbalanceNode = 0;
};

// Results of load case k (1 .. 100), filled by the results writer.
extern Indexed<CaseResults, kMaxLoadCases> case_results;

// Keeps the results of the current solution (node table and load-case
// state) as case k; `write` adds the report block and plot records 9 and 10.
void Record_Load_Case_Results(int k, bool write);

// Keeps the results of a solution of head condition hc (node results
// computed) as case k without writing anything: the stiffness-matrix and
// push-over analyses.
struct HeadCondition;
void Record_Solution_Results(int k, const HeadCondition& hc, int iterations);

// Report block and plot records of converged load case k.
void Write_Load_Case_Results(int k);

// Summary of the pile responses of all cases (and the LRFD performance
// table in an LRFD analysis), with plot record 13 of every case.
void Write_Results_Summaries();

// Summary of the warnings registered in the run.
void Write_Warning_Summary();

// Equilibrium verdict of case k: true when the largest moment imbalance is
// within 1 in-lb (1.1298E-4 kN-m in SI units, 1 in generic units).
bool fn_Equilibrium_Verified(int k);

}  // namespace kavro
