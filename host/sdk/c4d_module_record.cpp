// The module record through which the host's core runtime finds the module:
// its identifier and the host frameworks it uses.
#include "c4d_os.h"
#include "c4d_module_identity.h"

extern "C" C4DOS_EXPORT C4DOS_ModuleRecord g_maxon;

C4DOS_ModuleRecord g_maxon = {
	C4DOS_RECORD_MARKER,
	1,
	c4d_sdk::MODULE_ID,
	static_cast<int32_t>(sizeof(c4d_sdk::MODULE_FRAMEWORKS) / sizeof(c4d_sdk::MODULE_FRAMEWORKS[0])),
	c4d_sdk::MODULE_FRAMEWORKS,
	nullptr,
};
