// Cemented silt ("Cem Silt"): a c-phi soil whose p-y curve combines the
// Reese sand construction (wedge and flow resistance, the A factor, and the
// initial line, power, linear and constant branches between b/60 and 3b/80)
// with a cohesive resistance of the Matlock soft clay form.
#pragma once

namespace kavro {

// The curve of one node or output depth.
struct CementedSiltCurve {
  double kz = 0;   // initial slope k * depth
  double pu = 0;   // ultimate resistance A ps + pc, reached beyond yu
  double p_m = 0;  // resistance at y_m, 1.5 (ps + pc)
  double y_m = 0;  // b/60
  double yu = 0;   // 3b/80
  double m = 0;    // slope of the linear branch between y_m and yu
  double n = 0;    // exponent of the power branch p = C y^(1/n)
  double C = 0;    // factor of the power branch
  double yk = 0;   // deflection where the power branch leaves the initial line

  // y_m and yu of pile width b, then the slopes, exponent and the end of the
  // initial line from pu, p_m and kz, for a curve at depth zc (a negative
  // depth has no power branch).
  void complete(double b, double zc);
  // Resistance at relative deflection y (odd in y); never above the
  // initial line kz |y|.
  double p(double y) const;
  // Secant modulus p-multiplier * p(y) / (y-multiplier * |y|); kz at zero.
  double secant(double y, double pmult, double ymult) const;
};

// Subgrade modulus of a layer given without k: a cohesive part by the
// strength c and the loading type and a frictional part by the friction
// angle (degrees) and the unit weight (above or below the water table).
// No default in generic units (0).
double Cemented_Silt_Default_k(double c, double gamma, double phi_deg, bool cyclic, int units);

}  // namespace kavro
