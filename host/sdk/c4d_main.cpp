// The module's entry point: the host calls c4d_main with an action code.
//
// Module-wide state lives here and is written only here; the host never calls
// c4d_main from two threads at once.
#include "c4d_file.h"
#include "c4d_memory.h"
#include "c4d_os_access.h"
#include "c4d_plugin.h"
#include "c4d_resource.h"
#include "c4d_sdk_state.h"

namespace
{

// Every action 1 with a table of this host counts up and every action 3
// down; only 0 -> 1 initialises and only 1 -> 0 releases.
Int32 g_initCount = 0;
// Set once an action 1 passed the version test; until then the table may be
// missing or too old, so the actions that use it do nothing.
Bool g_attached = false;
Filename* g_modulePath = nullptr;

Int32 Initialise(void* table, const char* modulePath)
{
	// A table of another kind (the host application's own has no tag) is
	// refused every time, before it is counted: it is not read any further,
	// nothing is called through it, and it leaves no trace.
	const C4D_OS* os = static_cast<const C4D_OS*>(table);
	if (!os || os->tag != C4DOS_TABLE_TAG)
		return C4DPL_ERROR_VERSION;

	g_initCount++;
	if (g_initCount != 1)
		return 1;
	if (os->version < C4DOS_API_VERSION || !modulePath)
		return C4DPL_ERROR_VERSION;
	c4d_sdk::g_os = os;
	g_attached = true;

	// Without memory for the path the plug-in folder is empty everywhere.
	g_modulePath = NewObj(Filename);
	if (g_modulePath)
		*g_modulePath = Filename(modulePath);
	return 1;
}

Int32 End()
{
	if (g_initCount == 0)
		return 1;
	g_initCount--;
	if (g_initCount != 0)
		return 1;

	if (g_attached)
	{
		PluginEnd();
		// Back to the loaded state: a later start loads the resource anew.
		g_resource.Free();
		DeleteObj(g_modulePath);
	}
	g_attached = false;
	return 1;
}

} // namespace

namespace c4d_sdk
{

const Filename* ModulePath()
{
	return g_modulePath;
}

} // namespace c4d_sdk

extern "C" C4DOS_EXPORT Int32 c4d_main(Int32 action, void* p1, void* p2, void* p3)
{
	(void)p2;
	switch (action)
	{
		case C4DPL_INIT_SYS: return Initialise(p1, static_cast<const char*>(p3));
		case C4DPL_INIT: return g_attached && PluginStart() ? 1 : 0;
		case C4DPL_END: return End();
		case C4DPL_INIT_VERSION: return C4DPL_VERSION;
		case C4DPL_MESSAGE:
		{
			if (!g_attached)
				return C4DPL_ERROR;
			// The message ID travels in the low 32 bits of p1.
			const Int32 id = static_cast<Int32>(reinterpret_cast<std::uintptr_t>(p1));
			return PluginMessage(id, p2) ? 1 : C4DPL_ERROR;
		}
		default: return C4DPL_ERROR;
	}
}
