// Material laws of the section analysis: concrete outside and inside a core,
// reinforcing bars and prestressing steel by reinforcement class, casing
// and steel core. Strains and stresses are positive in compression.
// Stresses are in ksi (US customary) or kPa (SI and generic units).
//
// The array laws read the slice strains of the working section for the
// current curvature and neutral-axis depth and fill one stress per slice;
// they set the section-state flags of the working section (cracked by the
// concrete laws, yielded by the steel laws) and never clear them: the
// moment-curvature computation clears them at the start of every thrust.
#pragma once

#include "section/working_section.h"

namespace kavro {

// Derived concrete parameters Ec, fr, eps0, epst of the working section
// (concrete law code 2; law code 1 only sets Ec = 0).
void Set_Material_Parameters();

// Point laws.
// Elastic-perfectly plastic steel: E*eps limited to +-fy; `limited` tells
// whether the limit was reached.
double fn_Elastic_Plastic_Stress(double E, double fy, double eps, bool& limited);
// Prestressing steel of classes 4 to 9 in ksi at total strain eps (the
// strain including the prestrain). size_code selects fpy of class 9.
double fn_Prestressing_Steel_Stress_ksi(int reinforcement_class, double eps, int size_code);
// Yield stress in ksi of deformed prestressing bars by the strand size code.
double fn_Deformed_Bar_Fpy(int size_code);
// Compression branch of the concrete law (eps > 0) with the straight
// descending branch past eps0 (outside) or the continued parabola (inside a
// core); crushed concrete beyond 0.0038 carries 0.001.
double fn_Concrete_Compression_Stress(double fc, double eps0, double eps, bool continue_parabola);

// Array laws over the N slices; eps are the slice strains (c - y)*phi, c and
// phi the trial depth and curvature. Prestressing steel adds its prestrain
// eps_ps; the concrete prestrain eps_pc enters only the cracking test of the
// extreme tension fibre.
void Concrete_Stresses(double c, double phi, const SliceArray<double>& eps, SliceArray<double>& sig);
void Core_Concrete_Stresses(double c, double phi, const SliceArray<double>& eps, SliceArray<double>& sig);
void Bar_Stresses(const SliceArray<double>& eps, SliceArray<double>& sig);
void Casing_Stresses(const SliceArray<double>& eps, SliceArray<double>& sig);
void Core_Steel_Stresses(const SliceArray<double>& eps, SliceArray<double>& sig);

}  // namespace kavro
