// SOIL LAYERS: the soil profile.
#include "input/readers.h"

namespace kavro::input {

void Read_Soil_Layers(LineSource&) {}

}  // namespace kavro::input
