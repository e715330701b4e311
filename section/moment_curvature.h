// Moment-curvature analysis of sliced pile sections and the process-wide
// moment-curvature tables that give the pile analysis its nonlinear bending
// stiffness.
//
// The section driver, for a sliced section n (types 0 to 10), calls
// Setup_Working_Section(n) (section/working_section.h), prints the dimension
// block, runs the axial-capacity steps (or the strand step of prestressed
// sections, which loads the strands as the working section's bars and sets
// the reinforcement class), and then calls Compute_Moment_Curvature(n).
// The tables of all sections persist for the run.
#pragma once

#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {

inline constexpr int kMaxCurvePoints = 150;
inline constexpr int kMaxCurveThrusts = kMaxEIThrusts;  // 100

template <class T>
using ThrustPointTable = Indexed2<T, kMaxCurveThrusts, kMaxCurvePoints>;  // (thrust, point)

// Tables handed to the pile analysis. Values are in kip and inch units (US
// customary) or kN and m (SI); Mn is stored x1000 in US customary units
// (in-lb), as are the section's Pn and Nt (lb).
struct MomentCurvatureTables {
  Indexed<ThrustPointTable<double>, kMaxSections> M, EI, Curvature;  // [section][thrust][point]
  Indexed2<int, kMaxSections, kMaxCurveThrusts> NumPoints;           // [section][thrust]
  Indexed2<double, kMaxSections, kMaxCurveThrusts> Mn;               // [section][thrust]
  int NumThrusts = 0;                                                // thrusts of the tables
  Indexed<double, kMaxCurveThrusts> Thrust;                          // [thrust], ascending
  Indexed<double, kMaxSections> SectionPn, SectionNt;                // [section]
};
extern MomentCurvatureTables mct;

// Distinct ascending factored thrusts of the LRFD combinations (kips in US
// customary runs, kN otherwise), filled when the LRFD loads are factored;
// the thrust list of an LRFD run.
struct LRFDThrustList {
  int NumThrusts = 0;
  Indexed<double, kMaxCurveThrusts> Thrust;
};
extern LRFDThrustList lrfd_thrusts;

// Results of the curves of the current section (per thrust j and point k).
struct CurveResults {
  int NumThrusts = 0;
  Indexed<double, kMaxCurveThrusts> Thrust;
  ThrustPointTable<double> Curvature, M, EI, NeutralAxis;
  ThrustPointTable<double> MaxCompStrain, MaxTensStrain;
  ThrustPointTable<double> MaxConcreteStress, MaxSteelStress, MaxCasingStress, MaxCoreStress;
  ThrustPointTable<double> BarStrainT;
  ThrustPointTable<char> Msg1, Msg2, Msg3;  // "C"; "Y" or "Z"; "T" (blank when absent)
  Indexed<int, kMaxCurveThrusts> NumPoints;
  Indexed<double, kMaxCurveThrusts> Mn, StrainAtMn;
};
extern CurveResults mc;

// Index of the current thrust and point (read by the neutral-axis search and
// the moment routine).
extern int mc_thrust;
extern int mc_point;

// First curvature increment of section n (rad/in or rad/m; generic units use
// the SI rule).
double fn_First_Curvature_Increment(int n);
// Curvature increment of the steel pipe under thrust P.
double fn_Pipe_Curvature_Increment(double P);
// Fills mc.Curvature(j, 1..150) from the first increment.
void Set_Curvature_Schedule(int j, double dphi);

// The whole moment-curvature analysis of sliced section n: working section,
// concrete property block, thrust selection and checks (Runtime Errors 24 to
// 27), one curve per thrust with its report table, nominal moment capacities,
// summary, tables, plot records and curve files. Sections without a slice
// layout (micropiles) get no curves. Returns at once when the run stops.
void Compute_Moment_Curvature(int n);

// Steps of Compute_Moment_Curvature, usable on their own.
void Copy_Thrust_List();              // LRFD or EIThrustList into mc
void Select_And_Check_Thrusts(int n); // filtering / Runtime Errors 24 to 27, report lines
void Compute_Curve(int j);            // one thrust: points, messages, stop rules
void Compute_Nominal_Moment(int j);   // Mn(j) and the strain at Mn
// Bending stiffness at moment m on curve j (interpolation of EI against M).
double fn_EI_At_Moment(int j, double m);

}  // namespace kavro
