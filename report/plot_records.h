// Records of the plot output file that the run sequence writes itself.
#pragma once
namespace kavro {
void Plot_Line_1();                 // analysis type, units, stiffness-matrix flag
void Plot_Line_2();                 // number of pile sections
void Plot_Line_6_None();            // no p-y curves at output depths
void Plot_Line_11_None(int k);      // no pile-head deflection versus length curve for case k
void Plot_Line_16_None();           // no push-over analysis
void Plot_Line_18_None();           // no buckling analysis
}  // namespace kavro
