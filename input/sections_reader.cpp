// SECTIONS: the pile sections, from the pile head downward. Each section
// gives its type, length and cross-section, then the material blocks its
// type needs (concrete, bars, strands, elastic properties or bending curves).
// SI input in millimetres is converted to metres here; US customary values
// stay as input until the pile-wide conversion after the echo.
#include <algorithm>
#include <climits>
#include <initializer_list>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>
#include <utility>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "input/input_errors.h"
#include "input/readers.h"
#include "input/section_strand_catalogue.h"
#include "model/problem_model.h"
#include "report/fortran_format.h"
#include "section/bar_generator.h"

namespace kavro::input {
namespace {

constexpr double kMM = 1000.0;     // mm per m
constexpr double kMM2 = 1.0e6;     // mm2 per m2
constexpr double kMM4 = 1.0e12;    // mm4 per m4

bool si() { return pm.options.IUNITS == kUnitsSI; }

// One free-format read of a single value.
bool get(LineSource& src, double& v, std::string_view what) { return read_ok(ListRead(src).real(v).run(), what); }
bool get(LineSource& src, int& v, std::string_view what) { return read_ok(ListRead(src).integer(v).run(), what); }

// Several single-value lines in a row.
bool get_all(LineSource& src, std::initializer_list<std::pair<double*, std::string_view>> items) {
  for (const auto& [v, what] : items)
    if (!get(src, *v, what)) return false;
  return true;
}

void progress(std::string_view text, int s) { runtime_unit().line().text(text).i0(s).end(); }

void stop_95() { Error_Stop("INP00095", 195); }

// The value as the report's adaptive field prints it, without its leading blanks.
std::string value_text(double v) {
  const std::string t = fmt::adaptive(v, 14);
  return t.substr(std::min(t.find_first_not_of(' '), t.size()));
}

// ---- Concrete ----------------------------------------------------------

void Read_Concrete(LineSource& src, PileSection& sec, int s) {
  progress("Reading concrete property data for Section ", s);
  if (!get(src, sec.ConcreteStrength, "concrete compressive strength")) return;
  // The concrete law takes square roots of f'c: a negative strength has no
  // concrete modulus (zero is a section without concrete strength).
  if (sec.ConcreteStrength < 0.0) {
    const std::string a = "The compressive strength of concrete of section " + fmt::I0(s) + " is " +
                          value_text(sec.ConcreteStrength) + ". It cannot be negative.";
    input_error_block(kErrNegativeSectionValue, {a, "Correct the compressive strength of concrete in the input."});
    return;
  }
  if (!get(src, sec.MaxAggregateSize, "maximum aggregate size")) return;
  if (si()) sec.MaxAggregateSize /= kMM;

  std::string line;
  if (!text_line_ok(src, line, "concrete tensile strength option")) return;
  const std::string tensile = trim_right(line);
  if (tensile == "Use default concrete tensile strength") {
    sec.b_DefaultTensileStrength = true;
  } else if (tensile == "Override concrete tensile strength") {
    sec.b_DefaultTensileStrength = false;
    if (!get(src, sec.ConcreteTensileStrength, "concrete tensile strength")) return;
  } else {
    report_unit().blank();
    report_unit().put("INPUT ERROR - Unrecognized command for concrete tensile strength option");
    stop_95();
    return;
  }

  if (!text_line_ok(src, line, "concrete stress-strain curve option")) return;
  const std::string curve = trim_right(line);
  if (curve == "Input stress-strain curve for concrete") {
    sec.b_InputConcreteCurve = true;
    if (!get(src, sec.NumConcreteCurvePoints, "number of points of the concrete stress-strain curve")) return;
    if (!count_ok(sec.NumConcreteCurvePoints, kMaxConcreteCurvePoints,
                  "number of points of the concrete stress-strain curve"))
      return;
    for (int i = 1; i <= sec.NumConcreteCurvePoints; ++i) {
      int m = 0;
      if (!read_ok(ListRead(src).integer(m).real(sec.ConcreteCurveStrain[i]).real(sec.ConcreteCurveStress[i]).run(),
                   "concrete stress-strain curve point"))
        return;
      if (m != i) {
        OutputUnit& rep = report_unit();
        rep.blank();
        rep.put("INPUT ERROR - Sequence error encountered when reading concrete stress-strain curve");
        rep.blank();
        rep.line().text("Expecting line no. ").i0(i).text(" but line no. ").i0(m).text(" was read").end();
        rep.blank(2);
        stop_95();
        return;
      }
    }
  } else if (curve == "Use internal stress-strain curve for concrete") {
    sec.b_InputConcreteCurve = false;
  } else {
    report_unit().blank();
    report_unit().put("INPUT ERROR - Unrecognized input for concrete stress-strain option");
    stop_95();
  }
}

// ---- Reinforcing bars ----------------------------------------------------

void Read_Rebar(LineSource& src, PileSection& sec, int s) {
  progress("Reading rebar property data for Section ", s);
  std::string line;
  if (!text_line_ok(src, line, "rebar continuation option")) return;
  const std::string cont = trim_right(line);
  if (cont == "No rebar") {
    sec.NumBars = 0;
    return;
  }
  if (cont == "Rebar Arrangement Same As Section Above") {
    sec.b_RebarSameAsAbove = true;
  } else if (cont == "Rebar Arrangement Not Same As Section Above") {
    sec.b_RebarSameAsAbove = false;
  } else {
    report_unit().blank();
    report_unit().put("INPUT ERROR - Unrecognized command for rebar continuation from section above option");
    stop_95();
    return;
  }

  if (!text_line_ok(src, line, "rebar arrangement")) return;
  const std::string kind = trim_right(line);
  if (kind == "Rebar in circle") {
    sec.b_CircularRebar = true;
    if (!get(src, sec.RebarYieldStress, "rebar yield stress")) return;
    if (!get(src, sec.RebarModulus, "rebar modulus of elasticity")) return;
    if (!get(src, sec.NumBundles, "number of bar bundles")) return;
    if (!get(src, sec.BarsPerBundle, "number of bars per bundle")) return;
    if (!get_all(src, {{&sec.CageBarDiameter, "bar diameter"},
                       {&sec.CageBarArea, "bar area"},
                       {&sec.ConcreteCover, "concrete cover over the bars"},
                       {&sec.CageOffset, "offset of the rebar cage"}}))
      return;
    if (sec.BarsPerBundle == 0) {
      const std::string a = "Section " + fmt::I0(s) + " has bars in a circle with 0 bars per bundle.";
      input_error_block(kErrBarsPerBundle, {a, "The number of bars per bundle must be 1, 2 or 3."});
      return;
    }
    // Bundle counts outside 1..300 and bundle sizes outside 1..3 are left
    // to the bar generator's own errors; only a bar count beyond the table
    // is stopped here.
    const long long bars = static_cast<long long>(sec.NumBundles) * sec.BarsPerBundle;
    if (bars > kMaxBars) {
      count_ok(bars > INT_MAX ? INT_MAX : static_cast<int>(bars), kMaxBars, "number of reinforcing bars");
      return;
    }
    sec.NumBars = static_cast<int>(bars);
    if (si()) {
      sec.CageBarDiameter /= kMM;
      sec.ConcreteCover /= kMM;
      sec.CageOffset /= kMM;
      sec.CageBarArea /= kMM2;
    }
    for (int i = 1; i <= sec.NumBars; ++i) {
      sec.BarDiameter[i] = sec.CageBarDiameter;
      sec.BarArea[i] = sec.CageBarArea;
    }
    Place_Circular_Rebar(sec);
  } else if (kind == "Rebar in noncircular pattern") {
    sec.b_CircularRebar = false;
    if (!get(src, sec.RebarYieldStress, "rebar yield stress")) return;
    if (!get(src, sec.RebarModulus, "rebar modulus of elasticity")) return;
    if (!get(src, sec.NumBars, "number of reinforcing bars")) return;
    if (!count_ok(sec.NumBars, kMaxBars, "number of reinforcing bars")) return;
    for (int i = 1; i <= sec.NumBars; ++i) {
      int number = 0;
      if (!read_ok(ListRead(src)
                       .integer(number)
                       .integer(sec.BarSizeIndex[i])
                       .real(sec.BarDiameter[i])
                       .real(sec.BarArea[i])
                       .real(sec.BarX[i])
                       .real(sec.BarY[i])
                       .run(),
                   "reinforcing bar line"))
        return;
      if (si()) {
        sec.BarDiameter[i] /= kMM;
        sec.BarArea[i] /= kMM2;
        sec.BarX[i] /= kMM;
        sec.BarY[i] /= kMM;
      }
    }
  } else {
    // Another wording would leave the section with the bars of an earlier
    // input and take the bar lines as the next section's lines.
    report_unit().blank();
    report_unit().put("INPUT ERROR - Unrecognized command for rebar arrangement option");
    stop_95();
  }
}

// ---- Prestressing strands -------------------------------------------------

void Read_Strands(LineSource& src, PileSection& sec, int s) {
  progress("Reading prestressing strand data for Section ", s);
  std::string line;
  if (!text_line_ok(src, line, "strand positioning option")) return;
  const std::string kind = trim_right(line);
  if (kind == "Autoposition strands") {
    if (!get(src, sec.StrandType, "strand type")) return;
    if (!get(src, sec.StrandSizeCode, "strand size code")) return;
    if (!get(src, sec.NumStrands, "number of prestressing strands")) return;
    if (!count_ok(sec.NumStrands, kMaxBars, "number of prestressing strands")) return;
    if (!get_all(src, {{&sec.InitialPrestressForce, "initial prestressing force"},
                       {&sec.PrestressLossFraction, "fraction of prestress loss"},
                       {&sec.StrandCover, "concrete cover over the strands"}}))
      return;
    if (!get(src, sec.StrandArrangement, "strand arrangement code")) return;
    if (si()) sec.StrandCover /= kMM;
    for (int i = 1; i <= sec.NumStrands; ++i) {
      sec.StrandSizeCodes[i] = sec.StrandSizeCode;
      Fill_Strand_From_Catalogue(sec, i);
    }
    sec.StrandDiameter = sec.BarDiameter[1];
    sec.StrandArea = sec.BarArea[1];
    Place_Strands(sec);
  } else if (kind == "Manually-positioned strands") {
    if (!get(src, sec.StrandType, "strand type")) return;
    if (!get(src, sec.NumStrands, "number of prestressing strands")) return;
    if (!count_ok(sec.NumStrands, kMaxBars, "number of prestressing strands")) return;
    if (!get_all(src, {{&sec.InitialPrestressForce, "initial prestressing force"},
                       {&sec.PrestressLossFraction, "fraction of prestress loss"}}))
      return;
    for (int i = 1; i <= sec.NumStrands; ++i) {
      int m = 0;
      if (!read_ok(ListRead(src).integer(m).integer(sec.StrandSizeCodes[i]).real(sec.BarX[i]).real(sec.BarY[i]).run(),
                   "prestressing strand line"))
        return;
      if (si()) {
        sec.BarX[i] /= kMM;
        sec.BarY[i] /= kMM;
      }
      Fill_Strand_From_Catalogue(sec, i);
      if (m != i) {
        // The strand number expected on this line.
        report_unit().line().text("INPUT ERROR - Input lines out-of-order for strand no. ").i0(i).end();
        stop_95();
        return;
      }
    }
  } else {
    // No strand line has been read yet; the number is that of the first
    // strand the block would describe.
    report_unit().line().text("INPUT ERROR - Unrecognized input for strand no. ").i0(1).end();
    report_unit().blank();
    stop_95();
  }
}

// ---- Elastic and elastic-plastic sections --------------------------------

void Read_Elastic(LineSource& src, PileSection& sec, int s, bool plastic) {
  progress(plastic ? "Reading elastic-plastic section properties for Section "
                   : "Reading elastic section properties for Section ",
           s);
  if (!get(src, sec.SectionShape, "elastic section shape code")) return;
  const int shape = sec.SectionShape;
  if (shape >= 1 && shape <= 6) {
    if (!get(src, sec.ElasticModulus, "modulus of elasticity")) return;
    if (plastic) {
      if (!get(src, sec.TopMomentCapacity, "moment capacity at the top")) return;
      if (shape == 4 || shape == 5)
        sec.BottomMomentCapacity = sec.TopMomentCapacity;
      else if (!get(src, sec.BottomMomentCapacity, "moment capacity at the bottom"))
        return;
    }
    bool ok = true;
    switch (shape) {
      case 1:
      case 3:
        ok = get_all(src, {{&sec.TopWidth, shape == 1 ? "width at the top" : "diameter at the top"},
                           {&sec.BottomWidth, shape == 1 ? "width at the bottom" : "diameter at the bottom"},
                           {&sec.TopDepth, shape == 1 ? "depth at the top" : "wall thickness at the top"},
                           {&sec.BottomDepth, shape == 1 ? "depth at the bottom" : "wall thickness at the bottom"},
                           {&sec.TopArea, "area at the top"},
                           {&sec.BottomArea, "area at the bottom"},
                           {&sec.TopInertia, "moment of inertia at the top"},
                           {&sec.BottomInertia, "moment of inertia at the bottom"}});
        break;
      case 2:
      case 6:
        ok = get_all(src, {{&sec.TopWidth, "diameter at the top"},
                           {&sec.BottomWidth, "diameter at the bottom"},
                           {&sec.TopArea, "area at the top"},
                           {&sec.BottomArea, "area at the bottom"},
                           {&sec.TopInertia, "moment of inertia at the top"},
                           {&sec.BottomInertia, "moment of inertia at the bottom"}});
        if (ok && shape == 6) ok = get(src, sec.DrilledHoleDiameter, "drilled hole diameter");
        break;
      case 4:
      case 5:
        ok = get_all(src, {{&sec.TopWidth, "flange width"},
                           {&sec.TopDepth, "section depth"},
                           {&sec.FlangeThickness, "flange thickness"},
                           {&sec.WebThickness, "web thickness"},
                           {&sec.TopArea, "section area"},
                           {&sec.TopInertia, "moment of inertia"}});
        sec.BottomDepth = sec.TopDepth;
        sec.BottomArea = sec.TopArea;
        sec.BottomInertia = sec.TopInertia;
        break;
    }
    if (!ok) return;
  }
  if (si()) {
    sec.DrilledHoleDiameter /= kMM;
    sec.TopDepth /= kMM;
    sec.BottomDepth /= kMM;
    sec.TopWidth /= kMM;
    sec.BottomWidth /= kMM;
    sec.TopArea /= kMM2;
    sec.BottomArea /= kMM2;
    sec.TopInertia /= kMM4;
    sec.BottomInertia /= kMM4;
  }
  if (shape == 6) sec.SectionDiameter = sec.DrilledHoleDiameter;
}

// ---- User-defined bending curves ------------------------------------------

void Read_User_Curves(LineSource& src, PileSection& sec, int s) {
  if (!get(src, sec.NumUserEIThrusts, "number of user-defined bending curves")) return;
  if (!count_ok(sec.NumUserEIThrusts, kMaxUserEICurves, "number of user-defined bending curves")) return;
  for (int j = 1; j <= sec.NumUserEIThrusts; ++j) {
    if (!get(src, sec.UserEIThrust[j], "axial thrust of a user-defined bending curve")) return;
    if (!get(src, sec.NumUserEIPoints[j], "number of points of a user-defined bending curve")) return;
    if (!count_ok(sec.NumUserEIPoints[j], kMaxUserEIPoints, "number of points of a user-defined bending curve"))
      return;
    for (int k = 1; k <= sec.NumUserEIPoints[j]; ++k) {
      double& M = sec.UserEI_M[j][k];
      double& EI = sec.UserEI_EI[j][k];
      double& phi = sec.UserEI_Curvature[j][k];
      if (!get(src, M, "moment of a user-defined bending curve")) return;
      const std::string where = "Point " + fmt::I0(k) + " of user-defined bending curve " + fmt::I0(j) +
                                " of section " + fmt::I0(s);
      if (sec.b_UserMEI) {
        if (!get(src, EI, "bending stiffness of a user-defined bending curve")) return;
        if (EI == 0.0) {
          input_error_block(kErrUserBendingCurve,
                            {where + " has a bending stiffness of zero, so its curvature is undefined.",
                             "Every point of a bending curve needs a nonzero bending stiffness."});
          return;
        }
        phi = M / EI;
      } else {
        if (!get(src, phi, "curvature of a user-defined bending curve")) return;
        if (phi == 0.0) {
          input_error_block(kErrUserBendingCurve,
                            {where + " has a curvature of zero, so its bending stiffness is undefined.",
                             "Give points with nonzero curvature; the curve starts from zero moment by itself."});
          return;
        }
        EI = M / phi;
        if (EI == 0.0) {
          input_error_block(kErrUserBendingCurve,
                            {where + " has a moment of zero at a nonzero curvature, so its bending stiffness is zero.",
                             "Give points with nonzero moment; the curve starts from zero moment by itself."});
          return;
        }
      }
    }
  }
}

// ---- Geometry by type -----------------------------------------------------

bool Read_Geometry(LineSource& src, PileSection& sec, int s) {
  const bool mm = si();
  switch (sec.SectionType) {
    case 0:
      if (!get_all(src, {{&sec.SectionDepth, "section depth"}, {&sec.SectionWidth, "section width"}})) return false;
      if (mm) {
        sec.SectionDepth /= kMM;
        sec.SectionWidth /= kMM;
      }
      sec.SectionDiameter = sec.SectionDepth;
      return true;
    case 1:
    case 5:
    case 9:
      if (!get(src, sec.SectionDiameter, "section diameter")) return false;
      if (mm) sec.SectionDiameter /= kMM;
      return true;
    case 2:
    case 4:
      if (!get_all(src, {{&sec.SectionDiameter, "section diameter"},
                         {&sec.CasingWallThickness, "wall thickness"},
                         {&sec.CasingYieldStress, "steel yield stress"},
                         {&sec.CasingModulus, "steel modulus of elasticity"}}))
        return false;
      if (mm) {
        sec.SectionDiameter /= kMM;
        sec.CasingWallThickness /= kMM;
      }
      return true;
    case 3:
      if (!get_all(src, {{&sec.SectionDiameter, "section diameter"},
                         {&sec.CasingWallThickness, "casing wall thickness"},
                         {&sec.CasingYieldStress, "casing yield stress"},
                         {&sec.CasingModulus, "casing modulus of elasticity"},
                         {&sec.CoreOuterDiameter, "core outside diameter"},
                         {&sec.CoreWallThickness, "core wall thickness"},
                         {&sec.CoreYieldStress, "core yield stress"},
                         {&sec.CoreModulus, "core modulus of elasticity"}}))
        return false;
      if (mm) {
        sec.SectionDiameter /= kMM;
        sec.CasingWallThickness /= kMM;
        sec.CoreOuterDiameter /= kMM;
        sec.CoreWallThickness /= kMM;
      }
      return true;
    case 6:
    case 10:
      if (!get_all(src, {{&sec.SectionDiameter, "section diameter"}, {&sec.VoidDiameter, "void diameter"}}))
        return false;
      if (mm) {
        sec.SectionDiameter /= kMM;
        sec.VoidDiameter /= kMM;
      }
      return true;
    case 7:
      if (!get_all(src, {{&sec.SectionDiameter, "section width"}, {&sec.ChamferSize, "corner chamfer"}}))
        return false;
      if (mm) {
        sec.SectionDiameter /= kMM;
        sec.ChamferSize /= kMM;
      }
      return true;
    case 8:
      if (!get_all(src, {{&sec.SectionDiameter, "section width"},
                         {&sec.VoidDiameter, "void diameter"},
                         {&sec.ChamferSize, "corner chamfer"}}))
        return false;
      if (mm) {
        sec.SectionDiameter /= kMM;
        sec.VoidDiameter /= kMM;
        sec.ChamferSize /= kMM;
      }
      return true;
    case 11:
    case 12:
      Read_Elastic(src, sec, s, sec.SectionType == 12);
      return !stopped();
    case 13:
      if (!get(src, sec.SectionDiameter, "section diameter")) return false;
      if (mm) sec.SectionDiameter /= kMM;
      Read_User_Curves(src, sec, s);
      return !stopped();
    default:
      return true;
  }
}

// Position along the pile, boundary entries and pile property points of
// section s (types 0 to 13).
void Add_Section_To_Pile(PileSections& pile, int s) {
  PileSection& sec = pile.Section[s];
  sec.SectionTopX = pile.PileLength;
  pile.PileLength += sec.SectionLength;
  sec.SectionBottomX = pile.PileLength;
  pile.SectionBoundaryX[2 * s - 1] = sec.SectionTopX;
  pile.SectionBoundaryX[2 * s] = sec.SectionBottomX;

  PilePropertyPoint& top = pile.PropertyPoint[2 * s - 1];
  PilePropertyPoint& bottom = pile.PropertyPoint[2 * s];
  switch (sec.SectionType) {
    case 0:
      top.Width = bottom.Width = sec.SectionWidth;
      break;
    case 4: {
      const double D = sec.SectionDiameter;
      const double d = D - 2.0 * sec.CasingWallThickness;
      const double I = std::numbers::pi / 64.0 * (D * D * D * D - d * d * d * d);
      const double A = std::numbers::pi / 4.0 * (D * D - d * d);
      for (PilePropertyPoint* p : {&top, &bottom}) {
        p->Width = D;
        p->MomentOfInertia = I;
        p->Area = A;
        p->Modulus = sec.CasingModulus;
      }
      break;
    }
    case 11:
    case 12:
      switch (sec.SectionShape) {
        case 1:
        case 2:
        case 3:
          top.Width = sec.TopWidth;
          bottom.Width = sec.BottomWidth;
          break;
        case 4:
          top.Width = bottom.Width = sec.TopWidth;
          break;
        case 5:
          top.Width = bottom.Width = sec.TopDepth;
          break;
        case 6:
          top.Width = bottom.Width = sec.DrilledHoleDiameter;
          top.SecondWidth = sec.TopWidth;
          bottom.SecondWidth = sec.BottomWidth;
          break;
      }
      top.MomentOfInertia = sec.TopInertia;
      bottom.MomentOfInertia = sec.BottomInertia;
      top.Area = sec.TopArea;
      bottom.Area = sec.BottomArea;
      top.Modulus = bottom.Modulus = sec.ElasticModulus;
      break;
    default:  // 1 to 3, 5 to 10, 13
      top.Width = bottom.Width = sec.SectionDiameter;
      break;
  }
  // The p-y curves scale with the pile width: a negative one turns the soil
  // springs negative (and infinite at zero deflection).
  for (const PilePropertyPoint* p : {&top, &bottom}) {
    if (p->Width < 0.0) {
      const std::string a = "The pile width at the " + std::string(p == &top ? "top" : "bottom") + " of section " +
                            fmt::I0(s) + " is " + value_text(p->Width) + ". It cannot be negative.";
      input_error_block(kErrNegativeSectionValue, {a, "Correct the width or diameter of the section in the input."});
      return;
    }
  }
}

}  // namespace

void Read_Sections(LineSource& src) {
  PileSections& pile = pm.pile;
  int count = 0;
  if (!get(src, count, "number of pile sections")) return;
  if (!count_ok(count, kMaxSections, "number of pile sections")) return;
  pile.NumSections = count;
  pile.PileLength = 0.0;
  pile.SectionBoundaryX[1] = 0.0;
  pile.NumSectionBoundaries = 2 * count;
  if (count <= 0) return;

  for (int s = 1; s <= count; ++s) {
    progress("Reading section properties for Section ", s);
    pile.CurrentSection = s;
    PileSection& sec = pile.Section[s];

    int n = 0;
    if (!get(src, n, "section number")) return;
    if (n != s) {
      OutputUnit& rep = report_unit();
      rep.put("SECTION DATA OUT-OF-ORDER");
      rep.blank();
      rep.line().text("Expecting section number ").i0(s).text(", but section number ").i0(n).text(" was found").end();
      stop_95();
      return;
    }

    int code = 0;
    if (!get(src, code, "section type")) return;
    if (code == 3) {
      sec.b_FillCoreWithConcrete = true;
    } else if (code == -3) {
      sec.b_FillCoreWithConcrete = false;
      code = 3;
    } else if (code == 13) {
      sec.b_UserMEI = true;
      sec.b_UserMCurvature = false;
    } else if (code == -13) {
      sec.b_UserMEI = false;
      sec.b_UserMCurvature = true;
      code = 13;
    }
    sec.SectionType = code;
    // An unknown type reads nothing more; the next line is the next section's number.
    if (code < 0 || code > 14) continue;

    if (!get(src, sec.SectionLength, "section length")) return;
    if (code == 14) {
      input_error_block(kErrMicropile,
                        {"Micropile sections (section type 14) cannot be analysed: the input gives no cross-section",
                         "or materials for them. Section " + fmt::I0(s) +
                             " is a micropile; describe it with another section type."});
      return;
    }

    if (!Read_Geometry(src, sec, s)) return;
    if ((code >= 0 && code <= 3) || (code >= 5 && code <= 10)) {
      Read_Concrete(src, sec, s);
      if (stopped()) return;
      if (code <= 3)
        Read_Rebar(src, sec, s);
      else
        Read_Strands(src, sec, s);
      if (stopped()) return;
    }
    Add_Section_To_Pile(pile, s);
    if (stopped()) return;
  }
}

}  // namespace kavro::input
