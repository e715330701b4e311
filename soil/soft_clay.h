// Matlock soft clay p-y curve of one node ("SoftClay" with J = 0.5 and
// "SoftClyJ" with J from the input): the parameters and the curve itself.
#pragma once

namespace kavro {

struct SoftClayCurve {
  double pu = 0;     // static ultimate resistance (after the sloping-ground factor and the cap)
  double y50 = 0;    // deflection at half the ultimate resistance
  double Xr = 0;     // transition depth
  double zc = 0;     // depth used for the curve
  double pcr = 0;    // cyclic resistance beyond 3 y50 at and below Xr
  double pcx = 0;    // cyclic residual resistance above Xr
  double Ekmax = 0;  // limiting modulus at very small deflection
  bool cyclic = false;

  // pcr, pcx and Ekmax from pu, y50, Xr and zc; `si` applies the SI factor to Ekmax.
  static SoftClayCurve make(double pu, double y50, double Xr, double zc, bool cyclic, bool si);

  // Below 1e-5 y50 the curve is the straight line of slope Ekmax.
  bool limiting(double y) const;
  // Resistance at relative deflection y (odd in y).
  double p(double y) const;
  // Secant modulus p-multiplier * p(y) / (y-multiplier * y); Ekmax near zero.
  double secant(double y, double pmult, double ymult) const;
};

}  // namespace kavro
