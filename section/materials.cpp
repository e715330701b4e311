// Material laws of the section analysis.
#include "section/materials.h"

#include <algorithm>
#include <cmath>

#include "model/problem_model.h"

namespace kavro {

namespace {

constexpr double kKsiToKPa = double(6894.757f);
constexpr double kCrushStrain = double(0.0038f);
constexpr double kCrushedStress = double(0.001f);

}  // namespace

void Set_Material_Parameters() {
  WorkingSection& w = ws;
  if (w.ConcreteLaw != kConcreteStandard) {
    w.Ec = 0;
    return;
  }
  const bool us = pm.options.IUNITS == kUnitsUS;
  // The concrete formulas are written for ksi; other units go there and back.
  if (!us) {
    w.fc /= kKsiToKPa;
    w.fy /= kKsiToKPa;
    w.Es /= kKsiToKPa;
  }
  const double root = std::sqrt(1000.0 * w.fc);
  const double kr = w.ReinforcementClass == kClassMildBars ? double(0.0075f) : double(0.004f);
  w.Ec = 57.0 * root;
  w.fr = -kr * root;
  if (w.fc > 0) {
    w.eps0 = double(1.7f) * w.fc / w.Ec;
    // Below about 16 psi (56 psi for bars) the modulus of rupture exceeds
    // f'c; the tension parabola never reaches it and the strain at fracture
    // is that of the parabola's extreme, -eps0, as in the cracking load.
    w.epst = -(1.0 - std::sqrt(std::max(0.0, 1.0 + w.fr / w.fc))) * w.eps0;
  } else {
    w.eps0 = 0;
    w.epst = 0;
  }
  if (!us) {
    w.Ec *= kKsiToKPa;
    w.fr *= kKsiToKPa;
    w.fc *= kKsiToKPa;
    w.fy *= kKsiToKPa;
    w.Es *= kKsiToKPa;
  }
}

double fn_Elastic_Plastic_Stress(double E, double fy, double eps, bool& limited) {
  const double s = E * eps;
  limited = false;
  if (s > fy) {
    limited = true;
    return fy;
  }
  if (s < -fy) {
    limited = true;
    return -fy;
  }
  return s;
}

double fn_Deformed_Bar_Fpy(int size_code) {
  switch (size_code) {
    case 0: return 157.0;
    case 2:
    case 4: return 160.0;
    default: return 150.0;  // codes 1, 3, 5 and any other
  }
}

double fn_Prestressing_Steel_Stress_ksi(int cls, double eps, int size_code) {
  const double a = std::fabs(eps);
  const double sg = eps < 0 ? -1.0 : 1.0;
  double s;
  switch (cls) {
    case kClassPCI250:
      if (a <= double(0.0076f)) return 28500.0 * eps;
      s = 250.0 - double(0.04f) / (a - double(0.0064f));
      return sg * (s < 250.0 ? s : 250.0);
    case kClassPCI270:
      if (a <= double(0.0086f)) return 28500.0 * eps;
      s = 270.0 - double(0.04f) / (a - double(0.007f));
      return sg * (s < 270.0 ? s : 270.0);
    case kClassPCI300:
      if (a <= double(0.0088846f)) return 28500.0 * eps;
      s = 300.0 - double(0.0835f) / (a - double(0.0071f));
      return sg * (s < 300.0 ? s : 300.0);
    case kClassSmooth145:
      if (a <= double(0.005f)) return 29000.0 * eps;
      return sg * 145.0;
    case kClassSmooth160:
      if (a <= 0.005517241379310344) return 29000.0 * eps;
      return sg * 160.0;
    case kClassDeformedBars: {
      const double fpy = fn_Deformed_Bar_Fpy(size_code);
      if (a <= fpy / 29000.0) return 29000.0 * eps;
      return sg * fpy;
    }
    default:
      return 0.0;
  }
}

double fn_Concrete_Compression_Stress(double fc, double eps0, double eps, bool continue_parabola) {
  if (eps > kCrushStrain) return kCrushedStress;
  if (eps0 <= 0) return 0.0;
  const double x = eps / eps0;
  if (continue_parabola || x < 1.0) return fc * (2.0 * x - x * x);
  // Straight line from f'c at eps0 down to 0.85 f'c at the crushing strain.
  return fc - (eps - eps0) / (kCrushStrain - eps0) * double(0.15f) * fc;
}

namespace {

// Concrete law over the slices: the section starts cracked when the extreme
// tension fibre (its slice strain plus the concrete prestrain) has passed
// the fracture strain. The stresses follow the slice strains themselves:
// the equilibrium of a prestressed section finds the precompression. Down
// from the compression
// edge, the first tension slice whose stress falls below the modulus of
// rupture (or any tension slice of a section cracked by axial tension)
// cracks the section, and cracked concrete carries no tension.
void concrete_law(double c, double phi, const SliceArray<double>& eps, SliceArray<double>& sig, bool inside_core) {
  WorkingSection& w = ws;
  const double eb = (c - w.D) * phi + w.eps_pc;
  if (eb < w.epst) w.b_Cracked = true;
  const double fc = w.fc, e0 = w.eps0, fr = w.fr;
  const int N = w.N;
  for (int i = 1; i <= N; ++i) {
    const double e = eps[i];
    double s;
    if (e <= 0) {
      if (w.b_Cracked || e0 <= 0) {
        s = 0;
      } else {
        const double x = e / e0;
        s = -fc * (2.0 * std::fabs(x) - x * x);
        if (s < fr || w.b_TensionCracked) {
          s = 0;
          w.b_Cracked = true;
        }
      }
    } else {
      s = fn_Concrete_Compression_Stress(fc, e0, e, inside_core);
    }
    sig[i] = s;
  }
}

}  // namespace

void Concrete_Stresses(double c, double phi, const SliceArray<double>& eps, SliceArray<double>& sig) {
  if (ws.ConcreteLaw != kConcreteStandard) {
    sig.fill(0);
    return;
  }
  concrete_law(c, phi, eps, sig, false);
}

void Core_Concrete_Stresses(double c, double phi, const SliceArray<double>& eps, SliceArray<double>& sig) {
  if (ws.CoreConcreteLaw != kConcreteStandard || !ws.b_FillCoreWithConcrete) {
    sig.fill(0);
    return;
  }
  concrete_law(c, phi, eps, sig, true);
}

void Bar_Stresses(const SliceArray<double>& eps, SliceArray<double>& sig) {
  WorkingSection& w = ws;
  const int N = w.N;
  const int cls = w.ReinforcementClass;
  if (cls >= kClassPCI250 && cls <= kClassDeformedBars) {
    const double k = pm.options.IUNITS == kUnitsUS ? 1.0 : kKsiToKPa;
    for (int i = 1; i <= N; ++i)
      sig[i] = k * fn_Prestressing_Steel_Stress_ksi(cls, eps[i] + w.eps_ps, w.FirstStrandSizeCode);
    return;
  }
  if (cls >= 3) {  // prestressed class without a steel law
    sig.fill(0);
    return;
  }
  bool any = false;
  for (int i = 1; i <= N; ++i) {
    bool lim;
    sig[i] = fn_Elastic_Plastic_Stress(w.Es, w.fy, eps[i], lim);
    any = any || lim;
  }
  if (any && w.NumBars > 0) w.b_Yielded = true;
}

void Casing_Stresses(const SliceArray<double>& eps, SliceArray<double>& sig) {
  WorkingSection& w = ws;
  bool any = false;
  for (int i = 1; i <= w.N; ++i) {
    bool lim;
    sig[i] = fn_Elastic_Plastic_Stress(w.CasingModulus, w.CasingYield, eps[i], lim);
    any = any || lim;
  }
  if (any) w.b_Yielded = true;
}

void Core_Steel_Stresses(const SliceArray<double>& eps, SliceArray<double>& sig) {
  WorkingSection& w = ws;
  sig.fill(0);
  if (w.Layout != kLayoutCircleCasingCore || w.NumCores < 1 || w.CoreWall[1] <= 0) return;
  bool any = false;
  const int k1 = w.CoreTopSlice < 1 ? 1 : w.CoreTopSlice;
  const int k2 = w.CoreBottomSlice > w.N ? w.N : w.CoreBottomSlice;
  for (int i = k1; i <= k2; ++i) {
    bool lim;
    sig[i] = fn_Elastic_Plastic_Stress(w.CoreModulus, w.CoreYield, eps[i], lim);
    any = any || lim;
  }
  if (any) w.b_Yielded = true;
}

}  // namespace kavro
