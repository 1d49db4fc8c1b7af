#include "c4d_os_access.h"

#include <atomic>

#include "c4d_memory.h"

namespace c4d_sdk
{

const C4D_OS* g_os = nullptr;

namespace
{

std::atomic<UInt> g_handleFailures { 0 };

} // namespace

UInt HandleFailures()
{
	return g_handleFailures.load();
}

void NoteHandleFailure()
{
	g_handleFailures++;
}

void CollectText(void* context, C4DOS_Text text)
{
	Access::AdoptHostText(*static_cast<String*>(context), text);
}

void* HostAlloc(Int size)
{
	return g_os ? OS().general->alloc(size) : nullptr;
}

void* HostTextAlloc(Int size)
{
	return g_os ? OS().general->alloc_text(size) : nullptr;
}

void HostFree(void* memory)
{
	if (memory)
		OS().general->free(memory);
}

} // namespace c4d_sdk
