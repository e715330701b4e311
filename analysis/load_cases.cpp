#include "analysis/load_cases.h"

#include <cmath>

#include "analysis/bending_stiffness.h"
#include "analysis/nodes.h"
#include "engine/errors.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "report/plot_records.h"
#include "report/results_tables.h"
#include "soil/py_curve_set.h"
#include "soil/soil_profile.h"

namespace kavro {

LoadCaseState load_case;

namespace {

bool us_units() { return pm.options.IUNITS == kUnitsUS; }
bool si_units() { return pm.options.IUNITS == kUnitsSI; }
const std::string& length_unit() { return pm.labels.ComputationLength; }

// ---------------------------------------------------------------- messages

// The values of an iteration's progress line, after its "Y(top) =" label.
void progress_values(fmt::Line& line, double y1) {
  line.e(12, 4, y1)
      .text(", dYmax =")
      .e(12, 4, fd.dYmax)
      .text(", Node ")
      .i0(fd.dYmaxNode)
      .text(", Delta dYmax =")
      .e(12, 4, fd.DeltadYmax)
      .end();
}

void progress_lines(int k, int it) {
  const double y1 = nodes.y[1];
  progress_values(runtime_unit().line().text("Analysis Case ").i0(k).text(",").tab(20).text("Iteration ").i0(it)
                      .text(",").tab(36).text("Y(top) ="),
                  y1);
  // The last iterations before the limit are also written to the report.
  if (it > pm.options.MaxIterations - 5)
    progress_values(report_unit().line().text("For Analysis Case ").i0(k).text(", Iteration ").i0(it).text(",")
                        .tab(37).text(" Y(top) ="),
                    y1);
}

void not_a_number_error(int it) {
  OutputUnit& r = report_unit();
  r.put("**** Runtime Error No. 28 ****");
  r.blank();
  if (std::isnan(nodes.y[1]))
    r.line().text("Top deflection is Not-A-Number after iteration ").i0(it).end();
  else
    r.line().text("Maximum change in deflection is Not-A-Number after iteration ").i0(it).end();
  // Set directly: the ending lines of the run report the error number.
  pm.FatalErrorValue = 228;
}

void excess_deflection_error() {
  for (OutputUnit* u : {&report_unit(), &runtime_unit()}) {
    u->blank(2);
    u->put("**** Runtime Error No. 9 ****");
    u->blank();
    u->put("An error in the analysis was detected by the program.  ");
    u->blank();
    u->put("Problem:  The computed deflection is larger than the specified excess deflection limit.");
    u->blank();
    u->line().text("The computed deflection of the pile head is ").e(12, 4, nodes.y[1]).text(" ").text(length_unit()).end();
    u->blank();
    u->line()
        .text("The specified excess deflection limit is    ")
        .e(12, 4, pm.options.MaxDeflection)
        .text(" ")
        .text(length_unit())
        .end();
    u->blank();
    u->put("This error may be due to overloading the pile or bad input data.");
    u->blank();
    u->put("Solution:  Please check input values for pile loading and soil properties for accuracy ");
    u->blank();
    u->put("and/or increase the diameter and/or length of the pile if necessary.");
    u->blank();
  }
  stop_runtime_error(9);
}

void advice_A(double dYmax, bool si, bool nan_branch) {
  OutputUnit& r = report_unit();
  const char* limit = si ? "0.00000254 meters" : "0.0001 inches";
  r.put("The current value for convergence tolerance is less than the recommended upper limit of ");
  r.line().text(limit).text(", so a solution is possible if the convergence tolerance is raised to a value ").end();
  r.line().text("greater than ").e(12, 4, dYmax).text(" ").text(length_unit()).text(".").end();
  if (si && nan_branch)
    r.put("It is recommended that the convergence tolerance not be raised above 2.54E-6 meters.");
  else
    r.line().text("It is recommended that the convergence tolerance not be raised above ").text(limit).text(".").end();
}

void advice_B() {
  report_unit().lines({"The analysis of convergence performance found that it is not likely that a ",
                       "solution can be obtained by changing the solution criteria for this problem. ",
                       "However, the maximum number of iterations is less than 1000, so a solution ",
                       "may be obtained by raising the maximum number of iterations to 1000.", ""});
}

void advice_C() {
  report_unit().lines({"The analysis of convergence performance found that it is not possible to obtain a ",
                       "solution by changing the solution criteria for this problem. This indicates that  ",
                       "the pile is loaded above its structural and/or geotechnical capacity."});
}

}  // namespace

void Write_Convergence_Failure(int Nmax, double dYmax, double delta, double tol) {
  OutputUnit& r = report_unit();
  const std::string& unit = length_unit();
  r.blank(2);
  r.put("------------------------------------");
  r.put("  ****  Runtime Error No. 10  ****  ");
  r.put("------------------------------------");
  r.blank();
  r.line().text("The analysis failed to converge within the limit of ").i0(Nmax).text(" iterations.").end();
  r.blank();
  r.line().text("Maximum change in nodal deflections                      = ").e(12, 4, dYmax).text(" ").text(unit).end();
  r.blank();
  r.line().text("Maximum change in nodal deflections from prior iteration = ").e(12, 4, delta).text(" ").text(unit).end();
  r.blank();
  r.line().text("Specified convergence tolerance on nodal deflections     = ").e(12, 4, tol).text(" ").text(unit).end();
  r.blank();
  r.lines({"-----------------------------------------------------------------------------",
           "         Analysis of Convergence Performance and Recommendations for         ",
           "         Modification of Iterations Limit and Convergence Tolerance          ",
           "-----------------------------------------------------------------------------", "",
           "The following recommendations are made on the basis of an analysis of ",
           "convergence performancefor the last analysis. ", ""});

  const double estimate = std::fabs(Nmax + (dYmax - tol) / delta);
  const bool us = us_units(), si = si_units();
  if (!std::isfinite(estimate)) {
    r.put("The estimated number of iterations needed to obtain a solution cannot be computed.");
    r.put("for the current convergence limit values.");
    r.blank();
    if (us && tol < 0.0001 && Nmax <= 1000 && dYmax < 0.0001) advice_A(dYmax, false, true);
    if (si && tol < 2.54E-6 && dYmax < 2.54E-6) advice_A(dYmax, true, true);
    return;
  }
  // Truncated to an integer; beyond the integer range the estimate only
  // needs to read as "more than 1000".
  const long long N = estimate < 1e15 ? static_cast<long long>(estimate) : 999999999999999LL;
  r.put("The estimated number of iterations needed to obtain a solution for the current convergence ");
  r.line().text("tolerance value is ").i0(N).text(" iterations.").end();
  r.blank();
  if (!us && !si) return;
  const double limit = us ? 0.0001 : 2.54E-6;
  if (tol < limit && (si || Nmax <= 1000)) {
    if (N < 1000) {
      r.put("A solution may be possible by increasing the maximum number of iterations to above this value.");
    } else if (N > 1000) {
      r.put(us ? "The estimated number of iterations required to obtain a solution is greater than 1000, so a "
               : "The estimated number of iterations required to obtain a solution is greater than 1,000, so a ");
      r.put("solution can only be obtained if the convergence tolerance is increased in value.");
      r.blank();
    }
    if (dYmax < limit) advice_A(dYmax, si, false);
  }
  if (dYmax >= limit) {
    if (N < 1000 && Nmax < 1000)
      advice_B();
    else if (Nmax >= 1000 || N > 1000)
      advice_C();
  }
}

double fn_Convergence_Tolerance() {
  const double tol = pm.options.ConvergenceTolerance;
  if (tol > 0.0) return tol;
  return si_units() ? 2.54E-8 : 0.000001;
}

HeadCondition Load_Case_Head_Condition(int k) {
  // An LRFD combination is analysed from the same table: the LRFD analysis
  // enters each combination's factored shear, moment and thrust as a load
  // case of type 1.
  if (k < 1 || k > kMaxLoadCases) return {};
  const Loading& L = pm.loads;
  return {L.LoadType[k], L.LoadValue1[k], L.LoadValue2[k], L.AxialThrust[k]};
}

BeamColumnProblem Node_Table_Problem(const HeadCondition& hc) {
  BeamColumnProblem p;
  p.n = nodes.NumIncrements;
  p.h = nodes.h;
  p.Q = hc.Q;
  p.LoadType = hc.LoadType;
  p.LoadValue1 = hc.Value1;
  p.LoadValue2 = hc.Value2;
  p.HeadSoilMovement = nodes.SoilMovementAtNode[1];
  const int s2 = nodes.NumNodes >= 2 ? nodes.Section[2] : 1;
  const int type2 = s2 >= 1 && s2 <= kMaxSections ? pm.pile.Section[s2].SectionType : 0;
  p.AdjustHeadEI = !(type2 == 11 || type2 == 12);
  p.y = &nodes.y;
  p.EI = node_ref(nodes.EI);
  p.Es = node_ref(nodes.SoilModulusEs);
  p.W = soil_movements_given() ? node_ref(nodes.SoilMovementForce) : node_ref(nodes.DistributedLoad);
  if (pm.options.UseTipShear && pm.data.NumTipShearPoints > 0) {
    p.NumTipShearPoints = pm.data.NumTipShearPoints < kMaxTipShearPoints ? pm.data.NumTipShearPoints
                                                                          : kMaxTipShearPoints;
    p.TipShearDisplacement = &pm.data.TipShearDisplacement[1];
    p.TipShearForce = &pm.data.TipShearForce[1];
  }
  return p;
}

namespace {

void prepare_nodes(double pile_length) {
  Build_Node_Table(pile_length);
  Assign_Nodes_To_Layers(nodes.NumNodes);
}

void prepare_soil() {
  Reset_Beam_Column(fd);
  Set_Starting_Soil_Moduli();
  if (stopped()) return;
  Compute_PY_Curves(true);
}

}  // namespace

void Prepare_Solution(double pile_length) {
  prepare_nodes(pile_length);
  if (stopped()) return;
  prepare_soil();
}

IterationResult Iterate_Solution(const HeadCondition& hc, const IterationReporting& rep) {
  IterationResult r;
  const BeamColumnProblem p = Node_Table_Problem(hc);
  if (p.n < 4 || p.n > kMaxIncrements) return r;
  Initialize_Bending_Stiffness(p);
  const double tol = fn_Convergence_Tolerance();
  const int Nmax = pm.options.MaxIterations;
  const double Ymax = pm.options.MaxDeflection;
  for (int it = 1;; ++it) {
    r.iterations = it;
    Solve_Beam_Column(p, it, fd);
    if (stopped()) return r;
    const double y1 = nodes.y[1];
    const double d = std::fabs(fd.dYmax);
    if (std::isnan(y1) || std::isnan(d)) {
      r.end = IterationEnd::NotANumber;
      if (rep.nan_is_error) not_a_number_error(it);
      return r;
    }
    if (rep.case_number > 0) progress_lines(rep.case_number, it);
    if (d <= tol) {
      if (it > 5) {
        r.end = IterationEnd::Converged;
        return r;
      }
    } else if (it > 10 && std::fabs(y1) >= Ymax) {
      r.end = IterationEnd::ExcessDeflection;
      return r;
    }
    Compute_PY_Curves(false);
    if (stopped()) return r;
    Update_Bending_Stiffness(p);
    if (it + 1 > Nmax) {
      r.end = IterationEnd::IterationLimit;
      return r;
    }
  }
}

void Compute_Node_Results(const HeadCondition& hc) {
  const BeamColumnProblem p = Node_Table_Problem(hc);
  if (p.n < 4 || p.n > kMaxIncrements) return;
  Recover_Node_Results(p, fd, node_ref(nodes.S), node_ref(nodes.M), node_ref(nodes.V));
  // Soil reaction: the spring force on the deflection relative to the soil,
  // which moves by sm when soil movements act. The distributed lateral load
  // acts on the pile, not in the soil, and is not part of the reaction.
  const bool movement = soil_movements_given();
  for (int m = 1; m <= nodes.NumNodes; ++m) {
    const double Es = nodes.SoilModulusEs[m], y = nodes.y[m];
    double reaction = movement ? -Es * (y - nodes.SoilMovementAtNode[m]) : -Es * y;
    if (std::isnan(reaction) && y == 0.0) reaction = 0.0;
    nodes.p[m] = reaction;
  }
}

void Run_Load_Case(int k) {
  load_case = LoadCaseState{};
  load_case.k = k;
  if (k < 1 || k > kMaxLoadCases) return;
  prepare_nodes(pm.pile.PileLength);
  if (stopped()) return;
  runtime_unit().line().text("Computing lateral response of pile for load number ").i0(k).end();
  prepare_soil();
  if (stopped()) return;

  const HeadCondition hc = Load_Case_Head_Condition(k);
  load_case.hc = hc;
  const IterationResult r = Iterate_Solution(hc, {k, true});
  load_case.iterations = r.iterations;
  switch (r.end) {
    case IterationEnd::Stopped:
    case IterationEnd::NotANumber:
      return;
    case IterationEnd::ExcessDeflection:
      excess_deflection_error();
      return;
    case IterationEnd::IterationLimit:
      Write_Convergence_Failure(pm.options.MaxIterations, fd.dYmax, fd.DeltadYmax, fn_Convergence_Tolerance());
      stop_runtime_error(10);
      if (hc.LoadType != 4) return;
      break;
    case IterationEnd::Converged:
      load_case.converged = true;
      break;
  }
  runtime_unit().line().text("The convergence criteria have been met for load case ").i0(k).end();
  Compute_Node_Results(hc);
  if (r.end == IterationEnd::IterationLimit) {
    // A displacement-controlled head still gets its results written before
    // the run ends. The run has stopped already, so nothing that can stop it
    // again (and replace its error) is started: no p-y curves at the output
    // depths (record 6 says none, keeping the plot file in order) and no
    // deflection-versus-length series.
    if (k == 1) Plot_Line_6_None();
    Write_Load_Case_Results(k);
    Plot_Line_11_None(k);
    runtime_unit().line().text("Completed Analysis for Load Case ").i0(k).end();
    runtime_unit().blank();
  }
}

}  // namespace kavro
