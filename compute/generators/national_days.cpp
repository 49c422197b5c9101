#include "compute/generators/national_days.h"

namespace tessolar {

int GenerateNationalDays(CCalDatabase&, int, int) { return 0; }

}  // namespace tessolar
