// p-y models of the families not implemented yet. Each stops the run with a
// runtime error that names the model, so that a profile using one ends
// cleanly instead of being analysed with a guessed curve.
#include <string>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "soil/py_models.h"

namespace kavro {
namespace {

void model_not_available(const char* name, const char* routine, int L) {
  stop_not_available(std::string("p-y model \"") + name + "\" (" + routine + ") of soil layer " + std::to_string(L));
}

}  // namespace

void PY_Stiff_Clay_Free_Water(int L) { model_not_available("StfClyBW", "PY_Stiff_Clay_Free_Water", L); }
void PY_Stiff_Clay_No_Water(int L) { model_not_available("StfClyAW", "PY_Stiff_Clay_No_Water", L); }
void PY_Stiff_Clay_No_Water_K(int L) { model_not_available("StfClyAK", "PY_Stiff_Clay_No_Water_K", L); }
void PY_Sand_Reese(int L) { model_not_available("Sand", "PY_Sand_Reese", L); }
void PY_API_Sand(int L) { model_not_available("API Sand", "PY_API_Sand", L); }
void PY_Liquefied_Sand(int L) { model_not_available("Liq Sand", "PY_Liquefied_Sand", L); }
void PY_Cemented_Silt(int L) { model_not_available("Cem Silt", "PY_Cemented_Silt", L); }
void PY_Weak_Rock(int L) { model_not_available("WeakRock", "PY_Weak_Rock", L); }
void PY_Vuggy_Limestone(int L) { model_not_available("Vuggy LS", "PY_Vuggy_Limestone", L); }
void PY_Massive_Rock(int L) { model_not_available("MassRock", "PY_Massive_Rock", L); }
void PY_Loess(int L) { model_not_available("KS Loess", "PY_Loess", L); }
void PY_Piedmont(int L) { model_not_available("Piedmont", "PY_Piedmont", L); }

}  // namespace kavro
