// p-y models of the sand family, not provided yet: each stops the run with
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

void PY_Sand_Reese(int L) { model_not_available("Sand", "PY_Sand_Reese", L); }
void PY_API_Sand(int L) { model_not_available("API Sand", "PY_API_Sand", L); }
void PY_Liquefied_Sand(int L) { model_not_available("Liq Sand", "PY_Liquefied_Sand", L); }

}  // namespace kavro
