#include "section/bar_generator.h"

#include <cmath>
#include <numbers>
#include <string_view>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "report/fortran_format.h"

namespace kavro {
namespace {

constexpr std::string_view kInputProblem = "PROBLEM:  Input error for calculation of rebar positions.";
constexpr std::string_view kCalcProblem = "PROBLEM:  Calculation error for rebar positions.";

// Writes a bar-position error block to the report and sets the fatal-error
// state 200 + number without the error-stop lines.
void bar_position_error(int number, std::string_view problem, std::string_view reason) {
  OutputUnit& rep = report_unit();
  rep.put("**** RUNTIME ERROR NO. " + fmt::I0(number) + " ****");
  rep.blank();
  rep.put(problem);
  rep.put(reason);
  rep.put("SOLUTION: Correct pile geometry data.");
  pm.FatalErrorValue = 200 + number;
}

// Stores bar i when it lies inside the tables.
inline void put_bar(BarCoordinates& x, BarCoordinates& y, int i, double xi, double yi) {
  if (i < 1 || i > kMaxBars) return;
  x[i] = xi;
  y[i] = yi;
}

}  // namespace

bool Generate_Circular_Bar_Positions(double D, double cover, double& db, int nb, int m, BarCoordinates& x,
                                     BarCoordinates& y) {
  if (D < db) {
    bar_position_error(39, kInputProblem, "          Rebar diameter is greater than pile diameter.");
    return false;
  }
  if (D <= 0.0) {
    bar_position_error(40, kInputProblem, "          Pile diameter is less than zero.");
    return false;
  }
  if (cover <= 0.0)
    bar_position_error(41, kInputProblem, "          Clear cover over rebar is less than zero.");
  if (nb < 1 || nb > kMaxBars)
    bar_position_error(42, kInputProblem, "          Number of bar bundles is less than zero or greater than 300.");
  if (m < 1 || m > 3)
    bar_position_error(43, kInputProblem, "          Number of bars per bundle is less than zero or greater than 3.");
  if (std::fabs(db) > 100.0) db = 0.0;

  // Radius of the circle through the bar centres; the two outer bars of a
  // bundle sit one bar diameter apart along it.
  const double R = (D - db) / 2.0 - cover;
  double alpha = 0.0;
  if (R <= 0.0) {
    bar_position_error(44, kCalcProblem,
                       "          Computed diameter of rebar circle is less than or equal to zero.");
  } else {
    alpha = db / R;
  }

  x.fill(0.0);
  y.fill(0.0);
  if (nb >= 1 && m >= 1 && m <= 3) {
    const double delta = 2.0 * std::numbers::pi / nb;
    const int bundles = nb < kMaxBars ? nb : kMaxBars;
    int i = 0;
    for (int k = 0; k < bundles; ++k) {
      const double theta = k * delta;
      if (m == 1) {
        if (nb == 1)
          put_bar(x, y, ++i, 0.0, 0.0);
        else
          put_bar(x, y, ++i, R * std::cos(theta), R * std::sin(theta));
        continue;
      }
      // Two bars side by side on the circle.
      if (nb == 1) {
        put_bar(x, y, ++i, -db / 2.0, 0.0);
        put_bar(x, y, ++i, db / 2.0, 0.0);
      } else {
        put_bar(x, y, ++i, R * std::cos(theta - alpha / 2.0), R * std::sin(theta - alpha / 2.0));
        put_bar(x, y, ++i, R * std::cos(theta + alpha / 2.0), R * std::sin(theta + alpha / 2.0));
      }
      // The third bar of a bundle nests inside the pair, on the bundle's radius.
      if (m == 3) {
        const double r3 = R - 0.8660254037844386 * db;
        put_bar(x, y, ++i, r3 * std::cos(theta), r3 * std::sin(theta));
      }
    }
  }
  return true;
}

bool Generate_Square_Strand_Positions(int arrangement, double B, double cover, double db, int n, BarCoordinates& x,
                                      BarCoordinates& y) {
  if (n < 1) return true;
  // Half-width of the square through the strand centres.
  const double a = (B - db) / 2.0 - cover;
  const int np = (n % 2 == 1) ? n - 1 : n;  // strands on the perimeter
  if (n % 2 == 1) put_bar(x, y, n, 0.0, 0.0);
  if (np == 0) return true;

  const int k = np / 4;
  int h = 0;  // strands on each horizontal face, corners included
  int m = 0;  // strands on each vertical face between the corners
  if (np % 4 == 0) {
    h = k + 1;
    m = k - 1;
  } else if (arrangement == 2) {
    h = k + 1;
    m = k;
  } else {
    h = k + 2;
    m = k - 1;
  }
  if (np == 2) {
    if (arrangement == 2) {
      // The two strands go to the middle of the left and right faces.
      h = 0;
      m = 1;
    } else {
      // Two opposite corners.
      put_bar(x, y, 1, -a, -a);
      put_bar(x, y, 2, a, a);
      return true;
    }
  }

  int i = 0;
  // Bottom face, left to right.
  for (int j = 0; j < h; ++j) put_bar(x, y, ++i, -a + j * 2.0 * a / (h - 1), -a);
  // Right face, upward; an even count starts at mid-height.
  const int w = (m - 1) / 2 + 1;
  for (int j = 1; j <= m; ++j) put_bar(x, y, ++i, a, (j - w) * 2.0 * a / (m + 1));
  // Top and left faces: the bottom and right faces turned by 180 degrees.
  const int half = i;
  for (int j = 1; j <= half; ++j) {
    if (j > kMaxBars || i + 1 > kMaxBars) break;
    const double xj = x[j], yj = y[j];
    put_bar(x, y, ++i, -xj, -yj);
  }
  return true;
}

bool Place_Circular_Rebar(PileSection& s) {
  const int bundles = s.BarsPerBundle != 0 ? s.NumBars / s.BarsPerBundle : 0;
  return Generate_Circular_Bar_Positions(s.SectionDiameter, s.ConcreteCover, s.CageBarDiameter, bundles,
                                         s.BarsPerBundle, s.BarX, s.BarY);
}

bool Place_Strands(PileSection& s) {
  switch (s.StrandArrangement) {
    case 0:
      return Generate_Circular_Bar_Positions(s.SectionDiameter, s.StrandCover, s.StrandDiameter, s.NumStrands, 1,
                                             s.BarX, s.BarY);
    case 1:
    case 2:
      return Generate_Square_Strand_Positions(s.StrandArrangement, s.SectionDiameter, s.StrandCover,
                                              s.StrandDiameter, s.NumStrands, s.BarX, s.BarY);
    default:
      return true;
  }
}

}  // namespace kavro
