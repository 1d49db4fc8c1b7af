// The SDK's own access to the host's function table. Not for plug-in code:
// plug-ins use the classes, which forward through it.
#ifndef C4D_OS_ACCESS_H__
#define C4D_OS_ACCESS_H__

#include "c4d_os.h"
#include "c4d_basictypes.h"

namespace c4d_sdk
{

// The table the host passed with action 1; null before that.
extern const C4D_OS* g_os;

inline const C4D_OS& OS() { return *g_os; }

inline C4DOS_Text ToText(const String& text)
{
	return C4DOS_Text { text.GetUtf8().data(), static_cast<int64_t>(text.GetUtf8().size()) };
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
