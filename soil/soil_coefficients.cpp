#include "soil/soil_coefficients.h"

#include <algorithm>

namespace kavro {
namespace {

// The tables hold single-precision values; they are widened once here.
constexpr int kRows = 10;
constexpr float kRatio[kRows] = {0.0f, 0.5f, 1.0f, 1.5f, 2.0f, 2.5f, 3.0f, 4.0f, 5.0f, 6.0f};
constexpr float kAStatic[kRows] = {2.83f, 2.48f, 2.11f, 1.76f, 1.48f, 1.23f, 1.06f, 0.9f, 0.88f, 0.88f};
constexpr float kBStatic[kRows] = {2.14f, 1.83f, 1.54f, 1.27f, 1.05f, 0.86f, 0.71f, 0.53f, 0.5f, 0.5f};
constexpr float kACyclic[kRows] = {0.75f, 0.93f, 1.07f, 1.11f, 1.03f, 0.98f, 0.94f, 0.9f, 0.88f, 0.88f};
constexpr float kBCyclic[kRows] = {0.53f, 0.72f, 0.83f, 0.86f, 0.82f, 0.77f, 0.7f, 0.55f, 0.55f, 0.55f};

// First tabulated ratio strictly above r decides the segment; below the
// table the first segment extends, above it the last value holds.
double table_value(const float (&v)[kRows], double r) {
  for (int i = 1; i < kRows; ++i) {
    if (r < double(kRatio[i])) {
      const double r0 = kRatio[i - 1], r1 = kRatio[i];
      const double v0 = v[i - 1], v1 = v[i];
      return v0 + (r - r0) * (v1 - v0) / (r1 - r0);
    }
  }
  return v[kRows - 1];
}

}  // namespace

double Sand_A_Static(double r) { return table_value(kAStatic, r); }
double Sand_B_Static(double r) { return table_value(kBStatic, r); }
double Sand_A_Cyclic(double r) { return table_value(kACyclic, r); }
double Sand_B_Cyclic(double r) { return table_value(kBCyclic, r); }

double Stiff_Clay_As(double r) {
  if (r > double(3.3f)) return double(0.6f);
  const double as = double(0.2345f) + double(0.2958796f) * r - double(0.0786111f) * (r * r) +
                    double(0.0068981f) * (r * r * r);
  return std::min(double(0.6f), as);
}

double Stiff_Clay_Ac(double r) {
  if (r > 1.5) return double(0.3f);
  const double ac =
      double(0.2f) + double(0.153333f) * r - double(0.075f) * (r * r) + double(0.011667f) * (r * r * r);
  return std::min(double(0.3f), ac);
}

}  // namespace kavro
