// Objects in host memory: NewObj / NewObjClear construct in memory from the
// host's allocator (NewObjClear zeroes it first), DeleteObj destroys and
// gives the memory back and clears the pointer.
#ifndef C4D_MEMORY_H__
#define C4D_MEMORY_H__

#include <cstring>
#include <new>
#include <utility>

#include "c4d_basictypes.h"

namespace c4d_sdk
{

void* HostAlloc(Int size);
void HostFree(void* memory);

template <typename T, typename... ARGS> T* NewObjIn(Bool clear, ARGS&&... args)
{
	void* memory = HostAlloc(static_cast<Int>(sizeof(T)));
	if (!memory)
		return nullptr;
	if (clear)
		std::memset(memory, 0, sizeof(T));
	return new (memory) T(std::forward<ARGS>(args)...);
}

template <typename T> void DeleteObjIn(T*& object)
{
	if (!object)
		return;
	object->~T();
	HostFree(static_cast<void*>(object));
	object = nullptr;
}

} // namespace c4d_sdk

#define NewObj(T, ...) c4d_sdk::NewObjIn<T>(false, ##__VA_ARGS__)
#define NewObjClear(T, ...) c4d_sdk::NewObjIn<T>(true, ##__VA_ARGS__)
#define DeleteObj(object) c4d_sdk::DeleteObjIn(object)

#endif
