// Analysis modes not yet provided: each stops the run with a clear message,
// so that a run asking for one never ends as if it had been made.
#include "analysis/analysis_modes.h"
#include "engine/errors.h"

namespace kavro {
void PY_Curves_At_Output_Depths() { stop_not_available("computation of p-y curves at the output depths"); }
void Ytop_Vs_Length(int) { stop_not_available("analysis of pile-head deflection versus pile length"); }
void Compute_Stiffness_Matrix() { stop_not_available("pile-head stiffness matrix analysis"); }
void Run_Pushover() { stop_not_available("push-over analysis"); }
void Run_Buckling() { stop_not_available("buckling analysis"); }
void Prepare_LRFD_Analysis() { stop_not_available("LRFD analysis of factored load combinations"); }
}  // namespace kavro
