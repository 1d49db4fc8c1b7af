// Start-up and shutdown of the Pointsmith module.
#include "c4d.h"

#include "pointsmith.h"

Bool PluginStart()
{
	if (!RegisterArrowGenerator())
	{
		GePrint("Orvandale Software: Failed to load Pointsmith."_s);
		return false;
	}
	GePrint("Orvandale Software: Pointsmith successfully loaded."_s);
	return true;
}

void PluginEnd()
{
}

Bool PluginMessage(Int32 id, void* data)
{
	(void)data;
	switch (id)
	{
		// Message 0 asks nothing of the module.
		case 0:
			return true;
		// The host wants the module's resource (strings and description)
		// loaded before it starts the module.
		case C4DPL_INIT_SYS:
			if (!g_resource.Init())
			{
				GePrint("Pointsmith: failed to load resource file."_s);
				return false;
			}
			return true;
		default:
			return false;
	}
}
