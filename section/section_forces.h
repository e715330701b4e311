// Section forces for a curvature and a trial neutral-axis depth, the search
// for the depth that balances the axial thrust, and the bending moment of
// the balanced state. Forces and thrust are positive in compression.
#pragma once

#include "section/working_section.h"

namespace kavro {

// State of the last force evaluation and of the neutral-axis search.
struct SectionForceState {
  double phi = 0;        // current curvature
  double CarriedC = 0;   // last accepted depth, start of the next search
  SliceArray<double> eps;  // slice strains (c - y)*phi
  SliceArray<double> sigConcrete, sigBar, sigCasing, sigCore, sigCoreConcrete;
  double Fconcrete = 0, Fbar = 0, Fcasing = 0, Fcore = 0, FcoreConcrete = 0, Ftotal = 0;
  double Mconcrete = 0, Mbar = 0, Mcasing = 0, Mcore = 0, McoreConcrete = 0, Mtotal = 0;
  // Counters for diagnostics and benchmarks (never reset by the engine).
  long Searches = 0;
  long Iterations = 0;
  long Evaluations = 0;
};
extern SectionForceState sf;

// Component forces for the current strains (each fills its stress array).
double Compute_Concrete_Force(double c);
double Compute_Rebar_Force();
double Compute_Casing_Force();
double Compute_Core_Force();
double Compute_Concrete_Force_Inside_Core(double c);

// Total axial force at trial depth c for the current curvature sf.phi:
// slice strains, all component stresses and forces.
double Compute_Axial_Thrust_Force(double c);

// Solves F(c) = P for the current point (thrust j, point mc_point) at the
// curvature of the point and stores c. Runtime Error 16 after 1000
// iterations.
void Find_Neutral_Axis(int j);

// Component moments about mid-depth of the last evaluation; the total moment
// by layout.
double Compute_Section_Moment();

// Stores M (non-decreasing along the curve except for the steel pipe), EI
// and the extreme strains of the current point of thrust j.
void Compute_Moment(int j);

}  // namespace kavro
