#include "compute/generators/full_moon_days.h"

namespace tessolar {

int GenerateFullMoons(CCalDatabase&, int, int) { return 0; }

}  // namespace tessolar
