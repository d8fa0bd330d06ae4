#include "host/entry.h"

namespace lunvale::host {

int RunModule(int, char**) { return 0; }

}  // namespace lunvale::host
