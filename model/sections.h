// Pile sections: filled by the SECTIONS section of the input file.
//
// Units as stored: US customary section data stay as input (inches, psi,
// in-lb; section lengths and positions in feet until the pile-wide
// conversion to inches); SI millimetre input is converted to metres by the
// reader (areas to m2, inertias to m4); generic units are never converted.
#pragma once
#include <string>

#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {

struct PileSection {
  // Common items
  int SectionType = 0;       // 0..14
  double SectionLength = 0;  // along the pile
  double SectionTopX = 0;    // position of the top along the pile, from the pile head
  double SectionBottomX = 0;

  // Cross-section geometry (types 0 to 10, 13)
  double SectionWidth = 0;     // type 0: width, perpendicular to the bending direction
  double SectionDepth = 0;     // type 0: depth, in the bending direction
  double SectionDiameter = 0;  // shaft / casing / pipe / pile diameter, square or octagon width;
                               // type 0: copy of SectionDepth; elastic shape 6: drilled-hole diameter
  double ChamferSize = 0;      // types 7, 8
  double VoidDiameter = 0;     // types 6, 8, 10
  // Casing (types 2, 3); for type 4 the pipe's wall thickness, yield stress and modulus.
  double CasingWallThickness = 0;
  double CasingYieldStress = 0;
  double CasingModulus = 0;
  // Steel core (type 3)
  double CoreOuterDiameter = 0;
  double CoreWallThickness = 0;
  double CoreYieldStress = 0;
  double CoreModulus = 0;
  bool b_FillCoreWithConcrete = false;  // type 3: true concrete-filled core, false void core

  // Concrete (types 0 to 3, 5 to 10)
  double ConcreteStrength = 0;  // f'c
  double MaxAggregateSize = 0;
  bool b_DefaultTensileStrength = false;
  double ConcreteTensileStrength = 0;
  bool b_InputConcreteCurve = false;
  int NumConcreteCurvePoints = 0;
  Indexed<double, kMaxConcreteCurvePoints> ConcreteCurveStrain, ConcreteCurveStress;

  // Bar and strand arrays, shared by bars and strands (origin at the section
  // centre, y in the bending direction).
  Indexed<double, kMaxBars> BarDiameter, BarArea, BarX, BarY;
  Indexed<int, kMaxBars> BarSizeIndex;     // bars of a noncircular arrangement
  Indexed<int, kMaxBars> StrandSizeCodes;  // strands

  // Reinforcing bars (types 0 to 3)
  int NumBars = 0;
  double RebarYieldStress = 0;
  double RebarModulus = 0;  // also the strands' modulus (set by the strand catalogue)
  bool b_CircularRebar = false;
  int NumBundles = 0;
  int BarsPerBundle = 0;
  double CageBarDiameter = 0;
  double CageBarArea = 0;
  double ConcreteCover = 0;
  double CageOffset = 0;  // offset of the rebar-cage centre from the pile centre
  bool b_RebarSameAsAbove = false;

  // Prestressing strands (types 5 to 10)
  int StrandType = 0;          // 0..5 (strand catalogue)
  int StrandSizeCode = 0;      // size code of automatically positioned strands
  int NumStrands = 0;
  double InitialPrestressForce = 0;
  double PrestressLossFraction = 0;
  double StrandCover = 0;
  int StrandArrangement = 0;   // 0 circular, 1 and 2 square arrangements
  double StrandUltimateStrength = 0;  // fpu
  double StrandDiameter = 0;   // first strand's diameter and area
  double StrandArea = 0;

  // Elastic (type 11) and elastic-plastic (type 12) sections
  int SectionShape = 0;      // 1..6
  double ElasticModulus = 0;
  double TopWidth = 0, BottomWidth = 0;    // width or outside diameter; H flange width; pole diameter
  double TopDepth = 0, BottomDepth = 0;    // rectangle depth; pipe wall thickness; H section depth
  double FlangeThickness = 0, WebThickness = 0;  // H shapes
  double TopArea = 0, BottomArea = 0;
  double TopInertia = 0, BottomInertia = 0;
  double TopMomentCapacity = 0, BottomMomentCapacity = 0;  // type 12
  double DrilledHoleDiameter = 0;  // shape 6; the reader also stores it in SectionDiameter

  // User-defined bending curves (type 13)
  bool b_UserMEI = false;         // pairs of moment and bending stiffness
  bool b_UserMCurvature = false;  // pairs of moment and curvature
  int NumUserEIThrusts = 0;
  Indexed<double, kMaxUserEICurves> UserEIThrust;
  Indexed<int, kMaxUserEICurves> NumUserEIPoints;
  Indexed2<double, kMaxUserEICurves, kMaxUserEIPoints> UserEI_M, UserEI_EI, UserEI_Curvature;  // (j, k)
};

// Pile properties at one section boundary point (top or bottom of a section).
struct PilePropertyPoint {
  double Width = 0;
  double SecondWidth = 0;
  double MomentOfInertia = 0;
  double Area = 0;
  double Modulus = 0;
};

struct PileSections {
  int NumSections = 0;
  Indexed<PileSection, kMaxSections> Section;
  int CurrentSection = 0;  // process-wide current-section index (reader, section analysis)
  double PileLength = 0;  // sum of the section lengths
  int NumSectionBoundaries = 0;  // 2 x NumSections
  // Entry 2s-1 is the top of section s, entry 2s its bottom.
  Indexed<double, kMaxSectionBoundaries> SectionBoundaryX;
  // One point per SectionBoundaryX entry.
  Indexed<PilePropertyPoint, kMaxSectionBoundaries> PropertyPoint;
};

}  // namespace kavro
