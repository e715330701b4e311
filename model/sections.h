// Pile sections: filled by the SECTIONS section of the input file.
#pragma once
#include <string>

#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {

struct PileSection {
  int SectionType = 0;       // 0..14
  double SectionLength = 0;  // along the pile
  double SectionTopX = 0;    // position of the top along the pile
  double SectionBottomX = 0;

  // Cross-section geometry
  double SectionWidth = 0;
  double SectionDepth = 0;
  double SectionDiameter = 0;
  double ChamferSize = 0;
  double VoidDiameter = 0;
  bool b_FillCoreWithConcrete = false;

  // Concrete
  double ConcreteStrength = 0;
  double MaxAggregateSize = 0;

  // Reinforcing bars or prestressing strands
  int NumBars = 0;
  Indexed<double, kMaxBars> BarDiameter, BarArea, BarX, BarY;
  double RebarYieldStress = 0;
  double RebarModulus = 0;
  int StrandType = 0;
  int NumStrands = 0;
  double InitialPrestressForce = 0;
  double PrestressLossFraction = 0;
  double StrandUltimateStrength = 0;

  // Elastic and elastic-plastic sections
  int SectionShape = 0;      // 1..6
  double ElasticModulus = 0;

  // User-defined bending curves (type 13)
  int NumUserEIThrusts = 0;
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
  double PileLength = 0;  // sum of the section lengths
  int NumSectionBoundaries = 0;  // 2 x NumSections
  Indexed<double, kMaxSectionBoundaries> SectionBoundaryX;
  Indexed<PilePropertyPoint, kMaxSectionBoundaries> PropertyPoint;
};

}  // namespace kavro
