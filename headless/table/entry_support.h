// What every table entry needs: the current host, the handle checks, text
// in and out, and the guard that keeps host errors from crossing back into
// the module.
#ifndef HEADLESS_TABLE_ENTRY_SUPPORT_H
#define HEADLESS_TABLE_ENTRY_SUPPORT_H

#include <exception>
#include <optional>
#include <string>

#include "headless/host.h"
#include "host/abi/c4d_os.h"

namespace headless
{

inline Host& H()
{
	return Host::Current();
}

// Runs an entry's body; anything it throws becomes a recorded fault and the
// entry's failure result.
template <typename RESULT, typename BODY> RESULT Guard(const char* entry, RESULT failure, BODY&& body) noexcept
{
	try
	{
		return body();
	}
	catch (const std::exception& error)
	{
		H().protocol.Fault(entry, std::string("host error: ") + error.what());
	}
	catch (...)
	{
		H().protocol.Fault(entry, "host error");
	}
	return failure;
}

template <typename BODY> void GuardVoid(const char* entry, BODY&& body) noexcept
{
	Guard(entry, 0, [&] { body(); return 0; });
}

// Each check answers the live item behind a handle, or records a fault
// (null or unknown handle, or the wrong kind of atom) and answers null.
Atom* CheckAtom(const void* handle, const char* entry);
Object* CheckObject(const void* handle, const char* entry);
Document* CheckDocument(const void* handle, const char* entry);
// Null allowed: answers null without a fault.
Object* CheckOptionalObject(const void* handle, const char* entry);
Container* CheckContainer(const void* handle, const char* entry);
Path* CheckPath(const void* handle, const char* entry);
Bitmap* CheckBitmap(const void* handle, const char* entry);
BinaryFile* CheckFile(const void* handle, const char* entry);
const resources::ResourceFolder* CheckResource(const void* handle, const char* entry);

// A new item for the module, owned by `registry` until the module frees it;
// null when the fault plan fails the call.
template <typename HANDLE, typename T> HANDLE* AllocHandle(const char* entry, HandleRegistry<T>& registry) noexcept
{
	return Guard(entry, static_cast<HANDLE*>(nullptr), [&]() -> HANDLE* {
		if (H().faults.ShouldFail(entry))
			return nullptr;
		return reinterpret_cast<HANDLE*>(registry.Add(std::make_unique<T>()));
	});
}

// Gives an item back; null is allowed, an unknown or freed handle is a fault.
template <typename T> void FreeHandle(const char* entry, HandleRegistry<T>& registry, const void* handle, const char* kind) noexcept
{
	GuardVoid(entry, [&] {
		if (handle && !registry.Release(handle))
			H().protocol.Fault(entry, std::string("unknown or freed ") + kind + " handle");
	});
}

// Text from the module; null when malformed (negative length, or no data for a non-empty text).
std::optional<std::string> TextIn(C4DOS_Text text, const char* entry);
// Hands `text` to the module's sink; a missing sink is a fault.
void TextOut(const std::string& text, C4DOS_TextSink sink, void* context, const char* entry);

} // namespace headless

#endif
