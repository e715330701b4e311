#include "report/results_tables.h"

#include <cmath>
#include <string>
#include <string_view>

#include "analysis/bending_stiffness.h"
#include "analysis/load_cases.h"
#include "analysis/nodes.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "report/plot_records.h"
#include "report/warnings.h"
#include "section/moment_curvature.h"

namespace kavro {

Indexed<CaseResults, kMaxLoadCases> case_results;

namespace {

bool us_units() { return pm.options.IUNITS == kUnitsUS; }
bool si_units() { return pm.options.IUNITS == kUnitsSI; }
OutputUnit& rep() { return report_unit(); }
const std::string kDashes80(80, '-');

double clean(double v) { return std::fabs(v) < 1e-20 ? 0.0 : v; }
// Depths in the report: feet in US customary runs.
double report_depth(double x) { return us_units() ? x / 12.0 : x; }

int section_type(int s) { return s >= 1 && s <= kMaxSections ? pm.pile.Section[s].SectionType : 0; }
bool elastic_section(int s) { return section_type(s) == 11; }
bool elastic_or_plastic_section(int s) { return section_type(s) == 11 || section_type(s) == 12; }

int node_section(int m) {
  const int s = nodes.Section[m];
  return s >= 1 && s <= kMaxSections ? s : 1;
}

// Combined axial and bending stress at node m for moment M and thrust Q:
// |Q|/A + |M| c/I with c the distance of the extreme fibre from the axis,
// half the pile width. A rectangular elastic section bends about the axis
// across its width (I = b d^3/12), so its extreme fibre lies at half the
// depth, d/2 = sqrt(3 I/A); an embedded pole is measured by its own
// diameter, the second width.
double combined_stress(int m, double M, double Q) {
  const PileProperties pp = Pile_Properties_At_X(nodes.x[m]);
  if (pp.Area == 0.0 || pp.Inertia == 0.0) return 0.0;
  const int s = node_section(m);
  double c = pp.Width / 2.0;
  if (elastic_or_plastic_section(s)) {
    const int shape = pm.pile.Section[s].SectionShape;
    if (shape == 6) c = pp.SecondWidth / 2.0;
    if (shape == 1) c = std::sqrt(3.0 * pp.Inertia / pp.Area);
  }
  return std::fabs(Q) / pp.Area + std::fabs(M) * c / pp.Inertia;
}

// ---------------------------------------------------------------- recording

void record(int k, const HeadCondition& hc, int iterations) {
  CaseResults& c = case_results[k];
  c = CaseResults{};
  const int nn = nodes.NumNodes;
  const int t = hc.LoadType;
  c.LoadType = t;
  c.Value1 = hc.Value1, c.Value2 = hc.Value2, c.Axial = hc.Q;
  c.HeadShear = (t == 4 || t == 5) ? nodes.V[1] : hc.Value1;
  c.HeadMoment = (t == 2 || t == 3 || t == 5) ? nodes.M[1] : hc.Value2;
  c.HeadDeflection = nodes.y[1];
  c.HeadRotation = nodes.S[1];
  c.Iterations = iterations;
  int km = 1, kv = 1;
  double smax = 0.0;
  for (int m = 1; m <= nn; ++m) {
    if (std::fabs(nodes.M[m]) > std::fabs(nodes.M[km])) km = m;
    if (std::fabs(nodes.V[m]) > std::fabs(nodes.V[kv])) kv = m;
    const double sig = combined_stress(m, nodes.M[m], hc.Q);
    if (m == 1 || std::fabs(sig) > std::fabs(smax)) smax = sig;
    const int s = node_section(m);
    if (std::fabs(nodes.M[m]) > std::fabs(c.SectionMaxMoment[s])) c.SectionMaxMoment[s] = nodes.M[m];
    if (std::fabs(nodes.V[m]) > std::fabs(c.SectionMaxShear[s])) c.SectionMaxShear[s] = nodes.V[m];
    if (m < nn) {
      const double a = clean(nodes.y[m]), b = clean(nodes.y[m + 1]);
      if ((a > 0.0 && b < 0.0) || (a < 0.0 && b > 0.0)) ++c.ZeroDeflectionPoints;
    }
  }
  c.MaxMoment = nodes.M[km], c.MaxMomentDepth = nodes.x[km];
  c.MaxShear = nodes.V[kv], c.MaxShearDepth = nodes.x[kv];
  c.MaxStress = smax;

  // Equilibrium of every segment (j, j+1) from the node results: the
  // moment carried over the segment by the shear, the net lateral load and
  // the thrust, and the change of shear by the net load. Along the pile the
  // shears are central differences of the moments, which the difference
  // equations balance exactly. The head shear is not: it is the applied
  // value, formed with the head stiffness alone (or a one-sided estimate
  // for a deflection-and-slope head), so a head with a different stiffness
  // at node 2 (a tapered elastic pile, a yielded elastic-plastic head) would
  // show a discretisation difference as an imbalance. The head segment is
  // therefore checked with the shear the difference equations carry there:
  // the central difference of the moments about the head, the moment above
  // it taken with the head stiffness.
  const double h = nodes.h, Q = hc.Q;
  const bool movement = soil_movements_given();
  auto net_load = [&](int m) {
    const double w = movement ? nodes.SoilMovementForce[m] : nodes.DistributedLoad[m];
    return w - nodes.SoilModulusEs[m] * nodes.y[m];
  };
  const double M0 = nodes.EI[1] * (nodes.y[-1] - 2.0 * nodes.y[0] + nodes.y[1]) / (h * h);
  const double head_shear = Q * (nodes.y[2] - nodes.y[0]) / (2.0 * h) + (nodes.M[2] - M0) / (2.0 * h);
  auto shear = [&](int m) { return m == 1 ? head_shear : nodes.V[m]; };
  for (int j = 1; j < nn; ++j) {
    const double mi = nodes.M[j] + h * shear(j) + (h * h / 2.0) * net_load(j) + Q * (nodes.y[j] - nodes.y[j + 1]) -
                      nodes.M[j + 1];
    const double fi = shear(j) - nodes.V[j + 1] + (h / 2.0) * (net_load(j) + net_load(j + 1));
    if (!(std::fabs(mi) <= std::fabs(c.MomentImbalance))) c.MomentImbalance = std::fabs(mi), c.MomentImbalanceNode = j + 2;
    if (!(std::fabs(fi) <= std::fabs(c.ForceImbalance))) c.ForceImbalance = std::fabs(fi), c.ForceImbalanceNode = j + 2;
  }
}

// ---------------------------------------------------------------- report block

void value_line(std::string_view label, std::string_view field, std::string_view unit) {
  rep().line().text(label).tab(56).text("= ").text(field).text(" ").text(unit).end();
}

std::string force_field(double v) { return us_units() ? fmt::F(12, 1, v) : fmt::F(12, 3, v); }

void head_conditions_block(const HeadCondition& hc) {
  if (!us_units() && !si_units()) return;
  const bool us = us_units();
  OutputUnit& r = rep();
  const char* lbs = us ? "lbs" : "kN";
  const char* moment = us ? "in-lbs" : "kN-m";
  const char* length = us ? "inches" : "meters";
  switch (hc.LoadType) {
    case 1:
      r.put("Pile-head conditions are Shear and Moment (Loading Type 1)");
      r.blank();
      value_line("Shear force at pile head", force_field(hc.Value1), lbs);
      value_line("Applied moment at pile head        ", force_field(hc.Value2), moment);
      value_line("Axial thrust load on pile head     ", force_field(hc.Q), lbs);
      r.blank();
      break;
    case 2:
      r.put("Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)");
      r.blank();
      value_line("Shear force at pile head", force_field(hc.Value1), lbs);
      value_line("Rotation of pile head   ", fmt::E(12, 3, hc.Value2), "radians");
      value_line("Axial load at pile head ", force_field(hc.Q), lbs);
      r.blank();
      r.put(std::fabs(hc.Value2) < 1e-10 ? "(Zero slope for this load indicates fixed-head conditions)"
                                         : "(Non-zero slope for this load does indicates rotated pile-head condition)");
      r.blank();
      break;
    case 3:
      r.put("Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)");
      r.blank();
      value_line("Shear force at pile head", force_field(hc.Value1), us ? "lb" : "kN");
      value_line("Rotational stiffness    ", force_field(hc.Value2), us ? "in-lb/rad" : "kN-m/rad");
      value_line("Axial load at pile head ", force_field(hc.Q), lbs);
      r.blank();
      break;
    case 4:
      r.put("Pile-head conditions are Displacement and Moment (Loading Type 4)");
      r.blank();
      value_line("Displacement of pile head", fmt::F(12, 6, hc.Value1), length);
      value_line("Moment at pile head      ", force_field(hc.Value2), moment);
      value_line("Axial load at pile head  ", force_field(hc.Q), lbs);
      r.blank();
      break;
    case 5:
      r.put("Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)");
      r.blank();
      value_line("Displacement of pile head", fmt::F(12, 6, hc.Value1), length);
      value_line("Rotation of pile head    ", fmt::E(12, 3, hc.Value2), "radians");
      value_line("Axial load on pile head  ", force_field(hc.Q), lbs);
      r.blank();
      break;
    default:
      break;
  }
}

void node_table(const HeadCondition& hc) {
  OutputUnit& r = rep();
  r.put("   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   Soil Res.  Soil Spr.   Distrib. ");
  r.put("     X         y        Moment     Force         S       Stress   Stiffness      p         Es*h    Lat. Load ");
  if (us_units())
    r.put("   feet      inches     in-lbs      lbs       radians     psi*      lb-in^2    lb/in      lb/inch    lb/inch ");
  else if (si_units())
    r.put("   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     kN/m        kN/m      kN/m    ");
  std::string dashes;
  for (int g = 0; g < 10; ++g) dashes += g == 0 ? "----------" : " ----------";
  r.put(dashes);
  const int nn = nodes.NumNodes;
  const int step = pm.options.PrintIncrement > 0 ? pm.options.PrintIncrement : 1;
  const double h = nodes.h;
  for (int m = 1; m <= nn; m += step) {
    const double spring = (m == 1 || m == nn) ? nodes.SoilModulusEs[m] * h / 2.0 : nodes.SoilModulusEs[m] * h;
    r.line()
        .num(report_depth(nodes.x[m]), 10)
        .num(clean(nodes.y[m]), 11)
        .num(clean(nodes.M[m]), 11)
        .num(clean(nodes.V[m]), 11)
        .num(nodes.S[m], 11)
        .num(combined_stress(m, nodes.M[m], hc.Q), 11)
        .num(nodes.EI[m], 11)
        .num(clean(nodes.p[m]), 11)
        .num(spring, 11)
        .num(nodes.DistributedLoad[m], 11)
        .end();
    if (step > nn) break;
  }
}

void stress_note() {
  OutputUnit& r = rep();
  bool all_elastic = true;
  for (int s = 1; s <= pm.pile.NumSections && s <= kMaxSections; ++s) all_elastic = all_elastic && elastic_section(s);
  r.blank();
  if (all_elastic) {
    r.put("* The above values of total stress are combined axial and bending stresses. ");
  } else {
    r.lines({"* This analysis computed pile response using nonlinear moment-curvature relationships.  ",
             "  Values of total stress due to combined axial and bending stresses are computed only   ",
             "  for elastic sections only and do not equal the actual stresses in concrete and steel. ",
             "  Stresses in concrete and steel may be interpolated from the output for nonlinear ",
             "  bending properties relative to the magnitude of bending moment developed in the pile."});
  }
  r.blank();
}

// Labels behind the summary values: US customary, SI, or the generic labels.
std::string_view unit_text(std::string_view us, std::string_view si, std::string_view generic) {
  return us_units() ? us : (si_units() ? si : generic);
}

void output_summary(int k, const CaseResults& c) {
  OutputUnit& r = rep();
  r.blank();
  r.line().text("Output Summary for Load Case No. ").i0(k).text(":").end();
  r.blank();
  r.line().text("Pile-head deflection             = ").num(c.HeadDeflection, 14).text(unit_text(" inches", " meters", " L")).end();
  r.line().text("Computed slope at pile head      = ").num(c.HeadRotation, 14).text(" radians").end();
  r.line().text("Maximum bending moment           = ").num(c.MaxMoment, 14).text(unit_text(" inch-lbs", " kN-m", " F-L")).end();
  r.line().text("Maximum shear force              = ").num(c.MaxShear, 14).text(unit_text(" lbs", " kN", " F")).end();
  const std::string_view below = unit_text(" feet below pile head", " meters below pile head", " L below pile head");
  r.line().text("Depth of maximum bending moment  = ").num(report_depth(c.MaxMomentDepth), 14).text(below).end();
  r.line().text("Depth of maximum shear force     = ").num(report_depth(c.MaxShearDepth), 14).text(below).end();
  r.line().text("Number of iterations             = ").iv(c.Iterations, 14).end();
  r.line().text("Number of zero deflection points = ").iv(c.ZeroDeflectionPoints, 14).end();
  r.blank();
}

double moment_tolerance() { return si_units() ? 1.1298E-4 : 1.0; }

// A unit label without the blanks that pad it to its field.
std::string_view label_text(const std::string& label) {
  const auto end = label.find_last_not_of(' ');
  return end == std::string::npos ? std::string_view() : std::string_view(label).substr(0, end + 1);
}

void equilibrium_verdict(const CaseResults& c) {
  OutputUnit& r = rep();
  if (c.MomentImbalance <= moment_tolerance()) {
    if (!pm.options.PrintSummaryOnly) {
      r.put("Output Verification: Computed forces and moments are within specified convergence limits.");
      r.blank();
    }
    return;
  }
  r.blank();
  r.put("**** Warning - POSSIBLE SOLUTION ERROR 5501 ****");
  r.blank();
  r.put("The computed forces and moments do not satisfy equilibrium within the convergence limits.");
  r.line()
      .text("Maximum moment imbalance of a pile segment = ")
      .num(c.MomentImbalance, 14)
      .text(" ")
      .text(label_text(pm.labels.Moment))
      .text(" at node ")
      .i0(c.MomentImbalanceNode)
      .end();
  r.line()
      .text("Maximum force imbalance of a pile segment  = ")
      .num(c.ForceImbalance, 14)
      .text(" ")
      .text(label_text(pm.labels.Force))
      .text(" at node ")
      .i0(c.ForceImbalanceNode)
      .end();
  r.blank();
}

void heading(int k) {
  OutputUnit& r = rep();
  r.blank(2);
  r.put(kDashes80);
  r.line().x(17).text("Computed Values of Pile Loading and Deflection").end();
  if (pm.options.UseLRFD) {
    r.line().x(17).text("for Lateral Loading for LRFD Load Case Number ").i0(k).end();
    r.put(kDashes80);
    r.blank();
    const std::string& name = k <= kMaxLRFDCombinations ? pm.lrfd.LRFDCombinationName[k] : std::string();
    r.line().text("Load Case No. ").i0(k).text(":  ").text(std::string_view(name).substr(0, 256)).end();
  } else {
    r.line().x(19).text("for Lateral Loading for Load Case Number ").i0(k).end();
    r.put(kDashes80);
  }
  r.blank();
}

}  // namespace

bool fn_Equilibrium_Verified(int k) {
  if (k < 1 || k > kMaxLoadCases) return false;
  return case_results[k].MomentImbalance <= moment_tolerance();
}

void Record_Load_Case_Results(int k, bool write) {
  if (k < 1 || k > kMaxLoadCases) return;
  const HeadCondition hc = load_case.k == k ? load_case.hc : Load_Case_Head_Condition(k);
  record(k, hc, load_case.k == k ? load_case.iterations : 0);
  if (!write) return;
  const CaseResults& c = case_results[k];
  if (!pm.options.PrintSummaryOnly) {
    heading(k);
    head_conditions_block(hc);
    node_table(hc);
    stress_note();
    equilibrium_verdict(c);
    output_summary(k, c);
  } else if (c.MomentImbalance > moment_tolerance()) {
    equilibrium_verdict(c);
  }
  if (k == 1) Plot_Line_9(pm.loads.NumLoadCases, nodes.NumNodes);
  for (int m = 1; m <= nodes.NumNodes; ++m)
    Plot_Line_10(m, nodes.x[m], nodes.y[m], nodes.M[m], nodes.V[m], nodes.p[m], nodes.EI[m]);
}

void Write_Load_Case_Results(int k) { Record_Load_Case_Results(k, true); }

void Record_Solution_Results(int k, const HeadCondition& hc, int iterations) {
  if (k < 1 || k > kMaxLoadCases) return;
  record(k, hc, iterations);
}

// ---------------------------------------------------------------- summaries

namespace {

void load_type_definitions() {
  OutputUnit& r = rep();
  r.put("Definitions of Pile-head Loading Conditions:");
  r.blank();
  if (us_units())
    r.lines({"Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs",
             "Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians",
             "Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian",
             "Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs",
             "Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians"});
  else
    r.lines({"Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m ",
             "Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians",
             "Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, kN-m/radian",
             "Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m",
             "Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians"});
  r.blank();
}

void summary_headers() {
  OutputUnit& r = rep();
  const bool us = us_units();
  if (pm.options.UseLRFD) {
    r.put("Load  Load      Pile-head     Pile-head         Axial        Pile-head       Moment          Shear        Pile-head  ");
    r.put("Case  Type        Shear         Moment         Loading      Deflection       in Pile        in Pile       Rotation   ");
    r.put("                (factored)    (factored)     (factored)                                                           ");
    r.put(us ? " No.   No.         lbs          in-lbs           lbs          inches          in-lbs          lbs          radians   "
             : " No.   No.    kilonewtons        kN-m             kN           meters          kN-m           kN           radians   ");
    return;
  }
  r.put("               Pile-head      Pile-head");
  r.put("Load  Load    Condition 1    Condition 2        Axial        Pile-head       Moment          Shear        Pile-head  ");
  if (us) {
    r.put("Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       in Pile        in Pile       Rotation   ");
    r.put(" No.   No.    y(inches)     or in-lb/rad.        lbs          inches         in-lbs           lbs          radians   ");
  } else {
    r.put("Case  Type    V(kN) or       kN-m, rad.,       Loading      Deflection       in Pile        in Pile       Rotation   ");
    r.put(" No.   No.    y(meters)      or kN-m/rad.        kN           meters          kN-m            kN           radians   ");
  }
}

void summary_row(int k, const CaseResults& c) {
  static constexpr std::string_view kType[] = {"    1   V =", "    2   V =", "    3   V =", "    4   y =", "    5   y ="};
  static constexpr std::string_view kSecond[] = {"  M =", "  S =", "  R =", "  M =", "  S ="};
  int t = pm.options.UseLRFD ? 1 : c.LoadType;
  if (t < 1 || t > 5) t = 1;
  double v1 = c.Value1, v2 = c.Value2;
  if (pm.options.UseLRFD) v1 = c.HeadShear, v2 = c.HeadMoment;
  rep()
      .line()
      .iv(k, 3)
      .x(1)
      .text(kType[t - 1])
      .num(v1, 11)
      .text(kSecond[t - 1])
      .num(v2, 11)
      .num(c.Axial, 15)
      .num(c.HeadDeflection, 15)
      .num(c.MaxMoment, 15)
      .x(4)
      .num(c.MaxShear, 11)
      .f(15, 8, c.HeadRotation)
      .end();
}

void lrfd_performance_table() {
  OutputUnit& r = rep();
  const bool us = us_units();
  const int ncomb = pm.lrfd.NumLRFDCombinations < kMaxLRFDCombinations ? pm.lrfd.NumLRFDCombinations
                                                                       : kMaxLRFDCombinations;
  const int ns = pm.pile.NumSections < kMaxSections ? pm.pile.NumSections : kMaxSections;
  r.blank();
  r.put(kDashes80);
  r.line().x(19).text("LRFD Performance by Load Case Combination").end();
  r.put(kDashes80);
  r.blank();
  r.put("                               Factored     Maximum     Fact. Mom.    Pass/Fail     Maximum                           ");
  r.put("Load             Resistance     Moment      Moment       Fraction     for LRFD    Shear For.    Pile-Top     Pile-Top ");
  r.put("Case   Section     Factor      Capacity     Developed    Mobilized     Moment      Developed   Deflection    Rotation ");
  r.put(" No.     No.     for Moment   of Section   in Section   in Section   of Section   in Section    Developed    Developed   Name of Load Case Combination");
  r.put(us ? "                                in-lbs       in-lbs                                   lbs        inches       radians "
           : "                                 kN-m         kN-m                                    kN         meters       radians ");
  r.put("----  -------  -----------  -----------  -----------  -----------  -----------  -----------  -----------  -----------  -----------------------------");
  int failed_combinations = 0;
  int crit_j = 0, crit_s = 0;
  double crit = 0.0;
  for (int j = 1; j <= ncomb && j <= kMaxLoadCases; ++j) {
    const CaseResults& c = case_results[j];
    const double phi = pm.lrfd.LRFDResistanceFactorM[j];
    const int jt = fn_Thrust_Index(fn_Table_Thrust(c.Axial));
    bool failed = false;
    for (int s = 1; s <= ns; ++s) {
      const double developed = std::fabs(c.SectionMaxMoment[s]);
      fmt::Line& l = r.line().iv(j, 3).x(1).iv(s, 7).x(3).num(phi, 10).x(6);
      if (elastic_section(s)) {
        l.text(" Infinite ").x(3).num(developed, 10).text("    N/A      ").text("    N/A   ");
      } else {
        const double capacity = jt > 0 ? phi * mct.Mn[s][jt] : 0.0;
        const bool pass = capacity > developed;
        l.num(capacity, 10).x(3).num(developed, 10).f(10, 4, capacity != 0.0 ? developed / capacity : 0.0);
        l.text(pass ? "   Pass      " : " > FAIL <    ");
        if (!pass) {
          failed = true;
          Register_Warning(-400);
        }
        const double margin = capacity != 0.0 ? (capacity - developed) / capacity : 0.0;
        if (crit_j == 0 || margin < crit) crit = margin, crit_j = j, crit_s = s;
      }
      l.num(std::fabs(c.SectionMaxShear[s]), 10)
          .x(3)
          .num(c.HeadDeflection, 10)
          .x(3)
          .num(c.HeadRotation, 10)
          .x(3)
          .text(std::string_view(pm.lrfd.LRFDCombinationName[j]).substr(0, 256))
          .end();
    }
    if (failed) ++failed_combinations;
  }
  r.blank();
  if (failed_combinations == 0)
    r.put("All LRFD load combinations have passed for all pile sections.");
  else
    r.line().i0(failed_combinations).text(" LRFD load combinations have failed.").end();
  if (crit_j > 0) {
    r.blank();
    r.put("The load case and pile section with the greatest level of developed moment capacity is:");
    r.line().text("LRFD Load Case No. ").i0(crit_j).end();
    r.line().text("Pile Section No.   ").i0(crit_s).end();
  }
}

}  // namespace

void Write_Results_Summaries() {
  OutputUnit& r = rep();
  const int count = pm.loads.NumLoadCases < kMaxLoadCases ? pm.loads.NumLoadCases : kMaxLoadCases;
  r.blank(3);
  r.put(kDashes80);
  r.line().x(27).text("Summary of Pile Response(s)").end();
  r.put(kDashes80);
  r.blank();
  const bool labelled = us_units() || si_units();
  if (labelled) {
    if (!pm.options.UseLRFD) load_type_definitions();
    summary_headers();
  }
  r.put("----  ----  --------------  --------------  -------------  -------------  -------------  -------------  -------------");
  for (int k = 1; k <= count; ++k) summary_row(k, case_results[k]);
  for (int k = 1; k <= count; ++k) {
    const CaseResults& c = case_results[k];
    Plot_Line_13(c.HeadShear, c.HeadDeflection, c.MaxMoment, c.MaxShear, c.HeadRotation);
  }
  if (pm.options.UseLRFD) lrfd_performance_table();
}

// ---------------------------------------------------------------- warnings

namespace {

struct WarningText {
  int code;
  std::initializer_list<std::string_view> lines;
};

const WarningText kWarningTexts[] = {
    {302, {"**** Warning ****", "An unreasonable value was input for friction angle has been specified",
           "for the sand criteria (outside the range of 20 to 48 degrees)."}},
    {303, {"**** Warning ****", "An unreasonable value was input for friction angle has been specified",
           "for the API sand criteria (outside the range of 20 to 48 degrees)."}},
    {305, {"***** Warning *****", "Too many values were calculated for moment-curvature.",
           "This usually indicates that the pile is too weak or is under-reinforced, where all reinforcing steel has yielded.",
           "The input data should be examined and the amount of steel reinforcement should be increased if necessary."}},
    {306, {"Warning - Negative values of bending moment were computed in nonlinear EI computations."}},
    {307, {"**** Warning - POSSIBLE INPUT ERROR ****", "Check the input nonlinear bending data."}},
    {308, {"The uniaxial compressive strength of vuggy limestone is outside the range of",
           "1,000 to 2,500 psi (6,895 to 17,237 kPa)."}},
    {309, {"The uniaxial compressive strength of vuggy limestone is less than 1,000 psi."}},
    {310, {"The uniaxial compressive strength of vuggy limestone is greater than 2,000 psi."}},
    {311, {"The uniaxial compressive strength of vuggy limestone is less than 3,447 kPa."}},
    {312, {"The uniaxial compressive strength of vuggy limestone is greater than 6,894 kPa."}},
    {315, {"Computed pile deflection has exceeded the failure deflection for the vuggy", "limestone."}},
    {316, {"The value of k_rm for weak rock is smaller than 0.00005."}},
    {317, {"The value of k_rm for weak rock is greater than 0.0005."}},
    {318, {"The pile deflection is less than 1.0E-14.  Kavro used ",
           "the limiting value of soil modulus when computing the p-y curve for soft clay."}},
    {351, {"**** Warning - Possible Input Data Error ****", "Values entered for effective unit weights of soil were outside",
           "the limits of 0.011574 pci (20 pcf) or 0.0810019 pci (140 pcf)",
           "This data may be erroneous.  Please check your data."}},
    {352, {"**** Warning - Possible Input Data Error ****", "Values entered for effective unit weights of soil were outside",
           "the limits of 3.15 kN/m3 or 22 kN/m3.",
           "The input data for effective unit weight may be erroneous. Please check your data."}},
    {353, {"Values of effective unit weight cannot be checked because ", "general units have been selected."}},
    {354, {"**** Warning - Possible Modelling Error ****",
           "   Warning : The depth of this layer is deeper than the recommended depth limit ",
           "             for using the p-y criteria for liquefied sand.",
           "   Please consult the Kavro Technical Manual for additional background ",
           "   information regarding limitations on the use of the liquefied sand criteria."}},
    {355, {"**** Warning - Possible Design Error ****",
           "The moment capacity was reached at a compressive strain below 0.003."}},
    {356, {"WARNING:  The maximum compression loading specified for the pile buckling ",
           "          analysis exceeds the structural capacity of the pile. The maximum ",
           "          compression loading has been reduced to the axial compression ",
           "          capacity of the pile."}},
    {400, {"**** Warning - Failure for One or More LRFD Load Cases ****"}},
    {3041, {"The undrained shear strength of soft clay is greater than 8.68 psi (1,250 psf)."}},
    {3042, {"The undrained shear strength of soft clay is greater than 59.85 kPa."}},
    {3051, {"The shear strength of stiff clay with free water is less than 3.47 psi (500 psf)."}},
    {3052, {"The shear strength of stiff clay with free water is greater than 55.55 psi (8,000 psf)."}},
    {3053, {"The shear strength of stiff clay with free water is less than 23.94 kPa."}},
    {3054, {"The shear strength of stiff clay with free water is greater than 383.04 kPa."}},
    {3061, {"The shear strength of stiff clay without free water is less than 3.47 psi (500 psf)."}},
    {3062, {"The shear strength of stiff clay without free water is greater than 55.55 psi (8,000 psf)."}},
    {3063, {"The shear strength of stiff clay without free water is less than 23.94 kPa."}},
    {3064, {"The shear strength of stiff clay without free water is greater than 383.04 kPa."}},
    {3261, {"The shear strength of stiff clay without free water using k is less than 3.47 psi (500 psf)."}},
    {3262, {"The shear strength of stiff clay without free water using k is greater than 55.55 psi (8,000 psf)."}},
    {3263, {"The shear strength of stiff clay without free water using k is less than 23.94 kPa."}},
    {3264, {"The shear strength of stiff clay without free water using k is greater than 383.04 kPa."}},
    {3071, {"The compressive strength of weak rock is less than 100 psi."}},
    {3072, {"The compressive strength of weak rock is greater than 1000 psi."}},
    {3073, {"The compressive strength of weak rock is less than 689.5 kPa."}},
    {3074, {"The compressive strength of weak rock is greater than 6895 kPa."}},
    {3091, {"The concrete compressive strength is outside the range of 2,000 to 8,000 psi."}},
    {3092, {"The concrete compressive strength is outside the range of 13,790 to 55,160 kPa."}},
    {3101, {"The modulus of the reinforcing steel is outside the range of 27,500,000 to 30,500,000 psi."}},
    {3102, {"The modulus of the reinforcing steel is outside the range of 189,600,000 to 210,300,000 kPa."}},
    {3111, {"The yield strength of the reinforcing steel is outside the range of 38,000 to 80,000 psi."}},
    {3112, {"The yield strength of the reinforcing steel is outside the range of 262,000 to 551,600 kPa."}},
    {3121, {"The concrete cover is outside the range of 0.8 to 6 inches."}},
    {3122, {"The concrete cover is outside the range of 0.02 to 0.16 meters."}},
};

}  // namespace

void Write_Warning_Summary() {
  OutputUnit& r = rep();
  bool any = false;
  for (int code = 1; code <= kWarningCodes && !any; ++code) any = warning_counter(code) != 0;
  if (!any) {
    r.blank(2);
    r.put("No error or warning messages were generated by this analysis.");
    r.blank();
    return;
  }
  r.blank(2);
  r.put(kDashes80);
  r.line().x(26).text("Summary of Warning Messages").end();
  r.put(kDashes80);
  r.blank();
  for (int code = 1; code <= kWarningCodes; ++code) {
    const int count = warning_counter(code);
    if (count == 0) continue;
    r.line().text("The following warning was reported ").i0(count).text(" times").end();
    r.blank();
    bool known = false;
    for (const WarningText& w : kWarningTexts) {
      if (w.code != code) continue;
      for (std::string_view line : w.lines) r.put(line);
      known = true;
    }
    if (!known) r.line().text("Warning No. ").i0(code).end();
    r.blank();
  }
}

}  // namespace kavro
