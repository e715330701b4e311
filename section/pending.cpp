// Section analysis entry points not yet provided: the curves of elastic,
// elastic-plastic and user-defined sections write nothing for now.
#include "section/user_curves.h"

namespace kavro {
void Compute_Elastic_EI_Curves(int) {}
void Compute_Elastic_Plastic_EI_Curves(int) {}
void Compute_User_EI_Curves(int) {}
}  // namespace kavro
