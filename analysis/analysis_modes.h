// The special analysis modes run after (or between) the load cases.
#pragma once
namespace kavro {
void PY_Curves_At_Output_Depths();   // p-y curves at the output depths
void Ytop_Vs_Length(int k);          // pile-head deflection versus pile length for case k
void Compute_Stiffness_Matrix();     // pile-head stiffness matrix
void Run_Pushover();
void Run_Buckling();
void Prepare_LRFD_Analysis();        // factored load combinations and their thrusts
}  // namespace kavro
