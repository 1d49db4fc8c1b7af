// The SDK's own access to the host's function table and to the handles its
// classes hold. Not for plug-in code: plug-ins use the classes, which forward
// through it.
#ifndef C4D_OS_ACCESS_H__
#define C4D_OS_ACCESS_H__

#include "c4d_basecontainer.h"
#include "c4d_file.h"
#include "c4d_gedata.h"
#include "c4d_os.h"
#include "c4d_resource.h"
#include "c4d_string.h"

namespace c4d_sdk
{

// The table the host passed with action 1; null before that.
extern const C4D_OS* g_os;

inline const C4D_OS& OS() { return *g_os; }

// The handles and bytes behind the SDK's classes, which plug-in code does not see.
struct Access
{
	static C4DOS_Text Text(const maxon::String& text)
	{
		return C4DOS_Text { text._text, static_cast<int64_t>(text._length) };
	}
	static C4DOS_Path* Path(const Filename& name) { return name._path; }
	static C4DOS_Container* Container(const BaseContainer& container) { return container._handle; }
	static const C4DOS_Resource* Resource(const GeResource& resource) { return resource._handle; }
	// Makes `target` a copy of text the host handed over; empty when the
	// text is malformed or the host has no memory for it.
	static void AdoptHostText(maxon::String& target, C4DOS_Text text);
	static GeData FromHost(const C4DOS_Value& value);
	static C4DOS_Value ToHost(const GeData& data);
};

inline C4DOS_Text ToText(const maxon::String& text)
{
	return Access::Text(text);
}

// Scene nodes, bitmaps and files are host handles on the module's side.
inline C4DOS_Atom* AtomHandle(const void* atom)
{
	return reinterpret_cast<C4DOS_Atom*>(const_cast<void*>(atom));
}

// A sink that collects the host's answer into a String.
void CollectText(void* context, C4DOS_Text text);

template <typename CALL> String ReadText(CALL&& call)
{
	String result;
	call(&CollectText, &result);
	return result;
}

} // namespace c4d_sdk

#endif
