// The section driver: sets every pile section up by type, reports its
// dimensions, capacities and bars, and hands it to its curve computation.
#include "section/section_driver.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "section/axial_capacity.h"
#include "section/bar_generator.h"
#include "section/moment_curvature.h"
#include "section/user_curves.h"
#include "section/working_section.h"

namespace kavro {

SectionUnitLabels section_labels;

namespace {

constexpr double kPi = std::numbers::pi;

bool us_units() { return pm.options.IUNITS == kUnitsUS; }

std::string padded(std::string_view s, std::size_t n) {
  std::string r(s.substr(0, std::min(n, s.size())));
  r.resize(n, ' ');
  return r;
}

std::string rtrim(std::string_view s) {
  std::size_t n = s.size();
  while (n > 0 && s[n - 1] == ' ') --n;
  return std::string(s.substr(0, n));
}

double circle_area(double d) { return kPi / 4.0 * d * d; }
double ring_area(double d, double t) { return kPi / 4.0 * (d * d - (d - 2.0 * t) * (d - 2.0 * t)); }
double ring_inertia(double d, double t) {
  const double di = d - 2.0 * t;
  return kPi / 64.0 * (d * d * d * d - di * di * di * di);
}

int bar_count() { return std::clamp(ws.NumBars, 0, kMaxSectionBars); }

double total_bar_area() {
  double As = 0;
  for (int i = 1; i <= bar_count(); ++i) As += ws.BarArea[i];
  return As;
}

// Distance between the centres of bars i and j of the working section, as
// the square root of the sum of the squares: the bars of a circle are
// equally spaced, so which pair the minimum-spacing search reports depends
// on the last bits of this value.
double centre_distance(int i, int j) {
  const double dx = ws.BarX[i] - ws.BarX[j], dy = ws.BarY[i] - ws.BarY[j];
  return std::sqrt(dx * dx + dy * dy);
}

// Bars placed on a circle by the program (not individually by the user).
bool circular_bars(const PileSection& s) { return s.b_CircularRebar && s.NumBars > 0; }

// ---------------------------------------------------------------- lines

OutputUnit& rep() { return report_unit(); }

void title(std::string_view t, bool leading_blank = true, std::size_t rule = 0) {
  if (leading_blank) rep().blank();
  rep().put(t);
  rep().put(std::string(rule > 0 ? rule : t.size(), '-'));
  rep().blank();
}

// Property line: label, "= " at column 56, adaptive field of width 12, unit.
void prop(std::string_view label, double v, std::string_view unit) {
  rep().line().text(label).at(56, "= ").num(v, 12).text(unit).end();
}

// Fixed property line with an F12.2 value.
void prop_f122(std::string_view label, double v, std::string_view unit) {
  rep().line().text(label).at(56, "= ").f(12, 2, v).text(unit).end();
}

// Fixed property line of the prestressed dimensions: F10.3, a blank and the
// computation length label.
void dim_f103(std::string_view label, double v) {
  rep().line().text(label).at(56, "= ").f(10, 3, v).text(" ").text(pm.labels.ComputationLength).end();
}

// Section length in feet (US customary), metres (SI) or the generic length.
void length_of_section(const PileSection& s) {
  if (us_units())
    prop("Length of Section", s.SectionLength / 12.0, " ft");
  else
    prop("Length of Section", s.SectionLength, pm.options.IUNITS == kUnitsSI ? " m" : " L");
}

void number_of_bars(int n) {
  rep().line().text("Number of Reinforcing Bars").at(56, "= ").iv(n, 12).text(n == 1 ? " bar" : " bars").end();
}

// Stresses and moduli of the concrete sections in the input stress unit.
void input_stress(std::string_view label, double working_value) {
  if (us_units())
    prop(label, working_value * 1000.0, section_labels.InputStress);
  else
    prop(label, working_value, section_labels.Stress);
}

double area_of_single_bar(const PileSection& s) {
  if (circular_bars(s)) return s.CageBarArea;
  return bar_count() >= 1 ? ws.BarArea[1] : 0.0;
}

// Edge-to-edge spacing, aggregate size and their ratio (bars in a circle only).
void spacing_lines(const PileSection& s) {
  if (!circular_bars(s)) return;
  const double spacing = fn_Edge_To_Edge_Bar_Spacing(s.BarsPerBundle, s.CageBarDiameter);
  prop("Edge-to-Edge Bar Spacing", spacing, section_labels.Length);
  prop("Maximum Concrete Aggregate Size", s.MaxAggregateSize, section_labels.Length);
  if (s.MaxAggregateSize > 0) prop_f122("Ratio of Bar Spacing to Aggregate Size", spacing / s.MaxAggregateSize, "");
}

void offset_line(const PileSection& s) {
  prop("Offset of Center of Rebar Cage from Center of Pile", s.CageOffset, section_labels.Length);
}

double ratio_percent(double part, double whole) { return whole != 0 ? 100.0 * part / whole : 0.0; }

// ---------------------------------------------------------------- blocks

void rectangular_block(const PileSection& s) {
  const SectionUnitLabels& L = section_labels;
  title("Dimensions and Properties of Rectangular Concrete Pile:");
  length_of_section(s);
  prop("Depth of Section", ws.D, L.Length);
  prop("Width of Section", ws.W, L.Length);
  number_of_bars(bar_count());
  input_stress("Yield Stress of Reinforcing Bars", ws.fy);
  input_stress("Modulus of Elasticity of Reinforcing Bars", ws.Es);
  input_stress("Compressive Strength of Concrete", ws.fc);
  // Modulus of rupture 7.5·sqrt(f'c) with f'c in psi. In SI f'c is in kPa:
  // 51.71 = 7.5 x 6.894757 kPa per psi, and f'c / 6.894757 is f'c in psi.
  if (us_units())
    prop("Modulus of Rupture of Concrete", -7.5 * std::sqrt(1000.0 * ws.fc), L.InputStress);
  else
    prop("Modulus of Rupture of Concrete", -51.71067877581686 * std::sqrt(ws.fc / 6.89475732421875), L.Stress);
  const double Ag = ws.W * ws.D, As = total_bar_area();
  prop("Gross Area of Pile", Ag, L.Area);
  prop("Total Area of Reinforcing Steel", As, L.Area);
  prop("Area Ratio of Steel Reinforcement", ratio_percent(As, Ag), " percent");
}

void drilled_shaft_block(const PileSection& s) {
  const SectionUnitLabels& L = section_labels;
  title("Dimensions and Properties of Drilled Shaft (Bored Pile):");
  length_of_section(s);
  prop("Shaft Diameter", ws.D, L.Length);
  prop("Concrete Cover Thickness", s.ConcreteCover, L.Length);
  number_of_bars(bar_count());
  input_stress("Yield Stress of Reinforcing Bars", ws.fy);
  input_stress("Modulus of Elasticity of Reinforcing Bars", ws.Es);
  const double Ag = circle_area(ws.D), As = total_bar_area();
  prop("Gross Area of Shaft", Ag, L.Area);
  prop("Total Area of Reinforcing Steel", As, L.Area);
  prop_f122("Area Ratio of Steel Reinforcement", ratio_percent(As, Ag), " percent");
  spacing_lines(s);
  offset_line(s);
}

void cased_shaft_block(const PileSection& s) {
  const SectionUnitLabels& L = section_labels;
  const double D = ws.D, t = ws.CasingWall;
  title("Dimensions and Properties of Drilled Shaft (Bored Pile) with Permanent Casing:");
  length_of_section(s);
  prop("Outer Diameter of Casing", D, L.Length);
  prop("Concrete Cover Thickness Inside Casing", s.ConcreteCover, L.Length);
  prop("Casing Wall Thickness", t, L.Length);
  prop("Moment of Inertia of Steel Casing", ring_inertia(D, t), L.Inertia);
  input_stress("Yield Stress of Casing", ws.CasingYield);
  input_stress("Elastic Modulus of Casing", ws.CasingModulus);
  number_of_bars(bar_count());
  prop("Area of Single Reinforcing Bar", area_of_single_bar(s), L.Area);
  spacing_lines(s);
  offset_line(s);
  input_stress("Yield Stress of Reinforcing Bars", ws.fy);
  input_stress("Modulus of Elasticity of Reinforcing Bars", ws.Es);
  const double As = total_bar_area(), Acas = ring_area(D, t);
  prop("Area of Concrete", circle_area(D) - Acas - As, L.Area);
  prop("Cross-sectional Area of Steel Casing", Acas, L.Area);
  prop("Area of All Steel (Casing and Bars)", Acas + As, L.Area);
  prop_f122("Area Ratio of All Steel", ratio_percent(Acas + As, circle_area(D)), " percent");
}

void cased_shaft_with_core_block(const PileSection& s) {
  const SectionUnitLabels& L = section_labels;
  const double D = ws.D, t = ws.CasingWall;
  const double dc = ws.NumCores >= 1 ? ws.CoreDiameter[1] : 0.0;
  const double tc = ws.NumCores >= 1 ? ws.CoreWall[1] : 0.0;
  const bool filled = ws.b_FillCoreWithConcrete;
  title(filled ? "Dimensions and Properties of Drilled Shaft (Bored Pile) with Casing and Filled Core:"
               : "Dimensions and Properties of Drilled Shaft (Bored Pile) with Casing and Hollow Core:",
        true, 71);
  length_of_section(s);
  prop("Outside Diameter of Casing", D, L.Length);
  prop("Concrete Cover Thickness Inside Casing", s.ConcreteCover, L.Length);
  prop("Casing Wall Thickness", t, L.Length);
  prop("Moment of Inertia of Steel Casing", ring_inertia(D, t), L.Inertia);
  prop("Outside Diameter of Core", dc, L.Length);
  prop("Core Wall Thickness", tc, L.Length);
  prop("Moment of Inertia of Steel Core", ring_inertia(dc, tc), L.Inertia);
  input_stress("Yield Stress of Casing", ws.CasingYield);
  input_stress("Elastic Modulus of Casing", ws.CasingModulus);
  input_stress("Yield Stress of Core", ws.CoreYield);
  input_stress("Elastic Modulus of Core", ws.CoreModulus);
  number_of_bars(bar_count());
  const double As = total_bar_area(), Acas = ring_area(D, t), Aring = ring_area(dc, tc);
  prop("Area of Single Reinforcing Bar", area_of_single_bar(s), L.Area);
  prop("Area of All Reinforcing Bars", As, L.Area);
  spacing_lines(s);
  offset_line(s);
  input_stress("Yield Stress of Reinforcing Bars", ws.fy);
  input_stress("Modulus of Elasticity of Reinforcing Bars", ws.Es);
  const double Ac = filled ? circle_area(D) - Acas - Aring - As : circle_area(D) - Acas - circle_area(dc) - As;
  prop("Area of Concrete", Ac, L.Area);
  prop("Cross-sectional Area of Steel Casing", Acas, L.Area);
  prop("Cross-sectional Area of Steel Core", Aring, L.Area);
  prop("Area of All Steel (Casing, Core, and Bars)", Acas + Aring + As, L.Area);
  prop_f122("Area Ratio of All Steel", ratio_percent(Acas + Aring + As, circle_area(D)), " percent");
  rep().put(filled ? "Note that the core is assumed to be filled with concrete"
                   : "Note that the core is assumed to be void of concrete");
}

void steel_pipe_block(const PileSection& s) {
  const SectionUnitLabels& L = section_labels;
  const double D = ws.D, t = ws.CasingWall, di = D - 2.0 * t;
  const double A = ring_area(D, t), I = ring_inertia(D, t);
  const double Z = (D * D * D - di * di * di) / 6.0;  // plastic modulus of a ring
  title("Dimensions and Properties of Steel Pipe Pile:");
  length_of_section(s);
  prop("Outer Diameter of Pipe", D, L.Length);
  prop("Pipe Wall Thickness", t, L.Length);
  prop("Yield Stress of Pipe", ws.CasingYield, L.Stress);
  prop("Elastic Modulus", ws.CasingModulus, L.Stress);
  prop("Cross-sectional Area", A, L.Area);
  prop("Moment of Inertia", I, L.Inertia);
  prop("Elastic Bending Stiffness", ws.CasingModulus * I, L.BendingStiffness);
  prop("Plastic Modulus, Z", Z, rtrim(L.Length) + "^3");
  prop("Plastic Moment Capacity = Fy Z", ws.CasingYield * Z, L.Moment);
}

void prestressed_block(const PileSection& s) {
  switch (s.SectionType) {
    case 5:
      title("Dimensions and Properties of Circular Prestressed Pile:");
      length_of_section(s);
      dim_f103("Diameter", s.SectionDiameter);
      rep().blank();
      break;
    case 6:
      title("Dimensions and Properties of Hollow Core Circular Prestressed Pile:");
      length_of_section(s);
      dim_f103("Outside Diameter", s.SectionDiameter);
      dim_f103("Inside Diameter", s.VoidDiameter);
      rep().blank();
      break;
    case 7:
      title("Dimensions of Square Prestressed Pile Section:", false);
      length_of_section(s);
      dim_f103("Pile Width", s.SectionDiameter);
      dim_f103("Corner Chamfer", s.ChamferSize);
      rep().blank();
      break;
    case 8:
      title("Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:");
      length_of_section(s);
      dim_f103("Pile Width", s.SectionDiameter);
      dim_f103("Corner Chamfer", s.ChamferSize);
      rep().blank();
      dim_f103("Inside Void Diameter", s.VoidDiameter);
      break;
    case 9:
      title("Dimensions and Properties of Octagonal Prestressed Pile:");
      length_of_section(s);
      dim_f103("Pile Width", s.SectionDiameter);
      break;
    case 10:
      title("Dimensions and Properties of Octagonal Prestressed Pile Section with Hollow Core:");
      length_of_section(s);
      dim_f103("Pile Width", s.SectionDiameter);
      dim_f103("Inside Void Diameter", s.VoidDiameter);
      break;
    default:
      break;
  }
}

// Writes the internal-error block for a section that cannot be set up and
// stops the run.
void stop_cannot_set_up(int n, int type) {
  OutputUnit& r = rep();
  r.blank();
  r.put("**** Internal Error No. 999 ****");
  r.blank();
  if (n < 1 || n > kMaxSections)
    r.line().text("Section number ").i0(n).text(" lies outside 1 to ").i0(kMaxSections).text(".").end();
  else if (type == 14)
    r.line().text("Section ").i0(n).text(" is a micropile (section type 14), which cannot be analysed.").end();
  else
    r.line().text("Section ").i0(n).text(" has section type ").i0(type).text(", which cannot be set up for analysis.").end();
  r.put("No bending properties are computed for a section without a defined working section.");
  Error_Stop("RUN00999", 999);
}

}  // namespace

// ---------------------------------------------------------------- labels

void Set_Section_Unit_Labels() {
  struct Row {
    std::size_t n;
    const char* us;
    const char* si;
    const char* gen;
    std::string* dst;
  };
  SectionUnitLabels& L = section_labels;
  const Row rows[] = {
      {8, " in", " m", " L", &L.Length},
      {8, " ksi", " kPa", " F/L^2", &L.Stress},
      {8, " kips", " kN", " F", &L.Force},
      {8, " rad/in", " rad/m", " rad/L", &L.Curvature},
      {8, " in-kip", " kN-m", " F-L", &L.Moment},
      {8, "kip-in^2", "kN-m^2", "F-L^2", &L.BendingStiffness},
      {8, " sq. in.", " sq. m", " L^2", &L.Area},
      {8, " in^4", " m^4", " L^4", &L.Inertia},
      {4, "psi ", "kPa ", "F/L2", &L.InputStress},
  };
  const int units = pm.options.IUNITS;
  for (const Row& r : rows) *r.dst = padded(units == kUnitsUS ? r.us : units == kUnitsSI ? r.si : r.gen, r.n);
}

// ---------------------------------------------------------------- blocks

void Write_Dimension_Block(int n) {
  if (n < 1 || n > kMaxSections) return;
  const PileSection& s = pm.pile.Section[n];
  switch (s.SectionType) {
    case 0: rectangular_block(s); break;
    case 1: drilled_shaft_block(s); break;
    case 2: cased_shaft_block(s); break;
    case 3: cased_shaft_with_core_block(s); break;
    case 4: steel_pipe_block(s); break;
    case 5: case 6: case 7: case 8: case 9: case 10: prestressed_block(s); break;
    default: break;
  }
}

void Write_Rectangular_Bar_Table(int n) {
  if (n < 1 || n > kMaxSections) return;
  const PileSection& s = pm.pile.Section[n];
  const SectionUnitLabels& L = section_labels;
  OutputUnit& r = rep();
  r.put("Reinforcing Bar Details:");
  r.blank();
  r.put("   Bar              Bar           Bar Diam.        Bar Area          Bar X            Bar Y");
  r.line().text("  Number           Index").at(38, L.Length).at(53, L.Area).at(73, L.Length).at(89, L.Length).end();
  r.put("----------     ------------     ------------     ------------     ------------     ------------");
  for (int i = 1; i <= bar_count(); ++i) {
    r.line().i(5, i).i(17, s.BarSizeIndex[i]).x(5)
        .x(5).f(12, 6, ws.BarDiameter[i])
        .x(5).f(12, 6, ws.BarArea[i])
        .x(5).f(12, 6, ws.BarX[i])
        .x(5).f(12, 6, ws.BarY[i])
        .end();
  }
}

void Write_Circular_Bar_Table(int n) {
  if (n < 1 || n > kMaxSections) return;
  const PileSection& s = pm.pile.Section[n];
  const int nb = bar_count();
  if (nb < 1) return;
  OutputUnit& r = rep();
  const int units = pm.options.IUNITS;
  if (units == kUnitsUS || units == kUnitsSI) {
    r.put("Reinforcing Bar Dimensions and Positions Used in Computations:");
    r.blank();
    r.put("     Bar          Bar Diam.      Bar Area          X              Y     ");
    r.put(units == kUnitsUS ? "    Number         inches         sq. in.        inches         inches  "
                            : "    Number         meters         sq. m.         meters         meters  ");
    r.put("  ----------     ----------     ----------     ----------     ----------");
  }
  const bool circle = circular_bars(s);
  auto coordinate = [](fmt::Line& l, double v) -> fmt::Line& {
    return std::fabs(v) < 1e-5 ? l.text("     0.00000") : l.num(v, 12);
  };
  for (int i = 1; i <= nb; ++i) {
    fmt::Line& l = r.line();
    l.iv(i, 7).x(8).num(ws.BarDiameter[i], 12).x(3).num(circle ? s.CageBarArea : ws.BarArea[i], 12).x(3);
    coordinate(l, ws.BarX[i]).x(3);
    coordinate(l, ws.BarY[i]).end();
  }
  r.blank(2);
  r.put(circle ? "NOTE: The positions of the above rebars were computed by Kavro"
               : "NOTE: The positions of the above rebars were input by the user");
  r.blank();
  if (nb < 2) return;
  const BarSpacing sp = fn_Minimum_Bar_Spacing();
  r.line()
      .text("Minimum spacing between any two bars not equal to zero = ")
      .num(sp.Minimum, 12)
      .text(units == kUnitsUS ? " inches between Bars " : " meters between Bars ")
      .i0(sp.Bar1)
      .text(" and ")
      .i0(sp.Bar2)
      .end();
  r.blank();
  if (s.MaxAggregateSize != 0) {
    r.line().text("Spacing to aggregate size ratio = ").num(sp.Minimum / s.MaxAggregateSize, 12).end();
    r.blank();
  }
}

// ---------------------------------------------------------------- spacing

BarSpacing fn_Minimum_Bar_Spacing() {
  const int nb = bar_count();
  BarSpacing r;
  if (nb < 2) return r;
  auto clear = [](int i, int j) {
    return centre_distance(i, j) - 0.5 * (ws.BarDiameter[i] + ws.BarDiameter[j]);
  };
  r = {clear(1, 2), 1, 2};
  for (int i = 1; i < nb; ++i) {
    for (int j = i + 1; j <= nb; ++j) {
      const double d = clear(i, j);
      if (d > 1e-4 && d < r.Minimum) r = {d, i, j};
    }
  }
  return r;
}

double fn_Edge_To_Edge_Bar_Spacing(int bars_per_bundle, double db) {
  int a = 1, b = 2;
  if (bars_per_bundle == 2) a = 2, b = 3;
  if (bars_per_bundle == 3) a = 2, b = 4;
  if (bar_count() < b) return 0.0;
  return centre_distance(a, b) - db;
}

// ---------------------------------------------------------------- driver

void Section_Driver(int n) {
  if (n < 1 || n > kMaxSections) {
    stop_cannot_set_up(n, -1);
    return;
  }
  pm.pile.CurrentSection = n;
  prestress.b_PrestressPrinted = false;
  Set_Section_Unit_Labels();

  PileSection& s = pm.pile.Section[n];
  const int type = s.SectionType;
  switch (type) {
    case 11: Compute_Elastic_EI_Curves(n); return;
    case 12: Compute_Elastic_Plastic_EI_Curves(n); return;
    case 13: Compute_User_EI_Curves(n); return;
    default: break;
  }
  if (type < 0 || type > 10) {
    stop_cannot_set_up(n, type);
    return;
  }

  // Bars in a circle are placed again from the cage data: every bar gets the
  // cage bar's diameter and area.
  if (type >= 1 && type <= 3 && circular_bars(s)) {
    const int nb = std::min(s.NumBars, kMaxBars);
    for (int i = 1; i <= nb; ++i) {
      s.BarDiameter[i] = s.CageBarDiameter;
      s.BarArea[i] = s.CageBarArea;
    }
    const bool ok = Place_Circular_Rebar(s);
    if (!ok || stopped()) return;
  }

  Setup_Working_Section(n);
  if (stopped()) return;
  if (ws.Layout == kLayoutNone) {
    stop_cannot_set_up(n, type);
    return;
  }

  Write_Dimension_Block(n);
  if (type <= 4) {
    Compute_Axial_Structural_Capacity();
    Compute_Axial_Tension_Capacity();
    const double k = us_units() ? 1000.0 : 1.0;  // kips to pounds
    mct.SectionPn[n] = ws.Pn * k;
    mct.SectionNt[n] = ws.Nt * k;
    if (type == 0 && !circular_bars(s)) Write_Rectangular_Bar_Table(n);
    if (type >= 1 && type <= 3) Write_Circular_Bar_Table(n);
  } else {
    Load_Prestressing_Strands(n);
    if (stopped()) return;
  }
  Compute_Moment_Curvature(n);
}

}  // namespace kavro
