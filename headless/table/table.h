// The function table the host hands to a module with action 1.
#ifndef HEADLESS_TABLE_TABLE_H
#define HEADLESS_TABLE_TABLE_H

#include <cstdint>

#include "host/abi/c4d_os.h"

namespace headless
{

// A table reporting API version `version`; every entry reaches Host::Current().
C4D_OS MakeTable(std::int32_t version);

} // namespace headless

#endif
