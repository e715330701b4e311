// Bending curves of the sections that are not sliced: elastic piles (type
// 11), elastic piles with a specified moment capacity (type 12) and piles
// with user-defined nonlinear bending stiffness (type 13). Each fills the
// moment-curvature tables of section n for every thrust, writes its report
// lines and plot records, exactly as the moment-curvature analysis does for
// sliced sections, so that the pile analysis treats every section alike.
#pragma once

namespace kavro {

// Type 11: straight line M = EI·phi from the modulus and the moment of
// inertia at the top of the section.
void Compute_Elastic_EI_Curves(int n);

// Type 12: elastic up to the specified moment capacity, then nearly
// perfectly plastic; also sets the moment capacity of the pile nodes inside
// the section.
void Compute_Elastic_Plastic_EI_Curves(int n);

// Type 13: the input curves of moment and bending stiffness, refined to the
// table size; the section's curve thrusts replace the thrust list.
void Compute_User_EI_Curves(int n);

}  // namespace kavro
