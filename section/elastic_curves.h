// Node moment capacities of elastic-plastic sections, set by the curves of
// those sections (section/user_curves.h) and read by the bending-stiffness
// update of the load cases.
#pragma once

#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {

// Moment capacity at pile node m (in-lb or kN-m): the plastic moment of the
// elastic-plastic section that contains the node, scaled with the section
// modulus where the section tapers. Node 1 (the head, always in section 1)
// holds the top capacity of section 1 when that section is elastic-plastic.
// Zero elsewhere.
extern Indexed<double, kMaxIncrements + 5> Mcap;

}  // namespace kavro
