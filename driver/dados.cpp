// The input step. Reading the input file is not built yet: the problem data
// stay as they are in the state.

#include "driver/driver.h"

namespace driver {

void dados() {}

}  // namespace driver
