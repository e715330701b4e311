// The catalogue of prestressing strands and bars: a strand type selects the
// steel grade (ultimate strength fpu and modulus), a size code the nominal
// diameter and area.
#pragma once
#include <string_view>

#include "model/sections.h"

namespace kavro::input {

// Fills strand i of section s from s.StrandType and s.StrandSizeCodes(i):
// BarDiameter(i), BarArea(i) (inches and square inches), and the section's
// StrandUltimateStrength (psi, in every unit system) and RebarModulus (ksi in
// US customary units, kPa otherwise). An unknown size code leaves the
// diameter and area alone, an unknown type the grade as well. In SI the
// strand's diameter and area are then converted to metres (by the
// single-precision inch 0.0254), whatever they hold.
void Fill_Strand_From_Catalogue(PileSection& s, int i);

// Name of a strand type in the section report ("PCI 270", ...); empty for a
// type outside 0..5.
std::string_view strand_type_name(int strand_type);

}  // namespace kavro::input
