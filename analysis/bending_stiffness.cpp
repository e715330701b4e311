#include "analysis/bending_stiffness.h"

#include <cmath>

#include "analysis/nodes.h"
#include "model/problem_model.h"
#include "section/elastic_curves.h"
#include "section/moment_curvature.h"

namespace kavro {
namespace {

// Elastic stiffness of every node as built by the node table.
Indexed<double, kNodeArraySize> ElasticEI;

bool us_units() { return pm.options.IUNITS == kUnitsUS; }

// Section of the moment-curvature tables for position x: the first section
// whose bottom lies at or below x (the last one for positions beyond).
int table_section(double x) {
  const int ns = pm.pile.NumSections < kMaxSections ? pm.pile.NumSections : kMaxSections;
  for (int s = 1; s <= ns; ++s)
    if (pm.pile.Section[s].SectionBottomX >= x) return s;
  return ns > 0 ? ns : 1;
}

double node_curvature(const DeflectionArray& y, int m, double h) {
  return std::fabs(y[m - 1] - 2.0 * y[m] + y[m + 1]) / (h * h);
}

}  // namespace

double fn_Table_Thrust(double Q) { return us_units() ? Q / 1000.0 : Q; }

int fn_Thrust_Index(double q) {
  const int NT = mct.NumThrusts < kMaxCurveThrusts ? mct.NumThrusts : kMaxCurveThrusts;
  if (NT <= 0) return 0;
  if (q <= mct.Thrust[1]) return 1;
  if (q >= mct.Thrust[NT]) return NT;
  int j = 1;
  while (j < NT && !(mct.Thrust[j] <= q && q < mct.Thrust[j + 1])) ++j;
  return j;
}

double fn_Table_EI(int s, int j, double M_table, double phi) {
  const int np = mct.NumPoints[s][j] < kMaxCurvePoints ? mct.NumPoints[s][j] : kMaxCurvePoints;
  const auto& M = mct.M[s][j];
  const auto& EI = mct.EI[s][j];
  const auto& C = mct.Curvature[s][j];
  if (std::fabs(M_table) <= M[1] || phi <= C[1]) return EI[1];
  if (phi >= C[np]) return M[np] / phi;
  int k = 1;
  while (k < np - 1 && !(C[k] < phi && phi <= C[k + 1])) ++k;
  const double m = M[k] == M[k + 1] ? M[k] : M[k] + (M[k + 1] - M[k]) * (phi - C[k]) / (C[k + 1] - C[k]);
  return m / phi;
}

void Initialize_Bending_Stiffness(const BeamColumnProblem& p) {
  const int nn = p.n + 1;
  for (int m = 1; m <= nn && m <= kNodeArraySize; ++m) ElasticEI[m] = p.EI[m];
  Update_Bending_Stiffness(p);
}

void Update_Bending_Stiffness(const BeamColumnProblem& p) {
  if (p.n < 4 || p.n > kMaxIncrements || !p.y || !p.EI) return;
  const int nn = p.n + 1;
  const bool us = us_units();
  const double to_table = us ? 1.0 / 1000.0 : 1.0;
  const double from_table = us ? 1000.0 : 1.0;
  const double q = fn_Table_Thrust(p.Q);
  const int j = fn_Thrust_Index(q);
  const int NT = mct.NumThrusts;
  const DeflectionArray& y = *p.y;
  for (int m = 1; m <= nn; ++m) {
    const int s = table_section(nodes.x[m]);
    const int type = pm.pile.Section[s].SectionType;
    if (type == 11) continue;  // elastic: EI of the node table
    if (j == 0 || mct.NumPoints[s][j] <= 0) {
      p.EI[m] = ElasticEI[m];  // no curves (micropile): elastic
      continue;
    }
    const double M = fn_Node_Moment(p, m);  // head adjustment applied at nodes 1, 2
    const double Mt = std::fabs(M) * to_table;
    const double phi = m == nn ? 0.0 : node_curvature(y, m, p.h);
    if (type == 12) {
      // Moment capacity and table moments compared in table units; the
      // plastic stiffness Mp/phi in computation units.
      const double Mp = Mcap[m];
      const double M1 = mct.M[s][j][1];
      if (Mp * to_table > std::fmax(M1, Mt) || phi == 0.0 || m == nn)
        p.EI[m] = ElasticEI[m];
      else
        p.EI[m] = std::fabs(Mp / phi);
      continue;
    }
    double EI = fn_Table_EI(s, j, Mt, phi);
    if (j < NT && q > mct.Thrust[1] && mct.NumPoints[s][j + 1] > 0) {
      const double EI1 = fn_Table_EI(s, j + 1, Mt, phi);
      const double T0 = mct.Thrust[j], T1 = mct.Thrust[j + 1];
      EI = EI1 - (EI1 - EI) * (T1 - q) / (T1 - T0);
    }
    p.EI[m] = EI * from_table;
  }
}

}  // namespace kavro
