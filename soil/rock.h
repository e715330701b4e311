// Rock p-y curves: weak rock by Reese's criteria ("WeakRock") and strong
// vuggy limestone ("Vuggy LS"), the curve of one point of each and the
// weak-rock properties at a depth. Massive rock ("MassRock") has no curve:
// a layer of it that holds a node ends the analysis (soil/rock.cpp).
#pragma once

namespace kavro {

// Weak rock: a straight line of slope Kir up to ya, then
// 0.5 pur (y/yrm)^0.25 up to the ultimate resistance pur.
struct WeakRockCurve {
  double pur = 0;  // ultimate resistance
  double Kir = 0;  // initial modulus of the curve
  double yrm = 0;  // krm b
  double ya = 0;   // end of the initial straight line

  // ya where the two branches meet. yrm must be positive.
  static WeakRockCurve make(double pur, double Kir, double yrm);

  // Resistance at relative deflection y (odd in y).
  double p(double y) const;
  // Secant modulus p-multiplier * p(y) / (y-multiplier * y) on the curved
  // branch; Kir on the straight line.
  double secant(double y, double pmult, double ymult) const;
};

// Ultimate resistance and initial modulus of weak rock at depth xr into the
// rock: they grow with depth down to three widths, constant below.
struct WeakRockResistance {
  double pur = 0, Kir = 0;
};
WeakRockResistance Weak_Rock_Resistance(double alpha_r, double qur, double b, double xr, double Eir);

// Strong vuggy limestone: p = k1 y up to y1, then rising with slope 100 su
// to b su at y2; beyond y2 the rock has fractured and only the overburden
// term 0.5 gamma b z remains.
struct VuggyLimestoneCurve {
  double su = 0;        // half the uniaxial compressive strength
  double y1 = 0, p1 = 0, k1 = 0, y2 = 0;
  double residual = 0;  // resistance beyond y2

  static VuggyLimestoneCurve make(double su, double b, double residual);

  double p(double y) const;  // odd in y
  // Secant modulus; k1 / y-multiplier at (nearly) zero deflection.
  double secant(double y, double pmult, double ymult) const;
};

// krm at depth x: linear within a layer, the lower layer's value on an
// interface (the upper layer's at the pile tip), 0.0 outside the data.
double Krm_At_Depth(double x);

// Initial rock modulus Eir of layer L at depth x, linear between the layer's
// top and bottom values. A layer of zero thickness stops the run with
// Runtime Error No. 20 and gives 0.
double Eir_At_Depth(int L, double x);

// Depth of x into the rock of layer L, counting the full thickness of the
// weak-rock and vuggy-limestone layers directly above it.
double Depth_Into_Rock(int L, double x);

}  // namespace kavro
