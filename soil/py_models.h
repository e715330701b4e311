// The p-y model routines, one per soil-model name. Each takes the layer
// number and works on the current range of the layer (pyset.CurrentTopNode
// .. pyset.CurrentBottomNode): in analysis mode it writes the secant modulus
// of each node, in print mode the report block and plot records of each
// output depth. Compute_PY_Curves (soil/py_curve_set.h) is the only caller
// apart from the starting-modulus step, which evaluates "Vuggy LS" layers.
//
// Defined in soil/soft_clay.cpp, soil/elastic_subgrade.cpp and
// soil/user_py.cpp. Models of the other families are still stubs in
// soil/pending_<family>.cpp that stop the run with runtime error 98; whoever
// implements a family replaces its stub file.
#pragma once

namespace kavro {

void PY_Soft_Clay(int L);                // "SoftClay"
void PY_Soft_Clay_J(int L);              // "SoftClyJ"
void PY_Stiff_Clay_Free_Water(int L);    // "StfClyBW"
void PY_Stiff_Clay_No_Water(int L);      // "StfClyAW"
void PY_Stiff_Clay_No_Water_K(int L);    // "StfClyAK"
void PY_Sand_Reese(int L);               // "Sand    "
void PY_API_Sand(int L);                 // "API Sand"
void PY_Liquefied_Sand(int L);           // "Liq Sand"
void PY_Cemented_Silt(int L);            // "Cem Silt"
void PY_User_Input(int L);               // "User p-y"
void PY_Weak_Rock(int L);                // "WeakRock"
void PY_Vuggy_Limestone(int L);          // "Vuggy LS"
void PY_Massive_Rock(int L);             // "MassRock"
void PY_Loess(int L);                    // "KS Loess"
void PY_Piedmont(int L);                 // "Piedmont"
void PY_Elastic_Subgrade(int L);         // "Elast SG"

}  // namespace kavro
