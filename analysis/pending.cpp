// Analysis entry points not yet provided.
#include "analysis/analysis_modes.h"
#include "analysis/load_cases.h"
namespace kavro {
void PY_Curves_At_Output_Depths() {}
void Ytop_Vs_Length(int) {}
void Compute_Stiffness_Matrix() {}
void Run_Pushover() {}
void Run_Buckling() {}
}  // namespace kavro
