// The section driver: reports pile section n and computes its bending curves.
//
// For every pile section, in section order, the driver sets the section
// analysis up by section type, prints the dimension and property block, the
// axial capacities and the bar table, and hands the section to its curve
// computation: the moment-curvature analysis of sliced sections (types 0 to
// 10) or the elastic, elastic-plastic and user-defined curves (types 11 to
// 13). A section type that cannot be set up stops the run with internal
// error 999 rather than analysing an undefined working section.
#pragma once
#include <string>

namespace kavro {

void Section_Driver(int n);

// Unit labels of the section report, set by the driver for every section:
// 8 characters each, blank-padded (the input-stress label has 4). US
// customary runs print kips, inches and ksi, SI runs kN, metres and kPa;
// generic runs print labels of a force F and a length L.
struct SectionUnitLabels {
  std::string Length;            // " in"
  std::string Stress;            // " ksi"
  std::string Force;             // " kips"
  std::string Curvature;         // " rad/in"
  std::string Moment;            // " in-kip"
  std::string BendingStiffness;  // "kip-in^2"
  std::string Area;              // " sq. in."
  std::string Inertia;           // " in^4"
  std::string InputStress;       // "psi "
};
extern SectionUnitLabels section_labels;

// Sets section_labels for pm.options.IUNITS.
void Set_Section_Unit_Labels();

// The dimension and property block of pile section n (types 0 to 10), from
// the working section and the section record. Other types print nothing.
void Write_Dimension_Block(int n);

// The bar table of a rectangular section (type 0): "Reinforcing Bar Details:".
void Write_Rectangular_Bar_Table(int n);

// The bar table of a circular shaft (types 1 to 3) with its note, the
// minimum bar spacing and the spacing-to-aggregate ratio. Nothing without bars.
void Write_Circular_Bar_Table(int n);

// Smallest clear distance between two bars of the working section (centre
// distance minus half the sum of the diameters) and the two bar numbers.
// The search starts from bars 1 and 2 and then takes any pair whose clear
// distance is above 1e-4 and below the current minimum (the first such pair
// wins ties). Fewer than two bars give 0 and bars 0, 0.
struct BarSpacing {
  double Minimum = 0;
  int Bar1 = 0;
  int Bar2 = 0;
};
BarSpacing fn_Minimum_Bar_Spacing();

// Edge-to-edge spacing of the bars of neighbouring bundles of a circular
// arrangement with m bars per bundle: the centre distance of bars 1 and 2
// (m = 1), 2 and 3 (m = 2) or 2 and 4 (m = 3) minus the bar diameter db.
// 0 when the section has fewer bars than that pair needs.
double fn_Edge_To_Edge_Bar_Spacing(int bars_per_bundle, double db);

}  // namespace kavro
