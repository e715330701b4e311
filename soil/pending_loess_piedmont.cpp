// p-y models of the loess and Piedmont residual soil family, not provided yet: each stops the run with
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

void PY_Loess(int L) { model_not_available("KS Loess", "PY_Loess", L); }
void PY_Piedmont(int L) { model_not_available("Piedmont", "PY_Piedmont", L); }

}  // namespace kavro
