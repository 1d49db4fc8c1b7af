// macOS only: the host calls through g_CpuYieldDelegate where a module may
// give up the processor; a module that has nothing to do there keeps the
// empty routine.
#include "c4d_os.h"

namespace
{

void DoNotYield()
{
}

} // namespace

extern "C"
{
	C4DOS_EXPORT void (*g_CpuYieldDelegate)() = &DoNotYield;
}
