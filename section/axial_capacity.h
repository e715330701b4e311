// Axial limits of the current pile section and the prestress state of
// prestressed piles.
//
// Reinforced-concrete and steel-pipe sections (types 0 to 4) get their
// nominal axial compression capacity Pn, nominal axial tension capacity Nt
// and the tensile load that cracks the concrete Tcr from the working
// section's dimensions, bars and materials. Prestressed piles (types 5 to 10)
// load their strands into the working section as its bars; every build of
// the working section then derives the strains locked in by the effective
// prestress and replaces Pn and Nt by the PCI estimates, together with the
// cracking load of the precompressed section.
//
// Units are those of the section computations: kips, inches and ksi in US
// customary runs, kN, metres and kPa otherwise. Pn, Nt and Tcr are kept in
// the working section (ws.Pn, ws.Nt, ws.Tcr).
#pragma once
#include <string>

namespace kavro {

// Areas of the capacity steps of the current section (types 0 to 4).
struct AxialCapacityAreas {
  double As = 0;      // total bar area: the working section's bar areas summed
  double Ac = 0;      // concrete area of the cracking load
  double A_cas = 0;   // casing ring (types 2, 3) or pipe wall (type 4)
  double A_ring = 0;  // steel core ring (type 3)
};
extern AxialCapacityAreas axial_areas;

// Strand data and prestress state of the current prestressed section.
struct PrestressState {
  // Set by the strand step.
  int StrandType = 0;
  double Pi = 0;     // initial prestressing force (lb in US customary runs, kN otherwise)
  double Loss = 0;   // fraction of loss of prestress
  // Set by Calculate_Strains_Due_To_Prestressing (the prestrains themselves
  // are ws.eps_ps and ws.eps_pc).
  double Pe = 0;     // effective prestressing force, (1 - Loss)·Pi
  double fpc = 0;    // concrete stress after losses
  double Ac = 0;     // net concrete area of the slices
  double As = 0;     // strand area of the slices
  double Ag = 0;     // Ac + As
  double N = 0;      // PCI unfactored axial load capacity
  double Mn = 0;     // PCI estimate of the nominal moment capacity
  std::string MnText;  // its equation, e.g. "Mn = 0.37 D As fpu"
  // Cleared by the section driver at the start of every section; the
  // prestress block is printed once per section.
  bool b_PrestressPrinted = false;
};
extern PrestressState prestress;

// Axial structural capacity (types 0 to 4): As and Pn, and the capacity
// lines of the report.
void Compute_Axial_Structural_Capacity();

// Tension step (types 0 to 4, right after the capacity step): the concrete
// parameters of the cracking load (types 0 to 3), Ac, Tcr and Nt, and their
// report lines.
void Compute_Axial_Tension_Capacity();

// Strand step (types 5 to 10, at the end of the dimension block): strand
// grade and reinforcement class, fpu, Es, Pi and the loss fraction, the
// strands as the working section's bars, and the strand report lines.
// A strand type outside 0..5 or a strand count outside 0..300 leaves the
// section without a steel law and stops the run (internal error 999).
void Load_Prestressing_Strands(int n);

// Reinforcement class of strand type code t (4 to 9); 0 for an unknown code.
int fn_Strand_Reinforcement_Class(int t);

// Calculate_Strains_Due_To_Prestressing() is declared with the working
// section (section/working_section.h) and defined with these steps. On top
// of the prestrains and the PCI estimates it sets the cracking load of the
// precompressed section, Tcr = (eps_t - eps_pc)·(Ec·Ac + Es·As): the axial
// tension that brings the concrete from its precompression down to its
// tensile strain at fracture.

}  // namespace kavro
