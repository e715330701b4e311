// The reader driver and the readers of the input file's sections. Each
// reader is called after its keyword line was read; it writes its
// "Reading ..." progress line, reads its data lines from the source and fills
// the problem model, or writes its message block and stops the run.
#pragma once
#include "input/list_reader.h"

namespace kavro::input {

// Reads and dispatches sections until "END" or a fatal error.
void Read_Input_File(LineSource& src);

void Read_Title(LineSource& src);
void Read_Options(LineSource& src);
void Read_Sections(LineSource& src);
void Read_Soil_Layers(LineSource& src);
void Read_Axial_Thrust_Loads(LineSource& src);
void Read_Tip_Shear(LineSource& src);
void Read_Batter_And_Slope(LineSource& src);
void Read_PY_Modifiers(LineSource& src);          // GROUPEFF and GROUP EFFECT FACTORS
void Read_LRFD_Loads(LineSource& src);
void Read_LRFD_Factors_And_Cases(LineSource& src);
void Read_Loading(LineSource& src);
void Read_Soil_Movements(LineSource& src);
void Read_PY_Output_Depths(LineSource& src);
void Read_Foundation_Stiffness(LineSource& src);
void Read_Pushover_Data(LineSource& src);
void Read_Buckling_Data(LineSource& src);
// At "END": the distinct ascending thrust list for the bending properties.
void Prepare_Thrust_List();

}  // namespace kavro::input
