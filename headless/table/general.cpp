// Memory, console, message boxes, update events and the clock.
#include <chrono>

#include "headless/table/entry_support.h"
#include "headless/table/families.h"

namespace headless
{

namespace
{

void* Alloc(int64_t size) noexcept
{
	return Guard("general.alloc", static_cast<void*>(nullptr), [&]() -> void* {
		if (size < 0)
			H().protocol.Fault("general.alloc", "negative size " + std::to_string(size));
		if (H().faults.ShouldFail("general.alloc"))
			return nullptr;
		return H().memory.Allocate(size);
	});
}

void* AllocText(int64_t size) noexcept
{
	return Guard("general.alloc_text", static_cast<void*>(nullptr), [&]() -> void* {
		if (size < 0)
			H().protocol.Fault("general.alloc_text", "negative size " + std::to_string(size));
		return H().memory.Allocate(size);
	});
}

void Free(void* memory) noexcept
{
	GuardVoid("general.free", [&] {
		if (memory && !H().memory.Free(memory))
			H().protocol.Fault("general.free", "memory the host did not give out, or freed twice");
	});
}

void Print(C4DOS_Text line) noexcept
{
	GuardVoid("general.print", [&] {
		if (std::optional<std::string> text = TextIn(line, "general.print"))
			H().console.lines.push_back(std::move(*text));
	});
}

int32_t ShowMessageBox(C4DOS_Text text, int32_t flags) noexcept
{
	return Guard("general.message_box", int32_t { 0 }, [&]() -> int32_t {
		std::optional<std::string> message = TextIn(text, "general.message_box");
		if (!message)
			return 0;
		H().console.boxes.push_back(MessageBox { std::move(*message), flags });
		return H().console.boxAnswer;
	});
}

// Every kind of update counts alike: the flags only say how much to redo.
void EventAdd(int32_t /*flags*/) noexcept
{
	GuardVoid("general.event_add", [&] { ++H().events; });
}

double Milliseconds() noexcept
{
	return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

const C4DOS_General ENTRIES = { &Alloc, &Free, &AllocText, &Print, &ShowMessageBox, &EventAdd, &Milliseconds };

} // namespace

const C4DOS_General* GeneralEntries()
{
	return &ENTRIES;
}

} // namespace headless
