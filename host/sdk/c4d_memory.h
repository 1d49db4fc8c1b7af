// Objects in host memory: NewObj / NewObjClear construct in memory from the
// host's allocator (NewObjClear zeroes it first), DeleteObj destroys and
// gives the memory back and clears the pointer. An object whose construction
// could not get every host handle it asked for (a Filename or BaseContainer
// member the host had no memory for) is destroyed again and its memory given
// back: NewObj answers null, as when the object's own memory fails.
#ifndef C4D_MEMORY_H__
#define C4D_MEMORY_H__

#include <cstring>
#include <new>
#include <utility>

#include "c4d_basictypes.h"

namespace c4d_sdk
{

void* HostAlloc(Int size);
// Memory for the module's copy of a text the host hands over.
void* HostTextAlloc(Int size);
void HostFree(void* memory);

// Host handles that the SDK's classes asked for and did not get, counted
// since the module was loaded: NewObj's way to see a construction fail. A
// failure on another thread at the same moment costs a NewObj at worst.
UInt HandleFailures();
void NoteHandleFailure();

template <typename T> void DeleteObjIn(T*& object)
{
	if (!object)
		return;
	object->~T();
	HostFree(static_cast<void*>(object));
	object = nullptr;
}

template <typename T, typename... ARGS> T* NewObjIn(Bool clear, ARGS&&... args)
{
	void* memory = HostAlloc(static_cast<Int>(sizeof(T)));
	if (!memory)
		return nullptr;
	if (clear)
		std::memset(memory, 0, sizeof(T));
	const UInt failures = HandleFailures();
	T* object = new (memory) T(std::forward<ARGS>(args)...);
	if (HandleFailures() != failures)
		DeleteObjIn(object);
	return object;
}

} // namespace c4d_sdk

#define NewObj(T, ...) c4d_sdk::NewObjIn<T>(false, ##__VA_ARGS__)
#define NewObjClear(T, ...) c4d_sdk::NewObjIn<T>(true, ##__VA_ARGS__)
#define DeleteObj(object) c4d_sdk::DeleteObjIn(object)

#endif
