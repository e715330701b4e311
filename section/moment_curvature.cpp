// Moment-curvature analysis of sliced pile sections: curvature schedule,
// thrust selection, one curve per thrust, nominal moment capacity, report
// blocks, tables, plot records and curve files.
#include "section/moment_curvature.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "report/plot_records.h"
#include "report/warnings.h"
#include "section/section_driver.h"
#include "section/section_forces.h"
#include "section/working_section.h"

namespace kavro {

MomentCurvatureTables mct;
LRFDThrustList lrfd_thrusts;
CurveResults mc;
int mc_thrust = 0;
int mc_point = 0;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kStrainMn = double(0.003f);
constexpr double kStrainCrush = double(0.0038f);
constexpr double kStrainTension = double(0.005f);
constexpr double kZoneFraction = double(0.1f);

bool us_units() { return pm.options.IUNITS == kUnitsUS; }
bool pipe() { return ws.Layout == kLayoutPipe; }

double pipe_area() {
  const double D = ws.D, t = ws.CasingWall;
  return kPi / 4 * (D * D - (D - 2 * t) * (D - 2 * t));
}

// Axial strain of the pipe under thrust P: P / (A E), 0 without a wall.
double pipe_axial_strain(double P) {
  const double ae = pipe_area() * ws.CasingModulus;
  return ae != 0 ? P / ae : 0.0;
}

// A multiple k of the pipe's yield strain, k·Fy/E in that order.
double pipe_yield_strain(double k) { return ws.CasingModulus != 0 ? k * ws.CasingYield / ws.CasingModulus : 0.0; }

void error_block(int number, const std::string& problem, const char* first, double thrust, const char* second,
                 double capacity) {
  OutputUnit& r = report_unit();
  const SectionUnitLabels& L = section_labels;
  r.blank();
  r.line().text("**** Runtime Error No. ").i0(number).text(" ****").end();
  r.blank();
  r.put(problem);
  r.line().text(first).f(15, 3, thrust).text(L.Force).end();
  r.line().text(second).f(15, 3, capacity).text(L.Force).end();
  r.blank();
  r.put("SOLUTION: Change the properties of the section to increase the axial structural capacity.");
  r.blank();
  stop_runtime_error(number);
}

void write_concrete_block() {
  OutputUnit& r = report_unit();
  const SectionUnitLabels& L = section_labels;
  // Stresses in the input stress unit: psi in US customary runs (the ksi
  // values x1000), the stress label otherwise.
  const double k = us_units() ? 1000.0 : 1.0;
  const std::string& stress = us_units() ? L.InputStress : L.Stress;
  r.blank();
  r.put("Concrete Properties:");
  r.put("--------------------");
  r.blank();
  r.line().text("Compressive Strength of Concrete").at(56, "= ").num(ws.fc * k, 12).text(stress).end();
  r.line().text("Modulus of Elasticity of Concrete").at(56, "= ").num(ws.Ec * k, 12).text(stress).end();
  r.line()
      .text(ws.ReinforcementClass == kClassMildBars ? "Modulus of Rupture of Concrete"
                                                     : "Modulus of Rupture of Prestressed Concrete")
      .at(56, "= ")
      .num(ws.fr * k, 12)
      .text(stress)
      .end();
  r.line().text("Compression Strain at Peak Stress").at(56, "= ").num(ws.eps0, 12).end();
  r.line().text("Tensile Strain at Fracture of Concrete").at(56, "= ").num(ws.epst, 12).end();
  r.line().text("Maximum Coarse Aggregate Size").at(56, "= ").num(ws.AggregateSize, 12).text(L.Length).end();
}

void write_definitions() {
  OutputUnit& r = report_unit();
  r.blank();
  if (pipe()) {
    r.put("Definition of Run Messages:");
    r.blank();
    r.put("   Y = part of pipe section has yielded.");
    return;
  }
  r.lines({"Definitions of Run Messages and Notes:",
           "--------------------------------------",
           "",
           "   C = concrete in section has cracked in tension.",
           "   Y = stress in reinforcing steel has reached yield stress.",
           "   T = ACI 318-08 criteria for tension-controlled section met, tensile strain in ",
           "       reinforcement exceeds 0.005 while simultaneously compressive strain in ",
           "       concrete more than than 0.003. See ACI 318-08, Section 10.3.4.",
           "   Z = depth of tensile zone in concrete section is less than 10 percent of section depth.",
           "",
           "Bending Stiffness (EI) = Computed Bending Moment / Curvature.",
           "Position of neutral axis is measured from edge of compression side of pile.",
           "Compressive stresses and strains are positive in sign.",
           "Tensile stresses and strains are negative in sign."});
}

void write_table_header() {
  const int u = pm.options.IUNITS;
  if (u != kUnitsUS && u != kUnitsSI) return;
  const bool us = u == kUnitsUS;
  OutputUnit& r = report_unit();
  switch (ws.Layout) {
    case kLayoutPipe:
      r.put("    Bending       Bending       Bending       Depth to     Max Total    Run");
      r.put("   Curvature      Moment       Stiffness       N Axis        Stress     Msg");
      r.put(us ? "    rad/in.       in-kip        kip-in2          in           ksi          "
               : "     rad/m         kN-m          kN-m2           m            kPa          ");
      r.put(" ------------- ------------- ------------- ------------- -------------  ---");
      break;
    case kLayoutCircleCasing:
      r.put("    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    Max Concrete   "
            "Max Steel     Max Casing   Run");
      r.put("   Curvature      Moment       Stiffness       N Axis        Strain        Strain        Stress        "
            "Stress        Stress     Msg");
      r.put(us ? "    rad/in.       in-kip        kip-in2          in          in/in         in/in          ksi      "
                 "     ksi           ksi           "
               : "     rad/m         kN-m          kN-m2           m            m/m           m/m           kPa      "
                 "     kPa           kPa          ");
      r.put(" ------------- ------------- ------------- ------------- ------------- ------------- ------------- "
            "------------- -------------  ---");
      break;
    case kLayoutCircleCasingCore:
      r.put("    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    Max Concrete   "
            "Max Steel     Max Casing    Max Core     Run");
      r.put("   Curvature      Moment       Stiffness       N Axis        Strain        Strain        Stress        "
            "Stress        Stress        Stress     Msg");
      r.put(us ? "    rad/in.       in-kip        kip-in2          in          in/in         in/in          ksi      "
                 "     ksi           ksi           ksi           "
               : "     rad/m         kN-m          kN-m2           m            m/m           m/m           kPa      "
                 "     kPa           kPa           kPa          ");
      r.put(" ------------- ------------- ------------- ------------- ------------- ------------- ------------- "
            "------------- ------------- -------------  ---");
      break;
    default:
      r.put("    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    Max Concrete   "
            "Max Steel    Run");
      r.put("   Curvature      Moment       Stiffness       N Axis        Strain        Strain        Stress        "
            "Stress     Msg");
      r.put(us ? "    rad/in.       in-kip        kip-in2          in          in/in         in/in          ksi      "
                 "     ksi           "
               : "     rad/m         kN-m          kN-m2           m            m/m           m/m           kPa      "
                 "     kPa          ");
      r.put(" ------------- ------------- ------------- ------------- ------------- ------------- ------------- "
            "-------------  ---");
      break;
  }
}

void write_rows(int j) {
  fmt::Line& l = report_unit().line();
  for (int k = 1; k <= mc.NumPoints[j]; ++k) {
    l.num(mc.Curvature[j][k], 14).num(mc.M[j][k], 14).num(mc.EI[j][k], 14).num(mc.NeutralAxis[j][k], 14);
    if (pipe()) {
      l.num(mc.MaxCasingStress[j][k], 14);
    } else {
      l.num(mc.MaxCompStrain[j][k], 14)
          .num(mc.MaxTensStrain[j][k], 14)
          .num(mc.MaxConcreteStress[j][k], 14)
          .num(mc.MaxSteelStress[j][k], 14);
      if (ws.Layout == kLayoutCircleCasing || ws.Layout == kLayoutCircleCasingCore)
        l.num(mc.MaxCasingStress[j][k], 14);
      if (ws.Layout == kLayoutCircleCasingCore) l.num(mc.MaxCoreStress[j][k], 14);
    }
    const char msg[3] = {mc.Msg1[j][k], mc.Msg3[j][k], mc.Msg2[j][k]};
    l.x(2).text(std::string_view(msg, 3)).end();
  }
}

// Largest value, or the value of largest magnitude with its sign.
double largest(const SliceArray<double>& a) {
  double v = a[1];
  for (int i = 2; i <= ws.N; ++i)
    if (a[i] > v) v = a[i];
  return v;
}
double largest_magnitude(const SliceArray<double>& a) {
  double v = a[1];
  for (int i = 2; i <= ws.N; ++i)
    if (std::fabs(a[i]) > std::fabs(v)) v = a[i];
  return v;
}

void point_maxima(int j, int k) {
  const int L = ws.Layout;
  mc.MaxConcreteStress[j][k] = L != kLayoutPipe ? largest(sf.sigConcrete) : 0.0;
  mc.MaxSteelStress[j][k] = L != kLayoutPipe ? largest_magnitude(sf.sigBar) : 0.0;
  mc.MaxCasingStress[j][k] =
      (L == kLayoutCircleCasing || L == kLayoutCircleCasingCore || L == kLayoutPipe) ? largest_magnitude(sf.sigCasing)
                                                                                     : 0.0;
  mc.MaxCoreStress[j][k] = L == kLayoutCircleCasingCore ? largest_magnitude(sf.sigCore) : 0.0;
  double t = 0;
  if (L == kLayoutCircle && ws.ReinforcementClass == kClassMildBars) {
    const double phi = mc.Curvature[j][k], c = mc.NeutralAxis[j][k];
    for (int b = 1; b <= ws.NumBars; ++b) {
      const double e = phi * (c - (ws.ymax - ws.BarY[b]));
      if (b == 1 || e < t) t = e;
    }
  }
  mc.BarStrainT[j][k] = t;
}

void clear_thrust(int j) {
  for (int k = 1; k <= kMaxCurvePoints; ++k) {
    mc.M[j][k] = mc.EI[j][k] = mc.NeutralAxis[j][k] = 0;
    mc.MaxCompStrain[j][k] = mc.MaxTensStrain[j][k] = 0;
    mc.MaxConcreteStress[j][k] = mc.MaxSteelStress[j][k] = mc.MaxCasingStress[j][k] = mc.MaxCoreStress[j][k] = 0;
    mc.BarStrainT[j][k] = 0;
    mc.Msg1[j][k] = mc.Msg2[j][k] = mc.Msg3[j][k] = ' ';
  }
  mc.NumPoints[j] = 0;
  mc.Mn[j] = 0;
  mc.StrainAtMn[j] = 0;
}

void write_summary(int n) {
  OutputUnit& r = report_unit();
  const SectionUnitLabels& L = section_labels;
  const std::string dashes(80, '-');
  r.blank(2);
  r.put(dashes);
  r.line().text("   Summary of Results for Nominal (Unfactored) Moment Capacity for Section ").i0(n).end();
  r.put(dashes);
  r.blank();
  if (pipe()) {
    r.put(" Load           Axial Thrust        Nominal Mom. Cap.");
    r.line().text("  No.              ").text(L.Force).text("              ").text(L.Moment).end();
    r.put(" ----         ----------------     ------------------");
    for (int j = 1; j <= mc.NumThrusts; ++j) r.line().i(4, j).f(22, 3, mc.Thrust[j]).f(22, 1, mc.Mn[j]).end();
    r.lines({"Note that the values in the above table are not factored by a strength",
             "reduction factor for LRFD.",
             "",
             "The value of the strength reduction factor depends on the provisions of the ",
             "LRFD code being followed.",
             "",
             "The above values should be multiplied by the appropriate strength reduction ",
             "factor to compute ultimate moment capacity according to the LRFD structural ",
             "design standard being followed.",
             ""});
    return;
  }
  r.put("Moment values interpolated at maximum compressive strain = 0.003");
  r.put("or maximum developed moment if pile fails at smaller strains.");
  r.blank();
  r.put(" Load           Axial Thrust        Nominal Mom. Cap.      Max. Comp.");
  r.line().text("  No.").at(20, L.Force).at(41, L.Moment).at(62, "Strain").end();
  r.put(" ----         ----------------     ------------------     ------------");
  for (int j = 1; j <= mc.NumThrusts; ++j)
    r.line().i(4, j).f(22, 3, mc.Thrust[j]).f(22, 3, mc.Mn[j]).f(21, 8, mc.StrainAtMn[j]).end();
  r.lines({"Note note that the values of moment capacity in the table above are not ",
           "factored by a strength reduction factor (phi-factor).",
           "",
           "In ACI 318-08, the value of the strength reduction factor depends on whether ",
           "the transverse reinforcing steel bars are tied hoops (0.65) or spirals (0.70).",
           "",
           "The above values should be multiplied by the appropriate strength reduction ",
           "factor to compute ultimate moment capacity according to ACI 318-08, Section ",
           "9.3.2.2 or the value required by the design standard being followed.",
           "",
           "The following table presents factored moment capacities and corresponding ",
           "bending stiffnesses computed for common resistance factor values used for ",
           "reinforced concrete sections."});
  r.put(" Axial     Resistance           Nominal           Ultimate (Factored)     Ultimate (Factored)     Bending "
        "Stiffness");
  r.put(" Load        Factor         Moment Capacity          Axial Thrust           Moment Capacity       at Ult. "
        "Mom. Cap.");
  r.line()
      .text("  No.      for Moment")
      .at(32, L.Moment)
      .at(57, L.Force)
      .at(80, L.Moment)
      .at(104, L.BendingStiffness)
      .end();
  r.put(" ----     ----------    ------------------     -------------------     -------------------     "
        "-----------------");
  const double factors[3] = {double(0.65f), double(0.70f), double(0.75f)};
  for (int g = 0; g < 3; ++g) {
    if (g > 0) r.blank();
    const double f = factors[g];
    for (int j = 1; j <= mc.NumThrusts; ++j) {
      const double mu = f * mc.Mn[j];
      r.line()
          .i(4, j)
          .tab(14)
          .f(5, 2, f)
          .f(24, 3, mc.Mn[j])
          .f(24, 3, f * mc.Thrust[j])
          .f(24, 3, mu)
          .f(24, 3, fn_EI_At_Moment(j, mu))
          .end();
    }
  }
}

// Plot records, tables and the curve file of every thrust of section n.
void store_and_write(int n) {
  const bool us = us_units();
  const int NT = mc.NumThrusts;
  mct.NumThrusts = NT;
  for (int j = 1; j <= NT; ++j) {
    const int np = mc.NumPoints[j];
    mct.NumPoints[n][j] = np;
    mct.Mn[n][j] = us ? mc.Mn[j] * 1000.0 : mc.Mn[j];
    mct.Thrust[j] = mc.Thrust[j];
    Plot_Line_4(CurveRecordKind::Nonlinear, np, mc.Thrust[j], mc.Mn[j], n);
    for (int k = 1; k <= np; ++k) {
      mct.M[n][j][k] = mc.M[j][k];
      mct.EI[n][j][k] = mc.EI[j][k];
      mct.Curvature[n][j][k] = mc.Curvature[j][k];
      Plot_Line_5(CurveRecordKind::Nonlinear, mc.M[j][k], mc.EI[j][k], mc.Curvature[j][k], n, j, k);
    }
    // Curve file: written only when the name list supplies a name.
    const int idx = (n - 1) * NT + j;
    if (idx < 1 || idx > pm.run.NumMvsEIReportNames || idx > kMaxMvsEIReportNames) continue;
    std::string name = pm.run.MvsEIReportName[idx];
    while (!name.empty() && (name.back() == ' ' || name.back() == '\r' || name.back() == '\n' ||
                             name.back() == '\t'))
      name.pop_back();
    if (name.empty()) continue;
    std::FILE* f = std::fopen(name.c_str(), "w");
    if (!f) continue;
    for (int k = 1; k <= np; ++k) {
      const std::string line = fmt::E(15, 8, us ? mc.M[j][k] * 1000.0 : mc.M[j][k]) + fmt::E(15, 8, mc.Curvature[j][k]);
      std::fputs(line.c_str(), f);
      std::fputc('\n', f);
    }
    std::fclose(f);
  }
}

}  // namespace

// ---------------------------------------------------------------- schedule

double fn_First_Curvature_Increment(int n) {
  if (n < 1 || n > kMaxSections) return 0;
  const PileSection& s = pm.pile.Section[n];
  const double Dd = s.SectionType == 0 ? 0.0 : s.SectionDiameter;
  double q = us_units() ? Dd / 24.0 : Dd / double(0.0254f) / 24.0;
  if (!(q < 1e9)) q = 1e9;  // also catches a diameter that is not a number
  long r = std::lround(q);
  if (r < 1) r = 1;
  return us_units() ? 1.25e-6 / double(r) : 4.921259901994065e-5 / double(r);
}

double fn_Pipe_Curvature_Increment(double P) {
  if (ws.D <= 0) return 0;
  return (pipe_yield_strain(double(1.7f)) - pipe_axial_strain(P)) / (ws.D / 2) / 80.0;
}

void Set_Curvature_Schedule(int j, double dphi) {
  double inc = dphi;
  mc.Curvature[j][1] = dphi;
  for (int k = 2; k <= kMaxCurvePoints; ++k) {
    if (k == 40) inc *= 2;
    if (k == 80) inc *= 4;
    if (k == 120) inc *= 6;
    mc.Curvature[j][k] = mc.Curvature[j][k - 1] + inc;
  }
}

// ---------------------------------------------------------------- thrusts

void Copy_Thrust_List() {
  int n;
  if (pm.options.UseLRFD) {
    n = lrfd_thrusts.NumThrusts;
    if (n > kMaxCurveThrusts) n = kMaxCurveThrusts;
    for (int i = 1; i <= n; ++i) mc.Thrust[i] = lrfd_thrusts.Thrust[i];
  } else {
    n = pm.loads.NumEIThrusts;
    if (n > kMaxCurveThrusts) n = kMaxCurveThrusts;
    for (int i = 1; i <= n; ++i) mc.Thrust[i] = pm.loads.EIThrustList[i];
  }
  mc.NumThrusts = n < 0 ? 0 : n;
}

void Select_And_Check_Thrusts(int n) {
  OutputUnit& r = report_unit();
  const SectionUnitLabels& L = section_labels;
  const int NT = mc.NumThrusts;
  const double Pn = ws.Pn, Nt = ws.Nt;
  if (pm.options.i_Analysis_Type == kAnalysisEIOnly) {
    int kept = 0;
    for (int i = 1; i <= NT; ++i)
      if (mc.Thrust[i] > Nt && mc.Thrust[i] < Pn) mc.Thrust[++kept] = mc.Thrust[i];
    if (kept != NT) {
      r.blank();
      r.put("The following computations were performed only for the axial thrust values in the valid range.");
    }
    mc.NumThrusts = kept;
    r.blank();
    r.put("Input Axial Thrust Forces:");
    r.put("--------------------------");
    r.blank();
    r.line().text("Number of Axial Thrust Force Values Determined from Input Data = ").i0(kept).end();
    r.blank();
  } else {
    const bool lrfd = pm.options.UseLRFD;
    for (int j = 1; j <= NT; ++j) {
      const double P = mc.Thrust[j];
      if (P > Pn) {
        if (lrfd)
          error_block(26,
                      "PROBLEM:  The axial thrust loading for LRFD load case no. " + std::to_string(j) +
                          " exceeds the nominal axial compression capacity.",
                      "          Factored axial thrust loading      = ", P,
                      "          Nominal axial compression capacity = ", Pn);
        else
          error_block(24,
                      "PROBLEM:  The axial thrust load for load case no. " + std::to_string(j) +
                          " exceeds the axial structural capacity in compression.",
                      "          Axial thrust load                  = ", P,
                      "          Nominal axial compressive capacity = ", Pn);
        return;
      }
      if (P < Nt) {
        if (lrfd)
          error_block(27,
                      "PROBLEM:  The axial thrust load for LRFD load case no. " + std::to_string(j) +
                          " exceeds the nominal axial tension capacity.",
                      "          Factored axial thrust load     = ", P, "          Nominal axial tensile capacity = ",
                      Nt);
        else
          error_block(25,
                      "PROBLEM:  The axial thrust load for load case no. " + std::to_string(j) +
                          " exceeds the axial structural capacity in tension.",
                      "          Axial thrust load              = ", P, "          Nominal axial tensile capacity = ",
                      Nt);
        return;
      }
    }
    r.blank();
    r.line()
        .text(lrfd ? "Number of Axial Thrust Force Values Determined from LRFD Pile-head Loadings = "
                   : "Number of Axial Thrust Force Values Determined from Pile-head Loadings = ")
        .i0(NT)
        .end();
    r.blank();
  }

  if (n == 1) Plot_Line_3(CurveRecordKind::Nonlinear, mc.NumThrusts);

  r.put("   Number     Axial Thrust Force");
  r.line().at(20, L.Force).end();
  r.put("   ------     ------------------");
  for (int j = 1; j <= mc.NumThrusts; ++j) r.line().i(7, j).x(9).f(12, 3, mc.Thrust[j]).end();
}

// ---------------------------------------------------------------- curves

void Compute_Curve(int j) {
  const double P = mc.Thrust[j];
  const double D = ws.D;
  const bool is_pipe = pipe();
  const bool prestressed = ws.ReinforcementClass >= 3;
  const double pipe_limit = is_pipe ? pipe_yield_strain(5.0) - pipe_axial_strain(P) : 0.0;
  mc.NumPoints[j] = 0;
  for (int k = 1; k <= kMaxCurvePoints; ++k) {
    mc_point = k;
    Find_Neutral_Axis(j);
    if (stopped()) return;
    point_maxima(j, k);
    Compute_Moment(j);
    mc.NumPoints[j] = k;

    const double c = mc.NeutralAxis[j][k];
    const double ec = mc.MaxCompStrain[j][k];
    bool stop = false;
    mc.Msg1[j][k] = ws.b_Cracked ? 'C' : ' ';
    if (!is_pipe && prestressed && c < kZoneFraction * D) {
      mc.Msg3[j][k] = 'Z';
      stop = true;
    } else {
      mc.Msg3[j][k] = ws.b_Yielded ? 'Y' : ' ';
    }
    mc.Msg2[j][k] = (!is_pipe && mc.BarStrainT[j][k] < -kStrainTension && ec >= kStrainMn) ? 'T' : ' ';
    if (!is_pipe) {
      if (ec >= kStrainCrush) stop = true;
    } else {
      const double a = std::fabs(ec), b = std::fabs(mc.MaxTensStrain[j][k]);
      if (pipe_limit <= (a > b ? a : b)) stop = true;
    }
    if (mc.M[j][k] <= 0) {
      ws.b_NegativeMoment = true;
      stop = true;
    }
    if (stop) return;
  }
}

void Compute_Nominal_Moment(int j) {
  const int np = mc.NumPoints[j];
  if (np < 1) {
    mc.Mn[j] = 0;
    mc.StrainAtMn[j] = 0;
    return;
  }
  if (pipe()) {
    mc.Mn[j] = mc.M[j][np];
    mc.StrainAtMn[j] = mc.MaxCompStrain[j][np];
    return;
  }
  int k = 1;
  while (k + 1 <= kMaxCurvePoints && mc.MaxCompStrain[j][k + 1] < kStrainMn && k + 1 < np) ++k;
  if (k > kMaxCurvePoints - 1) k = kMaxCurvePoints - 1;
  const double e1 = mc.MaxCompStrain[j][k], e2 = mc.MaxCompStrain[j][k + 1];
  const double m1 = mc.M[j][k], m2 = mc.M[j][k + 1];
  if (e2 > kStrainMn && m2 > 0) {
    mc.Mn[j] = m1 + (m2 - m1) * (kStrainMn - e1) / (e2 - e1);
    mc.StrainAtMn[j] = kStrainMn;
  } else {
    mc.Mn[j] = m1;
    mc.StrainAtMn[j] = e1;
    if (mc.Thrust[j] > 0) Register_Warning(-355);
  }
}

double fn_EI_At_Moment(int j, double m) {
  const int np = mc.NumPoints[j];
  if (np < 1) return 0;
  if (np == 1) return mc.EI[j][1];
  int k2 = 2;
  while (k2 < np && mc.M[j][k2] < m) ++k2;
  const int k1 = k2 - 1;
  const double dm = mc.M[j][k2] - mc.M[j][k1];
  if (dm == 0) return mc.EI[j][k1];
  return mc.EI[j][k1] + (mc.EI[j][k2] - mc.EI[j][k1]) * (m - mc.M[j][k1]) / dm;
}

void Compute_Moment_Curvature(int n) {
  if (n < 1 || n > kMaxSections) return;
  for (int j = 1; j <= kMaxCurveThrusts; ++j) mct.NumPoints[n][j] = 0;
  if (ws.Layout == kLayoutNone) return;
  OutputUnit& r = report_unit();
  const SectionUnitLabels& L = section_labels;
  const bool us = us_units();

  const double dphi = fn_First_Curvature_Increment(n);
  Initialize_EI_Vars();
  if (stopped()) return;
  if (ws.ReinforcementClass >= 3) {
    mct.SectionPn[n] = us ? ws.Pn * 1000.0 : ws.Pn;
    mct.SectionNt[n] = us ? ws.Nt * 1000.0 : ws.Nt;
  }
  if (!pipe() && ws.ConcreteLaw == kConcreteStandard) write_concrete_block();

  Copy_Thrust_List();
  Select_And_Check_Thrusts(n);
  if (stopped()) return;
  write_definitions();

  for (int j = 1; j <= mc.NumThrusts; ++j) {
    mc_thrust = j;
    const double P = mc.Thrust[j];
    if (j > 1 && P != mc.Thrust[j - 1]) {
      Initialize_EI_Vars();
      if (stopped()) return;
    }
    ws.b_Cracked = ws.b_Yielded = ws.b_NegativeMoment = ws.b_TensionCracked = false;
    if (!pipe() && P < 0 && P < ws.Tcr) {
      ws.b_TensionCracked = true;
      ws.b_Cracked = true;
      const double k = ws.TotalBarArea * ws.Es;
      ws.eps_ps = k != 0 ? P / k : 0.0;
    }
    sf.CarriedC = ws.D / 2;

    r.blank(2);
    r.line().text("Axial Thrust Force = ").f(10, 3, P).text(L.Force).end();
    r.blank();
    write_table_header();

    clear_thrust(j);
    Set_Curvature_Schedule(j, pipe() ? fn_Pipe_Curvature_Increment(P) : dphi);
    Compute_Curve(j);
    if (stopped()) return;
    Compute_Nominal_Moment(j);
    write_rows(j);
    if (!pipe() && mc.NumPoints[j] >= kMaxCurvePoints) {
      r.blank();
      r.line().text("Warning: ").i0(kMaxCurvePoints).text(" values were calculated for moment-curvature.").end();
      r.put("This usually indicates that the pile is too weak or is under-reinforced, where all reinforcing steel "
            "has yielded.");
      r.blank();
      r.put("The input data should be examined and the amount of steel reinforcement should be increased if "
            "necessary.");
      r.blank();
      Register_Warning(-305);
    }
  }

  store_and_write(n);
  write_summary(n);
}

}  // namespace kavro
