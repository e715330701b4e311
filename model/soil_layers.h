// Soil layers: filled by the SOIL LAYERS section of the input file.
// Layer c owns soil depth point 2c-1 at its top and 2c at its bottom; every
// depth-varying property is a table over these points, so the soil models
// interpolate linearly between a layer's top and bottom values.
#pragma once
#include <string>

#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {

struct SoilLayers {
  int i_Number_of_Layers = 0;
  Indexed<int, kMaxLayers> i_SoilLayer_py_Type;  // soil-model code 1..20 (names in pm.SoilModelName)
  // Layer tops and bottoms; after reading, XLayerTop(1..n+1) becomes the list
  // of layer boundaries from the top of layer 1 down.
  Indexed<double, kMaxLayerBoundaries> XLayerTop, XLayerBottom;
  // k of the stiff-clay and sand models (subgrade modulus, pci or kN/m3), or
  // the initial rock modulus Eir of "WeakRock", at the layer's top and bottom.
  Indexed<double, kMaxLayers> kTopOfLayer, kBottomOfLayer;

  int NumSoilDepthPoints = 0;  // 2 * i_Number_of_Layers
  Indexed<double, kMaxSoilDepthPoints> SoilDepthPoint, SoilDepthPointCopy;
  Indexed<double, kMaxSoilDepthPoints> GammaEff;   // effective unit weight
  Indexed<double, kMaxSoilDepthPoints> StrengthC;  // undrained shear strength c, or rock qu
  Indexed<double, kMaxSoilDepthPoints> Eps50;      // strain at 50 % strength (krm for "WeakRock")
  Indexed<double, kMaxSoilDepthPoints> JFactor;    // Matlock J ("SoftClyJ")
  Indexed<double, kMaxSoilDepthPoints> PhiDeg;     // friction angle, degrees
  Indexed<double, kMaxSoilDepthPoints> RQD;        // rock quality designation, percent

  // Piedmont residual soils: the test type selects which of the four
  // in-situ values the p-y model uses (1 SPT, 2 CPT, 3 dilatometer,
  // 4 pressuremeter). ConeTipResistance is also the "KS Loess" item.
  Indexed<int, kMaxSoilDepthPoints> PiedmontTestType;
  Indexed<double, kMaxSoilDepthPoints> SPTN60, ConeTipResistance, DilatometerModulus, PressuremeterModulus;

  Indexed<double, kMaxSoilDepthPoints> ElasticSubgradeModulus;  // "Elast SG"

  // Massive rock (Hoek-Brown): uniaxial compressive strength, rock-type code
  // and two further values that are stored but not used by any analysis.
  Indexed<double, kMaxSoilDepthPoints> HBqu;
  Indexed<int, kMaxSoilDepthPoints> HBRockType;
  Indexed<double, kMaxSoilDepthPoints> HBValue3, HBValue4;

  double GroundSurfaceDepth = 0;  // depth of the ground surface below the pile head = XLayerTop(1)

  // User-input p-y curves of "User p-y" layers, one per depth point; the
  // points are in computation units and never converted.
  Indexed<double, kMaxSoilDepthPoints> UserPYDepth;
  Indexed<int, kMaxSoilDepthPoints> NumUserPYPoints;
  Indexed2<double, kMaxSoilDepthPoints, kMaxUserPYPoints> UserPY_y, UserPY_p;
};

}  // namespace kavro
