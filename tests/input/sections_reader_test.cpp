// The SECTIONS section: the values stored for every section type (SI
// conversions included), the number of lines each type consumes, positions
// along the pile and the pile property points, the strand catalogue, and
// the tables filled to their capacities.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "input/readers.h"
#include "input/section_strand_catalogue.h"
#include "model/problem_model.h"

namespace kavro {
namespace {

using input::LineSource;

void reset_model(int units) {
  reset_problem_model();
  initialise_run_state();
  pm.options.IUNITS = units;
}

// Reads the lines after the SECTIONS keyword, followed by a sentinel line;
// returns the line the reader left unread.
std::string read_sections(const std::string& body, int units) {
  reset_model(units);
  LineSource src;
  src.open_text(body + "NEXT SECTION\n");
  input::Read_Sections(src);
  std::string line;
  return src.next(line) ? line : "<end of file>";
}

constexpr double kPi = std::numbers::pi;
const double kInch = double(0.0254f);  // the strand catalogue's inch in metres

const char* const kConcrete =
    "4000.0\n0.75\nUse default concrete tensile strength\nUse internal stress-strain curve for concrete\n";
const char* const kConcreteSI =
    "27600.0\n19.0\nUse default concrete tensile strength\nUse internal stress-strain curve for concrete\n";

struct Expect {
  const char* item;
  double (*get)(const PileSections&);
  double value;
};

#define AT(expr) [](const PileSections& p) -> double { return expr; }
#define S1 p.Section[1]

struct TypeCase {
  const char* name;
  int units;
  std::string body;  // lines after the section count and number: type code onward
  std::vector<Expect> expect;
};

const std::vector<TypeCase>& type_cases() {
  static const std::vector<TypeCase> cases = {
      {"0 rectangular, bars in a noncircular pattern", kUnitsUS,
       std::string("0\n10.0\n24.0\n18.0\n") + kConcrete +
           "Rebar Arrangement Not Same As Section Above\nRebar in noncircular pattern\n60000.0\n29000000.0\n2\n"
           "1 8 1.0 0.79 -6.0 9.0\n2 9 1.128 1.0 6.0 -9.0\n",
       {{"type", AT(S1.SectionType), 0}, {"length", AT(S1.SectionLength), 10},
        {"depth", AT(S1.SectionDepth), 24}, {"width", AT(S1.SectionWidth), 18},
        {"diameter is the depth", AT(S1.SectionDiameter), 24}, {"f'c", AT(S1.ConcreteStrength), 4000},
        {"aggregate", AT(S1.MaxAggregateSize), 0.75}, {"default tensile", AT(S1.b_DefaultTensileStrength), 1},
        {"internal curve", AT(S1.b_InputConcreteCurve), 0}, {"not same as above", AT(S1.b_RebarSameAsAbove), 0},
        {"not circular", AT(S1.b_CircularRebar), 0}, {"fy", AT(S1.RebarYieldStress), 60000},
        {"Es", AT(S1.RebarModulus), 29.0e6}, {"bars", AT(S1.NumBars), 2}, {"size 1", AT(S1.BarSizeIndex[1]), 8},
        {"size 2", AT(S1.BarSizeIndex[2]), 9}, {"db 2", AT(S1.BarDiameter[2]), 1.128},
        {"area 1", AT(S1.BarArea[1]), 0.79}, {"x 1", AT(S1.BarX[1]), -6}, {"y 1", AT(S1.BarY[1]), 9},
        {"x 2", AT(S1.BarX[2]), 6}, {"y 2", AT(S1.BarY[2]), -9},
        {"top width is the width", AT(p.PropertyPoint[1].Width), 18},
        {"bottom width", AT(p.PropertyPoint[2].Width), 18}, {"inertia not set", AT(p.PropertyPoint[1].MomentOfInertia), 0},
        {"pile length", AT(p.PileLength), 10}}},
      {"0 rectangular SI: mm to m, mm2 to m2", kUnitsSI,
       std::string("0\n3.0\n600.0\n450.0\n") + kConcreteSI +
           "Rebar Arrangement Same As Section Above\nRebar in noncircular pattern\n414000.0\n200000000.0\n1\n"
           "1 5 25.4 510.0 200.0 -150.0\n",
       {{"length in m", AT(S1.SectionLength), 3.0}, {"depth", AT(S1.SectionDepth), 0.6},
        {"width", AT(S1.SectionWidth), 0.45}, {"diameter", AT(S1.SectionDiameter), 0.6},
        {"f'c kPa", AT(S1.ConcreteStrength), 27600}, {"aggregate", AT(S1.MaxAggregateSize), 0.019},
        {"same as above", AT(S1.b_RebarSameAsAbove), 1}, {"fy kPa", AT(S1.RebarYieldStress), 414000},
        {"db", AT(S1.BarDiameter[1]), 0.0254}, {"area 510 mm2", AT(S1.BarArea[1]), 0.00051},
        {"x", AT(S1.BarX[1]), 0.2}, {"y", AT(S1.BarY[1]), -0.15}, {"width point", AT(p.PropertyPoint[1].Width), 0.45}}},
      {"1 drilled shaft, 6 bundles of 2 bars in a circle, concrete curve", kUnitsUS,
       "1\n20.0\n36.0\n4000.0\n1.0\nOverride concrete tensile strength\n450.0\n"
       "Input stress-strain curve for concrete\n3\n1 0.0 0.0\n2 0.001 2500.0\n3 0.003 4000.0\n"
       "Rebar Arrangement Not Same As Section Above\nRebar in circle\n60000.0\n29000000.0\n6\n2\n1.128\n1.0\n3.0\n"
       "0.5\n",
       {{"diameter", AT(S1.SectionDiameter), 36}, {"override tensile", AT(S1.b_DefaultTensileStrength), 0},
        {"ft", AT(S1.ConcreteTensileStrength), 450}, {"input curve", AT(S1.b_InputConcreteCurve), 1},
        {"curve points", AT(S1.NumConcreteCurvePoints), 3}, {"strain 3", AT(S1.ConcreteCurveStrain[3]), 0.003},
        {"stress 2", AT(S1.ConcreteCurveStress[2]), 2500}, {"circular", AT(S1.b_CircularRebar), 1},
        {"bundles", AT(S1.NumBundles), 6}, {"per bundle", AT(S1.BarsPerBundle), 2}, {"bars 6 x 2", AT(S1.NumBars), 12},
        {"cage db", AT(S1.CageBarDiameter), 1.128}, {"cage area", AT(S1.CageBarArea), 1.0},
        {"cover", AT(S1.ConcreteCover), 3.0}, {"offset", AT(S1.CageOffset), 0.5},
        {"db of bar 12", AT(S1.BarDiameter[12]), 1.128}, {"area of bar 12", AT(S1.BarArea[12]), 1.0},
        {"bar 1 on the bar circle", AT(std::hypot(S1.BarX[1], S1.BarY[1])), (36 - 1.128) / 2 - 3},
        {"bar 12 on the bar circle", AT(std::hypot(S1.BarX[12], S1.BarY[12])), (36 - 1.128) / 2 - 3},
        {"width point", AT(p.PropertyPoint[2].Width), 36}}},
      {"1 drilled shaft SI, bars in a circle", kUnitsSI,
       std::string("1\n6.0\n900.0\n") + kConcreteSI +
           "Rebar Arrangement Not Same As Section Above\nRebar in circle\n414000.0\n200000000.0\n8\n1\n25.0\n510.0\n"
           "75.0\n50.0\n",
       {{"diameter", AT(S1.SectionDiameter), 0.9}, {"cage db", AT(S1.CageBarDiameter), 0.025},
        {"cage area", AT(S1.CageBarArea), 0.00051}, {"cover", AT(S1.ConcreteCover), 0.075},
        {"offset", AT(S1.CageOffset), 0.05}, {"bars", AT(S1.NumBars), 8}, {"area of bar 8", AT(S1.BarArea[8]), 0.00051},
        {"bar 1 at angle 0", AT(S1.BarX[1]), (0.9 - 0.025) / 2 - 0.075}, {"bar 1 y", AT(S1.BarY[1]), 0}}},
      {"2 casing", kUnitsSI,
       std::string("2\n5.0\n1200.0\n12.0\n250000.0\n200000000.0\n") + kConcreteSI + "No rebar\n",
       {{"diameter", AT(S1.SectionDiameter), 1.2}, {"casing wall", AT(S1.CasingWallThickness), 0.012},
        {"casing fy not converted", AT(S1.CasingYieldStress), 250000}, {"casing E", AT(S1.CasingModulus), 2.0e8},
        {"no rebar", AT(S1.NumBars), 0}}},
      {"3 casing and concrete-filled core", kUnitsUS,
       std::string("3\n30.0\n48.0\n0.5\n36000.0\n29000000.0\n20.0\n0.75\n50000.0\n29500000.0\n") + kConcrete +
           "No rebar\n",
       {{"type", AT(S1.SectionType), 3}, {"filled", AT(S1.b_FillCoreWithConcrete), 1},
        {"diameter", AT(S1.SectionDiameter), 48}, {"casing wall", AT(S1.CasingWallThickness), 0.5},
        {"casing fy", AT(S1.CasingYieldStress), 36000}, {"casing E", AT(S1.CasingModulus), 29.0e6},
        {"core D", AT(S1.CoreOuterDiameter), 20}, {"core wall", AT(S1.CoreWallThickness), 0.75},
        {"core fy", AT(S1.CoreYieldStress), 50000}, {"core E", AT(S1.CoreModulus), 29.5e6}}},
      {"-3 casing and void core, SI", kUnitsSI,
       std::string("-3\n9.0\n1200.0\n12.0\n250000.0\n200000000.0\n500.0\n20.0\n345000.0\n200000000.0\n") +
           kConcreteSI + "No rebar\n",
       {{"type 3", AT(S1.SectionType), 3}, {"void", AT(S1.b_FillCoreWithConcrete), 0},
        {"casing wall", AT(S1.CasingWallThickness), 0.012}, {"core D", AT(S1.CoreOuterDiameter), 0.5},
        {"core wall", AT(S1.CoreWallThickness), 0.02}, {"core fy", AT(S1.CoreYieldStress), 345000}}},
      {"4 steel pipe: I, A, E at both points", kUnitsUS, "4\n40.0\n24.0\n0.5\n36000.0\n29000000.0\n",
       {{"diameter", AT(S1.SectionDiameter), 24}, {"wall", AT(S1.CasingWallThickness), 0.5},
        {"fy", AT(S1.CasingYieldStress), 36000}, {"E", AT(S1.CasingModulus), 29.0e6},
        {"width", AT(p.PropertyPoint[1].Width), 24},
        {"I top", AT(p.PropertyPoint[1].MomentOfInertia), kPi / 64 * (std::pow(24.0, 4) - std::pow(23.0, 4))},
        {"I bottom", AT(p.PropertyPoint[2].MomentOfInertia), kPi / 64 * (std::pow(24.0, 4) - std::pow(23.0, 4))},
        {"A", AT(p.PropertyPoint[2].Area), kPi / 4 * (24.0 * 24 - 23.0 * 23)},
        {"E top", AT(p.PropertyPoint[1].Modulus), 29.0e6}, {"E bottom", AT(p.PropertyPoint[2].Modulus), 29.0e6}}},
      {"5 circular prestressed, strands on a circle", kUnitsUS,
       std::string("5\n50.0\n24.0\n") + kConcrete + "Autoposition strands\n1\n3\n8\n31000.0\n0.2\n3.0\n0\n",
       {{"diameter", AT(S1.SectionDiameter), 24}, {"strand type", AT(S1.StrandType), 1},
        {"size code", AT(S1.StrandSizeCode), 3}, {"strands", AT(S1.NumStrands), 8},
        {"prestress", AT(S1.InitialPrestressForce), 31000}, {"loss", AT(S1.PrestressLossFraction), 0.2},
        {"cover", AT(S1.StrandCover), 3}, {"arrangement", AT(S1.StrandArrangement), 0},
        {"size codes 8", AT(S1.StrandSizeCodes[8]), 3}, {"db", AT(S1.BarDiameter[8]), 0.5},
        {"area", AT(S1.BarArea[8]), double(0.153f)}, {"strand db", AT(S1.StrandDiameter), 0.5},
        {"strand area", AT(S1.StrandArea), double(0.153f)}, {"fpu", AT(S1.StrandUltimateStrength), 270000},
        {"modulus ksi", AT(S1.RebarModulus), 28000}, {"strand 1 x", AT(S1.BarX[1]), 8.75},
        {"strand 3 at 90 degrees", AT(S1.BarY[3]), 8.75}, {"width point", AT(p.PropertyPoint[1].Width), 24}}},
      {"5 circular prestressed SI: catalogue in metres", kUnitsSI,
       std::string("5\n15.0\n600.0\n") + kConcreteSI + "Autoposition strands\n1\n3\n8\n140.0\n0.2\n75.0\n0\n",
       {{"diameter", AT(S1.SectionDiameter), 0.6}, {"cover", AT(S1.StrandCover), 0.075},
        {"db", AT(S1.BarDiameter[1]), 0.5 * kInch}, {"area", AT(S1.BarArea[4]), double(0.153f) * (kInch * kInch)},
        {"modulus kPa", AT(S1.RebarModulus), 193053200}, {"fpu as US", AT(S1.StrandUltimateStrength), 270000},
        {"strand 1 x", AT(S1.BarX[1]), (0.6 - 0.5 * kInch) / 2 - 0.075}}},
      {"6 circular hollow", kUnitsSI, std::string("6\n15.0\n900.0\n500.0\n") + kConcreteSI +
                                          "Autoposition strands\n0\n6\n12\n140.0\n0.15\n75.0\n0\n",
       {{"diameter", AT(S1.SectionDiameter), 0.9}, {"void", AT(S1.VoidDiameter), 0.5},
        {"PCI 250 size 6 db", AT(S1.BarDiameter[12]), double(0.6f) * kInch}}},
      {"7 square with chamfer, square arrangement 1", kUnitsUS,
       std::string("7\n60.0\n18.0\n1.0\n") + kConcrete + "Autoposition strands\n1\n3\n14\n31000.0\n0.2\n2.0\n1\n",
       {{"width", AT(S1.SectionDiameter), 18}, {"chamfer", AT(S1.ChamferSize), 1},
        {"strand 1 at the bottom left corner x", AT(S1.BarX[1]), -6.75},
        {"strand 1 y", AT(S1.BarY[1]), -6.75}, {"strand 5 bottom right x", AT(S1.BarX[5]), 6.75},
        {"strand 6 right face mid-height", AT(S1.BarY[6]), 0}, {"strand 6 x", AT(S1.BarX[6]), 6.75}}},
      {"8 square hollow, manually positioned strands", kUnitsUS,
       std::string("8\n60.0\n24.0\n12.0\n1.5\n") + kConcrete +
           "Manually-positioned strands\n0\n2\n20000.0\n0.18\n1 0 -8.0 -8.0\n2 5 8.0 8.0\n",
       {{"width", AT(S1.SectionDiameter), 24}, {"void", AT(S1.VoidDiameter), 12}, {"chamfer", AT(S1.ChamferSize), 1.5},
        {"strand type", AT(S1.StrandType), 0}, {"strands", AT(S1.NumStrands), 2},
        {"prestress", AT(S1.InitialPrestressForce), 20000}, {"loss", AT(S1.PrestressLossFraction), 0.18},
        {"code 2", AT(S1.StrandSizeCodes[2]), 5}, {"PCI 250 size 0 db", AT(S1.BarDiameter[1]), double(0.34f)},
        {"PCI 250 size 0 area", AT(S1.BarArea[1]), 0.057999998331069946},
        {"PCI 250 size 5 area", AT(S1.BarArea[2]), double(0.144f)}, {"x 1", AT(S1.BarX[1]), -8},
        {"y 2", AT(S1.BarY[2]), 8}, {"fpu", AT(S1.StrandUltimateStrength), 250000}}},
      {"8 manual strands SI: coordinates in metres", kUnitsSI,
       std::string("8\n20.0\n600.0\n300.0\n25.0\n") + kConcreteSI +
           "Manually-positioned strands\n4\n1\n500.0\n0.18\n1 3 -200.0 150.0\n",
       {{"void", AT(S1.VoidDiameter), 0.3}, {"chamfer", AT(S1.ChamferSize), 0.025}, {"x", AT(S1.BarX[1]), -0.2},
        {"y", AT(S1.BarY[1]), 0.15}, {"smooth bar size 3 db", AT(S1.BarDiameter[1]), 1.125 * kInch},
        {"fpu 160 ksi bars", AT(S1.StrandUltimateStrength), 160000}, {"bar modulus kPa", AT(S1.RebarModulus), 199947760}}},
      {"9 octagonal, deformed bars", kUnitsUS,
       std::string("9\n60.0\n24.0\n") + kConcrete + "Autoposition strands\n5\n1\n8\n50000.0\n0.1\n3.0\n0\n",
       {{"diameter", AT(S1.SectionDiameter), 24}, {"db", AT(S1.BarDiameter[1]), 1.0},
        {"area", AT(S1.BarArea[1]), double(0.85f)}, {"fpu by size", AT(S1.StrandUltimateStrength), 150000},
        {"modulus", AT(S1.RebarModulus), 29000}}},
      {"10 octagonal hollow, square arrangement 2", kUnitsUS,
       std::string("10\n60.0\n24.0\n10.0\n") + kConcrete + "Autoposition strands\n2\n4\n8\n50000.0\n0.1\n3.0\n2\n",
       {{"diameter", AT(S1.SectionDiameter), 24}, {"void", AT(S1.VoidDiameter), 10},
        {"PCI 300 size 4 db", AT(S1.BarDiameter[1]), double(0.6f)}, {"fpu", AT(S1.StrandUltimateStrength), 300000},
        {"strand 1 x", AT(S1.BarX[1]), -(24.0 - double(0.6f)) / 2 + 3}}},
      {"11 elastic rectangular", kUnitsUS,
       "11\n30.0\n1\n3000000.0\n12.0\n14.0\n16.0\n18.0\n192.0\n252.0\n4096.0\n6804.0\n",
       {{"shape", AT(S1.SectionShape), 1}, {"E", AT(S1.ElasticModulus), 3.0e6}, {"top width", AT(S1.TopWidth), 12},
        {"bottom width", AT(S1.BottomWidth), 14}, {"top depth", AT(S1.TopDepth), 16},
        {"bottom depth", AT(S1.BottomDepth), 18}, {"top area", AT(S1.TopArea), 192},
        {"bottom area", AT(S1.BottomArea), 252}, {"top I", AT(S1.TopInertia), 4096},
        {"bottom I", AT(S1.BottomInertia), 6804}, {"width top point", AT(p.PropertyPoint[1].Width), 12},
        {"width bottom point", AT(p.PropertyPoint[2].Width), 14}, {"I top point", AT(p.PropertyPoint[1].MomentOfInertia), 4096},
        {"I bottom point", AT(p.PropertyPoint[2].MomentOfInertia), 6804}, {"A bottom point", AT(p.PropertyPoint[2].Area), 252},
        {"E points", AT(p.PropertyPoint[2].Modulus), 3.0e6}}},
      {"11 elastic circular SI", kUnitsSI, "11\n10.0\n2\n30000000.0\n600.0\n500.0\n282743.0\n196350.0\n6.36e9\n3.07e9\n",
       {{"top width", AT(S1.TopWidth), 0.6}, {"bottom width", AT(S1.BottomWidth), 0.5},
        {"top area", AT(S1.TopArea), 282743.0 / 1e6}, {"bottom I", AT(S1.BottomInertia), 3.07e9 / 1e12},
        {"E kPa", AT(S1.ElasticModulus), 3.0e7}, {"bottom point width", AT(p.PropertyPoint[2].Width), 0.5}}},
      {"11 elastic pipe", kUnitsUS, "11\n30.0\n3\n29000000.0\n24.0\n20.0\n0.5\n0.375\n36.9\n23.1\n2549.0\n1113.0\n",
       {{"top wall", AT(S1.TopDepth), 0.5}, {"bottom wall", AT(S1.BottomDepth), 0.375},
        {"bottom I", AT(S1.BottomInertia), 1113}, {"bottom point width", AT(p.PropertyPoint[2].Width), 20}}},
      {"11 elastic strong H: flange width", kUnitsSI, "11\n30.0\n4\n200000000.0\n310.0\n300.0\n15.0\n9.0\n11000.0\n1.8e8\n",
       {{"flange width", AT(S1.TopWidth), 0.31}, {"depth", AT(S1.TopDepth), 0.3},
        {"depth copied", AT(S1.BottomDepth), 0.3}, {"tf not converted", AT(S1.FlangeThickness), 15},
        {"tw not converted", AT(S1.WebThickness), 9}, {"area copied", AT(S1.BottomArea), 0.011},
        {"I copied", AT(S1.BottomInertia), 1.8e-4}, {"width is the flange", AT(p.PropertyPoint[2].Width), 0.31}}},
      {"11 elastic weak H: section depth", kUnitsUS, "11\n30.0\n5\n29000000.0\n12.0\n11.8\n0.6\n0.4\n15.5\n120.0\n",
       {{"width is the depth", AT(p.PropertyPoint[1].Width), 11.8},
        {"bottom width too", AT(p.PropertyPoint[2].Width), 11.8}, {"I bottom", AT(p.PropertyPoint[2].MomentOfInertia), 120}}},
      {"11 embedded pole", kUnitsSI, "11\n12.0\n6\n11000000.0\n300.0\n250.0\n70686.0\n49087.0\n3.98e8\n1.92e8\n600.0\n",
       {{"hole", AT(S1.DrilledHoleDiameter), 0.6}, {"hole in the diameter", AT(S1.SectionDiameter), 0.6},
        {"width is the hole", AT(p.PropertyPoint[1].Width), 0.6}, {"second width top", AT(p.PropertyPoint[1].SecondWidth), 0.3},
        {"second width bottom", AT(p.PropertyPoint[2].SecondWidth), 0.25}}},
      {"12 elastic-plastic circular", kUnitsUS,
       "12\n30.0\n2\n3000000.0\n5.0e6\n4.0e6\n24.0\n20.0\n452.4\n314.2\n16286.0\n7854.0\n",
       {{"E", AT(S1.ElasticModulus), 3.0e6}, {"Mp top", AT(S1.TopMomentCapacity), 5.0e6},
        {"Mp bottom", AT(S1.BottomMomentCapacity), 4.0e6}, {"top width", AT(S1.TopWidth), 24},
        {"bottom I", AT(S1.BottomInertia), 7854}}},
      {"12 elastic-plastic strong H SI: Mp copied and not converted", kUnitsSI,
       "12\n30.0\n4\n200000000.0\n450.0\n310.0\n300.0\n15.0\n9.0\n11000.0\n1.8e8\n",
       {{"Mp top", AT(S1.TopMomentCapacity), 450}, {"Mp copied", AT(S1.BottomMomentCapacity), 450},
        {"flange width", AT(S1.TopWidth), 0.31}, {"I", AT(S1.TopInertia), 1.8e-4}}},
      {"13 user curves of moment and stiffness", kUnitsUS,
       "13\n30.0\n24.0\n2\n0.0\n2\n0.0\n4.0e10\n1.0e6\n2.0e10\n100.0\n1\n2.0e6\n1.0e10\n",
       {{"type", AT(S1.SectionType), 13}, {"M-EI", AT(S1.b_UserMEI), 1}, {"M-curvature", AT(S1.b_UserMCurvature), 0},
        {"diameter", AT(S1.SectionDiameter), 24}, {"curves", AT(S1.NumUserEIThrusts), 2},
        {"thrust 2", AT(S1.UserEIThrust[2]), 100}, {"points 1", AT(S1.NumUserEIPoints[1]), 2},
        {"points 2", AT(S1.NumUserEIPoints[2]), 1}, {"M(1,2)", AT(S1.UserEI_M[1][2]), 1.0e6},
        {"EI(1,2)", AT(S1.UserEI_EI[1][2]), 2.0e10}, {"phi(1,2) = M/EI", AT(S1.UserEI_Curvature[1][2]), 1.0e6 / 2.0e10},
        {"phi(1,1) = 0", AT(S1.UserEI_Curvature[1][1]), 0}, {"EI(2,1)", AT(S1.UserEI_EI[2][1]), 1.0e10},
        {"width point", AT(p.PropertyPoint[1].Width), 24}}},
      {"-13 user curves of moment and curvature, SI diameter", kUnitsSI, "-13\n10.0\n600.0\n1\n500.0\n2\n100.0\n0.001\n300.0\n0.005\n",
       {{"type 13", AT(S1.SectionType), 13}, {"M-EI", AT(S1.b_UserMEI), 0}, {"M-curvature", AT(S1.b_UserMCurvature), 1},
        {"diameter", AT(S1.SectionDiameter), 0.6}, {"thrust as read", AT(S1.UserEIThrust[1]), 500},
        {"curvature", AT(S1.UserEI_Curvature[1][2]), 0.005}, {"EI = M/curvature", AT(S1.UserEI_EI[1][1]), 100.0 / 0.001},
        {"EI 2", AT(S1.UserEI_EI[1][2]), 300.0 / 0.005}}},
  };
  return cases;
}

class SectionTypeTest : public ::testing::TestWithParam<int> {};

TEST_P(SectionTypeTest, StoresEveryValueAndConsumesItsLines) {
  const TypeCase& c = type_cases()[GetParam()];
  SCOPED_TRACE(c.name);
  EXPECT_EQ(read_sections("1\n1\n" + c.body, c.units), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(pm.pile.NumSections, 1);
  for (const Expect& e : c.expect) {
    const double got = e.get(pm.pile);
    EXPECT_NEAR(got, e.value, std::fabs(e.value) * 1e-14) << e.item;
  }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, SectionTypeTest, ::testing::Range(0, int(type_cases().size())));

// Exact bit patterns where single precision shows.
TEST(SectionsReader, SiConversionsAndCatalogueValuesAreExact) {
  read_sections(std::string("1\n1\n0\n3.0\n600.0\n450.0\n") + kConcreteSI +
                    "No rebar\n",
                kUnitsSI);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(pm.pile.Section[1].SectionDepth, 0.6);

  read_sections(std::string("1\n1\n1\n6.0\n900.0\n") + kConcreteSI +
                    "Rebar Arrangement Not Same As Section Above\nRebar in noncircular pattern\n1\n1\n1\n"
                    "1 5 25.0 510.0 0 0\n",
                kUnitsSI);
  EXPECT_EQ(pm.pile.Section[1].BarArea[1], 0.00051);

  read_sections(std::string("1\n1\n5\n15.0\n600.0\n") + kConcreteSI + "Autoposition strands\n1\n3\n1\n1\n0\n75\n9\n",
                kUnitsSI);
  EXPECT_EQ(pm.pile.Section[1].BarDiameter[1], 0.5 * 0.02539999969303608);
  EXPECT_EQ(pm.pile.Section[1].StrandDiameter, 0.5 * 0.02539999969303608);

  read_sections(std::string("1\n1\n5\n15.0\n24.0\n") + kConcrete + "Autoposition strands\n0\n0\n1\n1\n0\n3\n9\n",
                kUnitsUS);
  EXPECT_EQ(pm.pile.Section[1].BarArea[1], 0.057999998331069946);
  EXPECT_EQ(pm.pile.Section[1].BarDiameter[1], 0.3400000035762787);
}

TEST(SectionsReader, StrandCatalogueUnknownCodesLeaveTheStrandAlone) {
  reset_model(kUnitsUS);
  PileSection& s = pm.pile.Section[1];
  s.BarDiameter[1] = 7.0;
  s.BarArea[1] = 8.0;
  s.StrandUltimateStrength = 1.0;
  s.RebarModulus = 2.0;
  s.StrandType = 2;
  s.StrandSizeCodes[1] = 5;  // PCI 300 has no size 5: grade set, size not
  input::Fill_Strand_From_Catalogue(s, 1);
  EXPECT_EQ(s.BarDiameter[1], 7.0);
  EXPECT_EQ(s.StrandUltimateStrength, 300000);
  EXPECT_EQ(s.RebarModulus, 28000);
  s.StrandType = 6;  // no such type: nothing set
  s.StrandSizeCodes[1] = 1;
  s.StrandUltimateStrength = 1.0;
  input::Fill_Strand_From_Catalogue(s, 1);
  EXPECT_EQ(s.StrandUltimateStrength, 1.0);
  EXPECT_EQ(s.BarArea[1], 8.0);
  // In SI the strand is converted whatever it holds.
  pm.options.IUNITS = kUnitsSI;
  input::Fill_Strand_From_Catalogue(s, 1);
  EXPECT_EQ(s.BarDiameter[1], 7.0 * double(0.0254f));
  // Generic units take the SI modulus but no conversion.
  pm.options.IUNITS = kUnitsGeneric;
  s.StrandType = 3;
  s.StrandSizeCodes[1] = 0;
  input::Fill_Strand_From_Catalogue(s, 1);
  EXPECT_EQ(s.BarDiameter[1], 0.75);
  EXPECT_EQ(s.RebarModulus, 199947760);
  EXPECT_EQ(s.StrandUltimateStrength, 145000);
  EXPECT_EQ(input::strand_type_name(5), "Deformed bars (150-160 ksi)");
  EXPECT_EQ(input::strand_type_name(1), "PCI 270");
}

// ---------------------------------------------------------------------------
// Positions along the pile.

std::string shaft(int number, double length, double diameter) {
  return std::to_string(number) + "\n1\n" + std::to_string(length) + "\n" + std::to_string(diameter) + "\n" +
         kConcrete + "No rebar\n";
}

TEST(SectionsReader, SectionPositionsAccumulateFromThePileHead) {
  EXPECT_EQ(read_sections("2\n" + shaft(1, 10, 36) + shaft(2, 20, 30), kUnitsUS), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const PileSections& p = pm.pile;
  EXPECT_EQ(p.NumSections, 2);
  EXPECT_EQ(p.NumSectionBoundaries, 4);
  EXPECT_EQ(p.SectionBoundaryX[1], 0);
  EXPECT_EQ(p.SectionBoundaryX[2], 10);
  EXPECT_EQ(p.SectionBoundaryX[3], 10);
  EXPECT_EQ(p.SectionBoundaryX[4], 30);
  EXPECT_EQ(p.PileLength, 30);
  EXPECT_EQ(p.Section[2].SectionTopX, 10);
  EXPECT_EQ(p.Section[2].SectionBottomX, 30);
  EXPECT_EQ(p.PropertyPoint[3].Width, 30);
  EXPECT_EQ(p.PropertyPoint[2].Width, 36);
  // The pile-wide conversion turns feet into inches.
  convert_us_customary();
  EXPECT_EQ(pm.pile.PileLength, 360);
  EXPECT_EQ(pm.pile.SectionBoundaryX[4], 360);
}

TEST(SectionsReader, UnknownTypeCodeReadsNothingMoreAndAddsNothing) {
  EXPECT_EQ(read_sections("2\n1\n20\n" + shaft(2, 10, 36), kUnitsUS), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(pm.pile.Section[1].SectionType, 20);
  EXPECT_EQ(pm.pile.PileLength, 10);
  EXPECT_EQ(pm.pile.SectionBoundaryX[3], 0);
  EXPECT_EQ(pm.pile.SectionBoundaryX[4], 10);
}

TEST(SectionsReader, ZeroSectionsReadsNoFurtherLines) {
  EXPECT_EQ(read_sections("0\n", kUnitsUS), "NEXT SECTION");
  EXPECT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(pm.pile.NumSections, 0);
  EXPECT_EQ(pm.pile.PileLength, 0);
}

TEST(SectionsReader, SquareStrandArrangementOtherThan0To2SetsNoPositions) {
  read_sections(std::string("1\n1\n7\n10\n18\n0\n") + kConcrete + "Autoposition strands\n1\n3\n4\n1\n0\n2\n7\n",
                kUnitsUS);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(pm.pile.Section[1].BarX[1], 0);
  EXPECT_EQ(pm.pile.Section[1].BarY[4], 0);
  EXPECT_EQ(pm.pile.Section[1].BarDiameter[4], 0.5);
}

// ---------------------------------------------------------------------------
// Tables filled to their capacities load.

TEST(SectionsReader, CountsAtTheirLimitsLoad) {
  {
    std::string body = "20\n";
    for (int s = 1; s <= 20; ++s) body += shaft(s, 1, 12);
    EXPECT_EQ(read_sections(body, kUnitsUS), "NEXT SECTION");
    EXPECT_EQ(pm.FatalErrorValue, 0);
    EXPECT_EQ(pm.pile.SectionBoundaryX[40], 20);
  }
  {
    std::string body = std::string("1\n1\n0\n10\n24\n18\n") + kConcrete +
                       "Rebar Arrangement Not Same As Section Above\nRebar in noncircular pattern\n60000\n29e6\n300\n";
    for (int i = 1; i <= 300; ++i) body += std::to_string(i) + " 8 1.0 0.79 " + std::to_string(i) + " 0\n";
    EXPECT_EQ(read_sections(body, kUnitsUS), "NEXT SECTION");
    EXPECT_EQ(pm.FatalErrorValue, 0);
    EXPECT_EQ(pm.pile.Section[1].BarX[300], 300);
  }
  {
    // 100 bundles of 3 bars.
    std::string body = std::string("1\n1\n1\n10\n120\n") + kConcrete +
                       "Rebar Arrangement Not Same As Section Above\nRebar in circle\n60000\n29e6\n100\n3\n1.0\n0.79\n3\n0\n";
    EXPECT_EQ(read_sections(body, kUnitsUS), "NEXT SECTION");
    EXPECT_EQ(pm.FatalErrorValue, 0);
    EXPECT_EQ(pm.pile.Section[1].NumBars, 300);
    EXPECT_NEAR(std::hypot(pm.pile.Section[1].BarX[300], pm.pile.Section[1].BarY[300]), (120 - 1.0) / 2 - 3 - 0.8660254037844386,
                1e-12);
  }
  {
    std::string body = std::string("1\n1\n8\n10\n24\n12\n0\n") + kConcrete + "Manually-positioned strands\n1\n300\n1\n0\n";
    for (int i = 1; i <= 300; ++i) body += std::to_string(i) + " 3 1.0 " + std::to_string(i) + "\n";
    EXPECT_EQ(read_sections(body, kUnitsUS), "NEXT SECTION");
    EXPECT_EQ(pm.FatalErrorValue, 0);
    EXPECT_EQ(pm.pile.Section[1].BarY[300], 300);
    EXPECT_EQ(pm.pile.Section[1].BarDiameter[300], 0.5);
  }
  {
    std::string body = "1\n1\n1\n10\n36\n4000\n1\nUse default concrete tensile strength\n"
                       "Input stress-strain curve for concrete\n100\n";
    for (int i = 1; i <= 100; ++i) body += std::to_string(i) + " " + std::to_string(i * 1e-5) + " 1000\n";
    body += "No rebar\n";
    EXPECT_EQ(read_sections(body, kUnitsUS), "NEXT SECTION");
    EXPECT_EQ(pm.FatalErrorValue, 0);
    EXPECT_EQ(pm.pile.Section[1].NumConcreteCurvePoints, 100);
  }
  {
    std::string body = "1\n1\n13\n10\n24\n100\n";
    for (int j = 1; j <= 100; ++j) {
      body += std::to_string(j) + "\n150\n";
      for (int k = 1; k <= 150; ++k) body += std::to_string(k) + "\n1e9\n";
    }
    EXPECT_EQ(read_sections(body, kUnitsUS), "NEXT SECTION");
    EXPECT_EQ(pm.FatalErrorValue, 0);
    EXPECT_EQ(pm.pile.Section[1].UserEI_M[100][150], 150);
    EXPECT_EQ(pm.pile.Section[1].UserEI_Curvature[100][150], 150 / 1e9);
  }
}

}  // namespace
}  // namespace kavro
