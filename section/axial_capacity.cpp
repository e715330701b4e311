// Axial capacities of reinforced-concrete and steel-pipe sections, the strand
// step of prestressed piles and the strains locked in by the prestress.
#include "section/axial_capacity.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "section/section_driver.h"
#include "section/working_section.h"

namespace kavro {

AxialCapacityAreas axial_areas;
PrestressState prestress;

namespace {

constexpr double kPi = std::numbers::pi;

// Coefficients of the capacity formulas, single-precision values widened to
// double as everywhere in the section analysis.
constexpr double kConcreteFactor = double(0.85f);  // 0.85 f'c
constexpr double kPeakStrainFactor = double(1.7f);  // eps0 = 1.7 f'c / Ec
constexpr double kRuptureUS = double(0.0075f);      // fr = -0.0075 sqrt(1000 f'c) ksi
constexpr double kPciPn = double(0.60f), kPciN1 = double(0.33f), kPciN2 = double(0.27f);

bool us_units() { return pm.options.IUNITS == kUnitsUS; }

double circle_area(double d) { return kPi / 4.0 * d * d; }
// Area of a ring of outer diameter d and wall t.
double ring_area(double d, double t) { return kPi / 4.0 * (d * d - (d - 2.0 * t) * (d - 2.0 * t)); }

std::string rtrim(std::string_view s) {
  std::size_t n = s.size();
  while (n > 0 && s[n - 1] == ' ') --n;
  return std::string(s.substr(0, n));
}

// The first k characters of a label, blank-padded to k.
std::string first(std::string_view s, std::size_t k) {
  std::string r(s.substr(0, std::min(k, s.size())));
  r.resize(k, ' ');
  return r;
}

int bar_count() { return std::clamp(ws.NumBars, 0, kMaxSectionBars); }

// "label ... = " value(F12.3) unit.
void force_line(std::string_view label, double v, std::string_view unit) {
  report_unit().line().text(label).at(56, "= ").f(12, 3, v).text(unit).end();
}

// Stops the run as an internal error of the section set-up.
void stop_internal(std::initializer_list<std::string_view> lines) {
  OutputUnit& rep = report_unit();
  rep.blank();
  rep.put("**** Internal Error No. 999 ****");
  rep.blank();
  rep.lines(lines);
  Error_Stop("RUN00999", 999);
}

}  // namespace

// ------------------------------------------------------ types 0 to 4

void Compute_Axial_Structural_Capacity() {
  axial_areas = AxialCapacityAreas{};
  double As = 0;
  for (int i = 1; i <= bar_count(); ++i) As += ws.BarArea[i];
  axial_areas.As = As;

  const double D = ws.D;
  const double t = ws.CasingWall;
  const double fc = ws.fc, fy = ws.fy;
  double Pn = 0;
  switch (ws.SectionType) {
    case 0:
      Pn = kConcreteFactor * fc * (ws.W * D - As) + fy * As;
      break;
    case 1:
      Pn = kConcreteFactor * fc * (circle_area(D) - As) + fy * As;
      break;
    case 2:
      axial_areas.A_cas = ring_area(D, t);
      Pn = ws.CasingYield * axial_areas.A_cas + kConcreteFactor * fc * (circle_area(D - 2.0 * t) - As) + fy * As;
      break;
    case 3: {
      const double dc = ws.NumCores >= 1 ? ws.CoreDiameter[1] : 0.0;
      const double tc = ws.NumCores >= 1 ? ws.CoreWall[1] : 0.0;
      axial_areas.A_cas = ring_area(D, t);
      axial_areas.A_ring = ring_area(dc, tc);
      // A filled core keeps its inner concrete; a void core removes its whole area.
      const double Acp = ws.b_FillCoreWithConcrete ? circle_area(D - 2.0 * t) - axial_areas.A_ring - As
                                                   : circle_area(D - 2.0 * t) - circle_area(dc) - As;
      Pn = ws.CasingYield * axial_areas.A_cas + ws.CoreYield * axial_areas.A_ring + fy * As + kConcreteFactor * fc * Acp;
      break;
    }
    case 4:
      axial_areas.A_cas = ring_area(D, t);
      Pn = ws.CasingYield * axial_areas.A_cas;
      break;
    default:
      return;
  }
  ws.Pn = Pn;

  OutputUnit& rep = report_unit();
  rep.blank();
  rep.put("Axial Structural Capacities:");
  rep.put("----------------------------");
  rep.blank();
  force_line(ws.SectionType == 4 ? "Nom. Axial Structural Capacity = Fy As"
                                 : "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As",
             Pn, section_labels.Force);
}

void Compute_Axial_Tension_Capacity() {
  const int type = ws.SectionType;
  if (type < 0 || type > 4) return;
  const double D = ws.D;
  const double fc = ws.fc, fy = ws.fy, Es = ws.Es;
  const double As = axial_areas.As, Acas = axial_areas.A_cas, Aring = axial_areas.A_ring;

  if (type <= 3) {
    // Concrete parameters of the cracking load, as the material set-up
    // derives them for reinforcing bars.
    double Ec, fr;
    if (us_units()) {
      Ec = 57.0 * std::sqrt(1000.0 * fc);
      fr = -kRuptureUS * std::sqrt(1000.0 * fc);
    } else {
      Ec = 393001.16443634033 * std::sqrt(0.14503774046897888 * fc);
      fr = -51.71067953109741 * std::sqrt(0.14503774046897888 * fc);
    }
    double eps0 = 0, epst = 0;
    if (fc > 0 && Ec > 0) {
      eps0 = kPeakStrainFactor * fc / Ec;
      epst = -eps0 * (1.0 - std::sqrt(std::max(0.0, 1.0 + fr / fc)));
    }
    ws.Ec = Ec;
    ws.fr = fr;
    ws.eps0 = eps0;
    ws.epst = epst;
  }

  double Ac = 0, Nt = 0, Tcr = 0;
  switch (type) {
    case 0:
      Ac = ws.W * D - As;
      Nt = -fy * As;
      Tcr = ws.epst * (Es * As + ws.Ec * Ac);
      break;
    case 1:
      Ac = circle_area(D) - As;
      Nt = -fy * As;
      Tcr = ws.epst * (Es * As + ws.Ec * Ac);
      break;
    case 2:
      Ac = circle_area(D) - Acas - As;
      Nt = -(ws.CasingYield * Acas + fy * As);
      Tcr = ws.epst * ((Acas + As) * Es + ws.Ec * Ac);
      break;
    case 3: {
      const double dc = ws.NumCores >= 1 ? ws.CoreDiameter[1] : 0.0;
      Ac = ws.b_FillCoreWithConcrete ? circle_area(D) - Acas - Aring - As
                                     : circle_area(D) - Acas - circle_area(dc) - As;
      Nt = -(ws.CasingYield * Acas + ws.CoreYield * Aring + fy * As);
      Tcr = ws.epst * ((Acas + Aring + As) * Es + ws.Ec * Ac);
      break;
    }
    case 4:
      Nt = -ws.CasingYield * Acas;
      Tcr = 0;
      break;
  }
  axial_areas.Ac = Ac;
  ws.Nt = Nt;
  ws.Tcr = Tcr;

  if (type <= 3) force_line("Tensile Load for Cracking of Concrete", Tcr, section_labels.Force);
  force_line("Nominal Axial Tensile Capacity", Nt, section_labels.Force);
  report_unit().blank(2);
}

// ------------------------------------------------------ types 5 to 10

int fn_Strand_Reinforcement_Class(int t) {
  switch (t) {
    case 0: return kClassPCI250;
    case 1: return kClassPCI270;
    case 2: return kClassPCI300;
    case 3: return kClassSmooth145;
    case 4: return kClassSmooth160;
    case 5: return kClassDeformedBars;
    default: return 0;
  }
}

void Load_Prestressing_Strands(int n) {
  if (n < 1 || n > kMaxSections) return;
  const PileSection& s = pm.pile.Section[n];
  const bool us = us_units();
  OutputUnit& rep = report_unit();
  const SectionUnitLabels& L = section_labels;

  prestress.StrandType = s.StrandType;
  prestress.Pi = s.InitialPrestressForce;
  prestress.Loss = s.PrestressLossFraction;
  ws.Es = s.RebarModulus;  // catalogued in ksi (US customary) or kPa
  ws.fpu = us ? s.StrandUltimateStrength / 1000.0 : s.StrandUltimateStrength * 6894.75732421875 / 1000.0;
  const int cls = fn_Strand_Reinforcement_Class(s.StrandType);
  if (cls > 0) ws.ReinforcementClass = cls;

  rep.blank();
  rep.put("Prestressing Strand Details:");
  rep.put("----------------------------");
  rep.blank();
  static constexpr std::string_view kNames[6] = {
      "=    PCI 250", "=    PCI 270", "=    PCI 300", "= Smooth 145 ksi bars", "= Smooth 160 ksi bars",
      "= Deformed bars (150-160 ksi)"};
  if (cls > 0) {
    rep.line().text("Strand Type").at(56, kNames[s.StrandType]).end();
    rep.line().text("Yield Stress, fpu").at(56, "= ").f(10, 0, ws.fpu).text(" ").text(rtrim(L.Stress)).end();
  }
  switch (cls) {
    case kClassPCI250:
      rep.put("Stress-strain curve for reinforcement defined using PCI 250 Lo-lax equation");
      rep.put("If eps > 0.008, fps = 248 - 0.058/(eps-0.006) < 0.98 fpu (ksi)");
      break;
    case kClassPCI270:
      rep.put("Stress-strain curve for reinforcement defined ssing PCI 270 Lo-lax equation");
      rep.put("If eps > 0.008 fpu = 268 - 0.075/(eps-0.0065) < 0.98 fpu (ksi)");
      break;
    case kClassPCI300:
      rep.put("Stress-strain curve for reinforcement defined using grade 300 equation");
      rep.put("If eps > 0.0088846 fpu = 300.0-(0.0835/(eps-0.0071))) < 300 (ksi)");
      break;
    default:
      break;
  }

  const int ns = s.NumStrands;
  const int count = std::clamp(ns, 0, kMaxSectionBars);
  // Every strand of an automatic arrangement carries the catalogued area of
  // its (common) size, so the strand's own area is the single-strand area.
  const double single_area = count >= 1 ? s.BarArea[1] : s.StrandArea;
  const int wa = us ? 3 : 7, wc = us ? 3 : 5;
  rep.line().text("Number of Reinforcing Strands").at(56, "= ").i(10, ns).end();
  rep.line().text("Cross-sectional Area of Single Strand").at(56, "= ").f(10, wa, single_area).text(rtrim(L.Area)).end();
  rep.line().text("Concrete Cover Thickness Over Strands").at(56, "= ").f(10, wc, s.StrandCover).text(rtrim(L.Length)).end();

  const std::string cl = rtrim(pm.labels.ComputationLength);
  rep.blank();
  rep.put("Prestressing Strand Geometry:");
  rep.put("-----------------------------");
  rep.blank();
  rep.put("Strand     Diameter       Area            X             Y");
  rep.line().text("  No.").at(12, cl).at(29, "Sq. " + cl).at(43, cl).at(57, cl).end();
  rep.put("------    ---------    ----------    ----------    ----------");

  const int d = us ? 3 : 6;
  ws.NumBars = count;
  for (int i = 1; i <= count; ++i) {
    ws.BarDiameter[i] = s.BarDiameter[i];
    ws.BarX[i] = s.BarX[i];
    ws.BarY[i] = s.BarY[i];
    ws.BarArea[i] = s.BarArea[i];
    rep.line().i(4, i).f(14, d, ws.BarDiameter[i]).f(14, d, ws.BarArea[i]).f(14, d, ws.BarX[i]).f(14, d, ws.BarY[i]).end();
  }
  ws.FirstStrandSizeCode = s.StrandSizeCodes[1];

  if (cls == 0) {
    stop_internal({"The strand type code of section " + std::to_string(n) + " is " + std::to_string(s.StrandType) +
                       ", which is not one of the codes 0 to 5.",
                   "No stress-strain law of the prestressing steel is defined for the section."});
    return;
  }
  if (ns != count) {
    stop_internal({"Section " + std::to_string(n) + " has " + std::to_string(ns) + " strands; a section holds 0 to " +
                   std::to_string(kMaxSectionBars) + " strands."});
    return;
  }
}

// ------------------------------------------------------ prestress state

void Calculate_Strains_Due_To_Prestressing() {
  OutputUnit& rep = report_unit();
  const bool us = us_units();
  const SectionUnitLabels& L = section_labels;

  double Ac = 0, As = 0;
  for (int i = 1; i <= kNumSlices; ++i) {
    Ac += ws.ConcreteArea[i];
    As += ws.BarSliceArea[i];
  }
  if (Ac <= 0) {
    rep.put("**** Runtime Error No. 14 ****");
    rep.blank();
    rep.put("An error occurred in prestressing computations");
    rep.line().text("The computed area of concrete in the section is less than 0.0 = ").f(15, 5, Ac).end();
    Error_Stop("RUN00014", 214);
    return;
  }
  if (As <= 0) {
    rep.put("**** Runtime Error No. 15 ****");
    rep.blank();
    rep.put("An error occurred in prestressing computations");
    rep.line().text("The computed area of steel in the section is less than 0.0 = ").f(15, 5, As).end();
    Error_Stop("RUN00015", 215);
    return;
  }

  PrestressState& p = prestress;
  const double Es = ws.Es, Ec = ws.Ec, fc = ws.fc, fpu = ws.fpu;
  p.Ac = Ac;
  p.As = As;
  p.Pe = (1.0 - p.Loss) * p.Pi;
  // The prestressing force is input in pounds in US customary runs while the
  // moduli are in ksi.
  const double k = us ? 1000.0 : 1.0;
  ws.eps_ps = Es > 0 ? -p.Pe / (k * Es * As) : 0.0;
  ws.eps_pc = Ec > 0 ? p.Pe / (k * Ec * Ac) : 0.0;
  p.fpc = ws.eps_pc * Ec;
  p.Ag = Ac + As;

  ws.Pn = (kConcreteFactor * fc - kPciPn * p.fpc) * p.Ag;
  ws.Nt = -As * fpu;
  p.N = (kPciN1 * fc - kPciN2 * p.fpc) * p.Ag;

  double Q = 0;
  switch (ws.SectionType) {
    case 5: Q = double(0.32f); p.MnText = "Mn = 0.32 D As fpu "; break;
    case 6: Q = double(0.34f); p.MnText = "Mn = 0.34 D As fpu"; break;
    case 7: Q = double(0.37f); p.MnText = "Mn = 0.37 D As fpu"; break;
    case 8: Q = double(0.38f); p.MnText = "Mn = 0.38 D As fpu"; break;
    case 9: Q = double(0.32f); p.MnText = "Mn = 0.32 D As fpu"; break;
    case 10: Q = double(0.34f); p.MnText = "Mn = 0.34 D As fpu"; break;
    default: p.MnText.clear(); break;
  }
  p.Mn = Q * ws.D * As * fpu;

  // Axial tension first relieves the precompression: the concrete cracks
  // when the uniform strain added by the thrust, P/(Ec·Ac + Es·As), brings
  // the concrete strain eps_pc down to the tensile strain at fracture.
  // Without prestress this is the cracking load of a reinforced section.
  ws.Tcr = (ws.epst - ws.eps_pc) * (Ec * Ac + Es * As);

  if (p.b_PrestressPrinted) return;
  p.b_PrestressPrinted = true;

  const std::string force5 = first(L.Force, 5), force7 = first(L.Force, 7);
  const std::string area_unit = " Sq." + first(L.Length, 5);
  const std::string stress = rtrim(L.Stress);
  const int da = us ? 3 : 6;
  auto line = [&rep](std::string_view label) -> fmt::Line& { return rep.line().text(label).at(56, "= "); };

  rep.blank();
  rep.put("Computation of Loss of Prestress:");
  rep.put("---------------------------------");
  rep.blank();
  line("Initial Prestressing Force").f(12, 3, p.Pi / k).text(force5).end();
  line("Fraction of Loss of Prestress").f(12, 3, p.Loss).end();
  line("Effective Prestressing Force").f(12, 3, p.Pe / k).text(force5).end();
  line("Area of Concrete, Ac").f(12, da, Ac).text(area_unit).end();
  line("Area of Steel, As").f(12, da, As).text(area_unit).end();
  line("Stress in Concrete After Losses, f_pc").f(12, 3, p.fpc).text(stress).end();
  line("Stress in Steel After Losses").f(12, 3, ws.eps_ps * Es).text(stress).end();
  line("Compressive Strain in Concrete").f(12, 7, ws.eps_pc).end();
  line("Tensile Strain in Steel").f(12, 7, ws.eps_ps).end();
  rep.blank();
  rep.put("Estimated Structural Capacities Computed Using PCI Equations:");
  rep.put("-------------------------------------------------------------");
  rep.blank();
  line("Nom. Axial Cap., Pn = (0.85 f'c - 0.60 f_pc) Ag").f(12, 3, ws.Pn).text(force5).end();
  line("Unfac. Axial Load Cap. N  = (0.33 f'c - 0.27 f_pc) Ag").f(12, 3, p.N).text(force5).end();
  line("Axial Capacity in Tension, Nt = As fpu").f(12, 3, ws.Nt).text(force7).end();
  rep.line().text("Nom. Moment Capacity, ").text(rtrim(p.MnText)).at(56, "= ").f(12, 3, p.Mn).text(first(L.Moment, 7)).end();
  rep.blank();
  rep.lines({"Note:  The estimate of nominal moment capacity is based on equations that    ",
             "assume compressive strength of concrete is 6,000 psi (41.4 MPa), the value   ",
             "of prestress after losses is 700 psi (4.83 MPa), and axial thrust force is   ",
             "zero. When input values for these factors are different, the estimated value ",
             "of nominal moment capacity will differ from the capacity computed by Kavro   ",
             "and should be considered only as an approximate check."});
  rep.blank();
}

}  // namespace kavro
