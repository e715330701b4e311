// p-y curves of residual and loessial soils characterised by field tests:
// "Piedmont" (Piedmont residual soil, initial modulus from an SPT, CPT,
// dilatometer or pressuremeter value) and "KS Loess" (loess, ultimate
// resistance from the cone tip resistance, reduced with the number of
// cycles of loading). Both curves are symmetric in the deflection.
#pragma once

namespace kavro {

// Piedmont residual soil: linear up to y1 = 0.001 b, logarithmic softening
// up to y2 = 0.0375 b, constant resistance beyond.
struct PiedmontCurve {
  double q = 0;   // initial p-y modulus (force / length^3)
  double b = 0;   // pile width
  double y1 = 0;  // end of the linear branch
  double y2 = 0;  // start of the constant branch

  // Initial modulus from the value of test `type` (1 SPT N60, 2 CPT qc,
  // 3 dilatometer modulus, 4 pressuremeter modulus) in the unit system;
  // zero in generic units and for any other test type.
  static double initial_modulus(int type, double v, int units);
  static PiedmontCurve make(double q, double b);

  double p(double y) const;
  // (p / y) pmult / ymult; q b / ymult near zero deflection.
  double secant(double y, double pmult, double ymult) const;
};

// Loess: hyperbolic curve from the initial modulus Ki = pu / yref toward pu.
struct LoessCurve {
  double pu0 = 0;   // unit ultimate resistance 0.409 qc (stress)
  double pu = 0;    // ultimate resistance per length after the cyclic reduction
  double Ki = 0;    // initial modulus pu / yref
  double yref = 0;  // reference deflection

  // 0.117 in in US customary units, the same in metres otherwise.
  static double reference_deflection(int units);
  // Cone tip resistance reduced near the pile head (s < 2 b).
  static double depth_adjusted(double qc, double s, double b);
  // cycles: the number of cycles used in the reduction 1 + 0.24 ln N.
  static LoessCurve make(double qc_adjusted, double b, double cycles, int units);

  double p(double y) const;
  // (pmult / ymult) (p / y); the initial slope near zero deflection.
  double secant(double y, double pmult, double ymult) const;
};

// Number of cycles the loess curve uses: |N|, and one cycle when |N| < 1
// (static loading leaves N at 0, where the logarithm has no value).
double Loess_Cycles(double N);

}  // namespace kavro
