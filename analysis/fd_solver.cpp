#include "analysis/fd_solver.h"

#include <cmath>

#include "engine/errors.h"
#include "engine/output_unit.h"

namespace kavro {

BeamColumnState fd;

namespace {

// Smallest pivot magnitude accepted by the head-system elimination.
constexpr double kMinPivot = 1.0e-50;

double& A_(BeamColumnState& s, int i, int j) { return s.A[j - 1][i - 1]; }  // A(i, j), 1-based

void clear_system(BeamColumnState& s, int size) {
  for (auto& col : s.A)
    for (double& e : col) e = 0.0;
  for (int i = 0; i < 5; ++i) s.rhs[i] = s.x[i] = 0.0;
  s.SystemSize = size;
}

// Runtime Error 11: the message block to the report and the runtime message
// file, the head system to the report, then the stop.
void small_pivot_error(BeamColumnState& s, int k, double pivot) {
  for (OutputUnit* u : {&report_unit(), &runtime_unit()}) {
    u->blank(2);
    u->put("**** Runtime Error No. 11 ****");
    u->blank(2);
    u->put("Problem:  Solution failed due to small pivot value.");
    u->line().text("          Node number = ").i0(k).end();
    u->line().text("          Pivot value = ").e(12, 5, pivot).end();
    u->blank();
    u->put("Solution: This error usually occurs when a lateral bearing capacity failure occurs.  ");
    u->put("          Reduce the load on the pile and repeat the analysis.");
    u->put("          You may also consider increasing pile diameter or pile length.");
  }
  OutputUnit& rep = report_unit();
  rep.blank(2);
  rep.put("A matrix ");
  for (int i = 1; i <= 5; ++i) {
    fmt::Line& l = rep.line();
    for (int j = 1; j <= 5; ++j) l.e(12, 4, A_(s, i, j));
    l.end();
  }
  rep.put("b vector ");
  for (int i = 0; i < 5; ++i) rep.line().e(12, 4, s.rhs[i]).end();
  rep.put("x vector ");
  for (int i = 0; i < 5; ++i) rep.line().e(12, 4, s.x[i]).end();
  stop_runtime_error(11);
}

// Gaussian elimination without pivoting of the assembled head system of
// size N, then back substitution into s.x. False after Runtime Error 11.
bool solve_head_system(BeamColumnState& s) {
  const int N = s.SystemSize;
  for (int k = 1; k <= N - 1; ++k) {
    const double piv = A_(s, k, k);
    if (std::fabs(piv) < kMinPivot) {
      small_pivot_error(s, k, piv);
      return false;
    }
    for (int i = k + 1; i <= N; ++i) {
      if (A_(s, i, k) == 0.0) continue;
      const double f = A_(s, i, k) / piv;
      for (int j = k; j <= N; ++j) A_(s, i, j) -= f * A_(s, k, j);
      s.rhs[i - 1] -= f * s.rhs[k - 1];
    }
  }
  for (int i = N; i >= 1; --i) {
    double sum = s.rhs[i - 1];
    for (int j = i + 1; j <= N; ++j) sum -= A_(s, i, j) * s.x[j - 1];
    s.x[i - 1] = sum / A_(s, i, i);
  }
  return true;
}

}  // namespace

void Reset_Beam_Column(BeamColumnState& s) {
  s.dYmax = s.DeltadYmax = s.PrevdYmax = 0.0;
  s.dYmaxNode = 0;
  s.Vt = s.VtMagnitude = 0.0;
}

double fn_Tip_Shear(const BeamColumnProblem& p, BeamColumnState& s) {
  const int np = p.NumTipShearPoints;
  if (np <= 0 || p.TipShearDisplacement == nullptr || p.TipShearForce == nullptr) {
    s.VtMagnitude = 0.0;
    return 0.0;
  }
  const double* X = p.TipShearDisplacement - 1;  // X[k], k = 1 .. np
  const double* F = p.TipShearForce - 1;
  const double ytip = p.y != nullptr ? (*p.y)[p.n + 1] : 0.0;
  const double u = std::fabs(ytip);
  auto on_segment = [&](int k) {  // segment (k-1, k)
    const double dx = X[k] - X[k - 1];
    if (dx == 0.0) return F[k];
    return F[k - 1] + (F[k] - F[k - 1]) * (u - X[k - 1]) / dx;
  };
  if (np == 1) {
    if (u > X[1]) s.VtMagnitude = F[1];
  } else if (u <= X[2]) {
    s.VtMagnitude = on_segment(2);
  } else {
    int k = 3;
    while (k <= np && u > X[k]) ++k;
    s.VtMagnitude = k <= np ? on_segment(k) : F[np];
  }
  return ytip < 0.0 ? -s.VtMagnitude : s.VtMagnitude;
}

void Solve_Beam_Column(const BeamColumnProblem& p, int iteration, BeamColumnState& s) {
  const int n = p.n;
  if (n < 4 || n > kMaxIncrements || !p.EI || !p.Es || !p.W || !p.y) return;
  if (iteration == 1) s.PrevdYmax = 0.0;

  const NodeArrayRef<double> R = p.EI;
  const NodeArrayRef<const double> K = p.Es;
  const NodeArrayRef<const double> W = p.W;
  if (p.AdjustHeadEI) R[2] = R[1];

  const double Vt = fn_Tip_Shear(p, s);
  s.Vt = Vt;

  const double h = p.h;
  const double h3 = h * h * h;
  const double h4 = h3 * h;
  const double Qh2 = p.Q * h * h;
  auto& a = s.a;
  auto& b = s.b;
  auto& c = s.c;
  auto& d = s.d;
  DeflectionArray& y = *p.y;
  const int v = n + 1;

  // Tip: zero moment and shear equal to the tip shear, with the stiffness
  // beyond the tip equal to that of the tip node.
  {
    const double D = R[v - 1] + R[v] - 2.0 * Qh2 + K[v] * h4;
    a[v] = 2.0 * (R[v - 1] + R[v] - Qh2) / D;
    b[v] = (R[v - 1] + R[v]) / D;
    c[v] = W[v] * h4 / D;
    d[v] = -2.0 * Vt * h3 / D;
  }
  // The node above the tip (zero moment at the tip: y(v+1) = 2y(v) - y(v-1)).
  {
    const int m = v - 1;
    const double g = 2.0 * R[m] - Qh2;
    const double D = R[m - 1] + 4.0 * R[m] - 2.0 * Qh2 + K[m] * h4 - a[v] * g;
    a[m] = (2.0 * R[m - 1] + 2.0 * R[m] - Qh2 - b[v] * g) / D;
    b[m] = R[m - 1] / D;
    c[m] = (W[m] * h4 + g * c[v]) / D;
    d[m] = g * d[v] / D;
  }
  // Every other node up to the head; above node 1 the stiffness is R(1).
  for (int m = v - 2; m >= 1; --m) {
    const double Rm1 = m > 1 ? R[m - 1] : R[1];
    const double Rm = R[m], Rp = R[m + 1];
    const double alpha = -2.0 * Rm - 2.0 * Rp + Qh2 + Rp * a[m + 2];
    const double D = Rm1 + 4.0 * Rm + Rp - 2.0 * Qh2 + K[m] * h4 - Rp * b[m + 2] + alpha * a[m + 1];
    a[m] = (2.0 * Rm1 + 2.0 * Rm - Qh2 + alpha * b[m + 1]) / D;
    b[m] = Rm1 / D;
    c[m] = (W[m] * h4 - Rp * c[m + 2] - alpha * c[m + 1]) / D;
    d[m] = (-Rp * d[m + 2] - alpha * d[m + 1]) / D;
  }

  const double e1 = c[1] + d[1], e2 = c[2] + d[2], e3 = c[3] + d[3];  // e = c + d
  const double R1 = R[1];
  double y2 = 0, y1 = 0, y0 = 0, ym1 = 0;
  const int type = p.LoadType;
  if (type == 5) {
    const double S = p.LoadValue2;
    y1 = p.LoadValue1 + p.HeadSoilMovement;
    y2 = (a[2] * y1 + b[2] * 2.0 * h * S + e2) / (1.0 + b[2]);
    y0 = y2 - 2.0 * h * S;
    ym1 = (y1 - a[1] * y0 - e1) / (-b[1]);
  } else if (type == 4) {
    // Unknowns y(2), y(1), y(0), y(-1).
    clear_system(s, 4);
    A_(s, 1, 1) = 1.0, A_(s, 1, 2) = -2.0, A_(s, 1, 3) = 1.0;
    s.rhs[0] = p.LoadValue2 * h * h / R1;
    A_(s, 2, 2) = 1.0;
    s.rhs[1] = p.LoadValue1;
    A_(s, 3, 1) = 1.0, A_(s, 3, 2) = -a[2], A_(s, 3, 3) = b[2];
    s.rhs[2] = e2;
    A_(s, 4, 2) = 1.0, A_(s, 4, 3) = -a[1], A_(s, 4, 4) = b[1];
    s.rhs[3] = e1;
    if (!solve_head_system(s)) return;
    y2 = s.x[0], y1 = s.x[1], y0 = s.x[2], ym1 = s.x[3];
  } else {
    // Unknowns y(3), y(2), y(1), y(0), y(-1).
    clear_system(s, 5);
    const double g = 2.0 - Qh2 / R1;
    A_(s, 1, 1) = 1.0, A_(s, 1, 2) = -g, A_(s, 1, 4) = g, A_(s, 1, 5) = -1.0;
    s.rhs[0] = 2.0 * p.LoadValue1 * h3 / R1;
    A_(s, 2, 1) = 1.0, A_(s, 2, 2) = -a[3], A_(s, 2, 3) = b[3];
    s.rhs[1] = e3;
    A_(s, 3, 2) = 1.0, A_(s, 3, 3) = -a[2], A_(s, 3, 4) = b[2];
    s.rhs[2] = e2;
    if (type == 2) {
      A_(s, 4, 2) = 1.0, A_(s, 4, 4) = -1.0;
      s.rhs[3] = 2.0 * h * p.LoadValue2;
    } else if (type == 3) {
      const double r = h * p.LoadValue2 / (2.0 * R1);
      A_(s, 4, 2) = 1.0 - r, A_(s, 4, 3) = -2.0, A_(s, 4, 4) = 1.0 + r;
      s.rhs[3] = 0.0;
    } else {
      A_(s, 4, 2) = 1.0, A_(s, 4, 3) = -2.0, A_(s, 4, 4) = 1.0;
      s.rhs[3] = p.LoadValue2 * h * h / R1;
    }
    A_(s, 5, 3) = 1.0, A_(s, 5, 4) = -a[1], A_(s, 5, 5) = b[1];
    s.rhs[4] = e1;
    if (!solve_head_system(s)) return;
    // x[0] is y(3); the back substitution recomputes it from its relation.
    y2 = s.x[1], y1 = s.x[2], y0 = s.x[3], ym1 = s.x[4];
  }

  // Change measure, formed while the new deflections replace the old ones.
  // A deflection that is not a number makes the measure not a number.
  const double d1 = std::fabs(y1 - y[1]), d2 = std::fabs(y2 - y[2]);
  double dmax = d1 >= d2 ? d1 : d2;
  bool nan = std::isnan(d1) || std::isnan(d2);
  int node = 2;
  y[1] = y1, y[2] = y2, y[0] = y0, y[-1] = ym1;
  for (int m = 3; m <= v; ++m) {
    const double ym = a[m] * y[m - 1] - b[m] * y[m - 2] + c[m] + d[m];
    const double dy = std::fabs(ym - y[m]);
    if (dy > dmax) dmax = dy, node = m;
    nan |= dy != dy;
    y[m] = ym;
  }
  y[v + 1] = 2.0 * y[v] - y[v - 1];
  if (nan) dmax = std::nan("");

  s.dYmax = dmax;
  s.dYmaxNode = node;
  s.DeltadYmax = std::fabs(dmax - s.PrevdYmax);
  s.PrevdYmax = dmax;
}

double fn_Node_Moment(const BeamColumnProblem& p, int m) {
  if (m >= p.n + 1) return 0.0;
  if (p.AdjustHeadEI && m <= 2) p.EI[2] = p.EI[1];
  const DeflectionArray& y = *p.y;
  return p.EI[m] * (y[m - 1] - 2.0 * y[m] + y[m + 1]) / (p.h * p.h);
}

double fn_Node_Slope(const BeamColumnProblem& p, int m) {
  const double h = p.h;
  const DeflectionArray& y = *p.y;
  if (m <= 1) return p.LoadType == 5 ? p.LoadValue2 : (y[2] - y[0]) / (2.0 * h);
  if (m >= p.n + 1) return (y[p.n + 1] - y[p.n]) / h;
  return (y[m + 1] - y[m - 1]) / (2.0 * h);
}

void Recover_Node_Results(const BeamColumnProblem& p, const BeamColumnState& s, NodeArrayRef<double> S,
                          NodeArrayRef<double> M, NodeArrayRef<double> V) {
  const int v = p.n + 1;
  if (p.n < 4 || p.n > kMaxIncrements || !p.y || !p.EI) return;
  const double h = p.h;
  const DeflectionArray& y = *p.y;
  for (int m = 1; m <= v; ++m) {
    S[m] = fn_Node_Slope(p, m);
    M[m] = fn_Node_Moment(p, m);
  }
  if (p.LoadType == 5) {
    const double S1 = (4.0 * y[2] - 3.0 * y[1] - y[3]) / (2.0 * h);
    V[1] = (4.0 * M[2] - 3.0 * M[1] - M[3]) / (2.0 * h) + p.Q * S1;
  } else {
    V[1] = p.Q * S[1] + p.EI[1] * (y[3] - 2.0 * y[2] + 2.0 * y[0] - y[-1]) / (2.0 * h * h * h);
  }
  for (int m = 2; m <= p.n; ++m) V[m] = p.Q * S[m] + (M[m + 1] - M[m - 1]) / (2.0 * h);
  V[v] = s.Vt;
}

}  // namespace kavro
