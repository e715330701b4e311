// Sand p-y curves: Reese, Cox and Koop ("Sand    "), the API hyperbolic
// tangent curve ("API Sand") and the Rollins power-law curve for liquefied
// sand ("Liq Sand"), with the default subgrade modulus shared by the first two.
#pragma once

namespace kavro {

// Default subgrade modulus k for friction angle phi (radians) and average
// effective unit weight gamma, in the computation units of `units`. In
// generic units no default exists: writes Runtime Error No. 13, stops the
// run and returns 0.
double fn_Default_k(double phi, double gamma, int units);

// Reese sand curve of one point: wedge/flow resistances turned into the
// parabolic, straight and constant pieces, capped by the initial line kz*y.
struct ReeseSandCurve {
  double kz = 0;            // initial slope k * zc
  double pu = 0, pm = 0;    // resistance at yu and at ym
  double yu = 0, ym = 0;    // 3b/80 and b/60
  double m = 0, n = 0, C = 0;
  double yk = 0, pk = 0;    // where the parabola meets the initial line

  static ReeseSandCurve make(double ps, double A, double B, double b, double kz, double zc);
  // Resistance at deflection y >= 0; `initial` tells whether kz*y governed.
  double p(double y, bool* initial = nullptr) const;
  // Shape class of the printed curve: 1 yk < ym, 2 ym < yk < yu, 3 yk > yu, 0 otherwise.
  int shape() const;
};

// API sand curve: p = pu tanh(kz y / pu).
struct APISandCurve {
  double pu = 0, kz = 0, zc = 0;
  double p(double y) const;
};

// Liquefied sand curve in the computation units (US customary or SI).
struct LiquefiedSandCurve {
  double A = 0, B = 0, C = 0, Pd = 0;
  double p150 = 0;  // resistance at 150 mm, kN/m, before the diameter factor
  double pu = 0;    // upper limit, computation units
  double y15 = 0;   // deflection at the upper limit, computation units
  double to_mm = 0;       // computation length to millimetres
  double to_force = 1.0;  // kN/m to the computation force per length

  // zl: normalised depth in metres; bm: pile width in metres.
  static LiquefiedSandCurve make(double zl, double bm, int units);
  double p(double y) const;
};

}  // namespace kavro
