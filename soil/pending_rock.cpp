// p-y models of the rock family, not provided yet: each stops the run with
// a runtime error that names the model, so that a profile using one ends
// cleanly instead of being analysed with a guessed curve. The file goes when
// the family is implemented.
#include <string>

#include "engine/errors.h"
#include "soil/py_models.h"

namespace kavro {
namespace {

void model_not_available(const char* name, const char* routine, int L) {
  stop_not_available(std::string("p-y model \"") + name + "\" (" + routine + ") of soil layer " + std::to_string(L));
}

}  // namespace

void PY_Weak_Rock(int L) { model_not_available("WeakRock", "PY_Weak_Rock", L); }
void PY_Vuggy_Limestone(int L) { model_not_available("Vuggy LS", "PY_Vuggy_Limestone", L); }
void PY_Massive_Rock(int L) { model_not_available("MassRock", "PY_Massive_Rock", L); }

}  // namespace kavro
