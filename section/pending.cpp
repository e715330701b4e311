// Section analysis entry points not yet provided.
#include "section/section_driver.h"
namespace kavro {
void Section_Driver(int) {}
}  // namespace kavro
