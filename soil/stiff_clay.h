// Stiff clay p-y curves of one node: without free water after Welch and
// Reese ("StfClyAW", and "StfClyAK" limited by the initial modulus k z) and
// with free water after Reese, Cox and Koop ("StfClyBW").
#pragma once

namespace kavro {

// Stiff clay without free water: a quarter-power curve reaching pu at
// 16 y50 (static); cyclic loading stretches the deflection axis by
// 1 + 0.6 log10 N.
struct StiffClayCurve {
  double pu = 0;           // ultimate resistance (after the sloping-ground factor and the cap)
  double y50 = 0;          // 2.5 eps50 b
  double b = 0;            // pile width (small-deflection limit 2e-5 b)
  double kz = 0;           // initial modulus k zc ("StfClyAK")
  double cycle_scale = 1;  // 1 + 0.6 log10 N under cyclic loading
  bool cyclic = false;
  bool with_k = false;     // "StfClyAK": the curve is limited by kz y

  // Resistance at relative deflection y >= 0.
  double p(double y) const;
  // Secant modulus p-multiplier * p(y) / (y-multiplier * y), with the
  // model's own rule at very small deflection.
  double secant(double y, double pmult, double ymult) const;
};

// Stiff clay with free water: the static curve rises with the square root of
// y up to As y50 and falls to the residual resistance beyond 18 As y50; the
// cyclic curve peaks at Ac pc and falls beyond 0.6 yp (yp = 4.1 As y50).
// Both are limited by kz y.
struct StiffClayWaterCurve {
  double pc = 0;   // min(pct, pcd)
  double y50 = 0;  // eps50 b
  double As = 0;   // static coefficient at zc / b
  double Ac = 0;   // cyclic coefficient at zc / b
  double kz = 0;   // initial modulus k zc
  bool cyclic = false;

  // Residual resistance factor: pr = R pc.
  double residual_factor() const;
  double pr() const { return residual_factor() * pc; }
  double ya() const { return As * y50; }  // end of the square-root branch (static)
  double yp() const;                      // 4.1 As y50 (cyclic)
  // Resistance at relative deflection y >= 0.
  double p(double y) const;
  // Secant modulus; kz below a deflection of 1e-14.
  double secant(double y, double pmult, double ymult) const;
};

}  // namespace kavro
