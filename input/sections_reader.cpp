// SECTIONS: the pile sections.
#include "input/readers.h"

namespace kavro::input {

void Read_Sections(LineSource&) {}

}  // namespace kavro::input
