// Loading and analysis-option sections of the input file.
#include "input/readers.h"

namespace kavro::input {

void Read_Axial_Thrust_Loads(LineSource&) {}
void Read_Tip_Shear(LineSource&) {}
void Read_Batter_And_Slope(LineSource&) {}
void Read_PY_Modifiers(LineSource&) {}
void Read_LRFD_Loads(LineSource&) {}
void Read_LRFD_Factors_And_Cases(LineSource&) {}
void Read_Loading(LineSource&) {}
void Read_Soil_Movements(LineSource&) {}
void Read_PY_Output_Depths(LineSource&) {}
void Read_Foundation_Stiffness(LineSource&) {}
void Read_Pushover_Data(LineSource&) {}
void Read_Buckling_Data(LineSource&) {}
void Prepare_Thrust_List() {}

}  // namespace kavro::input
