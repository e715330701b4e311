// Soil layers: filled by the SOIL LAYERS section of the input file.
// Layer c owns soil depth point 2c-1 at its top and 2c at its bottom.
#pragma once
#include <string>

#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {

struct SoilLayers {
  int i_Number_of_Layers = 0;
  Indexed<int, kMaxLayers> i_SoilLayer_py_Type;
  // Layer tops and bottoms; after reading, XLayerTop(1..n+1) becomes the list
  // of layer boundaries from the top of layer 1 down.
  Indexed<double, kMaxLayerBoundaries> XLayerTop, XLayerBottom;
  Indexed<double, kMaxLayers> kTopOfLayer, kBottomOfLayer;

  int NumSoilDepthPoints = 0;
  Indexed<double, kMaxSoilDepthPoints> SoilDepthPoint, SoilDepthPointCopy;
  Indexed<double, kMaxSoilDepthPoints> GammaEff, StrengthC, Eps50, JFactor, PhiDeg, RQD;

  double GroundSurfaceDepth = 0;  // depth of the ground surface below the pile head

  // User-input p-y curves of "User p-y" layers, one per depth point.
  Indexed<double, kMaxSoilDepthPoints> UserPYDepth;
  Indexed<int, kMaxSoilDepthPoints> NumUserPYPoints;
  Indexed2<double, kMaxSoilDepthPoints, kMaxUserPYPoints> UserPY_y, UserPY_p;
};

}  // namespace kavro
