// Empirical coefficient tables shared by several p-y models: the A and B
// factors of the Reese sand criteria (also used by the cemented-silt model
// and by the equivalent-depth integration), and the As and Ac factors of the
// stiff clay with free water criteria.
#pragma once

namespace kavro {

// Reese sand factors by r = depth / pile width, interpolated linearly
// between the tabulated ratios 0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6; ratios
// below 0.5 use the first segment, ratios at or above 6 take the last value.
double Sand_A_Static(double r);
double Sand_B_Static(double r);
double Sand_A_Cyclic(double r);
double Sand_B_Cyclic(double r);
// Static or cyclic A by the loading type.
inline double Sand_A(double r, bool cyclic) { return cyclic ? Sand_A_Cyclic(r) : Sand_A_Static(r); }
inline double Sand_B(double r, bool cyclic) { return cyclic ? Sand_B_Cyclic(r) : Sand_B_Static(r); }

// Stiff clay with free water: static factor As (at most 0.6, 0.6 beyond
// r = 3.3) and cyclic factor Ac (at most 0.3, 0.3 beyond r = 1.5).
double Stiff_Clay_As(double r);
double Stiff_Clay_Ac(double r);

}  // namespace kavro
