// GeResource: the module's string table and descriptions, loaded once from
// the `res` folder beside the module.
#ifndef C4D_RESOURCE_H__
#define C4D_RESOURCE_H__

#include <map>

#include "c4d_file.h"
#include "c4d_os.h"

class LocalResource;

class GeResource
{
public:
	// Loads the `res` folder beside the module, once: later calls answer
	// whether that first attempt succeeded.
	Bool Init();
	// Loads the `res` folder inside `path`, once, as Init().
	Bool Init(const Filename& path);
	// String `id`; empty when the resource is not loaded or has no such string.
	const String& LoadString(Int32 id);
	// Releases the resource and forgets the folder and the attempt.
	void Free();

	// The SDK's own access to the handle.
	const C4DOS_Resource* GetHandle() const { return _handle; }

private:
	C4DOS_Resource* _handle = nullptr;
	Filename* _folder = nullptr;
	Bool _attempted = false;
	std::map<Int32, String> _strings;
};

extern GeResource g_resource;

// String `id` of the module's resource.
const String& GeLoadString(Int32 id);

// Registers description `idstr` for plug-in `id` from the module's resource.
Bool RegisterDescription(Int32 id, const String& idstr, LocalResource* res = nullptr);

#endif
