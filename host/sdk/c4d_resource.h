// GeResource: the module's string table and descriptions, loaded once from
// the `res` folder beside the module.
#ifndef C4D_RESOURCE_H__
#define C4D_RESOURCE_H__

#include "c4d_file.h"
#include "c4d_os.h"
#include "c4d_string.h"
#include "maxon_basearray.h"

namespace c4d_sdk
{
struct Access;
}

class LocalResource;

class GeResource
{
public:
	// Loads the `res` folder beside the module, once: later calls answer
	// whether that first attempt succeeded.
	Bool Init();
	// Loads the `res` folder inside `path`, once, as Init().
	Bool Init(const Filename& path, Bool regardIsStopped = true);
	// String `id`; empty when the resource is not loaded, has no such string,
	// or the host has no memory for it.
	const String& LoadString(Int32 id);
	// Releases the resource and forgets the folder and the attempt.
	void Free();

private:
	C4DOS_Resource* _handle = nullptr;
	Filename* _folder = nullptr;
	Bool _attempted = false;

	friend struct c4d_sdk::Access;
	// Loads every string of the resource at once, so that the references
	// LoadString hands out stay valid until Free.
	void LoadStrings();

	struct LoadedString
	{
		Int32 id = 0;
		String text;
	};
	maxon::BaseArray<LoadedString> _strings;
	// What LoadString answers when the host has no memory for a string.
	String _none;
};

extern GeResource g_resource;

// String `id` of the module's resource.
const String& GeLoadString(Int32 id);

// Registers description `idstr` for plug-in `id` from the module's resource.
Bool RegisterDescription(Int32 id, const maxon::String& idstr, LocalResource* res = nullptr);

#endif
