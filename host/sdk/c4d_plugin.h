// The module's entry: the SDK dispatches the host's actions to these three
// functions, which every plug-in defines in its main.cpp.
#ifndef C4D_PLUGIN_H__
#define C4D_PLUGIN_H__

#include "c4d_basictypes.h"

// Actions of c4d_main, and module message 1.
enum
{
	C4DPL_INIT_SYS = 1,
	C4DPL_INIT = 2,
	C4DPL_END = 3,
	C4DPL_INIT_VERSION = 4,
	C4DPL_MESSAGE = 6
};

// Results of c4d_main.
enum
{
	C4DPL_VERSION = 5,
	C4DPL_ERROR = -1,
	C4DPL_ERROR_VERSION = -3
};

// Registers the plug-ins; false when none could be registered.
Bool PluginStart();
// Releases what PluginStart set up.
void PluginEnd();
// Module messages from the host; with C4DPL_INIT_SYS the plug-in loads its resource.
Bool PluginMessage(Int32 id, void* data);

#endif
